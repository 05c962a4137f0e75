// Line starts found at the newest character, with the rule that a keyword,
// the own call or a chat group counts only after a character that is not a
// letter or a digit.
#include "spots/keyword_matcher.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace brilox {
namespace {

struct MatchCase {
  const char* name;
  const char* own_call;
  const char* text;  // the analysis line, ending with the newest character
  LineClass expected;
  std::size_t position;
};
// Test names instead of byte dumps in the listing.
void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }

class KeywordMatcherTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(KeywordMatcherTest, FindsTheLineStartEndingHere) {
  const MatchCase& c = GetParam();
  KeywordMatcher matcher;
  matcher.Configure(c.own_call, {"EU-CHAT", "", "JA"});
  std::optional<LineStart> start = matcher.MatchAtEnd(c.text);
  if (c.expected == LineClass::kNone) {
    EXPECT_FALSE(start.has_value());
    return;
  }
  ASSERT_TRUE(start.has_value());
  EXPECT_EQ(start->line_class, c.expected);
  EXPECT_EQ(start->position, c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeywordMatcherTest,
    ::testing::Values(MatchCase{"DxAtStart", "K1ABC", "DX de ", LineClass::kDxText, 0},
                      MatchCase{"DxAfterPrompt", "K1ABC",
                                "K1ABC de N0DXS-2 10-Dec-2026 1112Z dxspider >DX de ", LineClass::kDxText,
                                45},
                      MatchCase{"DxNotYetComplete", "K1ABC", "DX de", LineClass::kNone, 0},
                      MatchCase{"Pc11Frame", "K1ABC", "PC11^", LineClass::kDxFrame, 0},
                      MatchCase{"BellWwv", "K1ABC", "\aWWV de", LineClass::kWwvBell, 0},
                      MatchCase{"PlainWwv", "K1ABC", "WWV de ", LineClass::kWwv, 0},
                      MatchCase{"ToAll", "K1ABC", "To ALL de ", LineClass::kAnnAll, 3},
                      MatchCase{"ToLocal", "K1ABC", "To LOCAL de ", LineClass::kAnnLocal, 3},
                      MatchCase{"Wcy", "K1ABC", "WCY de ", LineClass::kWcy, 0},
                      MatchCase{"Pc12AfterBlank", "K1ABC", "x PC12^", LineClass::kAnnFrame, 2},
                      MatchCase{"Talk", "K1ABC", "K1ABC de ", LineClass::kTalk, 0},
                      MatchCase{"TalkLowerCase", "K1ABC", "k1abc de ", LineClass::kTalk, 0},
                      MatchCase{"ChatGroup", "K1ABC", "JA de ", LineClass::kChat, 0},
                      MatchCase{"ChatGroupWithDash", "K1ABC", "EU-CHAT de ", LineClass::kChat, 0},
                      // Inside a longer word nothing counts.
                      MatchCase{"NoCallIsTalkNotAnnouncement", "NOCALL", "NOCALL de ", LineClass::kTalk, 0},
                      MatchCase{"W9AllIsTalkNotAnnouncement", "W9ALL", "W9ALL de ", LineClass::kTalk, 0},
                      MatchCase{"OtherCallEndingInAll", "K1ABC", "W9ALL de ", LineClass::kNone, 0},
                      MatchCase{"OwnCallInsideLongerCall", "K1ABC", "WK1ABC de ", LineClass::kNone, 0},
                      MatchCase{"ChatInsideLongerWord", "K1ABC", "JJA de ", LineClass::kNone, 0},
                      MatchCase{"DxInsideWord", "K1ABC", "ADX de ", LineClass::kNone, 0},
                      MatchCase{"FrameInsideWord", "K1ABC", "XPC11^", LineClass::kNone, 0},
                      MatchCase{"DxAfterTelnetBytes", "K1ABC",
                                "\xff\xfb\x01"
                                "DX de ",
                                LineClass::kDxText, 3},
                      MatchCase{"DxAfterEightBitLetter", "K1ABC",
                                "\xe9"
                                "DX de ",
                                LineClass::kDxText, 1},
                      MatchCase{"EmptyChatGroupNeverMatches", "K1ABC", " de ", LineClass::kNone, 0}),
    [](const ::testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.name); });

TEST(KeywordMatcher, EmptyOwnCallNeverMatches) {
  KeywordMatcher matcher;
  matcher.Configure("", {});
  EXPECT_FALSE(matcher.MatchAtEnd("W1AW: x de ").has_value());
  EXPECT_FALSE(matcher.MatchAtEnd(" de ").has_value());
}

TEST(KeywordMatcher, KeywordsComeBeforeTheOwnCall) {
  // An own call that ends like a keyword: the keyword, at its own boundary, wins.
  KeywordMatcher matcher;
  matcher.Configure("F/DX", {});
  std::optional<LineStart> start = matcher.MatchAtEnd("F/DX de ");
  ASSERT_TRUE(start.has_value());
  EXPECT_EQ(start->line_class, LineClass::kDxText);
}

}  // namespace
}  // namespace brilox
