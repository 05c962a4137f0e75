// Band and mode of a spot from its frequency and comment, with the
// operator's band and mode choices.
#include "spots/band_mode.h"

#include <gtest/gtest.h>

#include <string>

#include "spots/spot_line_test_support.h"

namespace brilox {
namespace {

std::string LineOn(const std::string& khz) { return testing::FullLine("W3LPL", khz, "DL1ABC", "", "1200Z"); }

struct BandCase {
  const char* name;
  std::string khz;
  std::string comment;
  int rtty_no_qrg;
  int band_key;
  char mode;
  bool band_ok;
  bool mode_ok;
};

class BandAndMode : public ::testing::TestWithParam<BandCase> {};

TEST_P(BandAndMode, Decide) {
  const BandCase& c = GetParam();
  Settings settings;
  settings.RTTYnoQRG = c.rtty_no_qrg;
  SpotRecord spot;
  spot.Mode = '?';
  spot.Comment = c.comment;
  TestBandeModeExp(LineOn(c.khz), settings, spot);
  EXPECT_EQ(spot.BandKey, c.band_key);
  EXPECT_EQ(spot.Mode, c.mode);
  EXPECT_EQ(spot.BandOK, c.band_ok);
  EXPECT_EQ(spot.ModeOK, c.mode_ok);
}

// '?' is the mode the record had before: it stays when no band row decides.
INSTANTIATE_TEST_SUITE_P(
    Table, BandAndMode,
    ::testing::Values(
        BandCase{"Lf136kHz", "136.0", "", 1, 0, 'N', true, true},
        BandCase{"Mf475kHz", "475.0", "", 1, 0, 'N', true, true},
        BandCase{"Below160mRange", "1800.0", "", 1, 1, '?', false, false},
        BandCase{"Above160mRange", "2000.0", "", 1, 2, '?', false, false},
        BandCase{"Cw160m", "1839.9", "", 1, 1, 'C', true, true},
        BandCase{"Phone160m", "1840.0", "", 1, 1, 'S', true, true},
        BandCase{"Phone80mFrom3600", "3600.0", "", 1, 3, 'S', true, true},
        BandCase{"Rtty80mSegmentOnlyWhenAsked", "3599.9", "", 0, 3, 'R', true, true},
        BandCase{"Cw80mSegmentIgnored", "3599.9", "", 1, 3, 'C', true, true},
        BandCase{"Band60mTellsNoMode", "5357.0", "", 1, 5, 'N', true, true},
        BandCase{"Phone40m", "7040.0", "", 1, 7, 'S', true, true},
        BandCase{"Cw40m", "7039.9", "", 1, 7, 'C', true, true},
        BandCase{"Cw30m", "10120.0", "", 0, 10, 'C', true, true},
        BandCase{"Rtty30mSegment", "10140.0", "", 0, 10, 'R', true, true},
        BandCase{"Ft8On20mByComment", "14074.0", "FT8 -12 dB", 1, 14, 'R', true, true},
        BandCase{"Cw20mWithoutComment", "14074.0", "", 1, 14, 'C', true, true},
        BandCase{"Rtty20mSegment", "14074.0", "", 0, 14, 'R', true, true},
        BandCase{"RttyRequestIsNoRtty", "14080.0", "PSE RTTY", 1, 14, 'C', true, true},
        BandCase{"RttyRequestInTheSegment", "14080.0", "pse rtty", 0, 14, 'R', true, true},
        BandCase{"Rtty20m", "14084.0", "RTTY +10 dB CQ", 1, 14, 'R', true, true},
        BandCase{"Phone20m", "14100.0", "", 0, 14, 'S', true, true},
        BandCase{"DataKeywordBeatsPhone", "14230.0", "SSTV? no, PSK31", 1, 14, 'R', true, true},
        BandCase{"Phone17m", "18110.0", "", 0, 18, 'S', true, true},
        BandCase{"Rtty17mSegment", "18105.0", "", 0, 18, 'R', true, true},
        BandCase{"Phone15m", "21150.0", "", 1, 21, 'S', true, true},
        BandCase{"Rtty15mSegment", "21080.0", "", 0, 21, 'R', true, true},
        BandCase{"Phone12m", "24930.0", "", 1, 24, 'S', true, true},
        BandCase{"Rtty12mSegment", "24925.0", "", 0, 24, 'R', true, true},
        BandCase{"Cw10m", "28024.0", "", 1, 28, 'C', true, true},
        BandCase{"Rtty10mSegment", "28150.0", "", 0, 28, 'R', true, true},
        BandCase{"Phone10mKey29", "29600.0", "", 1, 29, 'S', true, true},
        BandCase{"Cw6m", "50090.0", "", 1, 50, 'C', true, true},
        BandCase{"Phone6mKey53", "53000.0", "", 1, 53, 'S', true, true},
        BandCase{"Phone4m", "70100.0", "", 1, 70, 'S', true, true},
        BandCase{"Cw2m", "144050.0", "", 1, 144, 'C', true, true},
        BandCase{"Ft8On2m", "144174.0", "FT8", 1, 144, 'R', true, true},
        BandCase{"Phone2mBelowSatellite", "145500.0", "", 1, 144, 'S', true, true},
        BandCase{"Satellite145800", "145800.0", "", 1, 145, 'N', true, true},
        BandCase{"Above2mRejected", "146520.0", "", 1, 146, '?', false, false},
        BandCase{"Band125cm", "222100.0", "", 1, 222, 'N', true, true},
        BandCase{"NoRowAt219", "219500.0", "", 1, 219, '?', false, false},
        BandCase{"Band70cm", "432200.0", "", 1, 432, 'N', true, true},
        BandCase{"Satellite435", "435100.0", "", 1, 145, 'N', true, true},
        BandCase{"NoRowAt425", "425000.0", "", 1, 425, '?', false, false},
        BandCase{"Band33cm", "903000.0", "", 1, 903, 'N', true, true},
        BandCase{"Band23cm", "1296100.0", "", 1, 1296, 'N', true, true},
        BandCase{"Band13cm", "2320100.0", "", 1, 2320, 'N', true, true},
        BandCase{"Satellite2400", "2400100.0", "", 1, 145, 'N', true, true},
        BandCase{"Band3cm", "10368000.0", "", 1, 10368, 'N', true, true},
        BandCase{"Satellite10451", "10451000.0", "", 1, 145, 'N', true, true},
        BandCase{"OutsideEveryRange", "8000.0", "", 1, 8, '?', false, false},
        BandCase{"NotANumber", "14o25.0", "", 1, 0, '?', false, false}),
    [](const ::testing::TestParamInfo<BandCase>& info) { return std::string(info.param.name); });

TEST(BandAndModeSettings, UnwantedBandAndModeClearTheirFlags) {
  Settings settings;
  settings.RejectBandsHF.b14 = false;
  settings.RejectModes.cw = false;
  SpotRecord spot;
  TestBandeModeExp(LineOn("14025.0"), settings, spot);
  EXPECT_EQ(spot.Mode, 'C');
  EXPECT_FALSE(spot.BandOK);
  EXPECT_FALSE(spot.ModeOK);
}

TEST(BandAndModeSettings, BandsWithoutModesPassWhateverModesAreWanted) {
  Settings settings;
  settings.RejectModes = {false, false, false};
  SpotRecord spot;
  TestBandeModeExp(LineOn("5357.0"), settings, spot);
  EXPECT_EQ(spot.Mode, 'N');
  EXPECT_TRUE(spot.ModeOK);
}

// 10.1 GHz is a microwave band, 24.048 GHz the satellite key: two bits.
TEST(BandAndModeSettings, MicrowaveAndSatelliteUseTheirOwnBits) {
  Settings settings;
  settings.RejectBandsVHF.ghz = false;
  SpotRecord microwave;
  TestBandeModeExp(LineOn("10100000.0"), settings, microwave);
  EXPECT_FALSE(microwave.BandOK);
  SpotRecord satellite;
  TestBandeModeExp(LineOn("24048000.0"), settings, satellite);
  EXPECT_EQ(satellite.BandKey, 145);
  EXPECT_TRUE(satellite.BandOK);
  settings.RejectBandsVHF.satellite = false;
  TestBandeModeExp(LineOn("24048000.0"), settings, satellite);
  EXPECT_FALSE(satellite.BandOK);
}

TEST(DataModeKeywords, Table) {
  struct Row {
    const char* comment;
    bool data;
  };
  const Row rows[] = {{"RTTY", true},         {"  rtty contest ", true}, {"NEED RTTY", false},
                      {"RTTY PLEASE", false}, {"RY", true},               {" ry ", true},
                      {"RY 599", false},      {"HELL", true},             {"TNX HELL QSO", true},
                      {"HELLO", false},       {"JT65A", true},            {"OLIVIA 8/500", true},
                      {"WSPR", true},         {"CW 22 WPM", false},       {"", false},
                      // Only the first 31 characters count.
                      {"0123456789012345678901234567890FT8", false},
                      {"0123456789012345678901234567FT8", true}};
  for (const Row& row : rows) EXPECT_EQ(IsDataModeComment(row.comment), row.data) << '"' << row.comment << '"';
}

TEST(SpotFrequency, ReadsColumns15To25AfterTheSpottersColon) {
  EXPECT_EQ(SpotFrequencyKhz("DX de IK4VET-1-#: 7039.0  DJ6UX"), 7039.0);
  EXPECT_EQ(SpotFrequencyKhz("DX de EA8/DF4UE-#:21149.0  IT9ATQ/B"), 21149.0);
  EXPECT_EQ(SpotFrequencyKhz("DX de W1AW:    14 025.5"), 14025.5);
  EXPECT_EQ(SpotFrequencyKhz("DX de W1AW:      14025"), 14025.0);
  EXPECT_FALSE(SpotFrequencyKhz("DX de W1AW:      -14025"));
  EXPECT_FALSE(SpotFrequencyKhz("DX de W1AW:           "));
  EXPECT_FALSE(SpotFrequencyKhz("DX de W1AW:      1.2.3"));
  EXPECT_FALSE(SpotFrequencyKhz("DX de"));
  EXPECT_FALSE(SpotFrequencyKhz(""));
  EXPECT_EQ(BandKeyForFrequency(-1.0), -1);
  EXPECT_EQ(BandKeyForFrequency(1.0e300), -1);
  EXPECT_EQ(BandKeyForFrequency(99999999999.0), 99999999);
}

// The zone, self-spot and call tests run after band and mode, see what they
// decided, and may clear BandOK; a spot outside every band does not reach them.
class RecordingChecks : public SpotChecksAfterBandMode {
 public:
  void Run(std::string_view, SpotRecord& spot) override {
    ++calls;
    seen_band_key = spot.BandKey;
    spot.BandOK = false;
  }
  int calls = 0;
  int seen_band_key = -1;
};

TEST(BandAndModeSeam, ChecksRunAfterBandAndMode) {
  Settings settings;
  RecordingChecks checks;
  SpotRecord spot;
  TestBandeModeExp(LineOn("14025.0"), settings, spot, checks);
  EXPECT_EQ(checks.calls, 1);
  EXPECT_EQ(checks.seen_band_key, 14);
  EXPECT_FALSE(spot.BandOK);
  EXPECT_TRUE(spot.ModeOK);
  TestBandeModeExp(LineOn("8000.0"), settings, spot, checks);
  EXPECT_EQ(checks.calls, 1);
}

}  // namespace
}  // namespace brilox
