// How dates and times are written for the operator: the system's short date
// and long time forms and the abbreviated day name.  The program uses the
// locale's forms (a Qt adapter); tests and the console use the fixed forms
// below.
// Window thread only.
#pragma once

#include <string>

#include "platform/clock.h"

namespace brilox {

class DateTimeFormat {
 public:
  virtual ~DateTimeFormat() = default;
  virtual std::string ShortDate(DayTime t) const = 0;
  virtual std::string LongTime(DayTime t) const = 0;
  // "Mon", "Tue", ... in the operator's language.
  virtual std::string ShortDayName(DayTime t) const = 0;
};

// "2026-01-15", "14:03:09", "Thu".
class FixedDateTimeFormat final : public DateTimeFormat {
 public:
  std::string ShortDate(DayTime t) const override;
  std::string LongTime(DayTime t) const override;
  std::string ShortDayName(DayTime t) const override;
};

// 1 Monday .. 7 Sunday.
int DayOfWeek(DayTime t);

}  // namespace brilox
