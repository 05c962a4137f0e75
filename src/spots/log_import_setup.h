// What an import of a log needs from the spot side: the country table for
// QSOs without an entity number (resolved as a spot's call is, with the
// operator's own call-to-entity links), today's date for QSOs without one,
// and the LoTW station filter of the settings.  Shared by the import window
// and brilox-console so that both import alike.  Window thread.
#pragma once

#include "awards/adif_import.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "spots/country_table.h"

namespace brilox {

// `countries` and `settings` must outlive the context.
DxccImportContext MakeDxccImportContext(const CountryTable& countries, const Settings& settings,
                                        const Clock& clock);

// Bit 2 of `LOTWDn`: only QSLs worked from one of `MyLOTWCalls`.
LotwStationFilter MakeLotwStationFilter(const Settings& settings);

}  // namespace brilox
