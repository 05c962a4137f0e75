#include "spots/alarm_repeat.h"

#include <cmath>

namespace brilox {
namespace {

bool IsLabelledByAlarmLabel(int level) { return (level >= 1 && level <= 4) || (level >= 102 && level <= 104); }
bool IsLabelledByIota(int level) { return level == 10 || level == 11; }
bool CanRepeat(int level) { return IsLabelledByAlarmLabel(level) || IsLabelledByIota(level); }

constexpr double kMsPerDay = 86400000.0;

}  // namespace

std::string RepeatLabelOf(const SpotRecord& spot) {
  if (IsLabelledByAlarmLabel(spot.Level)) return spot.AlarmLabel;
  if (IsLabelledByIota(spot.Level)) return spot.SpotIotaText;
  return {};
}

bool PastAlarms::IsRepeatedAlarm(int level, std::string_view dx_call, std::string_view label, DayTime now,
                                 int delta_minutes) const {
  if (delta_minutes <= 0 || !CanRepeat(level)) return false;
  const long long window_ms = static_cast<long long>(delta_minutes) * 60000;
  for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
    if (it->level != level || it->dx_call != dx_call || it->label != label) continue;
    // Whole milliseconds, so that exactly `delta_minutes` later is not "younger".
    const long long age_ms = std::llround((now - it->time) * kMsPerDay);
    if (age_ms >= 0 && age_ms < window_ms) return true;
  }
  return false;
}

void PastAlarms::RecordAlarm(int level, std::string_view dx_call, std::string_view label, DayTime now) {
  if (m_entries.size() >= kPastAlarmCapacity) {
    m_entries.erase(m_entries.begin(), m_entries.end() - static_cast<std::ptrdiff_t>(kPastAlarmsKept));
  }
  m_entries.push_back({level, std::string(dx_call), std::string(label), now});
}

bool PastAlarms::ShouldAnnounce(int level, std::string_view dx_call, std::string_view label, DayTime now,
                                int delta_minutes) {
  if (delta_minutes <= 0) return true;
  if (IsRepeatedAlarm(level, dx_call, label, now, delta_minutes)) return false;
  RecordAlarm(level, dx_call, label, now);
  return true;
}

}  // namespace brilox
