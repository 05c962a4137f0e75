// The checks that follow band and mode on every DX spot: the spotter's WAZ
// zone against the rejected zones, self spots, and whether the DX call can be
// a call at all (skimmers and typing slips spot words like "CQ2DX" or "FT8").
//
// Window thread; the checks hold no state of their own.
#pragma once

#include <string_view>

#include "core/settings.h"
#include "spots/band_mode.h"
#include "spots/spot_record.h"

namespace brilox {

// The WAZ zone of a call as the country table resolves it; any value outside
// 1 to 40 when the call belongs to no entity.  Resolving a spotter must not
// change the entity fields of the spot being processed.
class CallZoneLookup {
 public:
  virtual ~CallZoneLookup() = default;
  virtual int WazZoneOf(std::string_view call) = 0;
};

// Any of the 40 zone bits set.
bool IsZoneFilteringOn(const Settings& settings);

// True when the operator rejects spots from zone `zone`: with any zone bit set,
// the set zones and every zone outside 1 to 40 (a spotter of no known entity).
bool IsSpotterZoneRejected(const Settings& settings, int zone);

// The DX call and the spotter are one station: equal once the spotter loses
// its SSID and the DX call its "/" suffix, also across the Spanish EA and EH
// prefixes of one licence.  Letters compare without case.
bool IsSelfSpot(std::string_view dx_call, std::string_view spotter);

// The DX call (as the record holds it, blank-padded to 12) has a digit and a
// letter and is not one of the words and CQ forms that nodes see spotted.
bool IsPlausibleDxCall(std::string_view dx_call);

// Sets ZoneOK and NotSelfSpot and clears BandOK for an implausible call.
class SpotChecks final : public SpotChecksAfterBandMode {
 public:
  SpotChecks(const Settings& settings, CallZoneLookup& zones) : m_settings(settings), m_zones(zones) {}
  void Run(std::string_view decode_line, SpotRecord& spot) override;

 private:
  const Settings& m_settings;
  CallZoneLookup& m_zones;
};

}  // namespace brilox
