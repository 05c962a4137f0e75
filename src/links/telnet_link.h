// One telnet link: a TCP connection with its telnet decoder, the node
// address it was last given, the connected flag that only its events change,
// and the lines waiting for room in the output queue.
//
// A line that finds no room is retried every 10 ms, 101 attempts in all
// (about a second), then dropped.  The retries run on a timer, so the window
// thread keeps working while a slow node empties its queue; lines sent
// meanwhile wait behind it in order.  Window thread only.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "links/telnet_protocol.h"
#include "platform/tcp_connection.h"
#include "platform/timer.h"

namespace brilox {

class TelnetLinkObserver {
 public:
  virtual ~TelnetLinkObserver() = default;
  virtual void OnLinkConnected(int link) = 0;
  virtual void OnLinkDisconnected(int link) = 0;
  // Received text, the telnet protocol already taken out.
  virtual void OnLinkText(int link, std::string_view text) = 0;
};

enum class SendOutcome { kSent, kQueued, kDropped, kNotConnected };

class TelnetLink final : private TcpConnectionEvents {
 public:
  static constexpr int kSendAttempts = 101;
  static constexpr std::int64_t kSendRetryMs = 10;
  // Lines beyond this many waiting bytes are dropped at once.
  static constexpr std::size_t kMaxWaitingBytes = 16 * 1024;

  TelnetLink(int number, std::unique_ptr<TcpConnection> connection, TimerFactory& timers,
             TelnetLinkObserver& observer);
  ~TelnetLink() override;
  TelnetLink(const TelnetLink&) = delete;
  TelnetLink& operator=(const TelnetLink&) = delete;

  // The address that later opens use; a link starts on the telnet service.
  void SetAddress(std::string host, std::string port);
  const std::string& host() const { return m_host; }
  const std::string& port() const { return m_port; }

  // Opens to the stored address, dropping an attempt still running.
  Status Open();
  // Ends the connection or the attempt; the disconnect event follows.
  void Close();

  bool connected() const { return m_connected; }
  // A connection whose socket is up but whose connected event is still on
  // its way counts as opening: the link is never neither, so a line typed in
  // that moment does not open a second connection.
  bool opening() const {
    const TcpState state = m_connection->state();
    return !m_connected && (state == TcpState::kOpening || state == TcpState::kConnected);
  }

  // Sends `bytes` (already terminated and escaped) when connected.
  SendOutcome Send(std::string_view bytes);
  std::size_t waiting_bytes() const { return m_waitingBytes; }
  int dropped_lines() const { return m_droppedLines; }

  void SetReceivePaused(bool paused);
  bool receive_paused() const { return m_paused; }
  const std::string& last_error() const { return m_lastError; }

 private:
  struct WaitingLine {
    std::string bytes;
    int attempts = 0;
  };

  void OnConnected() override;
  void OnBytesReceived(std::string_view bytes) override;
  void OnError(const Status& reason) override;
  void OnDisconnected() override;
  void PumpWaitingLines();
  void DropWaitingLines();

  const int m_number;
  std::unique_ptr<TcpConnection> m_connection;
  TelnetLinkObserver& m_observer;
  std::unique_ptr<Timer> m_retryTimer;
  TelnetDecoder m_decoder;
  std::string m_host;
  std::string m_port = "telnet";
  bool m_connected = false;
  bool m_paused = false;
  std::deque<WaitingLine> m_waiting;
  std::size_t m_waitingBytes = 0;
  int m_droppedLines = 0;
  std::string m_lastError;
  std::string m_text;     // scratch for decoded text
  std::string m_replies;  // scratch for negotiation answers
};

}  // namespace brilox
