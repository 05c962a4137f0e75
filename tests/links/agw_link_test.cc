// Terminal 1 through the AGW engine's TCP/IP API on a fake connection: the
// frames each local command sends, what the engine's frames show and do,
// frames cut anywhere by TCP, and the bad inputs an engine can send.
#include "links/agw_link.h"

#include <gtest/gtest.h>

#include "core/language_text_ids.h"
#include "links/link_fixture.h"

namespace brilox {
namespace {

using testing::ESC;

AgwFrame Frame(char kind, const std::string& from, const std::string& to, const std::string& data,
               int port = 0) {
  AgwFrame frame;
  frame.port = static_cast<std::uint8_t>(port);
  frame.kind = kind;
  frame.call_from = from;
  frame.call_to = to;
  frame.data = data;
  return frame;
}

std::vector<AgwFrame> Decode(const std::string& bytes) {
  std::vector<AgwFrame> frames;
  AgwFrameReader reader;
  EXPECT_TRUE(reader.Feed(bytes, [&](const AgwFrame& f) { frames.push_back(f); }));
  EXPECT_EQ(reader.buffered(), 0u);
  return frames;
}

class AgwLinkTest : public testing::LinksFixture {
 protected:
  void SetUp() override {
    LinksFixture::SetUp();
    settings.Interface = kInterfaceAgw;
    SetMyCall(settings, "N0CALL");
    agw = std::make_unique<AgwLink>(AgwServices{settings, connections, *links, presenter, texts, &messages});
  }
  FakeTcpConnection& engine() { return connections.connection(kTerminalCount); }
  // Starts the link and lets the engine accept it, with two radio ports.
  void StartAndRegister() {
    agw->Start();
    engine().SimulateConnected();
    Engine(Frame('X', "N0CALL", "", std::string(1, '\1')));
    Engine(Frame('G', "", "", std::string("2;Port1 first soundcard mono;Port2 second;") + '\0'));
    engine().ClearSent();
  }
  void Engine(const AgwFrame& frame) {
    engine().SimulateReceive(EncodeAgwFrame(frame));
    RunForMs(5);
  }
  std::vector<AgwFrame> Sent() {
    auto frames = Decode(engine().sent());
    engine().ClearSent();
    return frames;
  }

  RecordingMessageBox messages;
  std::unique_ptr<AgwLink> agw;
};

TEST(AgwFrameTest, FramesSurviveAnyCutOfTheStream) {
  const std::vector<AgwFrame> frames = {Frame('D', "N0NODE-5", "N0CALL", "Hello\r", 1),
                                        Frame('G', "", "", ""), Frame('X', "N0CALL", "", "\1")};
  std::string stream;
  for (const AgwFrame& f : frames) stream += EncodeAgwFrame(f);
  for (std::size_t piece :
       {std::size_t{1}, std::size_t{5}, std::size_t{35}, std::size_t{37}, stream.size()}) {
    AgwFrameReader reader;
    std::vector<AgwFrame> got;
    for (std::size_t at = 0; at < stream.size(); at += piece) {
      ASSERT_TRUE(reader.Feed(std::string_view(stream).substr(at, piece),
                              [&](const AgwFrame& f) { got.push_back(f); }));
    }
    EXPECT_EQ(got, frames) << piece;
  }
  EXPECT_EQ(EncodeAgwFrame(Frame('C', "ABCDEFGHIJK", "N0NODE-11", "")).substr(8, 20),
            std::string("ABCDEFGHI\0N0NODE-11\0", 20));  // calls cut to nine characters
}

TEST(AgwFrameTest, AHugeLengthBreaksTheStreamWithoutHoldingIt) {
  AgwFrame frame = Frame('D', "A", "B", "");
  std::string bytes = EncodeAgwFrame(frame);
  bytes[28] = bytes[29] = bytes[30] = bytes[31] = '\xFF';
  AgwFrameReader reader;
  EXPECT_FALSE(reader.Feed(bytes + std::string(1000, 'x'), [](const AgwFrame&) { FAIL(); }));
  EXPECT_TRUE(reader.broken());
  EXPECT_EQ(reader.buffered(), 0u);
}

TEST_F(AgwLinkTest, StartRegistersTheCallAsksForThePortsAndShowsThem) {
  agw->Start();
  EXPECT_EQ(engine().opens().back().host, "127.0.0.1");
  EXPECT_EQ(engine().opens().back().port, "8000");
  engine().SimulateConnected();
  const auto sent = Sent();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0].kind, 'X');
  EXPECT_EQ(sent[0].call_from, "N0CALL");
  EXPECT_EQ(sent[1].kind, 'm');
  EXPECT_EQ(sent[2].kind, 'G');
  Engine(Frame('X', "N0CALL", "", "\1"));
  EXPECT_TRUE(agw->registered());
  Engine(Frame('G', "", "", std::string("2;Port1 first soundcard mono;Port2 second;") + '\0'));
  EXPECT_EQ(agw->highest_port(), 1);
  EXPECT_EQ(intake.rows(1), (std::vector<std::string>{"Port1 first soundcard mono", "Port2 second"}));
}

