// The telnet links on the real socket adapter against a cluster node that
// runs inside the test on 127.0.0.1: a whole session (login, spots in
// pieces, bulletins, mixed line ends, a drop in mid-line, the not-connected
// notice), negotiation, "b" and "q", recycling after MaxInactivity on the
// fake clock, and the bad inputs a node can send.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "links/link_commands.h"
#include "links/link_test_fakes.h"
#include "links/reconnect_supervisor.h"
#include "links/telnet_links.h"
#include "platform/clock.h"
#include "platform/manual_timer_queue.h"
#include "platform/qt/qt_tcp_connection.h"
#include "platform/qt/qt_timer.h"
#include "support/qt/local_cluster_node.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

using testing::LocalClusterNode;

const std::string ESC(1, kEscapeCharacter);
constexpr std::int64_t kMinute = ReconnectSupervisor::kTickMs;

enum class Timers { kReal, kFakeClock };

// The links wired as the program wires them, with recording stand-ins for
// the intake and the window.
struct Rig {
  explicit Rig(Timers kind) : kind(kind) {
    TimerFactory& timers = kind == Timers::kReal ? static_cast<TimerFactory&>(qt_timers) : manual;
    links = std::make_unique<TelnetLinks>(
        LinkServices{settings, connections, timers, intake, presenter, texts, &scripts, &directory, nullptr});
    supervisor = std::make_unique<ReconnectSupervisor>(*links, timers);
  }
  // Waits on the event loop; on the fake clock a millisecond passes per round,
  // so the receive drain keeps running.
  bool Wait(const std::function<bool()>& done, int deadline_ms = 10000) {
    return testing::WaitUntil(done, deadline_ms, [this] {
      if (kind == Timers::kFakeClock) manual.AdvanceMs(1);
    });
  }
  void Connect(int terminal, const LocalClusterNode& node) {
    links->TraiteCommandeWinSock(terminal, ESC + "C 127.0.0.1:" + node.port() + "\r");
    ASSERT_TRUE(Wait([&] { return links->IsConnected(terminal); }));
  }
  bool RowsContain(int terminal, const std::string& row) const {
    const auto& rows = intake.rows(terminal);
    return std::find(rows.begin(), rows.end(), row) != rows.end();
  }

  Timers kind;
  Settings settings;
  FakeClock clock;
  ManualTimerQueue manual{clock};
  QtTimerFactory qt_timers;
  QtTcpConnectionFactory connections;
  testing::RecordingIntake intake;
  testing::RecordingPresenter presenter;
  testing::NumberedTexts texts;
  testing::RecordingScriptRunner scripts;
  testing::FakeNodeDirectory directory;
  std::unique_ptr<TelnetLinks> links;
  std::unique_ptr<ReconnectSupervisor> supervisor;
};

// Sends `bytes` in pieces of the given sizes, each only after the client has
// taken the one before, so that every piece is a TCP segment of its own.
void SendInSegments(Rig& rig, LocalClusterNode& node, int terminal, const std::string& bytes,
                    const std::vector<std::size_t>& sizes) {
  std::size_t at = 0;
  for (std::size_t i = 0; at < bytes.size(); ++i) {
    const std::size_t size = std::min(sizes[i % sizes.size()], bytes.size() - at);
    const std::size_t before = rig.intake.count(terminal);
    node.Send(std::string_view(bytes).substr(at, size));
    at += size;
    ASSERT_TRUE(rig.Wait([&] { return rig.intake.count(terminal) == before + size; }));
  }
}

// Window rows of a recorded session: its lines without CR, LF and BEL.
std::vector<std::string> ExpectedRows(const std::string& session) {
  std::vector<std::string> rows(1);
  for (char c : session) {
    if (c == '\n') {
      rows.emplace_back();
    } else if (c != '\r' && c != '\a') {
      rows.back().push_back(c);
    }
  }
  if (rows.back().empty()) rows.pop_back();
  return rows;
}

