// The connect command and the quick-connect entry decide where a link goes;
// a wrong cut sends the operator to a wrong host or port.
#include "links/link_commands.h"

#include <gtest/gtest.h>

namespace brilox {
namespace {

const std::string ESC(1, kEscapeCharacter);

struct ConnectCase {
  const char* name;
  std::string line;
  bool has_port;
  std::string host;
  std::string port;
};
void PrintTo(const ConnectCase& c, std::ostream* os) { *os << c.name; }

class ParseConnectCommandTest : public ::testing::TestWithParam<ConnectCase> {};

TEST_P(ParseConnectCommandTest, Parses) {
  const ConnectCase& c = GetParam();
  EXPECT_EQ(ClassifyLocalCommand(c.line), LocalCommand::kConnect);
  const ConnectTarget target = ParseConnectCommand(c.line);
  EXPECT_EQ(target.has_port, c.has_port);
  EXPECT_EQ(target.host, c.host);
  EXPECT_EQ(target.port, c.port);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseConnectCommandTest,
    ::testing::Values(
        ConnectCase{"HostAndPort", ESC + "C dxc.example.org:7300\r", true, "dxc.example.org", "7300"},
        ConnectCase{"LowerCaseLetter", ESC + "c 10.0.0.7:23\r", true, "10.0.0.7", "23"},
        ConnectCase{"ServiceName", ESC + "C node:telnet\r", true, "node", "telnet"},
        ConnectCase{"ThirdCharacterIsSkippedWhateverItIs", ESC + "CXnode:23\r", true, "node", "23"},
        ConnectCase{"BlanksAroundAreRemoved", ESC + "C  node : 7373 \r", true, "node", "7373"},
        ConnectCase{"NoColonNamesNoPort", ESC + "C node\r", false, "", ""},
        ConnectCase{"EmptyHost", ESC + "C :7300\r", true, "", "7300"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClassifyLocalCommand, NeedsTheEscapeCharacterFirst) {
  EXPECT_EQ(ClassifyLocalCommand(ESC + "D\r"), LocalCommand::kDisconnect);
  EXPECT_EQ(ClassifyLocalCommand(ESC + "d\r"), LocalCommand::kDisconnect);
  EXPECT_EQ(ClassifyLocalCommand(ESC + "X\r"), LocalCommand::kNone);
  EXPECT_EQ(ClassifyLocalCommand("C node:23\r"), LocalCommand::kNone);
  EXPECT_EQ(ClassifyLocalCommand(ESC), LocalCommand::kNone);
}

struct QuickCase {
  const char* name;
  std::string entry;
  QuickConnectPlan::Kind kind;
  std::string script;
  std::string line;
  std::string host;
};
void PrintTo(const QuickCase& c, std::ostream* os) { *os << c.name; }

class ParseQuickConnectTest : public ::testing::TestWithParam<QuickCase> {};

TEST_P(ParseQuickConnectTest, Parses) {
  const QuickCase& c = GetParam();
  const QuickConnectPlan plan = ParseQuickConnect(c.entry);
  EXPECT_EQ(plan.kind, c.kind);
  EXPECT_EQ(plan.script, c.script);
  EXPECT_EQ(plan.line, c.line);
  EXPECT_EQ(plan.host, c.host);
}

using K = QuickConnectPlan::Kind;
INSTANTIATE_TEST_SUITE_P(
    Entries, ParseQuickConnectTest,
    ::testing::Values(QuickCase{"Empty", "", K::kNothing, "", "", ""},
                      QuickCase{"Script", "SCRIPT  dxspider-login ", K::kScript, "dxspider-login", "", ""},
                      QuickCase{"ScriptAnyCase", "script k1abc", K::kScript, "k1abc", "", ""},
                      QuickCase{"EscWithBlank", "ESC C dxc.example.org:7300", K::kCommand, "",
                                ESC + "C dxc.example.org:7300\r", "dxc.example.org"},
                      QuickCase{"EscWithoutBlank", "escC node:23", K::kCommand, "", ESC + "C node:23\r",
                                "node"},
                      QuickCase{"NoColonNoHost", "ESC C node", K::kCommand, "", ESC + "C node\r", ""},
                      QuickCase{"EscAloneIsNotReplaced", "ESC", K::kCommand, "", "ESC\r", ""},
                      QuickCase{"CutToEightyCharacters", "ESC C " + std::string(80, 'h') + ":23", K::kCommand,
                                "", ESC + "C " + std::string(74, 'h') + "\r", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IsByeOrQuit, OnlyTheLoneLetterWithCr) {
  EXPECT_TRUE(IsByeOrQuit("b\r"));
  EXPECT_TRUE(IsByeOrQuit("B\r"));
  EXPECT_TRUE(IsByeOrQuit("q\r"));
  EXPECT_TRUE(IsByeOrQuit("Q\r"));
  EXPECT_FALSE(IsByeOrQuit("bye\r"));
  EXPECT_FALSE(IsByeOrQuit("b \r"));
  EXPECT_FALSE(IsByeOrQuit("b"));
  EXPECT_FALSE(IsByeOrQuit("\r"));
}

}  // namespace
}  // namespace brilox
