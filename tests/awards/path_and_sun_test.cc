// Distance, headings, local time and sun times against known figures.
#include "awards/path_and_sun.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brilox {
namespace {

constexpr GeoPosition kLondon{51.5074, -0.1278};
constexpr GeoPosition kNewYork{40.7128, -74.0060};
constexpr GeoPosition kParis{48.8566, 2.3522};
constexpr GeoPosition kTokyo{35.6762, 139.6503};
constexpr GeoPosition kGeneva{46.2, 6.1};

// Published great-circle figures (spherical earth): London - New York
// 5570 km, initial heading 288.3 degrees, back 51.2; Paris - Tokyo 9712 km at
// 33.5 degrees.  The small radius difference (6371.3 km against 6371.0 km)
// stays within a few kilometres.
TEST(ComputePath, CityPairsMatchPublishedDistancesAndHeadings) {
  const struct {
    const char* name;
    GeoPosition from, to;
    double km, azimuth;
  } rows[] = {
      {"London to New York", kLondon, kNewYork, 5570.0, 288.3},
      {"New York to London", kNewYork, kLondon, 5570.0, 51.2},
      {"Paris to Tokyo", kParis, kTokyo, 9712.0, 33.5},
      {"Baghdad to Osaka", {35.0, 45.0}, {35.0, 135.0}, 7872.0, 60.2},
  };
  for (const auto& row : rows) {
    const GreatCirclePath p = ComputePath(row.from, row.to);
    EXPECT_NEAR(p.PathKm, row.km, 3.0) << row.name;
    EXPECT_NEAR(p.PathMiles, p.PathKm / 1.6093, 1e-9) << row.name;
    EXPECT_NEAR(p.PathAzimuth, row.azimuth, 0.1) << row.name;
    EXPECT_NEAR(p.PathLongAzimuth, std::fmod(row.azimuth + 180.0, 360.0), 0.1) << row.name;
  }
}

TEST(ComputePath, SpecialPositions) {
  const struct {
    const char* name;
    GeoPosition from, to;
    double azimuth, long_azimuth;
  } rows[] = {
      {"same position", kGeneva, kGeneva, 0.0, 180.0},
      {"equator, entity to the east", {0.0, 10.0}, {0.0, 20.0}, 90.0, 270.0},
      {"equator, entity to the west", {0.0, 20.0}, {0.0, 10.0}, 270.0, 90.0},
      {"equator, eastward across the date line", {0.0, 170.0}, {0.0, -170.0}, 90.0, 270.0},
      {"due north", {10.0, 5.0}, {40.0, 5.0}, 0.0, 180.0},
      {"due south", {40.0, 5.0}, {10.0, 5.0}, 180.0, 0.0},
      {"north pole", kGeneva, {90.0, 0.0}, 0.0, 180.0},
      {"a quarter round on the equator", {45.0, 0.0}, {0.0, 90.0}, 90.0, 270.0},
      {"west of the station", {45.0, 0.0}, {45.0, -30.0}, 280.7, 100.7},
  };
  for (const auto& row : rows) {
    const GreatCirclePath p = ComputePath(row.from, row.to);
    EXPECT_NEAR(p.PathAzimuth, row.azimuth, 0.1) << row.name;
    EXPECT_NEAR(p.PathLongAzimuth, row.long_azimuth, 0.1) << row.name;
    EXPECT_GE(p.PathAzimuth, 0.0) << row.name;
    EXPECT_LT(p.PathAzimuth, 360.0) << row.name;
  }
  EXPECT_EQ(ComputePath(kGeneva, kGeneva).PathKm, 0.0);
}

TEST(ComputePath, NearlyEqualAndOppositePointsGiveFiniteDistances) {
  const GreatCirclePath near = ComputePath(kGeneva, {46.2, 6.1000001});
  EXPECT_TRUE(std::isfinite(near.PathKm));
  EXPECT_LT(near.PathKm, 0.1);
  const GreatCirclePath opposite = ComputePath({10.0, 20.0}, {-10.0, -160.0});
  EXPECT_NEAR(opposite.PathKm, 3.14159265358979 * 6371.3, 0.01);
  EXPECT_TRUE(std::isfinite(opposite.PathAzimuth));
}

TEST(ComputePathAndSun, LocalTimeOfTheEntity) {
  const struct {
    double offset;
    int utc_hour, utc_minute;
    int hour, minute;
  } rows[] = {
      {5.5, 12, 10, 6, 40},    // minutes borrow an hour
      {-5.5, 12, 10, 17, 40},  // east of Greenwich in the file's convention
      {-9.0, 20, 0, 5, 0},     // into the next day
      {10.0, 3, 0, 17, 0},     // into the day before
      {0.75, 12, 10, 11, 25},
      {0.125, 12, 10, 12, 2},   // 7.5 minutes round to the even 8
      {0.375, 12, 10, 11, 48},  // 22.5 minutes round to the even 22
      {0.0, 23, 59, 23, 59},
      {1e300, 12, 0, 12, 0},  // a damaged offset is read as a whole day
  };
  for (const auto& row : rows) {
    const PathAndSun r =
        ComputePathAndSun(kGeneva, kTokyo, row.offset, EncodeDateTime(2026, 6, 21, row.utc_hour, row.utc_minute));
    EXPECT_EQ(r.DxLocalHour, row.hour) << row.offset;
    EXPECT_EQ(r.DxLocalMinute, row.minute) << row.offset;
  }
}

TEST(SunSeries, DeclinationAndTimeCorrectionFollowTheSeasons) {
  EXPECT_EQ(DayOfYear(1, 1), 1);
  EXPECT_EQ(DayOfYear(3, 1), 60);
  EXPECT_EQ(DayOfYear(12, 31), 365);
  EXPECT_NEAR(SunDeclinationDegrees(DayOfYear(6, 21)), 23.44, 0.1);
  EXPECT_NEAR(SunDeclinationDegrees(DayOfYear(12, 21)), -23.44, 0.1);
  EXPECT_NEAR(SunDeclinationDegrees(DayOfYear(3, 20)), 0.0, 0.5);
  EXPECT_NEAR(SunDeclinationDegrees(DayOfYear(9, 23)), 0.0, 0.5);
  // The sun runs about 14 minutes late in mid-February and 16 early in early November.
  EXPECT_NEAR(TimeCorrectionMinutes(DayOfYear(2, 11)), 14.2, 0.6);
  EXPECT_NEAR(TimeCorrectionMinutes(DayOfYear(11, 3)), -16.4, 0.6);
}

// Reference: the moment the sun's centre crosses the horizon (no refraction),
// from the NOAA solar-position equations; the published sunrise of the day
// (refraction included) comes some minutes earlier, e.g. London on 21
// December 08:04 and 15:53 UTC.
TEST(ComputePathAndSun, SunTimesMatchAnIndependentSolarPosition) {
  const struct {
    const char* name;
    GeoPosition place;
    int month, day;
    double sunrise, sunset;  // hours UTC
  } rows[] = {
      {"Geneva, June solstice", kGeneva, 6, 21, 3 + 49 / 60.0, 19 + 25 / 60.0},
      {"London, December solstice", kLondon, 12, 21, 8 + 10 / 60.0, 15 + 46 / 60.0},
      {"Equator, March equinox", {0.0, 0.0}, 3, 20, 6 + 8 / 60.0, 18 + 8 / 60.0},
      {"New York, sunset after midnight UTC", kNewYork, 6, 21, 9 + 30 / 60.0, 0 + 25 / 60.0},
      {"Sydney, sunrise the evening before in UTC", {-33.8688, 151.2093}, 12, 21, 18 + 45 / 60.0, 9 + 1 / 60.0},
      {"Tokyo, September", kTokyo, 9, 1, 20 + 17 / 60.0, 9 + 7 / 60.0},
      {"Reykjavik, February", {64.1, -21.9}, 2, 10, 9 + 52 / 60.0, 17 + 32 / 60.0},
  };
  constexpr double kThreeMinutes = 3.0 / 60.0;
  for (const auto& row : rows) {
    const PathAndSun r = ComputePathAndSun(kGeneva, row.place, 0.0, EncodeDateTime(2026, row.month, row.day, 12, 0));
    ASSERT_EQ(r.dx.state, SunState::kRisesAndSets) << row.name;
    EXPECT_NEAR(r.dx.sunrise, row.sunrise, kThreeMinutes) << row.name;
    EXPECT_NEAR(r.dx.sunset, row.sunset, kThreeMinutes) << row.name;
    EXPECT_GT(r.dx.sunrise, 0.0);
    EXPECT_LE(r.dx.sunset, 24.0);
  }
}

TEST(ComputePathAndSun, PolarDaysAndNightsHaveNoSunTimes) {
  const DayTime june = EncodeDateTime(2026, 6, 21, 12, 0);
  const PathAndSun north = ComputePathAndSun(kGeneva, {80.0, 15.0}, 0.0, june);
  EXPECT_EQ(north.dx.state, SunState::kNeverSets);
  EXPECT_EQ(north.dx.sunrise, kNoSunTime);
  EXPECT_EQ(north.dx.sunset, kNoSunTime);
  EXPECT_TRUE(north.dx.SunriseText.empty());
  EXPECT_TRUE(north.dx.SunsetText.empty());
  // The station's times are still worked out.
  EXPECT_EQ(north.station.state, SunState::kRisesAndSets);
  EXPECT_EQ(north.station.SunriseText, "03:50");
  EXPECT_EQ(north.station.SunsetText, "19:25 UTC");

  EXPECT_EQ(ComputePathAndSun(kGeneva, {-80.0, 15.0}, 0.0, june).dx.state, SunState::kNeverRises);
  EXPECT_EQ(ComputePathAndSun({-80.0, 0.0}, kGeneva, 0.0, june).station.state, SunState::kNeverRises);
}

TEST(SunTimesAt, TextsCarryRoundedMinutesIntoTheHour) {
  // With the sun on the equator, B is 90 degrees: sunrise 6 h plus the
  // corrections; a correction of 59.514 minutes brings it to 6.9999 h.
  const SunTimes sun = SunTimesAt({0.0, 0.0}, 0.0, 59.514, '.');
  EXPECT_NEAR(sun.sunrise, 6.9999, 1e-4);
  EXPECT_EQ(sun.SunriseText, "07.00");
  EXPECT_NEAR(sun.sunset, 18.9999, 1e-4);  // -5.0001 h plus a day
  EXPECT_EQ(sun.SunsetText, "19.00 UTC");
}

}  // namespace
}  // namespace brilox
