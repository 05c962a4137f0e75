#include "spots/announcement_queue.h"

namespace brilox {
namespace {

bool IsNeededLevel(int level) { return (level >= 1 && level <= 4) || (level >= 102 && level <= 104); }
bool IsIotaLevel(int level) { return level == 10 || level == 11; }

}  // namespace

AlarmRecord AlarmRecordForSpot(const SpotRecord& spot, std::string_view entity_prefix) {
  AlarmRecord record;
  record.level = spot.Level;
  if (IsNeededLevel(spot.Level) || spot.Level == 5) record.dx_call = spot.DXCall;
  if (IsIotaLevel(spot.Level)) record.iota_reference = spot.SpotIotaText;
  if (IsNeededLevel(spot.Level)) {
    record.label = spot.AlarmLabel;
    record.entity_prefix = std::string(entity_prefix);
    record.frequency = spot.FreqText;
  }
  return record;
}

AlarmRecord AlarmRecordForTalk() {
  AlarmRecord record;
  record.level = kTalkAnnouncementLevel;
  return record;
}

void AnnouncementQueue::Add(AlarmRecord record) {
  {
    std::lock_guard lock(m_mutex);
    if (m_entries.size() >= kAnnouncementQueueCapacity) m_entries.clear();
    m_entries.push_back(std::move(record));
  }
  m_added.notify_one();
}

std::optional<AlarmRecord> AnnouncementQueue::Take() {
  std::lock_guard lock(m_mutex);
  if (m_entries.empty()) return std::nullopt;
  AlarmRecord first = std::move(m_entries.front());
  m_entries.pop_front();
  return first;
}

std::optional<AlarmRecord> AnnouncementQueue::WaitAndTake(std::stop_token stop) {
  std::unique_lock lock(m_mutex);
  if (!m_added.wait(lock, stop, [this] { return !m_entries.empty(); })) return std::nullopt;
  AlarmRecord first = std::move(m_entries.front());
  m_entries.pop_front();
  return first;
}

std::size_t AnnouncementQueue::size() const {
  std::lock_guard lock(m_mutex);
  return m_entries.size();
}

std::vector<AlarmRecord> AnnouncementQueue::Snapshot() const {
  std::lock_guard lock(m_mutex);
  return {m_entries.begin(), m_entries.end()};
}

}  // namespace brilox
