// The age limit on spots, for text lines (time of day only) and frames
// (date and time), on a fake clock.
#include "spots/spot_age.h"

#include <gtest/gtest.h>

#include <string>

namespace brilox {
namespace {

struct AgeCase {
  const char* name;
  int delta_minutes;
  std::string spot_time;
  int now_hour, now_minute, now_second;
  bool time_ok;
};

class TextSpotAge : public ::testing::TestWithParam<AgeCase> {};

TEST_P(TextSpotAge, Check) {
  const AgeCase& c = GetParam();
  Settings settings;
  settings.DeltaTime = c.delta_minutes;
  FakeClock clock(EncodeDateTime(2026, 3, 2, c.now_hour, c.now_minute, c.now_second));
  SpotRecord spot;
  spot.SpotTime = c.spot_time;
  spot.TimeOK = !c.time_ok;
  CheckSpotAge(settings, clock, spot);
  EXPECT_EQ(spot.TimeOK, c.time_ok);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextSpotAge,
    ::testing::Values(AgeCase{"NoLimitTakesAnything", 0, "junk", 3, 0, 0, true},
                      AgeCase{"FiveMinutesOld", 10, "1200Z", 12, 5, 0, true},
                      AgeCase{"JustAtTheLimit", 10, "1200Z", 12, 10, 0, true},
                      AgeCase{"OneSecondPastTheLimit", 10, "1200Z", 12, 10, 1, false},
                      AgeCase{"AheadWithinTheLimit", 10, "1215Z", 12, 5, 0, true},
                      AgeCase{"AheadPastTheLimit", 10, "1216Z", 12, 5, 0, false},
                      // Across midnight: stamped before, received after, and the other way.
                      AgeCase{"StampedBeforeMidnight", 10, "2359Z", 0, 3, 0, true},
                      AgeCase{"StampedAfterMidnight", 10, "0001Z", 23, 58, 0, true},
                      AgeCase{"HalfADayOld", 10, "0000Z", 12, 0, 0, false},
                      AgeCase{"NotANumber", 10, "12a4Z", 12, 0, 0, false},
                      AgeCase{"NoSuchHour", 10, "2500Z", 1, 0, 0, false},
                      AgeCase{"NoSuchMinute", 10, "1260Z", 13, 0, 0, false},
                      AgeCase{"Empty", 10, "", 12, 0, 0, false},
                      AgeCase{"CutShort", 10, "12", 12, 0, 0, false}),
    [](const ::testing::TestParamInfo<AgeCase>& info) { return std::string(info.param.name); });

struct FrameAgeCase {
  const char* name;
  std::string date;
  std::string spot_time;
  bool time_ok;
};

class FrameSpotAge : public ::testing::TestWithParam<FrameAgeCase> {};

TEST_P(FrameSpotAge, Check) {
  Settings settings;
  settings.DeltaTime = 10;
  FakeClock clock(EncodeDateTime(2026, 3, 1, 0, 3));
  SpotRecord spot;
  spot.SpotTime = GetParam().spot_time;
  CheckFrameSpotAge(GetParam().date, settings, clock, spot);
  EXPECT_EQ(spot.TimeOK, GetParam().time_ok);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FrameSpotAge,
    ::testing::Values(FrameAgeCase{"SameDay", "01-Mar-2026", "0000Z", true},
                      FrameAgeCase{"BlankPaddedDay", " 1-Mar-2026", "0001Z", true},
                      FrameAgeCase{"DayBeforeAcrossMidnight", "28-Feb-2026", "2358Z", true},
                      FrameAgeCase{"DayBeforeTooOld", "28-Feb-2026", "2350Z", false},
                      FrameAgeCase{"YearBefore", "01-Mar-2025", "0000Z", false},
                      FrameAgeCase{"MonthInLowerCase", "01-mar-2026", "0000Z", false},
                      FrameAgeCase{"UnknownMonth", "01-Xyz-2026", "0000Z", false},
                      FrameAgeCase{"NoYear", "01-Mar-", "0000Z", false},
                      FrameAgeCase{"NoDashes", "01Mar2026", "0000Z", false},
                      FrameAgeCase{"Empty", "", "0000Z", false},
                      FrameAgeCase{"BadTime", "01-Mar-2026", "00:0Z", false},
                      FrameAgeCase{"DayZero", "00-Mar-2026", "0000Z", false}),
    [](const ::testing::TestParamInfo<FrameAgeCase>& info) { return std::string(info.param.name); });

TEST(FrameSpotAge, NoLimitTakesAnything) {
  Settings settings;
  FakeClock clock;
  SpotRecord spot;
  CheckFrameSpotAge("garbage", settings, clock, spot);
  EXPECT_TRUE(spot.TimeOK);
}

TEST(MonthNames, BothWays) {
  for (int month = 1; month <= 12; ++month) EXPECT_EQ(MonthFromName(MonthName(month)), month);
  EXPECT_EQ(MonthName(0), "");
  EXPECT_EQ(MonthName(13), "");
  EXPECT_EQ(MonthFromName("Sept"), 0);
}

}  // namespace
}  // namespace brilox
