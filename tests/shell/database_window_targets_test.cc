// Where F8 and F9 open the DXCC and IOTA windows: the row of the spot's
// prefix (row 1 when the table lacks it), 9 rows of context kept inside the
// table, the column of the band; and which view's last spot they follow.
#include "shell/database_window_targets.h"

#include <gtest/gtest.h>

#include "shell/main_window_fixture.h"

namespace brilox {
namespace {

DxccTable TableOf(int rows) {
  std::vector<DxccEntry> entries;
  for (int i = 0; i < rows; ++i) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "P%03d", i + 1);
    entries.push_back(TemplateDxccEntry(prefix, "entity"));
  }
  DxccTable table;
  EXPECT_TRUE(table.Assign(std::move(entries)).ok());
  return table;
}

struct TargetCase {
  const char* name;
  int rows;
  std::string prefix;
  int band_mhz;
  GridTarget target;
};

class DxccTargetTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(DxccTargetTest, SelectsTheRowWithContextAndTheBandColumn) {
  const TargetCase& c = GetParam();
  const DxccTable table = TableOf(c.rows);
  EXPECT_EQ(DxccWindowTarget(table, c.prefix, c.band_mhz), c.target);
}

INSTANTIATE_TEST_SUITE_P(
    Spots, DxccTargetTest,
    ::testing::Values(TargetCase{"MiddleOfTheTable", 340, "P100", 14, {100, 91, 10}},
                      TargetCase{"NearTheTopKeepsRowOne", 340, "P004", 7, {4, 1, 8}},
                      TargetCase{"NearTheEndKeepsAFullPage", 340, "P335", 28, {335, 321, 14}},
                      TargetCase{"MissingPrefixOpensRowOne", 340, "ZZ9", 21, {1, 1, 12}},
                      TargetCase{"MissingPrefixOtherBandColumnTwo", 340, "ZZ9", 70, {1, 1, 2}},
                      TargetCase{"SixMetresAnyMegahertz", 340, "P010", 52, {10, 1, 15}},
                      TargetCase{"TwoMetresLowerAndUpper", 340, "P010", 145, {10, 1, 17}},
                      TargetCase{"SmallTable", 12, "P012", 144, {12, 1, 16}}),
    [](const ::testing::TestParamInfo<TargetCase>& info) { return std::string(info.param.name); });

TEST(IotaTarget, KeepsTheRowAndTopInsideTheList) {
  EXPECT_EQ(IotaWindowTarget(500), (GridTarget{500, 491, 1}));
  EXPECT_EQ(IotaWindowTarget(0), (GridTarget{1, 1, 1}));
  EXPECT_EQ(IotaWindowTarget(1400), (GridTarget{1400, 1383, 1}));
  EXPECT_EQ(IotaWindowTarget(5000), (GridTarget{1400, 1383, 1}));
}

TEST(LastSpotMenu, FollowsTheViewOnShow) {
  // The seams are set before the controller is built, so the test builds
  // its own parts.
  Settings settings;
  WindowLineStores windows(settings);
  testing::RecordingTerminalSender sender;
  MemoryFileSystem memory;
  ScriptedFileDialogs dialogs;
  RecordingMessageBox messages;
  FakeClock clock;
  FixedDateTimeFormat format;
  BuiltInTexts texts;
  ViewStatusTexts view_status;
  testing::RecordingMainWindowView view;
  std::vector<std::string> calls;
  MainWindowSeams seams;
  seams.open_dxcc_window = [&](const std::string& prefix, int band) {
    calls.push_back("dxcc " + prefix + " " + std::to_string(band));
  };
  seams.open_iota_window = [&](int index) { calls.push_back("iota " + std::to_string(index)); };
  seams.open_country_window = [&](const std::string& prefix) { calls.push_back("country " + prefix); };
  MainWindowParts parts(
      {settings, windows, sender, memory, dialogs, messages, clock, format, texts, view_status, seams}, view);
  MainWindowController& controller = parts.controller;

  view_status.dx.prefix = "K";
  view_status.dx.band_key = 14;
  view_status.alarm.prefix = "VP8";
  view_status.alarm.band_key = 7;
  view_status.Terminal(2).prefix = "JA";
  view_status.Terminal(2).band_key = 21;
  controller.SetLastIotaIndex(WindowId::kDx, 120);
  controller.SetLastIotaIndex(WindowId::kAlarm, 950);
  controller.ShowView('D');
  controller.DxccMenuClick();
  controller.IotaMenuClick();
  controller.ShowView('A');
  controller.IotaMenuClick();
  controller.CountryMenuClick();
  controller.ShowTerminal(2);
  controller.DxccMenuClick();
  controller.IotaMenuClick();
  EXPECT_EQ(calls, (std::vector<std::string>{"dxcc K 14", "iota 120", "iota 950", "country VP8", "dxcc JA 21",
                                             "iota 120"}));
}

}  // namespace
}  // namespace brilox
