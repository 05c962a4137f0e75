// The main window's one-second clock (Timer1Timer): the date and time of the
// status bar, local or UTC as DisplayLocalTime says, and the night-silence
// flag that keeps the announcer quiet between StartSilence and StopSilence.
// Both are renewed whenever the second of the UTC clock has changed, so the
// timer may fire more often than once a second without extra work.
// Window thread only.
#pragma once

#include <cstdint>
#include <string>

#include "platform/clock.h"
#include "platform/date_time_format.h"
#include "core/settings.h"

namespace brilox {

struct StatusClock {
  std::string date;  // the first status panel: day name and date
  std::string time;  // the second panel
};

class ClockTick {
 public:
  // Screens finer than this leave the day name out: the date panel has no
  // room for it there.
  static constexpr int kDayNameMaxDpi = 96;

  ClockTick(const Settings& settings, const Clock& clock, const DateTimeFormat& format);

  // Timer1Timer: true when the UTC second changed and the texts and the
  // flag were renewed.
  bool Timer1Timer(int screen_dpi);

  const StatusClock& status() const { return m_status; }
  bool night_silence() const { return m_nightSilence; }

 private:
  const Settings& m_settings;
  const Clock& m_clock;
  const DateTimeFormat& m_format;
  std::int64_t m_lastSecond = -1;
  StatusClock m_status;
  bool m_nightSilence = false;
};

}  // namespace brilox
