// The alarms of spot processing: the LoTW level that wins over paper, the
// IOTA levels, the queue of ten, the repeat rule, the night silence and the
// talk alarm.
#include <gtest/gtest.h>

#include <thread>

#include "spots/night_silence.h"
#include "spots/pipeline_test_support.h"

namespace brilox::testing {
namespace {

constexpr double kMinute = 1.0 / 1440.0;

Settings WithLotwAlarms() {
  Settings settings = QuietTestSettings();
  settings.LOTW = 1 | 4;  // look calls up, LoTW alarms on
  return settings;
}

struct LotwCase {
  const char* name;
  char lotw_state;  // every LoTW cell
  char lotw_20m;    // the 20 m LoTW cell
  bool uncertain;
  std::int32_t tag;   // 102 to 104
  const char* label;  // the LoTW label the alarm takes
};

class LotwWinsOverPaper : public ::testing::TestWithParam<LotwCase> {};

TEST_P(LotwWinsOverPaper, TagsTheRowsAndAnnouncesWithTheLotwLabel) {
  const LotwCase& c = GetParam();
  DxccEntry germany = WithStates(Row("DL", "Germany"), kStateConfirmed, c.lotw_state);
  germany.lotw[static_cast<std::size_t>(DxccColumn::k20)] = c.lotw_20m;
  PipelineRig rig(WithLotwAlarms(), TableWith({germany}));
  rig.lotw.users["DL1ABC"] = c.uncertain;
  const std::string spot = FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW");
  rig.Line(spot);

  const std::string mark = c.uncertain ? " L?" : " L";
  const auto& line = rig.events.lines.back();
  EXPECT_EQ(line.tag, c.tag);
  EXPECT_EQ(line.spot.Level, c.tag) << "the level becomes the LoTW one";
  EXPECT_EQ(line.spot.AlarmLabel, c.label);
  EXPECT_EQ(line.spot.AlarmLabel, line.spot.LotwLabel);
  EXPECT_EQ(rig.Rows(WindowId::kDx), std::vector<std::string>{spot + mark});
  EXPECT_EQ(rig.Rows(WindowId::kLotw), std::vector<std::string>{spot + mark});
  EXPECT_EQ(rig.Rows(WindowId::kAlarm), std::vector<std::string>{spot + mark});
  for (WindowId window : {WindowId::kDx, WindowId::kLotw, WindowId::kAlarm, WindowId::kTerminal1}) {
    EXPECT_EQ(rig.LastTag(window), c.tag);
  }
  EXPECT_EQ(rig.Rows(WindowId::kTerminal1).back(), spot + mark) << "the terminal row gets the mark too";
  EXPECT_EQ(rig.Status().lotw, rig.Status().dx);
  const std::vector<AlarmRecord> queued = rig.Queue().Snapshot();
  ASSERT_EQ(queued.size(), 1u);
  EXPECT_EQ(queued[0].level, c.tag);
  EXPECT_EQ(queued[0].label, c.label);
  EXPECT_EQ(queued[0].dx_call, "DL1ABC      ");
  EXPECT_EQ(queued[0].entity_prefix, "DL");
  EXPECT_EQ(queued[0].frequency, line.spot.FreqText);
  EXPECT_EQ(rig.lotw.asked, std::vector<std::string>{"DL1ABC"});
}

INSTANTIATE_TEST_SUITE_P(
    Levels, LotwWinsOverPaper,
    ::testing::Values(LotwCase{"NewEntity", kStateNotWorked, kStateNotWorked, false, 104, ""},
                      LotwCase{"NewBand", kStateConfirmed, kStateNotWorked, false, 103, "14"},
                      LotwCase{"NotConfirmed", kStateConfirmed, kStateWorked, true, 102, "14"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpotAlarms, PaperKeepsItsLevelWhenLotwNeedsNoMore) {
  PipelineRig rig(WithLotwAlarms(),
                  TableWith({WithStates(Row("DL", "Germany"), kStateNotWorked, kStateNotWorked)}));
  rig.lotw.users["DL1ABC"] = false;
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"));
  EXPECT_EQ(rig.events.lines.back().tag, 4);
  EXPECT_EQ(rig.Queue().Snapshot().at(0).level, 4);
}

TEST(SpotAlarms, BeaconsAreNotLookedUpInTheLotwList) {
  PipelineRig rig(WithLotwAlarms(), TableWith({Row("F", "France"), Row("DL", "Germany")}));
  rig.Line(FullSpotLine("W3LPL", "14100.0", "DL0ABC/B", "CW"));
  rig.Line(FullSpotLine("W3LPL", "14101.0", "DL0ABC/BCN", "CW"));
  rig.Line(FullSpotLine("W3LPL", "14102.0", "FR5ABC/B", "CW"));
  EXPECT_EQ(rig.lotw.asked, std::vector<std::string>{"FR5ABC/B"});
}

TEST(SpotAlarms, AnIotaReferenceRaisesALevelBelowNewEntity) {
  DxccEntry germany = WithStates(Row("DL", "Germany"), kStateConfirmed, kStateConfirmed);
  PipelineRig rig(QuietTestSettings(), TableWith({germany, Row("F", "France")}));
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW IOTA EU-005"));
  EXPECT_EQ(rig.events.lines.back().tag, 11);
  EXPECT_EQ(rig.events.lines.back().spot.SpotIotaText, "EU5");
  EXPECT_EQ(rig.Status().alarm, rig.Status().Terminal(1)) << "the IOTA alarm is the alarm window's spot";
  EXPECT_EQ(rig.Queue().Snapshot().at(0).iota_reference, "EU5");

  // A new entity stays a new entity.
  rig.Line(FullSpotLine("W3LPL", "14025.0", "F5ABC", "CW IOTA EU-005"));
  EXPECT_EQ(rig.events.lines.back().tag, 4);
  EXPECT_TRUE(rig.events.lines.back().spot.SpotIotaText.empty());
}

TEST(SpotAlarms, TheEleventhQueuedAlarmEmptiesTheQueueAndIsTheOnlyOneLeft) {
  PipelineRig rig(QuietTestSettings(), TableWith({Row("DL", "Germany")}));
  for (int n = 1; n <= 10; ++n)
    rig.Line(FullSpotLine("W3LPL", "14025.0", "DL" + std::to_string(n) + "ABC", "CW"));
  EXPECT_EQ(rig.Queue().size(), 10u);
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL11ABC", "CW"));
  const std::vector<AlarmRecord> queued = rig.Queue().Snapshot();
  ASSERT_EQ(queued.size(), 1u);
  EXPECT_EQ(queued[0].dx_call, "DL11ABC     ");
  EXPECT_EQ(rig.Queue().Take()->dx_call, "DL11ABC     ");
  EXPECT_FALSE(rig.Queue().Take().has_value());
}

struct RepeatCase {
  const char* name;
  int minutes_later;
  bool announced;
};

class RepeatRule : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(RepeatRule, TheSameAlarmSoundsAgainOnlyAfterTheDelta) {
  Settings settings = QuietTestSettings();
  settings.DeltaTimeRptAlarms = 10;
  PipelineRig rig(settings, TableWith({Row("DL", "Germany")}));
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"));
  ASSERT_EQ(rig.Queue().size(), 1u);
  (void)rig.Queue().Take();
  // A repeat in between is silent and does not restart the delay.
  rig.clock.SetUtc(TestNow() + 5 * kMinute);
  rig.Line(FullSpotLine("K1TTT", "14025.0", "DL1ABC", "CW"));
  EXPECT_EQ(rig.Queue().size(), 0u);

  rig.clock.SetUtc(TestNow() + GetParam().minutes_later * kMinute);
  rig.Line(FullSpotLine("W1AW", "14025.5", "DL1ABC", "CW"));
  EXPECT_TRUE(rig.events.lines.back().shown_dx) << "a repeat is still shown";
  EXPECT_EQ(rig.Queue().size(), GetParam().announced ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Timing, RepeatRule,
                         ::testing::Values(RepeatCase{"NineMinutesIsARepeat", 9, false},
                                           RepeatCase{"TenMinutesSoundsAgain", 10, true},
                                           RepeatCase{"ElevenMinutesSoundsAgain", 11, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SpotAlarms, AnotherBandIsAnotherAlarm) {
  Settings settings = QuietTestSettings();
  settings.DeltaTimeRptAlarms = 10;
  DxccEntry germany = WithStates(Row("DL", "Germany"), kStateConfirmed, kStateConfirmed);
  germany.paper[static_cast<std::size_t>(DxccColumn::k20)] = kStateNotWorked;
  germany.paper[static_cast<std::size_t>(DxccColumn::k40)] = kStateNotWorked;
  PipelineRig rig(settings, TableWith({germany}));
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"));
  rig.Line(FullSpotLine("W3LPL", "7025.0", "DL1ABC", "CW"));
  const std::vector<AlarmRecord> queued = rig.Queue().Snapshot();
  ASSERT_EQ(queued.size(), 2u);
  EXPECT_EQ(queued[0].label, "14");
  EXPECT_EQ(queued[1].label, "7");
}

TEST(SpotAlarms, NothingIsQueuedDuringTheNightSilenceOrWithSoundOff) {
  Settings settings = QuietTestSettings();
  settings.NoNightSound = 1;
  settings.StartSilence = 18.0 / 24;
  settings.StopSilence = 19.0 / 24;
  PipelineRig rig(settings, TableWith({Row("DL", "Germany")}));
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"));
  rig.Line("K1ABC de W1AW: are you there?");
  EXPECT_EQ(rig.Queue().size(), 0u);
  EXPECT_EQ(rig.Rows(WindowId::kAlarm).size(), 2u) << "the alarm window still shows them";

  settings.NoNightSound = 0;
  settings.Sound = 0;
  rig.pipeline->ApplySettings(settings);
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL2ABC", "CW"));
  EXPECT_EQ(rig.Queue().size(), 0u);
}

TEST(SpotAlarms, ATalkLineIsAnnouncedWithItsOwnCode) {
  PipelineRig rig;
  rig.Line("K1ABC de W1AW: are you there?");
  const std::vector<AlarmRecord> queued = rig.Queue().Snapshot();
  ASSERT_EQ(queued.size(), 1u);
  EXPECT_EQ(queued[0], AlarmRecordForTalk());
  EXPECT_EQ(rig.LastTag(WindowId::kAlarm), kTagTalk);
  EXPECT_EQ(rig.LastTag(WindowId::kTerminal1), kTagTalk);
}

struct SilenceCase {
  const char* name;
  int start_minute, stop_minute, now_minute;
  bool silent;
};

class NightSilence : public ::testing::TestWithParam<SilenceCase> {};

TEST_P(NightSilence, CoversItsSpanAlsoOverMidnight) {
  const SilenceCase& c = GetParam();
  Settings settings;
  settings.NoNightSound = 1;
  settings.StartSilence = c.start_minute * kMinute;
  settings.StopSilence = c.stop_minute * kMinute;
  EXPECT_EQ(IsNightSilence(settings, 46000.0 + c.now_minute * kMinute), c.silent);
  settings.NoNightSound = 0;
  EXPECT_FALSE(IsNightSilence(settings, 46000.0 + c.now_minute * kMinute));
}

INSTANTIATE_TEST_SUITE_P(
    Spans, NightSilence,
    ::testing::Values(SilenceCase{"InsideADaySpan", 60, 120, 90, true},
                      SilenceCase{"AtItsStart", 60, 120, 60, true},
                      SilenceCase{"AtItsStop", 60, 120, 120, true},
                      SilenceCase{"AfterADaySpan", 60, 120, 121, false},
                      SilenceCase{"LateInAnOvernightSpan", 22 * 60, 6 * 60, 23 * 60, true},
                      SilenceCase{"EarlyInAnOvernightSpan", 22 * 60, 6 * 60, 5 * 60, true},
                      SilenceCase{"NoonOutsideAnOvernightSpan", 22 * 60, 6 * 60, 12 * 60, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnnouncementQueue, TheWindowThreadAndTheAnnouncerShareItSafely) {
  AnnouncementQueue queue;
  constexpr int kAlarms = 20000;
  std::vector<int> taken;
  std::thread announcer([&] {
    for (int idle = 0; idle < 1000000;) {
      if (std::optional<AlarmRecord> record = queue.Take()) {
        taken.push_back(record->level);
        if (record->level == kAlarms) return;
        idle = 0;
      } else {
        ++idle;
        std::this_thread::yield();
      }
    }
  });
  for (int level = 1; level <= kAlarms; ++level) {
    AlarmRecord record;
    record.level = level;
    queue.Add(record);
    EXPECT_LE(queue.size(), kAnnouncementQueueCapacity);
  }
  announcer.join();
  // Whatever was dropped by a full queue, what was taken came in order and once.
  ASSERT_FALSE(taken.empty());
  for (std::size_t i = 1; i < taken.size(); ++i) ASSERT_LT(taken[i - 1], taken[i]);
  EXPECT_EQ(taken.back(), kAlarms);
}

}  // namespace
}  // namespace brilox::testing
