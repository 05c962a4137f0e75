// The IOTA reference of a DX spot: the scan of its comment (shared with the
// log import, iota_reference_scan.h) under the spot check's own call rules,
// and the callsign-to-reference link table the operator keeps for stations
// whose spots never name their island.
// Pure functions: any thread.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "awards/iota_reference_scan.h"
#include "core/settings.h"

namespace brilox {

// The rules of the spot check: calls of Italy only on African or European
// islands, of Spain's EA..EH series only on European ones, Belgian calls on
// none, Russian and Ukrainian calls on no South American one.
bool RejectIotaForSpotCall(std::string_view call, int continent);

// The spot check reads at most this much of the comment.
inline constexpr std::size_t kSpotIotaTextLength = 31;

// `ParseIotaReference` of the spot check: the scan of the first 31
// characters of the comment under the spot check's call rules.
std::optional<IotaReference> ParseIotaReference(std::string_view comment, std::string_view call);

// The reference the link table (`IOTAlink`) gives `dx_call`: the first entry
// whose call equals it (both blank-padded to 12) and whose reference text
// holds a continent code and, in its characters 4..6, a number in range.
// Entries that do not read are passed over.
std::optional<IotaReference> LinkedIotaReference(std::span<const CallPairEntry> links,
                                                 std::string_view dx_call);

// "EU5" for EU-005: the short form alarms and announcements use.
std::string ShortIotaText(const IotaReference& reference);

}  // namespace brilox
