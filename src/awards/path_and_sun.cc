#include "awards/path_and_sun.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brilox {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRadiansPerDegree = kPi / 180.0;

double Radians(double degrees) { return degrees * kRadiansPerDegree; }
double Degrees(double radians) { return radians / kRadiansPerDegree; }

// Rounds halves to the even neighbour, whatever the floating-point mode.
double RoundHalfEven(double value) {
  const double down = std::floor(value);
  const double fraction = value - down;
  if (fraction > 0.5) return down + 1.0;
  if (fraction < 0.5) return down;
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

// Into 0 <= value < 360.
double NormalizedDegrees(double degrees) {
  double d = std::fmod(degrees, 360.0);
  if (d < 0.0) d += 360.0;
  return d >= 360.0 ? 0.0 : d;
}

std::string TwoDigits(int value) {
  std::string out(2, '0');
  out[0] = static_cast<char>('0' + (value / 10) % 10);
  out[1] = static_cast<char>('0' + value % 10);
  return out;
}

// "hh:mm" of hours of the day; the minute rounds, 60 carries into the hour.
std::string HoursText(double hours, char separator) {
  int whole = static_cast<int>(std::floor(hours));
  int minutes = static_cast<int>(RoundHalfEven((hours - whole) * 60.0));
  if (minutes == 60) {
    minutes = 0;
    ++whole;
  }
  whole = ((whole % 24) + 24) % 24;
  return TwoDigits(whole) + separator + TwoDigits(minutes);
}

// A sun time of the day in hours UTC, 0 < value <= 24.
double HoursOfDay(double hours) {
  while (hours <= 0.0) hours += 24.0;
  while (hours > 24.0) hours -= 24.0;
  return hours;
}

bool IsSamePosition(GeoPosition a, GeoPosition b) {
  return a.latitude == b.latitude && a.longitude == b.longitude;
}

double ShortPathAzimuth(GeoPosition station, GeoPosition entity) {
  const double delta = Radians(entity.longitude - station.longitude);
  if (station.latitude == 0.0 && entity.latitude == 0.0) {
    // Along the equator: east when the entity is less than half way round eastward.
    return std::sin(delta) > 0.0 ? 90.0 : 270.0;
  }
  const double phi1 = Radians(station.latitude);
  const double phi2 = Radians(entity.latitude);
  const double y = std::sin(delta);
  const double x = std::cos(phi1) * std::tan(phi2) - std::sin(phi1) * std::cos(delta);
  return NormalizedDegrees(Degrees(std::atan2(y, x)));
}

}  // namespace

GeoPosition StationPosition(const Settings& settings) { return {settings.MyLat, settings.MyLong}; }

GreatCirclePath ComputePath(GeoPosition station, GeoPosition entity) {
  GreatCirclePath path;
  if (!IsSamePosition(station, entity)) {
    const double phi1 = Radians(station.latitude);
    const double phi2 = Radians(entity.latitude);
    double u = std::sin(phi1) * std::sin(phi2) +
               std::cos(phi1) * std::cos(phi2) * std::cos(Radians(entity.longitude - station.longitude));
    // Rounding can push nearby or opposite points just past the arc cosine's domain.
    u = std::clamp(u, -1.0, 1.0);
    path.PathKm = std::acos(u) * kEarthRadiusKm;
    path.PathAzimuth = ShortPathAzimuth(station, entity);
  }
  path.PathMiles = path.PathKm / kKmPerMile;
  path.PathLongAzimuth = NormalizedDegrees(path.PathAzimuth + 180.0);
  return path;
}

int DayOfYear(int month, int day) {
  static constexpr int kMonthStarts[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  return kMonthStarts[std::clamp(month, 1, 12) - 1] + day;
}

double SunDeclinationDegrees(int day_of_year) {
  const double n = day_of_year;
  const double g = (n - 1.5) * 0.017202;
  const double d1 = 0.379 - 23.267 * std::cos(g + 0.1793) - 0.381 * std::cos(2 * g + 0.1292) -
                    0.171 * std::cos(3 * g + 0.5184) - 0.008 * std::cos(4 * g + 0.4538) -
                    0.003 * std::cos(5 * g + 1.658);
  const double h = Radians(n);
  const double d2 = 0.456 - 22.915 * std::cos(h) - 0.43 * std::cos(2 * h) - 0.156 * std::cos(3 * h) +
                    3.83 * std::sin(h) + 0.06 * std::sin(2 * h) + 0.082 * std::sin(3 * h);
  return (d1 + d2) / 2.0;
}

double TimeCorrectionMinutes(int day_of_year) {
  const double n = day_of_year > 304 ? day_of_year - 365 : day_of_year;
  const double k = Radians(n);
  return -(0.008 + 0.51 * std::cos(k) - 3.197 * std::cos(2 * k) - 0.106 * std::cos(3 * k) +
           0.15 * std::cos(4 * k) - 7.137 * std::sin(k) - 9.471 * std::sin(2 * k) - 0.391 * std::sin(3 * k) -
           0.242 * std::sin(4 * k));
}

SunTimes SunTimesAt(GeoPosition place, double declination_degrees, double time_correction_minutes,
                    char time_separator) {
  SunTimes sun;
  const double v = std::tan(Radians(declination_degrees)) * std::tan(Radians(place.latitude));
  if (v >= 1.0) {
    sun.state = SunState::kNeverSets;
    return sun;
  }
  if (v <= -1.0) {
    sun.state = SunState::kNeverRises;
    return sun;
  }
  const double b = Degrees(std::acos(v));
  const double correction = time_correction_minutes / 60.0 + 0.008;
  sun.sunrise = HoursOfDay((b - place.longitude) / 15.0 + correction);
  sun.sunset = HoursOfDay((-place.longitude - b) / 15.0 + correction);
  sun.SunriseText = HoursText(sun.sunrise, time_separator);
  sun.SunsetText = HoursText(sun.sunset, time_separator) + " UTC";
  return sun;
}

PathAndSun ComputePathAndSun(GeoPosition station, GeoPosition entity, double time_offset_hours, DayTime utc_now,
                             char time_separator) {
  PathAndSun out;
  out.path = ComputePath(station, entity);

  const CivilTime utc = DecodeDateTime(utc_now);
  // A damaged offset field must not overflow the minute arithmetic.
  if (!std::isfinite(time_offset_hours)) time_offset_hours = 0.0;
  time_offset_hours = std::clamp(time_offset_hours, -24.0, 24.0);
  const double whole_hours = std::trunc(time_offset_hours);
  const double offset_minutes = whole_hours * 60.0 + RoundHalfEven((time_offset_hours - whole_hours) * 60.0);
  const long local = (static_cast<long>(utc.hour) * 60 + utc.minute - static_cast<long>(offset_minutes)) % 1440;
  const long minute_of_day = local < 0 ? local + 1440 : local;
  out.DxLocalHour = static_cast<int>(minute_of_day / 60);
  out.DxLocalMinute = static_cast<int>(minute_of_day % 60);

  const int day = DayOfYear(utc.month, utc.day);
  const double declination = SunDeclinationDegrees(day);
  const double correction = TimeCorrectionMinutes(day);
  out.dx = SunTimesAt(entity, declination, correction, time_separator);
  out.station = SunTimesAt(station, declination, correction, time_separator);
  return out;
}

}  // namespace brilox
