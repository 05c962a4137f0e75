#include "spots/line_cleaning.h"

#include <string>
#include <string_view>

namespace brilox {
namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void EraseFirst(DecodeLine& line, std::string_view what) {
  std::size_t at = line.view().find(what);
  if (at != std::string_view::npos) line.Erase(at, what.size());
}

}  // namespace

void RemoveLineControls(DecodeLine& line, int& removed) {
  removed += static_cast<int>(line.EraseIf([](char c) { return IsLineControl(c); }));
}

void RemoveEscapeCodes(DecodeLine& line) {
  EraseFirst(line, "\x1b[0m");
  EraseFirst(line, "\x1bG0");
}

void RemoveTimeTag(DecodeLine& line, int& removed) {
  std::string_view text = line.view();
  std::size_t open = text.find('<');
  if (open == std::string_view::npos || open == 0 || open + 7 > text.size()) return;
  std::string_view tag = text.substr(open, 7);
  bool is_time_tag = IsDigit(tag[1]) && IsDigit(tag[2]) && IsDigit(tag[3]) && IsDigit(tag[4]) &&
                     tag[5] == 'Z' && tag[6] == '>';
  if (!is_time_tag) return;
  line.Erase(open - 1, 8);
  removed += 8;
}

void TraiteHeureWWV(DecodeLine& line) {
  std::size_t open = line.view().find('<');
  if (open == std::string_view::npos) return;
  std::size_t close = line.view().find('>');
  if (close != std::string_view::npos && close > open + 4) line.Erase(open + 3, 2);
  std::string_view text = line.view();
  if (open + 2 >= text.size() || !IsDigit(text[open + 1]) || !IsDigit(text[open + 2])) return;
  int hour = (text[open + 1] - '0') * 10 + (text[open + 2] - '0');
  hour -= hour % 3;
  std::string rewritten(text);
  rewritten[open + 1] = static_cast<char>('0' + hour / 10);
  rewritten[open + 2] = static_cast<char>('0' + hour % 10);
  line.Assign(rewritten);
}

}  // namespace brilox
