// Terminal 1 through real AGW engines: direwolf (started here with no sound
// hardware) takes the program's registration, gives its port list and ends
// a connect to an absent station with its disconnect; then two engines on a
// virtual radio channel carry a whole session, the far engine's API client
// acting as a cluster node whose login prompt and spots reach terminal 1
// and are rated by the spot pipeline.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <algorithm>
#include <memory>
#include <string>

#include "links/agw_frame.h"
#include "links/agw_link.h"
#include "links/link_test_fakes.h"
#include "links/telnet_links.h"
#include "platform/qt/qt_tcp_connection.h"
#include "platform/qt/qt_timer.h"
#include "spots/pipeline_test_support.h"
#include "support/qt/local_cluster_node.h"

namespace brilox {
namespace {

const std::string ESC(1, 27);

int FreeTcpPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

int FreeUdpPort() {
  QUdpSocket probe;
  probe.bind(QHostAddress::LocalHost, 0);
  return probe.localPort();
}

// Two different free UDP ports: both are held while the second is chosen.
std::pair<int, int> TwoFreeUdpPorts() {
  QUdpSocket first, second;
  first.bind(QHostAddress::LocalHost, 0);
  second.bind(QHostAddress::LocalHost, 0);
  return {first.localPort(), second.localPort()};
}

bool HaveDirewolf() { return !QStandardPaths::findExecutable("direwolf").isEmpty(); }

// A process that is done starting once it prints `ready_text`.
class Helper {
 public:
  // The output goes to `log` (a pipe nobody reads would fill and stop it).
  bool Start(const QString& program, const QStringList& arguments, const QString& ready_text,
             const QString& folder, const QString& log) {
    m_process.setWorkingDirectory(folder);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(log);
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(5000)) return false;
    QFile output(log);
    return testing::WaitUntil(
               [&] {
                 if (!output.isOpen()) (void)output.open(QIODevice::ReadOnly);
                 m_output += QString::fromLocal8Bit(output.readAll());
                 return m_output.contains(ready_text) || m_process.state() == QProcess::NotRunning;
               },
               15000) &&
           m_output.contains(ready_text);
  }
  ~Helper() {
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) m_process.kill();
  }

 private:
  QProcess m_process;
  QString m_output;
};

// One direwolf whose AGW API listens on a free loopback port; audio comes in
// on a UDP port and goes out to nothing, or into a pipe of the radio channel.
class Direwolf {
 public:
  Direwolf(const QString& folder, const QString& name, const QString& call, const QString& audio_out,
           int udp_port, const QString& extra = {})
      : m_port(FreeTcpPort()) {
    const QString conf = folder + "/" + name + ".conf";
    QFile file(conf);
    if (!file.open(QIODevice::WriteOnly)) return;
    const QString text = QString(
                             "ADEVICE udp:%1 %2\nACHANNELS 1\nARATE 11025\nCHANNEL 0\nMYCALL %3\nMODEM 1200\n"
                             "TXDELAY 30\nTXTAIL 10\nAGWPORT %4\nKISSPORT 0\n")
                             .arg(udp_port)
                             .arg(audio_out, call)
                             .arg(m_port) +
                         extra;
    file.write(text.toLatin1());
    file.close();
    m_ready = m_helper.Start("direwolf", {"-c", conf, "-t", "0", "-q", "h"}, "Ready to accept AGW client",
                             folder, folder + "/" + name + ".log");
  }
  bool ready() const { return m_ready; }
  int port() const { return m_port; }

 private:
  int m_port;
  Helper m_helper;
  bool m_ready = false;
};

// The program's side: the AGW link feeding terminal 1 of a spot pipeline.
class PipelineSink final : public ReceivedCharacterSink {
 public:
  explicit PipelineSink(LineIntake& intake) : m_intake(intake) {}
  bool busy() const override { return false; }
  void TraiteCharRecu(int terminal, char ch, bool flush_request) override {
    if (flush_request) m_intake.SetFlushRequest(terminal);
    m_intake.TraiteCharRecu(terminal, ch);
  }

 private:
  LineIntake& m_intake;
};

struct Program {
  explicit Program(int agw_port) {
    settings.Interface = kInterfaceAgw;
    settings.AGWPort = agw_port;
    SetMyCall(settings, "N0CALL");
    links =
        std::make_unique<TelnetLinks>(LinkServices{settings, connections, timers, sink, presenter, texts});
    agw = std::make_unique<AgwLink>(AgwServices{settings, connections, *links, presenter, texts, &messages});
  }
  bool Wait(const std::function<bool()>& done, int ms = 20000) { return testing::WaitUntil(done, ms); }
  bool Terminal1Has(const std::string& text) {
    for (const std::string& row : rig.Rows(WindowId::kTerminal1)) {
      if (row.find(text) != std::string::npos) return true;
    }
    return false;
  }

  testing::PipelineRig rig;
  PipelineSink sink{rig.pipeline->intake()};
  Settings settings;
  QtTimerFactory timers;
  QtTcpConnectionFactory connections;
  testing::RecordingPresenter presenter;
  testing::NumberedTexts texts;
  RecordingMessageBox messages;
  std::unique_ptr<TelnetLinks> links;
  std::unique_ptr<AgwLink> agw;
};

