#include "platform/fake_tcp_connection.h"

#include "platform/tcp_port.h"

namespace brilox {

Status FakeTcpConnection::Open(const std::string& host, const std::string& port) {
  m_opens.push_back({host, port});
  if (!m_openFailure.ok()) return m_openFailure;
  if (host.empty()) return Status::InvalidArgument("empty host");
  if (auto resolved = ResolveTcpPort(port); !resolved.ok()) return resolved.status();
  m_state = TcpState::kOpening;
  return Status::Ok();
}

void FakeTcpConnection::Close() {
  if (m_state == TcpState::kClosed) return;
  ++m_closes;
  m_state = TcpState::kClosing;
}

std::size_t FakeTcpConnection::OutputRoom() const { return m_state == TcpState::kConnected ? m_room : 0; }

Status FakeTcpConnection::Send(std::string_view bytes) {
  if (m_state != TcpState::kConnected) return Status::Io("not connected");
  if (bytes.size() > OutputRoom()) return Status::Full("output queue");
  m_sent.append(bytes);
  return Status::Ok();
}

void FakeTcpConnection::SimulateConnected() {
  m_state = TcpState::kConnected;
  if (m_events != nullptr) m_events->OnConnected();
}

void FakeTcpConnection::SimulateReceive(std::string_view bytes) {
  if (m_events != nullptr) m_events->OnBytesReceived(bytes);
}

void FakeTcpConnection::SimulateError(const Status& reason) {
  if (m_events != nullptr) m_events->OnError(reason);
}

void FakeTcpConnection::SimulateDisconnected() {
  m_state = TcpState::kClosed;
  if (m_events != nullptr) m_events->OnDisconnected();
}

std::unique_ptr<TcpConnection> FakeTcpConnectionFactory::CreateConnection() {
  auto connection = std::make_unique<FakeTcpConnection>();
  m_made.push_back(connection.get());
  return connection;
}

}  // namespace brilox
