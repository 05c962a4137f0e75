// The small pieces of spot processing on their own: the trace rows, the
// beacon rule of the LoTW check and the alarm record of each level.
#include <gtest/gtest.h>

#include "spots/announcement_queue.h"
#include "spots/line_trace.h"
#include "spots/spot_reference_checks.h"

namespace brilox {
namespace {

std::vector<std::string> Fields(const std::string& row) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab; (tab = row.find('\t', start)) != std::string::npos; start = tab + 1) {
    fields.push_back(row.substr(start, tab - start));
  }
  fields.push_back(row.substr(start));
  return fields;
}

TEST(LineTrace, TheHeaderNamesEveryColumnInOrder) {
  EXPECT_EQ(TraceHeader(),
            "terminal\tclass\tnew_on_terminal\tnew_for_display\tBandOK\tModeOK\tZoneOK\tNotSelfSpot\tTimeOK\t"
            "Spotter\tFreqText\tDXCall\tComment\tSpotTime\tBandKey\tMode\tEntityPrefix\tEntityName\tWazZone\t"
            "Level\t"
            "LotwLevel\tAlarmLabel\tLotwLabel\tSpotIotaText\ttag\tLogLine\tShortLine\tDecodeLine\n");
}

TEST(LineTrace, EscapesWhatWouldBreakARow) {
  struct Case {
    std::string text, escaped;
  };
  for (const Case& c :
       {Case{"plain text", "plain text"}, Case{"a\tb", "a\\tb"}, Case{"C:\\LOG", "C:\\\\LOG"},
        Case{std::string("\a\r\n\x1b[0m", 7), "\\x07\\x0D\\x0A\\x1B[0m"},
        Case{std::string("\0\x7f\xb0\xff", 4), "\\x00\\x7F\\xB0\\xFF"}, Case{"~^<>", "~^<>"}}) {
    EXPECT_EQ(EscapeTraceField(c.text), c.escaped);
  }
}

TEST(LineTrace, OneRowHoldsTheLineWithItsFlagsAndFields) {
  SpotRecord spot;
  spot.BandOK = spot.ModeOK = spot.TimeOK = true;
  spot.Spotter = "W3LPL";
  spot.DXCall = "DL1ABC      ";
  spot.Comment = "CW\tlist";
  spot.BandKey = 14;
  spot.Mode = 'C';
  spot.EntityPrefix = "DL";
  spot.WazZone = 14;
  spot.Level = 104;
  spot.LotwLevel = 4;
  ProcessedLine line;
  line.terminal = 2;
  line.line_class = LineClass::kDxText;
  line.flags = {true, false};
  line.spot = &spot;
  line.decode_line = "DX de W3LPL:\a";
  line.tagged = true;
  line.tag = 104;
  const std::string row = TraceRow(line);
  ASSERT_EQ(row.back(), '\n');
  const std::vector<std::string> fields = Fields(row.substr(0, row.size() - 1));
  ASSERT_EQ(fields.size(), 28u);
  EXPECT_EQ(fields[0], "2");
  EXPECT_EQ(fields[1], "1");
  EXPECT_EQ(fields[2] + fields[3] + fields[4] + fields[5] + fields[6] + fields[7] + fields[8], "1011001");
  EXPECT_EQ(fields[9], "W3LPL");
  EXPECT_EQ(fields[12], "CW\\tlist");
  EXPECT_EQ(fields[14], "14");
  EXPECT_EQ(fields[15], "C");
  EXPECT_EQ(fields[19], "104");
  EXPECT_EQ(fields[24], "104");
  EXPECT_EQ(fields[27], "DX de W3LPL:\\x07");

  line.tagged = false;
  EXPECT_EQ(Fields(TraceRow(line))[24], "") << "a line without a tag leaves the column empty";
}

TEST(LotwCheckRule, BeaconsAreNotLookedUp) {
  struct Case {
    const char* call;
    bool checked;
  };
  for (const Case& c : {Case{"DL1ABC      ", true}, Case{"DL0ABC/B    ", false}, Case{"dl0abc/b", false},
                        Case{"FR5ABC/B    ", true}, Case{"K1ABC/BCN", false}, Case{"VK2RSY/BEACON", false},
                        Case{"DL1ABC/P", true}, Case{"B", true}, Case{"", true}}) {
    EXPECT_EQ(ShouldCheckLotwUser(c.call), c.checked) << c.call;
  }
}

TEST(AlarmRecordFields, EachLevelCarriesWhatItsAnnouncementSays) {
  SpotRecord spot;
  spot.DXCall = "DL1ABC      ";
  spot.AlarmLabel = "14";
  spot.FreqText = "  14025.0  ";
  spot.SpotIotaText = "EU5";
  struct Case {
    int level;
    bool call, label_prefix_frequency, iota;
  };
  for (const Case& c : {Case{0, false, false, false}, Case{1, true, true, false}, Case{4, true, true, false},
                        Case{5, true, false, false}, Case{10, false, false, true},
                        Case{11, false, false, true}, Case{103, true, true, false}}) {
    spot.Level = c.level;
    const AlarmRecord record = AlarmRecordForSpot(spot, "DL");
    EXPECT_EQ(record.level, c.level);
    EXPECT_EQ(!record.dx_call.empty(), c.call) << c.level;
    EXPECT_EQ(!record.label.empty(), c.label_prefix_frequency) << c.level;
    EXPECT_EQ(!record.entity_prefix.empty(), c.label_prefix_frequency) << c.level;
    EXPECT_EQ(!record.frequency.empty(), c.label_prefix_frequency) << c.level;
    EXPECT_EQ(!record.iota_reference.empty(), c.iota) << c.level;
  }
}

}  // namespace
}  // namespace brilox
