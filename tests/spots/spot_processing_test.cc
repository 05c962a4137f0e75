// Spot processing on whole lines through the real intake: duplicates across
// terminals and on one terminal, the tags of the rows, the status texts and
// the per-line bookkeeping.
#include <gtest/gtest.h>

#include <cmath>

#include "awards/path_and_sun.h"
#include "spots/pipeline_test_support.h"
#include "spots/spot_info_line.h"

namespace brilox::testing {
namespace {

DxccTable GermanyAndFranceNeeded() { return TableWith({Row("DL", "Germany"), Row("F", "France")}); }

TEST(SpotProcessing, TheSameSpotFromTwoTerminalsIsShownLoggedAndAnnouncedOnce) {
  PipelineRig rig(QuietTestSettings(), GermanyAndFranceNeeded());
  const std::string spot = FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW");
  rig.Line(spot, 2);
  // A line shown in between: the second copy must leave its colour alone.
  rig.Line(FullSpotLine("W3LPL", "14030.0", "QQ1XYZ", "CW"), 3);
  rig.Line(spot, 1);

  EXPECT_EQ(rig.Rows(WindowId::kDx),
            (std::vector<std::string>{spot, FullSpotLine("W3LPL", "14030.0", "QQ1XYZ", "CW")}));
  EXPECT_EQ(rig.LastTag(WindowId::kDx), 0) << "the DX window's last row is the unknown call's";
  EXPECT_EQ(rig.Rows(WindowId::kAlarm), std::vector<std::string>{spot});
  EXPECT_EQ(rig.LogRecords(LogCategory::kDx).size(), 2u);
  EXPECT_EQ(rig.Queue().size(), 2u) << "one alarm for the spot, one (level 0) for the unknown call";

  ASSERT_EQ(rig.events.lines.size(), 3u);
  const auto& copy = rig.events.lines[2];
  EXPECT_EQ(copy.terminal, 1);
  EXPECT_TRUE(copy.flags.NewOnTerminal);
  EXPECT_FALSE(copy.flags.NewForDisplay);
  EXPECT_FALSE(copy.shown_dx || copy.shown_alarm || copy.logged || copy.announced);
  // Terminal 1 still learns the spot: its row is coloured, its status and ring are set.
  EXPECT_EQ(rig.LastTag(WindowId::kTerminal1), 4);
  EXPECT_EQ(rig.LastTag(WindowId::kTerminal2), 4);
  EXPECT_FALSE(rig.Status().Terminal(1).text.empty());
  EXPECT_EQ(rig.Status().Terminal(1), rig.Status().Terminal(2));
  EXPECT_EQ(rig.Processing().terminal_spot(1).prefix, "DL");
  rig.Line(spot, 1);
  EXPECT_FALSE(rig.events.lines.back().flags.NewOnTerminal);
}

TEST(SpotProcessing, ADuplicateOnItsOwnTerminalOnlyRenewsItsRingEntry) {
  PipelineRig rig(QuietTestSettings(), GermanyAndFranceNeeded());
  const std::string spot = FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW");
  auto other = [](int n) { return FullSpotLine("W3LPL", "7001.0", "F" + std::to_string(n) + "AB", "CW"); };
  rig.Line(spot);
  for (int n = 1; n <= 10; ++n) rig.Line(other(n));

  const auto dx_rows = rig.Rows(WindowId::kDx);
  const auto alarm_rows = rig.Rows(WindowId::kAlarm);
  const auto log_records = rig.LogRecords(LogCategory::kDx);
  const std::size_t queued = rig.Queue().size();
  const ViewStatusTexts status = rig.Status();
  const int terminal_rows = rig.Window(WindowId::kTerminal1).row_count();

  rig.Line(spot);
  EXPECT_FALSE(rig.events.lines.back().flags.NewOnTerminal);
  EXPECT_FALSE(rig.events.lines.back().tagged);
  EXPECT_EQ(rig.Rows(WindowId::kDx), dx_rows);
  EXPECT_EQ(rig.Rows(WindowId::kAlarm), alarm_rows);
  EXPECT_EQ(rig.LogRecords(LogCategory::kDx), log_records);
  EXPECT_EQ(rig.Queue().size(), queued);
  EXPECT_EQ(rig.Status().Terminal(1), status.Terminal(1));
  EXPECT_EQ(rig.Status().dx, status.dx);
  // The terminal window shows what arrived, uncoloured.
  EXPECT_EQ(rig.Window(WindowId::kTerminal1).row_count(), terminal_rows + 1);
  EXPECT_EQ(rig.LastTag(WindowId::kTerminal1), 0);

  // The copy became the newest entry of the ring: 15 more lines push the
  // first copy out (26 lines ago) but not the renewed one.
  for (int n = 11; n <= 25; ++n) rig.Line(other(n));
  rig.Line(spot);
  EXPECT_FALSE(rig.events.lines.back().flags.NewOnTerminal);
  EXPECT_EQ(rig.inactivity_resets.size(), rig.events.lines.size())
      << "every processed line counts as activity";
}

TEST(SpotProcessing, AnEntityOfNoCountryIsShownUncolouredWithoutAnInfoLine) {
  PipelineRig rig(QuietTestSettings(), GermanyAndFranceNeeded());
  const std::string spot = FullSpotLine("W3LPL", "14025.0", "QQ1ABC", "CW");
  rig.Line(spot);
  EXPECT_EQ(rig.Rows(WindowId::kDx), std::vector<std::string>{spot});
  EXPECT_EQ(rig.LastTag(WindowId::kDx), 0);
  EXPECT_EQ(rig.LastTag(WindowId::kTerminal1), 0);
  EXPECT_TRUE(rig.Rows(WindowId::kAlarm).empty());
  EXPECT_EQ(rig.events.lines.back().spot.EntityPrefix, "9999");
  EXPECT_EQ(rig.events.lines.back().spot.Level, 0);
  EXPECT_EQ(rig.Status().dx, ViewStatus());
  EXPECT_EQ(rig.Status().Terminal(1), ViewStatus());
  EXPECT_EQ(rig.events.status_changes, 0);
}

TEST(SpotProcessing, TheInfoLineNamesEntityBearingDistanceAndZone) {
  PipelineRig rig(QuietTestSettings(), GermanyAndFranceNeeded());
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"), 2);
  const GreatCirclePath path = ComputePath({46.2, 6.1}, {51.0, 10.0});
  const std::string expected = "DL  Fed. Rep. of Germany  " + std::to_string(std::lround(path.PathAzimuth)) +
                               "\xB0  " + std::to_string(std::lround(path.PathKm)) + " km  WAZ 14";
  EXPECT_EQ(rig.Status().Terminal(2).text, expected) << "the country file's \"_\" shows as blanks";
  EXPECT_EQ(rig.Status().Terminal(2).prefix, "DL");
  EXPECT_EQ(rig.Status().Terminal(2).key, "DL");
  EXPECT_EQ(rig.Status().Terminal(2).band_key, 14);
  EXPECT_EQ(rig.Status().dx, rig.Status().Terminal(2));
  EXPECT_EQ(rig.Status().alarm, rig.Status().Terminal(2)) << "a needed spot sets the alarm window's text";
  EXPECT_EQ(rig.Status().lotw, ViewStatus()) << "not a LoTW user";
  EXPECT_EQ(rig.events.status_changes, 1);
  EXPECT_EQ(BuildSpotInfoLine("DL", "Fed._Rep._of_Germany", 27.6, 612.4, 14, "\xB0"),
            "DL  Fed. Rep. of Germany  28\xB0  612 km  WAZ 14");
}

TEST(SpotProcessing, TheJapaneseInterfaceWritesTheDegreeSignInTwoBytes) {
  Settings settings = QuietTestSettings();
  settings.Language = "JPN";
  PipelineRig rig(settings, GermanyAndFranceNeeded());
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"));
  EXPECT_NE(rig.Status().dx.text.find("\x81\x8B  "), std::string::npos) << rig.Status().dx.text;
  EXPECT_EQ(rig.Status().dx.text.find('\xB0'), std::string::npos);
  EXPECT_EQ(rig.Status().Terminal(1).text, rig.Status().dx.text);
}

TEST(SpotProcessing, ASeekedCallGetsTheInfoLineOfItsOwnEntity) {
  Settings settings = QuietTestSettings();
  settings.SeekCall = {{"F5XYZ       "}};
  PipelineRig rig(settings, GermanyAndFranceNeeded());
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"));
  rig.Line(FullSpotLine("W3LPL", "14026.0", "F5XYZ", "CW"));
  EXPECT_EQ(rig.events.lines.back().spot.Level, 5);
  EXPECT_EQ(rig.LastTag(WindowId::kDx), 5);
  EXPECT_EQ(rig.Status().dx.prefix, "F");
  EXPECT_EQ(rig.Status().dx.text.rfind("F  France  ", 0), 0u) << rig.Status().dx.text;
}

TEST(SpotProcessing, ACapturedTerminalDoesNotMoveTheStatusLine) {
  PipelineRig rig(QuietTestSettings(), GermanyAndFranceNeeded());
  rig.pipeline->intake().SetCapture(2, true);
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"), 2);
  EXPECT_EQ(rig.events.status_changes, 0);
  EXPECT_FALSE(rig.Status().Terminal(2).text.empty()) << "the text itself is still kept";
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"), 1);
  EXPECT_EQ(rig.events.status_changes, 1);
}

TEST(SpotProcessing, TheSpotterZoneFilterLeavesTheSpotsEntityAlone) {
  Settings settings = QuietTestSettings();
  settings.RejectFromZone[14 - 1] = true;  // spotters in Europe
  UpdateAnyZoneRejected(settings);
  PipelineRig rig(settings, GermanyAndFranceNeeded());
  rig.Line(FullSpotLine("DL9GTB", "14025.0", "F5ABC", "CW"));
  EXPECT_TRUE(rig.Rows(WindowId::kDx).empty());
  EXPECT_FALSE(rig.events.lines.back().spot.ZoneOK);
  EXPECT_FALSE(rig.events.lines.back().tagged);

  rig.Line(FullSpotLine("W1AW", "14025.0", "F5ABC", "CW"));
  ASSERT_EQ(rig.Rows(WindowId::kDx).size(), 1u);
  const SpotRecord& spot = rig.events.lines.back().spot;
  EXPECT_EQ(spot.EntityPrefix, "F");
  EXPECT_EQ(spot.EntityName, "France");
  EXPECT_EQ(spot.WazZone, 14);
}

TEST(SpotProcessing, ABulletinFromAnotherNodeIsShownOnceAndTaggedOnEachTerminal) {
  PipelineRig rig;
  const std::string wwv = "WWV de VE7CC <21>:   SFI=70, A=12, K=3, No Storms -> No Storms";
  rig.Line(wwv, 1);
  rig.Line(wwv, 3);
  EXPECT_EQ(rig.Rows(WindowId::kDx).size(), 1u);
  EXPECT_EQ(rig.LastTag(WindowId::kDx), kTagPropagation);
  EXPECT_EQ(rig.LastTag(WindowId::kTerminal1), kTagPropagation);
  EXPECT_EQ(rig.LastTag(WindowId::kTerminal3), kTagPropagation);
  EXPECT_TRUE(rig.Rows(WindowId::kAlarm).empty()) << "bulletins go to the alarm window only when asked";
  EXPECT_EQ(rig.Processing().solar_flux_status(), "SFI=70");
  EXPECT_EQ(rig.events.solar_flux.size(), 2u);
}

TEST(SpotProcessing, BulletinsAndTalkReachTheAlarmWindowWhenTheOperatorWantsThem) {
  Settings settings = QuietTestSettings();
  settings.WantedSpotsAlarm.wwv = true;
  settings.WantedSpotsAlarm.talk = false;
  PipelineRig rig(settings);
  rig.Line("WCY de DK0WCY-1 <22> : K=9 expK=0 A=139 R=156 SFI=223 SA=maj GMF=sev Au=aurora");
  rig.Line("K1ABC de W1AW: are you there?");
  EXPECT_EQ(rig.Rows(WindowId::kAlarm),
            std::vector<std::string>{
                "WCY de DK0WCY-1 <22> : K=9 expK=0 A=139 R=156 SFI=223 SA=maj GMF=sev Au=aurora"});
  EXPECT_EQ(rig.LastTag(WindowId::kAlarm), kTagPropagation);
  EXPECT_EQ(rig.LastTag(WindowId::kDx), kTagTalk);
}

TEST(SpotProcessing, ANodeFrameDoesNotRecolourTheTerminalRowBeforeIt) {
  PipelineRig rig(QuietTestSettings(), GermanyAndFranceNeeded());
  rig.Line("WWV de VE7CC <21>:   SFI=70, A=12, K=3, No Storms -> No Storms");
  rig.lotw.users["DL1ABC"] = false;
  Settings settings = rig.pipeline->settings();
  settings.LOTW = 1 | 4;
  rig.pipeline->ApplySettings(settings);
  const std::string before = rig.Rows(WindowId::kTerminal1).back();
  rig.Line("PC11^14025.0^DL1ABC^ 1-Feb-2026^1840Z^CW^W3LPL^N0DXS^H5^~");
  // The frame was processed at its "~"; the WWV row is still the last
  // complete one when the tag is given.
  const auto rows = rig.Rows(WindowId::kTerminal1);
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[rows.size() - 2], before);
  EXPECT_EQ(rig.Window(WindowId::kTerminal1).tag(static_cast<int>(rows.size()) - 2), kTagPropagation);
  ASSERT_EQ(rig.Rows(WindowId::kDx).size(), 2u);
  EXPECT_EQ(rig.Rows(WindowId::kDx)[1].rfind("DX de W3LPL:", 0), 0u) << rig.Rows(WindowId::kDx)[1];
  EXPECT_EQ(rig.Rows(WindowId::kDx)[1].substr(rig.Rows(WindowId::kDx)[1].size() - 2), " L");
  EXPECT_EQ(rig.LastTag(WindowId::kDx), 4);
}

TEST(SpotProcessing, AWindowHeldByTheOperatorFollowsAgainNearItsEnd) {
  PipelineRig rig;
  rig.pipeline->SetView({'D', 1});
  LineStore& dx = rig.Window(WindowId::kDx);
  dx.SetVisibleRows(5);
  auto announce = [&](int n) { rig.Line("To ALL de W1AW: message number " + std::to_string(n)); };
  for (int n = 0; n < 20; ++n) announce(n);
  dx.SetScrollHold(true);
  dx.SetTopRow(2);
  announce(100);
  EXPECT_TRUE(dx.scroll_hold());
  EXPECT_EQ(dx.top_row(), 2);
  // Three rows from the end once the next line is in.
  dx.SetTopRow(dx.row_count() + 1 - 5 - 3);
  announce(101);
  EXPECT_FALSE(dx.scroll_hold());
  EXPECT_EQ(dx.top_row(), dx.row_count() - 5);
}

TEST(SpotProcessing, TheWindowOnShowIsRepaintedWhenItsLastRowIsColoured) {
  PipelineRig rig(QuietTestSettings(), GermanyAndFranceNeeded());
  rig.pipeline->SetView({'A', 1});
  rig.Line(FullSpotLine("W3LPL", "14025.0", "QQ1ABC", "CW"));
  EXPECT_EQ(rig.events.repaints, 0);
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"));
  EXPECT_EQ(rig.events.repaints, 1);
}

class BusyProbe final : public SpotProcessingEvents {
 public:
  explicit BusyProbe(const SpotProcessing& processing) : m_processing(processing) {}
  void LineProcessed(const ProcessedLine&) override { busy_inside.push_back(m_processing.busy()); }
  std::vector<bool> busy_inside;

