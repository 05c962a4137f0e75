// The recent lines, for duplicate suppression: one ring of the last 20
// comparison texts per terminal and one of the lines that were shown.  A line
// a terminal has just seen is dropped; a line another node relayed to another
// terminal a moment ago is processed there but not shown again.
//
// Window thread only; lives for the whole run.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "spots/terminal_count.h"

namespace brilox {

inline constexpr std::size_t kHistoryDepth = 20;
inline constexpr std::size_t kHistoryTextWidth = 60;

// The text by which a line is compared with its predecessors, by line class:
// DX spots (1-2) and announcements (5-7) their short line, propagation
// bulletins (3, 4, 8, 9) their record text, anything else the line itself.
// Upper-cased and cut to kHistoryTextWidth.
std::string ComparisonText(int line_class, std::string_view short_line, std::string_view log_line,
                           std::string_view decode_line);

struct NewLineFlags {
  bool NewOnTerminal = true;  // not among the last 20 lines of its terminal
  bool NewForDisplay = true;  // not among the last 20 lines shown
};

class LineHistory {
 public:
  // `comparison_text` as ComparisonText gives it; `terminal` 1 to 4.  A
  // terminal outside 1 to 4 has no ring: its lines are always new there.
  NewLineFlags TestNewDX(int terminal, std::string_view comparison_text) const;

  // The text becomes entry 1 of the terminal's ring; the oldest entry goes.
  void RememberOnTerminal(int terminal, std::string_view comparison_text);
  // The same for the ring of shown lines.
  void RememberShown(std::string_view comparison_text);

 private:
  class Ring {
   public:
    // `hash` is HashOf(text); entries of another hash are not compared.
    bool Contains(std::string_view text, std::size_t hash) const;
    void Push(std::string_view text);

   private:
    std::array<std::string, kHistoryDepth> m_texts;
    std::array<std::size_t, kHistoryDepth> m_hashes{};
    std::size_t m_newest = 0;
    std::size_t m_count = 0;
  };

  static std::size_t HashOf(std::string_view normalized_text);

  std::array<Ring, kTerminalCount> m_terminals;
  Ring m_shown;
};

}  // namespace brilox
