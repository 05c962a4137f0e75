// The one-second clock: status texts in local time or UTC, renewed once per
// UTC second, the day name, and the night-silence rule around midnight.
#include "links/clock_tick.h"

#include <gtest/gtest.h>

namespace brilox {
namespace {

TEST(ClockTick, ShowsLocalTimeOrUtcOncePerSecond) {
  Settings settings;
  FakeClock clock(EncodeDateTime(2026, 1, 15, 23, 30, 5), 2.0 / 24.0);
  FixedDateTimeFormat format;
  ClockTick tick(settings, clock, format);

  ASSERT_TRUE(tick.Timer1Timer(96));
  EXPECT_EQ(tick.status().date, "Fri 2026-01-16") << "local time is already the next day";
  EXPECT_EQ(tick.status().time, "01:30:05");

  clock.AdvanceMs(400);
  EXPECT_FALSE(tick.Timer1Timer(96)) << "same second";
  clock.AdvanceMs(600);
  settings.DisplayLocalTime = false;
  ASSERT_TRUE(tick.Timer1Timer(96));
  EXPECT_EQ(tick.status().date, "Thu 2026-01-15");
  EXPECT_EQ(tick.status().time, "23:30:06");

  clock.AdvanceMs(1000);
  ASSERT_TRUE(tick.Timer1Timer(120));
  EXPECT_EQ(tick.status().date, "2026-01-15") << "no room for the day name on a fine screen";

  settings.Language = "JPN";
  clock.AdvanceMs(1000);
  ASSERT_TRUE(tick.Timer1Timer(96));
  EXPECT_EQ(tick.status().date, "2026-01-15 Thu");
}

struct SilenceCase {
  const char* name;
  int no_night_sound;
  int start_minute, stop_minute, now_minute;
  bool silent;
};

class NightSilenceTest : public ::testing::TestWithParam<SilenceCase> {};

TEST_P(NightSilenceTest, FollowsTheRule) {
  const SilenceCase& c = GetParam();
  Settings settings;
  settings.NoNightSound = c.no_night_sound;
  settings.StartSilence = c.start_minute / 1440.0;
  settings.StopSilence = c.stop_minute / 1440.0;
  FakeClock clock(EncodeDateTime(2026, 3, 1, c.now_minute / 60, c.now_minute % 60));
  FixedDateTimeFormat format;
  ClockTick tick(settings, clock, format);
  ASSERT_TRUE(tick.Timer1Timer(96));
  EXPECT_EQ(tick.night_silence(), c.silent);
}

INSTANTIATE_TEST_SUITE_P(
    Times, NightSilenceTest,
    ::testing::Values(SilenceCase{"OffWhenNotWanted", 0, 22 * 60, 6 * 60, 23 * 60, false},
                      SilenceCase{"OverMidnightLateEvening", 1, 22 * 60, 6 * 60, 23 * 60, true},
                      SilenceCase{"OverMidnightEarlyMorning", 1, 22 * 60, 6 * 60, 5 * 60 + 59, true},
                      SilenceCase{"OverMidnightAtTheStopMinute", 1, 22 * 60, 6 * 60, 6 * 60, false},
                      SilenceCase{"OverMidnightAtNoon", 1, 22 * 60, 6 * 60, 12 * 60, false},
                      SilenceCase{"SameDayInside", 1, 12 * 60, 14 * 60, 13 * 60, true},
                      SilenceCase{"SameDayAtTheStopMinute", 1, 12 * 60, 14 * 60, 14 * 60, true},
                      SilenceCase{"SameDayOutside", 1, 12 * 60, 14 * 60, 15 * 60, false}),
    [](const ::testing::TestParamInfo<SilenceCase>& info) { return std::string(info.param.name); });

TEST(ClockTick, NightSilenceIsRenewedAsTheClockCrossesTheStart) {
  Settings settings;
  settings.NoNightSound = 1;
  settings.StartSilence = 22 * 60 / 1440.0;
  settings.StopSilence = 6 * 60 / 1440.0;
  FakeClock clock(EncodeDateTime(2026, 3, 1, 21, 59, 59));
  FixedDateTimeFormat format;
  ClockTick tick(settings, clock, format);
  ASSERT_TRUE(tick.Timer1Timer(96));
  EXPECT_FALSE(tick.night_silence());
  clock.AdvanceMs(2000);
  ASSERT_TRUE(tick.Timer1Timer(96));
  EXPECT_TRUE(tick.night_silence());
}

}  // namespace
}  // namespace brilox
