// Automatic reconnection: a dropped link comes back through its script, a
// silent one is recycled after MaxInactivity minutes, and nothing happens
// without a script, after "b", or with AutoReconnect off.  Minutes pass on
// the fake clock.
#include "links/reconnect_supervisor.h"

#include <gtest/gtest.h>

#include "links/link_fixture.h"

namespace brilox {
namespace {

using testing::ESC;

constexpr std::int64_t kMinute = ReconnectSupervisor::kTickMs;

class ReconnectTest : public testing::LinksFixture {
 protected:
  void SetUp() override {
    testing::LinksFixture::SetUp();
    supervisor->ApplyAutoReconnect();
  }
  std::vector<std::string> RunsOn(int terminal) const {
    std::vector<std::string> names;
    for (const auto& run : scripts.runs) {
      if (run.terminal == terminal) names.push_back(run.name);
    }
    return names;
  }
};

TEST_F(ReconnectTest, ADownLinkWithAScriptIsCalledBackWhenItsTurnComes) {
  links->SetReconnectScript(3, "node3");
  RunForMs(2 * kMinute);
  EXPECT_TRUE(scripts.runs.empty());
  RunForMs(kMinute);  // third tick: terminal 3's turn
  EXPECT_EQ(RunsOn(3), std::vector<std::string>{"node3"});
  RunForMs(4 * kMinute);  // once every four minutes
  EXPECT_EQ(RunsOn(3).size(), 2u);
}

TEST_F(ReconnectTest, ASilentLinkIsRecycledAfterMaxInactivityMinutes) {
  settings.MaxInactivity = 15;
  Connect(2);
  links->SetReconnectScript(2, "login");
  RunForMs(15 * kMinute);
  EXPECT_EQ(links->InactivityCount(2), 15);
  EXPECT_EQ(connection(2).closes(), 0);

  RunForMs(kMinute);  // the 16th silent minute
  EXPECT_EQ(connection(2).closes(), 1);
  EXPECT_TRUE(supervisor->Recycling(2));
  RunForMs(200);  // the node has not let go yet: the script waits
  EXPECT_TRUE(scripts.runs.empty());
  Drop(2);
  RunForMs(ReconnectSupervisor::kPollMs);
  EXPECT_EQ(RunsOn(2), std::vector<std::string>{"login"});
  EXPECT_FALSE(supervisor->Recycling(2));
  EXPECT_EQ(timers.ActiveCount(), 1);  // only the minute tick is left
}

TEST_F(ReconnectTest, ProcessedBroadcastLinesKeepALinkAlive) {
  settings.MaxInactivity = 15;
  Connect(2);
  links->SetReconnectScript(2, "login");
  for (int minute = 0; minute < 60; ++minute) {
    RunForMs(kMinute);
    if (minute % 10 == 9) links->ResetInactivity(2);  // a spot now and then
  }
  EXPECT_EQ(connection(2).closes(), 0);
  EXPECT_TRUE(scripts.runs.empty());
}

TEST_F(ReconnectTest, ARecycledLinkThatNeverReportsItsDropStillGetsItsScript) {
  settings.MaxInactivity = 5;
  Connect(4);
  links->SetReconnectScript(4, "n4");
  RunForMs(6 * kMinute);
  ASSERT_EQ(connection(4).closes(), 1);
  RunForMs(ReconnectSupervisor::kPollMs * (ReconnectSupervisor::kDisconnectWaitRounds - 1));
  EXPECT_TRUE(scripts.runs.empty());
  RunForMs(ReconnectSupervisor::kPollMs);
  EXPECT_EQ(RunsOn(4), std::vector<std::string>{"n4"});
}

TEST_F(ReconnectTest, NothingHappensWithoutAScriptAfterByeOrWithAutoReconnectOff) {
  settings.MaxInactivity = 5;
  Connect(2);
  Connect(3);
  links->SetReconnectScript(3, "node3");
  (void)links->EnvoieLigneWinSock(3, "b\r");
  RunForMs(30 * kMinute);
  EXPECT_TRUE(scripts.runs.empty());
  EXPECT_EQ(connection(2).closes() + connection(3).closes(), 0);

  links->SetReconnectScript(3, "node3");
  settings.AutoReconnect = false;
  supervisor->ApplyAutoReconnect();
  EXPECT_FALSE(supervisor->TickRunning());
  RunForMs(30 * kMinute);
  EXPECT_TRUE(scripts.runs.empty());
  settings.AutoReconnect = true;
  supervisor->ApplyAutoReconnect();
  RunForMs(6 * kMinute);
  EXPECT_EQ(connection(3).closes(), 1);
}

TEST_F(ReconnectTest, SerialTerminalOneIsRecycledThroughTheTnc) {
  settings.Interface = kInterfaceSerial;
  settings.MaxInactivity = 5;
  links->SetReconnectScript(1, "tnc");
  RunForMs(5 * kMinute);  // the first tick looks at terminal 1, but a TNC has no "down"
  EXPECT_TRUE(scripts.runs.empty());
  RunForMs(kMinute);
  ASSERT_EQ(packet.tnc, std::vector<std::string>{ESC + "D\r"});
  RunForMs(500);
  EXPECT_EQ(packet.tnc.size(), 2u);  // sent again after half a second
  EXPECT_TRUE(scripts.runs.empty());
  RunForMs(500);
  EXPECT_EQ(RunsOn(1), std::vector<std::string>{"tnc"});
  EXPECT_TRUE(connection(1).opens().empty());  // telnet link 1 is not used
}

TEST_F(ReconnectTest, AgwTerminalOneIsCalledBackWhenNoStationIsConnected) {
  settings.Interface = kInterfaceAgw;
  links->SetReconnectScript(1, "agw");
  packet.station_connected = true;
  RunForMs(kMinute);
  EXPECT_TRUE(scripts.runs.empty());
  packet.station_connected = false;
  RunForMs(4 * kMinute);
  EXPECT_EQ(RunsOn(1), std::vector<std::string>{"agw"});

  settings.MaxInactivity = 1;
  packet.station_connected = true;
  scripts.runs.clear();
  RunForMs(kMinute);
  EXPECT_EQ(packet.agw, std::vector<std::string>{ESC + "D\r"});
  RunForMs(1000);
  EXPECT_EQ(packet.agw.size(), 2u);
  EXPECT_EQ(RunsOn(1), std::vector<std::string>{"agw"});
}

TEST_F(ReconnectTest, StopEndsTicksAndRecycling) {
  settings.MaxInactivity = 1;
  Connect(2);
  links->SetReconnectScript(2, "login");
  RunForMs(2 * kMinute);
  ASSERT_TRUE(supervisor->Recycling(2));
  supervisor->Stop();
  RunForMs(10 * kMinute);
  EXPECT_TRUE(scripts.runs.empty());
  EXPECT_EQ(timers.ActiveCount(), 0);
}

}  // namespace
}  // namespace brilox
