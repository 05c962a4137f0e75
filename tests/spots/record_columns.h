// Reading fixed-column record texts in tests by their 1-based columns.
#pragma once

#include <string>
#include <string_view>

namespace brilox::testing {

// Columns `first` to `last` (1-based, inclusive) of `record`.
inline std::string Columns(std::string_view record, std::size_t first, std::size_t last) {
  if (first < 1 || first > record.size()) return {};
  return std::string(record.substr(first - 1, last - first + 1));
}

inline std::string PaddedTo(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

}  // namespace brilox::testing
