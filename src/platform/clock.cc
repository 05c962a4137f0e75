#include "platform/clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace brilox {
namespace {

// Days from 1899-12-30 to 1970-01-01.
constexpr double kUnixEpochDays = 25569.0;

// Howard Hinnant's days-from-civil algorithm.
long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

}  // namespace

DayTime SystemClock::UtcNow() const {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  return kUnixEpochDays + static_cast<double>(ms) / 86400000.0;
}

DayTime SystemClock::LocalNow() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return UtcNow() + static_cast<double>(local.tm_gmtoff) / 86400.0;
}

std::int64_t SystemClock::MonotonicMs() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

DayTime EncodeDate(int year, int month, int day) {
  return static_cast<double>(DaysFromCivil(year, month, day)) + kUnixEpochDays;
}

DayTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second) {
  return EncodeDate(year, month, day) + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

CivilTime DecodeDateTime(DayTime t) {
  // Round to the millisecond first so that 23:59:59.9996 does not read as 24:00.
  const double total_ms = std::round(t * 86400000.0);
  const double day_ms = 86400000.0;
  const double whole_days = std::floor(total_ms / day_ms);
  long ms_of_day = static_cast<long>(total_ms - whole_days * day_ms);
  CivilTime c{};
  CivilFromDays(static_cast<long>(whole_days - kUnixEpochDays), c.year, c.month, c.day);
  c.hour = static_cast<int>(ms_of_day / 3600000);
  ms_of_day %= 3600000;
  c.minute = static_cast<int>(ms_of_day / 60000);
  ms_of_day %= 60000;
  c.second = static_cast<int>(ms_of_day / 1000);
  c.millisecond = static_cast<int>(ms_of_day % 1000);
  return c;
}

}  // namespace brilox
