// The line intake on realistic byte streams: real node sessions in chunks,
// prompts without LF, spots split over chunks, the edge cases of each line
// class, and what the window shows.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "spots/intake_test_support.h"

namespace brilox {
namespace {

using testing::FixtureLines;
using testing::FixtureStream;
using testing::IntakeRig;
using testing::ReadTestData;
using testing::RecordedLine;
using testing::SettingsWithCall;

std::vector<std::string> Texts(const std::vector<RecordedLine>& lines) {
  std::vector<std::string> texts;
  for (const RecordedLine& line : lines) texts.push_back(line.text);
  return texts;
}

// The DXSpider session: greeting, login, prompts, spots, announcements, a
// WWV bulletin and talk, every broadcast line ending in BEL BEL CR LF.
TEST(LineIntakeSession, RealDxSpiderSessionInAnyChunking) {
  const std::string session = ReadTestData("cluster_traffic/dxspider_local_node_session.raw");
  for (std::size_t chunk :
       {std::size_t{1}, std::size_t{3}, std::size_t{17}, std::size_t{536}, session.size()}) {
    IntakeRig rig(SettingsWithCall("K1ABC"));
    rig.FeedInChunks(session, chunk);
    const std::vector<RecordedLine>& got = rig.handler.processed;
    ASSERT_EQ(got.size(), 11u) << "chunk " << chunk;
    std::vector<LineClass> classes;
    for (const RecordedLine& line : got) classes.push_back(line.line_class);
    using C = LineClass;
    EXPECT_EQ(classes, (std::vector<C>{C::kDxText, C::kDxText, C::kDxText, C::kDxText, C::kAnnAll,
                                       C::kAnnLocal, C::kTalk, C::kWwv, C::kDxText, C::kDxText, C::kTalk}))
        << "chunk " << chunk;
    EXPECT_EQ(got[0].text, "DX de N0DXS:     14025.0  JA1XYZ       CW 599 loud                    1112Z");
    EXPECT_EQ(got[0].layout, SpotLayout::kFull);
    EXPECT_EQ(got[0].removed_count, 4) << "BEL BEL CR LF";
    EXPECT_EQ(got[4].text, "ALL de N0DXS: QRV 40m CW tonight");
    EXPECT_EQ(got[5].text, "LOCAL de N0DXS: only local");
    EXPECT_EQ(got[6].text, "N0DXS: hello there");
    EXPECT_EQ(got[7].text, "WWV de N0DXS <09>:   SFI=155, A=7, K=3, Minor storm");
    EXPECT_EQ(got[10].text, "W1AW: 73");
    for (const RecordedLine& line : got) EXPECT_EQ(line.terminal, 1);

    // The window shows every line without its control characters, the
    // prompts included, each line in one row however it was chunked.
    std::vector<std::string> rows = rig.Rows();
    ASSERT_EQ(rows.size(), 21u) << "chunk " << chunk;
    EXPECT_EQ(rows[0], "login: Hello Test, this is N0DXS-2 in Loopback");
    EXPECT_EQ(rows[7], "K1ABC de N0DXS-2 10-Dec-2026 1112Z dxspider >");
    EXPECT_EQ(rows[10], got[0].text);
  }
}

TEST(LineIntakeSession, RealSpotLinesArriveWhole) {
  // Captured skimmer and human spots; DXSpider ends them in BEL BEL CR LF.
  const std::vector<std::string> spots =
      FixtureLines("cluster_traffic/m0lte_VE7CC-1_real_spot_lines.txt", "DX de ", "# ---- AUTHOR");
  ASSERT_GT(spots.size(), 100u);
  std::string stream;
  for (const std::string& spot : spots) stream += spot + "\a\a\r\n";
  IntakeRig rig(SettingsWithCall("M0LTE"));
  rig.FeedInChunks(stream, 1460);
  EXPECT_EQ(Texts(rig.handler.processed), spots);
  for (const RecordedLine& line : rig.handler.processed)
    EXPECT_EQ(line.layout, SpotLayout::kFull) << line.text;
}

TEST(LineIntakeSession, LfOnlySessionWithPromptAndWcy) {
  const std::string session =
      FixtureStream("cluster_traffic/cluster2mqtt_G4BFG-9_sample_cluster_output.txt", "\n");
  IntakeRig rig(SettingsWithCall("M0LTE"));
  rig.FeedInChunks(session, 100);
  std::vector<RecordedLine>& got = rig.handler.processed;
  ASSERT_EQ(got.size(), 16u);  // 15 spots and the WCY bulletin; the prompt is dropped
  EXPECT_EQ(got[13].line_class, LineClass::kWcy);
  EXPECT_EQ(got[13].text, "WCY de DK0WCY-2 <19> : K=2 expK=0 A=5 R=126 SFI=141 SA=eru GMF=qui Au=no");
  EXPECT_EQ(got[3].text, "DX de II4FMOB:  144350.0  IU4JJJ       50 Diploma RADIO FLASH MOB AWA 1830Z");
}

TEST(LineIntakeSession, LinesFromOtherParsersTestSuites) {
  // DX, WWV, WCY, "WX de", "To ALL", "To Local"/"To LOCAL" lines with LF
  // ends, then truncated lines.
  IntakeRig rig(SettingsWithCall("K1ABC"));
  rig.FeedInChunks(FixtureStream("cluster_traffic/dxclparser_test_lines.txt", "\n"), 100);
  std::vector<LineClass> classes;
  for (const RecordedLine& line : rig.handler.processed) classes.push_back(line.line_class);
  using C = LineClass;
  EXPECT_EQ(classes, (std::vector<C>{C::kDxText, C::kDxText, C::kDxText, C::kDxText, C::kDxText, C::kDxText,
                                     C::kDxText, C::kWwv, C::kWwv, C::kWwv, C::kWcy, C::kWcy, C::kAnnAll,
                                     C::kAnnAll, C::kAnnLocal, C::kWwv, C::kAnnAll}))
      << "the truncated DX line is dropped at its LF; a WWV or ALL line too short at its LF goes on into "
         "the next line, as their rules say";
  EXPECT_EQ(rig.handler.processed[8].text,
            "WWV de VE7CC <15Z> :   SFI=68, A=9, K=2, No Storms -> Minor w/G1");
  EXPECT_EQ(rig.handler.processed[14].text, "LOCAL de IW5CLM: off") << "LF alone ends it";
  EXPECT_EQ(rig.intake->line(1).line_class, LineClass::kNone);

  // Lines that failed another parser in production: spotters with a blank
  // before the colon are full-layout spots; the truncated "DX de SMS:" line
  // is dropped at its line feed and the spot after it is still seen.
  IntakeRig production(SettingsWithCall("K1ABC"));
  production.FeedInChunks(
      FixtureStream("cluster_traffic/DXClusterGoAPI_patterns_failed_to_parse.txt", "\r\n"), 100);
  ASSERT_EQ(production.handler.processed.size(), 9u);
  EXPECT_EQ(production.handler.processed[1].text,
            "DX de PS7BZ:     21248.0  CQ           JOTA  USB                      1642Z");
  EXPECT_EQ(production.handler.processed[2].text,
            "DX de W4BEE :   146520.0  W4BEE        W4C/EM-066                     1800Z");
}

TEST(LineIntakeChunks, PromptWithoutLfIsShownAndContinuedInTheSameRow) {
  IntakeRig rig;
  rig.Feed("Hello\r\nlogin: ");
  EXPECT_EQ(rig.Rows(), (std::vector<std::string>{"Hello", "login: "}));
  EXPECT_TRUE(rig.intake->partial_row(1));
  rig.Feed("k1abc");  // the node echoes what the operator typed
  rig.Feed("\r\nPassword: ");
  EXPECT_EQ(rig.Rows(), (std::vector<std::string>{"Hello", "login: k1abc", "Password: "}));
}

TEST(LineIntakeChunks, SpotAfterAPromptOnTheSameRow) {
  IntakeRig rig(SettingsWithCall("K1ABC"));
  const std::string spot = "DX de W3LPL:     14037.4  TZ4AM        Heard in PA                    1832Z";
  rig.Feed("K1ABC de N0DXS-2 10-Dec-2026 1112Z dxspider >");
  rig.Feed(spot + "\a\a\r\n");
  ASSERT_EQ(rig.handler.processed.size(), 1u);
  EXPECT_EQ(rig.handler.processed[0].text, spot) << "DecodeLine starts at the keyword";
  EXPECT_EQ(rig.Rows().back(), ("K1ABC de N0DXS-2 10-Dec-2026 1112Z dxspider >" + spot).substr(83));
}

TEST(LineIntakeChunks, SpotSplitAtEveryPointIsOneRowAndOneLine) {
  const std::string spot = "DX de PY8JL:     21074.9  IK1EZX       FT8 -16                        1830Z";
  const std::string bytes = spot + "\a\a\r\n";
  for (std::size_t split = 1; split < bytes.size(); ++split) {
    IntakeRig rig;
    rig.Feed(bytes.substr(0, split));
    rig.Feed(bytes.substr(split));
    ASSERT_EQ(rig.handler.processed.size(), 1u) << "split " << split;
    EXPECT_EQ(rig.handler.processed[0].text, spot) << "split " << split;
    EXPECT_EQ(rig.Rows(), (std::vector<std::string>{spot})) << "split " << split;
  }
}

TEST(LineIntakeChunks, TwoTerminalsInterleavedKeepTheirOwnLines) {
  const std::string a = "DX de K4VTE:     21142.3  VE6KIX                                      1829Z\r\n";
  const std::string b = "To ALL de EA8CEN-9: carnaval de tenerife ea8urt\r\n";
  IntakeRig rig;
  for (std::size_t at = 0; at < a.size() || at < b.size(); at += 5) {
    if (at < a.size()) rig.Feed(a.substr(at, 5), 1);
    if (at < b.size()) rig.Feed(b.substr(at, 5), 2);
  }
  ASSERT_EQ(rig.handler.processed.size(), 2u);
  EXPECT_EQ(rig.handler.processed[0].terminal, 2);
  EXPECT_EQ(rig.handler.processed[0].text, "ALL de EA8CEN-9: carnaval de tenerife ea8urt");
  EXPECT_EQ(rig.handler.processed[1].terminal, 1);
  EXPECT_EQ(rig.handler.processed[1].text, a.substr(0, a.size() - 2));
  EXPECT_EQ(rig.Rows(2), (std::vector<std::string>{"To ALL de EA8CEN-9: carnaval de tenerife ea8urt"}));
}

struct StreamCase {
  const char* name;
  const char* my_call;
  std::string bytes;
  std::vector<std::pair<LineClass, std::string>> expected;
};
// Test names instead of byte dumps in the listing.
void PrintTo(const StreamCase& c, std::ostream* os) { *os << c.name; }

class LineClassTest : public ::testing::TestWithParam<StreamCase> {};

TEST_P(LineClassTest, RecognisesAndCompletes) {
  const StreamCase& c = GetParam();
  Settings settings = SettingsWithCall(c.my_call);
  settings.ChatGroups = {"EU-CHAT", "", "JA"};
  IntakeRig rig(settings);
  rig.FeedInChunks(c.bytes, 64);
  std::vector<std::pair<LineClass, std::string>> got;
  for (const RecordedLine& line : rig.handler.processed) got.emplace_back(line.line_class, line.text);
  EXPECT_EQ(got, c.expected);
}

using C = LineClass;
const std::string kWwvText = "WWV de VE7CC <21>:   SFI=70, A=12, K=3, No Storms -> No Storms";

INSTANTIATE_TEST_SUITE_P(
    Streams, LineClassTest,
    ::testing::Values(
        // A bell before "WWV de" makes class 3; without it the blank after "de"
        // is needed and the line is class 8.  The hour is rounded to 3 hours.
        StreamCase{"BellWwv",
                   "K1ABC",
                   "\a" + kWwvText + "\r\n",
                   {{C::kWwvBell, "WWV de VE7CC <21>:   SFI=70, A=12, K=3, No Storms -> No Storms"}}},
        StreamCase{"PlainWwv",
                   "K1ABC",
                   "WWV de AE5E <00>:   SFI=69, A=15, K=4, No Storms -> No Storms\r\n",
                   {{C::kWwv, "WWV de AE5E <00>:   SFI=69, A=15, K=4, No Storms -> No Storms"}}},
        StreamCase{"WwvFourDigitHour",
                   "K1ABC",
                   "WWV de W1AW <1700>:   SFI=70, A=12, K=3, quiet quiet\r\n",
                   {{C::kWwv, "WWV de W1AW <15>:   SFI=70, A=12, K=3, quiet quiet"}}},
        // A short WWV line (38 characters or fewer) keeps collecting.
        StreamCase{"ShortWwvGoesOn",
                   "K1ABC",
                   "WWV de VE7CC\r\n<21>: SFI=70, A=12, K=3, storms\r\n",
                   {{C::kWwv, "WWV de VE7CC<21>: SFI=70, A=12, K=3, storms"}}},
        // WCY with 7 or fewer "=" at its LF goes on into the next line.
        StreamCase{
            "WcyWithTooFewEquals",
            "K1ABC",
            "WCY de DK0WCY-1 <22> : K=9 expK=0 A=139\r\nR=156 SFI=223 SA=maj GMF=sev Au=aurora\r\n",
            {{C::kWcy, "WCY de DK0WCY-1 <22> : K=9 expK=0 A=139R=156 SFI=223 SA=maj GMF=sev Au=aurora"}}},
        StreamCase{"WcyComplete",
                   "K1ABC",
                   "WCY de DK0WCY-1 <17> : K=2 expK=3 A=15 R=0 SFI=68 SA=qui GMF=min Au=no\r\n",
                   {{C::kWcy, "WCY de DK0WCY-1 <17> : K=2 expK=3 A=15 R=0 SFI=68 SA=qui GMF=min Au=no"}}},
        StreamCase{"ToAll",
                   "K1ABC",
                   "To ALL de CT2IDL <1044Z> : TNX qso..\r\n",
                   {{C::kAnnAll, "ALL de CT2IDL <1044Z> : TNX qso.."}}},
        StreamCase{"LocalWithCrLf",
                   "K1ABC",
                   "To LOCAL de IW5CLM: off\r\n",
                   {{C::kAnnLocal, "LOCAL de IW5CLM: off"}}},
        // Nodes that end lines in LF alone: the local announcement ends there
        // and the spot after it is still seen.
        StreamCase{
            "LocalWithLfAlone",
            "K1ABC",
            "To LOCAL de IW5CLM: off\nDX de N2TA:      28180.0  RI0SP        GRID IR37                      "
            "1837Z\n",
            {{C::kAnnLocal, "LOCAL de IW5CLM: off"},
             {C::kDxText, "DX de N2TA:      28180.0  RI0SP        GRID IR37                      1837Z"}}},
        // Talk: the own call and " de " go, so does the time tag.
        StreamCase{"Talk",
                   "K1ABC",
                   "K1ABC de W1AW <1112Z>: are you there?\r\n",
                   {{C::kTalk, "W1AW: are you there?"}}},
        StreamCase{"TalkLowerCase", "K1ABC", "k1abc de w1aw: hi\r\n", {{C::kTalk, "w1aw: hi"}}},
        // Node prompts are not talk: dropped for their missing ":" after 18
        // characters, or for the ">" at their end.
        StreamCase{"TalkPromptDropped", "K1ABC", "K1ABC de N0DXS-2 10-Dec-2026 1112Z dxspider >\r\n", {}},
        StreamCase{"ShortPromptWithColonDropped", "K1ABC", "K1ABC de GB7DJK 11:12 >\r\n", {}},
        StreamCase{"ArClusterPromptDropped", "N6YU", "N6YU de NC7J 01-Oct 0015Z arc6>\r\n", {}},
        // The default own call and calls ending in "ALL" are talk, not
        // announcements; a real announcement still is one.
        StreamCase{"NoCallTalk", "NOCALL", "NOCALL de W1AW: hello\r\n", {{C::kTalk, "W1AW: hello"}}},
        StreamCase{"W9AllTalk", "W9ALL", "W9ALL de W1AW: hi there\r\n", {{C::kTalk, "W1AW: hi there"}}},
        StreamCase{"W9AllPromptDropped", "W9ALL", "W9ALL de N0DXS-2 10-Dec-2026 1112Z dxspider >\r\n", {}},
        StreamCase{"AnnouncementForW9All",
                   "W9ALL",
                   "To ALL de W9ALL: test of the new antenna\r\n",
                   {{C::kAnnAll, "ALL de W9ALL: test of the new antenna"}}},
        StreamCase{"Chat", "K1ABC", "JA de JH1ABC: konnichiwa\r\n", {{C::kChat, "JH1ABC: konnichiwa"}}},
        // Chat without ":" within 18 characters is not chat.
        StreamCase{"ChatWithoutColon", "K1ABC", "JA de JH1ABC sends no colon at all\r\n", {}},
        StreamCase{"ChatColonLateButInTime",
                   "K1ABC",
                   "EU-CHAT de DL1ABCDEFGHIJ: x\r\n",
                   {{C::kChat, "DL1ABCDEFGHIJ: x"}}},
        StreamCase{"ChatGroupInsideWordIgnored", "K1ABC", "JJA de JH1ABC: no\r\n", {}},
        // Node frames go to their decoder at "~".
        StreamCase{"Pc11Frame",
                   "K1ABC",
                   "PC11^14025.0^JA1XYZ^10-Dec-2026^1112Z^CW 599^N0DXS^N0DXS-2^H1^~\r\n",
                   {{C::kDxFrame, "PC11^14025.0^JA1XYZ^10-Dec-2026^1112Z^CW 599^N0DXS^N0DXS-2^H1^~"}}},
        StreamCase{"Pc23Frame",
                   "K1ABC",
                   "PC23^10-Dec-2026^11^155^7^3^Minor storm^N0DXS^N0DXS-2^H1^~\r\n",
                   {{C::kWwvFrame, "PC23^10-Dec-2026^11^155^7^3^Minor storm^N0DXS^N0DXS-2^H1^~"}}},
        // Compact layout: the time ends in column 44.
        StreamCase{"CompactSpot",
                   "K1ABC",
                   "DX de SP5XX:      14025.0 DL1ABC       1200Z CQ CQ\r\n",
                   {{C::kDxText, "DX de SP5XX:      14025.0 DL1ABC       1200Z CQ CQ"}}},
        // Shifted full layout: a blank before the DX call goes, the 17th
        // character only when it is one, so the spotter keeps its call.
        StreamCase{
            "ShiftedSpot",
            "K1ABC",
            "DX de EA8/DF4UE-12:21149.0  IT9ATQ/B    CW  9 dB 10 WPM BEACON         1118Z\r\n",
            {{C::kDxText, "DX de EA8/DF4UE-12:21149.0 IT9ATQ/B    CW  9 dB 10 WPM BEACON         1118Z"}}},
        StreamCase{
            "ShiftedSpotWithABlankInColumn17",
            "K1ABC",
            "DX de PA0ABC-12:  21149.0  IT9ATQ/B     CW  9 dB 10 WPM BEACON         1118Z\r\n",
            {{C::kDxText, "DX de PA0ABC-12: 21149.0  IT9ATQ/B     CW  9 dB 10 WPM BEACON         1118Z"}}},
        // A DX line that fits no layout by its 76th character is abandoned
        // there; the next line is judged on its own.
        StreamCase{
            "SpotFittingNoLayout",
            "K1ABC",
            "DX de a text that only mentions DX de and goes on far longer than any spot line\r\n"
            "DX de RK9UE:      7115.0  RK6BP                                       1625Z\r\n",
            {{C::kDxText, "DX de RK9UE:      7115.0  RK6BP                                       1625Z"}}},
        // No spot line spans a line feed: one still undetermined at its LF
        // (cut short, or in a node's own layout) is dropped there, and the
        // bulletin after it is seen.
        StreamCase{"ShortSpotLineDoesNotSwallowTheNext",
                   "K1ABC",
                   "DX de N0DXS:     14025.0  JA1XYZ       cut short\r\n"
                   "WCY de DK0WCY-1 <11> : K=3 expK=3 A=12 R=62 SFI=152 SA=qui GMF=qui Au=no\r\n",
                   {{C::kWcy, "WCY de DK0WCY-1 <11> : K=3 expK=3 A=12 R=62 SFI=152 SA=qui GMF=qui Au=no"}}},
        StreamCase{
            "OtherLayoutDoesNotSwallowTheNext",
            "K1ABC",
            "DX de N0DXS: 14025.0 JA1XYZ CW 599 1112Z in a layout of its own\r\n"
            "DX de RK9UE:      7115.0  RK6BP                                       1625Z\r\n",
            {{C::kDxText, "DX de RK9UE:      7115.0  RK6BP                                       1625Z"}}},
        // 10 GHz and up: eight whole digits run into column 25 behind a
        // spotter that fills its field; a blank before the DX call goes, the
        // frequency keeps its digits.
        StreamCase{
            "TenGigahertzSpotShiftedByItsFrequency",
            "K1ABC",
            "DX de DL1ABC-5:10368100.0  G4ABC        JO01 tnx QSO                   1112Z\r\n",
            {{C::kDxText, "DX de DL1ABC-5:10368100.0 G4ABC        JO01 tnx QSO                   1112Z"}}},
        StreamCase{
            "TenGigahertzSpotInTheFullLayout",
            "K1ABC",
            "DX de N0DXS:  10368000.0  G4ABC        JO01                           1112Z\r\n",
            {{C::kDxText, "DX de N0DXS:  10368000.0  G4ABC        JO01                           1112Z"}}}),
    [](const ::testing::TestParamInfo<StreamCase>& info) { return std::string(info.param.name); });

TEST(LineIntakeWindow, TabAndBackspaceChangeOnlyTheWindowText) {
  IntakeRig rig;
  rig.Feed("ab\tc\bd\r\n");
  EXPECT_EQ(rig.Rows(), (std::vector<std::string>{"ab        d"}));
  // The analysis line keeps the BS: a keyword mended on screen is not one.
  rig.Feed("DX dx\be W3LPL:     14037.4  TZ4AM        Heard in PA                    1832Z\r\n");
  EXPECT_TRUE(rig.handler.processed.empty());
  EXPECT_EQ(rig.Rows()[1].substr(0, 12), "DX de W3LPL:");
}

TEST(LineIntakeWindow, NulBellAndCrAreNotShownEscIs) {
  IntakeRig rig;
  rig.Feed(std::string("a\0b\ac\rd\x1b[0me\n", 13));
  EXPECT_EQ(rig.Rows(), (std::vector<std::string>{"abcd\x1b[0me"}));
}

TEST(LineIntakeWindow, LongAnnouncementRowsAllCarryTheAnnouncementTag) {
  IntakeRig rig;
  const std::string text = "To ALL de N0DXS: " + std::string(140, 'x');
  rig.Feed(text + "\r\n");
  const LineStore& t1 = rig.windows.Terminal(1);
  ASSERT_EQ(t1.row_count(), 2);
  EXPECT_EQ(t1.tag(0), kTagAnnouncement);
  EXPECT_EQ(t1.tag(1), kTagAnnouncement);
}

TEST(LineIntakeWindow, FlushOnAChunkEndingInCrShowsThePrompt) {
  IntakeRig rig;
  rig.Feed("Please enter your call:\r");
  EXPECT_EQ(rig.Rows(), (std::vector<std::string>{"Please enter your call:"}));
  rig.Feed("\nK1ABC\r\n");
  EXPECT_EQ(rig.Rows(), (std::vector<std::string>{"Please enter your call:", "K1ABC"}));
}

TEST(LineIntakeWindow, EveryTerminalWindowIsTrimmedAtALineEnd) {
  Settings settings;
  settings.MaxLines.terminal = 100;
  IntakeRig rig(settings);
  for (int i = 0; i < 105; ++i) rig.windows.Terminal(3).AppendLine("echo");
  rig.Feed("x\r\n", 1);
  EXPECT_EQ(rig.windows.Terminal(3).row_count(), 95);
  for (int i = 0; i < 100; ++i) rig.Feed("line\r\n", 1);
  EXPECT_LE(rig.windows.Terminal(1).row_count(), 100);
  EXPECT_EQ(rig.Rows().back(), "line");
}

TEST(LineIntakeWindow, HeldTerminalFollowsAgainNearItsEnd) {
  IntakeRig rig;
  rig.windows.SetView({'M', 1});
  LineStore& t1 = rig.windows.Terminal(1);
  t1.SetVisibleRows(10);
  for (int i = 0; i < 40; ++i) rig.Feed("line\r\n");
  EXPECT_EQ(t1.top_row(), 30);
  EXPECT_EQ(rig.hooks.focused.size(), 40u);

  t1.SetScrollHold(true);
  t1.SetTopRow(5);
  rig.Feed("held\r\n");
  EXPECT_EQ(t1.top_row(), 5);
  EXPECT_TRUE(t1.scroll_hold());
  EXPECT_EQ(rig.hooks.focused.size(), 40u) << "no focus move while the operator reads back";

  t1.SetTopRow(29);  // within 3 rows of the end position (42 rows - 10 visible)
  rig.Feed("back\r\n");
  EXPECT_FALSE(t1.scroll_hold());
  EXPECT_EQ(t1.top_row(), 32);
  EXPECT_EQ(rig.hooks.focused.size(), 41u);

  rig.Feed("other terminal\r\n", 2);
  EXPECT_EQ(rig.hooks.focused.size(), 41u);
}

TEST(LineIntakeCapture, WholeLinesGoToTheCaptureFile) {
  IntakeRig rig;
  rig.intake->SetCapture(2, true);
  rig.Feed("DX de K4VTE:     21142.3  VE6", 2);
  rig.Feed("KIX                                      1829Z\a\a\r\n", 2);
  rig.Feed("not captured\r\n", 1);
  ASSERT_EQ(rig.hooks.captured.size(), 1u);
  EXPECT_EQ(rig.hooks.captured[0].first, 2);
  EXPECT_EQ(rig.hooks.captured[0].second,
            "DX de K4VTE:     21142.3  VE6KIX                                      1829Z");
}

TEST(LineIntakeWanted, UnwantedKindsAreDroppedButStillShown) {
  const std::string stream =
      "DX de K4VTE:     21142.3  VE6KIX                                      1829Z\r\n"
      "WWV de AE5E <00>:   SFI=69, A=15, K=4, No Storms -> No Storms\r\n"
      "To ALL de EA8CEN-9: carnaval de tenerife ea8urt\r\n"
      "K1ABC de W1AW: hello\r\n"
      "JA de JH1ABC: konnichiwa\r\n";
  struct Case {
    bool BroadcastKinds::*kind;
    LineClass dropped;
  };
  const Case cases[] = {{&BroadcastKinds::dx, LineClass::kDxText},
                        {&BroadcastKinds::wwv, LineClass::kWwv},
                        {&BroadcastKinds::announcements, LineClass::kAnnAll},
                        {&BroadcastKinds::talk, LineClass::kTalk},
                        {&BroadcastKinds::chat, LineClass::kChat}};
  for (const Case& c : cases) {
    Settings settings = SettingsWithCall("K1ABC");
    settings.ChatGroups = {"JA"};
    settings.WantedSpots.*(c.kind) = false;
    IntakeRig rig(settings);
    rig.Feed(stream);
    ASSERT_EQ(rig.handler.processed.size(), 4u) << static_cast<int>(c.dropped);
    for (const RecordedLine& line : rig.handler.processed) EXPECT_NE(line.line_class, c.dropped);
    EXPECT_EQ(rig.Rows().size(), 5u);
  }
}

TEST(LineIntakeFrames, AnnouncementFrameEmptiedByItsDecoderIsDropped) {
  IntakeRig rig;
  rig.handler.drop_announcement_frames = true;
  rig.Feed("PC12^N0DXS^*^hello all^*^N0DXS-2^0^H1^~\r\n");
  ASSERT_EQ(rig.handler.calls.size(), 1u);
  EXPECT_EQ(rig.handler.calls[0].step, "DecodeANN");
  EXPECT_TRUE(rig.handler.processed.empty());
  EXPECT_EQ(rig.intake->line(1).line_class, LineClass::kNone);

  rig.handler.drop_announcement_frames = false;
  rig.Feed("PC12^N0DXS^*^hello all^ ^N0DXS-2^0^H1^~\r\n");
  ASSERT_EQ(rig.handler.processed.size(), 1u);
  EXPECT_EQ(rig.handler.processed[0].line_class, LineClass::kAnnFrame);
}

TEST(LineIntakeFrames, ChatLinesCarryTheirGroup) {
  Settings settings = SettingsWithCall("K1ABC");
  settings.ChatGroups = {"EU-CHAT", "JA"};
  IntakeRig rig(settings);
  rig.Feed("JA de JH1ABC: konnichiwa\r\n");
  ASSERT_EQ(rig.handler.processed.size(), 1u);
  EXPECT_EQ(rig.handler.processed[0].chat_group, "JA");
}

TEST(LineIntakeInject, SimulatedSpotGoesStraightToSpotProcessing) {
  IntakeRig rig;
  rig.Feed("DX de half a li", 3);
  rig.intake->InjectLine(3, LineClass::kDxText, SpotLayout::kFull,
                         "DX de NOCALL:     14025.0  K1ABC        test                           1200Z T");
  ASSERT_EQ(rig.handler.processed.size(), 1u);
  EXPECT_EQ(rig.handler.processed[0].terminal, 3);
  EXPECT_EQ(rig.handler.processed[0].layout, SpotLayout::kFull);
  EXPECT_EQ(rig.intake->line(3).line_class, LineClass::kNone);
  EXPECT_TRUE(rig.intake->analysis_line(3).empty());
}

}  // namespace
}  // namespace brilox
