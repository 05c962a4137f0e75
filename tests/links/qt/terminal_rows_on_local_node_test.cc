// What the operator's terminal window shows around a real node on
// 127.0.0.1, with the real line intake, window rows and command lines: the
// node's next line never glued to an echoed line or a notice, no second
// connection from a line typed while the first one comes up, and a connect
// command that cannot open says so in the terminal.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <string>
#include <vector>

#include "links/command_lines.h"
#include "links/link_test_fakes.h"
#include "links/telnet_links.h"
#include "platform/qt/qt_tcp_connection.h"
#include "platform/qt/qt_timer.h"
#include "spots/intake_test_support.h"
#include "spots/line_intake.h"
#include "support/qt/local_cluster_node.h"

namespace brilox {
namespace {

using testing::LocalClusterNode;

const std::string ESC(1, kEscapeCharacter);

class IntakeSink final : public ReceivedCharacterSink {
 public:
  explicit IntakeSink(LineIntake& intake) : m_intake(intake) {}
  bool busy() const override { return false; }
  void TraiteCharRecu(int terminal, char ch, bool flush_request) override {
    if (flush_request) m_intake.SetFlushRequest(terminal);
    m_intake.TraiteCharRecu(terminal, ch);
  }

 private:
  LineIntake& m_intake;
};

// Notices go into the terminal's rows, as the main window's presenter puts them.
class WindowPresenter final : public LinkPresenter {
 public:
  explicit WindowPresenter(WindowLineStores& windows) : m_windows(windows) {}
  int ShownTerminal() const override { return 2; }
  int CurrentTerminal() const override { return 2; }
  void AppendTerminalLine(int terminal, const std::string& text) override {
    m_windows.Terminal(terminal).AppendLine(text);
  }
  void FocusCommandLine(int) override {}
  void ShowConnectionLabel(const std::string&) override {}
  void ShowDirectoryStatus(const std::string& text) override { directory_status = text; }
  void SetDirectoryConnectButton(DirectoryButtonState, const std::string&) override {}
  std::string directory_status;

 private:
  WindowLineStores& m_windows;
};

class LinksSender final : public TerminalSender {
 public:
  explicit LinksSender(TelnetLinks*& links) : m_links(links) {}
  bool TncPortOpen() const override { return false; }
  void SendToTnc(const std::string&, TncRoomCheck) override {}
  bool AgwStationConnected() const override { return false; }
  void SendAgwData(const std::string&) override {}
  void TraiteCommandeAGW(const std::string&) override {}
  std::string AgwConnectionText() const override { return {}; }
  void TraiteCommandeWinSock(int n, const std::string& line) override {
    m_links->TraiteCommandeWinSock(n, line);
  }
  void EnvoieLigneWinSock(int n, const std::string& line) override {
    (void)m_links->EnvoieLigneWinSock(n, line);
  }
  bool IsConnected(int n) const override { return m_links->IsConnected(n); }
  std::string SessionName(int) const override { return {}; }

 private:
  TelnetLinks*& m_links;
};

struct TerminalRig {
  TerminalRig() {
    settings.Interface = 2;
    links = std::make_unique<TelnetLinks>(
        LinkServices{settings, connections, timers, sink, presenter, texts, nullptr, nullptr, nullptr});
    links_for_sender = links.get();
  }
  // Types `text` into command line 2 and presses Enter.
  void Type(const std::string& text) {
    CommandLineText line;
    line.Replace(text);
    (void)command_lines.FenTXKeyPress(2, '\r', false, line);
  }
  const LineStore& rows() { return windows.Terminal(2); }
  // The last row that reads `text`, -1 for none.
  int RowOf(const std::string& text) {
    for (int i = rows().row_count() - 1; i >= 0; --i) {
      if (rows().row(i) == text) return i;
    }
    return -1;
  }
  bool Wait(const std::function<bool()>& done) { return testing::WaitUntil(done); }

