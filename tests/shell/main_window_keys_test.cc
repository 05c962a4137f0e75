// The main window's keyboard commands on the controller: scrolling and the
// scroll-hold flags, the control characters put into command lines, the
// clipboard keys, the history keys, the seams of later parts, and the
// preview that sends Enter and moves typing to the command line.
#include <gtest/gtest.h>

#include "shell/main_window_fixture.h"

namespace brilox {
namespace {

class MainWindowKeysTest : public testing::MainWindowFixture {
 protected:
  bool Press(KeyCode code, bool ctrl = false, bool shift = false) {
    return controller.FormKeyDown({code, ctrl, shift});
  }
  // Types `text` and Enter into command line n, as the window delivers it.
  void Type(int n, const std::string& text) {
    for (char ch : text) {
      if (controller.CommandLineKeyPress(n, ch, false))
        view.lines[static_cast<std::size_t>(n - 1)].AppendAtEnd(ch);
    }
    EXPECT_EQ(controller.FormKeyPress('\r', false), FormKeyPressOutcome::kConsumed);
  }
};

struct ScrollCase {
  const char* name;
  int top_before;
  bool hold_before;
  KeyCode key;
  int top_after;
  bool hold_after;
};

class ScrollKeysTest : public MainWindowKeysTest, public ::testing::WithParamInterface<ScrollCase> {};

// 100 rows, 21 visible: the end position is row 79, a page is 20 rows.
TEST_P(ScrollKeysTest, MoveTheViewAndSetTheHold) {
  const ScrollCase& c = GetParam();
  controller.SetRunMode('D');
  LineStore& dx = windows.Get(WindowId::kDx);
  dx.SetVisibleRows(21);
  Fill(WindowId::kDx, 100);
  dx.SetTopRow(c.top_before);
  dx.SetScrollHold(c.hold_before);
  EXPECT_TRUE(Press(c.key));
  EXPECT_EQ(dx.top_row(), c.top_after);
  EXPECT_EQ(dx.scroll_hold(), c.hold_after);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ScrollKeysTest,
    ::testing::Values(ScrollCase{"PageUpFromTheEnd", 79, false, KeyCode::kPageUp, 59, true},
                      ScrollCase{"PageUpAtTheFirstRowKeepsTheView", 0, false, KeyCode::kPageUp, 0, true},
                      ScrollCase{"PageUpStopsAtTheFirstRow", 7, true, KeyCode::kPageUp, 0, true},
                      ScrollCase{"PageDownShortOfTheEndKeepsTheHold", 10, true, KeyCode::kPageDown, 30, true},
                      ScrollCase{"PageDownReachingTheEndReleases", 65, true, KeyCode::kPageDown, 79, false},
                      ScrollCase{"UpHolds", 79, false, KeyCode::kUp, 78, true},
                      ScrollCase{"UpAtTheFirstRowHolds", 0, false, KeyCode::kUp, 0, true},
                      ScrollCase{"DownShortOfTheEnd", 40, true, KeyCode::kDown, 41, true},
                      ScrollCase{"DownOntoTheEndReleases", 78, true, KeyCode::kDown, 79, false},
                      ScrollCase{"HomeHolds", 50, false, KeyCode::kHome, 0, true},
                      ScrollCase{"EndReleases", 3, true, KeyCode::kEnd, 79, false}),
    [](const ::testing::TestParamInfo<ScrollCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowKeysTest, HeldViewStaysWhileLinesArriveAndEndFollowsAgain) {
  controller.SetRunMode('D');
  LineStore& dx = windows.Get(WindowId::kDx);
  dx.SetVisibleRows(10);
  Fill(WindowId::kDx, 50);
  EXPECT_EQ(dx.top_row(), 40);
  Press(KeyCode::kPageUp);
  EXPECT_EQ(dx.top_row(), 31);
  Fill(WindowId::kDx, 5);
  EXPECT_EQ(dx.top_row(), 31);
  Press(KeyCode::kEnd);
  Fill(WindowId::kDx, 5);
  EXPECT_EQ(dx.top_row(), 50);
}

TEST_F(MainWindowKeysTest, ScrollKeysActOnTheViewOnShow) {
  controller.ShowTerminal(3);
  Fill(WindowId::kTerminal3, 40);
  windows.Terminal(3).SetVisibleRows(10);
  windows.Terminal(3).ScrollToEnd();
  Press(KeyCode::kHome);
  EXPECT_EQ(windows.Terminal(3).top_row(), 0);
  EXPECT_TRUE(windows.Terminal(3).scroll_hold());
  EXPECT_FALSE(windows.Get(WindowId::kDx).scroll_hold());
  controller.ShowTerminal(1);
  controller.ShowTerminal(3);
  EXPECT_FALSE(windows.Terminal(3).scroll_hold()) << "entering a terminal releases its hold";
}

TEST_F(MainWindowKeysTest, ControlCharactersGoIntoTheCommandLines) {
  controller.SetRunMode('M');
  view.lines[0].Replace("abc");
  view.focus = FocusTarget::CommandLine(1);
  EXPECT_FALSE(Press(KeyCode::kC, true));
  EXPECT_EQ(view.lines[0].text, "abc\x03") << "terminal 1 without a selection sends Ctrl+C";
  EXPECT_FALSE(Press(KeyCode::kT, true));
  EXPECT_EQ(view.lines[0].text, "abc\x03\x14");
  EXPECT_TRUE(Press(KeyCode::kZ, true));
  EXPECT_EQ(view.lines[0].text, "abc\x03\x14\x1a");
  EXPECT_EQ(view.lines[0].caret, 6u);
  EXPECT_TRUE(view.copied_from.empty());

  view.selection[0] = true;
  Press(KeyCode::kC, true);
  EXPECT_EQ(view.copied_from, (std::vector<FocusTarget>{FocusTarget::CommandLine(1)}));
  EXPECT_EQ(view.lines[0].text.size(), 6u);

  controller.ShowTerminal(2);
  view.lines[1].Replace("xyz");
  Press(KeyCode::kC, true);
  EXPECT_EQ(view.lines[1].text, "xyz") << "terminals 2 to 4 only copy";
  EXPECT_EQ(view.copied_from.size(), 2u);

  controller.ShowView('D');
  EXPECT_FALSE(Press(KeyCode::kZ, true)) << "Ctrl+Z only in a terminal view";
  EXPECT_EQ(view.lines[1].text, "xyz");
}

TEST_F(MainWindowKeysTest, LotwViewKeysUseTheCallField) {
  controller.ShowView('L');
  ASSERT_EQ(view.focus, FocusTarget::CallField());
  EXPECT_FALSE(Press(KeyCode::kV, true)) << "the focused call field pastes by itself";
  EXPECT_EQ(view.pastes, 0);
  EXPECT_FALSE(Press(KeyCode::kHome)) << "Home moves the call field's caret";
  EXPECT_FALSE(Press(KeyCode::kLeft));

  EXPECT_TRUE(Press(KeyCode::kDown));
  EXPECT_EQ(view.focus, FocusTarget::Grid(WindowId::kLotw)) << "scrolling keys go to the grid";
  EXPECT_TRUE(Press(KeyCode::kV, true));
  EXPECT_EQ(view.pastes, 1);
  EXPECT_TRUE(Press(KeyCode::kHome));
  EXPECT_TRUE(windows.Get(WindowId::kLotw).scroll_hold());
  Press(KeyCode::kC, true);
  EXPECT_EQ(view.copied_from, (std::vector<FocusTarget>{FocusTarget::CallField()}));
  EXPECT_TRUE(Press(KeyCode::kRight));
  EXPECT_EQ(view.focus, FocusTarget::CallField());
}

TEST_F(MainWindowKeysTest, HistoryKeysBrowseTheActiveTerminal) {
  controller.ShowTerminal(2);
  Type(2, "SH/DX");
  Type(2, "SH/WWV");
  EXPECT_EQ(sender.sent.size(), 2u);
  EXPECT_TRUE(Press(KeyCode::kUp, true));
  EXPECT_EQ(view.lines[1].text, "SH/WWV");
  EXPECT_TRUE(Press(KeyCode::kUp, true));
  EXPECT_EQ(view.lines[1].text, "SH/DX");

  LineStore& t2 = windows.Terminal(2);
  EXPECT_FALSE(t2.scroll_hold());
  EXPECT_TRUE(Press(KeyCode::kUp, true)) << "no older line: Ctrl+Up scrolls as Up does";
  EXPECT_EQ(view.lines[1].text, "SH/DX");
  EXPECT_TRUE(t2.scroll_hold());

  EXPECT_TRUE(Press(KeyCode::kDown, true));
  EXPECT_EQ(view.lines[1].text, "SH/WWV");
  EXPECT_TRUE(Press(KeyCode::kDown, true));
  EXPECT_EQ(view.lines[1].text, "");
  controller.ShowTerminal(1);
  EXPECT_TRUE(Press(KeyCode::kDown, true)) << "terminal 1 has no history: plain Down";
  EXPECT_EQ(view.lines[0].text, "");
}

TEST_F(MainWindowKeysTest, LaterPartsAreReachedThroughTheirSeams) {
  controller.ShowTerminal(3);
  settings.Password = "secret";
  settings.Password2 = "other";
  EXPECT_TRUE(Press(KeyCode::kN, true));
  Press(KeyCode::kP, true);
  Press(KeyCode::kP, true, true);
  Press(KeyCode::kF4, false, true);
  EXPECT_FALSE(Press(KeyCode::kF1, true, true)) << "Shift+Ctrl+F1 belongs to the log search";
  EXPECT_TRUE(Press(KeyCode::kF10, false, true));
  EXPECT_EQ(calls, (std::vector<std::string>{"refresh directory", "telnet directory", "password 3 secret",
                                             "password 3 other", "shortcut 4 on 3", "shortcuts window"}));
}

TEST_F(MainWindowKeysTest, PreviewSendsEnterAndMovesTypingToTheCommandLine) {
  controller.ShowTerminal(2);
  view.lines[1].Replace("SH/DX");
  view.lines[1].caret = 1;
  view.focus = FocusTarget::Grid(WindowId::kTerminal2);
  EXPECT_EQ(controller.FormKeyPress('x', false), FormKeyPressOutcome::kRedirect);
  EXPECT_EQ(view.focus, FocusTarget::CommandLine(2));
  EXPECT_EQ(view.lines[1].caret, 5u) << "typing from the terminal window lands at the end";

  EXPECT_EQ(controller.FormKeyPress('y', false), FormKeyPressOutcome::kPassOn) << "already there";
  view.focus = FocusTarget::Grid(WindowId::kTerminal2);
  EXPECT_EQ(controller.FormKeyPress(14, true), FormKeyPressOutcome::kPassOn) << "Ctrl+N keeps the focus";

  EXPECT_EQ(controller.FormKeyPress('\r', false), FormKeyPressOutcome::kConsumed);
  EXPECT_EQ(sender.sent.back().text, "SH/DX\r");
  EXPECT_EQ(view.lines[1].text, "");

  controller.ShowView('D');
  EXPECT_EQ(controller.FormKeyPress('\r', false), FormKeyPressOutcome::kPassOn) << "only in a terminal view";
  EXPECT_EQ(sender.sent.size(), 1u);
}

TEST_F(MainWindowKeysTest, ReceivedLineCallsTheFocusOnlyToTheTerminalOnShow) {
  controller.ShowTerminal(2);
  view.focus = FocusTarget::Grid(WindowId::kTerminal2);
  controller.FocusCommandLine(1);
  EXPECT_EQ(view.focus, FocusTarget::Grid(WindowId::kTerminal2));
  controller.FocusCommandLine(2);
  EXPECT_EQ(view.focus, FocusTarget::CommandLine(2));
}

}  // namespace
}  // namespace brilox
