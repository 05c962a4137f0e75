// The own station on a first start.  Until the operator has given a call,
// MyCall reads "NOCALL" (or nothing) and the talk lines, the AGW link and
// the LoTW checks all work with a call that is not theirs; there is no
// options dialog yet to put it right.  So, while that is so, the start asks
// for the call and the QTH locator and stores MyCall, MyLat and MyLong, the
// values the options dialog's Local page stores.
// Window thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "platform/result.h"
#include "platform/settings_store.h"

namespace brilox {

// True while MyCall is empty or "NOCALL".
bool NeedsOwnStation(const Settings& settings);

// Upper case, blanks removed, cut to 15 characters; empty when what remains
// is not a call (letters, digits and "/", with at least one letter and one
// digit, 3 characters or more).
std::string CleanCallsign(std::string_view typed);

struct GeoPoint {
  double latitude = 0.0;   // degrees, north positive
  double longitude = 0.0;  // degrees, east positive
};

// The centre of a 4- or 6-character Maidenhead locator (any case); nothing
// for anything else.
std::optional<GeoPoint> LocatorCentre(std::string_view locator);
// The 6-character locator of a position.
std::string LocatorOf(const GeoPoint& position);

struct OwnStation {
  std::string call;
  std::string locator;
};

// The small dialog that asks; nothing when the operator cancels.
class OwnStationDialog {
 public:
  virtual ~OwnStationDialog() = default;
  virtual std::optional<OwnStation> Ask(const OwnStation& proposed) = 0;
};

// Asks while NeedsOwnStation, offering the stored position's locator, and
// stores the answer.  A cancelled dialog or a call that is no call stores
// nothing (the next start asks again); an unreadable locator keeps the
// stored position.
Status AskForOwnStation(Settings& settings, SettingsStore& store, OwnStationDialog& dialog);

}  // namespace brilox
