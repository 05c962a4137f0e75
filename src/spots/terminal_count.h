// How many terminals (links) the program serves.  The line intake, the
// history rings, the spot processing and the links all keep state per
// terminal, numbered 1 to kTerminalCount.
#pragma once

namespace brilox {

inline constexpr int kTerminalCount = 4;

}  // namespace brilox
