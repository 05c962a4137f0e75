// Distance, beam headings, local time and sun times between the operator's
// station and a DXCC entity: the figures of the country information and of
// the info line that spot processing shows for every DX spot.
//
// Plain functions of positions and the UTC time; any thread.
#pragma once

#include <string>

#include "platform/clock.h"
#include "core/settings.h"

namespace brilox {

// Degrees, north and east positive.
struct GeoPosition {
  double latitude = 0.0;
  double longitude = 0.0;
};

GeoPosition StationPosition(const Settings& settings);

inline constexpr double kEarthRadiusKm = 6371.3;
inline constexpr double kKmPerMile = 1.6093;
// The sun time given when the sun does not rise or set that day.
inline constexpr double kNoSunTime = 99.99;

struct GreatCirclePath {
  double PathKm = 0.0;
  double PathMiles = 0.0;
  double PathAzimuth = 0.0;        // short path, 0 <= value < 360
  double PathLongAzimuth = 180.0;  // long path, 0 <= value < 360
};

enum class SunState { kRisesAndSets = 0, kNeverSets = 1, kNeverRises = 2 };

struct SunTimes {
  SunState state = SunState::kRisesAndSets;
  double sunrise = kNoSunTime;  // hours UTC, 0 < value <= 24
  double sunset = kNoSunTime;
  std::string SunriseText;  // "hh:mm"; empty unless the sun rises and sets
  std::string SunsetText;   // "hh:mm UTC"; likewise
};

struct PathAndSun {
  GreatCirclePath path;
  int DxLocalHour = 0;    // 0..23
  int DxLocalMinute = 0;  // 0..59
  SunTimes dx;
  SunTimes station;
};

// Distance and headings only (what the spot info line needs).
GreatCirclePath ComputePath(GeoPosition station, GeoPosition entity);

// Everything.  `time_offset_hours` is the entity's time-offset field: its
// local time is UTC minus this value.  The station's sun times are always
// computed, also on days when the entity has no sunrise or sunset.
PathAndSun ComputePathAndSun(GeoPosition station, GeoPosition entity, double time_offset_hours, DayTime utc_now,
                             char time_separator = ':');

// The pieces, for the window and for tests.
int DayOfYear(int month, int day);  // non-leap month starts, 1 January is 1
double SunDeclinationDegrees(int day_of_year);
double TimeCorrectionMinutes(int day_of_year);
SunTimes SunTimesAt(GeoPosition place, double declination_degrees, double time_correction_minutes,
                    char time_separator = ':');

}  // namespace brilox
