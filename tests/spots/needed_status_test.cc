// The needed levels of CheckDXCC as a table of cases across the settings
// that change them, and the call patterns of the seek and no-alarm lists.
#include "spots/needed_status.h"

#include <gtest/gtest.h>

#include <functional>

namespace brilox {
namespace {

//                              CW SSB DI 160 80 60 40 30 20 17 15 12 10 6 2 SAT
constexpr char kGermanyPaper[] = "CW--W-C-C-------";
constexpr char kGermanyLotw[] = "W-C-C---W-------";

DxccEntry Row(std::string_view prefix, std::string_view paper, std::string_view lotw) {
  DxccEntry entry = TemplateDxccEntry(prefix, "entity");
  std::copy(paper.begin(), paper.end(), entry.paper.begin());
  std::copy(lotw.begin(), lotw.end(), entry.lotw.begin());
  return entry;
}

DxccTable TestTable() {
  DxccTable table;
  std::string old_file_states(16, '-');
  old_file_states[15] = ' ';  // a blank SAT state from an older file
  EXPECT_TRUE(table
                  .Assign({Row("3A", std::string(16, '-'), std::string(16, '-')),
                           Row("DL", kGermanyPaper, kGermanyLotw), Row("K", std::string(16, 'C'), std::string(16, 'C')),
                           Row("KG4", std::string(16, '-'), std::string(16, '-')),
                           Row("OLD", old_file_states, std::string(16, '-'))})
                  .ok());
  return table;
}

struct NeededCase {
  const char* name;
  std::function<void(Settings&)> configure;
  std::string call;
  std::string prefix;
  char mode;
  int band_key;
  bool lotw_user;
  int level;
  int lotw_level;
  std::string alarm_label;
  std::string lotw_label;
};

void NoChange(Settings&) {}
void LotwAlarmsOn(Settings& s) { s.LOTW = 1 | 4; }

TEST(CheckDXCC, LevelsAcrossTheSettingsThatChangeThem) {
  const NeededCase cases[] = {
      // Paper credits with the default settings.
      {"new_entity", NoChange, "3A2XX", "3A", 'C', 14, false, 4, 1, "", ""},
      {"mode_and_band_confirmed_names_the_band", NoChange, "DL1ABC", "DL", 'C', 14, false, 1, 1, "14", ""},
      {"mode_worked_not_confirmed", NoChange, "DL1ABC", "DL", 'S', 14, false, 2, 1, "SSB", ""},
      {"band_worked_not_confirmed", NoChange, "DL1ABC", "DL", 'C', 3, false, 2, 1, "3R5", ""},
      {"new_band", NoChange, "DL1ABC", "DL", 'C', 1, false, 3, 1, "1R8", ""},
      {"satellite_column", NoChange, "DL1ABC", "DL", 'N', 145, false, 3, 1, "SAT", ""},
      {"4m_has_no_column_only_a_label", NoChange, "DL1ABC", "DL", 'C', 70, false, 1, 1, "70", "70"},
      {"136khz_label", NoChange, "DL1ABC", "DL", 'N', 0, false, 1, 1, "LW", "LW"},
      {"microwave_label", NoChange, "DL1ABC", "DL", 'N', 10368, false, 1, 1, "10G", "10G"},
      {"blank_state_reads_not_worked", NoChange, "XX1AA", "OLD", 'C', 14, false, 4, 1, "", ""},
      {"shortest_prefix_row_wins", NoChange, "K1ABC", "K", 'C', 14, false, 1, 1, "14", ""},
      {"longer_prefix_finds_its_row", NoChange, "KG4AB", "KG4", 'C', 14, false, 4, 1, "", ""},
      // Mode alarms.
      {"data_alarms_off_by_default", NoChange, "DL1ABC", "DL", 'R', 14, false, 1, 1, "14", ""},
      {"data_alarms_on", [](Settings& s) { s.NoBeepModes.digital = true; }, "DL1ABC", "DL", 'R', 14, false, 3, 1,
       "RTTY", ""},
      {"cw_alarms_off_needed_entity_ends_at_1", [](Settings& s) { s.NoBeepModes.cw = false; }, "3A2XX", "3A", 'C', 14,
       false, 1, 1, "14", ""},
      {"mode_dependency_off", [](Settings& s) { s.Beep = 1; }, "DL1ABC", "DL", 'S', 14, false, 1, 1, "14", ""},
      // Band alarms.
      {"band_dependency_off", [](Settings& s) { s.Beep = 2; }, "DL1ABC", "DL", 'C', 1, false, 1, 1, "", ""},
      {"band_alarm_off", [](Settings& s) { s.NoBeepBandsHF.b1_8 = false; }, "DL1ABC", "DL", 'C', 1, false, 0, 0, "",
       ""},
      {"4m_alarm_off", [](Settings& s) { s.NoBeepBandsVHF.b70 = false; }, "DL1ABC", "DL", 'C', 70, false, 0, 0, "",
       ""},
      {"band_alarm_off_new_entity", [](Settings& s) { s.NoBeepBandsVHF.b50 = false; }, "3A2XX", "3A", 'C', 50, false,
       0, 0, "", ""},
      {"band_alarm_off_lotw_user_new_on_both",
       [](Settings& s) {
         LotwAlarmsOn(s);
         s.NoBeepBandsVHF.b50 = false;
       },
       "3A2XX", "3A", 'C', 50, true, 0, 0, "", ""},
      // LoTW credits.
      {"lotw_paper_first", LotwAlarmsOn, "DL1ABC", "DL", 'C', 14, true, 1, 2, "14", "CW"},
      {"lotw_alarms_off", NoChange, "DL1ABC", "DL", 'C', 14, true, 1, 1, "14", "CW"},
      {"lotw_not_a_user", LotwAlarmsOn, "DL1ABC", "DL", 'C', 14, false, 1, 1, "14", ""},
      {"lotw_new_entity_for_a_user", LotwAlarmsOn, "3A2XX", "3A", 'C', 14, true, 4, 4, "", ""},
      {"same_priority_worked_on_either",
       [](Settings& s) {
         LotwAlarmsOn(s);
         s.LOTWAlarmMode = kLotwAlarmSamePriority;
       },
       "DL1ABC", "DL", 'S', 14, true, 2, 2, "SSB", ""},
      {"same_priority_new_band",
       [](Settings& s) {
         LotwAlarmsOn(s);
         s.LOTWAlarmMode = kLotwAlarmSamePriority;
       },
       "DL1ABC", "DL", 'C', 1, true, 3, 3, "1R8", ""},
      {"same_priority_confirmed_on_paper_counts",
       [](Settings& s) {
         LotwAlarmsOn(s);
         s.LOTWAlarmMode = kLotwAlarmSamePriority;
       },
       "DL1ABC", "DL", 'C', 7, true, 1, 1, "7", ""},
      {"lotw_only_paper_need_of_a_non_user",
       [](Settings& s) {
         LotwAlarmsOn(s);
         s.LOTWAlarmMode = kLotwAlarmLotwOnly;
       },
       "3A2XX", "3A", 'C', 14, false, 1, 1, "", ""},
      {"lotw_only_keeps_the_lotw_level",
       [](Settings& s) {
         LotwAlarmsOn(s);
         s.LOTWAlarmMode = kLotwAlarmLotwOnly;
       },
       "DL1ABC", "DL", 'C', 1, true, 1, 3, "1R8", "1R8"},
      // The lists.
      {"seeked_call_even_when_confirmed", [](Settings& s) { s.SeekCall = {{"K1ABC       "}}; }, "K1ABC", "K", 'C',
       14, false, 5, 1, "prev", "prevL"},
      {"seeked_and_no_alarm", [](Settings& s) {
         s.SeekCall = {{"*/P"}};
         s.CallNoAlarms = {{"DL*"}};
       },
       "DL1ABC/P", "DL", 'C', 1, false, 5, 1, "prev", "prevL"},
      {"no_alarm_list", [](Settings& s) { s.CallNoAlarms = {{"*ABC*"}}; }, "DL1ABC", "DL", 'C', 1, false, 1, 1, "prev",
       "prevL"},
      {"unknown_entity", NoChange, "XX0XX", "9999", 'C', 14, false, 0, 0, "prev", "prevL"},
      {"empty_prefix", NoChange, "XX0XX", "", 'C', 14, false, 0, 0, "prev", "prevL"},
      {"entity_without_a_row", NoChange, "ZS1AA", "ZS", 'C', 14, false, 1, 1, "prev", "prevL"},
  };
  const DxccTable table = TestTable();
  for (const NeededCase& c : cases) {
    Settings settings;
    c.configure(settings);
    NeededStatusInput spot;
    spot.dx_call = c.call;
    spot.dx_call.resize(12, ' ');
    spot.entity_prefix = c.prefix;
    spot.mode = c.mode;
    spot.band_key = c.band_key;
    spot.lotw_user = c.lotw_user;
    spot.alarm_label = "prev";
    spot.lotw_label = "prevL";
    const NeededStatus status = CheckDXCC(spot, settings, table);
    EXPECT_EQ(status.level, c.level) << c.name;
    EXPECT_EQ(status.lotw_level, c.lotw_level) << c.name;
    EXPECT_EQ(status.alarm_label, c.alarm_label) << c.name;
    EXPECT_EQ(status.lotw_label, c.lotw_label) << c.name;
  }
}

TEST(CheckDXCC, FillsTheSpotRecord) {
  SpotRecord spot;
  spot.DXCall = "DL1ABC      ";
  spot.EntityPrefix = "DL";
  spot.Mode = 'S';
  spot.BandKey = 14;
  spot.AlarmLabel = "old";
  CheckDXCC(spot, Settings(), TestTable());
  EXPECT_EQ(spot.Level, kLevelNotConfirmed);
  EXPECT_EQ(spot.LotwLevel, kLevelNothingNeeded);
  EXPECT_EQ(spot.AlarmLabel, "SSB");
  EXPECT_EQ(spot.LotwLabel, "");
}

TEST(MatchCallPattern, ExactSuffixContainsAndPrefixPatterns) {
  struct Case {
    const char* pattern;
    const char* call;
    bool matches;
  } cases[] = {
      {"DL1ABC", "DL1ABC", true},        {"DL1ABC      ", "DL1ABC", true}, {"DL1ABC", "DL1ABD", false},
      {"DL1ABC", "DL1ABC/P", false},     {"*/P", "DL1ABC/P", true},        {"*/P", "DL1ABC", false},
      {"*/P", "F/P", true},              {"*ABC*", "DL1ABC/P", true},      {"*XYZ*", "DL1ABC/P", false},
      {"DL*", "DL1ABC", true},           {"DL*", "F5ABC", false},          {"D*L", "DX1ABC", true},
      {"*", "ANYCALL", true},            {"*MM", "G4ABC/MM", true},        {"VP2E*", "VP2EAA", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchCallPattern(c.pattern, c.call), c.matches) << c.pattern << " / " << c.call;
  }
}

TEST(BandLabel, LabelsOfTheAlarmBands) {
  EXPECT_EQ(BandLabel(1), "1R8");
  EXPECT_EQ(BandLabel(29), "28");
  EXPECT_EQ(BandLabel(435), "432");
  EXPECT_EQ(BandLabel(3456), "3G4");
  EXPECT_EQ(BandLabel(76032), "76G");
  EXPECT_EQ(BandLabel(146), "");
}

}  // namespace
}  // namespace brilox
