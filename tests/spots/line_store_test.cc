// Window line stores: wrapping and its tags, continuing a row, trimming,
// the view that follows the end unless held, and row colours.
#include "spots/line_store.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "spots/line_class.h"
#include "spots/row_colours.h"
#include "spots/window_line_stores.h"

namespace brilox {
namespace {

std::vector<std::string> RowsOf(const LineStore& store) {
  std::vector<std::string> rows;
  for (int i = 0; i < store.row_count(); ++i) rows.push_back(store.row(i));
  return rows;
}
std::vector<int> TagsOf(const LineStore& store) {
  std::vector<int> tags;
  for (int i = 0; i < store.row_count(); ++i) tags.push_back(store.tag(i));
  return tags;
}

TEST(LineStore, FirstLineGoesIntoTheEmptyRow) {
  LineStore store;
  EXPECT_EQ(store.row_count(), 1);
  EXPECT_TRUE(store.marked_empty());
  store.AppendLine("first");
  store.AppendLine("second");
  EXPECT_EQ(RowsOf(store), (std::vector<std::string>{"first", "second"}));
  EXPECT_FALSE(store.marked_empty());
}

TEST(LineStore, LongLineWrapsAndOnlyAWrapTagMarksEveryRow) {
  const std::string announcement(200, 'a');
  LineStore store(1000, 83);
  store.AppendLine(announcement, kTagAnnouncement);
  EXPECT_EQ(RowsOf(store),
            (std::vector<std::string>{std::string(83, 'a'), std::string(83, 'a'), std::string(34, 'a')}));
  EXPECT_EQ(TagsOf(store), (std::vector<int>{21, 21, 21}));

  // A spot has no wrap tag: spot processing tags its last row afterwards.
  store.AppendLine(std::string(200, 's'));
  store.SetLastRowTag(4);
  EXPECT_EQ(TagsOf(store), (std::vector<int>{21, 21, 21, 0, 0, 4}));

  // A line that fits keeps tag 0 even with a wrap tag.
  store.AppendLine("short", kTagTalk);
  EXPECT_EQ(store.tag(store.row_count() - 1), 0);
}

TEST(LineStore, ContinueLastRowSpillsAndTagsTheRowsItTouched) {
  LineStore store(1000, 83);
  store.AppendLine(std::string(83, 'x'));
  store.ContinueLastRow(" L?");
  EXPECT_EQ(RowsOf(store), (std::vector<std::string>{std::string(83, 'x'), " L?"}));

  LineStore talk(1000, 10);
  talk.AppendLine("0123");
  talk.ContinueLastRow("456789abcdefghijklmn", kTagTalk);  // 24 characters: 3 rows
  EXPECT_EQ(RowsOf(talk), (std::vector<std::string>{"0123456789", "abcdefghij", "klmn"}));
  EXPECT_EQ(TagsOf(talk), (std::vector<int>{23, 23, 23}));
  talk.ContinueLastRow("o", kTagTalk);
  EXPECT_EQ(RowsOf(talk).back(), "klmno");
}

TEST(LineStore, AppendThenContinueGivesTheRowsOfOneAppend) {
  for (std::size_t split = 0; split <= 200; split += 7) {
    const std::string line = std::string(120, 'a') + std::string(80, 'b');
    LineStore whole(1000, 83), pieces(1000, 83);
    whole.AppendLine(line);
    pieces.AppendLine(line.substr(0, split));
    pieces.ContinueLastRow(line.substr(split));
    EXPECT_EQ(RowsOf(pieces), RowsOf(whole)) << "split at " << split;
  }
}

TEST(LineStore, ContinuingTheEmptyRowMakesItReal) {
  LineStore store;
  store.ContinueLastRow("login: ");
  store.AppendLine("next");
  EXPECT_EQ(RowsOf(store), (std::vector<std::string>{"login: ", "next"}));
}

TEST(LineStore, TrimDropsTenOldestRowsAndMovesTheView) {
  LineStore store(1000, 83);
  for (int i = 0; i < 1001; ++i) store.AppendLine("row " + std::to_string(i));
  store.SetTopRow(500);
  store.SetLastRowTag(3);
  ASSERT_EQ(store.row_count(), 1001);
  store.TrimToLimit();
  EXPECT_EQ(store.row_count(), 991);
  EXPECT_EQ(store.row(0), "row 10");
  EXPECT_EQ(store.row(990), "row 1000");
  EXPECT_EQ(store.tag(990), 3);
  EXPECT_EQ(store.top_row(), 490);

  store.SetTopRow(4);
  store.TrimWindow();
  EXPECT_EQ(store.top_row(), 0);
  EXPECT_EQ(store.row_count(), 981);
}

TEST(LineStore, OneHugeLineIsTrimmedBackToTheLimit) {
  LineStore store(100, 83);
  store.AppendLine(std::string(83 * 500, 'j'));
  store.TrimToLimit();
  EXPECT_LE(store.row_count(), 100);
  EXPECT_GT(store.row_count(), 90);
}

TEST(LineStore, LimitsBelowOneStepAndZeroWidthAreMadeWorkable) {
  LineStore store(0, 0);
  EXPECT_EQ(store.limit(), LineStore::kMinimumLimit);
  store.AppendLine("abc");
  EXPECT_EQ(RowsOf(store), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(LineStore, ViewFollowsTheEndOnlyWhenShownAndNotHeld) {
  LineStore store;
  store.SetVisibleRows(10);
  for (int i = 0; i < 30; ++i) store.AppendLine("x");
  EXPECT_EQ(store.top_row(), 0) << "a window not shown does not move";

  store.SetShown(true);
  store.AppendLine("x");
  EXPECT_EQ(store.top_row(), 21);

  store.SetScrollHold(true);
  store.SetTopRow(5);
  store.AppendLine("x");
  EXPECT_EQ(store.top_row(), 5);
  store.ReleaseHoldNearEnd();
  EXPECT_TRUE(store.scroll_hold()) << "far from the end the hold stays";

  store.SetTopRow(19);  // end position is 22: within 3 rows
  store.ReleaseHoldNearEnd();
  EXPECT_FALSE(store.scroll_hold());
  EXPECT_EQ(store.top_row(), 22);
}

TEST(LineStore, ClearReturnsToOneEmptyRow) {
  LineStore store;
  store.AppendLine("a");
  store.AppendLine("b");
  store.Clear();
  EXPECT_EQ(store.row_count(), 1);
  EXPECT_TRUE(store.marked_empty());
  store.AppendLine("c");
  EXPECT_EQ(RowsOf(store), (std::vector<std::string>{"c"}));
}

TEST(WindowLineStores, LimitsAndWidthComeFromTheSettings) {
  Settings settings;
  settings.MaxLines = LineLimits{500, 700, 300, 0};
  settings.MaxLineLength = 60;
  WindowLineStores windows(settings);
  EXPECT_EQ(windows.Terminal(3).limit(), 500);
  EXPECT_EQ(windows.Get(WindowId::kDx).limit(), 700);
  EXPECT_EQ(windows.Get(WindowId::kAlarm).limit(), 300);
  EXPECT_EQ(windows.Get(WindowId::kLotw).limit(), 200) << "a zero LoTW field means 200";
  EXPECT_EQ(windows.Get(WindowId::kDx).max_line_length(), 60);
}

TEST(WindowLineStores, TheViewDecidesWhichStoreIsShown) {
  WindowLineStores windows{Settings()};
  windows.SetView({'M', 3});
  EXPECT_TRUE(windows.Terminal(3).shown());
  EXPECT_FALSE(windows.Terminal(1).shown());
  EXPECT_FALSE(windows.Get(WindowId::kDx).shown());
  windows.SetView({'L', 3});
  EXPECT_FALSE(windows.Terminal(3).shown());
  EXPECT_TRUE(windows.Get(WindowId::kLotw).shown());
}

struct ColourCase {
  const char* name;
  std::int32_t tag;
  WindowId window;
  std::uint32_t transparent_bits;
  Colour font;
  Colour background;
};
// Test names instead of byte dumps in the listing.
void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }

class RowColourTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(RowColourTest, TagSelectsColours) {
  const ColourCase& c = GetParam();
  Colours col;
  col.ColBkTrans = c.transparent_bits;
  RowColours got = ResolveRowColours(c.tag, WindowColours(c.window, col), col);
  EXPECT_EQ(got.font, c.font);
  EXPECT_EQ(got.background, c.background);
}

const Colours kDefault;

INSTANTIATE_TEST_SUITE_P(
    Tags, RowColourTest,
    ::testing::Values(
        ColourCase{"NewEntity", 4, WindowId::kDx, 0x2E00, kDefault.ColDXCCnew, kDefault.ColBkDXCCnew},
        ColourCase{"LotwNewBand", 103, WindowId::kLotw, 0x2E00, kDefault.ColLOTWM, kDefault.ColBkLOTWM},
        ColourCase{"IotaNotWorked", 11, WindowId::kAlarm, 0x2E00, kDefault.ColIOTAM, kDefault.ColBkIOTAM},
        ColourCase{"SeekCall", 5, WindowId::kDx, 0x2E00, kDefault.ColSeekCall, kDefault.ColBkSeekCall},
        // Default transparency: bulletins, announcements, chat and echo draw on
        // the window's background; talk does not.
        ColourCase{"WwvTransparent", 20, WindowId::kTerminal2, 0x2E00, kDefault.ColWWV, kDefault.ColBkMon2},
        ColourCase{"AnnTransparent", 21, WindowId::kDx, 0x2E00, kDefault.ColAnn, kDefault.ColBkDX},
        ColourCase{"ChatTransparent", 22, WindowId::kTerminal4, 0x2E00, kDefault.ColChat, kDefault.ColBkMon4},
        ColourCase{"TalkOpaque", 23, WindowId::kTerminal1, 0x2E00, kDefault.ColTalk, kDefault.ColBkTalk},
        ColourCase{"EchoTransparent", 24, WindowId::kTerminal3, 0x2E00, kDefault.ColEcho, kDefault.ColBkMon3},
        ColourCase{"WorkedTransparentByBit0", 2, WindowId::kDx, 0x0001, kDefault.ColDXCCW, kDefault.ColBkDX},
        ColourCase{"UntaggedAlarmRow", 0, WindowId::kAlarm, 0x2E00, kDefault.ColAlarm, kDefault.ColBkAlarm},
        ColourCase{"NothingNeeded", 1, WindowId::kLotw, 0x3FFF, kDefault.ColLOTW, kDefault.ColBkLOTW}),
    [](const ::testing::TestParamInfo<ColourCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brilox
