// The two checks spot processing asks of the reference lists it does not own:
// whether the DX call is a LoTW user (the LoTW user list) and whether the
// comment names an IOTA reference the operator needs (the IOTA database).
// Until those lists are loaded the pipeline uses the answers "not a LoTW
// user" and "no reference".  Window thread (they run inside the processing
// of one spot).  award_reference_checks.h answers from the real lists.
#pragma once

#include <string>
#include <string_view>

namespace brilox {

struct LotwUserAnswer {
  bool LotwUser = false;
  bool LotwUncertain = false;  // found only as a portable or additional call
};

class LotwUserCheck {
 public:
  virtual ~LotwUserCheck() = default;
  // `call` as the spot holds it (blank-padded); `portable_calls` lets the
  // check try the parts of a call with "/".
  virtual LotwUserAnswer CheckLotwUser(std::string_view call, bool portable_calls) = 0;
};

class NoLotwUserList final : public LotwUserCheck {
 public:
  LotwUserAnswer CheckLotwUser(std::string_view, bool) override { return {}; }
};

struct SpotIotaAnswer {
  int Level = 1;             // the needed level, raised to 10 or 11 for a needed reference
  std::string SpotIotaText;  // "EU5", empty without a reference
  int SpotIotaIndex = 0;     // its IOTA table index, 0 without a reference
};

class SpotIotaCheck {
 public:
  virtual ~SpotIotaCheck() = default;
  // `level` is the spot's needed level so far (below 4).
  virtual SpotIotaAnswer CheckSpotIota(std::string_view dx_call, std::string_view comment, int level) = 0;
};

class NoIotaReferences final : public SpotIotaCheck {
 public:
  SpotIotaAnswer CheckSpotIota(std::string_view, std::string_view, int level) override { return {level, {}}; }
};

// Beacons are not looked up in the LoTW list: a call ending in "/BEACON",
// "/BCN" or "/B" (except the French "FR..." calls, where "/B" is an island
// group of Reunion, not a beacon).
bool ShouldCheckLotwUser(std::string_view dx_call);

}  // namespace brilox
