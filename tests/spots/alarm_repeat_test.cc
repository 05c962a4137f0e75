// The same alarm sounds once per DeltaTimeRptAlarms minutes.
#include "spots/alarm_repeat.h"

#include <gtest/gtest.h>

#include <string>

namespace brilox {
namespace {

const DayTime kStart = EncodeDateTime(2026, 12, 10, 18, 30);

DayTime MinutesLater(double minutes) { return kStart + minutes / 1440.0; }

TEST(RepeatedAlarms, TimingOfTheSameAlarm) {
  const struct {
    const char* name;
    double minutes_later;
    bool sounds;
  } rows[] = {
      {"5 minutes later: silent", 5.0, false},
      {"just under 10 minutes: silent", 9.99, false},
      {"exactly 10 minutes: sounds", 10.0, true},
      {"11 minutes later: sounds", 11.0, true},
      {"clock set back 20 minutes: sounds", -20.0, true},
  };
  for (const auto& row : rows) {
    PastAlarms past;
    ASSERT_TRUE(past.ShouldAnnounce(4, "VK0EK       ", "20", kStart, 10));
    EXPECT_EQ(past.ShouldAnnounce(4, "VK0EK       ", "20", MinutesLater(row.minutes_later), 10), row.sounds)
        << row.name;
  }
}

TEST(RepeatedAlarms, ARepeatIsNeitherAnnouncedNorRecorded) {
  PastAlarms past;
  ASSERT_TRUE(past.ShouldAnnounce(3, "VK0EK", "CW", kStart, 10));
  EXPECT_FALSE(past.ShouldAnnounce(3, "VK0EK", "CW", MinutesLater(8), 10));
  EXPECT_EQ(past.entries().size(), 1u);
  // The silent copy did not restart the window.
  EXPECT_TRUE(past.ShouldAnnounce(3, "VK0EK", "CW", MinutesLater(10.5), 10));
  EXPECT_EQ(past.entries().size(), 2u);
}

TEST(RepeatedAlarms, OnlyTheSameLevelCallAndLabelMatch) {
  const struct {
    const char* name;
    int level;
    const char* call;
    const char* label;
    bool sounds;
  } rows[] = {
      {"same alarm", 4, "VK0EK", "20", false},
      {"another band label", 4, "VK0EK", "40", true},
      {"another level", 3, "VK0EK", "20", true},
      {"another call", 4, "VK0EL", "20", true},
  };
  for (const auto& row : rows) {
    PastAlarms past;
    ASSERT_TRUE(past.ShouldAnnounce(4, "VK0EK", "20", kStart, 10));
    EXPECT_EQ(past.ShouldAnnounce(row.level, row.call, row.label, MinutesLater(1), 10), row.sounds) << row.name;
  }

  // A seeked call (level 5) and a talk line (99) sound every time.
  for (int level : {5, 99, 0}) {
    PastAlarms past;
    ASSERT_TRUE(past.ShouldAnnounce(level, "K1ABC", "", kStart, 10));
    EXPECT_TRUE(past.ShouldAnnounce(level, "K1ABC", "", MinutesLater(1), 10)) << level;
  }
  // LoTW levels and IOTA levels repeat like the paper levels.
  for (int level : {102, 104, 10, 11}) {
    PastAlarms past;
    ASSERT_TRUE(past.ShouldAnnounce(level, "K1ABC", "X", kStart, 10));
    EXPECT_FALSE(past.ShouldAnnounce(level, "K1ABC", "X", MinutesLater(1), 10)) << level;
  }
}

TEST(RepeatedAlarms, WithoutARepeatTimeEveryAlarmSoundsAndNothingIsKept) {
  PastAlarms past;
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(past.ShouldAnnounce(4, "VK0EK", "20", kStart, 0));
  EXPECT_TRUE(past.entries().empty());
}

TEST(RepeatedAlarms, LabelsComeFromTheAlarmLabelOrTheIotaReference) {
  SpotRecord spot;
  spot.AlarmLabel = "20";
  spot.SpotIotaText = "OC-001";
  const struct {
    int level;
    const char* label;
  } rows[] = {{1, "20"}, {4, "20"}, {102, "20"}, {104, "20"}, {10, "OC-001"}, {11, "OC-001"}, {5, ""}, {99, ""}};
  for (const auto& row : rows) {
    spot.Level = row.level;
    EXPECT_EQ(RepeatLabelOf(spot), row.label) << row.level;
  }
}

TEST(RepeatedAlarms, TheHundredAndFirstAlarmDropsTheTenOldest) {
  PastAlarms past;
  for (int i = 1; i <= 100; ++i) ASSERT_TRUE(past.ShouldAnnounce(4, "CALL" + std::to_string(i), "20", kStart, 10));
  ASSERT_EQ(past.entries().size(), 100u);
  ASSERT_TRUE(past.ShouldAnnounce(4, "CALL101", "20", kStart, 10));
  ASSERT_EQ(past.entries().size(), 91u);
  EXPECT_EQ(past.entries().front().dx_call, "CALL11");
  EXPECT_EQ(past.entries()[89].dx_call, "CALL100");
  EXPECT_EQ(past.entries().back().dx_call, "CALL101");
  // The dropped alarms sound again at once; the kept ones stay silent.
  EXPECT_TRUE(past.ShouldAnnounce(4, "CALL10", "20", MinutesLater(1), 10));
  EXPECT_FALSE(past.ShouldAnnounce(4, "CALL11", "20", MinutesLater(1), 10));
}

}  // namespace
}  // namespace brilox
