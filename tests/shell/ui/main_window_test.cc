// The main window on the offscreen platform: what each run mode shows and
// enables, the toolbar and Window menu, the key commands as real key events
// reach the widgets, and the rows drawn in their colours.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QStatusBar>

#include "shell/ui/main_window_fixture.h"
#include "shell/ui/row_style.h"
#include "spots/line_class.h"

namespace brilox {
namespace {

class MainWindowTest : public testing::QtMainWindowFixture {};

struct ViewCase {
  const char* name;
  WindowId button;
  WindowId grid;
  int command_line;  // 0: none
  bool lotw_panel;
  bool capture_enabled;
};

class RunModeTest : public MainWindowTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(RunModeTest, TheViewButtonShowsOnlyItsView) {
  const ViewCase& c = GetParam();
  Open();
  window->viewButton(c.button)->trigger();
  Settle();
  for (int w = 0; w < kWindowCount; ++w) {
    EXPECT_EQ(Grid(static_cast<WindowId>(w))->isVisible(), static_cast<WindowId>(w) == c.grid)
        << "grid " << w;
  }
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(CommandLine(n)->isVisible(), n == c.command_line) << "line " << n;
  EXPECT_EQ(window->lotwPanel()->isVisible(), c.lotw_panel);
  EXPECT_EQ(window->captureItem()->isEnabled(), c.capture_enabled);
  EXPECT_EQ(window->rxButton()->isEnabled(), c.capture_enabled);
  EXPECT_FALSE(window->sendTextItem()->isEnabled()) << "text sending is not wired in";
  for (int w = 0; w < kWindowCount; ++w) {
    const bool on = static_cast<WindowId>(w) == c.button;
    EXPECT_EQ(window->viewButton(static_cast<WindowId>(w))->isChecked(), on) << "button " << w;
    EXPECT_EQ(window->windowMenuItem(static_cast<WindowId>(w))->isChecked(), on) << "menu item " << w;
  }

