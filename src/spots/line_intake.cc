// The window-text half of the line intake and the character entry point; the
// recognition of broadcast lines is in line_dispatch.cc.
#include "spots/line_intake.h"

#include "spots/line_cleaning.h"

namespace brilox {
namespace {

constexpr char kNul = 0;
constexpr char kBackspace = 8;
constexpr char kTab = 9;
constexpr int kTabWidth = 8;  // a TAB shows as this many blanks, no tab stops

bool ValidTerminal(int terminal) { return terminal >= 1 && terminal <= kTerminalCount; }

}  // namespace

LineIntake::TerminalState::TerminalState() { display.reserve(256); }

LineIntake::LineIntake(const Settings& settings, WindowLineStores& windows, LineHandler& handler,
                       TerminalHooks* hooks)
    : m_windows(windows), m_handler(handler), m_hooks(hooks) {
  ApplySettings(settings);
}

void LineIntake::ApplySettings(const Settings& settings) {
  m_matcher.Configure(settings.MyCall, settings.ChatGroups);
  m_wanted = settings.WantedSpots;
  m_chatGroups = settings.ChatGroups;
}

void LineIntake::SetFlushRequest(int terminal) {
  if (ValidTerminal(terminal)) State(terminal).flush_request = true;
}

void LineIntake::TraiteCharRecu(int terminal, char ch) {
  if (!ValidTerminal(terminal)) return;
  TerminalState& s = State(terminal);
  ShowCharacter(terminal, s, ch);
  // A line that outgrows the analysis line is discarded whatever its class,
  // before this character is looked at.
  if (s.analysis_size == kAnalysisCapacity) {
    EndLine(s);
    return;
  }
  s.analysis[s.analysis_size++] = ch;
  if (ch == ':') s.analysis_has_colon = true;
  Dispatch(terminal, s, ch);
}

void LineIntake::FeedChunk(int terminal, std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i + 1 == bytes.size() && bytes[i] != kLineFeed) SetFlushRequest(terminal);
    TraiteCharRecu(terminal, bytes[i]);
  }
}

void LineIntake::SetCapture(int terminal, bool on) {
  if (!ValidTerminal(terminal)) return;
  State(terminal).capture = on;
  State(terminal).capture_line.clear();
}

void LineIntake::InjectLine(int terminal, LineClass line_class, SpotLayout layout, std::string_view text) {
  if (!ValidTerminal(terminal)) return;
  TerminalState& s = State(terminal);
  EndLine(s);
  s.line.line_class = line_class;
  s.line.layout = layout;
  s.line.decode_line.Assign(text);
  Finish(terminal, s);
}

void LineIntake::ShowCharacter(int terminal, TerminalState& s, char ch) {
  switch (ch) {
    case kNul:
    case kBell:
    case kCarriageReturn:
      break;
    case kBackspace:
      if (!s.display.empty()) s.display.pop_back();
      break;
    case kTab:
      s.display.append(kTabWidth, ' ');
      break;
    case kLineFeed:
      EndWindowLine(terminal, s);
      return;
    default:
      s.display.push_back(ch);
      break;
  }
  // The flush request belongs to the character it came with, whatever that
  // character is: a prompt ending in CR or TAB shows as well, and a request
  // never lingers to split the next line.
  if (s.flush_request) {
    s.flush_request = false;
    if (!s.display.empty()) HandDisplayLine(terminal, s);
  } else if (s.display.size() >= kLongestDisplayLine) {
    HandDisplayLine(terminal, s);
  }
}

// The partial row is continued only while it is still the last row: an echo
// of a typed line or a notice written after a prompt starts a row of its own,
// and the node's next text must not be glued to it.
bool LineIntake::ContinuesOwnRow(const TerminalState& s, const LineStore& store) const {
  return s.partial_row && store.row_starts() == s.partial_row_mark;
}

void LineIntake::HandDisplayLine(int terminal, TerminalState& s) {
  LineStore& store = m_windows.Terminal(terminal);
  std::int32_t wrap_tag = WrapTagForClass(s.line.line_class);
  if (ContinuesOwnRow(s, store)) {
    store.ContinueLastRow(s.display, wrap_tag);
  } else {
    store.AppendLine(s.display, wrap_tag);
  }
  if (s.capture) AddToCapture(terminal, s, s.display);
  s.display.clear();
  s.partial_row = true;
  s.partial_row_mark = store.row_starts();
  // Text without LF adds rows too; trimming here keeps the window within its
  // limit however long such a stretch is.
  store.TrimToLimit();
}

void LineIntake::EndWindowLine(int terminal, TerminalState& s) {
  LineStore& store = m_windows.Terminal(terminal);
  std::int32_t wrap_tag = WrapTagForClass(s.line.line_class);
  if (ContinuesOwnRow(s, store)) {
    store.ContinueLastRow(s.display, wrap_tag);
  } else {
    store.AppendLine(s.display, wrap_tag);
  }
  s.partial_row = false;
  for (int t = 1; t <= kTerminalCount; ++t) m_windows.Terminal(t).TrimToLimit();
  if (s.capture) {
    AddToCapture(terminal, s, s.display);
    if (m_hooks != nullptr) m_hooks->WriteCapture(terminal, s.capture_line);
    s.capture_line.clear();
  }
  s.display.clear();
  s.flush_request = false;
  store.ReleaseHoldNearEnd();
  const ViewState& view = m_windows.view();
  if (m_hooks != nullptr && view.run_mode == 'M' && view.shown_terminal == terminal && !store.scroll_hold()) {
    m_hooks->FocusCommandLine(terminal);
  }
}

// The capture file gets whole lines, the parts shown early by a flush
// included; a line longer than the window line bound is written in pieces.
void LineIntake::AddToCapture(int terminal, TerminalState& s, std::string_view text) {
  if (s.capture_line.size() + text.size() > kLongestDisplayLine && !s.capture_line.empty()) {
    if (m_hooks != nullptr) m_hooks->WriteCapture(terminal, s.capture_line);
    s.capture_line.clear();
  }
  s.capture_line.append(text);
}

}  // namespace brilox
