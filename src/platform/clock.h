// The wall clock behind an interface, so that tests set the time and never
// sleep.  Times are day counts with a fraction since 30 December 1899, the
// form the program's files and settings use (36526 is 1 January 2000).
// Called on any thread; implementations are thread-safe.
#pragma once

#include <cstdint>

namespace brilox {

using DayTime = double;  // whole days since 1899-12-30 plus the fraction of the day

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DayTime UtcNow() const = 0;
  virtual DayTime LocalNow() const = 0;
  // A monotonic millisecond count for timers and intervals.
  virtual std::int64_t MonotonicMs() const = 0;
};

// The operating system's clock.
class SystemClock final : public Clock {
 public:
  DayTime UtcNow() const override;
  DayTime LocalNow() const override;
  std::int64_t MonotonicMs() const override;
};

// A clock that stands still until the test moves it.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(DayTime utc = 46000.5, double local_offset_days = 0.0)
      : m_utc(utc), m_localOffset(local_offset_days) {}
  DayTime UtcNow() const override { return m_utc; }
  DayTime LocalNow() const override { return m_utc + m_localOffset; }
  std::int64_t MonotonicMs() const override { return m_monotonicMs; }

  void SetUtc(DayTime utc) { m_utc = utc; }
  void SetLocalOffsetDays(double offset) { m_localOffset = offset; }
  void AdvanceMs(std::int64_t ms) {
    m_monotonicMs += ms;
    m_utc += static_cast<double>(ms) / 86400000.0;
  }

 private:
  DayTime m_utc;
  double m_localOffset;
  std::int64_t m_monotonicMs = 0;
};

// Calendar helpers on day counts.
DayTime EncodeDate(int year, int month, int day);
DayTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second = 0);
struct CivilTime {
  int year, month, day, hour, minute, second, millisecond;
};
CivilTime DecodeDateTime(DayTime t);

}  // namespace brilox
