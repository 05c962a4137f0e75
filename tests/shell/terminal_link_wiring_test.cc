// The terminal side wired to the telnet links as the program wires it: a
// line typed on a command line goes out on its link, the node's text comes
// back through the drain and the line intake into the terminal window, and
// the links' labels and notices reach the window through the controller.
#include <gtest/gtest.h>

#include <memory>

#include "links/link_test_fakes.h"
#include "links/telnet_links.h"
#include "platform/fake_tcp_connection.h"
#include "platform/manual_timer_queue.h"
#include "shell/link_window_adapters.h"
#include "shell/main_window_fixture.h"

namespace brilox {
namespace {

class NoProcessing final : public LineHandler {
 public:
  void DecodeDX(int, LineInProgress&) override {}
  void DecodeWWV(int, LineInProgress&) override {}
  void DecodeANN(int, LineInProgress&) override {}
  void TraiteDX(int, LineInProgress& line) override { lines.push_back(line.decode_line.str()); }
  std::vector<std::string> lines;
};

// The links and the intake around the controller of the fixture; the
// fixture's recording sender is replaced by the links.
class TerminalLinkWiringTest : public testing::MainWindowFixture {
 protected:
  TerminalLinkWiringTest()
      : intake(settings, windows, handler, &controller),
        sink(intake),
        presenter(controller, windows),
        links(LinkServices{settings, connections, timers, sink, presenter, texts}),
        command_lines(settings, windows, link_sender) {}

  FakeTcpConnection& Connection(int n) { return connections.connection(n - 1); }
  void Type(int n, const std::string& text) {
    CommandLineText line;
    line.Replace(text);
    command_lines.FenTXKeyPress(n, '\r', false, line);
  }
  std::string LastRow(int n) { return windows.Terminal(n).row(windows.Terminal(n).row_count() - 1); }

  NoProcessing handler;
  LineIntake intake;
  IntakeCharacterSink sink;
  WindowLinkPresenter presenter;
  FakeClock link_clock;
  ManualTimerQueue timers{link_clock};
  FakeTcpConnectionFactory connections;
  TelnetLinks links;
  LinksTerminalSender link_sender{links, nullptr};
  CommandLines command_lines;
};

TEST_F(TerminalLinkWiringTest, TypedLinesGoOutAndNodeTextComesBack) {
  controller.ShowTerminal(2);
  Type(2,
       "\x1b"
       "C dxc.example.org:7300");
  ASSERT_EQ(Connection(2).opens().size(), 1u);
  EXPECT_EQ(Connection(2).opens()[0].host, "dxc.example.org");
  Connection(2).SimulateConnected();
  EXPECT_TRUE(link_sender.IsConnected(2));

  Type(2, "F5XYZ");
  EXPECT_NE(Connection(2).sent().find("F5XYZ\r"), std::string::npos);
  EXPECT_EQ(LastRow(2), "F5XYZ") << "the echo";

  Connection(2).SimulateReceive(
      "Hello F5XYZ\r\nDX de K1ABC:     14025.0  F6ABC        cq              1200Z\a\a\r\n");
  timers.AdvanceMs(5);
  EXPECT_EQ(LastRow(2), "DX de K1ABC:     14025.0  F6ABC        cq              1200Z");
  EXPECT_EQ(view.focus, FocusTarget::CommandLine(2)) << "a received line calls the focus back";

  // A prompt without its line end shows at the end of the chunk.
  Connection(2).SimulateReceive("dxc >");
  timers.AdvanceMs(5);
  EXPECT_EQ(LastRow(2), "dxc >");
}

TEST_F(TerminalLinkWiringTest, PresenterFollowsTheViewOnShow) {
  controller.ShowTerminal(3);
  EXPECT_EQ(presenter.ShownTerminal(), 3);
  EXPECT_EQ(presenter.CurrentTerminal(), 3);
  controller.ShowView('D');
  EXPECT_EQ(presenter.ShownTerminal(), 0);
  EXPECT_EQ(presenter.CurrentTerminal(), 3);

  presenter.ShowConnectionLabel("  GB7DXC");
  EXPECT_EQ(view.connection_label, "  GB7DXC");

  settings.MaxLines.terminal = 100;
  windows.ApplySettings(settings);
  for (int i = 0; i < 150; ++i) presenter.AppendTerminalLine(4, "notice " + std::to_string(i));
  EXPECT_LE(windows.Terminal(4).row_count(), 100);
  EXPECT_EQ(LastRow(4), "notice 149");
}

TEST_F(TerminalLinkWiringTest, SendingOnAClosedLinkShowsTheLinksNotice) {
  controller.ShowTerminal(2);
  const int rows_before = windows.Terminal(2).row_count();
  Type(2, "SH/DX");
  EXPECT_GT(windows.Terminal(2).row_count(), rows_before) << "echo and the not-connected notice";
  EXPECT_EQ(Connection(2).sent(), "");
}

// Terminal 1 on the serial TNC: Enter on an empty line sends a lone CR that
// skips the room check; any other line waits for room.
TEST(TncRoomCheckWiringTest, TheLoneCrSkipsTheRoomCheckOnItsWayToTheTnc) {
  class Packet final : public PacketLinks {
   public:
    bool TncPortOpen() const override { return true; }
    bool AgwStationConnected() const override { return false; }
    void SendToTnc(const std::string& text, TncRoomCheck check) override { sent.push_back({text, check}); }
    void TraiteCommandeAGW(const std::string&) override {}
    void SendAgwData(const std::string&) override {}
    std::string AgwConnectionText() const override { return {}; }
    std::vector<std::pair<std::string, TncRoomCheck>> sent;
  } packet;
  Settings settings;
  settings.Interface = 0;
  WindowLineStores windows(settings);
  FakeClock clock;
  ManualTimerQueue timers{clock};
  FakeTcpConnectionFactory connections;
  NoProcessing handler;
  LineIntake intake(settings, windows, handler);
  IntakeCharacterSink sink(intake);
  testing::RecordingPresenter presenter;
  testing::NumberedTexts texts;
  TelnetLinks links(LinkServices{settings, connections, timers, sink, presenter, texts});
  LinksTerminalSender sender(links, &packet);
  CommandLines lines(settings, windows, sender);
  for (const std::string& typed : {std::string(), std::string("sh/dx")}) {
    CommandLineText line;
    line.Replace(typed);
    (void)lines.FenTXKeyPress(1, '\r', false, line);
  }
  using Sent = std::pair<std::string, TncRoomCheck>;
  EXPECT_EQ(packet.sent,
            (std::vector<Sent>{{"\r", TncRoomCheck::kAlways}, {"sh/dx\r", TncRoomCheck::kWhenRoom}}));
}

}  // namespace
}  // namespace brilox
