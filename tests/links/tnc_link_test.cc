// Terminal 1 on the serial TNC, on a fake port: the texts sent at start and
// end, the room check, CR-only line ends and the TNC's empty lines as the
// operator sees them, an open that fails and a port lost under the program.
#include "links/tnc_link.h"

#include <gtest/gtest.h>

#include "core/language_text_ids.h"
#include "links/link_fixture.h"
#include "platform/fake_serial_port.h"

namespace brilox {
namespace {

using testing::ESC;

class TncLinkTest : public testing::LinksFixture {
 protected:
  void SetUp() override {
    LinksFixture::SetUp();
    settings.Interface = kInterfaceSerial;
    settings.COMPortNr = 3;
    settings.COMPortDevice = "/dev/ttyUSB7";
    tnc = std::make_unique<TncLink>(TncServices{settings, ports, *links, presenter, texts, &messages});
  }
  FakeSerialPort& port() { return ports.port(0); }
  void Receive(const std::string& bytes) {
    port().SimulateBytes(bytes);
    RunForMs(5);
  }

  FakeSerialPortFactory ports;
  RecordingMessageBox messages;
  std::unique_ptr<TncLink> tnc;
};

TEST(TncTextLinesTest, CommentsAndEmptyLinesAreSkippedAndEscIsTheEscapeCharacter) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"# set up\r\nESC I N0CALL\r\n\r\nMON ON", {ESC + "I N0CALL\r", "MON ON\r"}},
      {"esc K\nEsc\tX", {ESC + "K\r", ESC + "\tX\r"}},
      {"ESC\r\nESCAPE", {"ESC\r", ESC + "APE\r"}},
      {"", {}},
      {"\r\n#\r\n", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(TncTextLines(c.text), c.lines) << c.text;
}

TEST(TncLineSettingsTest, PackedParametersGiveThePortSettings) {
  SerialParameters p;
  p.speed_index = 7;
  p.handshake_index = 1;
  p.eight_data_bits = false;
  p.two_stop_bits = true;
  p.parity_index = 2;
  const SerialLineSettings line = TncLineSettings(p);
  EXPECT_EQ(line.baud, 115200);
  EXPECT_EQ(line.data_bits, 7);
  EXPECT_EQ(line.stop_bits, 2);
  EXPECT_EQ(line.parity, SerialParity::kEven);
  EXPECT_EQ(line.flow, SerialFlowControl::kRtsCts);
  p.handshake_index = 4;
  p.speed_index = 99;  // damaged setting: the default speed
  EXPECT_EQ(TncLineSettings(p).flow, SerialFlowControl::kXonXoff);
  EXPECT_EQ(TncLineSettings(p).baud, 9600);
}

TEST_F(TncLinkTest, OpensTheNamedDeviceAndSendsTheInitialisationText) {
  ASSERT_TRUE(tnc->ConfigureAndOpen());
  EXPECT_EQ(port().opens().back().device, "/dev/ttyUSB7");
  tnc->SendTncText("# comment\r\nESC I N0CALL\r\n\r\nMON ON\r\n");
  EXPECT_EQ(port().written(), "\x18" + ESC + "I N0CALL\rMON ON\r");
}

TEST_F(TncLinkTest, ALineGoesOnlyWhenThePortHasRoomForAllOfIt) {
  ASSERT_TRUE(tnc->ConfigureAndOpen());
  port().SetOutputRoom(6);
  EXPECT_FALSE(tnc->Send("SH/DX 10\r"));
  EXPECT_TRUE(tnc->Send("SH/DX\r"));
  EXPECT_EQ(port().written(), "SH/DX\r");
  tnc->Close();
  EXPECT_FALSE(tnc->Send("\r", TncRoomCheck::kAlways));
}

TEST_F(TncLinkTest, CrOnlyLinesAndEmptyLinesShowAsRowsWithoutBlankRows) {
  ASSERT_TRUE(tnc->ConfigureAndOpen());
  // CR-only status lines set off by empty lines, then CR LF lines whose
  // empty line is split over two chunks.
  Receive("cmd:C NODE\r\r*** CONNECTED to NODE\r\r");
  Receive("Hello\r\n\r");
  Receive("\nDX de W1AW:  14025.0  K1ABC  cw\r\n");
  EXPECT_EQ(intake.rows(1), (std::vector<std::string>{"cmd:C NODE", "*** CONNECTED to NODE", "Hello",
                                                      "DX de W1AW:  14025.0  K1ABC  cw"}));
}

TEST_F(TncLinkTest, AFloodWithoutLineEndsStaysBounded) {
  ASSERT_TRUE(tnc->ConfigureAndOpen());
  const std::string chunk(64 * 1024, 'x');
  for (int i = 0; i < 40; ++i) port().SimulateBytes(chunk);
  RunForMs(2000);
  EXPECT_LE(links->BufferedBytes(1), ReceiveBuffer::kHardLimit);
  EXPECT_GT(intake.count(1), 0u);
}

TEST_F(TncLinkTest, AFailedOpenShowsTheErrorBoxAndSendsNothing) {
  ports = FakeSerialPortFactory();
  tnc.reset();
  tnc = std::make_unique<TncLink>(TncServices{settings, ports, *links, presenter, texts, &messages});
  port().FailOpens(Status::Io("no such device"));
  EXPECT_FALSE(tnc->ConfigureAndOpen());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "COM 3: [" + std::to_string(kTextSerialPortOpenFailed) + "]");
  tnc->SendTncText("MON ON");
  EXPECT_EQ(port().written(), "");
}

TEST_F(TncLinkTest, APortLostUnderTheProgramIsReportedOnceAndCanBeOpenedAgain) {
  ASSERT_TRUE(tnc->ConfigureAndOpen());
  port().SimulateLost();
  port().SimulateLost();
  ASSERT_EQ(presenter.lines[1].size(), 1u);
  EXPECT_NE(presenter.lines[1][0].find("/dev/ttyUSB7"), std::string::npos);
  EXPECT_FALSE(tnc->IsOpen());
  EXPECT_FALSE(tnc->Send("SH/DX\r"));
  ASSERT_TRUE(tnc->ConfigureAndOpen());
  EXPECT_TRUE(tnc->Send("SH/DX\r"));
}

TEST(SerialDeviceForTest, ThePortNumberNamesAnEntryOfTheListUnlessAPathIsSet) {
  const std::vector<SerialPortInfo> ports = {{"/dev/ttyACM0", "IC-7300"}, {"/dev/ttyUSB0", "FT232R"}};
  EXPECT_EQ(SerialDeviceFor(2, "", ports), "/dev/ttyUSB0");
  EXPECT_EQ(SerialDeviceFor(2, "/dev/pts/4", ports), "/dev/pts/4");
  EXPECT_EQ(SerialDeviceFor(4, "", ports), "/dev/ttyS3");
  EXPECT_EQ(SerialDeviceFor(0, "", ports), "");
}

}  // namespace
}  // namespace brilox
