#include "awards/lotw_users.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace brilox {
namespace {

constexpr int kMinMaxAgeMonths = 1;
constexpr int kMaxMaxAgeMonths = 120;

template <std::size_t N>
std::uint8_t CopyCut(std::string_view text, std::array<char, N>& into) {
  const std::size_t length = std::min(text.size(), N);
  std::memcpy(into.data(), text.data(), length);
  return static_cast<std::uint8_t>(length);
}

bool CallLess(const LotwUserEntry& a, const LotwUserEntry& b) { return a.call() < b.call(); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "2023-05-01" as a day count; none for any other text.
std::optional<DayTime> UploadDay(std::string_view date) {
  if (date.size() != 10 || date[4] != '-' || date[7] != '-') return std::nullopt;
  for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (!IsDigit(date[i])) return std::nullopt;
  }
  const auto number = [&](std::size_t at, std::size_t digits) {
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) value = value * 10 + (date[i] - '0');
    return value;
  };
  const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
  return EncodeDate(year, month, day);
}

// `FindLotwUser`: the entry, when it counts under the age rule.  `date` gets
// the entry's date whether or not it counts.
bool FindLotwUser(const LotwUsers& users, std::string_view call, const LotwCheckRules& rules,
                  std::string& date) {
  if (call.empty()) return false;
  const LotwUserEntry* found = users.Find(call);
  if (found == nullptr) return false;
  date.assign(found->date());
  if (!rules.age_rule) return true;
  // A date that does not read cannot show a recent upload: under the age
  // rule such an entry does not count.
  const std::optional<DayTime> uploaded = UploadDay(found->date());
  if (!uploaded) return false;
  const int months = std::clamp(rules.max_age_months, kMinMaxAgeMonths, kMaxMaxAgeMonths);
  return rules.now_local - *uploaded <= months * 30 + 1;
}

bool IsAdditionalUser(std::span<const CallEntry> more_lotw, std::string_view call) {
  return std::any_of(more_lotw.begin(), more_lotw.end(), [&](const CallEntry& e) { return e.call == call; });
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

LotwUsers LotwUsers::Parse(std::string_view text) {
  LotwUsers users;
  // About 26 bytes a line in the service's file.
  users.m_entries.reserve(text.size() / 24 + 1);
  bool in_order = true;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos || comma == 0) continue;
    std::string_view date = line.substr(comma + 1);
    date = date.substr(0, date.find(','));
    LotwUserEntry entry;
    entry.call_length = CopyCut(line.substr(0, comma), entry.call_bytes);
    entry.date_length = CopyCut(date, entry.date_bytes);
    if (in_order && !users.m_entries.empty() && CallLess(entry, users.m_entries.back())) in_order = false;
    users.m_entries.push_back(entry);
  }
  if (!in_order) {
    // Stable: of two entries for one call the first in the file is found.
    std::stable_sort(users.m_entries.begin(), users.m_entries.end(), CallLess);
    users.m_sortedOnLoad = true;
  }
  return users;
}

Result<LotwUsers> LotwUsers::Load(FileSystem& fs, const std::string& path) {
  Result<std::string> bytes = fs.ReadFile(path);
  if (!bytes.ok()) return bytes.status();
  return Parse(*bytes);
}

const LotwUserEntry* LotwUsers::Find(std::string_view call) const {
  const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), call,
                                   [](const LotwUserEntry& e, std::string_view c) { return e.call() < c; });
  if (it == m_entries.end() || it->call() != call) return nullptr;
  return &*it;
}

LotwCheckRules LotwRulesFromSettings(const Settings& settings, bool for_spot, DayTime now_local) {
  LotwCheckRules rules;
  rules.portable_calls = for_spot && (settings.LOTW & 2) != 0;
  rules.additional_users = (settings.LOTW & 8) != 0;
  rules.more_lotw = settings.MoreLotw;
  rules.age_rule = for_spot && (settings.LOTW & 16) != 0;
  rules.max_age_months = settings.LOTWMaxAge;
  rules.now_local = now_local;
  return rules;
}

LotwCheckResult CheckLotwUser(const LotwUsers& users, std::string_view call, const LotwCheckRules& rules) {
  LotwCheckResult result;
  if (users.empty()) return result;
  call = Trimmed(call);
  if (FindLotwUser(users, call, rules, result.LotwUploadDate)) {
    result.LotwUser = true;
    return result;
  }
  if (rules.additional_users && !call.empty() && IsAdditionalUser(rules.more_lotw, call)) {
    result.LotwUser = result.LotwUncertain = true;
    result.LotwUploadDate.assign(1, '?');  // assign: GCC 12 at -O3 warns falsely on = "?"
    return result;
  }
  const std::size_t slash = call.find('/');
  if (!rules.portable_calls || slash == std::string_view::npos) return result;
  // F/DL1ABC/P: F, then DL1ABC/P, then DL1ABC, then P.
  const std::string_view before = call.substr(0, slash);
  const std::string_view after = call.substr(slash + 1);
  std::array<std::string_view, 4> tries{before, after};
  std::size_t try_count = 2;
  if (const std::size_t second = after.find('/'); second != std::string_view::npos) {
    tries[try_count++] = after.substr(0, second);
    tries[try_count++] = after.substr(second + 1);
  }
  for (std::size_t i = 0; i < try_count; ++i) {
    if (FindLotwUser(users, tries[i], rules, result.LotwUploadDate)) {
      result.LotwUser = result.LotwUncertain = true;
      return result;
    }
  }
  return result;
}

}  // namespace brilox
