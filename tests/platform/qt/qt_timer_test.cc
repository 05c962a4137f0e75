// The real timers fire on the event loop, once or repeatedly, and stop.
#include "platform/qt/qt_timer.h"

#include <gtest/gtest.h>

#include "support/qt/local_cluster_node.h"

namespace brilox {
namespace {

using testing::WaitUntil;

TEST(QtTimer, SingleShotRepeatingAndStop) {
  testing::TestApplication();
  QtTimerFactory factory;
  int once = 0;
  int repeated = 0;
  auto single = factory.CreateTimer([&] { ++once; });
  std::unique_ptr<Timer> repeating;
  repeating = factory.CreateTimer([&] {
    if (++repeated == 3) repeating->Stop();
  });
  single->Start(1, TimerMode::kSingleShot);
  repeating->Start(1, TimerMode::kRepeating);
  EXPECT_TRUE(single->IsActive());
  ASSERT_TRUE(WaitUntil([&] { return once == 1 && repeated == 3; }));
  EXPECT_FALSE(single->IsActive());
  EXPECT_FALSE(repeating->IsActive());
  // Nothing more comes once stopped.
  int later = 0;
  auto marker = factory.CreateTimer([&] { ++later; });
  marker->Start(20, TimerMode::kSingleShot);
  ASSERT_TRUE(WaitUntil([&] { return later == 1; }));
  EXPECT_EQ(once, 1);
  EXPECT_EQ(repeated, 3);
}

}  // namespace
}  // namespace brilox