TEST(LinksOnLocalNode, AWholeSession) {
  Rig rig(Timers::kReal);
  LocalClusterNode node;
  rig.presenter.shown_terminal = rig.presenter.current_terminal = 2;
  rig.links->SetNodeLabelFromName(2, "N0DXS-2");
  rig.Connect(2, node);
  EXPECT_EQ(rig.presenter.label, "  N0DXS-2");
  EXPECT_EQ(rig.presenter.directory_status, "[156] 127.0.0.1");

  // The login prompt shows although no line end follows it.
  ASSERT_TRUE(
      rig.Wait([&] { return !rig.intake.rows(2).empty() && rig.intake.rows(2).back() == "login: "; }));
  (void)rig.links->EnvoieLigneWinSock(2, "K1ABC\r");
  ASSERT_TRUE(rig.Wait([&] { return node.login() == "K1ABC"; }));
  ASSERT_TRUE(
      rig.Wait([&] { return rig.RowsContain(2, "login: K1ABC de N0DXS-2  5-Dec-2026 1200Z dxspider >"); }));

  // A recorded node session (spots, WWV, WCY, announcements, talk, all with
  // BEL BEL CR LF), then a capture with LF alone, cut into odd segments.
  const std::string recorded =
      testing::ReadTestData("cluster_traffic/dxspider_local_node_session.raw") +
      testing::ReadTestData("cluster_traffic/cluster2mqtt_G4BFG-9_sample_cluster_output.txt");
  const std::size_t before = rig.intake.count(2);
  const std::size_t rows_before = rig.intake.rows(2).size();
  SendInSegments(rig, node, 2, recorded, {7, 1, 33, 120, 2, 64, 500});
  EXPECT_EQ(rig.intake.raw(2).substr(before), recorded);  // byte for byte, line ends and bells kept
  const std::vector<std::string> rows(rig.intake.rows(2).begin() + static_cast<long>(rows_before),
                                      rig.intake.rows(2).end());
  std::vector<std::string> expected = ExpectedRows(recorded);
  expected.front() = rig.intake.rows(2)[rows_before];  // the first piece continues the prompt's row
  EXPECT_EQ(rows, expected);
  EXPECT_TRUE(
      rig.RowsContain(2, "DX de N0DXS:     14025.0  JA1XYZ       CW 599 loud                    1112Z"));
  EXPECT_TRUE(rig.RowsContain(2, "WCY de DK0WCY-2 <19> : K=2 expK=0 A=5 R=126 SFI=141 SA=eru GMF=qui Au=no"));

  // Typed lines reach the node, Enter alone as an empty line.
  (void)rig.links->EnvoieLigneWinSock(2, "sh/dx\r");
  (void)rig.links->EnvoieLigneWinSock(2, "\r");
  ASSERT_TRUE(rig.Wait([&] { return node.lines().size() >= 3; }));
  EXPECT_EQ(node.lines(), (std::vector<std::string>{"K1ABC", "sh/dx", ""}));

  // The node goes away in the middle of a spot.
  node.Send("DX de W1AW:      7074.0  PY2");
  node.Drop();
  ASSERT_TRUE(rig.Wait([&] { return !rig.links->IsConnected(2); }));
  ASSERT_TRUE(rig.Wait([&] { return rig.intake.rows(2).back() == "DX de W1AW:      7074.0  PY2"; }));
  EXPECT_EQ(rig.presenter.label, "");
  EXPECT_EQ(rig.presenter.directory_status, "[154]");
  const std::string address = "(127.0.0.1:" + node.port() + ")";
  EXPECT_EQ(rig.presenter.lines[2], std::vector<std::string>{"[154] " + address}) << "the terminal says so";

  // Typing on the closed link reopens it and tells the operator; the line
  // itself is not sent, and nothing is queued for later.
  (void)rig.links->EnvoieLigneWinSock(2, "sh/wwv\r");
  EXPECT_EQ(rig.presenter.lines[2], (std::vector<std::string>{"[154] " + address, "[157] " + address}));
  ASSERT_TRUE(rig.Wait([&] { return node.connections() == 2 && rig.links->IsConnected(2); }));
  (void)rig.links->EnvoieLigneWinSock(2, "K1ABC\r");
  ASSERT_TRUE(rig.Wait([&] { return node.lines().back() == "K1ABC"; }));
  EXPECT_EQ(std::count(node.lines().begin(), node.lines().end(), "sh/wwv"), 0);
}

