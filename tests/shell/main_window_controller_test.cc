// The main window controller without widgets: the layout and controls of
// each run mode, the view buttons and the Ctrl+W cycle, the connection label,
// the status bar, the capture commands and the start view.
#include <gtest/gtest.h>

#include "shell/main_window_fixture.h"
#include "shell/spot_window_events.h"

namespace brilox {
namespace {

using testing::MainWindowFixture;

class MainWindowControllerTest : public MainWindowFixture {};

struct LayoutCase {
  const char* name;
  char mode;
  int terminal;
  WindowId grid;
  Rect grid_rect;
  Rect command_line;  // of `terminal` in 'M'
  Rect panel;
};

class RunModeLayoutTest : public MainWindowFixture, public ::testing::WithParamInterface<LayoutCase> {};

// T 30, S 20, C 23, P 28 in a 686 x 500 client area.
TEST_P(RunModeLayoutTest, PlacesOnlyTheViewOnShow) {
  const LayoutCase& c = GetParam();
  controller.ShowTerminal(c.terminal);
  controller.SetRunMode(c.mode);
  const MainLayout& layout = view.layout;
  for (int w = 0; w < kWindowCount; ++w) {
    const WindowId window = static_cast<WindowId>(w);
    EXPECT_EQ(layout.grids[static_cast<std::size_t>(w)], window == c.grid ? c.grid_rect : Rect{}) << w;
  }
  for (int n = 1; n <= 4; ++n) {
    const bool shown = c.mode == 'M' && n == c.terminal;
    EXPECT_EQ(layout.command_lines[static_cast<std::size_t>(n - 1)], shown ? c.command_line : Rect{}) << n;
  }
  EXPECT_EQ(layout.lotw_panel, c.panel);
  EXPECT_EQ(layout.status_bar, (Rect{0, 480, 686, 20}));
}

INSTANTIATE_TEST_SUITE_P(
    Views, RunModeLayoutTest,
    ::testing::Values(
        LayoutCase{"Alarms", 'A', 1, WindowId::kAlarm, {0, 31, 686, 449}, {}, {}},
        LayoutCase{"Dx", 'D', 1, WindowId::kDx, {0, 31, 686, 449}, {}, {}},
        LayoutCase{"Lotw", 'L', 1, WindowId::kLotw, {0, 61, 686, 419}, {}, {1, 31, 684, 28}},
        LayoutCase{"Terminal1", 'M', 1, WindowId::kTerminal1, {0, 31, 686, 424}, {0, 457, 686, 23}, {}},
        LayoutCase{"Terminal3", 'M', 3, WindowId::kTerminal3, {0, 31, 686, 424}, {0, 457, 686, 23}, {}}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowControllerTest, RunModesSetTheMenuButtonsFocusAndStatus) {
  SetInfoLine(WindowId::kDx, "DX info");
  SetInfoLine(WindowId::kTerminal2, "T2 info");
  windows.Get(WindowId::kDx).SetScrollHold(true);

  controller.SetRunMode('D');
  EXPECT_EQ(view.controls, (RunModeControls{false, false, "Start capture", WindowId::kDx}));
  EXPECT_EQ(view.focus, FocusTarget::Grid(WindowId::kDx));
  EXPECT_EQ(view.selected_last_row.back(), WindowId::kDx);
  EXPECT_EQ(view.panels[3], "DX info");
  EXPECT_FALSE(windows.Get(WindowId::kDx).scroll_hold());
  EXPECT_TRUE(windows.Get(WindowId::kDx).shown());
  EXPECT_FALSE(windows.Terminal(1).shown());

  controller.SetRunMode('L');
  EXPECT_EQ(view.focus, FocusTarget::CallField());

  controller.ShowTerminal(2);
  EXPECT_EQ(view.controls, (RunModeControls{true, true, "Start capture", WindowId::kTerminal2}));
  EXPECT_EQ(view.focus, FocusTarget::CommandLine(2));
  EXPECT_EQ(view.panels[3], "T2 info");
  EXPECT_TRUE(windows.Terminal(2).shown());
  EXPECT_FALSE(windows.Get(WindowId::kLotw).shown());
  EXPECT_EQ(windows.view().shown_terminal, 2);

  // Info lines arriving for a window on show appear at once; others wait.
  SetInfoLine(WindowId::kTerminal2, "T2 newer");
  SetInfoLine(WindowId::kAlarm, "alarm info");
  EXPECT_EQ(view.panels[3], "T2 newer");
}

TEST_F(MainWindowControllerTest, EnteringATerminalBringsItToItsEnd) {
  controller.SetRunMode('D');
  Fill(WindowId::kTerminal3, 100);  // arrives while terminal 3 is hidden
  windows.Terminal(3).SetVisibleRows(20);
  EXPECT_EQ(windows.Terminal(3).top_row(), 0);
  controller.ShowTerminal(3);
  EXPECT_EQ(windows.Terminal(3).top_row(), 80);
}

TEST_F(MainWindowControllerTest, CtrlWCyclesThroughEveryView) {
  controller.SetRunMode('M');
  const std::vector<std::pair<char, int>> expected{{'M', 2}, {'M', 3}, {'M', 4}, {'D', 4},
                                                   {'L', 4}, {'A', 4}, {'M', 1}};
  for (const auto& [mode, terminal] : expected) {
    EXPECT_TRUE(controller.FormKeyDown({KeyCode::kW, true, false}));
    EXPECT_EQ(controller.run_mode(), mode);
    if (mode == 'M') {
      EXPECT_EQ(controller.active_terminal(), terminal);
    }
  }
}

TEST_F(MainWindowControllerTest, CtrlWReachesLotwEvenWithoutTheUserList) {
  settings.LOTW = 0;  // no LoTW user search, the LOTW button is hidden
  controller.ShowView('D');
  controller.NextView();
  EXPECT_EQ(controller.run_mode(), 'L');
}

TEST_F(MainWindowControllerTest, ViewButtonsUpdateTheConnectionLabel) {
  sender.connected[1] = true;
  sender.names[1] = "  GB7DXC";
  controller.SetRunMode('M');
  controller.ShowTerminal(2);
  EXPECT_EQ(view.connection_label, "  GB7DXC");
  EXPECT_EQ(calls, (std::vector<std::string>{"refresh directory"}));

  controller.ShowView('D');
  EXPECT_EQ(view.connection_label, "");
  // The DX button while DX is shown changes nothing.
  view.connection_label = "unchanged";
  const MainLayout before = view.layout;
  controller.ShowView('D');
  EXPECT_EQ(view.connection_label, "unchanged");
  EXPECT_EQ(view.layout, before);

  controller.ShowTerminal(3);
  EXPECT_EQ(view.connection_label, "") << "terminal 3 is not connected";

  settings.Interface = 1;
  sender.agw_text = "F6XYZ-1 connected to F5ABC";
  controller.ShowTerminal(1);
  EXPECT_EQ(view.connection_label, "  F6XYZ-1 connected to F5ABC");
  sender.agw_text.clear();
  controller.UpdateConnectionLabel();
  EXPECT_EQ(view.connection_label, "");
}

TEST_F(MainWindowControllerTest, TerminalButtonsShowTheirLinkWithTheNodesAddress) {
  controller.ShowLinkState(2, LinkState::kConnecting, "dxc.example.org:7300");
  EXPECT_EQ(view.terminal_buttons[1].state, LinkState::kConnecting);
  EXPECT_EQ(view.terminal_buttons[1].hint, "Show terminal 2\nConnecting... dxc.example.org:7300");
  controller.ShowLinkState(2, LinkState::kUp, "dxc.example.org:7300");
  EXPECT_EQ(view.terminal_buttons[1].hint, "Show terminal 2\nConnected to dxc.example.org:7300");
  controller.ShowLinkState(2, LinkState::kDown, "dxc.example.org:7300");
  EXPECT_EQ(view.terminal_buttons[1].state, LinkState::kDown);
  EXPECT_EQ(view.terminal_buttons[1].hint, "Show terminal 2\nDisconnected (dxc.example.org:7300)");
  controller.ShowLinkState(5, LinkState::kUp, "x:1");  // no such terminal: ignored

  // New language texts: every button again, a link never used without an address.
  view.terminal_buttons = {};
  controller.ShowLinkStates();
  EXPECT_EQ(view.terminal_buttons[0].hint, "Show terminal 1\nDisconnected");
  EXPECT_EQ(view.terminal_buttons[1].hint, "Show terminal 2\nDisconnected (dxc.example.org:7300)");
  EXPECT_EQ(view.terminal_buttons[3].hint, "Show terminal 4\nDisconnected");
}

TEST_F(MainWindowControllerTest, StartViewFollowsStartMode) {
  const std::vector<std::tuple<int, int, char, int>> cases{{0, 1, 'M', 1}, {1, 1, 'D', 1}, {2, 1, 'A', 1},
                                                           {3, 1, 'M', 2}, {5, 1, 'M', 4}, {6, 1, 'L', 1},
                                                           {6, 0, 'D', 1}, {42, 1, 'M', 1}};
  for (const auto& [start_mode, lotw, mode, terminal] : cases) {
    settings.StartMode = start_mode;
    settings.LOTW = lotw;
    controller.EnterStartView();
    EXPECT_EQ(controller.run_mode(), mode) << "StartMode " << start_mode;
    if (mode == 'M') {
      EXPECT_EQ(controller.active_terminal(), terminal) << "StartMode " << start_mode;
    }
  }
}

TEST_F(MainWindowControllerTest, ResizeKeepsAnUnheldTerminalAtItsEnd) {
  controller.SetRunMode('M');
  Fill(WindowId::kTerminal1, 60);
  LineStore& t1 = windows.Terminal(1);
  t1.SetVisibleRows(10);
  controller.FormResize(800, 300);
  EXPECT_EQ(view.layout.grids[0], (Rect{0, 31, 800, 224}));
  EXPECT_EQ(view.layout.command_lines[0], (Rect{0, 257, 800, 23}));
  EXPECT_EQ(t1.top_row(), 50);

  t1.SetScrollHold(true);
  t1.SetTopRow(5);
  controller.FormResize(800, 400);
  EXPECT_EQ(t1.top_row(), 5) << "a held terminal stays where the operator put it";

  controller.SetRunMode('A');
  view.focus = FocusTarget{};
  controller.FormResize(600, 400);
  EXPECT_EQ(view.layout.grids[5], (Rect{0, 31, 600, 349}));
  EXPECT_EQ(view.focus, FocusTarget::Grid(WindowId::kAlarm));
}

TEST_F(MainWindowControllerTest, CaptureCommandsUpdateCaptionAndStatus) {
  controller.ShowTerminal(2);
  SetInfoLine(WindowId::kTerminal2, "T2 info");
  dialogs.QueueAnswer("/captures/t2.txt");
  controller.Receive1Click();
  EXPECT_EQ(view.capture_caption, "Stop capture");
  EXPECT_EQ(view.panels[3], "Capture to t2.txt");
  controller.ShowView('D');
  EXPECT_EQ(view.controls.capture_caption, "Stop capture") << "the caption follows the active terminal";
  controller.ShowTerminal(3);
  EXPECT_EQ(view.controls.capture_caption, "Start capture");
  controller.ShowTerminal(2);

  controller.WriteCapture(2, "a received line");
  EXPECT_EQ(memory.files()["/captures/t2.txt"], "a received line\r\n");

  controller.Receive1Click();
  EXPECT_EQ(view.capture_caption, "Start capture");
  EXPECT_EQ(view.panels[3], "T2 info");
}

TEST_F(MainWindowControllerTest, CaptureWriteErrorIsShownAfterwards) {
  dialogs.QueueAnswer("/captures/t1.txt");
  controller.SetRunMode('M');
  controller.Receive1Click();
  ASSERT_TRUE(parts.capture.capturing(1));
  files.FailFromMutation(1);
  controller.WriteCapture(1, "line");
  EXPECT_FALSE(parts.capture.capturing(1));
  EXPECT_EQ(view.capture_caption, "Start capture");
  EXPECT_EQ(view.capture_errors, (std::vector<std::string>{"/captures/t1.txt"}));
}

TEST_F(MainWindowControllerTest, ClockAndSolarFluxFillTheirPanels) {
  settings.DisplayLocalTime = false;
  controller.Timer1Timer(96);
  EXPECT_EQ(view.panels[0], "Thu 2026-01-15");
  EXPECT_EQ(view.panels[1], "12:00:00");
  controller.ShowSolarFlux("SFI=148");
  EXPECT_EQ(view.panels[2], "SFI=148");
}

TEST_F(MainWindowControllerTest, SpotProcessingEventsReachTheStatusBar) {
  WindowSpotEvents events(controller);
  controller.ShowView('D');
  view_status.dx.text = "K1ABC  United States  292 deg  5890 km  CQ 5";
  events.StatusLineChanged();
  EXPECT_EQ(view.panels[3], "K1ABC  United States  292 deg  5890 km  CQ 5");
  events.SolarFluxChanged("SFI=148");
  EXPECT_EQ(view.panels[2], "SFI=148");
}

TEST_F(MainWindowControllerTest, SoundButtonTogglesTheInMemoryFlag) {
  settings.Sound = 1;
  controller.SoundButtonClick();
  EXPECT_EQ(settings.Sound, 0);
  EXPECT_FALSE(view.sound_button);
  controller.SoundButtonClick();
  EXPECT_EQ(settings.Sound, 1);
  EXPECT_TRUE(view.sound_button);
  // The announcer hears of each switch; the Tools menu's Test asks for a sample.
  controller.TestSoundClick();
  EXPECT_EQ(calls, (std::vector<std::string>{"sound off", "sound on", "test sound"}));
}

TEST(MainWindowLayout, SecondaryWindowsSitOverTheMainWindowInsideTheScreen) {
  const Rect main{100, 50, 686, 541};
  EXPECT_EQ(PlaceOverMainWindow(main, 480, 300, 200, 1920, 1080), (Point{293, 251}));
  EXPECT_EQ(PlaceOverMainWindow({-400, -300, 686, 541}, 480, 300, 200, 1920, 1080), (Point{0, 0}));
  EXPECT_EQ(PlaceOverMainWindow({1700, 950, 686, 541}, 480, 300, 200, 1920, 1080), (Point{1620, 880}));
  EXPECT_EQ(StatusPanelWidths(96), (std::array<int, 4>{150, 100, 85, 350}));
  EXPECT_EQ(StatusPanelWidths(144), (std::array<int, 4>{130, 115, 85, 350}));
  EXPECT_EQ(HauteurPolice(16, 0), 24);
  EXPECT_EQ(HauteurPolice(-20, 0), 23);
}

}  // namespace
}  // namespace brilox
