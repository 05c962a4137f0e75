#include "links/rigctld_client.h"

namespace brilox {

RigctldClient::RigctldClient(std::string label, TcpConnectionFactory& connections, TimerFactory& timers,
                             StatusSink status)
    : m_label(std::move(label)),
      m_connection(connections.CreateConnection()),
      m_timeout(timers.CreateTimer([this] { Fail("no answer"); })),
      m_status(std::move(status)) {
  m_connection->SetEvents(this);
}

RigctldClient::~RigctldClient() { m_connection->SetEvents(nullptr); }

void RigctldClient::SetAddress(const std::string& host, int port) {
  if (host == m_host && port == m_port) return;
  m_host = host;
  m_port = port;
  Close();
}

void RigctldClient::Close() {
  m_pending.clear();
  m_timeout->Stop();
  m_reader.Reset();
  if (m_connection->state() != TcpState::kClosed) m_connection->Close();
}

void RigctldClient::Tune(const std::string& hz, const std::string& mode_name) {
  // A tune still waiting for its answers is dropped with its connection, so
  // that late answers cannot be taken for the new one's.
  if (!m_pending.empty()) Close();
  m_wantHz = hz;
  m_wantMode = mode_name;
  m_lastError.clear();
  if (!mode_name.empty()) m_pending.push_back({"M " + mode_name + " 0\n", Expect::kResult});
  m_pending.push_back({"F " + hz + "\n", Expect::kResult});
  m_pending.push_back({"f\n", Expect::kFrequency});
  m_pending.push_back({"m\n", Expect::kMode});
  m_pending.push_back({"", Expect::kPassband});
  m_sent = false;
  m_timeout->Start(kAnswerTimeoutMs, TimerMode::kSingleShot);
  if (m_connection->state() == TcpState::kConnected) {
    SendPending();
    return;
  }
  if (m_connection->state() == TcpState::kOpening) return;  // sent once connected
  const Status opened = m_connection->Open(m_host, std::to_string(m_port));
  if (!opened.ok()) Fail(opened.ToString());
}

void RigctldClient::SendPending() {
  if (m_sent || m_pending.empty()) return;
  std::string all;
  for (const Request& request : m_pending) all += request.text;
  m_sent = true;
  if (!m_connection->Send(all).ok()) Fail("cannot send");
}

void RigctldClient::OnConnected() { SendPending(); }

void RigctldClient::OnBytesReceived(std::string_view bytes) {
  if (m_pending.empty()) return;  // nothing asked: stray bytes are dropped
  m_reader.Append(bytes);
  if (m_reader.overlong()) {
    Fail("unreadable answer");
    return;
  }
  while (!m_pending.empty()) {
    std::optional<std::string> line = m_reader.NextLine();
    if (!line) return;
    if (!TakeLine(*line)) return;
  }
  Finish();
}

// One answer line for the request at the front; false once the tune failed.
bool RigctldClient::TakeLine(const std::string& line) {
  const Request request = m_pending.front();
  const std::optional<int> result = ParseRigctldResult(line);
  if (result && *result != 0) {
    Fail("error " + std::to_string(*result));
    return false;
  }
  switch (request.expect) {
    case Expect::kResult:
      if (!result) {
        Fail("unexpected answer");
        return false;
      }
      break;
    case Expect::kFrequency: {
      const std::optional<long long> hz = ParseRigctldFrequency(line);
      if (!hz) {
        Fail("unexpected answer");
        return false;
      }
      m_confirmedHz = *hz;
      break;
    }
    case Expect::kMode:
      if (!IsRigctldModeName(line)) {
        Fail("unexpected answer");
        return false;
      }
      m_confirmedMode = line;
      break;
    case Expect::kPassband:
      if (!ParseRigctldFrequency(line)) {
        Fail("unexpected answer");
        return false;
      }
      break;
  }
  m_pending.pop_front();
  return true;
}

void RigctldClient::Finish() {
  m_timeout->Stop();
  const bool frequency_ok = std::to_string(m_confirmedHz) == m_wantHz;
  const bool mode_ok = m_wantMode.empty() || m_confirmedMode == m_wantMode;
  if (frequency_ok && mode_ok) {
    m_status(m_label + ": " + m_wantHz + " Hz" + (m_wantMode.empty() ? "" : " " + m_wantMode));
  } else {
    m_status(m_label + ": the radio reports " + std::to_string(m_confirmedHz) + " Hz " + m_confirmedMode);
  }
}

void RigctldClient::Fail(const std::string& why) {
  const bool was_busy = !m_pending.empty();
  Close();
  if (was_busy) m_status(m_label + " (rigctld " + m_host + ":" + std::to_string(m_port) + "): " + why);
}

void RigctldClient::OnError(const Status& reason) { m_lastError = reason.context(); }

void RigctldClient::OnDisconnected() {
  m_reader.Reset();
  if (!m_pending.empty()) Fail(m_lastError.empty() ? "connection lost" : m_lastError);
}

}  // namespace brilox
