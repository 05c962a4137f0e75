#include "links/clock_tick.h"

#include <cmath>

#include "spots/night_silence.h"

namespace brilox {

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

  m_nightSilence = IsNightSilence(m_settings, utc);
  return true;
}

}  // namespace brilox
