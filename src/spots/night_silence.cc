#include "spots/night_silence.h"

#include <cmath>

namespace brilox {

bool IsNightSilence(const Settings& settings, DayTime utc_now) {
  if (settings.NoNightSound == 0) return false;
  const double t = utc_now - std::floor(utc_now);
  const double start = settings.StartSilence;
  const double stop = settings.StopSilence;
  if (start < stop) return start <= t && t <= stop;
  return t > start || t < stop;
}

}  // namespace brilox
