// What the main window controller asks of the window on the screen.  The Qt
// window implements it; tests use a recording fake.  The view only shows and
// reports: every decision is the controller's.
// Window thread only.
#pragma once

#include <string>

#include "links/command_lines.h"
#include "links/link_seams.h"
#include "shell/main_window_layout.h"
#include "spots/window_line_stores.h"

namespace brilox {

// What holds the keyboard focus.
struct FocusTarget {
  enum class Kind { kNone, kGrid, kCommandLine, kLotwCallField };
  Kind kind = Kind::kNone;
  WindowId window = WindowId::kTerminal1;  // kGrid
  int terminal = 0;                        // kCommandLine: 1 to 4

  static FocusTarget Grid(WindowId w) { return {Kind::kGrid, w, 0}; }
  static FocusTarget CommandLine(int n) { return {Kind::kCommandLine, WindowId::kTerminal1, n}; }
  static FocusTarget CallField() { return {Kind::kLotwCallField, WindowId::kTerminal1, 0}; }
  bool IsCommandLine(int n) const { return kind == Kind::kCommandLine && terminal == n; }
  friend bool operator==(const FocusTarget&, const FocusTarget&) = default;
};

// The menu items and toolbar buttons that SetRunMode sets.
struct RunModeControls {
  bool send_text_enabled = false;  // File "Send text" and the TX button
  bool capture_enabled = false;    // File "Start capture" and the RX button
  std::string capture_caption;
  WindowId checked_view = WindowId::kTerminal1;  // the Window menu item and the pressed view button

  friend bool operator==(const RunModeControls&, const RunModeControls&) = default;
};

class MainWindowView {
 public:
  virtual ~MainWindowView() = default;

  virtual void ApplyLayout(const MainLayout& layout) = 0;
  virtual void ShowRunModeControls(const RunModeControls& controls) = 0;
  // The menu item and RX hint of the capture.
  virtual void SetCaptureCaption(const std::string& caption) = 0;
  // Status bar panel 1 to 4.
  virtual void SetStatusPanel(int panel, const std::string& text) = 0;
  virtual void SetConnectionLabel(const std::string& text) = 0;
  virtual void SetSoundButton(bool on) = 0;
  // Terminal button n (1 to 4) shows where its link stands, `hint` as its tool tip.
  virtual void SetTerminalButton(int /*n*/, LinkState /*state*/, const std::string& /*hint*/) {}

  virtual FocusTarget Focus() const = 0;
  virtual void SetFocus(const FocusTarget& target) = 0;
  // The grid of `window` selects its last row.
  virtual void SelectLastRow(WindowId window) = 0;

  virtual CommandLineText CommandLine(int n) const = 0;
  virtual void SetCommandLine(int n, const CommandLineText& line) = 0;
  virtual bool HasSelection(const FocusTarget& target) const = 0;
  virtual void CopySelection(const FocusTarget& target) = 0;
  virtual void PasteIntoCallField() = 0;

  // The deferred error box of a capture stopped by a write error.
  virtual void PostCaptureError(const std::string& path) = 0;
  virtual void Close() = 0;
};

}  // namespace brilox