 private:
  const SpotProcessing& m_processing;
};

TEST(SpotProcessing, IsBusyWhileALineIsProcessed) {
  PipelineRig rig;
  BusyProbe probe(rig.Processing());
  rig.Processing().SetEvents(&probe);
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"));
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"));
  EXPECT_EQ(probe.busy_inside, (std::vector<bool>{true, true}));
  EXPECT_FALSE(rig.Processing().busy());
}

TEST(SpotProcessing, TheRecordIsResetAfterEveryLine) {
  PipelineRig rig(QuietTestSettings(), GermanyAndFranceNeeded());
  rig.lotw.users["DL1ABC"] = true;
  Settings settings = rig.pipeline->settings();
  settings.LOTW = 1;
  rig.pipeline->ApplySettings(settings);
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"));
  EXPECT_TRUE(rig.events.lines.back().spot.LotwUser);
  const SpotRecord& spot = rig.Processing().spot();
  EXPECT_EQ(spot.Level, 1);
  EXPECT_EQ(spot.LotwLevel, 1);
  EXPECT_FALSE(spot.LotwUser);
  EXPECT_FALSE(spot.LotwUncertain);
  EXPECT_TRUE(spot.DXCall.empty());
  EXPECT_TRUE(spot.LogLine.empty());
}

}  // namespace
}  // namespace brilox::testing
