#include "links/clock_tick.h"

#include <cmath>

namespace brilox {

bool NightSilenceAt(double utc_time_of_day, const Settings& settings) {
  if (settings.NoNightSound == 0) return false;
  const double start = settings.StartSilence;
  const double stop = settings.StopSilence;
  if (start < stop) return start <= utc_time_of_day && utc_time_of_day <= stop;
  // The silence runs over midnight.
  return utc_time_of_day > start || utc_time_of_day < stop;
}

ClockTick::ClockTick(const Settings& settings, const Clock& clock, const DateTimeFormat& format)
    : m_settings(settings), m_clock(clock), m_format(format) {}

bool ClockTick::Timer1Timer(int screen_dpi) {
  const DayTime utc = m_clock.UtcNow();
  const auto second = static_cast<std::int64_t>(std::floor(std::round(utc * 86400000.0) / 1000.0));
  if (second == m_lastSecond) return false;
  m_lastSecond = second;

  const DayTime shown = m_settings.DisplayLocalTime ? m_clock.LocalNow() : utc;
  std::string date = m_format.ShortDate(shown);
  if (screen_dpi <= kDayNameMaxDpi) {
    const std::string day = m_format.ShortDayName(shown);
    date = m_settings.Language == "JPN" ? date + " " + day : day + " " + date;
  }
  m_status = StatusClock{std::move(date), m_format.LongTime(shown)};

  const double time_of_day = static_cast<double>(second % 86400) / 86400.0;
  m_nightSilence = NightSilenceAt(time_of_day, m_settings);
  return true;
}

}  // namespace brilox
