// A transceiver driven by Hamlib's rigctld over TCP: a tune sets the mode
// and the frequency, then reads both back to confirm them.  The outcome
// (confirmed, an error reply, garbage, no answer, no daemon) goes to the
// status callback; nothing here waits, a timer bounds every exchange.
// Window thread only.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "links/rigctld_reply.h"
#include "platform/tcp_connection.h"
#include "platform/timer.h"

namespace brilox {

class RigctldClient final : private TcpConnectionEvents {
 public:
  // An exchange that gets no complete answer within this time is given up.
  static constexpr std::int64_t kAnswerTimeoutMs = 3000;

  using StatusSink = std::function<void(const std::string& text)>;

  RigctldClient(std::string label, TcpConnectionFactory& connections, TimerFactory& timers,
                StatusSink status);
  ~RigctldClient() override;
  RigctldClient(const RigctldClient&) = delete;
  RigctldClient& operator=(const RigctldClient&) = delete;

  void SetAddress(const std::string& host, int port);
  // Sets `mode_name` (none when empty) and `hz`, then reads them back.  A
  // tune still running is replaced.
  void Tune(const std::string& hz, const std::string& mode_name);
  void Close();

  // What the daemon confirmed last (tests, the status bar).
  long long confirmed_hz() const { return m_confirmedHz; }
  const std::string& confirmed_mode() const { return m_confirmedMode; }
  bool busy() const { return !m_pending.empty(); }

 private:
  enum class Expect { kResult, kFrequency, kMode, kPassband };
  struct Request {
    std::string text;  // the command line, "" for the continuation of "m"
    Expect expect;
  };

  void OnConnected() override;
  void OnBytesReceived(std::string_view bytes) override;
  void OnError(const Status& reason) override;
  void OnDisconnected() override;

  void SendPending();
  bool TakeLine(const std::string& line);
  void Fail(const std::string& why);
  void Finish();

  std::string m_label;
  std::string m_host = "127.0.0.1";
  int m_port = 4532;
  std::unique_ptr<TcpConnection> m_connection;
  std::unique_ptr<Timer> m_timeout;
  StatusSink m_status;
  RigctldReplyReader m_reader;
  std::deque<Request> m_pending;
  bool m_sent = false;  // the pending requests are on the wire
  std::string m_wantHz, m_wantMode;
  long long m_confirmedHz = -1;
  std::string m_confirmedMode;
  std::string m_lastError;
};

}  // namespace brilox
