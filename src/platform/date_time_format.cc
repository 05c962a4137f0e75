#include "platform/date_time_format.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace brilox {

int DayOfWeek(DayTime t) {
  // Rounded to the millisecond as DecodeDateTime rounds, so that the day
  // name and the date never disagree.  Day 0, 30 December 1899, was a
  // Saturday.
  const long day = static_cast<long>(std::floor(std::round(t * 86400000.0) / 86400000.0));
  long index = (day + 5) % 7;  // 0 Monday
  if (index < 0) index += 7;
  return static_cast<int>(index) + 1;
}

std::string FixedDateTimeFormat::ShortDate(DayTime t) const {
  const CivilTime c = DecodeDateTime(t);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
  return text;
}

std::string FixedDateTimeFormat::LongTime(DayTime t) const {
  const CivilTime c = DecodeDateTime(t);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", c.hour, c.minute, c.second);
  return text;
}

std::string FixedDateTimeFormat::ShortDayName(DayTime t) const {
  static constexpr std::array<const char*, 7> kNames{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
  return kNames[static_cast<std::size_t>(DayOfWeek(t) - 1)];
}

}  // namespace brilox
