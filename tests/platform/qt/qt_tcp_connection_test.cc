// The Qt socket adapter against a real listener on 127.0.0.1: events come in
// the promised order and never from inside a call, a paused receive holds
// the bytes back, and the output queue limit is kept.
#include "platform/qt/qt_tcp_connection.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/qt/local_cluster_node.h"

namespace brilox {
namespace {

using testing::LocalClusterNode;
using testing::WaitUntil;

class RecordingEvents final : public TcpConnectionEvents {
 public:
  std::vector<std::string> events;
  std::string bytes;
  int deliveries = 0;
  std::function<void()> on_connected;
  void OnConnected() override {
    events.push_back("connected");
    if (on_connected) on_connected();
  }
  void OnBytesReceived(std::string_view received) override {
    if (events.empty() || events.back() != "bytes") events.push_back("bytes");
    bytes.append(received);
    ++deliveries;
  }
  void OnError(const Status&) override { events.push_back("error"); }
  void OnDisconnected() override { events.push_back("disconnected"); }
  bool ended() const { return !events.empty() && events.back() == "disconnected"; }
};

LocalClusterNode::Behaviour Silent() {
  LocalClusterNode::Behaviour b;
  b.greet = false;
  return b;
}

TEST(QtTcpConnection, ConnectsReceivesSendsAndClosesWithEventsOutsideCalls) {
  LocalClusterNode node(Silent());
  ASSERT_TRUE(node.listening());
  QtTcpConnection connection;
  RecordingEvents events;
  connection.SetEvents(&events);
  ASSERT_TRUE(connection.Open("127.0.0.1", node.port()).ok());
  EXPECT_TRUE(events.events.empty());  // never inside Open
  EXPECT_EQ(connection.state(), TcpState::kOpening);
  ASSERT_TRUE(WaitUntil([&] { return !events.events.empty() && node.has_client(); }));
  EXPECT_EQ(events.events, std::vector<std::string>{"connected"});
  EXPECT_EQ(connection.state(), TcpState::kConnected);

  node.Send("login: ");
  ASSERT_TRUE(WaitUntil([&] { return events.bytes == "login: "; }));
  ASSERT_TRUE(connection.Send("K1ABC\r\n").ok());
  ASSERT_TRUE(WaitUntil([&] { return node.lines() == std::vector<std::string>{"K1ABC"}; }));

  connection.Close();
  EXPECT_FALSE(events.ended());  // never inside Close
  ASSERT_TRUE(WaitUntil([&] { return events.ended() && node.client_gone(); }));
  EXPECT_EQ(events.events, (std::vector<std::string>{"connected", "bytes", "disconnected"}));
  EXPECT_EQ(connection.state(), TcpState::kClosed);
}

TEST(QtTcpConnection, ARefusedConnectionEndsInDisconnectedOnly) {
  std::string port;
  {
    LocalClusterNode gone(Silent());
    port = gone.port();
  }  // nothing listens there any more
  QtTcpConnection connection;
  RecordingEvents events;
  connection.SetEvents(&events);
  ASSERT_TRUE(connection.Open("127.0.0.1", port).ok());
  ASSERT_TRUE(WaitUntil([&] { return events.ended(); }));
  EXPECT_EQ(events.events, (std::vector<std::string>{"error", "disconnected"}));
  EXPECT_EQ(connection.OutputRoom(), 0u);
  EXPECT_FALSE(connection.Send("x").ok());
}

TEST(QtTcpConnection, OpenFailsAtOnceOnAnEmptyHostOrAnUnknownPort) {
  QtTcpConnection connection;
  RecordingEvents events;
  connection.SetEvents(&events);
  EXPECT_FALSE(connection.Open("", "7300").ok());
  EXPECT_FALSE(connection.Open("127.0.0.1", "no-such-service").ok());
  EXPECT_FALSE(connection.Open("127.0.0.1", "0").ok());
  QCoreApplication::processEvents();
  EXPECT_TRUE(events.events.empty());
  EXPECT_EQ(connection.state(), TcpState::kClosed);
}

TEST(QtTcpConnection, ANewOpenReplacesARunningAttemptWithoutAnEvent) {
  LocalClusterNode first(Silent());
  LocalClusterNode second(Silent());
  QtTcpConnection connection;
  RecordingEvents events;
  connection.SetEvents(&events);
  ASSERT_TRUE(connection.Open("127.0.0.1", first.port()).ok());
  ASSERT_TRUE(connection.Open("127.0.0.1", second.port()).ok());
  ASSERT_TRUE(WaitUntil([&] { return second.has_client() && !events.events.empty(); }));
  EXPECT_EQ(events.events, std::vector<std::string>{"connected"});
  second.Send("from the second");
  ASSERT_TRUE(WaitUntil([&] { return events.bytes == "from the second"; }));
}

TEST(QtTcpConnection, APausedReceiveHoldsBytesBackUntilResumed) {
  LocalClusterNode node(Silent());
  QtTcpConnection connection;
  RecordingEvents events;
  connection.SetEvents(&events);
  connection.SetReceivePaused(true);
  ASSERT_TRUE(connection.Open("127.0.0.1", node.port()).ok());
  ASSERT_TRUE(WaitUntil([&] { return node.has_client() && !events.events.empty(); }));
  const std::size_t total = 512 * 1024;
  node.Flood("0123456789abcdef", total);
  // Let the node write everything it can; the client takes none of it.
  ASSERT_TRUE(WaitUntil([&] { return node.flood_done() && node.pending_output() == 0; }, 3000) ||
              node.pending_output() > 0);
  EXPECT_EQ(events.deliveries, 0);
  connection.SetReceivePaused(false);
  ASSERT_TRUE(WaitUntil([&] { return events.bytes.size() == total; }));
  EXPECT_EQ(events.bytes.substr(0, 20), "0123456789abcdef0123");
}

TEST(QtTcpConnection, BytesWaitingWhenThePeerClosesComeBeforeTheDisconnect) {
  LocalClusterNode node(Silent());
  QtTcpConnection connection;
  RecordingEvents events;
  connection.SetEvents(&events);
  ASSERT_TRUE(connection.Open("127.0.0.1", node.port()).ok());
  ASSERT_TRUE(WaitUntil([&] { return node.has_client() && !events.events.empty(); }));
  connection.SetReceivePaused(true);
  node.Send("DX de W1AW:  7074.0  PY2");  // and the node goes away mid-line
  node.Drop();
  ASSERT_TRUE(WaitUntil([&] { return events.ended(); }));
  EXPECT_EQ(events.bytes, "DX de W1AW:  7074.0  PY2");
  EXPECT_EQ(events.events, (std::vector<std::string>{"connected", "bytes", "disconnected"}));
}

TEST(QtTcpConnection, TheOutputQueueLimitIsKept) {
  LocalClusterNode node(Silent());
  QtTcpConnection connection;
  RecordingEvents events;
  connection.SetEvents(&events);
  ASSERT_TRUE(connection.Open("127.0.0.1", node.port()).ok());
  ASSERT_TRUE(WaitUntil([&] { return node.has_client() && !events.events.empty(); }));
  EXPECT_EQ(connection.OutputRoom(), kTcpOutputQueueLimit);
  ASSERT_TRUE(connection.Send(std::string(3000, 'a')).ok());
  EXPECT_EQ(connection.OutputRoom(), kTcpOutputQueueLimit - 3000);
  const Status full = connection.Send(std::string(100, 'b'));
  EXPECT_EQ(full.kind(), ErrorKind::kFull);
  ASSERT_TRUE(WaitUntil([&] { return connection.OutputRoom() == kTcpOutputQueueLimit; }));
  ASSERT_TRUE(WaitUntil([&] { return node.raw_input().size() == 3000; }));
}

TEST(QtTcpConnection, AHandlerMayCloseFromInsideAnEvent) {
  LocalClusterNode node(Silent());
  QtTcpConnection connection;
  RecordingEvents events;
  events.on_connected = [&] { connection.Close(); };
  connection.SetEvents(&events);
  ASSERT_TRUE(connection.Open("127.0.0.1", node.port()).ok());
  ASSERT_TRUE(WaitUntil([&] { return events.ended(); }));
  EXPECT_EQ(events.events, (std::vector<std::string>{"connected", "disconnected"}));
}

// Closing with output still queued for a peer that takes nothing must end
// in a disconnect all the same.  (A peer that stops acknowledging at all,
// which loopback cannot show, is cut off by the close grace period.)
TEST(QtTcpConnection, AClosingLinkWhosePeerTakesNothingStillEnds) {
  testing::TestApplication();
  // A listening socket that never accepts: its buffers fill and then its
  // window stays shut.
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 1), 0);
  ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);

  QtTcpConnection connection(50);
  RecordingEvents events;
  connection.SetEvents(&events);
  ASSERT_TRUE(connection.Open("127.0.0.1", std::to_string(ntohs(address.sin_port))).ok());
  ASSERT_TRUE(WaitUntil([&] { return !events.events.empty(); }));
  int idle_rounds = 0;
  ASSERT_TRUE(WaitUntil(
      [&] {
        const std::size_t room = connection.OutputRoom();
        if (room > 0) {
          EXPECT_TRUE(connection.Send(std::string(room, 'x')).ok());
          idle_rounds = 0;
        }
        return ++idle_rounds > 50;  // the queue has stopped moving
      },
      30000));
  connection.Close();
  ASSERT_TRUE(WaitUntil([&] { return events.ended(); }, 5000));
  EXPECT_EQ(connection.state(), TcpState::kClosed);
  ::close(listener);
}

}  // namespace
}  // namespace brilox
