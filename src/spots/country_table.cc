#include "spots/country_table.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <utility>

#include "spots/text_columns.h"

namespace brilox {
namespace {

constexpr std::size_t kMainPrefixWidth = 4;
constexpr std::size_t kNameWidth = 40;
constexpr std::size_t kEntityFieldCount = 8;

// Control characters count as blanks at the ends of a line, so CR LF files
// and stray tabs read like clean ones.
std::string_view TrimLine(std::string_view line) {
  while (!line.empty() && static_cast<unsigned char>(line.front()) <= ' ') line.remove_prefix(1);
  while (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ') line.remove_suffix(1);
  return line;
}

bool IsFieldSeparator(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> SplitFields(std::string_view line, std::size_t max_fields) {
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  while (at < line.size() && fields.size() < max_fields) {
    while (at < line.size() && IsFieldSeparator(line[at])) ++at;
    const std::size_t begin = at;
    while (at < line.size() && !IsFieldSeparator(line[at])) ++at;
    if (at > begin) fields.push_back(line.substr(begin, at - begin));
  }
  return fields;
}

std::string_view WithoutPlus(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  return text;
}

int ReadInteger(std::string_view text) {
  text = WithoutPlus(text);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

double ReadDecimal(std::string_view text) {
  text = WithoutPlus(text);
  // Only plain decimal numbers: no "inf", "nan" or hexadecimal forms.
  for (char c : text) {
    if (!IsDigit(c) && c != '.' && c != '-' && c != 'e' && c != 'E' && c != '+') return 0.0;
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : 0.0;
}

CountryEntry ReadEntityLine(std::string_view line) {
  const std::vector<std::string_view> fields = SplitFields(line, kEntityFieldCount);
  auto field = [&fields](std::size_t i) { return i < fields.size() ? fields[i] : std::string_view(); };
  CountryEntry entry;
  entry.main_prefix = FitRight(field(0), kMainPrefixWidth);
  entry.name = CutTo(field(1), kNameWidth);
  entry.itu_zone = ReadInteger(field(2));
  entry.waz_zone = ReadInteger(field(3));
  entry.time_offset = ReadDecimal(field(4));
  entry.latitude = ReadDecimal(field(5));
  entry.longitude = ReadDecimal(field(6));
  entry.entity = ReadInteger(field(7));
  return entry;
}

}  // namespace

CountryTable CountryTable::Parse(std::string_view text) {
  CountryTable table;
  std::string pending_prefixes;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = TrimLine(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.size() <= 2 || line.front() == '/') continue;
    if (line.front() == '#') {
      pending_prefixes += pending_prefixes.empty() ? line : line.substr(1);
      continue;
    }
    CountryEntry entry = ReadEntityLine(line);
    entry.prefix_list = std::move(pending_prefixes);
    pending_prefixes.clear();
    table.AddEntry(std::move(entry));
  }
  table.BuildKeyIndex();
  return table;
}

void CountryTable::AddEntry(CountryEntry entry) {
  if (entry.entity >= 1 && entry.entity <= kMaxPrefixByEntity &&
      m_prefixByEntity[static_cast<std::size_t>(entry.entity)].empty()) {
    m_prefixByEntity[static_cast<std::size_t>(entry.entity)] = entry.main_prefix;
  }
  m_entries.push_back(std::move(entry));
}

void CountryTable::BuildKeyIndex() {
  // "#key#" lies in a list exactly when key is one of the pieces between two
  // consecutive "#"; the first entry to hold a piece keeps it.
  std::size_t count = 0;
  for (const CountryEntry& entry : m_entries)
    count += static_cast<std::size_t>(std::count(entry.prefix_list.begin(), entry.prefix_list.end(), '#'));
  m_keys.clear();
  m_keys.reserve(count);
  m_slots.assign(std::bit_ceil(std::max<std::size_t>(2 * count, 16)), 0);
  for (std::size_t index = 0; index < m_entries.size(); ++index) {
    const std::string_view list = m_entries[index].prefix_list;
    std::size_t open = list.find('#');
    while (open != std::string_view::npos) {
      const std::size_t close = list.find('#', open + 1);
      if (close == std::string_view::npos) break;
      const std::size_t slot = SlotOf(list.substr(open + 1, close - open - 1));
      if (m_slots[slot] == 0) {
        m_keys.push_back({static_cast<std::uint32_t>(index), static_cast<std::uint32_t>(open + 1),
                          static_cast<std::uint32_t>(close - open - 1)});
        m_slots[slot] = static_cast<std::uint32_t>(m_keys.size());
      }
      open = close;
    }
  }
}

std::size_t CountryTable::SlotOf(std::string_view key) const {
  const std::size_t mask = m_slots.size() - 1;
  std::size_t slot = std::hash<std::string_view>{}(key)&mask;
  while (m_slots[slot] != 0 && KeyText(m_keys[m_slots[slot] - 1]) != key) slot = (slot + 1) & mask;
  return slot;
}

const CountryEntry* CountryTable::FindEntryByKey(std::string_view key) const {
  // A key holding "#" can span two neighbouring prefixes; the index does not
  // know such pairs, so those few keys search the lists themselves.
  if (key.find('#') != std::string_view::npos) return ScanForKey(key);
  if (m_slots.empty()) return nullptr;
  const std::uint32_t found = m_slots[SlotOf(key)];
  return found == 0 ? nullptr : &m_entries[m_keys[found - 1].entry];
}

const CountryEntry* CountryTable::ScanForKey(std::string_view key) const {
  std::string needle = "#";
  needle += key;
  needle += '#';
  for (const CountryEntry& entry : m_entries) {
    if (entry.prefix_list.find(needle) != std::string::npos) return &entry;
  }
  return nullptr;
}

std::string_view CountryTable::PrefixByEntity(int entity) const {
  if (entity < 1 || entity > kMaxPrefixByEntity) return {};
  return m_prefixByEntity[static_cast<std::size_t>(entity)];
}

Result<CountryTable> LoadCountryFile(FileSystem& file_system, const std::string& path) {
  Result<std::string> text = file_system.ReadFile(path);
  if (!text.ok()) return text.status();
  return CountryTable::Parse(*text);
}

}  // namespace brilox
