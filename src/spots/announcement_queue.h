// The announcement queue: spot processing adds an AlarmRecord for every
// needed spot and talk line it shows (window thread); the announcer takes
// them one at a time and plays them (its own thread).  At most ten entries
// wait: when the announcer falls that far behind, the old alarms are stale,
// so a full queue is emptied and the newest alarm is the one that sounds.
//
// Every member locks; any thread may call any of them.  Adding wakes a
// thread waiting in WaitAndTake, so the announcer sleeps without polling.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "spots/spot_record.h"

namespace brilox {

inline constexpr std::size_t kAnnouncementQueueCapacity = 10;
// The code of an announced talk line.
inline constexpr std::int32_t kTalkAnnouncementLevel = 99;

struct AlarmRecord {
  std::int32_t level = 0;
  std::string dx_call;         // levels 1 to 5 and 102 to 104
  std::string iota_reference;  // levels 10 and 11
  std::string label;           // `AlarmLabel`, levels 1 to 4 and 102 to 104
  std::string entity_prefix;   // the DX window's entity, levels 1 to 4 and 102 to 104
  std::string frequency;       // `FreqText`, levels 1 to 4 and 102 to 104
  // The operator's test of the set-up: heard even with `Sound` off or in
  // the night silence.
  bool test = false;
  friend bool operator==(const AlarmRecord&, const AlarmRecord&) = default;
};

// The entry for a shown spot: each field only for the levels that announce
// it.  `entity_prefix` is the prefix kept with the DX window's status text.
AlarmRecord AlarmRecordForSpot(const SpotRecord& spot, std::string_view entity_prefix);
AlarmRecord AlarmRecordForTalk();

class AnnouncementQueue {
 public:
  // Appends; a queue that already holds kAnnouncementQueueCapacity entries
  // is emptied first, so the new entry becomes the only one.
  void Add(AlarmRecord record);
  // The oldest entry, removed; nothing when the queue is empty.
  std::optional<AlarmRecord> Take();
  // The oldest entry, removed, waiting for one to be added; nothing once
  // `stop` is requested.
  std::optional<AlarmRecord> WaitAndTake(std::stop_token stop);
  std::size_t size() const;
  // The waiting entries, oldest first (for tests and the console).
  std::vector<AlarmRecord> Snapshot() const;

 private:
  mutable std::mutex m_mutex;
  std::condition_variable_any m_added;
  std::deque<AlarmRecord> m_entries;
};

}  // namespace brilox
