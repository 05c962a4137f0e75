// Timers for tests: they fire only when the test moves a FakeClock forward
// through the queue, in the order of their due times, so that a minute of
// reconnect ticks or a second of send retries runs instantly and exactly.
// Single-threaded, like the window thread it stands in for.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/clock.h"
#include "platform/timer.h"

namespace brilox {

class ManualTimerQueue final : public TimerFactory {
 public:
  explicit ManualTimerQueue(FakeClock& clock) : m_clock(clock) {}
  ~ManualTimerQueue() override;
  ManualTimerQueue(const ManualTimerQueue&) = delete;
  ManualTimerQueue& operator=(const ManualTimerQueue&) = delete;

  std::unique_ptr<Timer> CreateTimer(std::function<void()> on_timeout) override;

  // Moves the clock forward by `ms`, firing every timer that falls due on the
  // way, each at its own due time.  Returns the number of callbacks run.
  int AdvanceMs(std::int64_t ms);
  // Fires what is due now without moving the clock.
  int RunDue() { return AdvanceMs(0); }
  // Milliseconds until the next timer fires, or -1 when none is active.
  std::int64_t MsUntilNext() const;
  int ActiveCount() const;

 private:
  class ManualTimer;
  friend class ManualTimer;
  void Forget(ManualTimer* timer);
  ManualTimer* NextDue(std::int64_t until) const;

  FakeClock& m_clock;
  std::vector<ManualTimer*> m_timers;
  std::uint64_t m_nextSequence = 0;
};

}  // namespace brilox
