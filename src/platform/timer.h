// Timers of the window thread behind an interface, so that logic which waits
// (a send retrying for room, a link being recycled) is written as a small
// state machine driven by timer callbacks instead of a nested event loop, and
// so that tests drive the waits from a fake clock without sleeping.
//
// Window thread only: timers are created, started, stopped and fire on the
// thread that owns them.  A callback may start or stop any timer, its own
// included, but must not destroy the timer that is calling it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace brilox {

enum class TimerMode { kRepeating, kSingleShot };

class Timer {
 public:
  virtual ~Timer() = default;
  // (Re)starts the timer: the callback runs `interval_ms` from now, and for a
  // repeating timer every `interval_ms` after that.  Intervals below 1 ms are
  // taken as 1 ms.
  virtual void Start(std::int64_t interval_ms, TimerMode mode) = 0;
  virtual void Stop() = 0;
  virtual bool IsActive() const = 0;
};

class TimerFactory {
 public:
  virtual ~TimerFactory() = default;
  // The new timer is stopped.  `on_timeout` runs on the window thread.
  virtual std::unique_ptr<Timer> CreateTimer(std::function<void()> on_timeout) = 0;
};

}  // namespace brilox
