// The keyboard commands of the main window (FormKeyDown), its preview of
// typed characters (FormKeyPress) and the command lines' own key handling.
#include <algorithm>
#include <optional>

#include "shell/main_window_controller.h"

namespace brilox {
namespace {

constexpr char kCtrlC = 3;
constexpr char kCtrlN = 14;
constexpr char kCtrlT = 20;
constexpr char kCtrlV = 22;
constexpr char kCtrlZ = 26;
constexpr char kEnter = 13;

}  // namespace

void MainWindowController::AppendToCommandLine(int n, char ch) {
  CommandLineText line = m_view.CommandLine(n);
  line.AppendAtEnd(ch);
  m_view.SetCommandLine(n, line);
}

bool MainWindowController::FormKeyDown(const KeyStroke& key) {
  if (key.ctrl) {
    if (std::optional<bool> decided = CtrlKey(key)) return *decided;
  }
  // Shift with F1 .. F10.  With Ctrl held these are the log searches of the
  // menu, so they send no shortcut.
  if (key.shift && !key.ctrl) {
    const MainWindowSeams& seams = m_services.seams;
    const int function_key = FunctionKeyNumber(key.code);
    if (function_key >= 1 && function_key <= 9) {
      if (seams.send_shortcut) seams.send_shortcut(m_activeTerminal, function_key);
      return false;
    }
    if (function_key == 10) {
      if (seams.open_shortcuts_window) seams.open_shortcuts_window();
      return true;
    }
  }
  if (run_mode() == 'L') {
    if (std::optional<bool> decided = LotwKey(key)) return *decided;
  }
  return ScrollKey(key);
}

// The Ctrl commands, in the order the window checks them.  Nothing when the
// key is left to the later rows (Ctrl+Up without an older line scrolls as
// Up does).
std::optional<bool> MainWindowController::CtrlKey(const KeyStroke& key) {
  const FocusTarget focus = m_view.Focus();
  const MainWindowSeams& seams = m_services.seams;
  const int n = m_activeTerminal;
  switch (key.code) {
    case KeyCode::kC:
      if (focus.IsCommandLine(1) && !m_view.HasSelection(focus)) {
        // On terminal 1 Ctrl+C is a character for the TNC or the node.
        AppendToCommandLine(1, kCtrlC);
      } else if (focus.kind == FocusTarget::Kind::kCommandLine) {
        m_view.CopySelection(focus);
      } else if (run_mode() == 'L') {
        m_view.CopySelection(FocusTarget::CallField());
      }
      return false;
    case KeyCode::kN:
      if (seams.open_telnet_directory) seams.open_telnet_directory();
      return true;
    case KeyCode::kT:
      if (focus.kind == FocusTarget::Kind::kCommandLine) AppendToCommandLine(focus.terminal, kCtrlT);
      return false;
    case KeyCode::kV:
      // The call field pastes by itself when it has the focus.
      if (run_mode() == 'L' && focus.kind != FocusTarget::Kind::kLotwCallField) {
        m_view.PasteIntoCallField();
        return true;
      }
      return false;
    case KeyCode::kW:
      NextView();
      return true;
    case KeyCode::kP:
      if (seams.answer_password_challenge) {
        seams.answer_password_challenge(
            n, key.shift ? m_services.settings.Password2 : m_services.settings.Password);
      }
      return false;
    case KeyCode::kUp:
    case KeyCode::kDown: {
      CommandLineText line = m_view.CommandLine(n);
      const bool moved = key.code == KeyCode::kUp ? m_services.command_lines.HistoryOlder(n, line)
                                                  : m_services.command_lines.HistoryNewer(n, line);
      if (!moved) return std::nullopt;
      m_view.SetCommandLine(n, line);
      return true;
    }
    case KeyCode::kZ:
      if (run_mode() != 'M') return false;
      AppendToCommandLine(n, kCtrlZ);
      return true;
    default:
      return std::nullopt;
  }
}

// The LoTW view's own uses of the arrows: Left and Right go to the call
// field, the scrolling keys take the focus to the grid, and Home and End
// stay with the call field while it has the focus.  Nothing when the key is
// left to the scrolling.
std::optional<bool> MainWindowController::LotwKey(const KeyStroke& key) {
  const bool in_call_field = m_view.Focus().kind == FocusTarget::Kind::kLotwCallField;
  switch (key.code) {
    case KeyCode::kLeft:
    case KeyCode::kRight:
      if (in_call_field) return false;
      m_view.SetFocus(FocusTarget::CallField());
      return true;
    case KeyCode::kPageUp:
    case KeyCode::kPageDown:
    case KeyCode::kUp:
    case KeyCode::kDown:
      m_view.SetFocus(FocusTarget::Grid(WindowId::kLotw));
      return std::nullopt;
    case KeyCode::kHome:
    case KeyCode::kEnd:
      if (in_call_field) return false;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

bool MainWindowController::ScrollKey(const KeyStroke& key) {
  LineStore& store = m_services.windows.Get(CurrentWindow());
  const int page = std::max(1, store.visible_rows() - 1);
  const int end = store.EndTopRow();
  switch (key.code) {
    case KeyCode::kPageDown:
      store.SetTopRow(std::min(store.top_row() + page, end));
      if (store.top_row() >= end) store.SetScrollHold(false);
      return true;
    case KeyCode::kPageUp:
      store.SetTopRow(std::max(store.top_row() - page, 0));
      store.SetScrollHold(true);
      return true;
    case KeyCode::kUp:
      if (store.top_row() > 0) store.SetTopRow(store.top_row() - 1);
      store.SetScrollHold(true);
      return true;
    case KeyCode::kDown:
      if (store.top_row() < end) store.SetTopRow(store.top_row() + 1);
      if (store.top_row() >= end) store.SetScrollHold(false);
      return true;
    case KeyCode::kHome:
      store.SetTopRow(0);
      store.SetScrollHold(true);
      return true;
    case KeyCode::kEnd:
      store.ScrollToEnd();
      store.SetScrollHold(false);
      return true;
    default:
      return false;
  }
}

FormKeyPressOutcome MainWindowController::FormKeyPress(char ch, bool ctrl_held) {
  if (!m_laidOut || run_mode() != 'M') return FormKeyPressOutcome::kPassOn;
  const int n = m_activeTerminal;
  if (ch == kEnter) {
    CommandLineText line = m_view.CommandLine(n);
    if (m_services.command_lines.FenTXKeyPress(n, ch, ctrl_held, line) == KeyPressOutcome::kLineChanged) {
      m_view.SetCommandLine(n, line);
    }
    return FormKeyPressOutcome::kConsumed;
  }
  if (ch == kCtrlN || m_view.Focus().IsCommandLine(n)) return FormKeyPressOutcome::kPassOn;
  // Typing in the terminal window lands at the end of its command line.
  CommandLineText line = m_view.CommandLine(n);
  line.caret = line.text.size();
  m_view.SetCommandLine(n, line);
  m_view.SetFocus(FocusTarget::CommandLine(n));
  // Ctrl+C and Ctrl+V stay with the window (copying a row), they type
  // nothing.
  if (ch == kCtrlC || ch == kCtrlV) return FormKeyPressOutcome::kPassOn;
  return FormKeyPressOutcome::kRedirect;
}

bool MainWindowController::CommandLineTypedText(int n, const std::string& utf8) const {
  return m_services.command_lines.FenTXTypedText(n, utf8) == KeyPressOutcome::kTypeAsUsual;
}

bool MainWindowController::CommandLineKeyPress(int n, char ch, bool ctrl_held) {
  CommandLineText line = m_view.CommandLine(n);
  switch (m_services.command_lines.FenTXKeyPress(n, ch, ctrl_held, line)) {
    case KeyPressOutcome::kTypeAsUsual:
      return true;
    case KeyPressOutcome::kLineChanged:
      m_view.SetCommandLine(n, line);
      return false;
    case KeyPressOutcome::kSwallowed:
      return false;
  }
  return false;
}

}  // namespace brilox
