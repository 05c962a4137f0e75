#include "links/command_lines.h"

#include "platform/text_encoding.h"
#include "spots/line_class.h"

namespace brilox {
namespace {

constexpr char kCtrlV = 22;
constexpr char kCarriageReturn = 13;

bool IsControl(char ch) { return static_cast<unsigned char>(ch) < 32; }
bool IsValidTerminal(int n) { return n >= 1 && n <= kTerminalCount; }

// Bytes that begin a double-byte character of the Japanese code page.
bool IsLeadByte(unsigned char byte) { return (byte >= 129 && byte <= 159) || byte >= 224; }

}  // namespace

void CommandLineText::AppendAtEnd(char ch) {
  if (text.size() < kMaxLength) text.push_back(ch);
  caret = text.size();
}

void CommandLineText::Replace(std::string new_text) {
  text = std::move(new_text);
  if (text.size() > kMaxLength) text.resize(kMaxLength);
  caret = text.size();
}

CommandLines::CommandLines(const Settings& settings, WindowLineStores& windows, TerminalSender& sender)
    : m_settings(settings), m_windows(windows), m_sender(sender) {}

KeyPressOutcome CommandLines::FenTXKeyPress(int n, char ch, bool ctrl_held, CommandLineText& line) {
  if (!IsValidTerminal(n)) return KeyPressOutcome::kSwallowed;
  if (IsControl(ch) && ch != kCtrlV && ctrl_held) return KeyPressOutcome::kSwallowed;
  if (ch == kEscapeCharacter) {
    line.AppendAtEnd(kEscapeCharacter);
    return KeyPressOutcome::kLineChanged;
  }
  const bool closed_tnc = LinkKindOf(n, m_settings) == TerminalLinkKind::kSerial && !m_sender.TncPortOpen();
  if (ch == kCarriageReturn) {
    if (closed_tnc) return KeyPressOutcome::kSwallowed;
    Enter(n, line);
    return KeyPressOutcome::kLineChanged;
  }
  if (closed_tnc) return KeyPressOutcome::kTypeAsUsual;
  if (m_settings.Language == "JPN") return JapaneseCharacter(m_terminals[Index(n)], ch);
  return KeyPressOutcome::kTypeAsUsual;
}

KeyPressOutcome CommandLines::FenTXTypedText(int n, std::string_view utf8) const {
  if (!IsValidTerminal(n)) return KeyPressOutcome::kSwallowed;
  const bool japanese = m_settings.Language == "JPN";
  const std::optional<std::string> bytes = japanese ? Utf8ToShiftJis(utf8) : Utf8ToLatin1(utf8);
  if (!bytes) return KeyPressOutcome::kSwallowed;
  if (japanese) {
    for (char ch : *bytes) {
      if (static_cast<unsigned char>(ch) >= 128) return KeyPressOutcome::kSwallowed;
    }
  }
  return KeyPressOutcome::kTypeAsUsual;
}

// With the Japanese interface a double-byte character cannot be typed: its
// lead byte and the trail byte after it are dropped, and so is any other
// byte above 127.
KeyPressOutcome CommandLines::JapaneseCharacter(TerminalState& terminal, char ch) {
  const unsigned char byte = static_cast<unsigned char>(ch);
  if (terminal.lead_byte_pending) {
    terminal.lead_byte_pending = false;
    return KeyPressOutcome::kSwallowed;
  }
  if (byte < 128) return KeyPressOutcome::kTypeAsUsual;
  if (IsLeadByte(byte)) terminal.lead_byte_pending = true;
  return KeyPressOutcome::kSwallowed;
}

void CommandLines::Enter(int n, CommandLineText& line) {
  if (m_settings.Echo) Echo(n, line.text);
  const bool empty_line = line.text.empty();
  m_transmitLine = empty_line ? std::string(1, kCarriageReturn) : line.text + kCarriageReturn;
  Send(n, empty_line);
  if (!empty_line) m_terminals[Index(n)].history.Add(line.text);
  line.Replace({});
}

// Every row of the echoed line carries the echo tag, however it wraps.
void CommandLines::Echo(int n, const std::string& text) {
  LineStore& store = m_windows.Terminal(n);
  store.AppendLine(text, kTagEcho);
  store.SetLastRowTag(kTagEcho);
  store.TrimToLimit();
}

void CommandLines::Send(int n, bool empty_line) {
  const bool local_command = !m_transmitLine.empty() && m_transmitLine.front() == kEscapeCharacter;
  switch (LinkKindOf(n, m_settings)) {
    case TerminalLinkKind::kSerial:
      // The TNC reads local commands itself, so they travel unchanged.
      m_sender.SendToTnc(m_transmitLine, empty_line ? TncRoomCheck::kAlways : TncRoomCheck::kWhenRoom);
      break;
    case TerminalLinkKind::kAgw:
      if (local_command) {
        m_sender.TraiteCommandeAGW(m_transmitLine);
      } else if (m_sender.AgwStationConnected()) {
        m_sender.SendAgwData(m_transmitLine);
      }
      break;
    case TerminalLinkKind::kTelnet:
      if (local_command) {
        m_sender.TraiteCommandeWinSock(n, m_transmitLine);
      } else {
        m_sender.EnvoieLigneWinSock(n, m_transmitLine);
      }
      break;
  }
}

bool CommandLines::HistoryOlder(int n, CommandLineText& line) {
  if (!IsValidTerminal(n)) return false;
  std::optional<std::string> text = m_terminals[Index(n)].history.Older();
  if (!text) return false;
  line.Replace(std::move(*text));
  return true;
}

bool CommandLines::HistoryNewer(int n, CommandLineText& line) {
  if (!IsValidTerminal(n)) return false;
  std::optional<std::string> text = m_terminals[Index(n)].history.Newer();
  if (!text) return false;
  line.Replace(std::move(*text));
  return true;
}

}  // namespace brilox
