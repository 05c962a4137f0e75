// Terminal 1 through a real serial port: the Qt adapter on the slave side
// of a pseudo-terminal pair, and on the master side a TNC stand-in that
// behaves like TNC-2 firmware (a "cmd:" prompt, echo of what it is sent,
// CR-only line ends, status lines set off by empty lines) with a cluster
// node behind it once connected.
#include <gtest/gtest.h>

#include <QSocketNotifier>
#include <algorithm>
#include <memory>
#include <string>

#include "links/link_test_fakes.h"
#include "links/telnet_links.h"
#include "links/tnc_link.h"
#include "platform/message_box.h"
#include "platform/qt/qt_serial_port.h"
#include "platform/qt/qt_tcp_connection.h"
#include "platform/qt/qt_timer.h"
#include "support/pseudo_terminal.h"
#include "support/qt/local_cluster_node.h"

namespace brilox {
namespace {

const std::string ESC(1, 27);

class PtyTnc {
 public:
  PtyTnc() {
    if (!m_pty.ok()) return;
    m_notifier = std::make_unique<QSocketNotifier>(m_pty.master(), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { Read(); });
  }
  ~PtyTnc() { CloseAll(); }

  const std::string& device() const { return m_pty.device(); }
  bool ok() const { return m_pty.ok(); }
  // Everything the program sent, in order.
  const std::string& received() const { return m_received; }
  bool connected() const { return m_connected; }

  void Send(const std::string& bytes) { m_pty.Write(bytes); }
  // The device goes away: both ends closed, as when the adapter is pulled.
  void CloseAll() {
    m_notifier.reset();
    m_pty.Close();
  }

 private:
  void Read() {
    for (char ch : m_pty.ReadAvailable()) Take(ch);
  }
  void Take(char ch) {
    m_received.push_back(ch);
    if (ch == 0x18) {  // cancel: the line so far is dropped
      m_line.clear();
      return;
    }
    if (!m_connected) Send(std::string(1, ch));  // command mode echoes
    if (ch != '\r') {
      m_line.push_back(ch);
      return;
    }
    const std::string line = m_line;
    m_line.clear();
    m_connected ? NodeLine(line) : CommandLine(line);
  }
  void CommandLine(const std::string& line) {
    if (line.rfind("C ", 0) == 0) {
      m_connected = true;
      Send("\r*** CONNECTED to " + line.substr(2) + "\r\r");
      Send("Welcome to the test node\rlogin: ");
      return;
    }
    Send("cmd:");
  }
  void NodeLine(const std::string& line) {
    if (line == "B") {
      m_connected = false;
      Send("73 de NODE\r\r*** DISCONNECTED\r\rcmd:");
      return;
    }
    if (line == "N0CALL") {
      Send("Hello N0CALL\r\r");
      Send("DX de W1AW:      14025.0  K1ABC        cw                             1200Z\r");
      Send("DX de DL1XX:     7005.0  JA1YYY       up 1                           1201Z\r");
      Send("N0CALL de NODE >\r");
    }
  }

  testing::PseudoTerminal m_pty;
  std::unique_ptr<QSocketNotifier> m_notifier;
  std::string m_received;
  std::string m_line;
  bool m_connected = false;
};

struct Rig {
  Rig() {
    settings.Interface = kInterfaceSerial;
    settings.TNCINI = "# start\r\nESC I N0CALL\r\n\r\nMON OFF";
    settings.TNCEXI = "ESC Q";
    links =
        std::make_unique<TelnetLinks>(LinkServices{settings, connections, timers, intake, presenter, texts});
    tnc = std::make_unique<TncLink>(TncServices{settings, ports, *links, presenter, texts, &messages});
  }
  bool Wait(const std::function<bool()>& done) { return testing::WaitUntil(done, 10000); }
  bool HasRow(const std::string& row) const {
    const auto& rows = intake.rows(1);
    return std::find(rows.begin(), rows.end(), row) != rows.end();
  }

