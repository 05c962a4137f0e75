// Decoding of "DX de " text lines in both layouts, with the LogLine and
// ShortLine they leave behind.
#include "spots/spot_line_decoder.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/clock.h"
#include "core/settings.h"
#include "spots/band_mode.h"
#include "spots/spot_line_test_support.h"

namespace brilox {
namespace {

using testing::FullLine;
using testing::LineWith;

class SpotLineDecoderTest : public ::testing::Test {
 protected:
  SpotRecord DecodeFull(const std::string& line) {
    SpotRecord spot;
    LigneFichDX(line, settings, clock, spot);
    return spot;
  }
  SpotRecord DecodeCompact(const std::string& line) {
    SpotRecord spot;
    LigneFichDX_clusse(line, settings, clock, spot);
    return spot;
  }
  Settings settings;
  FakeClock clock{EncodeDateTime(2026, 3, 1, 12, 0)};
};

struct FullCase {
  const char* name;
  std::string line;
  std::string spotter;
  std::string freq_text;
  std::string dx_call;
};

class FullLayoutFields : public SpotLineDecoderTest, public ::testing::WithParamInterface<FullCase> {};

TEST_P(FullLayoutFields, Decode) {
  const SpotRecord spot = DecodeFull(GetParam().line);
  EXPECT_EQ(spot.Spotter, GetParam().spotter);
  EXPECT_EQ(spot.FreqText, GetParam().freq_text);
  EXPECT_EQ(spot.DXCall, GetParam().dx_call);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FullLayoutFields,
    ::testing::Values(
        FullCase{"Plain", "DX de SQ5AM:      7170.5  E79Q                                        1117Z",
                 "SQ5AM", "   7170.5  ", "E79Q        "},
        // The colon in column 15: the decimals stay and no colon leaks in.
        FullCase{"ColonInColumn15",
                 "DX de DL9GTB-#:  14071.3  RY21NY       PSK63 42 dB CQ                 1118Z", "DL9GTB-#",
                 "  14071.3  ", "RY21NY      "},
        FullCase{"ColonInColumn17",
                 "DX de IK4VET-1-#: 7039.0  DJ6UX        CW 25 dB 24 WPM CQ             1334Z", "IK4VET-1-#",
                 "   7039.0  ", "DJ6UX       "},
        // Spotter glued to the frequency: the point in column 24 and the call one column late.
        FullCase{"GluedSpotter",
                 "DX de EA8/DF4UE-#:21149.0  IT9ATQ/B    CW  9 dB 10 WPM BEACON         1118Z", "EA8/DF4UE-#",
                 "  21149.0  ", "IT9ATQ/B    "},
        FullCase{"PointInColumn24",
                 LineWith({{1, "DX de W3LPL:"}, {17, "1296100.0"}, {27, "OH2XX"}, {71, "1112Z"}}), "W3LPL",
                 "1296100.0  ", "OH2XX       "},
        FullCase{"EightDigitKilohertz",
                 "DX de N0DXS:  10368000.0  G4ABC        JO01                           1112Z", "N0DXS",
                 "10368000.0 ", "G4ABC       "},
        FullCase{"BlankBeforeColon",
                 "DX de W4BEE :   146520.0  W4BEE        W4C/EM-066                     1800Z", "W4BEE",
                 " 146520.0  ", "W4BEE       "},
        FullCase{"NoColonTakesColumns7To14",
                 LineWith({{1, "DX de PA3XYZ/"}, {18, "14025.0"}, {27, "DL1ABC"}, {40, "CQ"}, {71, "1234Z"}}),
                 "PA3XYZ", "  14025.0  ", "DL1ABC      "},
        // A colon in the comment is not the spotter's.
        FullCase{
            "ColonOnlyInComment",
            LineWith(
                {{1, "DX de PA3XYZ"}, {18, "14025.0"}, {27, "DL1ABC"}, {40, "QSO at 12:30"}, {71, "1234Z"}}),
            "PA3XYZ", "  14025.0  ", "DL1ABC      "},
        FullCase{"PointInTheSpotter",
                 LineWith({{1, "DX de W1.AW:"}, {18, "14025.0"}, {27, "DL1ABC"}, {71, "1234Z"}}), "W1.AW",
                 "  14025.0  ", "DL1ABC      "},
        // Without a point the frequency keeps the columns it came in.
        FullCase{"NoDecimals", LineWith({{1, "DX de W1AW:"}, {20, "14025"}, {27, "DL1ABC"}, {71, "1234Z"}}),
                 "W1AW", "    14025  ", "DL1ABC      "}),
    [](const ::testing::TestParamInfo<FullCase>& info) { return std::string(info.param.name); });

TEST_F(SpotLineDecoderTest, FullLayoutLogLineHasItsColumns) {
  const SpotRecord spot =
      DecodeFull("DX de SJ2W-#:    14060.0  IK2JET       CW  4 dB 21 WPM CQ             1048Z");
  EXPECT_EQ(spot.Comment, "CW  4 dB 21 WPM CQ             ");
  EXPECT_EQ(spot.SpotTime, "1048Z");
  EXPECT_EQ(spot.LogLine, "  14060.0  IK2JET       1-Mar-26 1048Z CW  4 dB 21 WPM CQ              <SJ2W-#>");
  EXPECT_EQ(spot.LogLine.size(), 79u);
  EXPECT_EQ(spot.ShortLine, "DX de SJ2W 14060 IK2JET       CW  4 dB 21 WPM CQ     1048Z");
}

TEST_F(SpotLineDecoderTest, NineCharacterSpotterOverwritesTheCommentEnd) {
  const SpotRecord spot =
      DecodeFull(FullLine("dl1abc-12", "7039.0", "DJ6UX", "ABCDEFGHIJKLMNOPQRSTUVWXYZ12345", "1334Z"));
  EXPECT_EQ(spot.LogLine.substr(39), "ABCDEFGHIJKLMNOPQRSTUVWXYZ123<DL1ABC-12>");
  EXPECT_EQ(spot.Spotter, "dl1abc-12");  // upper-cased in the log only
}

TEST_F(SpotLineDecoderTest, ShortLineBlanksASignalReportAndCutsTheSpotter) {
  const SpotRecord spot = DecodeFull(FullLine("KM3T-2-#", "14022.5", "LZ1FH", "+12dB CQ", "1333Z"));
  EXPECT_EQ(spot.ShortLine, "DX de KM3T 14022 LZ1FH              CQ               1333Z");
}

TEST_F(SpotLineDecoderTest, LogLineStaysAt79ColumnsForShortLines) {
  for (const std::string line : {"DX de DF2MX", "DX de SMS:       28385.0  TF3EK", "", "DX de "}) {
    const SpotRecord spot = DecodeFull(line);
    EXPECT_EQ(spot.LogLine.size(), 79u) << line;
    EXPECT_EQ(spot.DXCall.size(), 12u) << line;
  }
  const SpotRecord cut = DecodeFull("DX de SMS:       28385.0  TF3EK");
  EXPECT_EQ(cut.Spotter, "SMS");
  EXPECT_EQ(cut.FreqText, "  28385.0  ");
  EXPECT_EQ(cut.DXCall, "TF3EK       ");
  EXPECT_EQ(cut.SpotTime, "");
}

TEST_F(SpotLineDecoderTest, CompactLayout) {
  const std::string line =
      LineWith({{1, "DX de W3LPL:"}, {19, "14025.0"}, {27, "DL1ABC"}, {40, "1234Z"}, {46, "QSX UP 2"}});
  const SpotRecord spot = DecodeCompact(line);
  EXPECT_EQ(spot.Spotter, "W3LPL");
  EXPECT_EQ(spot.FreqText, "  14025.0 ");
  EXPECT_EQ(spot.DXCall, "DL1ABC      ");
  EXPECT_EQ(spot.SpotTime, "1234Z");
  EXPECT_EQ(spot.Comment, "QSX UP 2                       ");
  EXPECT_EQ(spot.LogLine, "  14025.0  DL1ABC       1-Mar-26 1234Z QSX UP 2                         <W3LPL>");
}

TEST_F(SpotLineDecoderTest, CompactLineOf45CharactersHasABlankComment) {
  const std::string line = LineWith({{1, "DX de W3LPL:"}, {19, "14025.0"}, {27, "DL1ABC"}, {40, "1234Z "}});
  ASSERT_EQ(line.size(), 45u);
  EXPECT_EQ(DecodeCompact(line).Comment, std::string(31, ' '));
}

TEST_F(SpotLineDecoderTest, CompactLayoutKeepsTheSpotterCaseAndCleansAGluedSpotter) {
  const std::string line =
      LineWith({{1, "DX de ea8/df4ue-1:"}, {19, "21149.0"}, {28, "IT9ATQ"}, {40, "1118Z"}, {46, "cq"}});
  const SpotRecord spot = DecodeCompact(line);
  EXPECT_EQ(spot.Spotter, "ea8/df4ue-1");
  EXPECT_EQ(spot.FreqText, "  21149.0 ");
  EXPECT_EQ(spot.DXCall, "IT9ATQ      ");
  EXPECT_EQ(spot.LogLine.substr(39, 2), "cq");
  EXPECT_EQ(spot.LogLine.substr(66), "<ea8/df4ue-1>");
}

// Lines cut short or filled with junk decode to fields the band test rejects.
TEST_F(SpotLineDecoderTest, BrokenLinesDecodeToSpotsTheBandTestRejects) {
  std::string binary;
  for (int i = 0; i < 255; ++i) binary += static_cast<char>((i * 37) % 256);
  const std::string lines[] = {"",
                               "DX de ",
                               "DX de DF2MX",
                               "DX de W1AW:",
                               "DX de W1AW:      ",
                               "DX de W1AW:    14o25.0  DL1ABC",
                               std::string(255, '#'),
                               std::string(255, ' '),
                               std::string(255, '.'),
                               std::string(255, '9'),
                               binary};
  for (const std::string& line : lines) {
    for (bool compact : {false, true}) {
      SpotRecord spot = compact ? DecodeCompact(line) : DecodeFull(line);
      EXPECT_LE(spot.Spotter.size(), 12u);
      EXPECT_LE(spot.Comment.size(), 31u);
      EXPECT_EQ(spot.LogLine.size(), 79u);
      TestBandeModeExp(line, settings, spot);
      EXPECT_FALSE(spot.BandOK) << '"' << line << '"' << compact;
    }
  }
}

TEST_F(SpotLineDecoderTest, OverlongLinesReadOnlyTheirColumns) {
  const std::string line =
      "DX de SJ2W-#:    14060.0  IK2JET       CW  4 dB 21 WPM CQ             1048Z" + std::string(200, 'X');
  const SpotRecord spot = DecodeFull(line);
  EXPECT_EQ(spot.SpotTime, "1048Z");
  EXPECT_EQ(spot.LogLine.size(), 79u);
  const SpotRecord compact = DecodeCompact(std::string(255, '#'));
  EXPECT_EQ(compact.Comment.size(), 31u);
  EXPECT_EQ(compact.LogLine.size(), 79u);
}

}  // namespace
}  // namespace brilox
