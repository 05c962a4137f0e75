// The age limit of spots: a spot older (or newer) than DeltaTime minutes is
// not shown.  Text lines carry only the time of day; node frames carry the
// date as well.  Both read the time from an injected clock.
#pragma once

#include <string_view>

#include "platform/clock.h"
#include "core/settings.h"
#include "spots/spot_record.h"

namespace brilox {

// Sets TimeOK from SpotTime ("2359Z").  A text line has no date, so the spot
// is placed on the day (yesterday, today or tomorrow) nearest to now: a spot
// stamped 2359Z and received at 0003Z is four minutes old, not a day.
void CheckSpotAge(const Settings& settings, const Clock& clock, SpotRecord& spot);

// Sets TimeOK from a frame's date ("01-Mar-2026" or " 1-Mar-2026") and
// SpotTime.  A date or time that does not read makes the spot too old.
void CheckFrameSpotAge(std::string_view frame_date, const Settings& settings, const Clock& clock,
                       SpotRecord& spot);

// "Jan" .. "Dec" for months 1..12; empty otherwise.
std::string_view MonthName(int month);
// 1..12 for "Jan" .. "Dec" (exact case), 0 otherwise.
int MonthFromName(std::string_view name);

}  // namespace brilox
