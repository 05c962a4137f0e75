// Transceiver control on fake ports and the manual clock: the command bytes
// of every family for a table of spots, the waits of the Icom and the
// Elecraft, the choice of transceivers, the rows that send nothing, the
// port configuration, the mode a comment asks for, and the hit test of a
// right-click on a spot row.
#include "links/cat_control.h"

#include <gtest/gtest.h>

#include "core/language_text_ids.h"
#include "links/cat_commands.h"
#include "links/cat_spot_table.h"
#include "links/link_test_fakes.h"
#include "links/spot_row_hit.h"
#include "platform/clock.h"
#include "platform/fake_serial_port.h"
#include "platform/fake_tcp_connection.h"
#include "platform/manual_timer_queue.h"

namespace brilox {
namespace {

using testing::Hex;
using testing::SpotRow;

class CatControlTest : public ::testing::Test {
 protected:
  void Use(int trx, int family, int civ = 0, int min_mhz = 0, int max_mhz = 450) {
    CatSettings& cat = trx == 1 ? settings.Cat1 : settings.Cat2;
    cat.transceiver = family;
    cat.civ = civ;
    cat.min_mhz = min_mhz;
    cat.max_mhz = max_mhz;
    cat.device = "/dev/ttyCAT" + std::to_string(trx);
  }
  void Start() {
    cat = std::make_unique<CatControl>(CatServices{settings, ports, connections, timers, texts, &messages});
    cat->ConfigurePorts();
  }
  FakeSerialPort& port(int trx) { return ports.port(trx - 1); }

