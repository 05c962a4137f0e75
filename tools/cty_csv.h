// Reader of the public country file in its CSV form (cty.csv), shared by the
// country file generator and its check.  One entity a line:
//   main prefix, name, DXCC entity number, continent, CQ zone, ITU zone,
//   latitude (north positive), longitude (WEST positive), UTC offset (west
//   positive), then the prefixes and exact calls ("=CALL") separated by
//   blanks and ended by ";".  Zone, position and continent overrides follow a
//   prefix as "(cq)", "[itu]", "<lat/long>", "{continent}", "~offset~".
// A main prefix starting with "*" is a WAE entity: its prefixes belong to the
// DXCC entity of its number.
#pragma once

#include <cctype>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace brilox {

struct CtyRow {
  std::string main_prefix;
  std::string name;
  int entity = 0;
  int cq_zone = 0;
  int itu_zone = 0;
  double latitude = 0.0;
  double longitude_west = 0.0;
  double utc_offset_west = 0.0;
  std::vector<std::string> prefixes;     // plain prefixes, upper case, overrides removed
  std::vector<std::string> exact_calls;  // without "=", upper case, overrides removed

  bool IsWaeOnly() const { return !main_prefix.empty() && main_prefix.front() == '*'; }
};

namespace cty_detail {

inline int ToInt(std::string_view text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

inline double ToDouble(std::string_view text) {
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// "UA9(17)[30]" -> "UA9".
inline std::string WithoutOverrides(std::string_view token) {
  std::string out;
  char closing = '\0';
  for (char c : token) {
    if (closing != '\0') {
      if (c == closing) closing = '\0';
      continue;
    }
    switch (c) {
      case '(': closing = ')'; break;
      case '[': closing = ']'; break;
      case '<': closing = '>'; break;
      case '{': closing = '}'; break;
      case '~': closing = '~'; break;
      default: out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  return out;
}

}  // namespace cty_detail

inline std::vector<CtyRow> ParseCtyCsv(std::string_view text) {
  std::vector<CtyRow> rows;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    std::vector<std::string_view> fields;
    while (fields.size() < 9) {
      const std::size_t comma = line.find(',');
      if (comma == std::string_view::npos) break;
      fields.push_back(line.substr(0, comma));
      line.remove_prefix(comma + 1);
    }
    if (fields.size() < 9) continue;
    CtyRow row;
    row.main_prefix = std::string(fields[0]);
    row.name = std::string(fields[1]);
    row.entity = cty_detail::ToInt(fields[2]);
    row.cq_zone = cty_detail::ToInt(fields[4]);
    row.itu_zone = cty_detail::ToInt(fields[5]);
    row.latitude = cty_detail::ToDouble(fields[6]);
    row.longitude_west = cty_detail::ToDouble(fields[7]);
    row.utc_offset_west = cty_detail::ToDouble(fields[8]);
    if (!line.empty() && line.back() == ';') line.remove_suffix(1);
    while (!line.empty()) {
      const std::size_t blank = line.find(' ');
      const std::string_view token = line.substr(0, blank);
      line.remove_prefix(blank == std::string_view::npos ? line.size() : blank + 1);
      if (token.empty()) continue;
      if (token.front() == '=') {
        row.exact_calls.push_back(cty_detail::WithoutOverrides(token.substr(1)));
      } else {
        row.prefixes.push_back(cty_detail::WithoutOverrides(token));
      }
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace brilox