  Settings settings = testing::SettingsWithCall("K1ABC");
  WindowLineStores windows{settings};
  testing::RecordingLineHandler handler;
  LineIntake intake{settings, windows, handler};
  IntakeSink sink{intake};
  WindowPresenter presenter{windows};
  testing::NumberedTexts texts;
  QtTimerFactory timers;
  QtTcpConnectionFactory connections;
  std::unique_ptr<TelnetLinks> links;
  TelnetLinks* links_for_sender = nullptr;
  LinksSender sender{links_for_sender};
  CommandLines command_lines{settings, windows, sender};
};

// After a prompt without a line end the echo of the typed line, and after a
// drop in mid-line the not-connected notice, start rows of their own; the
// node's next line comes in a row of its own, with no echo tag.
TEST(TerminalRowsOnLocalNode, TheNodesNextLineIsNotGluedToAnEchoOrANotice) {
  TerminalRig rig;
  LocalClusterNode node;
  node.on_line = [&node](const std::string& line) {
    if (line == "sh/dx")
      node.Send(
          "DX de W1AW:      7074.0  PY2XX        FT8                            1200Z\r\nK1ABC de N0DXS-2 >");
  };
  rig.links->TraiteCommandeWinSock(2, ESC + "C 127.0.0.1:" + node.port() + "\r");
  ASSERT_TRUE(rig.Wait([&] { return rig.RowOf("login: ") >= 0; }));

  rig.Type("K1ABC");
  const std::string greeting = "K1ABC de N0DXS-2  5-Dec-2026 1200Z dxspider >";
  ASSERT_TRUE(rig.Wait([&] { return rig.RowOf(greeting) >= 0; }))
      << rig.rows().row(rig.rows().row_count() - 1);
  const int echo = rig.RowOf("K1ABC");
  ASSERT_GE(echo, 0);
  EXPECT_EQ(rig.rows().tag(echo), kTagEcho);
  EXPECT_EQ(rig.RowOf(greeting), echo + 1);
  EXPECT_EQ(rig.rows().tag(echo + 1), 0);

  // After a node prompt without a line end.
  rig.Type("sh/dx");
  ASSERT_TRUE(rig.Wait([&] { return rig.RowOf("K1ABC de N0DXS-2 >") >= 0; }));
  rig.Type("sh/wwv");
  node.Send("WWV de W0MU <18>:   SFI=150, A=5, K=1, No Storms -> No Storms\r\n");
  ASSERT_TRUE(rig.Wait(
      [&] { return rig.RowOf("WWV de W0MU <18>:   SFI=150, A=5, K=1, No Storms -> No Storms") >= 0; }));
  EXPECT_EQ(rig.rows().tag(rig.RowOf("sh/wwv")), kTagEcho);

  // A drop in mid-line, then a line typed on the closed link.
  node.Send("DX de W1AW:      7074.0  PY2");
  node.Drop();
  ASSERT_TRUE(rig.Wait([&] { return !rig.links->IsConnected(2); }));
  ASSERT_TRUE(rig.Wait([&] { return rig.RowOf("DX de W1AW:      7074.0  PY2") >= 0; }));
  rig.settings.Echo = false;
  rig.Type("sh/wwv");
  const std::string notice = "[157] (127.0.0.1:" + node.port() + ")";
  ASSERT_GE(rig.RowOf(notice), 0);
  ASSERT_TRUE(rig.Wait([&] { return node.connections() == 2 && rig.RowOf("login: ") > rig.RowOf(notice); }))
      << rig.rows().row(rig.rows().row_count() - 1);
  EXPECT_EQ(rig.RowOf("Hello, this is N0DXS-2 in Loopback"), rig.RowOf(notice) + 1);
}

// A line typed while the connection comes up, in every turn of the event
// loop until the link reports it, never opens a second connection.
TEST(TerminalRowsOnLocalNode, ALineTypedWhileConnectingOpensNoSecondConnection) {
  for (int round = 0; round < 5; ++round) {
    SCOPED_TRACE(round);
    TerminalRig rig;
    LocalClusterNode node;
    rig.links->TraiteCommandeWinSock(2, ESC + "C 127.0.0.1:" + node.port() + "\r");
    QDeadlineTimer deadline(10000);
    while (!rig.links->IsConnected(2) && !deadline.hasExpired()) {
      ASSERT_TRUE(rig.links->IsOpening(2)) << "neither opening nor connected";
      (void)rig.links->EnvoieLigneWinSock(2, "early\r");
      QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    ASSERT_TRUE(rig.links->IsConnected(2));
    ASSERT_TRUE(rig.Wait([&] { return rig.RowOf("login: ") >= 0; }));
    EXPECT_EQ(node.connections(), 1);
    EXPECT_TRUE(node.lines().empty()) << "nothing typed before the connect is sent";
  }
}

// Connect commands that cannot open: the reason shows in the terminal, which
// is always there, as well as in the directory's status line.
TEST(TerminalRowsOnLocalNode, AConnectCommandThatCannotOpenSaysSoInTheTerminal) {
  struct Case {
    std::string command;
    std::string row;
  };
  for (const Case& c :
       {Case{"C 127.0.0.1", "[158] (C 127.0.0.1)"}, Case{"C 127.0.0.1:notaport", "[158] (C 127.0.0.1:notaport)"},
        Case{"C 127.0.0.1:99999", "[158] (C 127.0.0.1:99999)"}, Case{"C :7300", "[158] (C :7300)"}}) {
    SCOPED_TRACE(c.command);
    TerminalRig rig;
    rig.links->TraiteCommandeWinSock(2, ESC + c.command + "\r");
    EXPECT_FALSE(rig.links->IsOpening(2));
    EXPECT_EQ(rig.RowOf(c.row), rig.rows().row_count() - 1);
    EXPECT_EQ(rig.presenter.directory_status, "[158]");
  }
}

}  // namespace
}  // namespace brilox
