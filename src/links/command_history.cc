#include "links/command_history.h"

namespace brilox {

void CommandHistory::Add(std::string_view line) {
  for (int k = kCapacity - 1; k > 0; --k)
    m_entries[static_cast<std::size_t>(k)] = std::move(m_entries[static_cast<std::size_t>(k - 1)]);
  m_entries[0] = std::string(line);
  if (m_count < kCapacity) ++m_count;
  m_position = 0;
}

std::optional<std::string> CommandHistory::Older() {
  if (m_position >= m_count) return std::nullopt;
  ++m_position;
  return entry(m_position);
}

std::optional<std::string> CommandHistory::Newer() {
  if (m_position <= 0) return std::nullopt;
  --m_position;
  if (m_position == 0) return std::string();
  return entry(m_position);
}

}  // namespace brilox
