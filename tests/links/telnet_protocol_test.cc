// No byte of the telnet protocol may reach the terminal text, whatever the
// node sends and however TCP cuts it; every request is refused.
#include "links/telnet_protocol.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace brilox {
namespace {

constexpr char IAC = static_cast<char>(255);
constexpr char DONT = static_cast<char>(254);
constexpr char DO = static_cast<char>(253);
constexpr char WONT = static_cast<char>(252);
constexpr char WILL = static_cast<char>(251);
constexpr char SB = static_cast<char>(250);
constexpr char GA = static_cast<char>(249);
constexpr char SE = static_cast<char>(240);
constexpr char NOP = static_cast<char>(241);
constexpr char ECHO_OPTION = 1;
constexpr char SGA = 3;
constexpr char TTYPE = 24;
constexpr char NAWS = 31;

std::string S(std::initializer_list<char> bytes) { return std::string(bytes); }

struct DecodeCase {
  const char* name;
  std::string input;
  std::string text;
  std::string replies;
};
void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class TelnetDecoderTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(TelnetDecoderTest, WholeAndSplitAtEveryByte) {
  const DecodeCase& c = GetParam();
  {
    TelnetDecoder decoder;
    std::string text, replies;
    decoder.Feed(c.input, text, replies);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(replies, c.replies);
  }
  // The same stream cut in two at every position, as TCP may deliver it.
  for (std::size_t cut = 0; cut <= c.input.size(); ++cut) {
    TelnetDecoder decoder;
    std::string text, replies;
    decoder.Feed(std::string_view(c.input).substr(0, cut), text, replies);
    decoder.Feed(std::string_view(c.input).substr(cut), text, replies);
    EXPECT_EQ(text, c.text) << "cut at " << cut;
    EXPECT_EQ(replies, c.replies) << "cut at " << cut;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, TelnetDecoderTest,
    ::testing::Values(
        DecodeCase{"PlainText", "login: ", "login: ", ""},
        DecodeCase{"DoubledIacIsByte255", "a" + S({IAC, IAC}) + "b", "a" + S({IAC}) + "b", ""},
        DecodeCase{"DoIsRefusedWithWont", "x" + S({IAC, DO, TTYPE}) + "y", "xy", S({IAC, WONT, TTYPE})},
        DecodeCase{"WillIsRefusedWithDont",
                   S({IAC, WILL, ECHO_OPTION}) + "login: ", "login: ", S({IAC, DONT, ECHO_OPTION})},
        DecodeCase{"RefusalsAreNotAnswered", S({IAC, WONT, SGA, IAC, DONT, NAWS}) + "ok", "ok", ""},
        DecodeCase{"SubnegotiationIsSkipped", "a" + S({IAC, SB, TTYPE, 1, IAC, IAC, 'x', IAC, SE}) + "b",
                   "ab", ""},
        DecodeCase{"CommandsCarryNoText", "DX" + S({IAC, NOP}) + " de" + S({IAC, GA}), "DX de", ""},
        DecodeCase{"UndefinedCodeAfterIacIsDropped", "a" + S({IAC, 'z'}) + "b", "ab", ""},
        DecodeCase{
            "TypicalNodeGreeting",
            S({IAC, WILL, SGA, IAC, WILL, ECHO_OPTION, IAC, DO, NAWS}) + "\r\nPlease enter your call:",
            "\r\nPlease enter your call:", S({IAC, DONT, SGA, IAC, DONT, ECHO_OPTION, IAC, WONT, NAWS})},
        DecodeCase{"EightBitTextPasses", "73 \xe9\xe8\x80\xfe!", "73 \xe9\xe8\x80\xfe!", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TelnetDecoder, EndlessSubnegotiationGivesTheLinkBack) {
  TelnetDecoder decoder;
  std::string text, replies;
  decoder.Feed(S({IAC, SB}), text, replies);
  decoder.Feed(std::string(TelnetDecoder::kMaxSubnegotiationBytes, 'j'), text, replies);
  EXPECT_EQ(text, "");
  decoder.Feed("j", text, replies);  // one more and the decoder gives up on it
  decoder.Feed("DX de K1ABC:", text, replies);
  EXPECT_EQ(text, "DX de K1ABC:");
}

TEST(TelnetDecoder, StateCarriesOverUntilReset) {
  TelnetDecoder decoder;
  std::string text, replies;
  decoder.Feed(S({IAC}), text, replies);
  decoder.Reset();  // a new connection starts in text
  decoder.Feed(S({'A'}), text, replies);
  EXPECT_EQ(text, "A");
}

TEST(TelnetDecoder, StormsAndJunkNeverLeakProtocolBytes) {
  std::mt19937 random(20261205);
  for (int round = 0; round < 200; ++round) {
    std::string junk(1 + random() % 3000, '\0');
    for (char& c : junk) {
      // Mostly protocol bytes, so that every state is visited often.
      const unsigned pick = random() % 4;
      c = static_cast<char>(pick == 0 ? 255 : pick == 1 ? 240 + random() % 16 : random() % 256);
    }
    TelnetDecoder decoder;
    std::string text, replies;
    for (std::size_t at = 0; at < junk.size();) {
      const std::size_t piece = 1 + random() % 64;
      decoder.Feed(std::string_view(junk).substr(at, piece), text, replies);
      at += piece;
    }
    EXPECT_LE(text.size(), junk.size());
    EXPECT_LE(replies.size(), junk.size());
    for (std::size_t i = 0; i + 2 < replies.size(); i += 3) {
      ASSERT_EQ(replies[i], IAC);
      ASSERT_TRUE(replies[i + 1] == WONT || replies[i + 1] == DONT);
    }
  }
}

TEST(EscapeTelnetText, DoublesByte255SoTheNodeReadsItAsData) {
  const std::string line = "73 " + S({IAC}) + "\r\n";
  const std::string escaped = EscapeTelnetText(line);
  EXPECT_EQ(escaped, "73 " + S({IAC, IAC}) + "\r\n");
  TelnetDecoder decoder;
  std::string text, replies;
  decoder.Feed(escaped, text, replies);
  EXPECT_EQ(text, line);
}

}  // namespace
}  // namespace brilox
