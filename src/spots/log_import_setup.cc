#include "spots/log_import_setup.h"

#include "awards/adif_reader.h"
#include "spots/determine_pays.h"

namespace brilox {

DxccImportContext MakeDxccImportContext(const CountryTable& countries, const Settings& settings,
                                        const Clock& clock) {
  DxccImportContext context;
  context.country = [&countries, &settings](std::string_view call) {
    ResolvedEntity scratch;
    return DeterminePays(countries, call, settings.DXCClink, SpotMode::kSpot, scratch);
  };
  const CivilTime today = DecodeDateTime(clock.UtcNow());
  context.today = today.year * 10000 + today.month * 100 + today.day;
  return context;
}

LotwStationFilter MakeLotwStationFilter(const Settings& settings) {
  LotwStationFilter filter;
  filter.own_calls_only = (settings.LOTWDn & 4) != 0;
  for (const CallEntry& entry : settings.MyLOTWCalls) {
    std::string call = AdifUpper(entry.call);
    while (!call.empty() && call.back() == ' ') call.pop_back();
    if (!call.empty()) filter.own_calls.push_back(std::move(call));
  }
  return filter;
}

}  // namespace brilox
