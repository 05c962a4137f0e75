// The night silence: with `NoNightSound` on, no alarm sounds between
// `StartSilence` and `StopSilence` (times of day, UTC).  A span whose start
// lies after its stop runs over midnight.  Spot processing asks before it
// queues an announcement; the announcer asks again before it plays one.
// A pure function; any thread.
#pragma once

#include "platform/clock.h"
#include "core/settings.h"

namespace brilox {

bool IsNightSilence(const Settings& settings, DayTime utc_now);

}  // namespace brilox
