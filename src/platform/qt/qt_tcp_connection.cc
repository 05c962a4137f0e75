#include "platform/qt/qt_tcp_connection.h"

#include <QMetaObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include "platform/tcp_port.h"

namespace brilox {
namespace {

// Qt stops reading from the operating system once this much waits unread,
// which is what makes a paused receive push back on the sender.
constexpr qint64 kReadBufferBytes = 64 * 1024;
// Bytes handed over per OnBytesReceived.
constexpr qint64 kDeliveryChunkBytes = 16 * 1024;

}  // namespace

QtTcpConnection::QtTcpConnection(int close_grace_ms) : m_closeGraceMs(close_grace_ms) {}

QtTcpConnection::~QtTcpConnection() {
  m_events = nullptr;
  DropSocket();
}

void QtTcpConnection::DropSocket() {
  if (!m_socket) return;
  QObject::disconnect(m_socket.get(), nullptr, &m_context, nullptr);
  m_socket->abort();
  m_socket.reset();
}

Status QtTcpConnection::Open(const std::string& host, const std::string& port) {
  if (host.empty()) return Status::InvalidArgument("empty host");
  Result<std::uint16_t> number = ResolveTcpPort(port);
  if (!number.ok()) return number.status();

  DropSocket();
  ++m_generation;
  m_connectedPending = m_disconnectPending = false;
  m_errorPending = Status::Ok();
  m_outputHeld = false;
  m_state = TcpState::kOpening;

  m_socket = std::make_unique<QTcpSocket>();
  m_socket->setReadBufferSize(kReadBufferBytes);
  QTcpSocket* socket = m_socket.get();
  QObject::connect(socket, &QTcpSocket::connected, &m_context, [this] {
    if (m_state != TcpState::kOpening) return;
    m_state = TcpState::kConnected;
    m_connectedPending = true;
    ScheduleDelivery();
  });
  QObject::connect(socket, &QTcpSocket::readyRead, &m_context, [this] { ScheduleDelivery(); });
  QObject::connect(socket, &QTcpSocket::errorOccurred, &m_context,
                   [this, socket](QAbstractSocket::SocketError e) {
                     if (e == QAbstractSocket::RemoteHostClosedError) return;  // the node's orderly goodbye
                     m_errorPending = Status::Io(socket->errorString().toStdString());
                     ScheduleDelivery();
                   });
  QObject::connect(socket, &QTcpSocket::stateChanged, &m_context, [this](QAbstractSocket::SocketState s) {
    if (s != QAbstractSocket::UnconnectedState || m_state == TcpState::kClosed) return;
    m_disconnectPending = true;
    ScheduleDelivery();
  });
  QObject::connect(socket, &QTcpSocket::bytesWritten, &m_context, [this](qint64) { NoteOutputQueue(); });
  socket->connectToHost(QString::fromStdString(host), number.value());
  return Status::Ok();
}

void QtTcpConnection::Close() {
  if (m_state == TcpState::kClosed || !m_socket) return;
  const bool established = m_socket->state() == QAbstractSocket::ConnectedState;
  m_state = TcpState::kClosing;
  // An attempt that was closed ends in OnDisconnected alone.
  m_connectedPending = false;
  if (established) {
    m_socket->disconnectFromHost();  // writes what is queued, then closes
    QTimer::singleShot(m_closeGraceMs, &m_context, [this, generation = m_generation] {
      if (generation == m_generation && m_state == TcpState::kClosing && m_socket) m_socket->abort();
    });
  } else {
    m_socket->abort();
    m_disconnectPending = true;
    ScheduleDelivery();
  }
}

void QtTcpConnection::NoteOutputQueue() const {
  if (!m_socket) return;
  const auto queued = static_cast<std::size_t>(m_socket->bytesToWrite());
  if (queued >= kTcpOutputQueueLimit) m_outputHeld = true;
  if (queued <= kTcpOutputResumeMark) m_outputHeld = false;
}

std::size_t QtTcpConnection::OutputRoom() const {
  if (m_state != TcpState::kConnected || !m_socket) return 0;
  NoteOutputQueue();
  if (m_outputHeld) return 0;
  const auto queued = static_cast<std::size_t>(m_socket->bytesToWrite());
  return queued >= kTcpOutputQueueLimit ? 0 : kTcpOutputQueueLimit - queued;
}

Status QtTcpConnection::Send(std::string_view bytes) {
  if (m_state != TcpState::kConnected || !m_socket) return Status::Io("not connected");
  if (bytes.size() > OutputRoom()) return Status::Full("output queue");
  const qint64 written = m_socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
  if (written != static_cast<qint64>(bytes.size())) return Status::Io(m_socket->errorString().toStdString());
  NoteOutputQueue();
  return Status::Ok();
}

void QtTcpConnection::SetReceivePaused(bool paused) {
  m_paused = paused;
  if (!paused && m_socket && m_socket->bytesAvailable() > 0) ScheduleDelivery();
}

void QtTcpConnection::ScheduleDelivery() {
  if (m_deliveryScheduled) return;
  m_deliveryScheduled = true;
  QMetaObject::invokeMethod(
      &m_context, [this] { Deliver(); }, Qt::QueuedConnection);
}

// Hands over waiting bytes until paused; false when a handler replaced or
// dropped the socket, which ends this delivery.
bool QtTcpConnection::DeliverBytes(std::uint64_t generation) {
  while (m_socket && m_socket->bytesAvailable() > 0 && (!m_paused || m_disconnectPending)) {
    const QByteArray chunk = m_socket->read(kDeliveryChunkBytes);
    if (chunk.isEmpty()) break;
    if (m_events != nullptr) m_events->OnBytesReceived(std::string_view(chunk.constData(), chunk.size()));
    if (generation != m_generation) return false;
  }
  return true;
}

void QtTcpConnection::Deliver() {
  m_deliveryScheduled = false;
  const std::uint64_t generation = m_generation;
  if (m_connectedPending) {
    m_connectedPending = false;
    if (m_events != nullptr) m_events->OnConnected();
    if (generation != m_generation) return;
  }
  if (!DeliverBytes(generation)) return;
  if (!m_errorPending.ok()) {
    const Status reason = m_errorPending;
    m_errorPending = Status::Ok();
    if (m_events != nullptr) m_events->OnError(reason);
    if (generation != m_generation) return;
  }
  if (m_disconnectPending) {
    m_disconnectPending = false;
    m_state = TcpState::kClosed;
    if (m_events != nullptr) m_events->OnDisconnected();
  }
}

}  // namespace brilox
