// Transceiver control on real ports: the bytes of every family captured
// from pseudo-terminals for the table of spots (with the Icom and Elecraft
// waits on real timers), and a Hamlib transceiver behind a real
// `rigctld -m 1` (the dummy radio) tuned by a right-click and read back; a
// dead daemon and one that answers garbage end in a status text.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "links/cat_commands.h"
#include "links/cat_control.h"
#include "links/cat_spot_table.h"
#include "links/link_test_fakes.h"
#include "links/spot_row_click.h"
#include "platform/qt/qt_serial_port.h"
#include "platform/qt/qt_tcp_connection.h"
#include "platform/qt/qt_timer.h"
#include "support/pseudo_terminal.h"
#include "support/qt/local_cluster_node.h"

namespace brilox {
namespace {

using testing::SpotRow;

// The far end of a pseudo-terminal: every byte the program wrote.
class PtyCapture {
 public:
  const std::string& device() const { return m_pty.device(); }
  const std::string& Read() { return m_bytes += m_pty.ReadAvailable(); }
  void Clear() { m_bytes.clear(); }

 private:
  testing::PseudoTerminal m_pty;
  std::string m_bytes;
};

struct Rig {
  Rig() {
    cat = std::make_unique<CatControl>(
        CatServices{settings, ports, connections, timers, texts, &messages, nullptr,
                    [this](const std::string& text) { status.push_back(text); }});
  }
  Settings settings;
  QtTimerFactory timers;
  QtTcpConnectionFactory connections;
  QtSerialPortFactory ports;
  testing::NumberedTexts texts;
  RecordingMessageBox messages;
  std::vector<std::string> status;
  std::unique_ptr<CatControl> cat;
};

const auto kFixedPitch = [](std::string_view text) { return static_cast<int>(text.size()) * 8; };
constexpr int kOnFrequency = 8 * 20;  // x of a click on the frequency column

TEST(CatOnPtyTest, EveryFamilyWritesItsBytesForTheTableOfSpots) {
  testing::TestApplication();
  const auto spots = testing::CatSpots();
  for (const auto& family : testing::CatExpectedBytes()) {
    PtyCapture radio;
    Rig rig;
    rig.settings.Cat1.transceiver = family.family;
    rig.settings.Cat1.civ = family.civ;
    rig.settings.Cat1.max_mhz = 450;
    rig.settings.Cat1.device = radio.device();
    rig.cat->ConfigurePorts();
    ASSERT_TRUE(rig.messages.shown().empty()) << family.family;
    for (std::size_t i = 0; i < spots.size(); ++i) {
      rig.settings.CATmodeRTTY = spots[i].rtty;
      rig.settings.CATmodeDigi = spots[i].digi;
      radio.Clear();
      ASSERT_EQ(StringGridMouseDown(spots[i].row, kOnFrequency, kFixedPitch, false, false, rig.cat.get(), {}),
                SpotRowTarget::kFrequency);
      const std::string& want = family.bytes[i];
      testing::WaitUntil([&] { return radio.Read().size() >= want.size() && !rig.cat->waiting(); }, 5000);
      EXPECT_EQ(radio.Read(), want) << "family " << family.family << ", spot " << i;
    }
  }
}

std::string ToLowerCopy(std::string text) {
  for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return text;
}

// A free loopback port for a daemon the test starts.
int FreePort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

class RigctldProcess {
 public:
  RigctldProcess() {
    if (QStandardPaths::findExecutable("rigctld").isEmpty()) return;
    m_port = FreePort();
    m_process.start("rigctld", {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(m_port)});
    if (!m_process.waitForStarted(5000)) return;
    // Ready once it accepts a connection.
    for (int i = 0; i < 100 && !m_ready; ++i) {
      QTcpSocket probe;
      probe.connectToHost("127.0.0.1", static_cast<quint16>(m_port));
      m_ready = probe.waitForConnected(100);
      if (!m_ready) testing::WaitUntil([] { return false; }, 50);
    }
  }
  ~RigctldProcess() {
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) m_process.kill();
  }
  bool ready() const { return m_ready; }
  int port() const { return m_port; }
  // Asks the daemon itself: "f" and "m".
  std::string Query(const std::string& command) {
    QTcpSocket socket;
    socket.connectToHost("127.0.0.1", static_cast<quint16>(m_port));
    if (!socket.waitForConnected(2000)) return {};
    socket.write(command.c_str());
    std::string reply;
    while (std::count(reply.begin(), reply.end(), '\n') < (command == "m\n" ? 2 : 1) &&
           socket.waitForReadyRead(2000)) {
      reply += socket.readAll().toStdString();
    }
    return reply.substr(0, reply.find('\n'));
  }