TEST(LinksOnLocalNode, ANegotiatingNodeIsRefusedAndItsBytesNeverShow) {
  Rig rig(Timers::kFakeClock);
  LocalClusterNode::Behaviour behaviour;
  // WILL ECHO, WILL SGA, DO TTYPE, DO NAWS, as some node software opens.
  behaviour.negotiation = "\xff\xfb\x01\xff\xfb\x03\xff\xfd\x18\xff\xfd\x1f";
  LocalClusterNode node(behaviour);
  rig.Connect(3, node);
  ASSERT_TRUE(
      rig.Wait([&] { return !rig.intake.rows(3).empty() && rig.intake.rows(3).back() == "login: "; }));
  ASSERT_TRUE(rig.Wait([&] { return node.raw_input().size() >= 12; }));
  EXPECT_EQ(node.raw_input().substr(0, 12), "\xff\xfe\x01\xff\xfe\x03\xff\xfc\x18\xff\xfc\x1f");

  // Negotiation in the middle of the text, split over segments.
  const std::string spot = "DX de N0DXS:     14025.0  JA1XYZ       CW 599 \xff loud          1112Z\a\a\r\n";
  const std::string wire =
      "DX de N0DXS:     14025.0\xff\xfa\x18\x01\xff\xf0  JA1XYZ       CW 599 \xff\xff\xff\xfb"
      "\x05 loud          1112Z\a\a\r\n";
  const std::size_t before = rig.intake.count(3);
  node.Send(wire.substr(0, 26));
  ASSERT_TRUE(rig.Wait([&] { return rig.intake.count(3) >= before + 24; }));
  node.Send(wire.substr(26, 30));
  node.Send(wire.substr(56));
  ASSERT_TRUE(rig.Wait([&] { return rig.intake.count(3) == before + spot.size(); }));
  EXPECT_EQ(rig.intake.raw(3).substr(before), spot);
}

TEST(LinksOnLocalNode, ByeAndQuitEndTheReconnection) {
  Rig rig(Timers::kFakeClock);
  rig.supervisor->ApplyAutoReconnect();
  LocalClusterNode node2;
  LocalClusterNode node3;
  for (auto* node : {&node2, &node3}) {
    node->on_line = [node](const std::string& line) {
      if (line == "b" || line == "B" || line == "q" || line == "Q") node->Drop();  // the node says goodbye
    };
  }
  rig.Connect(2, node2);
  rig.Connect(3, node3);
  rig.links->OnScriptEnded(2, "node-login");
  rig.links->OnScriptEnded(3, "node-login");
  (void)rig.links->EnvoieLigneWinSock(2, "b\r");
  ASSERT_TRUE(rig.Wait([&] { return !rig.links->IsConnected(2); }));
  (void)rig.links->EnvoieLigneWinSock(3, "Q\r");
  ASSERT_TRUE(rig.Wait([&] { return !rig.links->IsConnected(3); }));
  rig.manual.AdvanceMs(30 * kMinute);
  EXPECT_TRUE(rig.scripts.runs.empty());
  EXPECT_EQ(node2.connections() + node3.connections(), 2);
}

TEST(LinksOnLocalNode, ASilentLinkIsRecycledAfterMaxInactivityMinutes) {
  Rig rig(Timers::kFakeClock);
  rig.settings.MaxInactivity = 15;
  rig.supervisor->ApplyAutoReconnect();
  LocalClusterNode node;
  // The login script connects again, as a real one starts.
  rig.scripts.on_run = [&](int terminal, const std::string&) {
    rig.links->TraiteCommandeWinSock(terminal, ESC + "C 127.0.0.1:" + node.port() + "\r");
  };
  // Spot processing resets the count for every broadcast line it handled.
  std::string row;
  rig.intake.on_character = [&](int terminal, char ch) {
    row.push_back(ch);
    if (ch != '\n') return;
    if (row.find("DX de ") != std::string::npos) rig.links->ResetInactivity(terminal);
    row.clear();
  };
  rig.Connect(2, node);
  rig.links->OnScriptEnded(2, "node-login");

  // Prompts and command replies are not broadcast lines: they keep nothing alive.
  for (int minute = 1; minute <= 15; ++minute) {
    node.Send("K1ABC de N0DXS-2  5-Dec-2026 1200Z dxspider >\r\n");
    ASSERT_TRUE(rig.Wait([&] { return rig.links->BufferedBytes(2) == 0 && rig.intake.count(2) > 0; }));
    rig.manual.AdvanceMs(kMinute);
  }
  EXPECT_EQ(rig.links->InactivityCount(2), 15);
  EXPECT_TRUE(node.has_client());
  EXPECT_EQ(rig.manual.ActiveCount(), 1);  // silence: nothing but the minute tick runs

  rig.manual.AdvanceMs(kMinute);  // the 16th minute
  ASSERT_TRUE(rig.Wait([&] { return node.connections() == 2 && rig.links->IsConnected(2); }));
  ASSERT_EQ(rig.scripts.runs.size(), 1u);
  EXPECT_EQ(rig.scripts.runs[0].terminal, 2);
  EXPECT_EQ(rig.scripts.runs[0].name, "node-login");
  rig.links->OnScriptEnded(2, "node-login");

  // With a spot every ten minutes the new connection stays.
  for (int minute = 1; minute <= 40; ++minute) {
    if (minute % 10 == 0) {
      node.Send("DX de K4VTE:     21142.3  VE6KIX                                      1829Z\a\a\r\n");
      ASSERT_TRUE(rig.Wait([&] { return rig.links->InactivityCount(2) == 0; }));
    }
    rig.manual.AdvanceMs(kMinute);
  }
  EXPECT_EQ(node.connections(), 2);
  EXPECT_EQ(rig.scripts.runs.size(), 1u);
}

