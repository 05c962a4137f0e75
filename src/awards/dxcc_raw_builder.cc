#include "awards/dxcc_raw_builder.h"

#include <array>
#include <charconv>
#include <map>
#include <set>

#include "awards/dxcc_entity_codes.h"

namespace brilox {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<std::string_view> SplitOn(std::string_view text, char separator, bool skip_empty) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == separator || (skip_empty && text[i] == '\t')) {
      if (!skip_empty || i > start) fields.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return fields;
}

int ReadNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return (error == std::errc() && end == text.data() + text.size()) ? value : 0;
}

// Replaces every whole word `word` of `text`.
std::string ReplaceWord(const std::string& text, std::string_view word, std::string_view by) {
  std::string result;
  for (std::string_view part : SplitOn(text, ' ', false)) {
    if (!result.empty()) result += ' ';
    result += part == word ? by : part;
  }
  return result;
}

std::string CollapseBlanks(std::string_view text) {
  std::string result;
  for (std::string_view part : SplitOn(text, ' ', true)) {
    if (!result.empty()) result += ' ';
    result += part;
  }
  return result;
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 24> kAbbreviations = {{
    {"Islands", "Is."}, {"Island", "I."},    {"Republic", "Rep."}, {"Democratic", "Dem."},
    {"Federal", "Fed."}, {"Federated", "Fed."}, {"Federation", "Fed."}, {"Saint", "St."},
    {"Sainte", "Ste."}, {"and", "&"},        {"the", ""},          {"Kingdom", "Kgdm."},
    {"Territory", "Terr."}, {"United", "Utd."}, {"Sovereign", "Sov."}, {"Military", "Mil."},
    {"North", "N."},    {"South", "S."},     {"East", "E."},       {"West", "W."},
    {"Central", "C."},  {"Northern", "N."},  {"Southern", "S."},   {"Western", "W."},
}};

// Removes the first part between `open` and `close`; false when there is none.
bool RemoveBracketed(std::string& text, char open, char close) {
  const std::size_t from = text.find(open);
  if (from == std::string::npos) return false;
  const std::size_t to = text.find(close, from);
  if (to == std::string::npos) return false;
  text = CollapseBlanks(text.substr(0, from) + text.substr(to + 1));
  return true;
}

}  // namespace

std::vector<CountryEntityLine> ReadCountryEntityLines(std::string_view country_file) {
  std::vector<CountryEntityLine> entities;
  for (std::string_view raw : SplitLines(country_file)) {
    const std::string_view line = Trim(raw);
    if (line.size() <= 2 || line.front() == '/' || line.front() == '#') continue;
    const std::vector<std::string_view> fields = SplitOn(line, ' ', true);
    if (fields.size() < 8) continue;
    entities.push_back({std::string(fields[0].substr(0, kDxccPrefixLength)), std::string(fields[1]),
                        ReadNumber(fields.back())});
  }
  return entities;
}

std::string ShortenEntityName(std::string_view name, std::size_t length) {
  std::string text(name);
  for (char& c : text) {
    if (c == '_') c = ' ';
  }
  text = CollapseBlanks(text);
  if (text.size() > length && text.rfind("The ", 0) == 0) text.erase(0, 4);
  while (text.size() > length && (RemoveBracketed(text, '(', ')') || RemoveBracketed(text, '[', ']'))) {
  }
  for (const auto& [word, by] : kAbbreviations) {
    if (text.size() <= length) break;
    text = CollapseBlanks(ReplaceWord(text, word, by));
  }
  // Abbreviations close up to the next word, as in "Neth.Antilles".
  for (std::size_t dot = text.find(". "); text.size() > length && dot != std::string::npos; dot = text.find(". ")) {
    text.erase(dot + 1, 1);
  }
  if (text.size() > length) {
    // Cut after the last whole word that fits, unless that loses most of it,
    // and drop a dangling joining word.
    const std::size_t blank = text.rfind(' ', length);
    text.resize(blank != std::string::npos && blank >= length / 2 ? blank : length);
  }
  for (std::string_view tail : {" of", " &", ","}) {
    if (text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0) {
      text.resize(text.size() - tail.size());
    }
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::vector<std::pair<int, std::string>> ReadEntityNames(std::string_view pipe_table) {
  std::vector<std::pair<int, std::string>> names;
  for (std::string_view line : SplitLines(pipe_table)) {
    const std::vector<std::string_view> fields = SplitOn(Trim(line), '|', false);
    if (fields.size() < 9) continue;
    const int entity = ReadNumber(Trim(fields[8]));
    if (entity > 0) names.emplace_back(entity, std::string(Trim(fields[1])));
  }
  return names;
}

Result<DxccRawReport> BuildDxccRaw(std::string_view country_file,
                                   const std::vector<std::pair<int, std::string>>& names) {
  std::map<int, std::string> display_names;
  for (const auto& [entity, name] : names) display_names.emplace(entity, name);

  DxccRawReport report;
  std::vector<DxccEntry> rows;
  std::set<int> seen;
  for (const CountryEntityLine& line : ReadCountryEntityLines(country_file)) {
    const std::string_view known = DxccPrefixForEntity(line.entity);
    if (known.empty() || IsDeletedDxccEntity(line.entity)) {
      report.notes.push_back(line.main_prefix + ": entity " + std::to_string(line.entity) +
                             " is not a current DXCC entity, no row");
      continue;
    }
    if (!seen.insert(line.entity).second) {
      report.notes.push_back(line.main_prefix + ": entity " + std::to_string(line.entity) +
                             " already has a row, line skipped");
      continue;
    }
    if (known != line.main_prefix) {
      report.notes.push_back(line.main_prefix + ": the entity table files entity " + std::to_string(line.entity) +
                             " under " + std::string(known));
    }
    const auto named = display_names.find(line.entity);
    const std::string& name = named != display_names.end() ? named->second : line.name;
    rows.push_back(TemplateDxccEntry(line.main_prefix, ShortenEntityName(name)));
  }
  if (Status assigned = report.table.Assign(std::move(rows)); !assigned.ok()) return assigned;
  report.table.TriABul();
  return report;
}

}  // namespace brilox
