#include "spots/night_silence.h"

#include <cmath>

namespace brilox {
namespace {

constexpr double kMsPerDay = 86400000.0;

// Whole milliseconds since midnight, so that the start and stop minutes are
// met exactly and not by a rounding error of the day count.
long long MsOfDay(double day_fraction) { return std::llround(day_fraction * kMsPerDay); }

}  // namespace

bool IsNightSilence(const Settings& settings, DayTime utc_now) {
  if (settings.NoNightSound == 0) return false;
  const long long t = MsOfDay(utc_now - std::floor(utc_now));
  const long long start = MsOfDay(settings.StartSilence);
  const long long stop = MsOfDay(settings.StopSilence);
  if (start < stop) return start <= t && t <= stop;
  return t > start || t < stop;
}

}  // namespace brilox
