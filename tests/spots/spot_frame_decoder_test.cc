// "PC11^" node frames: the fields, the LogLine, and DecodeLine rewritten into
// a full-layout text line that the text decoder reads back alike.
#include "spots/spot_frame_decoder.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/clock.h"
#include "core/settings.h"
#include "spots/band_mode.h"
#include "spots/spot_line_decoder.h"

namespace brilox {
namespace {

class SpotFrameDecoderTest : public ::testing::Test {
 protected:
  SpotRecord Decode(std::string& frame) {
    SpotRecord spot;
    DecodeDX(frame, settings, clock, spot);
    return spot;
  }
  Settings settings;
  FakeClock clock{EncodeDateTime(2026, 3, 1, 12, 5)};
};

TEST_F(SpotFrameDecoderTest, FieldsAndLogLine) {
  std::string line = "PC11^14025.0^DL1ABC^ 1-Mar-2026^1200Z^CQ DX^W3LPL^W3LPL-2^H95^~";
  const SpotRecord spot = Decode(line);
  EXPECT_EQ(spot.FreqText, "14025.0");
  EXPECT_EQ(spot.DXCall, "DL1ABC      ");
  EXPECT_EQ(spot.SpotTime, "1200Z");
  EXPECT_EQ(spot.Comment, "CQ DX");
  EXPECT_EQ(spot.Spotter, "W3LPL");
  EXPECT_EQ(spot.LogLine, "  14025.0  DL1ABC       1-Mar-26 1200Z CQ DX                            <W3LPL>");
  EXPECT_EQ(spot.ShortLine, "DX de W3LPL 14025.0 DL1ABC       CQ DX 1200Z");
  EXPECT_EQ(line, "DX de W3LPL:     14025.0  DL1ABC       CQ DX                          1200Z");
}

TEST_F(SpotFrameDecoderTest, TwoDigitDayAndNoComment) {
  std::string line = "PC11^7225.0^K4MDI^01-Mar-2026^0000Z^ ^KD2KW^NC7J^H97^~";
  const SpotRecord spot = Decode(line);
  EXPECT_EQ(spot.LogLine.substr(0, 38), "   7225.0  K4MDI       01-Mar-26 0000Z");
  EXPECT_EQ(spot.LogLine.size(), 79u);
}

// The rewritten line is a full-layout line: the text decoder and the band
// test read the frame's values from it.
TEST_F(SpotFrameDecoderTest, RewrittenLineReadsBackAsAFullLayoutLine) {
  const char* frames[] = {
      "PC11^14025.0^DL1ABC^ 1-Mar-2026^1200Z^CQ DX^W3LPL^W3LPL-2^H95^~",
      "PC11^1809.0^N2HMM^01-Mar-2026^0000Z^ ^N3MN^W3LPL-1^H97^~",
      "PC11^144300.0^OH2XX^01-Mar-2026^0000Z^JO01 tnx^DL1ABC-10^DB0SUE^H97^~",
      "PC11^10368000.0^G4ABC^01-Mar-2026^0000Z^EME^K1JT^K1JT^H97^~",
  };
  for (const char* frame : frames) {
    std::string line = frame;
    const SpotRecord from_frame = Decode(line);
    ASSERT_EQ(line.size(), 75u) << frame;
    SpotRecord from_text;
    LigneFichDX(line, settings, clock, from_text);
    EXPECT_EQ(from_text.Spotter, from_frame.Spotter) << frame;
    EXPECT_EQ(from_text.DXCall, from_frame.DXCall) << frame;
    EXPECT_EQ(from_text.SpotTime, from_frame.SpotTime) << frame;
    EXPECT_EQ(from_text.FreqText.find(from_frame.FreqText), from_text.FreqText.find_first_not_of(' '))
        << frame;
    EXPECT_DOUBLE_EQ(SpotFrequencyKhz(line).value_or(-1), std::stod(from_frame.FreqText)) << frame;
  }
}

// Pads that would be negative are left out: a long spotter and frequency
// meet at the colon, an overlong comment is cut so that the spotter fits.
TEST_F(SpotFrameDecoderTest, PadsOnlyWhenPositive) {
  std::string line =
      "PC11^144300.0^OH2XX^01-Mar-2026^1200Z^ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789^EA8/DF4UE-1^X^H9^~";
  const SpotRecord spot = Decode(line);
  EXPECT_EQ(spot.Spotter, "EA8/DF4UE-1");
  EXPECT_EQ(spot.Comment, "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
  EXPECT_EQ(line.substr(0, 26), "DX de EA8/DF4UE-1:144300.0");
  EXPECT_EQ(spot.LogLine.substr(39), "ABCDEFGHIJKLMNOPQRSTUVWXYZ0<EA8/DF4UE-1>");
  EXPECT_EQ(spot.LogLine.size(), 79u);
}

TEST_F(SpotFrameDecoderTest, FrameDateDecidesTheAge) {
  settings.DeltaTime = 10;
  std::string fresh = "PC11^14025.0^DL1ABC^ 1-Mar-2026^1200Z^CQ^W3LPL^N^H9^~";
  EXPECT_TRUE(Decode(fresh).TimeOK);
  std::string yesterday = "PC11^14025.0^DL1ABC^28-Feb-2026^1200Z^CQ^W3LPL^N^H9^~";
  EXPECT_FALSE(Decode(yesterday).TimeOK);
}

// A frame cut before its seventh caret is no spot: its fields stay empty,
// so the rewritten line has no frequency and the band test rejects it.
TEST_F(SpotFrameDecoderTest, CutFramesDecodeToNothingTheFiltersAccept) {
  const char* frames[] = {
      "PC11^", "PC11^14025.0^DL1ABC", "PC11^14025.0^DL1ABC^01-Mar-2026^1200Z^CQ^W3LPL", "PC11",
      "",      "PC11^^^^^^^^^^^^~"};
  for (const char* frame : frames) {
    std::string line = frame;
    SpotRecord spot = Decode(line);
    EXPECT_LE(line.size(), kDecodeLineCapacity) << frame;
    EXPECT_EQ(spot.LogLine.size(), 79u) << frame;
    TestBandeModeExp(line, settings, spot);
    EXPECT_FALSE(spot.BandOK) << frame;
  }
}

TEST_F(SpotFrameDecoderTest, OverlongFieldsAreCutAndTheLineStaysWithin255) {
  std::string line = "PC11^" + std::string(300, '1') + "^" + std::string(40, 'K') + "^" +
                     std::string(20, 'D') + "^" + std::string(9, 'T') + "^" + std::string(50, 'c') + "^" +
                     std::string(20, 'S') + "^N^H1^~";
  const SpotRecord spot = Decode(line);
  EXPECT_EQ(spot.DXCall, std::string(12, 'K'));
  EXPECT_EQ(spot.SpotTime, "TTTTT");
  EXPECT_EQ(spot.Comment.size(), 31u);
  EXPECT_EQ(spot.Spotter, std::string(11, 'S'));
  EXPECT_EQ(line.size(), kDecodeLineCapacity);
  EXPECT_EQ(spot.LogLine.size(), 79u);
}

}  // namespace
}  // namespace brilox
