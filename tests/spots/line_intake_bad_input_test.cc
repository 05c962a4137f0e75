// Hostile and broken input: a megabyte without LF, NUL, ESC and telnet
// bytes, 8-bit junk, overlong analysis lines.  Nothing crashes, every store
// stays within its limit, and the next good line is still recognised.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "spots/intake_test_support.h"

namespace brilox {
namespace {

using testing::IntakeRig;
using testing::SettingsWithCall;

const std::string kGoodSpot = "DX de W3LPL:     14037.4  TZ4AM        Heard in PA                    1832Z";

// Every window store within its limit and every row within the row width;
// the intake's own buffers within their bounds.
void ExpectBounded(const IntakeRig& rig) {
  for (int w = 0; w < kWindowCount; ++w) {
    const LineStore& store = rig.windows.Get(static_cast<WindowId>(w));
    EXPECT_LE(store.row_count(), store.limit()) << "window " << w;
    for (int i = 0; i < store.row_count(); ++i) {
      ASSERT_LE(static_cast<int>(store.row(i).size()), store.max_line_length())
          << "window " << w << " row " << i;
    }
  }
  for (int t = 1; t <= kTerminalCount; ++t) {
    EXPECT_LE(rig.intake->analysis_line(t).size(), LineIntake::kAnalysisCapacity);
    EXPECT_LT(rig.intake->display_line(t).size(), LineIntake::kLongestDisplayLine);
    EXPECT_LE(rig.intake->line(t).decode_line.size(), DecodeLine::kCapacity);
  }
}

// After the junk: a line end, then a real spot must come through whole.
void ExpectNextSpotRecognised(IntakeRig& rig, int terminal = 1) {
  rig.handler.processed.clear();
  rig.Feed("\r\n" + kGoodSpot + "\a\a\r\n", terminal);
  ASSERT_EQ(rig.handler.processed.size(), 1u);
  EXPECT_EQ(rig.handler.processed[0].text, kGoodSpot);
  EXPECT_EQ(rig.windows.Terminal(terminal).row(rig.windows.Terminal(terminal).row_count() - 1), kGoodSpot);
}

TEST(LineIntakeBadInput, OneMegabyteWithoutLineFeed) {
  const std::string junk(1 << 20, 'x');
  struct Case {
    const char* name;
    std::size_t chunk;
  };
  for (const Case& c : {Case{"link-sized chunks", 1460}, Case{"one chunk", junk.size()}}) {
    Settings settings;
    settings.MaxLines.terminal = 500;
    IntakeRig rig(settings);
    rig.FeedInChunks(junk, c.chunk);
    ExpectBounded(rig);
    EXPECT_GT(rig.windows.Terminal(1).row_count(), 400) << c.name;
    ExpectNextSpotRecognised(rig);
    ExpectBounded(rig);
  }
}

TEST(LineIntakeBadInput, NulEscapeAndTelnetBytes) {
  IntakeRig rig(SettingsWithCall("K1ABC"));
  // Telnet option negotiation that a node may send (IAC WILL ECHO, IAC DO
  // TERMINAL-TYPE, IAC IAC), NUL padding and colour codes around text.
  const std::string junk = std::string("\xff\xfb\x01\xff\xfd\x18\xff\xff", 8) + std::string(40, '\0') +
                           "\x1b[1;31mred\x1b[0m\x1bG0 " + std::string("\0\0\x1b\x1b\x1b", 5) + "\r\n" +
                           std::string("\xff\xfa\x18\x01\xff\xf0", 6);
  for (int round = 0; round < 2000; ++round) rig.FeedInChunks(junk, 7);
  EXPECT_TRUE(rig.handler.processed.empty());
  ExpectBounded(rig);
  ExpectNextSpotRecognised(rig);
  // Negotiation bytes straight before a keyword do not hide it.
  rig.handler.processed.clear();
  rig.Feed(std::string("\xff\xfb\x01", 3) + kGoodSpot + "\r\n");
  ASSERT_EQ(rig.handler.processed.size(), 1u);
  EXPECT_EQ(rig.handler.processed[0].text, kGoodSpot);
}

TEST(LineIntakeBadInput, EightBitAndRandomJunk) {
  std::mt19937 random(20261210);
  struct Case {
    const char* name;
    int low, high;
  };
  for (const Case& c : {Case{"8-bit bytes", 128, 255}, Case{"any byte", 0, 255}}) {
    IntakeRig rig(SettingsWithCall("K1ABC"));
    std::uniform_int_distribution<int> byte(c.low, c.high);
    std::string junk(1 << 20, '\0');
    for (char& ch : junk) ch = static_cast<char>(byte(random));
    rig.FeedInChunks(junk, 1000);
    ExpectBounded(rig);
    ExpectNextSpotRecognised(rig);
  }
}

TEST(LineIntakeBadInput, OverlongAnalysisLinesAreDiscarded) {
  const std::string long_text(300, 'q');
  struct Case {
    const char* name;
    std::string line;
  };
  const Case cases[] = {
      {"plain text", long_text},
      {"spot with a long comment", kGoodSpot + long_text},
      {"text before a spot", long_text + kGoodSpot},
      {"node frame", "PC11^14025.0^JA1XYZ^10-Dec-2026^1112Z^" + long_text + "^N0DXS^N0DXS-2^H1^~"},
      {"announcement", "To ALL de N0DXS: " + long_text},
      {"talk", "K1ABC de W1AW: " + long_text},
      {"wcy without enough =", "WCY de DK0WCY-1 <22> : K=9 " + long_text},
      {"local without line end", "To LOCAL de N0DXS: " + long_text},
  };
  for (const Case& c : cases) {
    IntakeRig rig(SettingsWithCall("K1ABC"));
    rig.Feed(c.line + "\r\n");
    EXPECT_TRUE(rig.handler.processed.empty()) << c.name;
    EXPECT_EQ(rig.intake->line(1).line_class, LineClass::kNone) << c.name;
    ExpectBounded(rig);
    ExpectNextSpotRecognised(rig);
    // The window still shows the whole line.
    EXPECT_EQ(rig.Rows()[0], (c.line + "\r").substr(0, 83)) << c.name;
  }
}

TEST(LineIntakeBadInput, TruncatedRealSpotCostsNoOtherLine) {
  // A production line cut after the DX call ("DX de SMS: 28385.0 TF3EK"):
  // still without a layout at its line feed, it is dropped there, and the
  // spots after it are seen whole.
  IntakeRig rig;
  const std::string second = "DX de PS7BZ:     21248.0  CQ           JOTA  USB                      1642Z";
  rig.Feed("DX de SMS:       28385.0  TF3EK\r\n" + second + "\r\n" + kGoodSpot + "\r\n");
  ASSERT_EQ(rig.handler.processed.size(), 2u);
  EXPECT_EQ(rig.handler.processed[0].text, second);
  EXPECT_EQ(rig.handler.processed[1].text, kGoodSpot);
  EXPECT_EQ(rig.Rows()[1], second) << "the window shows it all the same";
}

TEST(LineIntakeBadInput, StaleRemovedCountNeverCarriesOver) {
  IntakeRig rig;
  // A line that collects removed controls and is then abandoned at its 76th
  // character; the spot after it counts only its own four.
  rig.Feed("DX de \r\a\a junk that fits no layout at all and is longer than any spot line here\r\n");
  rig.Feed(kGoodSpot + "\a\a\r\n");
  ASSERT_EQ(rig.handler.processed.size(), 1u);
  EXPECT_EQ(rig.handler.processed[0].removed_count, 4);
}

TEST(LineIntakeBadInput, BadTerminalNumbersAreIgnored) {
  IntakeRig rig;
  rig.intake->TraiteCharRecu(0, 'x');
  rig.intake->TraiteCharRecu(5, '\n');
  rig.intake->SetFlushRequest(-1);
  rig.intake->FeedChunk(9, kGoodSpot + "\r\n");
  EXPECT_TRUE(rig.handler.processed.empty());
  EXPECT_EQ(rig.windows.Terminal(1).row_count(), 1);
}

}  // namespace
}  // namespace brilox
