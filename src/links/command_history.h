// The lines sent from one command line, newest first, and the operator's
// position while browsing them with Ctrl+Up and Ctrl+Down.
// Window thread only.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace brilox {

class CommandHistory {
 public:
  static constexpr int kCapacity = 20;

  // A line was sent: it becomes entry 1, the 20th entry is lost, and
  // browsing starts again from the newest line.
  void Add(std::string_view line);

  // One entry older, when there is one: the text to show.
  std::optional<std::string> Older();
  // One entry newer, when browsing: the text to show (empty past the
  // newest entry).
  std::optional<std::string> Newer();

  int count() const { return m_count; }
  // 0 while not browsing; k while entry k (1 = newest) is shown.
  int position() const { return m_position; }
  // Entry k, 1 = newest.
  const std::string& entry(int k) const { return m_entries[static_cast<std::size_t>(k - 1)]; }

 private:
  std::array<std::string, kCapacity> m_entries;
  int m_count = 0;
  int m_position = 0;
};

}  // namespace brilox