  Settings settings;
  QtTimerFactory timers;
  QtTcpConnectionFactory connections;
  QtSerialPortFactory ports;
  testing::RecordingIntake intake;
  testing::RecordingPresenter presenter;
  testing::NumberedTexts texts;
  RecordingMessageBox messages;
  std::unique_ptr<TelnetLinks> links;
  std::unique_ptr<TncLink> tnc;
};

TEST(TncOnPtyTest, CarriesAClusterSessionToTerminal1) {
  testing::TestApplication();
  PtyTnc device;
  ASSERT_TRUE(device.ok());
  Rig rig;
  rig.settings.COMPortDevice = device.device();
  ASSERT_TRUE(rig.tnc->ConfigureAndOpen()) << rig.messages.shown().size();
  rig.tnc->SendTncText(rig.settings.TNCINI);
  ASSERT_TRUE(rig.Wait([&] { return device.received().find("MON OFF\r") != std::string::npos; }));
  EXPECT_EQ(device.received(), "\x18" + ESC + "I N0CALL\rMON OFF\r");

  ASSERT_TRUE(rig.tnc->Send("C NODE\r"));
  ASSERT_TRUE(rig.Wait([&] { return rig.intake.raw(1).find("login: ") != std::string::npos; }));
  ASSERT_TRUE(rig.tnc->Send("N0CALL\r"));
  ASSERT_TRUE(rig.Wait([&] { return rig.HasRow("N0CALL de NODE >"); }));
  ASSERT_TRUE(rig.tnc->Send("B\r"));
  ASSERT_TRUE(rig.Wait([&] { return rig.HasRow("*** DISCONNECTED"); }));

  for (const char* row :
       {"*** CONNECTED to NODE", "Welcome to the test node",
        // the prompt's row goes on with the node's answer, as typed
        // text is not echoed while connected
        "login: Hello N0CALL", "DX de W1AW:      14025.0  K1ABC        cw                             1200Z",
        "DX de DL1XX:     7005.0  JA1YYY       up 1                           1201Z"}) {
    EXPECT_TRUE(rig.HasRow(row)) << row;
  }
  // The empty lines around the status lines are squeezed out.
  for (const std::string& row : rig.intake.rows(1)) EXPECT_FALSE(row.empty());

  rig.tnc->SendTncText(rig.settings.TNCEXI);
  ASSERT_TRUE(rig.Wait([&] { return device.received().find(ESC + "Q\r") != std::string::npos; }));
}

TEST(TncOnPtyTest, APortClosedUnderTheProgramIsReportedOnceAndOpenedAgainByTheOperator) {
  testing::TestApplication();
  auto device = std::make_unique<PtyTnc>();
  ASSERT_TRUE(device->ok());
  Rig rig;
  rig.settings.COMPortDevice = device->device();
  ASSERT_TRUE(rig.tnc->ConfigureAndOpen());
  device->CloseAll();
  ASSERT_TRUE(rig.Wait([&] { return !rig.tnc->IsOpen(); }));
  testing::WaitUntil([] { return false; }, 100);
  EXPECT_EQ(rig.presenter.lines[1].size(), 1u);
  EXPECT_FALSE(rig.tnc->Send("SH/DX\r"));

  // The operator plugs in another adapter and confirms the options.
  PtyTnc second;
  rig.settings.COMPortDevice = second.device();
  ASSERT_TRUE(rig.tnc->ConfigureAndOpen());
  ASSERT_TRUE(rig.tnc->Send("X\r"));
  ASSERT_TRUE(rig.Wait([&] { return second.received() == "X\r"; }));
}

TEST(TncOnPtyTest, AMissingDeviceShowsTheErrorBox) {
  testing::TestApplication();
  Rig rig;
  rig.settings.COMPortDevice = "/dev/brilox-no-such-tty";
  EXPECT_FALSE(rig.tnc->ConfigureAndOpen());
  EXPECT_EQ(rig.messages.shown().size(), 1u);
}

}  // namespace
}  // namespace brilox
