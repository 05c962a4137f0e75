// Resolution of a call to its DXCC entity: the operator's call links first,
// then the call-shape rules (portable suffixes, beacons and mobiles,
// suffixes that name no country, the swap of "home call/foreign prefix",
// the call-area rules), then the longest of the call's first 4, 3, 2, 1
// characters that a prefix list holds.  Pure functions of their inputs; the
// caller owns the table and the ResolvedEntity they write.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"
#include "spots/country_table.h"
#include "spots/spot_record.h"

namespace brilox {

// A spot's call and a call the operator typed into the country window differ
// in one thing: a beacon or a maritime/aeronautical mobile in a spot is in no
// entity ("9999"); typed, a mobile is reported as such ("9998") and a beacon
// resolves like any call.
enum class SpotMode { kSpot, kTypedCall };

// Looks "#" key "#" up.  On success returns the entry's main prefix without
// blanks and fills name, zone and position; on failure returns "9999" and
// sets the zone to 0, leaving the rest.  EntityKey becomes `key` either way.
std::string FindCountryByKey(const CountryTable& table, std::string_view key, ResolvedEntity& entity);

// The entity prefix of `call`: a main prefix, the key of a call-area rule,
// a linked prefix, "9999" (no entity) or "9998" (mobile, typed calls only).
std::string DeterminePays(const CountryTable& table, std::string_view call,
                          const std::vector<CallPairEntry>& links, SpotMode mode, ResolvedEntity& entity);

// What the call-shape rules make of a call before any prefix list is read.
struct CallShape {
  enum class Outcome {
    kNoEntity,  // a beacon or mobile in a spot: "9999"
    kMobile,    // a typed maritime or aeronautical mobile: "9998"
    kKey,       // a rule names the key ("/ANT", the call-area rules)
    kGeneral,   // the first 4, 3, 2, 1 characters of working_call decide
  };
  Outcome outcome = Outcome::kGeneral;
  std::string working_call;  // upper case, "/M" or "/P" removed, swapped
  std::string_view key;      // for kKey
};
CallShape ShapeCall(std::string_view call, SpotMode mode);

// Every key a rule can look up without reading the prefix lists: the
// call-area keys and "CE9" of "/ANT".
std::vector<std::string_view> RuleKeys();

}  // namespace brilox
