// The main window's logic, without widgets: which view is on show and how it
// is laid out (SetRunMode, FormResize), the toolbar and menu commands, the
// keyboard commands (FormKeyDown, FormKeyPress and the command lines' key
// handling), the status bar and the connection label.  The window on the
// screen is a MainWindowView that shows what this decides.
//
// It is also the terminal side of the line intake (TerminalHooks): received
// lines go to the capture file and call the focus to the command line.
// Window thread only.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "awards/log_import.h"
#include "links/clock_tick.h"
#include "links/command_lines.h"
#include "links/link_seams.h"
#include "links/terminal_capture.h"
#include "links/terminal_sender.h"
#include "links/window_file_commands.h"
#include "shell/key_stroke.h"
#include "shell/main_window_layout.h"
#include "shell/main_window_view.h"
#include "core/settings.h"
#include "shell/startup_sequence.h"
#include "spots/line_handler.h"
#include "spots/view_status_texts.h"
#include "spots/window_line_stores.h"

namespace brilox {

// The operations of the parts that come later.  A missing one does nothing,
// and the window leaves its menu item or button disabled.
struct MainWindowSeams {
  std::function<void(int terminal)> send_text_file;
  std::function<void(int terminal, const std::string& password)> answer_password_challenge;
  std::function<void(int terminal, int shortcut)> send_shortcut;
  std::function<void()> open_shortcuts_window;
  std::function<void()> open_telnet_directory;
  std::function<void()> refresh_telnet_directory;
  std::function<void()> quick_connect;
  // The DXCC (F8), IOTA (F9) and country (F10) windows for the last spot of
  // the view on show.
  std::function<void(const std::string& prefix, int band_mhz)> open_dxcc_window;
  std::function<void(int iota_index)> open_iota_window;
  std::function<void(const std::string& prefix)> open_country_window;
  // The Tools menu's imports: choose a log or a LoTW report and import it.
  std::function<void(LogImportKind kind)> import_log;
  // The Sound button switched the in-memory `Sound` flag; the Tools menu's
  // "Test" plays a sample alarm.
  std::function<void(bool on)> sound_switched;
  std::function<void()> test_sound;
  // A right-click on a row of any window (StringGridMouseDown): `x` from the
  // start of the row's text, `text_width` the width of a text in its font.
  std::function<void(const std::string& row, int x, const std::function<int(std::string_view)>& text_width,
                     bool alt_held, bool ctrl_held)>
      row_right_click;
};

struct MainWindowServices {
  Settings& settings;  // the in-memory Sound flag is toggled here
  WindowLineStores& windows;
  CommandLines& command_lines;
  TerminalCapture& capture;
  WindowFileCommands& window_files;
  TerminalSender& sender;
  ClockTick& clock;
  const LanguageTexts& texts;
  // The info lines and entities of the last spot of each window, kept by
  // spot processing.
  const ViewStatusTexts& view_status;
  MainWindowSeams seams;
};

enum class FormKeyPressOutcome {
  kPassOn,    // the focused control handles the character
  kConsumed,  // handled here
  kRedirect,  // the focus moved to the current command line: the character belongs there
};

class MainWindowController final : public TerminalHooks {
 public:
  MainWindowController(const MainWindowServices& services, MainWindowView& view);
  MainWindowController(const MainWindowController&) = delete;
  MainWindowController& operator=(const MainWindowController&) = delete;

  // The measured heights and the client size; no view is laid out before
  // the first SetRunMode.
  void SetMetrics(const LayoutMetrics& metrics) { m_metrics = metrics; }
  void SetClientSize(int width, int height);

  // Enters view 'M' (the active terminal), 'D', 'A' or 'L'.
  void SetRunMode(char view);
  // The first view: `view` from the start-up sequence, or StartMode.
  void EnterStartView(const StartView& view);
  void EnterStartView();
  // The window changed size.
  void FormResize(int width, int height);

