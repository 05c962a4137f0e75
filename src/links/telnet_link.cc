#include "links/telnet_link.h"

#include <utility>

namespace brilox {

TelnetLink::TelnetLink(int number, std::unique_ptr<TcpConnection> connection, TimerFactory& timers,
                       TelnetLinkObserver& observer)
    : m_number(number), m_connection(std::move(connection)), m_observer(observer) {
  m_retryTimer = timers.CreateTimer([this] { PumpWaitingLines(); });
  m_connection->SetEvents(this);
}

TelnetLink::~TelnetLink() { m_connection->SetEvents(nullptr); }

void TelnetLink::SetAddress(std::string host, std::string port) {
  m_host = std::move(host);
  m_port = std::move(port);
}

Status TelnetLink::Open() {
  Status status = m_connection->Open(m_host, m_port);
  if (status.ok()) m_connection->SetReceivePaused(m_paused);
  return status;
}

void TelnetLink::Close() { m_connection->Close(); }

SendOutcome TelnetLink::Send(std::string_view bytes) {
  if (!m_connected) return SendOutcome::kNotConnected;
  if (m_waitingBytes + bytes.size() > kMaxWaitingBytes) {
    ++m_droppedLines;
    return SendOutcome::kDropped;
  }
  m_waiting.push_back({std::string(bytes), 0});
  m_waitingBytes += bytes.size();
  if (m_waiting.size() > 1) return SendOutcome::kQueued;  // waits its turn
  PumpWaitingLines();
  return m_waiting.empty() ? SendOutcome::kSent : SendOutcome::kQueued;
}

// One round of attempts: the lines at the front go out while there is room;
// the first that finds none counts an attempt and, after the last one, is
// dropped so that the next line gets its own attempts.
void TelnetLink::PumpWaitingLines() {
  while (!m_waiting.empty() && m_connected) {
    WaitingLine& line = m_waiting.front();
    ++line.attempts;
    if (m_connection->OutputRoom() > line.bytes.size() && m_connection->Send(line.bytes).ok()) {
      m_waitingBytes -= line.bytes.size();
      m_waiting.pop_front();
      continue;
    }
    if (line.attempts < kSendAttempts) break;
    m_waitingBytes -= line.bytes.size();
    m_waiting.pop_front();
    ++m_droppedLines;
  }
  if (m_waiting.empty()) {
    m_retryTimer->Stop();
  } else if (!m_retryTimer->IsActive()) {
    m_retryTimer->Start(kSendRetryMs, TimerMode::kRepeating);
  }
}

void TelnetLink::DropWaitingLines() {
  m_waiting.clear();
  m_waitingBytes = 0;
  m_retryTimer->Stop();
}

void TelnetLink::SetReceivePaused(bool paused) {
  if (m_paused == paused) return;
  m_paused = paused;
  m_connection->SetReceivePaused(paused);
}

void TelnetLink::OnConnected() {
  m_connected = true;
  m_decoder.Reset();
  m_lastError.clear();
  m_observer.OnLinkConnected(m_number);
}

void TelnetLink::OnBytesReceived(std::string_view bytes) {
  m_text.clear();
  m_replies.clear();
  m_decoder.Feed(bytes, m_text, m_replies);
  // Answers that find no room are dropped: the node repeats a request it
  // still cares about, and a storm of them must not fill the queue.
  if (!m_replies.empty() && m_connection->OutputRoom() > m_replies.size()) {
    (void)m_connection->Send(m_replies);
  }
  if (!m_text.empty()) m_observer.OnLinkText(m_number, m_text);
}

void TelnetLink::OnError(const Status& reason) { m_lastError = reason.context(); }

void TelnetLink::OnDisconnected() {
  m_connected = false;
  DropWaitingLines();
  m_observer.OnLinkDisconnected(m_number);
}

}  // namespace brilox
