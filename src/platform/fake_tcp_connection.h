// A scripted TcpConnection for logic tests: the test plays the peer (connect,
// bytes, drop) and reads back what was opened and sent.  The test calls the
// Simulate functions from its own code, which stands in for the event loop,
// so events never arrive inside a call on the connection.
#pragma once

#include <string>
#include <vector>

#include "platform/tcp_connection.h"

namespace brilox {

class FakeTcpConnection final : public TcpConnection {
 public:
  struct OpenCall {
    std::string host;
    std::string port;
  };

  void SetEvents(TcpConnectionEvents* events) override { m_events = events; }
  Status Open(const std::string& host, const std::string& port) override;
  void Close() override;
  TcpState state() const override { return m_state; }
  std::size_t OutputRoom() const override;
  Status Send(std::string_view bytes) override;
  void SetReceivePaused(bool paused) override { m_paused = paused; }

  // The peer's side.
  void SimulateConnected();
  void SimulateReceive(std::string_view bytes);
  void SimulateError(const Status& reason);
  void SimulateDisconnected();
  // Completes a Close the way the event loop would.
  void CompleteClose() { SimulateDisconnected(); }

  // Test controls and records.
  void FailOpens(Status status) { m_openFailure = std::move(status); }
  void SetOutputRoom(std::size_t room) { m_room = room; }
  bool paused() const { return m_paused; }
  const std::vector<OpenCall>& opens() const { return m_opens; }
  int closes() const { return m_closes; }
  const std::string& sent() const { return m_sent; }
  void ClearSent() { m_sent.clear(); }

 private:
  TcpConnectionEvents* m_events = nullptr;
  TcpState m_state = TcpState::kClosed;
  Status m_openFailure;
  std::size_t m_room = kTcpOutputQueueLimit;
  bool m_paused = false;
  std::vector<OpenCall> m_opens;
  int m_closes = 0;
  std::string m_sent;
};

class FakeTcpConnectionFactory final : public TcpConnectionFactory {
 public:
  std::unique_ptr<TcpConnection> CreateConnection() override;
  // The connections made so far, in order of creation; they stay owned by
  // whoever asked for them.
  FakeTcpConnection& connection(int index) { return *m_made.at(static_cast<std::size_t>(index)); }
  int count() const { return static_cast<int>(m_made.size()); }

 private:
  std::vector<FakeTcpConnection*> m_made;
};

}  // namespace brilox
