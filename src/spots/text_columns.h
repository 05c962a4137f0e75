// Column access on fixed-layout lines.  The cluster line layouts are written
// down with 1-based columns ("the time in columns 71 to 75"), so the decoders
// read them the same way.  Every access is clipped to the text: columns past
// its end read as nothing, so a short line yields short fields, never a fault.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brilox {

// Columns first..last (1-based, inclusive), clipped to the text.
inline std::string_view Columns(std::string_view text, int first, int last) {
  if (first < 1) first = 1;
  if (last < first || static_cast<std::size_t>(first) > text.size()) return {};
  const std::size_t begin = static_cast<std::size_t>(first - 1);
  const std::size_t count = static_cast<std::size_t>(last - first + 1);
  return text.substr(begin, count);
}

// The character at a 1-based column, NUL past the end.
inline char ColumnChar(std::string_view text, int column) {
  if (column < 1 || static_cast<std::size_t>(column) > text.size()) return '\0';
  return text[static_cast<std::size_t>(column - 1)];
}

// 1-based column of the first `c`, 0 when absent.
inline int FirstColumnOf(std::string_view text, char c) {
  const std::size_t at = text.find(c);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

inline bool IsBlank(char c) { return c == ' '; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
inline char ToUpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

inline std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

inline std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

inline std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ToUpperAscii(c);
  return out;
}

// Cut to `width` or fill with blanks on the right to exactly `width`.
inline std::string FitRight(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, width));
  out.resize(width, ' ');
  return out;
}

// At most `width` characters.
inline std::string CutTo(std::string_view text, std::size_t width) { return std::string(text.substr(0, width)); }

}  // namespace brilox