  // The grid fills the desk between toolbar and status bar (and command line).
  const Rect expected = window->controller().layout().grids[static_cast<std::size_t>(c.grid)];
  EXPECT_EQ(Grid(c.grid)->geometry(), QRect(expected.left, expected.top, expected.width, expected.height));
  EXPECT_EQ(expected.width, window->desk()->width());
  QWidget* focus = QApplication::focusWidget();
  if (c.command_line > 0) {
    EXPECT_EQ(focus, CommandLine(c.command_line));
  } else if (c.lotw_panel) {
    EXPECT_EQ(focus, window->callField());
  } else {
    EXPECT_EQ(focus, Grid(c.grid));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Views, RunModeTest,
    ::testing::Values(ViewCase{"Terminal1", WindowId::kTerminal1, WindowId::kTerminal1, 1, false, true},
                      ViewCase{"Terminal4", WindowId::kTerminal4, WindowId::kTerminal4, 4, false, true},
                      ViewCase{"Dx", WindowId::kDx, WindowId::kDx, 0, false, false},
                      ViewCase{"Alarm", WindowId::kAlarm, WindowId::kAlarm, 0, false, false},
                      ViewCase{"Lotw", WindowId::kLotw, WindowId::kLotw, 0, true, false}),
    [](const ::testing::TestParamInfo<ViewCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ResizingKeepsTheLayoutRules) {
  Open();
  window->viewButton(WindowId::kDx)->trigger();
  window->resize(1000, 700);
  Settle();
  const Rect dx = window->controller().layout().grids[static_cast<std::size_t>(WindowId::kDx)];
  EXPECT_EQ(dx.width, window->desk()->width());
  EXPECT_EQ(Grid(WindowId::kDx)->geometry().bottom() + 1,
            window->statusPanel(1)->parentWidget()->geometry().top())
      << "the grid ends where the status bar begins";
}

TEST_F(MainWindowTest, CtrlWWalksTheViewsFromAnyWidget) {
  Open();
  const std::vector<WindowId> order{WindowId::kTerminal2, WindowId::kTerminal3, WindowId::kTerminal4,
                                    WindowId::kDx,        WindowId::kLotw,      WindowId::kAlarm,
                                    WindowId::kTerminal1};
  for (WindowId expected : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(window->viewButton(expected)->isChecked()) << static_cast<int>(expected);
  }
}

TEST_F(MainWindowTest, FunctionKeysOfTheWindowMenuSwitchViews) {
  Open();
  QTest::keySequence(window.get(), QKeySequence(Qt::Key_F5));
  EXPECT_EQ(window->controller().run_mode(), 'D');
  QTest::keySequence(window.get(), QKeySequence(Qt::Key_F3));
  EXPECT_EQ(window->controller().run_mode(), 'M');
  EXPECT_EQ(window->controller().active_terminal(), 3);
}

TEST_F(MainWindowTest, TypedLineIsSentEchoedAndRemembered) {
  Open();
  QLineEdit* line = CommandLine(1);
  QTest::keyClicks(line, "SH/DX 20");
  QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);  // refused, selects nothing
  EXPECT_EQ(CommandLineText(1), "SH/DX 20");
  EXPECT_FALSE(line->hasSelectedText());
  QTest::keyClick(line, Qt::Key_Return);
  ASSERT_EQ(sender.sent.size(), 1u);
  EXPECT_EQ(sender.sent[0].text, "SH/DX 20\r");
  EXPECT_EQ(CommandLineText(1), "");

  const LineStore& t1 = Store(WindowId::kTerminal1);
  EXPECT_EQ(t1.row(t1.row_count() - 1), "SH/DX 20");
  EXPECT_EQ(t1.tag(t1.row_count() - 1), kTagEcho);

  QTest::keyClick(line, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(CommandLineText(1), "SH/DX 20");
  QTest::keyClick(line, Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(CommandLineText(1), "");
}

TEST_F(MainWindowTest, EscapeAndControlKeysGoToTheEndOfTheLine) {
  Open();
  QLineEdit* line = CommandLine(1);
  QTest::keyClicks(line, "C node:23");
  line->setCursorPosition(0);
  QTest::keyClick(line, Qt::Key_Escape);
  EXPECT_EQ(CommandLineText(1), "C node:23\x1b");
  QTest::keyClick(line, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(CommandLineText(1), "C node:23\x1b\x1a");
  QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(CommandLineText(1), "C node:23\x1b\x1a\x03");
}

TEST_F(MainWindowTest, TypingInTheTerminalWindowLandsInItsCommandLine) {
  Open();
  window->viewButton(WindowId::kTerminal2)->trigger();
  QTest::keyClicks(CommandLine(2), "SH/");
  Grid(WindowId::kTerminal2)->setFocus();
  QTest::keyClick(Grid(WindowId::kTerminal2), 'W');
  QTest::keyClicks(QApplication::focusWidget(), "WV");
  EXPECT_EQ(CommandLineText(2), "SH/WWV");
  EXPECT_EQ(QApplication::focusWidget(), CommandLine(2));
  Grid(WindowId::kTerminal2)->setFocus();
  QTest::keyClick(Grid(WindowId::kTerminal2), Qt::Key_Return);
  ASSERT_EQ(sender.sent.size(), 1u);
  EXPECT_EQ(sender.sent[0], (testing::RecordingTerminalSender::Sent{"telnet", 2, "SH/WWV\r"}));
}

TEST_F(MainWindowTest, CtrlCInTheTerminalWindowCopiesItsRowAndTypesNothing) {
  Open();
  LineStore& t1 = Store(WindowId::kTerminal1);
  t1.AppendLine("login: ");
  t1.AppendLine("DX de K1ABC:     14025.0  F6ABC        cq              1200Z");
  Settle();
  LineGridView* grid = Grid(WindowId::kTerminal1);
  grid->setFocus();
  grid->setCurrentIndex(grid->model()->index(1, 0));
  QApplication::clipboard()->clear();
  ASSERT_EQ(QApplication::focusWidget(), grid);
  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(),
            QStringLiteral("DX de K1ABC:     14025.0  F6ABC        cq              1200Z"));
  EXPECT_EQ(CommandLineText(1), "");
  EXPECT_EQ(QApplication::focusWidget(), CommandLine(1));
}

TEST_F(MainWindowTest, CtrlCInTheDxViewCopiesTheSelectedRows) {
  Open();
  window->viewButton(WindowId::kDx)->trigger();
  LineStore& dx = Store(WindowId::kDx);
  for (int i = 0; i < 5; ++i) dx.AppendLine("DX line " + std::to_string(i));
  Settle();
  LineGridView* grid = Grid(WindowId::kDx);
  const int height = grid->lineModel()->RowSize().height();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 1 * height + height / 2));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 3 * height + height / 2));
  QApplication::clipboard()->clear();
  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("DX line 1\nDX line 2\nDX line 3"));
  EXPECT_EQ(QApplication::focusWidget(), grid);
}

TEST_F(MainWindowTest, AKeyTheGridLeavesIsHandledOnce) {
  std::vector<std::string> calls;
  MainWindowSeams seams;
  seams.send_shortcut = [&](int n, int k) {
    calls.push_back(std::to_string(k) + " on " + std::to_string(n));
  };
  Open(seams);
  window->viewButton(WindowId::kDx)->trigger();
  QTest::keyClick(Grid(WindowId::kDx), Qt::Key_F4, Qt::ShiftModifier);
  EXPECT_EQ(calls, (std::vector<std::string>{"4 on 1"}));
}