TEST(LinksOnLocalNode, AFloodWithoutLineEndsKeepsMemoryBoundedAndTheLinkUsable) {
  Rig rig(Timers::kReal);
  LocalClusterNode node;
  rig.Connect(2, node);
  const std::size_t total = 8 * 1024 * 1024;
  const std::size_t start = node.sent_bytes();
  node.Flood("XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX", total);
  std::size_t peak = 0;
  bool sent_midway = false;
  ASSERT_TRUE(rig.Wait(
      [&] {
        peak = std::max(peak, rig.links->BufferedBytes(2));
        if (!sent_midway && rig.intake.count(2) > total / 2) {
          sent_midway = rig.links->EnvoieLigneWinSock(2, "sh/dx\r") != SendOutcome::kNotConnected;
        }
        return rig.intake.count(2) >= node.sent_bytes() - start && node.flood_done();
      },
      60000));
  // The buffer stops reading at its pause mark; one adapter delivery at most
  // comes on top.
  EXPECT_LE(peak, ReceiveBuffer::kPauseMark + 16 * 1024);
  EXPECT_EQ(rig.links->DroppedBytes(2), 0u);  // pushed back, not lost
  EXPECT_LE(rig.intake.longest_line(2), kDrainSliceBytes);
  ASSERT_TRUE(rig.Wait(
      [&] { return std::find(node.lines().begin(), node.lines().end(), "sh/dx") != node.lines().end(); }));
  EXPECT_TRUE(rig.links->IsConnected(2));
}

TEST(LinksOnLocalNode, IacStormsAndEightBitJunkAreSurvived) {
  Rig rig(Timers::kReal);
  LocalClusterNode node;
  rig.Connect(4, node);
  std::mt19937 random(7300);
  std::string junk(2 * 1024 * 1024, '\0');
  for (char& c : junk) {
    const unsigned pick = random() % 3;
    c = static_cast<char>(pick == 0 ? 255 : pick == 1 ? 250 + random() % 6 : random() % 256);
  }
  node.Flood(junk, junk.size());
  ASSERT_TRUE(rig.Wait([&] { return node.flood_done() && node.pending_output() == 0; }, 60000));
  // A clean line after the junk still arrives whole: whatever state the
  // junk left, "x IAC SE" ends it.
  const std::string line = "DX de N0DXS:     14025.0  JA1XYZ       CW 599 loud                    1112Z";
  node.Send("x\xff\xf0\r\n" + line + "\a\a\r\n");
  ASSERT_TRUE(rig.Wait([&] { return rig.RowsContain(4, line); }, 60000));
  EXPECT_LE(rig.intake.count(4), junk.size() + line.size() + 10);
  EXPECT_TRUE(rig.links->IsConnected(4));
  // Our refusals went to the node as well; the typed line follows them.
  (void)rig.links->EnvoieLigneWinSock(4, "sh/dx\r");
  ASSERT_TRUE(rig.Wait([&] { return !node.lines().empty() && node.lines().back().ends_with("sh/dx"); }));
}

}  // namespace
}  // namespace brilox
