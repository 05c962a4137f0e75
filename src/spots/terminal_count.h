// How many terminals the program has: the spot pipeline, the links and the
// windows all count them, so the number lives here once.
#pragma once

namespace brilox {

inline constexpr int kTerminalCount = 4;

}  // namespace brilox
