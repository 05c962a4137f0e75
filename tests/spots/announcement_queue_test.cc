// The announcement queue between spot processing and the announcer: a
// waiting taker wakes when an entry is added and leaves when stopped, and
// a full queue is emptied so that the newest alarm is the one heard.
#include "spots/announcement_queue.h"

#include <gtest/gtest.h>

#include <future>

namespace brilox {
namespace {

using namespace std::chrono_literals;

AlarmRecord Entry(int level, const std::string& call) {
  AlarmRecord r;
  r.level = level;
  r.dx_call = call;
  return r;
}

TEST(AnnouncementQueueTest, AFullQueueIsEmptiedBeforeTheNewEntry) {
  AnnouncementQueue queue;
  for (int i = 1; i <= 10; ++i) queue.Add(Entry(i, "OLD" + std::to_string(i)));
  EXPECT_EQ(queue.size(), 10u);
  EXPECT_EQ(queue.Take()->dx_call, "OLD1");  // oldest first
  queue.Add(Entry(4, "NINE_WAIT"));
  EXPECT_EQ(queue.size(), 10u);
  queue.Add(Entry(5, "ELEVENTH"));
  ASSERT_EQ(queue.size(), 1u);
  EXPECT_EQ(queue.Take()->dx_call, "ELEVENTH");
  EXPECT_FALSE(queue.Take().has_value());
}

TEST(AnnouncementQueueTest, AWaitingTakerWakesOnAddAndLeavesOnStop) {
  AnnouncementQueue queue;
  std::stop_source stop;
  auto taken = std::async(std::launch::async, [&] { return queue.WaitAndTake(stop.get_token()); });
  EXPECT_EQ(taken.wait_for(50ms), std::future_status::timeout);  // nothing to take yet
  queue.Add(Entry(99, ""));
  ASSERT_EQ(taken.wait_for(5s), std::future_status::ready);
  EXPECT_EQ(taken.get()->level, 99);

  auto stopped = std::async(std::launch::async, [&] { return queue.WaitAndTake(stop.get_token()); });
  stop.request_stop();
  ASSERT_EQ(stopped.wait_for(5s), std::future_status::ready);
  EXPECT_FALSE(stopped.get().has_value());
  // An entry already waiting is taken without a wait.
  queue.Add(Entry(3, "K1ABC"));
  EXPECT_EQ(queue.WaitAndTake(std::stop_source().get_token())->dx_call, "K1ABC");
}

}  // namespace
}  // namespace brilox