TEST_F(AgwLinkTest, ARefusedRegistrationAndAnAbsentEngineAreReported) {
  agw->Start();
  engine().SimulateConnected();
  Engine(Frame('X', "N0CALL", "", std::string(1, '\0')));
  EXPECT_FALSE(agw->registered());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "[" + std::to_string(kTextAgwRegistrationRefused) + "]");
  messages.Clear();
  agw->Start();
  engine().SimulateError(Status::Io("Connection refused"));
  engine().SimulateDisconnected();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_NE(messages.shown()[0].text.find("127.0.0.1:8000: Connection refused"), std::string::npos);
  agw->TraiteCommandeAGW(ESC + "C N0NODE\r");
  EXPECT_EQ(agw->station(), "");
}

TEST_F(AgwLinkTest, ConnectCommandsDirectAndThroughDigipeaters) {
  StartAndRegister();
  struct Case {
    std::string line;
    char kind;
    std::string to;
    std::string data;
    std::string station;
  };
  const std::vector<Case> cases = {
      {ESC + "C n0node-5\r", 'C', "N0NODE-5", "", "N0NODE-5"},
      {ESC + "c N0NODE v DIGI1 DIGI2\r", 'v', "N0NODE", std::string("\2DIGI1\0\0\0\0\0DIGI2\0\0\0\0\0", 21),
       "N0NODE DIGI1 DIGI2"},
      {ESC + "C N0NODE VIA RELAY\r", 'v', "N0NODE", std::string("\1RELAY\0\0\0\0\0", 11), "N0NODE RELAY"},
  };
  for (const Case& c : cases) {
    agw->TraiteCommandeAGW(c.line);
    const auto sent = Sent();
    ASSERT_EQ(sent.size(), 1u) << c.line;
    EXPECT_EQ(sent[0].kind, c.kind);
    EXPECT_EQ(sent[0].call_from, "N0CALL");
    EXPECT_EQ(sent[0].call_to, c.to);
    EXPECT_EQ(sent[0].data, c.data);
    EXPECT_EQ(agw->station(), c.station);
  }
  agw->TraiteCommandeAGW(ESC + "C \r");  // no call: nothing
  EXPECT_TRUE(Sent().empty());
}

TEST_F(AgwLinkTest, ASessionConnectsCarriesDataAndEnds) {
  StartAndRegister();
  agw->TraiteCommandeAGW(ESC + "C N0NODE\r");
  Sent();
  Engine(Frame('C', "N0NODE", "N0CALL", std::string("*** CONNECTED With Station N0NODE\r") + '\0'));
  EXPECT_TRUE(agw->connected());
  EXPECT_EQ(presenter.label, "  N0NODE");
  agw->SendData("SH/DX\r");
  const auto sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].kind, 'D');
  EXPECT_EQ(sent[0].pid, 0xF0);
  EXPECT_EQ(sent[0].call_to, "N0NODE");
  EXPECT_EQ(sent[0].data, "SH/DX\r");
  // Two lines in one data frame are two rows; monitor frames of the session
  // are not shown while it runs, unproto ones are.
  Engine(Frame('D', "N0NODE", "N0CALL", "DX de W1AW:  14025.0  K1ABC\rN0CALL de N0NODE >\r"));
  Engine(Frame('I', "N0NODE", "N0CALL", " 1:Fm N0NODE To N0CALL <I S0 R1>\rSH/DX\r"));
  Engine(Frame('U', "W1AW", "ID", " 1:Fm W1AW To ID <UI pid=F0 Len=4>\rW1AW\r"));
  agw->TraiteCommandeAGW(ESC + "D\r");
  EXPECT_EQ(Sent()[0].kind, 'd');
  EXPECT_EQ(agw->station(), "");
  Engine(Frame('d', "N0NODE", "N0CALL", std::string("*** DISCONNECTED From Station N0NODE\r") + '\0'));
  EXPECT_FALSE(agw->connected());
  EXPECT_EQ(presenter.label, "");
  EXPECT_EQ(intake.rows(1),
            (std::vector<std::string>{"Port1 first soundcard mono", "Port2 second",
                                      "*** CONNECTED With Station N0NODE", "DX de W1AW:  14025.0  K1ABC",
                                      "N0CALL de N0NODE >", " 1:Fm W1AW To ID <UI pid=F0 Len=4>", "W1AW",
                                      "*** DISCONNECTED From Station N0NODE"}));
  // Not connected, every frame shows.
  Engine(Frame('I', "N0NODE", "K1ABC", " 1:Fm N0NODE To K1ABC <I>\r"));
  EXPECT_EQ(intake.rows(1).back(), " 1:Fm N0NODE To K1ABC <I>");
}

