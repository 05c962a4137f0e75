// The four command lines under the terminal windows: what the operator's
// typing does.  Control characters typed with Ctrl are refused (Ctrl+V keeps
// its paste), Escape puts the escape character that marks a local command at
// the end of the line, Enter echoes the line in the terminal window (tag 24)
// when Echo is on, sends it on the terminal's link and keeps it in the
// terminal's history.
//
// The text of a command line lives in its edit field; the handlers here get
// a copy (CommandLineText) and say whether they changed it.
// Window thread only.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "links/command_history.h"
#include "links/terminal_sender.h"
#include "spots/window_line_stores.h"

namespace brilox {

inline constexpr char kEscapeCharacter = 27;

struct CommandLineText {
  static constexpr std::size_t kMaxLength = 255;

  std::string text;
  std::size_t caret = 0;  // 0 .. text.size()

  // Puts `ch` at the end (cut at kMaxLength) and the caret after it.
  void AppendAtEnd(char ch);
  void Replace(std::string new_text);
};

enum class KeyPressOutcome {
  kTypeAsUsual,  // the edit field types the character itself
  kSwallowed,    // the character is dropped, the line unchanged
  kLineChanged,  // the character is dropped, the line was changed here
};

class CommandLines {
 public:
  CommandLines(const Settings& settings, WindowLineStores& windows, TerminalSender& sender);

  // A character typed in command line n (FenTXKeyPress .. FenTX4KeyPress).
  KeyPressOutcome FenTXKeyPress(int n, char ch, bool ctrl_held, CommandLineText& line);

  // Printable text typed as a whole, in UTF-8: a key's text or what an input
  // method commits.  The rule is applied to the bytes the field will send
  // (Shift-JIS under the Japanese interface, Latin-1 otherwise): text that
  // has no such bytes is refused, and under the Japanese interface so is
  // any text with a byte above 127 (a double-byte character cannot be
  // typed).  Whole characters arrive here, so nothing is kept waiting for a
  // trail byte.  kTypeAsUsual or kSwallowed.
  KeyPressOutcome FenTXTypedText(int n, std::string_view utf8) const;

  // Ctrl+Up and Ctrl+Down on the current terminal: true when the history
  // position moved (and `line` shows the entry); otherwise the key belongs to
  // the window's other handling.
  bool HistoryOlder(int n, CommandLineText& line);
  bool HistoryNewer(int n, CommandLineText& line);

  // The line last built for sending, CR included.
  const std::string& transmit_line() const { return m_transmitLine; }
  const CommandHistory& history(int n) const { return m_terminals[Index(n)].history; }

 private:
  struct TerminalState {
    CommandHistory history;
    bool lead_byte_pending = false;
  };

  static std::size_t Index(int n) { return static_cast<std::size_t>(n - 1); }
  void Enter(int n, CommandLineText& line);
  void Echo(int n, const std::string& text);
  void Send(int n, bool empty_line);
  KeyPressOutcome JapaneseCharacter(TerminalState& terminal, char ch);

  const Settings& m_settings;
  WindowLineStores& m_windows;
  TerminalSender& m_sender;
  std::array<TerminalState, kTerminalCount> m_terminals;
  std::string m_transmitLine;
};

}  // namespace brilox
