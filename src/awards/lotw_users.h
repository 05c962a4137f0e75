// The public list of Logbook of the World users (lotw-user-activity.csv):
// every callsign that uploads to LoTW with the date of its last upload.  The
// list is searched by halving for every spot, so it is kept sorted by call in
// byte order; the service delivers it so, and a file that is not (edited by
// hand, merged, or cut) is sorted once while loading instead of giving wrong
// answers.  `CheckLotwUser` adds the operator's own rules: portable calls
// tried in parts, the additional users of `MoreLotw`, and an age limit on the
// last upload (`LOTWMaxAge`).
// Built on the window thread (start-up, after a download); read only there.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/result.h"

namespace brilox {

inline constexpr char kLotwUserFileName[] = "lotw-user-activity.csv";
inline constexpr std::size_t kLotwCallWidth = 12;
inline constexpr std::size_t kLotwDateWidth = 10;

// One user, stored in place: the list holds 150,000 and more of them.
struct LotwUserEntry {
  std::array<char, kLotwCallWidth> call_bytes{};
  std::array<char, kLotwDateWidth> date_bytes{};
  std::uint8_t call_length = 0;
  std::uint8_t date_length = 0;

  std::string_view call() const { return {call_bytes.data(), call_length}; }
  std::string_view date() const { return {date_bytes.data(), date_length}; }
};

class LotwUsers {
 public:
  LotwUsers() = default;

  // `LoadLotwUsers` on the file's bytes.  Each line gives one entry: the call
  // up to the first comma (cut to 12 characters), the date up to the next
  // comma or the end of the line (cut to 10); further fields are ignored.
  // Lines without a comma, and lines with an empty call, give none.
  static LotwUsers Parse(std::string_view text);
  // Reads `path`; a file that cannot be read is an error (the caller then
  // runs without the list).
  static Result<LotwUsers> Load(FileSystem& fs, const std::string& path);

  // `LotwUserCount`.
  int count() const { return static_cast<int>(m_entries.size()); }
  bool empty() const { return m_entries.empty(); }
  // Whether the file was out of order and had to be sorted.
  bool sorted_on_load() const { return m_sortedOnLoad; }
  const LotwUserEntry& entry(int index) const { return m_entries[static_cast<std::size_t>(index)]; }

  // The entry whose call equals `call` exactly (byte-wise, case-sensitive);
  // null when there is none.
  const LotwUserEntry* Find(std::string_view call) const;

 private:
  std::vector<LotwUserEntry> m_entries;
  bool m_sortedOnLoad = false;
};

// What one check tells its reader: the needed status, the LoTW window's " L"
// or " L?" mark and the check box's upload label.
struct LotwCheckResult {
  bool LotwUser = false;
  bool LotwUncertain = false;  // a part of a portable call, or an additional user
  std::string LotwUploadDate;  // of the entry found, "?" for an additional user
};

// When a check runs and under which settings.
struct LotwCheckRules {
  bool portable_calls = false;           // try the parts of a call with "/"
  bool additional_users = false;         // `LOTW` bit 3: `MoreLotw` counts
  std::span<const CallEntry> more_lotw;  // `MoreLotw`, upper case, not padded
  // The age rule: only for spots (never for the check box) and with `LOTW`
  // bit 4.  A user counts only when now minus the upload date is at most
  // `max_age_months` x 30 + 1 days.
  bool age_rule = false;
  int max_age_months = 24;
  DayTime now_local = 0;
};

// Rules of `settings` for the spot processing (age rule as set) or for the
// check box (`for_spot` false: no age rule, no portable calls).
LotwCheckRules LotwRulesFromSettings(const Settings& settings, bool for_spot, DayTime now_local);

// `CheckLotwUser`.  An empty list answers "not a user": without the list the
// LoTW functions are off.
LotwCheckResult CheckLotwUser(const LotwUsers& users, std::string_view call, const LotwCheckRules& rules);

}  // namespace brilox
