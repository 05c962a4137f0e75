// The repeat rule for alarms: the same needed spot relayed again and again
// by the network sounds once per `DeltaTimeRptAlarms` minutes, not on every
// copy.  Keeps the last alarms announced, at most 100.
//
// Window thread only; lives for the whole run.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "spots/spot_record.h"

namespace brilox {

inline constexpr std::size_t kPastAlarmCapacity = 100;
// A full list keeps its newest 90 and starts again after them.
inline constexpr std::size_t kPastAlarmsKept = 90;
static_assert(kPastAlarmsKept < kPastAlarmCapacity);

struct PastAlarmRecord {
  int level = 0;
  std::string dx_call;
  std::string label;
  DayTime time = 0.0;
};

// The label an alarm of the spot's `Level` is told apart by: `AlarmLabel` for
// levels 1 to 4 and 102 to 104, `SpotIotaText` for the IOTA levels 10 and
// 11, none for other levels.
std::string RepeatLabelOf(const SpotRecord& spot);

class PastAlarms {
 public:
  // A matching entry (same level, call and label, a level that can match) no
  // older than `delta_minutes`.  An entry stamped later than `now` (the clock
  // was set back) does not silence anything.
  bool IsRepeatedAlarm(int level, std::string_view dx_call, std::string_view label, DayTime now,
                       int delta_minutes) const;

  // Appends; a full list first drops its 10 oldest entries.
  void RecordAlarm(int level, std::string_view dx_call, std::string_view label, DayTime now);

  // The whole rule: with `delta_minutes` 0 every alarm sounds and nothing is
  // kept; a repeat is silent and not kept; any other alarm is kept and sounds.
  bool ShouldAnnounce(int level, std::string_view dx_call, std::string_view label, DayTime now, int delta_minutes);

  // Oldest first.
  const std::vector<PastAlarmRecord>& entries() const { return m_entries; }

 private:
  std::vector<PastAlarmRecord> m_entries;
};

}  // namespace brilox
