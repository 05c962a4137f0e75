// Small helpers for the fixed-column record texts of broadcast lines.
// Positions are 1-based, as the column tables of the traffic logs are, and
// every helper accepts any position or count: out-of-range requests give an
// empty or shorter text, never an exception, so that damaged lines can never
// break a record's layout.  Texts are single-byte; only ASCII letters change
// case.  Header-only; used on the window thread.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brilox::column_text {

// 1-based position of the first `needle` in `text` at or after `from`; 0 when absent.
inline std::size_t Pos(std::string_view needle, std::string_view text, std::size_t from = 1) {
  if (from == 0) from = 1;
  if (from > text.size() + 1) return 0;
  const std::size_t at = text.find(needle, from - 1);
  return at == std::string_view::npos ? 0 : at + 1;
}

// `count` characters starting at 1-based `index`; a start before 1 reads from 1.
inline std::string Copy(std::string_view text, std::ptrdiff_t index, std::ptrdiff_t count) {
  if (index < 1) {
    count += index - 1;
    index = 1;
  }
  if (count <= 0 || static_cast<std::size_t>(index) > text.size()) return {};
  return std::string(text.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count)));
}

// Everything from 1-based `index` to the end.
inline std::string From(std::string_view text, std::size_t index) {
  if (index < 1) index = 1;
  if (index > text.size()) return {};
  return std::string(text.substr(index - 1));
}

inline bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Removes blanks and control characters at both ends.
inline std::string Trim(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlankOrControl(text[begin])) ++begin;
  while (end > begin && IsBlankOrControl(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

inline std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

inline std::string Cut(std::string_view text, std::size_t width) {
  return std::string(text.substr(0, width));
}

// Exactly `width` characters: cut, or filled with `fill` on the right.
inline std::string PadRight(std::string_view text, std::size_t width, char fill = ' ') {
  std::string out = Cut(text, width);
  out.append(width - out.size(), fill);
  return out;
}

// Exactly `width` characters: cut, or filled with `fill` on the left.
inline std::string PadLeft(std::string_view text, std::size_t width, char fill = ' ') {
  std::string out = Cut(text, width);
  out.insert(0, width - out.size(), fill);
  return out;
}

// The text up to, not including, the first `stop`; all of it when there is none.
inline std::string UpTo(std::string_view text, char stop) {
  return std::string(text.substr(0, text.find(stop)));
}

inline std::string TwoDigits(int value) {
  std::string out(2, '0');
  value = ((value % 100) + 100) % 100;
  out[0] = static_cast<char>('0' + value / 10);
  out[1] = static_cast<char>('0' + value % 10);
  return out;
}

// "Jan" to "Dec"; "???" for a month outside 1 to 12.
inline std::string_view MonthName(int month) {
  static constexpr std::string_view kNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  return month >= 1 && month <= 12 ? kNames[month - 1] : std::string_view("???");
}

}  // namespace brilox::column_text