TEST_F(MainWindowTest, ScrollKeysMoveTheGridAndHoldIt) {
  Open();
  window->viewButton(WindowId::kDx)->trigger();
  LineStore& dx = Store(WindowId::kDx);
  for (int i = 0; i < 300; ++i) dx.AppendLine("DX line " + std::to_string(i));
  Settle();
  QScrollBar* bar = Grid(WindowId::kDx)->verticalScrollBar();
  ASSERT_GT(dx.top_row(), 0);
  EXPECT_EQ(dx.top_row(), dx.EndTopRow());
  EXPECT_EQ(bar->value(), dx.top_row()) << "the grid shows the store's end";

  QTest::keyClick(Grid(WindowId::kDx), Qt::Key_PageUp);
  Settle();
  EXPECT_TRUE(dx.scroll_hold());
  EXPECT_EQ(dx.top_row(), dx.EndTopRow() - (dx.visible_rows() - 1));
  EXPECT_EQ(bar->value(), dx.top_row());
  const int held = dx.top_row();
  dx.AppendLine("arrives while held");
  Settle();
  EXPECT_EQ(bar->value(), held);

  QTest::keyClick(Grid(WindowId::kDx), Qt::Key_End);
  Settle();
  EXPECT_FALSE(dx.scroll_hold());
  EXPECT_EQ(bar->value(), dx.EndTopRow());

  // The operator's own scrolling holds the view too.
  bar->triggerAction(QAbstractSlider::SliderPageStepSub);
  EXPECT_TRUE(dx.scroll_hold());
  EXPECT_EQ(dx.top_row(), bar->sliderPosition());
  bar->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_FALSE(dx.scroll_hold());
}

TEST_F(MainWindowTest, LotwViewKeysUseTheCallField) {
  Open();
  window->viewButton(WindowId::kLotw)->trigger();
  QApplication::clipboard()->setText(QStringLiteral("k1abc"));
  QTest::keyClick(window->callField(), Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), Grid(WindowId::kLotw));
  QTest::keyClick(Grid(WindowId::kLotw), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(window->callField()->text(), QStringLiteral("K1ABC"));
  QTest::keyClick(Grid(WindowId::kLotw), Qt::Key_Left);
  EXPECT_EQ(QApplication::focusWidget(), window->callField());
}

// The call field answers as the operator types: green with the upload date
// for a user, red and no date otherwise; only call characters are taken.
TEST_F(MainWindowTest, TheLotwCallFieldAnswersAtOnce) {
  const LotwUsers users = LotwUsers::Parse("DL1ABC,2021-03-01,10:00:00\nK1ABC,2020-05-06\n");
  environment.lotw_check = [&](const std::string& text) {
    return EditLOTWuserChange(users, settings, text, false);
  };
  Open();
  window->SetLotwUserCount(KnownCallsignsText("(%.0n known callsigns)", users.count()));
  window->viewButton(WindowId::kLotw)->trigger();
  Settle();
  EXPECT_EQ(window->lotwCountLabel()->text(), QStringLiteral("(2 known callsigns)"));
  struct Case {
    const char* typed;
    const char* shown;
    bool user;
    const char* upload;
  };
  for (const Case& c :
       {Case{"dl1abc", "DL1ABC", true, "(last upload: 2021-03-01)"}, Case{"DL1AB", "DL1AB", false, ""},
        Case{"k1", "K1", false, ""}, Case{"k1-abc", "K1ABC", true, "(last upload: 2020-05-06)"}}) {
    window->callField()->clear();
    QTest::keyClicks(window->callField(), QString::fromLatin1(c.typed));
    Settle();
    EXPECT_EQ(window->callField()->text().toStdString(), c.shown);
    EXPECT_EQ(window->lotwUploadLabel()->isVisible(), c.user) << c.typed;
    EXPECT_EQ(window->lotwUploadLabel()->text().toStdString(), c.upload) << c.typed;
    const QColor colour = window->callField()->palette().color(QPalette::Text);
    EXPECT_EQ(colour, c.user ? QColor(Qt::darkGreen) : QColor(Qt::red)) << c.typed;
  }
}