 private:
  QProcess m_process;
  int m_port = 0;
  bool m_ready = false;
};

TEST(CatOnRigctldTest, ARightClickTunesTheDummyRadioAndReadsItBack) {
  testing::TestApplication();
  RigctldProcess daemon;
  if (QStandardPaths::findExecutable("rigctld").isEmpty()) GTEST_SKIP() << "rigctld is not installed";
  ASSERT_TRUE(daemon.ready());
  Rig rig;
  rig.settings.Cat1.transceiver = kCatHamlib;
  rig.settings.Cat1.rigctld_port = daemon.port();
  rig.cat->ConfigurePorts();
  struct Case {
    std::string row;
    std::string hz, mode;
  };
  const std::vector<Case> cases = {
      {SpotRow("W1AW", "14070.0", "ZS6DD", "PSK31"), "14069000", "PKTUSB"},
      {SpotRow("W1AW", "7005.5", "JA1YYY", ""), "7005500", "CW"},
      {SpotRow("W1AW", "14250.0", "VK2BBB", ""), "14250000", "USB"},
  };
  for (const Case& c : cases) {
    rig.status.clear();
    ASSERT_EQ(StringGridMouseDown(c.row, kOnFrequency, kFixedPitch, false, false, rig.cat.get(), {}),
              SpotRowTarget::kFrequency);
    ASSERT_TRUE(testing::WaitUntil([&] { return !rig.status.empty(); }, 10000));
    EXPECT_EQ(rig.status.back(), "TRX1: " + c.hz + " Hz " + c.mode);
    EXPECT_EQ(std::to_string(rig.cat->rigctld(1).confirmed_hz()), c.hz);
    EXPECT_EQ(daemon.Query("f\n"), c.hz);
    EXPECT_EQ(daemon.Query("m\n"), c.mode);
  }
}

TEST(CatOnRigctldTest, ADeadDaemonOrGarbageShowsInTheStatusAndNeverBlocks) {
  testing::TestApplication();
  QTcpServer garbage;
  ASSERT_TRUE(garbage.listen(QHostAddress::LocalHost, 0));
  std::vector<std::unique_ptr<QTcpSocket>> peers;
  std::string answer;
  QObject::connect(&garbage, &QTcpServer::newConnection, [&] {
    while (QTcpSocket* peer = garbage.nextPendingConnection()) {
      peer->write(answer.data(), static_cast<qint64>(answer.size()));
    }
  });
  struct Case {
    int port;
    std::string answer;
    std::string why;
  };
  const std::vector<Case> cases = {
      {FreePort(), "", "refused"},                                            // nobody listens
      {garbage.serverPort(), std::string(100000, 'x'), "unreadable answer"},  // no line end, ever
      {garbage.serverPort(), "RPRT 0\nRPRT 0\nfourteen MHz\n", "unexpected answer"},
      {garbage.serverPort(), "RPRT -11\n", "error -11"},
      {garbage.serverPort(), "RPRT 0\n", "no answer"},  // then silence
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.settings.Cat1.transceiver = kCatHamlib;
    rig.settings.Cat1.rigctld_port = c.port;
    rig.cat->ConfigurePorts();
    answer = c.answer;
    ASSERT_TRUE(rig.cat->TuneToSpot(SpotRow("W1AW", "14025.0", "K1ABC", ""), false, false));
    ASSERT_TRUE(testing::WaitUntil([&] { return !rig.status.empty(); }, 10000)) << c.why;
    EXPECT_NE(rig.status.back().find("TRX1 (rigctld 127.0.0.1:"), std::string::npos) << rig.status.back();
    EXPECT_NE(ToLowerCopy(rig.status.back()).find(c.why), std::string::npos) << rig.status.back();
  }
}

}  // namespace
}  // namespace brilox
