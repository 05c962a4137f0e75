// The countries whose entity a call's area suffix decides ("EA5XX/8" is in
// the Canary Islands, "VK9NS" on Norfolk Island), and the calls whose shape
// alone names the entity (every "3D2", "FK", "KG4" and "VP6" call).
// Pure functions; any thread.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brilox {

// The lookup key the rules give for a working call (upper case, portable
// suffix removed, swapped when written home call / foreign prefix); nothing
// when no rule applies and the general prefix search decides.
std::optional<std::string_view> CallAreaKey(std::string_view call);

// Every key CallAreaKey can give, so that the country file generator can put
// each one into the prefix list of its entity.
std::span<const std::string_view> CallAreaKeys();

}  // namespace brilox
