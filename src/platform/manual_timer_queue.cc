#include "platform/manual_timer_queue.h"

#include <algorithm>
#include <utility>

namespace brilox {

class ManualTimerQueue::ManualTimer final : public Timer {
 public:
  ManualTimer(ManualTimerQueue& queue, std::function<void()> on_timeout)
      : m_queue(&queue), m_onTimeout(std::move(on_timeout)) {}
  ~ManualTimer() override {
    if (m_queue != nullptr) m_queue->Forget(this);
  }

  void Start(std::int64_t interval_ms, TimerMode mode) override {
    if (m_queue == nullptr) return;
    m_interval = std::max<std::int64_t>(1, interval_ms);
    m_mode = mode;
    m_due = m_queue->m_clock.MonotonicMs() + m_interval;
    // Timers due at the same moment fire in the order they were started.
    m_sequence = m_queue->m_nextSequence++;
    m_active = true;
  }
  void Stop() override { m_active = false; }
  bool IsActive() const override { return m_active; }

  // Called by the queue when the timer's due time has come.
  void Fire() {
    if (m_mode == TimerMode::kRepeating) {
      m_due += m_interval;
      m_sequence = m_queue->m_nextSequence++;
    } else {
      m_active = false;
    }
    m_onTimeout();
  }

  ManualTimerQueue* m_queue;
  std::function<void()> m_onTimeout;
  std::int64_t m_interval = 1;
  std::int64_t m_due = 0;
  std::uint64_t m_sequence = 0;
  TimerMode m_mode = TimerMode::kSingleShot;
  bool m_active = false;
};

ManualTimerQueue::~ManualTimerQueue() {
  // Timers that outlive the queue become inert instead of dangling.
  for (ManualTimer* timer : m_timers) timer->m_queue = nullptr;
}

std::unique_ptr<Timer> ManualTimerQueue::CreateTimer(std::function<void()> on_timeout) {
  auto timer = std::make_unique<ManualTimer>(*this, std::move(on_timeout));
  m_timers.push_back(timer.get());
  return timer;
}

void ManualTimerQueue::Forget(ManualTimer* timer) {
  m_timers.erase(std::remove(m_timers.begin(), m_timers.end(), timer), m_timers.end());
}

ManualTimerQueue::ManualTimer* ManualTimerQueue::NextDue(std::int64_t until) const {
  ManualTimer* best = nullptr;
  for (ManualTimer* timer : m_timers) {
    if (!timer->m_active || timer->m_due > until) continue;
    if (best == nullptr || timer->m_due < best->m_due ||
        (timer->m_due == best->m_due && timer->m_sequence < best->m_sequence)) {
      best = timer;
    }
  }
  return best;
}

int ManualTimerQueue::AdvanceMs(std::int64_t ms) {
  const std::int64_t target = m_clock.MonotonicMs() + std::max<std::int64_t>(0, ms);
  int fired = 0;
  while (ManualTimer* timer = NextDue(target)) {
    m_clock.AdvanceMs(std::max<std::int64_t>(0, timer->m_due - m_clock.MonotonicMs()));
    timer->Fire();
    ++fired;
  }
  m_clock.AdvanceMs(std::max<std::int64_t>(0, target - m_clock.MonotonicMs()));
  return fired;
}

std::int64_t ManualTimerQueue::MsUntilNext() const {
  std::int64_t best = -1;
  for (const ManualTimer* timer : m_timers) {
    if (!timer->m_active) continue;
    const std::int64_t wait = std::max<std::int64_t>(0, timer->m_due - m_clock.MonotonicMs());
    if (best < 0 || wait < best) best = wait;
  }
  return best;
}

int ManualTimerQueue::ActiveCount() const {
  return static_cast<int>(
      std::count_if(m_timers.begin(), m_timers.end(), [](const ManualTimer* t) { return t->m_active; }));
}

}  // namespace brilox
