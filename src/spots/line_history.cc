#include "spots/line_history.h"

#include "spots/column_text.h"

namespace brilox {
namespace {

std::string Normalized(std::string_view text) {
  return column_text::Upper(text.substr(0, kHistoryTextWidth));
}

bool IsLowerCase(char c) { return c >= 'a' && c <= 'z'; }

// ComparisonText already gives normalized texts; they are used as they are,
// without a copy per look-up.
bool IsNormalized(std::string_view text) {
  if (text.size() > kHistoryTextWidth) return false;
  for (char c : text) {
    if (IsLowerCase(c)) return false;
  }
  return true;
}

bool IsTerminal(int terminal) { return terminal >= 1 && terminal <= kTerminalCount; }

}  // namespace

std::string ComparisonText(int line_class, std::string_view short_line, std::string_view log_line,
                           std::string_view decode_line) {
  switch (line_class) {
    case 1:
    case 2:
    case 5:
    case 6:
    case 7:
      return Normalized(short_line);
    case 3:
    case 4:
    case 8:
    case 9:
      return Normalized(log_line);
    default:
      return Normalized(decode_line);
  }
}

std::size_t LineHistory::HashOf(std::string_view normalized_text) {
  return std::hash<std::string_view>{}(normalized_text);
}

bool LineHistory::Ring::Contains(std::string_view text, std::size_t hash) const {
  for (std::size_t i = 0; i < m_count; ++i) {
    if (m_hashes[i] == hash && m_texts[i] == text) return true;
  }
  return false;
}

void LineHistory::Ring::Push(std::string_view text) {
  // Slots are reused oldest first; order does not matter to Contains.
  m_newest = m_count == 0 ? 0 : (m_newest + 1) % kHistoryDepth;
  // Written into the slot's own memory: the rings allocate nothing once full.
  std::string& slot = m_texts[m_newest];
  slot.assign(text.substr(0, kHistoryTextWidth));
  for (char& c : slot) {
    if (IsLowerCase(c)) c = static_cast<char>(c - 'a' + 'A');
  }
  m_hashes[m_newest] = HashOf(slot);
  if (m_count < kHistoryDepth) ++m_count;
}

NewLineFlags LineHistory::TestNewDX(int terminal, std::string_view comparison_text) const {
  std::string copy;
  std::string_view text = comparison_text;
  if (!IsNormalized(text)) {
    copy = Normalized(text);
    text = copy;
  }
  const std::size_t hash = HashOf(text);
  NewLineFlags flags;
  flags.NewOnTerminal = !IsTerminal(terminal) || !m_terminals[terminal - 1].Contains(text, hash);
  flags.NewForDisplay = !m_shown.Contains(text, hash);
  return flags;
}

void LineHistory::RememberOnTerminal(int terminal, std::string_view comparison_text) {
  if (IsTerminal(terminal)) m_terminals[terminal - 1].Push(comparison_text);
}

void LineHistory::RememberShown(std::string_view comparison_text) { m_shown.Push(comparison_text); }

}  // namespace brilox