  // The view buttons of the toolbar and the Window menu: nothing when the
  // view is already on show.
  void ShowTerminal(int n);
  void ShowView(char view);
  // Ctrl+W: terminal 1, 2, 3, 4, DX, LoTW, alarms, terminal 1.
  void NextView();

  // File menu and toolbar.
  void Receive1Click();
  void WriteBuf1Click();
  void ClearBuf1Click();
  void Send1Click();
  void QuitClick();
  void QuickConnectClick();
  void SoundButtonClick();
  void TestSoundClick();

  // Keys.  FormKeyDown sees every key first and returns true when it
  // consumed it; FormKeyPress previews the characters; CommandLineKeyPress
  // is command line n's own handling (true: the edit field types it).
  bool FormKeyDown(const KeyStroke& key);
  FormKeyPressOutcome FormKeyPress(char ch, bool ctrl_held);
  bool CommandLineKeyPress(int n, char ch, bool ctrl_held);
  // Printable text (UTF-8) typed into command line n, from a key or an input
  // method: true when the edit field may take it.
  bool CommandLineTypedText(int n, const std::string& utf8) const;

  // The one-second clock.
  void Timer1Timer(int screen_dpi);

  // Spot processing renewed the info line of a window: the fourth panel
  // shows the one of the window on show.
  void StatusLineChanged();
  // The IOTA reference index of the last spot of the DX or alarm window.
  void SetLastIotaIndex(WindowId window, int index);
  // D&XCC (F8), &IOTA (F9) and &Country (F10) of the menu.
  void DxccMenuClick();
  void IotaMenuClick();
  void CountryMenuClick();

  // The third panel: "SFI=" and the latest solar flux (SfiStatusText).
  void ShowSolarFlux(const std::string& text);
  // The label for the terminal on view, after a link connected or dropped.
  void UpdateConnectionLabel();
  // The links' own label text (LabelConn) for the terminal on view.
  void ShowConnectionLabel(std::string text);

  // Terminal n's link went down, began connecting or came up: its toolbar
  // button shows it, with the node's address in the tool tip.
  void ShowLinkState(int terminal, LinkState state, const std::string& address);
  // The buttons again, after the language texts changed.
  void ShowLinkStates();
  // The tool tip of terminal button n: the button's hint and its link.
  std::string TerminalButtonHint(int terminal) const;

  // TerminalHooks.
  void WriteCapture(int terminal, std::string_view line) override;
  void FocusCommandLine(int terminal) override;

  const ViewState& view() const { return m_services.windows.view(); }
  char run_mode() const { return view().run_mode; }
  int active_terminal() const { return m_activeTerminal; }
  // The window of the view on show.
  WindowId CurrentWindow() const;
  const std::string& connection_label() const { return m_connectionLabel; }
  const MainLayout& layout() const { return m_layout; }
  const MainWindowSeams& seams() const { return m_services.seams; }

 private:
  bool Shows(char view, int terminal) const;
  std::string ConnectionLabelFor(int terminal) const;
  void CaptureStopped(int terminal, const std::string& path);
  void ShowInfoLineOfView();
  void AppendToCommandLine(int n, char ch);
  // Scrolling keys on the grid of the view on show.
  bool ScrollKey(const KeyStroke& key);
  std::optional<bool> CtrlKey(const KeyStroke& key);
  std::optional<bool> LotwKey(const KeyStroke& key);

  MainWindowServices m_services;
  MainWindowView& m_view;
  LayoutMetrics m_metrics;
  int m_width = 0, m_height = 0;
  int m_activeTerminal = 1;
  bool m_laidOut = false;
  MainLayout m_layout;
  int m_lastIotaDx = 0;
  int m_lastIotaAlarm = 0;
  std::string m_connectionLabel;
  struct LinkShown {
    LinkState state = LinkState::kDown;
    std::string address;
  };
  std::array<LinkShown, kTerminalCount> m_links;
};

}  // namespace brilox
