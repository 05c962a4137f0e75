#include "shell/settings/settings_lists.h"

#include <limits>

namespace brilox {
namespace {

constexpr std::size_t kCallWidth = 12;
constexpr std::size_t kWordWidth = 25;
constexpr std::size_t kPrefixWidth = 4;
constexpr std::size_t kIotaWidth = 6;
constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

std::string Field(std::string_view text, std::size_t width, Padding padding) {
  std::string field(text.substr(0, width));
  for (char& c : field) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  if (padding == Padding::kSpaces && field.size() < width) field.resize(width, ' ');
  return field;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) {
  s = TrimRight(s);
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string WithoutSeparators(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (c != kListSeparator && c != kPairSeparator) out += c;
  }
  return out;
}

std::string StoredList(SettingsStore& store, std::string_view name) {
  Result<std::string> text = store.ReadString(name);
  return text.ok() ? std::move(*text) : std::string();
}

}  // namespace

std::vector<CallEntry> ParseCallList(std::string_view text, std::size_t capacity, std::size_t width,
                                     Padding padding) {
  std::vector<CallEntry> entries;
  while (entries.size() < capacity) {
    const std::size_t end = text.find(kListSeparator);
    if (end == std::string_view::npos) break;
    if (end != 0) entries.push_back({Field(text.substr(0, end), width, padding)});
    text.remove_prefix(end + 1);
  }
  return entries;
}

std::vector<CallPairEntry> ParsePairList(std::string_view text, std::size_t capacity, std::size_t first_width,
                                         std::size_t second_width) {
  std::vector<CallPairEntry> entries;
  while (entries.size() < capacity) {
    const std::size_t middle = text.find(kListSeparator);
    if (middle == std::string_view::npos) break;
    const std::size_t end = text.find(kPairSeparator, middle + 1);
    if (end == std::string_view::npos) break;
    const std::string_view first = text.substr(0, middle);
    const std::string_view second = text.substr(middle + 1, end - middle - 1);
    if (!first.empty() && !second.empty()) {
      entries.push_back(
          {Field(first, first_width, Padding::kSpaces), Field(second, second_width, Padding::kSpaces)});
    }
    text.remove_prefix(end + 1);
  }
  return entries;
}

std::vector<std::string> ParseChatGroups(std::string_view text) {
  std::vector<std::string> groups;
  for (CallEntry& entry : ParseCallList(text, kChatGroupCapacity, kUnlimited, Padding::kNone)) {
    groups.push_back(std::move(entry.call));
  }
  return groups;
}

std::string BuildList(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) {
    const std::string field = WithoutSeparators(Trim(row));
    if (field.empty()) continue;
    text += field;
    text += kListSeparator;
  }
  return text;
}

std::string BuildPairList(const std::vector<PairRow>& rows) {
  std::string text;
  for (const PairRow& row : rows) {
    const std::string first = WithoutSeparators(Trim(row.first));
    if (first.empty()) continue;
    text += first;
    text += kListSeparator;
    text += WithoutSeparators(TrimRight(row.second));
    text += kPairSeparator;
  }
  return text;
}

std::vector<CallEntry> ParseSeekCall(std::string_view t) {
  return ParseCallList(t, kListCapacity, kCallWidth, Padding::kSpaces);
}
std::vector<CallEntry> ParseCallNoAlarms(std::string_view t) {
  return ParseCallList(t, kListCapacity, kCallWidth, Padding::kSpaces);
}
std::vector<CallEntry> ParseBadSpotter(std::string_view t) {
  return ParseCallList(t, kListCapacity, kCallWidth, Padding::kNone);
}
std::vector<CallEntry> ParseBadWord(std::string_view t) {
  return ParseCallList(t, kListCapacity, kWordWidth, Padding::kNone);
}
std::vector<CallEntry> ParseMoreLotw(std::string_view t) {
  return ParseCallList(t, kListCapacity, kCallWidth, Padding::kNone);
}
std::vector<CallEntry> ParseMyLOTWCalls(std::string_view t) {
  return ParseCallList(t, kMyLotwCallsCapacity, kCallWidth, Padding::kNone);
}
std::vector<CallPairEntry> ParseDXCClink(std::string_view t) {
  return ParsePairList(t, kListCapacity, kCallWidth, kPrefixWidth);
}
std::vector<CallPairEntry> ParseIOTAlink(std::string_view t) {
  return ParsePairList(t, kListCapacity, kCallWidth, kIotaWidth);
}

void LoadSeekCall(Settings& s, SettingsStore& store) {
  s.SeekCall = ParseSeekCall(StoredList(store, "SeekCall"));
}
void LoadCallNoAlarms(Settings& s, SettingsStore& store) {
  s.CallNoAlarms = ParseCallNoAlarms(StoredList(store, "CallNoAlarms"));
}
void LoadBadSpotter(Settings& s, SettingsStore& store) {
  s.BadSpotter = ParseBadSpotter(StoredList(store, "BadSpotter"));
}
void LoadBadWord(Settings& s, SettingsStore& store) {
  s.BadWord = ParseBadWord(StoredList(store, "BadWord"));
}
void LoadMoreLotw(Settings& s, SettingsStore& store) {
  s.MoreLotw = ParseMoreLotw(StoredList(store, "MoreLotw"));
}
void LoadMyLOTWCalls(Settings& s, SettingsStore& store) {
  s.MyLOTWCalls = ParseMyLOTWCalls(StoredList(store, "MyLOTWCalls"));
}
void LoadDXCClink(Settings& s, SettingsStore& store) {
  s.DXCClink = ParseDXCClink(StoredList(store, "DXCClink"));
}
void LoadIOTAlink(Settings& s, SettingsStore& store) {
  s.IOTAlink = ParseIOTAlink(StoredList(store, "IOTAlink"));
}
void LoadChatGroups(Settings& s, SettingsStore& store) {
  s.ChatGroups = ParseChatGroups(StoredList(store, "ChatGroups"));
}

void LoadListSettings(Settings& settings, SettingsStore& store) {
  LoadSeekCall(settings, store);
  LoadCallNoAlarms(settings, store);
  LoadBadSpotter(settings, store);
  LoadBadWord(settings, store);
  LoadMoreLotw(settings, store);
  LoadMyLOTWCalls(settings, store);
  LoadDXCClink(settings, store);
  LoadIOTAlink(settings, store);
  LoadChatGroups(settings, store);
}

}  // namespace brilox
