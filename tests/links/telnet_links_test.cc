// The telnet links as the command lines and the main window use them:
// connect and disconnect commands, what the operator sees while a link
// changes state, sending with the room check, and the drain into the intake.
#include "links/telnet_links.h"

#include <gtest/gtest.h>

#include "links/link_fixture.h"

namespace brilox {
namespace {

using testing::ESC;
using Fixture = testing::LinksFixture;

class TelnetLinksTest : public Fixture {};

TEST_F(TelnetLinksTest, ConnectCommandOpensTheLinkAndTheConnectEventShowsTheNode) {
  presenter.shown_terminal = presenter.current_terminal = 2;
  links->SetNodeLabelFromName(2, "DXSPIDER-NODE-2");
  links->TraiteCommandeWinSock(2, ConnectCommand("dxc.example.org", "7300"));
  ASSERT_EQ(connection(2).opens().size(), 1u);
  EXPECT_EQ(connection(2).opens()[0].host, "dxc.example.org");
  EXPECT_EQ(connection(2).opens()[0].port, "7300");
  EXPECT_EQ(presenter.focused, std::vector<int>{2});
  EXPECT_FALSE(links->IsConnected(2));  // only the event connects
  EXPECT_TRUE(links->IsOpening(2));

  connection(2).SimulateConnected();
  EXPECT_TRUE(links->IsConnected(2));
  EXPECT_EQ(presenter.label, "  DXSPIDER-N");  // two blanks and the name, 12 in all
  EXPECT_EQ(presenter.directory_status, "[156] dxc.example.org");
  EXPECT_EQ(presenter.button, DirectoryButtonState::kDisconnect);
  EXPECT_EQ(presenter.button_caption, "[42]");

  // The same command while connected does nothing.
  links->TraiteCommandeWinSock(2, ConnectCommand("other.example.org", "23"));
  EXPECT_EQ(connection(2).opens().size(), 1u);
  EXPECT_EQ(links->host(2), "dxc.example.org");
}

TEST_F(TelnetLinksTest, ConnectEventLeavesTheLabelOfAnotherShownTerminal) {
  presenter.shown_terminal = presenter.current_terminal = 1;
  Connect(3);
  EXPECT_EQ(presenter.label, "(unset)");
}

struct FailedConnectCase {
  const char* name;
  std::string command;
  bool opens;  // an open is attempted (and fails at once)
};
void PrintTo(const FailedConnectCase& c, std::ostream* os) { *os << c.name; }

class FailedConnectTest : public Fixture, public ::testing::WithParamInterface<FailedConnectCase> {};

TEST_P(FailedConnectTest, ShowsTheDirectoryFailureAndKeepsTheLinkClosed) {
  presenter.button = DirectoryButtonState::kDisconnect;
  links->TraiteCommandeWinSock(2, GetParam().command);
  EXPECT_EQ(connection(2).opens().size(), GetParam().opens ? 1u : 0u);
  EXPECT_EQ(presenter.directory_status, "[158]");
  EXPECT_EQ(presenter.button, DirectoryButtonState::kConnect);
  EXPECT_EQ(presenter.button_caption, "[41]");
  EXPECT_FALSE(links->IsConnected(2));
  EXPECT_FALSE(links->IsOpening(2));
  EXPECT_EQ(presenter.focused, std::vector<int>{2});
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FailedConnectTest,
    ::testing::Values(FailedConnectCase{"WithoutColon", ESC + "C dxc.example.org 7300\r", false},
                      FailedConnectCase{"UnknownServiceName", ESC + "C dxc.example.org:nosuchport\r", true},
                      FailedConnectCase{"PortOutOfRange", ESC + "C dxc.example.org:99999\r", true},
                      FailedConnectCase{"EmptyHost", ESC + "C :7300\r", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TelnetLinksTest, AConnectWithoutPortKeepsTheLastAddress) {
  Connect(2, "dxc.example.org", "7300");
  Drop(2);
  links->TraiteCommandeWinSock(2, ESC + "C typo.example.org\r");
  EXPECT_EQ(links->host(2), "dxc.example.org");
  EXPECT_EQ(links->port(2), "7300");
}

TEST_F(TelnetLinksTest, DisconnectCommandClosesAndTheEventClearsTheLabel) {
  presenter.shown_terminal = presenter.current_terminal = 4;
  links->SetNodeLabelFromName(4, "NODE");
  Connect(4);
  EXPECT_EQ(presenter.label, "  NODE");
  presenter.focused.clear();
  links->TraiteCommandeWinSock(4, ESC + "d\r");
  EXPECT_EQ(connection(4).closes(), 1);
  EXPECT_TRUE(links->IsConnected(4));  // until the event
  EXPECT_EQ(presenter.focused, std::vector<int>{4});
  presenter.shown_terminal = 0;  // the operator looks at the DX window meanwhile
  connection(4).CompleteClose();
  EXPECT_FALSE(links->IsConnected(4));
  EXPECT_EQ(presenter.label, "");
  EXPECT_EQ(presenter.directory_status, "[154]");
  EXPECT_EQ(presenter.button_caption, "[41]");

  // On a closed link the command does nothing.
  links->TraiteCommandeWinSock(4, ESC + "D\r");
  EXPECT_EQ(connection(4).closes(), 1);
}

TEST_F(TelnetLinksTest, DisconnectCommandGivesUpAConnectionStillBeingMade) {
  links->TraiteCommandeWinSock(2, ConnectCommand("slow.example.org", "7300"));
  ASSERT_TRUE(links->IsOpening(2));
  links->TraiteCommandeWinSock(2, ESC + "D\r");
  EXPECT_EQ(connection(2).closes(), 1);
}

TEST_F(TelnetLinksTest, DisconnectEventOfAnotherTerminalLeavesTheLabel) {
  presenter.current_terminal = 1;
  Connect(2);
  presenter.label = "  MINE";
  Drop(2);
  EXPECT_EQ(presenter.label, "  MINE");
}

// The terminal buttons follow every change of a link with its address; a
// link that goes away, or an attempt that never comes up, leaves a line in
// its terminal.
TEST_F(TelnetLinksTest, EveryStateChangeReachesTheButtonAndADropIsWrittenInTheTerminal) {
  using State = testing::RecordingPresenter::StateShown;
  const std::string node = "dxc.example.org:7300";
  links->TraiteCommandeWinSock(2, ConnectCommand("dxc.example.org", "7300"));
  connection(2).SimulateConnected();
  Drop(2);
  EXPECT_EQ(
      presenter.states[2],
      (std::vector<State>{{LinkState::kConnecting, node}, {LinkState::kUp, node}, {LinkState::kDown, node}}));
  EXPECT_EQ(presenter.lines[2], std::vector<std::string>{"[154] (" + node + ")"});

  // A line typed on the dropped link reopens it; the node refuses this time.
  presenter.states.clear();
  EXPECT_EQ(links->EnvoieLigneWinSock(2, "sh/dx\r"), SendOutcome::kNotConnected);
  Drop(2);
  EXPECT_EQ(presenter.states[2],
            (std::vector<State>{{LinkState::kConnecting, node}, {LinkState::kDown, node}}));
  EXPECT_EQ(presenter.lines[2].back(), "[158] (" + node + ")");

  // A connect that cannot even start leaves the button down; other terminals hear nothing.
  presenter.states.clear();
  links->TraiteCommandeWinSock(3, ESC + "C dxc.example.org:99999\r");
  EXPECT_EQ(presenter.states[3], (std::vector<State>{{LinkState::kDown, "dxc.example.org:99999"}}));
  EXPECT_EQ(presenter.states.count(2), 0u);
}

TEST_F(TelnetLinksTest, LinesTravelWithCrLfAndByte255Doubled) {
  Connect(2);
  EXPECT_EQ(links->EnvoieLigneWinSock(2, "sh/dx\r"), SendOutcome::kSent);
  EXPECT_EQ(links->EnvoieLigneWinSock(2, "\r"), SendOutcome::kSent);  // Enter on an empty line
  EXPECT_EQ(links->EnvoieLigneWinSock(2, "talk \xff\r"), SendOutcome::kSent);
  EXPECT_EQ(connection(2).sent(), "sh/dx\r\n\r\ntalk \xff\xff\r\n");
}

TEST_F(TelnetLinksTest, SendingOnAClosedLinkReopensItAndShowsTheNotice) {
  Connect(3, "dxc.example.org", "7300");
  Drop(3);
  connection(3).ClearSent();
  EXPECT_EQ(links->EnvoieLigneWinSock(3, "sh/dx\r"), SendOutcome::kNotConnected);
  ASSERT_EQ(connection(3).opens().size(), 2u);
  EXPECT_EQ(connection(3).opens()[1].host, "dxc.example.org");
  EXPECT_EQ(connection(3).opens()[1].port, "7300");
  EXPECT_EQ(presenter.lines[3], (std::vector<std::string>{"[154] (dxc.example.org:7300)",  // the drop
                                                          "[157] (dxc.example.org:7300)"}));
  // The line is not queued: once the node answers, nothing of it goes out.
  connection(3).SimulateConnected();
  EXPECT_EQ(connection(3).sent(), "");

  // A second line while the first attempt still runs does not restart it.
  Drop(3);
  (void)links->EnvoieLigneWinSock(3, "a\r");
  (void)links->EnvoieLigneWinSock(3, "b\r");
  EXPECT_EQ(connection(3).opens().size(), 3u);
  EXPECT_EQ(presenter.lines[3].size(), 5u) << "two drops, three notices";
}

TEST_F(TelnetLinksTest, SendingOnALinkNeverUsedShowsTheNoticeOnly) {
  EXPECT_EQ(links->EnvoieLigneWinSock(2, "sh/dx\r"), SendOutcome::kNotConnected);
  EXPECT_TRUE(connection(2).opens().empty());
  EXPECT_EQ(presenter.lines[2], std::vector<std::string>{"[157] (:telnet)"});
}

TEST_F(TelnetLinksTest, ByeOrQuitAloneEndsTheAutomaticReconnection) {
  for (const std::string line : {"b\r", "Q\r"}) {
    Connect(2);
    links->SetReconnectScript(2, "login");
    links->SetNodeLabelFromName(2, "NODE");
    (void)links->EnvoieLigneWinSock(2, "bye\r");  // not the lone letter
    EXPECT_EQ(links->ReconnectScript(2), "login");
    (void)links->EnvoieLigneWinSock(2, line);
    EXPECT_EQ(links->ReconnectScript(2), "") << line;
    EXPECT_EQ(links->NodeLabel(2), "") << line;
    EXPECT_NE(connection(2).sent().find(line + "\n"), std::string::npos) << "the node still gets it";
    Drop(2);
  }
}

TEST_F(TelnetLinksTest, ALineWaitsForRoomWithoutHoldingTheWindowThread) {
  Connect(2);
  connection(2).SetOutputRoom(0);
  EXPECT_EQ(links->EnvoieLigneWinSock(2, "sh/dx\r"), SendOutcome::kQueued);
  EXPECT_EQ(links->EnvoieLigneWinSock(2, "sh/wwv\r"), SendOutcome::kQueued);
  // Meanwhile received text still reaches the intake.
  connection(2).SimulateReceive("DX de K1ABC: ...\n");
  RunForMs(500);
  EXPECT_EQ(intake.raw(2), "DX de K1ABC: ...\n");
  EXPECT_EQ(connection(2).sent(), "");
  // Room must exceed the line, not merely equal it.
  connection(2).SetOutputRoom(7);
  RunForMs(10);
  EXPECT_EQ(connection(2).sent(), "");
  connection(2).SetOutputRoom(100);
  RunForMs(10);
  EXPECT_EQ(connection(2).sent(), "sh/dx\r\nsh/wwv\r\n");  // in order
  EXPECT_EQ(links->telnet_link(2).waiting_bytes(), 0u);
  EXPECT_EQ(timers.ActiveCount(), 0);  // nothing left ticking
}

TEST_F(TelnetLinksTest, ALineThatNeverFindsRoomIsDroppedAfterAboutASecond) {
  Connect(2);
  connection(2).SetOutputRoom(0);
  (void)links->EnvoieLigneWinSock(2, "first\r");
  (void)links->EnvoieLigneWinSock(2, "second\r");
  RunForMs(TelnetLink::kSendRetryMs * (TelnetLink::kSendAttempts - 1) - 1);
  EXPECT_EQ(links->telnet_link(2).dropped_lines(), 0);
  RunForMs(1);  // the 101st attempt of the first line fails
  EXPECT_EQ(links->telnet_link(2).dropped_lines(), 1);
  // The second line then gets attempts of its own.
  connection(2).SetOutputRoom(100);
  RunForMs(10);
  EXPECT_EQ(connection(2).sent(), "second\r\n");
}

TEST_F(TelnetLinksTest, WaitingLinesGoWithTheConnectionAndTheQueueIsBounded) {
  Connect(2);
  connection(2).SetOutputRoom(0);
  int dropped = 0;
  for (int i = 0; i < 2000; ++i) {
    if (links->EnvoieLigneWinSock(2, "a line a text file might send\r") == SendOutcome::kDropped) ++dropped;
  }
  EXPECT_GT(dropped, 0);
  EXPECT_LE(links->telnet_link(2).waiting_bytes(), TelnetLink::kMaxWaitingBytes);
  Drop(2);
  EXPECT_EQ(links->telnet_link(2).waiting_bytes(), 0u);
  connection(2).SimulateConnected();
  connection(2).SetOutputRoom(3072);
  RunForMs(100);
  EXPECT_EQ(connection(2).sent(), "");  // nothing of the old session leaks into the new
}

TEST_F(TelnetLinksTest, NegotiationIsAnsweredAndNeverReachesTheText) {
  Connect(2);
  connection(2).SimulateReceive(std::string("\xff\xfd\x18\xff\xfb\x01login: ", 13));
  EXPECT_EQ(connection(2).sent(), std::string("\xff\xfc\x18\xff\xfe\x01", 6));
  RunForMs(1);
  EXPECT_EQ(intake.raw(2), "login: ");
}

TEST_F(TelnetLinksTest, ASpotInTwoSegmentsIsShownAtOnceAndContinuedInOneRow) {
  Connect(2);
  connection(2).SimulateReceive("DX de N0DXS:     14025.0  JA1XYZ ");
  RunForMs(1);
  EXPECT_EQ(intake.rows(2), std::vector<std::string>{"DX de N0DXS:     14025.0  JA1XYZ "});
  connection(2).SimulateReceive("      CW 599 loud    1112Z\a\a\r\n");
  RunForMs(1);
  EXPECT_EQ(intake.rows(2),
            std::vector<std::string>{"DX de N0DXS:     14025.0  JA1XYZ       CW 599 loud    1112Z"});
}

TEST_F(TelnetLinksTest, AFloodPausesTheLinkAndMemoryStaysBounded) {
  Connect(2);
  const std::string chunk(16 * 1024, 'x');  // no LF anywhere
  std::size_t peak = 0;
  for (int i = 0; i < 200; ++i) {
    // A fake keeps delivering even while paused, as a source that cannot be
    // paused would; the buffer still stays within its hard limit.
    connection(2).SimulateReceive(chunk);
    peak = std::max(peak, links->BufferedBytes(2));
  }
  EXPECT_TRUE(connection(2).paused());
  EXPECT_LE(peak, ReceiveBuffer::kHardLimit);
  EXPECT_GT(links->DroppedBytes(2), 0u);
  const std::size_t delivered = 200 * chunk.size() - links->DroppedBytes(2);
  while (links->BufferedBytes(2) > ReceiveBuffer::kResumeMark) RunForMs(1);
  EXPECT_FALSE(connection(2).paused());  // reading goes on once drained
  RunForMs(1000);
  EXPECT_EQ(intake.count(2), delivered);
  EXPECT_LE(intake.longest_line(2), kDrainSliceBytes);
}

TEST_F(TelnetLinksTest, TheSerialTncTextJoinsTheSameDrain) {
  links->SetBeforeDrain([](int terminal, std::span<char> pending) {
    if (terminal == 1 && !pending.empty() && pending[0] == '\n') pending[0] = '\0';
  });
  links->AppendReceivedText(1, "\ncmd:");
  RunForMs(1);
  EXPECT_EQ(intake.raw(1), std::string("\0cmd:", 5));
}

TEST_F(TelnetLinksTest, TheTapSeesTextAsItArrivesWithoutTheProtocol) {
  std::string seen;
  links->SetReceiveTap([&](int terminal, std::string_view text) {
    if (terminal == 2) seen.append(text);
  });
  Connect(2);
  connection(2).SimulateReceive(std::string("log\xff\xfb\x01in: ", 10));
  EXPECT_EQ(seen, "login: ");  // before any drain
  EXPECT_EQ(intake.count(2), 0u);
}

TEST_F(TelnetLinksTest, TheConnectionLabelOfATerminalIsItsNodeWhileConnected) {
  links->SetNodeLabelFromName(3, "N0DXS-2");
  EXPECT_EQ(links->ConnectionLabelFor(3), "");
  Connect(3);
  EXPECT_EQ(links->ConnectionLabelFor(3), "  N0DXS-2");
  Drop(3);
  EXPECT_EQ(links->ConnectionLabelFor(3), "");
}

TEST_F(TelnetLinksTest, CloseAllClosesOpenAndOpeningLinks) {
  Connect(1);
  links->TraiteCommandeWinSock(3, ConnectCommand("slow.example.org", "23"));
  links->CloseAll();
  EXPECT_EQ(connection(1).closes(), 1);
  EXPECT_EQ(connection(2).closes(), 0);
  EXPECT_EQ(connection(3).closes(), 1);
}

TEST_F(TelnetLinksTest, ScriptEndResetsTheInactivityOfAConnectedLinkOnly) {
  links->CountInactiveMinute(2);
  links->CountInactiveMinute(3);
  Connect(2);
  links->OnScriptEnded(2, "login");
  links->OnScriptEnded(3, "login3");
  EXPECT_EQ(links->ReconnectScript(2), "login");
  EXPECT_EQ(links->InactivityCount(2), 0);
  EXPECT_EQ(links->ReconnectScript(3), "login3");
  EXPECT_EQ(links->InactivityCount(3), 1);
}

// Quick connect, by interface and terminal.
struct QuickConnectCase {
  const char* name;
  int interface;
  int terminal;
  std::string entry;
  int telnet_opens;  // on the current terminal's link
  std::vector<std::string> tnc;
  std::vector<std::string> agw;
  std::string label;
  int script_runs;
};
void PrintTo(const QuickConnectCase& c, std::ostream* os) { *os << c.name; }

class QuickConnectTest : public Fixture, public ::testing::WithParamInterface<QuickConnectCase> {};

TEST_P(QuickConnectTest, GoesWhereTheInterfaceSays) {
  const QuickConnectCase& c = GetParam();
  settings.Interface = c.interface;
  settings.QuickConnect = c.entry;
  presenter.current_terminal = presenter.shown_terminal = c.terminal;
  directory.names["dxc.example.org"] = "VE7CC-1 cluster";
  links->QuickConnect();
  EXPECT_EQ(static_cast<int>(connection(c.terminal).opens().size()), c.telnet_opens);
  EXPECT_EQ(packet.tnc, c.tnc);
  EXPECT_EQ(packet.agw, c.agw);
  EXPECT_EQ(links->NodeLabel(c.terminal), c.label);
  ASSERT_EQ(static_cast<int>(scripts.runs.size()), c.script_runs);
  if (c.script_runs == 1) {
    EXPECT_EQ(scripts.runs[0].terminal, c.terminal);
    EXPECT_EQ(scripts.runs[0].name, "my-node");
  }
}

const std::string kQuickLine = ESC + "C dxc.example.org:7300\r";
INSTANTIATE_TEST_SUITE_P(
    Entries, QuickConnectTest,
    ::testing::Values(
        QuickConnectCase{
            "TelnetTerminalOne", 2, 1, "ESC C dxc.example.org:7300", 1, {}, {}, "  VE7CC-1 cl", 0},
        QuickConnectCase{"TerminalThree", 0, 3, "esc C dxc.example.org:7300", 1, {}, {}, "  VE7CC-1 cl", 0},
        QuickConnectCase{"HostNotInDirectory", 2, 2, "ESC C other.example.org:23", 1, {}, {}, "", 0},
        QuickConnectCase{"SerialTerminalOne", 0, 1, "ESC C dxc.example.org:7300", 0, {kQuickLine}, {}, "", 0},
        QuickConnectCase{"AgwTerminalOne", 1, 1, "ESC C dxc.example.org:7300", 0, {}, {kQuickLine}, "", 0},
        QuickConnectCase{"Script", 2, 2, "SCRIPT my-node", 0, {}, {}, "", 1},
        QuickConnectCase{"Empty", 2, 2, "", 0, {}, {}, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TelnetLinksTest, ConnectAtStartOnlyWithAutoConnect) {
  settings.QuickConnect = "ESC C dxc.example.org:7300";
  settings.AutoConnect = false;
  links->ConnectAtStart();
  EXPECT_TRUE(connection(1).opens().empty());
  settings.AutoConnect = true;
  links->ConnectAtStart();
  EXPECT_EQ(connection(1).opens().size(), 1u);
}

}  // namespace
}  // namespace brilox