// An incoming connect whose frame names no caller leaves no station: typed
// lines go nowhere instead of to a call read from nothing.
TEST_F(AgwLinkTest, AnIncomingConnectWithoutACallerLeavesNoStation) {
  StartAndRegister();
  Engine(Frame('C', "   ", "N0CALL", std::string("*** CONNECTED With Station\r") + '\0'));
  EXPECT_EQ(agw->station(), "");
  engine().ClearSent();
  agw->SendData("SH/DX\r");
  agw->TraiteCommandeAGW(ESC + "D\r");
  EXPECT_TRUE(Sent().empty());
}

TEST_F(AgwLinkTest, AConnectThatFailsLeavesNoStationToSendTo) {
  StartAndRegister();
  agw->TraiteCommandeAGW(ESC + "C N0NODE\r");
  Engine(Frame('d', "N0NODE", "N0CALL", std::string("*** DISCONNECTED RETRYOUT With N0NODE\r") + '\0'));
  EXPECT_EQ(agw->station(), "");
  engine().ClearSent();
  agw->SendData("SH/DX\r");
  EXPECT_TRUE(Sent().empty());
}

TEST_F(AgwLinkTest, ThePortCommandShowsOrChoosesThePort) {
  StartAndRegister();
  const std::string port = "[" + std::to_string(kTextRadioPort) + "]";
  const std::string none = "[" + std::to_string(kTextNoSuchRadioPort) + "]";
  struct Case {
    std::string line;
    std::string shown;
    int radio_port;
  };
  const std::vector<Case> cases = {
      {ESC + "S\r", port + ": 1", 0},   {ESC + "S 2\r", port + " --> 2", 1},
      {ESC + "s\r", port + ": 2", 1},   {ESC + "S9\r", none + ": 9", 1},
      {ESC + "S 0\r", none + ": 0", 1}, {ESC + "S1\r", port + " --> 1", 0},
  };
  for (const Case& c : cases) {
    agw->TraiteCommandeAGW(c.line);
    EXPECT_EQ(presenter.lines[1].back(), c.shown) << c.line;
    EXPECT_EQ(agw->radio_port(), c.radio_port) << c.line;
  }
  agw->TraiteCommandeAGW(ESC + "S 2\r");
  agw->TraiteCommandeAGW(ESC + "C N0NODE\r");
  EXPECT_EQ(Sent().back().port, 1);
  agw->TraiteCommandeAGW(ESC + "P\r");
  agw->TraiteCommandeAGW(ESC + "H\r");
  const auto sent = Sent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].kind, 'G');
  EXPECT_EQ(sent[1].kind, 'H');
}

TEST_F(AgwLinkTest, BadEngineInputClosesTheLinkWithALineAndNoCrash) {
  struct Case {
    std::string name;
    std::string bytes;
  };
  std::string huge = EncodeAgwFrame(Frame('D', "A", "B", ""));
  huge[31] = '\x7F';
  std::string junk(4096, '\0');
  for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 7919) % 251);
  const std::vector<Case> cases = {
      {"huge length", huge},
      {"junk", junk},
  };
  for (const Case& c : cases) {
    presenter.lines.clear();
    StartAndRegister();
    engine().SimulateReceive(c.bytes);
    RunForMs(5);
    EXPECT_FALSE(agw->registered()) << c.name;
    ASSERT_EQ(presenter.lines[1].size(), 1u) << c.name;
    EXPECT_NE(presenter.lines[1][0].find("unreadable frame"), std::string::npos);
    engine().CompleteClose();
    EXPECT_EQ(presenter.lines[1].size(), 1u) << c.name;
  }
  // A header cut short, then the engine goes away mid-frame.
  presenter.lines.clear();
  StartAndRegister();
  engine().SimulateReceive(EncodeAgwFrame(Frame('D', "N0NODE", "N0CALL", "partial data")).substr(0, 20));
  engine().SimulateDisconnected();
  ASSERT_EQ(presenter.lines[1].size(), 1u);
  EXPECT_NE(presenter.lines[1][0].find("connection closed"), std::string::npos);
  EXPECT_FALSE(agw->started());
}

TEST_F(AgwLinkTest, ALongLineGoesInFramesTheEngineAccepts) {
  StartAndRegister();
  agw->TraiteCommandeAGW(ESC + "C N0NODE\r");
  Engine(Frame('C', "N0NODE", "N0CALL", "*** CONNECTED\r"));
  Sent();
  agw->SendData(std::string(5000, 'a'));
  const auto sent = Sent();
  ASSERT_EQ(sent.size(), 3u);
  for (const AgwFrame& f : sent) EXPECT_LE(f.data.size(), kAgwMaxSendData);
}

}  // namespace
}  // namespace brilox
