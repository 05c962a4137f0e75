// The test timers must fire in due order at their own due times, or every
// wait built on them (send retries, recycling) would be tested wrongly.
#include "platform/manual_timer_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brilox {
namespace {

TEST(ManualTimerQueue, FiresInDueOrderAtTheirOwnTimes) {
  FakeClock clock;
  ManualTimerQueue queue(clock);
  std::vector<std::string> fired;
  auto slow = queue.CreateTimer([&] { fired.push_back("slow@" + std::to_string(clock.MonotonicMs())); });
  auto fast = queue.CreateTimer([&] { fired.push_back("fast@" + std::to_string(clock.MonotonicMs())); });
  slow->Start(25, TimerMode::kSingleShot);
  fast->Start(10, TimerMode::kRepeating);

  EXPECT_EQ(queue.AdvanceMs(30), 4);
  EXPECT_EQ(fired, (std::vector<std::string>{"fast@10", "fast@20", "slow@25", "fast@30"}));
  EXPECT_EQ(clock.MonotonicMs(), 30);
  EXPECT_FALSE(slow->IsActive());
  EXPECT_TRUE(fast->IsActive());
  EXPECT_EQ(queue.MsUntilNext(), 10);
}

TEST(ManualTimerQueue, CallbacksMayStopAndRestartTimers) {
  FakeClock clock;
  ManualTimerQueue queue(clock);
  int ticks = 0;
  std::unique_ptr<Timer> other = queue.CreateTimer([&] { ticks += 100; });
  std::unique_ptr<Timer> self;
  self = queue.CreateTimer([&] {
    ++ticks;
    if (ticks < 3) self->Start(5, TimerMode::kSingleShot);  // re-arms itself twice
    other->Stop();
  });
  other->Start(50, TimerMode::kSingleShot);
  self->Start(5, TimerMode::kSingleShot);
  queue.AdvanceMs(100);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(queue.ActiveCount(), 0);
}

TEST(ManualTimerQueue, ZeroIntervalCountsAsOneMillisecond) {
  FakeClock clock;
  ManualTimerQueue queue(clock);
  int ticks = 0;
  auto timer = queue.CreateTimer([&] { ++ticks; });
  timer->Start(0, TimerMode::kRepeating);
  EXPECT_EQ(queue.AdvanceMs(5), 5);
  EXPECT_EQ(ticks, 5);
}

}  // namespace
}  // namespace brilox