TEST_F(MainWindowTest, GridsDrawEachRowInItsTagsColours) {
  Open();
  window->viewButton(WindowId::kDx)->trigger();
  LineStore& dx = Store(WindowId::kDx);
  const std::vector<std::int32_t> tags{0, 4, 3, 2, 0, 20};
  for (std::int32_t tag : tags) {
    dx.AppendLine("DX de F5XYZ:     14025.0  K1ABC        cq                     1200Z");
    dx.SetLastRowTag(tag);
  }
  Grid(WindowId::kDx)->clearSelection();
  Grid(WindowId::kDx)->setCurrentIndex(QModelIndex());
  Settle();
  const QImage image = Grid(WindowId::kDx)->viewport()->grab().toImage();
  const int row_height = Grid(WindowId::kDx)->lineModel()->RowSize().height();
  const std::vector<Colour> backgrounds{0xFFFFFF, 0x800080, 0x0000FF, 0x0080FF, 0xFFFFFF, 0xFFFFFF};
  for (std::size_t i = 0; i < tags.size(); ++i) {
    const QColor pixel = image.pixelColor(1, static_cast<int>(i) * row_height + row_height / 2);
    EXPECT_EQ(pixel.rgb(), ToQColor(backgrounds[i]).rgb()) << "row " << i << " tag " << tags[i];
  }
}

TEST_F(MainWindowTest, StatusBarShowsTheClockAndTheViewsInfoLine) {
  settings.DisplayLocalTime = false;
  Open();
  clock.AdvanceMs(1000);
  window->controller().Timer1Timer(96);
  EXPECT_EQ(window->statusPanel(1)->text(), QStringLiteral("Thu 2026-01-15"));
  EXPECT_EQ(window->statusPanel(2)->text(), QStringLiteral("18:30:01"));
  view_status.dx.text = "K1ABC United States 292 deg 5890 km CQ 5";
  window->controller().StatusLineChanged();
  window->viewButton(WindowId::kDx)->trigger();
  EXPECT_EQ(window->statusPanel(4)->text(), QStringLiteral("K1ABC United States 292 deg 5890 km CQ 5"));
  window->viewButton(WindowId::kAlarm)->trigger();
  EXPECT_EQ(window->statusPanel(4)->text(), QString());
}

TEST_F(MainWindowTest, ConnectionLabelFollowsTheTerminalOnView) {
  sender.connected[1] = true;
  sender.names[1] = "  GB7DXC";
  Open();
  window->viewButton(WindowId::kTerminal2)->trigger();
  EXPECT_EQ(window->connectionLabel()->text(), QStringLiteral("  GB7DXC"));
  window->viewButton(WindowId::kDx)->trigger();
  EXPECT_EQ(window->connectionLabel()->text(), QString());
}

TEST_F(MainWindowTest, SoundButtonAndMenuItemSwitchTogetherAndTestPlaysASample) {
  settings.Sound = 1;
  std::vector<std::string> calls;
  MainWindowSeams seams;
  seams.sound_switched = [&](bool on) { calls.push_back(on ? "on" : "off"); };
  seams.test_sound = [&] { calls.push_back("test"); };
  Open(seams);
  ASSERT_NE(window->soundItem(), nullptr);
  EXPECT_TRUE(window->soundButton()->isChecked());
  EXPECT_TRUE(window->soundItem()->isChecked());
  window->soundItem()->trigger();
  EXPECT_EQ(settings.Sound, 0);
  EXPECT_FALSE(window->soundButton()->isChecked());
  EXPECT_FALSE(window->soundItem()->isChecked());
  window->soundButton()->trigger();
  EXPECT_EQ(settings.Sound, 1);
  EXPECT_TRUE(window->soundItem()->isChecked());
  QAction* test = nullptr;
  for (QAction* action : window->findChildren<QAction*>()) {
    if (action->text() == QStringLiteral("Test")) test = action;
  }
  ASSERT_NE(test, nullptr);
  test->trigger();
  EXPECT_EQ(calls, (std::vector<std::string>{"off", "on", "test"}));
  window->ShowStatusMessage(QStringLiteral("No sound: no audio output device"));
  EXPECT_EQ(window->statusBarWidget()->currentMessage(), QStringLiteral("No sound: no audio output device"));
}

TEST_F(MainWindowTest, CaptureFromTheMenuWritesReceivedLines) {
  Open();
  dialogs.QueueAnswer("/captures/t1.txt");
  window->captureItem()->trigger();
  EXPECT_EQ(window->captureItem()->text(), QStringLiteral("Stop capture"));
  EXPECT_EQ(window->rxButton()->toolTip(), QStringLiteral("Stop capture"));
  EXPECT_EQ(window->statusPanel(4)->text(), QStringLiteral("Capture to t1.txt"));
  window->controller().WriteCapture(1, "line one");
  window->captureItem()->trigger();
  EXPECT_EQ(window->captureItem()->text(), QStringLiteral("Start capture"));
  EXPECT_EQ(files.files()["/captures/t1.txt"], "line one\r\n");
}

}  // namespace
}  // namespace brilox