  Settings settings;
  FakeClock clock;
  ManualTimerQueue timers{clock};
  FakeSerialPortFactory ports;
  FakeTcpConnectionFactory connections;
  testing::NumberedTexts texts;
  RecordingMessageBox messages;
  std::unique_ptr<CatControl> cat;
};

TEST_F(CatControlTest, EveryFamilyGetsItsBytesForEverySpotOfTheTable) {
  const auto spots = testing::CatSpots();
  for (const auto& family : testing::CatExpectedBytes()) {
    Use(1, family.family, family.civ);
    Start();
    for (std::size_t i = 0; i < spots.size(); ++i) {
      settings.CATmodeRTTY = spots[i].rtty;
      settings.CATmodeDigi = spots[i].digi;
      port(1).ClearWritten();
      ASSERT_TRUE(cat->TuneToSpot(spots[i].row, false, false));
      timers.AdvanceMs(CatControl::kElecraftModeWaitMs);
      EXPECT_EQ(port(1).written(), family.bytes[i]) << "family " << family.family << ", spot " << i;
    }
    ports = FakeSerialPortFactory();
  }
}

TEST_F(CatControlTest, IcomWaitsAfterItsModeAndElecraftSendsItsModeLast) {
  Use(1, kCatIcom, 0x5C);
  Use(2, kCatElecraft);
  Start();
  ASSERT_TRUE(cat->TuneToSpot(SpotRow("W1AW", "7005.0", "JA1YYY", ""), false, false));
  EXPECT_EQ(port(1).written(), Hex("FE FE 5C E0 06 03 FD"));
  EXPECT_EQ(port(2).written(), "");
  timers.AdvanceMs(CatControl::kIcomModeWaitMs - 1);
  EXPECT_EQ(port(1).written(), Hex("FE FE 5C E0 06 03 FD"));
  timers.AdvanceMs(1);
  EXPECT_EQ(port(1).written(), Hex("FE FE 5C E0 06 03 FD FE FE 5C E0 05 00 50 00 07 00 FD"));
  EXPECT_EQ(port(2).written(), "FA00007005000;");
  timers.AdvanceMs(CatControl::kElecraftModeWaitMs - 1);
  EXPECT_EQ(port(2).written(), "FA00007005000;");
  timers.AdvanceMs(1);
  EXPECT_EQ(port(2).written(), "FA00007005000;MD3;");
  EXPECT_FALSE(cat->waiting());
}

TEST_F(CatControlTest, ANewTuneReplacesWhatAnOlderOneStillHadToSend) {
  Use(1, kCatElecraft);
  Start();
  ASSERT_TRUE(cat->TuneToSpot(SpotRow("W1AW", "7005.0", "JA1YYY", ""), false, false));
  ASSERT_TRUE(cat->TuneToSpot(SpotRow("W1AW", "14250.0", "JA1YYY", ""), false, false));
  timers.AdvanceMs(1000);
  EXPECT_EQ(port(1).written(), "FA00007005000;FA00014250000;MD2;");
}

TEST_F(CatControlTest, AltAndCtrlAndTheRangesChooseTheTransceivers) {
  Use(1, kCatKenwood, 0, 0, 30);
  Use(2, kCatFt450, 0, 0, 30);
  Start();
  struct Case {
    std::string khz;
    bool alt, ctrl;
    bool trx1, trx2;
  };
  const std::vector<Case> cases = {
      {"14025.0", false, false, true, true},      {"14025.0", true, false, false, true},
      {"14025.0", false, true, true, false},      {"14025.0", true, true, false, false},
      {"10489500.0", false, false, false, false},  // a satellite downlink beyond both ranges
      {"30000.0", false, false, true, true},       // the range's end is included
  };
  for (const Case& c : cases) {
    port(1).ClearWritten();
    port(2).ClearWritten();
    EXPECT_EQ(cat->TuneToSpot(SpotRow("W1AW", c.khz, "K1ABC", ""), c.alt, c.ctrl), c.trx1 || c.trx2) << c.khz;
    EXPECT_EQ(!port(1).written().empty(), c.trx1) << c.khz << c.alt << c.ctrl;
    EXPECT_EQ(!port(2).written().empty(), c.trx2) << c.khz << c.alt << c.ctrl;
  }
}

TEST_F(CatControlTest, ARowWithoutANumberSendsNothing) {
  Use(1, kCatKenwood);
  Start();
  for (const std::string& row : {std::string("DX de W1AW:      14O25.0  K1ABC"), std::string("DX de W1AW:"),
                                 std::string(), std::string("DX de W1AW:      1.2.3  K1ABC")}) {
    EXPECT_FALSE(cat->TuneToSpot(row, false, false)) << row;
  }
  EXPECT_EQ(port(1).written(), "");
}

TEST_F(CatControlTest, ThePortsOpenWithTheirSettingsAndTheFt847IsToldCatOffBeforeAReopen) {
  Use(1, kCatFt847);
  Use(2, kCatIcom, 0x5C);
  settings.Cat1.port_settings = 2 | 8 | 16;  // 4800, 2 stop bits, DTR high
  settings.Cat2.port_settings = 4 | 32;      // 19200, 1 stop bit, RTS high
  Start();
  const SerialLineSettings one = port(1).opens().back().line;
  EXPECT_EQ(port(1).opens().back().device, "/dev/ttyCAT1");
  EXPECT_EQ(one.baud, 4800);
  EXPECT_EQ(one.stop_bits, 2);
  EXPECT_TRUE(one.dtr);
  EXPECT_FALSE(one.rts);
  const SerialLineSettings two = port(2).opens().back().line;
  EXPECT_EQ(two.baud, 19200);
  EXPECT_EQ(two.stop_bits, 1);
  EXPECT_FALSE(two.dtr);
  EXPECT_TRUE(two.rts);
  cat->ConfigurePorts();
  EXPECT_EQ(port(1).written(), Hex("00 00 00 00 80"));
  EXPECT_EQ(port(1).opens().size(), 2u);
}

TEST_F(CatControlTest, APortThatCannotBeOpenedIsReportedAndGetsNothing) {
  Use(1, kCatKenwood);
  settings.Cat1.port = 4;
  cat = std::make_unique<CatControl>(CatServices{settings, ports, connections, timers, texts, &messages});
  port(1).FailOpens(Status::Io("busy"));
  cat->ConfigurePorts();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "COM 4: [" + std::to_string(kTextSerialPortOpenFailed) + "]");
  EXPECT_TRUE(cat->TuneToSpot(SpotRow("W1AW", "14025.0", "K1ABC", ""), false, false));
  EXPECT_EQ(port(1).written(), "");
}

TEST(CatModeOfTest, CommentKeywordsComeFirstThenTheBandPlan) {
  struct Case {
    std::string comment;
    std::string khz;
    CatMode mode;
  };
  const std::vector<Case> cases = {
      {"RTTY 45 bd", "14085.0", {"RTTY", true}},
      {"ry", "14085.0", {"RTTY", true}},
      {"AMTOR", "14075.0", {"DIGI", true}},
      {"FT8", "14074.0", {"DIGI", false}},
      {"hell 122", "14063.0", {"DIGI", true}},
      {"hellschreiber", "14063.0", {"DIGI", true}},
      {"HELLO", "14063.0", {"CW", false}},
      {"JT65A", "14076.0", {"DIGI", false}},
      {"JT6M", "50230.0", {"DIGI", true}},
      {"JT9", "14078.0", {"DIGI", false}},
      {"JTMS", "50230.0", {"DIGI", true}},
      {"MSK144", "50260.0", {"DIGI", false}},
      {"MT63", "14070.0", {"DIGI", true}},
      {"olivia 8/250", "14072.0", {"DIGI", true}},
      {"PACTOR", "14072.0", {"DIGI", true}},
      {"QRA64", "50275.0", {"DIGI", false}},
      {"THROB", "14072.0", {"DIGI", true}},
      {"wspr", "14095.6", {"DIGI", false}},
      {"", "136.0", {"CW", false}},
      {"", "1839.9", {"CW", false}},
      {"", "1840.0", {"LSB", false}},
      {"", "3600.0", {"LSB", false}},
      {"", "5354.0", {"CW", false}},
      {"", "10120.0", {"CW", false}},
      {"", "14099.9", {"CW", false}},
      {"", "14100.0", {"USB", false}},
      {"", "28225.0", {"USB", false}},
      {"", "50110.0", {"USB", false}},
      {"", "144150.0", {"USB", false}},
      {"", "148000.1", {"", false}},
      {"", "11000.0", {"", false}},
  };
  for (const Case& c : cases) {
    const std::string row = SpotRow("W1AW", c.khz, "K1ABC", c.comment);
    EXPECT_EQ(CatModeOf(row, *ParseKhz(c.khz)), c.mode) << c.comment << " " << c.khz;
  }
}

TEST(CatCommandsTest, TheWorkedExamples) {
  // PSK31 at 14070.0 on a Kenwood with AFSK on USB.
  const std::string psk = SpotRow("W1AW", "14070.0", "K1ABC", "PSK31");
  const CatMode mode = CatModeOf(psk, 14070.0);
  EXPECT_EQ(ApplyAfskOffset(mode, 1, 1, "14070.0"), "14069.0");
  EXPECT_EQ(CatModeCommand(kCatKenwood, "DIGI", 1, 1, 0), "MD2;");
  EXPECT_EQ(CatModeCommand(kCatKenwood, "DIGI", 1, 2, 0), "MDA;");
  EXPECT_EQ(CatModeCommand(kCatElecraft, "DIGI", 1, 3, 0), "MD9;");
  EXPECT_EQ(CatFrequencyCommand(kCatKenwood, "14069.0", 0), "FA00014069000;");
  EXPECT_EQ(CatFrequencyCommand(kCatFt450, "14025.0", 0), "FA14025000;");
  EXPECT_EQ(CatFrequencyCommand(kCatKenwood, "14025.25", 0), "FA00014025250;");
  // The IC-735 at address 04 takes four frequency bytes.
  EXPECT_EQ(CatFrequencyCommand(kCatIcom, "7005.0", 0x04), Hex("FE FE 04 E0 05 00 50 00 07 FD"));
  EXPECT_EQ(CatModeCommand(kCatFt990, "RTTY", 3, 1, 0), Hex("00 00 00 09 0C"));
  EXPECT_EQ(CatModeCommand(kCatFt817, "DIGI", 1, 3, 0), Hex("0A 00 00 00 07"));
  EXPECT_EQ(CatModeCommand(kCatIcom, "RTTY", 2, 1, 0x5C), Hex("FE FE 5C E0 06 04 FD"));
  EXPECT_EQ(CatModeCommand(kCatTenTec, "RTTY", 3, 1, 0), "*RMM6\r");
  EXPECT_EQ(CatModeCommand(kCatKenwood, "", 1, 1, 0), "");
  // Fractions of a kHz survive the offset.
  EXPECT_EQ(ApplyAfskOffset({"RTTY", true}, 0, 1, "14085.35"), "14086.35");
  EXPECT_EQ(KhzTextToHz("14025.0"), "14025000");
}

TEST(SpotRowHitTest, TheFourBoundariesSplitTheRow) {
  const std::string row = SpotRow("W1AW-7", "14025.0", "K1ABC/P", "cw");
  const auto width = [](std::string_view text) { return static_cast<int>(text.size()) * 8; };
  struct Case {
    int x;
    SpotRowHit hit;
  };
  const std::vector<Case> cases = {
      {8 * 2, {}},
      {8 * 7, {SpotRowTarget::kSpotter, "W1AW"}},
      {8 * 20, {SpotRowTarget::kFrequency, ""}},
      {8 * 30, {SpotRowTarget::kDxCall, "K1ABC/P"}},
      {8 * 50, {}},  // the comment
  };
  for (const Case& c : cases) EXPECT_EQ(HitTestSpotRow(row, c.x, width), c.hit) << c.x;
  EXPECT_EQ(HitTestSpotRow("WWV de W1AW <18>:   SFI=70", 8 * 20, width), SpotRowHit{});
}

}  // namespace
}  // namespace brilox