TEST(AgwOnDirewolfTest, RegistersReadsThePortsAndAConnectToAnAbsentStationEnds) {
  testing::TestApplication();
  if (!HaveDirewolf()) GTEST_SKIP() << "direwolf is not installed";
  QTemporaryDir folder;
  // A connect that gets no answer gives up after a few seconds.
  Direwolf engine(folder.path(), "single", "N0CALL-10", "null", FreeUdpPort(), "FRACK 1\nRETRY 2\n");
  ASSERT_TRUE(engine.ready());
  Program program(engine.port());
  program.agw->Start();
  ASSERT_TRUE(program.Wait([&] { return program.agw->registered(); }));
  ASSERT_TRUE(program.Wait([&] { return program.Terminal1Has("Port1 first soundcard mono"); }));
  EXPECT_EQ(program.agw->highest_port(), 0);

  program.agw->TraiteCommandeAGW(ESC + "C N0NODE\r");
  ASSERT_TRUE(program.Wait([&] { return program.Terminal1Has("*** DISCONNECTED RETRYOUT With N0NODE"); }));
  EXPECT_FALSE(program.agw->connected());
  EXPECT_EQ(program.agw->station(), "");
  EXPECT_TRUE(program.messages.shown().empty());
}

// The cluster node at the far end: an API client of the far engine.
class FarNode {
 public:
  explicit FarNode(int port) {
    QObject::connect(&m_socket, &QTcpSocket::readyRead, [this] {
      const QByteArray bytes = m_socket.readAll();
      m_reader.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                    [this](const AgwFrame& frame) { Take(frame); });
    });
    m_socket.connectToHost("127.0.0.1", static_cast<quint16>(port));
    m_socket.waitForConnected(5000);
    Send('X', "", "");
  }
  bool registered() const { return m_registered; }
  const std::string& heard() const { return m_heard; }

 private:
  void Send(char kind, const std::string& to, const std::string& data) {
    AgwFrame frame;
    frame.kind = kind;
    frame.pid = kind == 'D' ? 0xF0 : 0;
    frame.call_from = "N0NODE";
    frame.call_to = to;
    frame.data = data;
    const std::string bytes = EncodeAgwFrame(frame);
    m_socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  void Take(const AgwFrame& frame) {
    if (frame.kind == 'X') m_registered = !frame.data.empty() && frame.data[0] == 1;
    if (frame.kind == 'C') Send('D', frame.call_from, "N0NODE-11 DX cluster\rlogin: ");
    if (frame.kind != 'D') return;
    m_heard += frame.data;
    if (m_heard.find("N0CALL\r") != std::string::npos && !m_greeted) {
      m_greeted = true;
      Send('D', frame.call_from,
           "Hello N0CALL\r" + testing::FullSpotLine("DL1XX", "14025.0", "EA8ZZ", "cw") + "\r" +
               testing::FullSpotLine("F5XYZ", "7150.0", "3D2AA", "ssb") + "\rN0CALL de N0NODE >\r");
    }
  }

  QTcpSocket m_socket;
  AgwFrameReader m_reader;
  bool m_registered = false;
  bool m_greeted = false;
  std::string m_heard;
};

TEST(AgwOnDirewolfTest, TwoEnginesOnARadioChannelCarryAClusterSessionToTerminal1) {
  testing::TestApplication();
  if (!HaveDirewolf()) GTEST_SKIP() << "direwolf is not installed";
  if (QStandardPaths::findExecutable("python3").isEmpty()) GTEST_SKIP() << "python3 is not installed";
  QTemporaryDir folder;
  const auto [udp_a, udp_b] = TwoFreeUdpPorts();
  const QString pipe_a = folder.path() + "/a.pcm";
  const QString pipe_b = folder.path() + "/b.pcm";
  Helper channel;
  ASSERT_TRUE(channel.Start("python3",
                            {QString(BRILOX_TEST_DATA_DIR) + "/../support/radio/radio_channel.py", "11025",
                             pipe_a + ":" + QString::number(udp_a), pipe_b + ":" + QString::number(udp_b)},
                            "ready", folder.path(), folder.path() + "/channel.log"));
  // The engine keeps at most 29 characters of a device name: the pipes are
  // named relative to its working folder.
  Direwolf near(folder.path(), "near", "N0CALL-10", "file:a.pcm", udp_a);
  Direwolf far(folder.path(), "far", "N0NODE-11", "file:b.pcm", udp_b);
  ASSERT_TRUE(near.ready());
  ASSERT_TRUE(far.ready());

  FarNode node(far.port());
  Program program(near.port());
  program.agw->Start();
  ASSERT_TRUE(program.Wait([&] { return program.agw->registered() && node.registered(); }));

  program.agw->TraiteCommandeAGW(ESC + "C N0NODE\r");
  ASSERT_TRUE(program.Wait([&] { return program.agw->connected(); }, 30000)) << [&] {
    std::string all;
    for (const auto& row : program.rig.Rows(WindowId::kTerminal1)) all += row + "\n";
    return all + node.heard();
  }();
  EXPECT_EQ(program.presenter.label, "  N0NODE");
  ASSERT_TRUE(program.Wait([&] { return program.Terminal1Has("login: "); }, 30000));
  program.agw->SendData("N0CALL\r");
  ASSERT_TRUE(program.Wait([&] { return program.Terminal1Has("N0CALL de N0NODE >"); }, 30000));

  const std::vector<std::string> dx = program.rig.Rows(WindowId::kDx);
  ASSERT_EQ(dx.size(), 2u);
  EXPECT_NE(dx[0].find("EA8ZZ"), std::string::npos);
  EXPECT_NE(dx[1].find("3D2AA"), std::string::npos);
  ASSERT_EQ(program.rig.events.lines.size(), 2u);
  for (const auto& line : program.rig.events.lines) {
    EXPECT_EQ(line.terminal, 1);
    EXPECT_TRUE(line.tagged);  // rated: the row carries its needed level
    EXPECT_GE(line.tag, 1);
  }
  EXPECT_TRUE(program.Terminal1Has("*** CONNECTED With Station N0NODE"));
}

}  // namespace
}  // namespace brilox
