// The command lines: which typed characters are refused, Escape, what Enter
// sends on each kind of link, the echo and the per-terminal history.
#include "links/command_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "spots/line_class.h"
#include "support/recording_terminal_sender.h"

namespace brilox {
namespace {

using Sent = testing::RecordingTerminalSender::Sent;

class CommandLinesTest : public ::testing::Test {
 protected:
  CommandLinesTest() : windows(settings), lines(settings, windows, sender) {}

  // Types `text` and Enter on command line n.
  void SendLine(int n, const std::string& text) {
    CommandLineText line;
    line.Replace(text);
    EXPECT_EQ(lines.FenTXKeyPress(n, '\r', false, line), KeyPressOutcome::kLineChanged);
    EXPECT_EQ(line.text, "");
  }

  Settings settings;
  WindowLineStores windows;
  testing::RecordingTerminalSender sender;
  CommandLines lines;
};

struct KeyCase {
  const char* name;
  char ch;
  bool ctrl;
  std::string language;
  KeyPressOutcome outcome;
};

class KeyPressTest : public CommandLinesTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyPressTest, DecidesWhatTheEditFieldTypes) {
  settings.Language = GetParam().language;
  CommandLineText line;
  line.Replace("abc");
  line.caret = 1;
  EXPECT_EQ(lines.FenTXKeyPress(2, GetParam().ch, GetParam().ctrl, line), GetParam().outcome);
  EXPECT_TRUE(sender.sent.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyPressTest,
    ::testing::Values(KeyCase{"PlainLetter", 'a', false, "ENU", KeyPressOutcome::kTypeAsUsual},
                      KeyCase{"CtrlLetterIsRefused", 1, true, "ENU", KeyPressOutcome::kSwallowed},
                      KeyCase{"CtrlZIsRefused", 26, true, "ENU", KeyPressOutcome::kSwallowed},
                      KeyCase{"CtrlVKeepsItsPaste", 22, true, "ENU", KeyPressOutcome::kTypeAsUsual},
                      KeyCase{"BackspaceWithoutCtrl", 8, false, "ENU", KeyPressOutcome::kTypeAsUsual},
                      KeyCase{"CtrlWithAPrintableCharacter", 'x', true, "ENU", KeyPressOutcome::kTypeAsUsual},
                      KeyCase{"HighByteOutsideJapanese", static_cast<char>(0xE9), false, "ENU",
                              KeyPressOutcome::kTypeAsUsual},
                      KeyCase{"HighByteInJapanese", static_cast<char>(0xA5), false, "JPN",
                              KeyPressOutcome::kSwallowed},
                      KeyCase{"AsciiInJapanese", 'k', false, "JPN", KeyPressOutcome::kTypeAsUsual}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(CommandLinesTest, EscapeGoesToTheEndWhereverTheCaretIs) {
  CommandLineText line;
  line.Replace("C host:23");
  line.caret = 2;
  EXPECT_EQ(lines.FenTXKeyPress(1, kEscapeCharacter, false, line), KeyPressOutcome::kLineChanged);
  EXPECT_EQ(line.text, "C host:23\x1b");
  EXPECT_EQ(line.caret, line.text.size());
}

TEST_F(CommandLinesTest, JapaneseLeadByteSwallowsItsTrailByte) {
  settings.Language = "JPN";
  CommandLineText line;
  EXPECT_EQ(lines.FenTXKeyPress(1, static_cast<char>(0x82), false, line), KeyPressOutcome::kSwallowed);
  EXPECT_EQ(lines.FenTXKeyPress(1, 'A', false, line), KeyPressOutcome::kSwallowed) << "trail byte";
  EXPECT_EQ(lines.FenTXKeyPress(1, 'B', false, line), KeyPressOutcome::kTypeAsUsual);
  // A single-byte katakana (0xA0-0xDF) is refused but marks nothing.
  EXPECT_EQ(lines.FenTXKeyPress(1, static_cast<char>(0xB1), false, line), KeyPressOutcome::kSwallowed);
  EXPECT_EQ(lines.FenTXKeyPress(1, 'C', false, line), KeyPressOutcome::kTypeAsUsual);
}

// Text as Qt types it (UTF-8, whole characters, from keys or an input
// method), judged by the bytes the field will send.
TEST_F(CommandLinesTest, TypedTextIsJudgedByTheBytesTheFieldWillSend) {
  struct Case {
    std::string language;
    std::string utf8;
    KeyPressOutcome outcome;
  };
  using O = KeyPressOutcome;
  for (const Case& c : {
           Case{"ENU", "a", O::kTypeAsUsual},
           Case{"ENU", "\xC3\xA9", O::kTypeAsUsual},      // é: one Latin-1 byte
           Case{"ENU", "\xC3\xBF", O::kTypeAsUsual},      // ÿ
           Case{"ENU", "\xE6\x97\xA5", O::kSwallowed},    // 日: no Latin-1 byte, not "?"
           Case{"ENU", "\xE2\x82\xAC", O::kSwallowed},    // €
           Case{"ENU", "ab\xE6\x97\xA5", O::kSwallowed},  // input-method text, one character too many
           Case{"ENU", "\xC3", O::kSwallowed},            // not UTF-8
           Case{"JPN", "k", O::kTypeAsUsual},
           Case{"JPN", "sh/dx", O::kTypeAsUsual},                   // an input method's ASCII commit
           Case{"JPN", "\xE6\x97\xA5", O::kSwallowed},              // 日: a double-byte character
           Case{"JPN", "\xEF\xBD\xB1", O::kSwallowed},              // half-width katakana: one byte above 127
           Case{"JPN", "\xC3\xA9", O::kSwallowed},                  // é: no Shift-JIS bytes
           Case{"JPN", "\xE3\x81\x82\xE3\x81\x84", O::kSwallowed},  // あい committed at once
       }) {
    SCOPED_TRACE(c.language + " " + c.utf8);
    settings.Language = c.language;
    EXPECT_EQ(lines.FenTXTypedText(1, c.utf8), c.outcome);
  }
}

TEST_F(CommandLinesTest, ARefusedLatinLetterInJapaneseLeavesTheNextKeyAlone) {
  settings.Language = "JPN";
  EXPECT_EQ(lines.FenTXTypedText(1, "\xC3\xA9"), KeyPressOutcome::kSwallowed);
  EXPECT_EQ(lines.FenTXTypedText(1, "b"), KeyPressOutcome::kTypeAsUsual);
  CommandLineText line;
  EXPECT_EQ(lines.FenTXKeyPress(1, 'c', false, line), KeyPressOutcome::kTypeAsUsual);
}

struct EnterCase {
  const char* name;
  int terminal;
  int interface_setting;
  bool agw_connected;
  std::string typed;
  std::vector<Sent> sent;
  int history_count;
};

class EnterTest : public CommandLinesTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterTest, SendsOnTheTerminalsLink) {
  const EnterCase& c = GetParam();
  settings.Interface = c.interface_setting;
  sender.agw_connected = c.agw_connected;
  SendLine(c.terminal, c.typed);
  EXPECT_EQ(sender.sent, c.sent);
  EXPECT_EQ(lines.history(c.terminal).count(), c.history_count);
  const std::string expected_transmit = c.typed + "\r";
  EXPECT_EQ(lines.transmit_line(), expected_transmit);
}

INSTANTIATE_TEST_SUITE_P(
    Links, EnterTest,
    ::testing::Values(EnterCase{"TelnetLine", 2, 0, false, "SH/DX", {{"telnet", 2, "SH/DX\r"}}, 1},
                      EnterCase{"TelnetEmptyLineIsALoneCr", 3, 2, false, "", {{"telnet", 3, "\r"}}, 0},
                      EnterCase{"TelnetLocalCommand",
                                4,
                                2,
                                false,
                                "\x1b"
                                "C dxc.example.net:7300",
                                {{"telnet-command", 4,
                                  "\x1b"
                                  "C dxc.example.net:7300\r"}},
                                1},
                      EnterCase{"TerminalOneOnTelnet", 1, 2, false, "bye", {{"telnet", 1, "bye\r"}}, 1},
                      EnterCase{"AgwLocalCommand",
                                1,
                                1,
                                false,
                                "\x1b"
                                "D",
                                {{"agw-command", 1,
                                  "\x1b"
                                  "D\r"}},
                                1},
                      EnterCase{"AgwNotConnectedSendsNothing", 1, 1, false, "SH/DX", {}, 1},
                      EnterCase{"AgwConnected", 1, 1, true, "SH/DX", {{"agw-data", 1, "SH/DX\r"}}, 1},
                      EnterCase{"AgwEmptyLine", 1, 1, true, "", {{"agw-data", 1, "\r"}}, 0},
                      EnterCase{"SerialLineNeedsRoom", 1, 0, false, "SH/DX", {{"tnc", 1, "SH/DX\r"}}, 1},
                      EnterCase{"SerialEmptyLineGoesAlways", 1, 0, false, "", {{"tnc-always", 1, "\r"}}, 0},
                      EnterCase{"SerialKeepsTheEscapeForTheTnc",
                                1,
                                0,
                                false,
                                "\x1b"
                                "C F6XYZ",
                                {{"tnc", 1,
                                  "\x1b"
                                  "C F6XYZ\r"}},
                                1}),
    [](const ::testing::TestParamInfo<EnterCase>& info) { return std::string(info.param.name); });

TEST_F(CommandLinesTest, ClosedTncPortTakesNoEnter) {
  settings.Interface = 0;
  sender.tnc_open = false;
  CommandLineText line;
  line.Replace("SH/DX");
  EXPECT_EQ(lines.FenTXKeyPress(1, '\r', false, line), KeyPressOutcome::kSwallowed);
  EXPECT_EQ(line.text, "SH/DX");
  EXPECT_TRUE(sender.sent.empty());
  EXPECT_TRUE(windows.Terminal(1).marked_empty()) << "no echo either";
  EXPECT_EQ(lines.FenTXKeyPress(1, 'x', false, line), KeyPressOutcome::kTypeAsUsual);
  // Terminal 2 is on telnet whatever the TNC does.
  SendLine(2, "ok");
  EXPECT_EQ(sender.sent.size(), 1u);
}

TEST_F(CommandLinesTest, EchoTagsEveryRowOfTheLineWhenEchoIsOn) {
  windows.Terminal(2).AppendLine("login: ");
  SendLine(2, "F5XYZ");
  SendLine(2, std::string(200, 'e'));
  const LineStore& store = windows.Terminal(2);
  ASSERT_EQ(store.row_count(), 5);
  EXPECT_EQ(store.row(1), "F5XYZ");
  EXPECT_EQ(store.tag(0), 0);
  for (int row = 1; row < 5; ++row) EXPECT_EQ(store.tag(row), kTagEcho) << "row " << row;

  settings.Echo = false;
  SendLine(2, "silent");
  EXPECT_EQ(store.row_count(), 5);
  EXPECT_EQ(windows.Terminal(1).row_count(), 1) << "other terminals untouched";
}

TEST_F(CommandLinesTest, EchoKeepsTheWindowWithinItsLimit) {
  settings.MaxLines.terminal = 100;
  windows.ApplySettings(settings);
  for (int i = 0; i < 250; ++i) SendLine(1, "line " + std::to_string(i));
  EXPECT_LE(windows.Terminal(1).row_count(), 100);
  EXPECT_EQ(windows.Terminal(1).row(windows.Terminal(1).row_count() - 1), "line 249");
}

TEST_F(CommandLinesTest, HistoryKeepsTwentyLinesNewestFirst) {
  for (int i = 1; i <= 21; ++i) SendLine(2, "cmd " + std::to_string(i));
  ASSERT_EQ(lines.history(2).count(), 20);
  EXPECT_EQ(lines.history(2).entry(1), "cmd 21");
  EXPECT_EQ(lines.history(2).entry(20), "cmd 2") << "the first line was pushed out";

  CommandLineText line;
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(lines.HistoryOlder(2, line)) << i;
  EXPECT_EQ(line.text, "cmd 2");
  EXPECT_EQ(line.caret, line.text.size());
  EXPECT_FALSE(lines.HistoryOlder(2, line)) << "no older line: the key passes on";
  EXPECT_EQ(line.text, "cmd 2");

  while (lines.history(2).position() > 1) ASSERT_TRUE(lines.HistoryNewer(2, line));
  EXPECT_EQ(line.text, "cmd 21");
  EXPECT_TRUE(lines.HistoryNewer(2, line));
  EXPECT_EQ(line.text, "") << "past the newest line the command line empties";
  EXPECT_FALSE(lines.HistoryNewer(2, line));
}

TEST_F(CommandLinesTest, EachTerminalHasItsOwnHistoryAndSendingEndsBrowsing) {
  SendLine(1, "one");
  SendLine(3, "three");
  CommandLineText line;
  ASSERT_TRUE(lines.HistoryOlder(3, line));
  EXPECT_EQ(line.text, "three");
  EXPECT_FALSE(lines.HistoryOlder(3, line));
  EXPECT_FALSE(lines.HistoryOlder(4, line));
  ASSERT_TRUE(lines.HistoryOlder(1, line));
  EXPECT_EQ(line.text, "one");

  SendLine(3, "again");
  EXPECT_EQ(lines.history(3).position(), 0);
  ASSERT_TRUE(lines.HistoryOlder(3, line));
  EXPECT_EQ(line.text, "again");
  // An empty Enter keeps both the entries and the browsing position.
  SendLine(3, "");
  EXPECT_EQ(lines.history(3).count(), 2);
}

}  // namespace
}  // namespace brilox
