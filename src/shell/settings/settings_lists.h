// The list settings: one String per list, each entry followed by byte 1
// (ListSeparator); two-field lists put byte 1 after the first field and
// byte 2 (PairSeparator) after the second.  Parsing upper-cases every field,
// cuts it to its table's width and pads some tables with spaces; an entry
// with an empty field is skipped, entries past the table's capacity are
// ignored, and text after the last separator is not an entry.
// Window thread.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/settings_store.h"
#include "core/settings.h"

namespace brilox {

inline constexpr char kListSeparator = '\x01';
inline constexpr char kPairSeparator = '\x02';

enum class Padding { kNone, kSpaces };

std::vector<CallEntry> ParseCallList(std::string_view text, std::size_t capacity, std::size_t width,
                                     Padding padding);
// Both fields padded to their widths.
std::vector<CallPairEntry> ParsePairList(std::string_view text, std::size_t capacity, std::size_t first_width,
                                         std::size_t second_width);
std::vector<std::string> ParseChatGroups(std::string_view text);

// The stored string from a dialog grid's rows: rows whose first field is empty
// after trimming are left out; the first field is trimmed on both sides, the
// second on the right.  Separator bytes typed into a field are dropped, since
// they would split the entry.
using PairRow = std::pair<std::string, std::string>;
std::string BuildList(const std::vector<std::string>& rows);
std::string BuildPairList(const std::vector<PairRow>& rows);

// The nine list loaders: each reads its String from the store (missing or
// mistyped reads as an empty list) into the record's table.
void LoadSeekCall(Settings& settings, SettingsStore& store);
void LoadCallNoAlarms(Settings& settings, SettingsStore& store);
void LoadBadSpotter(Settings& settings, SettingsStore& store);
void LoadBadWord(Settings& settings, SettingsStore& store);
void LoadMoreLotw(Settings& settings, SettingsStore& store);
void LoadMyLOTWCalls(Settings& settings, SettingsStore& store);
void LoadDXCClink(Settings& settings, SettingsStore& store);
void LoadIOTAlink(Settings& settings, SettingsStore& store);
void LoadChatGroups(Settings& settings, SettingsStore& store);
// All nine, as the start-up sequence runs them after LoadSettings.
void LoadListSettings(Settings& settings, SettingsStore& store);

// The record tables from stored strings, as the loaders and writers fill them.
std::vector<CallEntry> ParseSeekCall(std::string_view text);
std::vector<CallEntry> ParseCallNoAlarms(std::string_view text);
std::vector<CallEntry> ParseBadSpotter(std::string_view text);
std::vector<CallEntry> ParseBadWord(std::string_view text);
std::vector<CallEntry> ParseMoreLotw(std::string_view text);
std::vector<CallEntry> ParseMyLOTWCalls(std::string_view text);
std::vector<CallPairEntry> ParseDXCClink(std::string_view text);
std::vector<CallPairEntry> ParseIOTAlink(std::string_view text);

}  // namespace brilox
