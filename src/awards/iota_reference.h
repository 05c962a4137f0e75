// Finding an IOTA reference in free text: the spot comment of a DX spot, or
// the IOTA or COMMENT field of a logged QSO.  Operators write references in
// many ways ("EU-005", "EU005", "IOTA EU 005", "EU-05"), and comments are full
// of words that contain continent codes by accident ("NOT EU", "NAC", "SSA-",
// "ASEU"), so the scan applies a fixed series of heuristics, and then rules
// on the station's call that drop references impossible for its country (an
// Italian station is not in Oceania).  Also the callsign-to-reference link
// table the operator keeps for stations whose spots never name their island.
// Pure functions: any thread.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/settings.h"

namespace brilox {

// A reference: continent index 1..7 (AF..SA) and number 1..capacity.
struct IotaReference {
  int continent = 0;
  int number = 0;
  bool operator==(const IotaReference&) const = default;
};

// Which rules on the station's call apply; the log import is more lenient
// than the spot check in a few places (an EA..EH call may name an African
// reference in a log, Russian calls are not kept out of South America).
enum class IotaCallRules { kSpot, kLogImport };

// The spot check reads at most this much of the comment.
inline constexpr std::size_t kSpotIotaTextLength = 31;

// `ParseIotaReference`: the first reference in `text` that survives the
// heuristics and the call rules for `call`.  `max_length` cuts the upper-cased
// text first (the spot check's 31 characters); the log import passes
// std::string_view::npos to scan the whole text.
std::optional<IotaReference> ParseIotaReference(std::string_view text, std::string_view call,
                                                IotaCallRules rules = IotaCallRules::kSpot,
                                                std::size_t max_length = kSpotIotaTextLength);

// The reference the link table (`IOTAlink`) gives `dx_call`: the first entry
// whose call equals it (both blank-padded to 12) and whose reference text
// holds a continent code and, in its characters 4..6, a number in range.
// Entries that do not read are passed over.
std::optional<IotaReference> LinkedIotaReference(std::span<const CallPairEntry> links,
                                                 std::string_view dx_call);

// "EU5" for EU-005: the short form alarms and announcements use.
std::string ShortIotaText(const IotaReference& reference);

}  // namespace brilox
