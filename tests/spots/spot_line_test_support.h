// Builders of fixed-column cluster lines for the decoder tests, so that a
// case reads as "this text in these columns" instead of a count of blanks.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace brilox::testing {

// Places each text at its 1-based column on a line of blanks.  The line is
// as long as its last text needs.
inline std::string LineWith(const std::vector<std::pair<int, std::string>>& pieces) {
  std::string line;
  for (const auto& [column, text] : pieces) {
    const std::size_t end = static_cast<std::size_t>(column - 1) + text.size();
    if (line.size() < end) line.resize(end, ' ');
    line.replace(static_cast<std::size_t>(column - 1), text.size(), text);
  }
  return line;
}

// A full-layout "DX de " line: the frequency ends in column 24.
inline std::string FullLine(const std::string& spotter, const std::string& frequency, const std::string& call,
                            const std::string& comment, const std::string& time) {
  return LineWith({{1, "DX de " + spotter + ":"},
                   {25 - static_cast<int>(frequency.size()), frequency},
                   {27, call},
                   {40, comment},
                   {71, time}});
}

}  // namespace brilox::testing
