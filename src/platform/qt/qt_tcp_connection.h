// The TcpConnection on Qt Network (QTcpSocket).  Socket signals only note
// what happened; one queued delivery then reports it in a fixed order
// (connected, bytes, error, disconnected), so no event ever runs inside a
// call on the connection, even when Qt signals synchronously (a refused
// loopback connect, an abort).  Window thread only; needs a running Qt event
// loop.
#pragma once

#include <QObject>
#include <cstdint>
#include <memory>

#include "platform/tcp_connection.h"

class QTcpSocket;

namespace brilox {

class QtTcpConnection final : public TcpConnection {
 public:
  // A close that still has output queued waits for it to be written; a peer
  // that takes nothing for this long is cut off, so a dead node cannot keep
  // the link "connected" for the whole TCP retry time.
  static constexpr int kDefaultCloseGraceMs = 5000;

  explicit QtTcpConnection(int close_grace_ms = kDefaultCloseGraceMs);
  ~QtTcpConnection() override;
  QtTcpConnection(const QtTcpConnection&) = delete;
  QtTcpConnection& operator=(const QtTcpConnection&) = delete;

  void SetEvents(TcpConnectionEvents* events) override { m_events = events; }
  Status Open(const std::string& host, const std::string& port) override;
  void Close() override;
  TcpState state() const override { return m_state; }
  std::size_t OutputRoom() const override;
  Status Send(std::string_view bytes) override;
  void SetReceivePaused(bool paused) override;

 private:
  void DropSocket();
  void NoteOutputQueue() const;
  void ScheduleDelivery();
  void Deliver();
  bool DeliverBytes(std::uint64_t generation);

  QObject m_context;  // owns the queued deliveries; they die with it
  std::unique_ptr<QTcpSocket> m_socket;
  TcpConnectionEvents* m_events = nullptr;
  TcpState m_state = TcpState::kClosed;
  std::uint64_t m_generation = 0;  // grows with every Open
  bool m_paused = false;
  bool m_deliveryScheduled = false;
  bool m_connectedPending = false;
  bool m_disconnectPending = false;
  Status m_errorPending;
  mutable bool m_outputHeld = false;  // full queue: room reopens at the resume mark
  const int m_closeGraceMs;
};

class QtTcpConnectionFactory final : public TcpConnectionFactory {
 public:
  std::unique_ptr<TcpConnection> CreateConnection() override { return std::make_unique<QtTcpConnection>(); }
};

}  // namespace brilox
