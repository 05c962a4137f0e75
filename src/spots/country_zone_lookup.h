// The spotter-zone filter's lookup: the WAZ zone of a call as the country
// table resolves it, with the operator's call links.  It resolves into a
// record of its own, so looking up the spotter never changes the entity of
// the spot being processed.  Window thread.
#pragma once

#include <string_view>

#include "core/settings.h"
#include "spots/country_table.h"
#include "spots/spot_checks.h"

namespace brilox {

class CountryZoneLookup final : public CallZoneLookup {
 public:
  CountryZoneLookup(const CountryTable& countries, const Settings& settings)
      : m_countries(countries), m_settings(settings) {}

  // 0 for a call of no entity.
  int WazZoneOf(std::string_view call) override;

 private:
  const CountryTable& m_countries;
  const Settings& m_settings;
};

}  // namespace brilox
