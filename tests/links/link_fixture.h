// The four links on fake connections and manual timers, with recording
// stand-ins around them.  Header only, for the logic tests of the links.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "links/link_commands.h"
#include "links/link_test_fakes.h"
#include "links/reconnect_supervisor.h"
#include "links/telnet_links.h"
#include "platform/clock.h"
#include "platform/fake_tcp_connection.h"
#include "platform/manual_timer_queue.h"

namespace brilox::testing {

inline const std::string ESC(1, kEscapeCharacter);

class LinksFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    links = std::make_unique<TelnetLinks>(
        LinkServices{settings, connections, timers, intake, presenter, texts, &scripts, &directory, &packet});
    supervisor = std::make_unique<ReconnectSupervisor>(*links, timers);
  }

  FakeTcpConnection& connection(int n) { return connections.connection(n - 1); }
  std::string ConnectCommand(const std::string& host, const std::string& port) {
    return ESC + "C " + host + ":" + port + "\r";
  }
  // Opens link n and lets the node accept it.
  void Connect(int n, const std::string& host = "dxc.example.org", const std::string& port = "7300") {
    links->TraiteCommandeWinSock(n, ConnectCommand(host, port));
    connection(n).SimulateConnected();
  }
  // The node ends the connection (or a close completes).
  void Drop(int n) { connection(n).SimulateDisconnected(); }
  void RunForMs(std::int64_t ms) { timers.AdvanceMs(ms); }

  Settings settings;
  FakeClock clock;
  ManualTimerQueue timers{clock};
  FakeTcpConnectionFactory connections;
  RecordingIntake intake;
  RecordingPresenter presenter;
  NumberedTexts texts;
  RecordingScriptRunner scripts;
  FakeNodeDirectory directory;
  RecordingPacketLinks packet;
  std::unique_ptr<TelnetLinks> links;
  std::unique_ptr<ReconnectSupervisor> supervisor;
};

}  // namespace brilox::testing
