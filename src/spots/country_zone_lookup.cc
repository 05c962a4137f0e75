#include "spots/country_zone_lookup.h"

#include "spots/determine_pays.h"

namespace brilox {

int CountryZoneLookup::WazZoneOf(std::string_view call) {
  ResolvedEntity scratch;
  const std::string prefix = DeterminePays(m_countries, call, m_settings.DXCClink, SpotMode::kSpot, scratch);
  return prefix == kNoEntityPrefix ? 0 : scratch.WazZone;
}

}  // namespace brilox
