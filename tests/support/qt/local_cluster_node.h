// A cluster node for tests, on 127.0.0.1 and a port the system picks, run by
// the test's own Qt event loop.  It behaves as real nodes do on a telnet
// link: an issue text and "login: " without a line end, input taken only at
// LF (a line ended by CR alone is never seen), a prompt after the login,
// optional telnet negotiation, and whatever raw bytes the test has it send:
// spots in pieces, bulletins, floods, junk, a drop in mid-line.
// Header only; window thread only.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brilox::testing {

// The Qt application object the tests need; made once per test program
// unless the test already made one (a widget test's QApplication).
inline QCoreApplication& TestApplication() {
  if (QCoreApplication* existing = QCoreApplication::instance()) return *existing;
  static int argc = 1;
  static char name[] = "brilox-test";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

// Runs the event loop until `done` holds or the deadline passes; `each_round`
// runs after every round (tests on fake timers move their clock there).  A
// short heartbeat wakes the loop, so nothing sleeps: the wait ends as soon
// as the condition is met.
inline bool WaitUntil(const std::function<bool()>& done, int deadline_ms = 10000,
                      const std::function<void()>& each_round = {}) {
  TestApplication();
  QDeadlineTimer deadline(deadline_ms);
  QTimer heartbeat;
  heartbeat.start(2);
  while (!done()) {
    if (deadline.hasExpired()) return done();
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (each_round) each_round();
  }
  return true;
}

class LocalClusterNode {
 public:
  struct Behaviour {
    bool greet = true;        // issue text and "login: " on connect
    std::string negotiation;  // raw telnet bytes sent first, when not empty
    std::string node_call = "N0DXS-2";
  };

  LocalClusterNode() : LocalClusterNode(Behaviour{}) {}
  explicit LocalClusterNode(Behaviour behaviour) : m_behaviour(std::move(behaviour)) {
    TestApplication();
    m_server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { Accept(); });
  }
  ~LocalClusterNode() {
    if (m_client != nullptr) m_client->abort();
  }

  bool listening() const { return m_server.isListening(); }
  std::string port() const { return std::to_string(m_server.serverPort()); }
  int connections() const { return m_connections; }
  bool has_client() const {
    return m_client != nullptr && m_client->state() == QAbstractSocket::ConnectedState;
  }
  bool client_gone() const {
    return m_client == nullptr || m_client->state() == QAbstractSocket::UnconnectedState;
  }

  // Input lines (at LF, CR taken off) of all connections, and the raw bytes.
  const std::vector<std::string>& lines() const { return m_lines; }
  const std::string& raw_input() const { return m_rawInput; }
  const std::string& login() const { return m_login; }

  void Send(std::string_view bytes) {
    if (m_client == nullptr) return;
    m_client->write(bytes.data(), static_cast<qint64>(bytes.size()));
    m_client->flush();
    m_sentBytes += bytes.size();
  }
  // Closes the connection the way a node does (what was written still goes).
  void Drop() {
    if (m_client != nullptr) m_client->disconnectFromHost();
  }
  std::size_t sent_bytes() const { return m_sentBytes; }
  // Bytes written by the node that the system has not yet taken.
  qint64 pending_output() const { return m_client == nullptr ? 0 : m_client->bytesToWrite(); }

  // Writes `total` bytes made of `pattern` repeated, keeping at most
  // `window` bytes queued in the node, as a node feeding a slow client does.
  void Flood(std::string pattern, std::size_t total, qint64 window = 256 * 1024) {
    m_floodPattern = std::move(pattern);
    m_floodLeft = total;
    m_floodWindow = window;
    FeedFlood();
  }
  bool flood_done() const { return m_floodLeft == 0; }

  // Called for every input line, after the built-in login handling.
  std::function<void(const std::string& line)> on_line;

 private:
  void Accept() {
    QTcpSocket* next = m_server.nextPendingConnection();
    if (next == nullptr) return;
    if (m_client != nullptr) m_client->deleteLater();
    m_client = next;
    ++m_connections;
    m_input.clear();
    m_login.clear();
    QObject::connect(m_client, &QTcpSocket::readyRead, m_client, [this, socket = m_client] { Read(socket); });
    QObject::connect(m_client, &QTcpSocket::bytesWritten, m_client, [this](qint64) { FeedFlood(); });
    if (!m_behaviour.negotiation.empty()) Send(m_behaviour.negotiation);
    if (m_behaviour.greet) {
      Send("Hello, this is " + m_behaviour.node_call + " in Loopback\r\nrunning DXSpider V build\r\nlogin: ");
    }
  }

  void Read(QTcpSocket* socket) {
    const QByteArray bytes = socket->readAll();
    m_rawInput.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    m_input.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    // Only LF ends a line; a line ended by CR alone waits for ever.
    for (std::size_t lf; (lf = m_input.find('\n')) != std::string::npos;) {
      std::string line = m_input.substr(0, lf);
      m_input.erase(0, lf + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      m_lines.push_back(line);
      if (m_behaviour.greet && m_login.empty() && !line.empty()) {
        m_login = line;
        Send(line + " de " + m_behaviour.node_call + "  5-Dec-2026 1200Z dxspider >\r\n");
      }
      if (on_line) on_line(line);
    }
  }

  void FeedFlood() {
    if (m_client == nullptr) return;
    while (m_floodLeft > 0 && m_client->bytesToWrite() < m_floodWindow) {
      std::string piece;
      while (piece.size() < 16 * 1024 && piece.size() < m_floodLeft) piece += m_floodPattern;
      piece.resize(std::min(piece.size(), m_floodLeft));
      m_client->write(piece.data(), static_cast<qint64>(piece.size()));
      m_floodLeft -= piece.size();
      m_sentBytes += piece.size();
    }
  }

  Behaviour m_behaviour;
  QTcpServer m_server;
  QTcpSocket* m_client = nullptr;  // owned by the server
  int m_connections = 0;
  std::string m_input;
  std::string m_rawInput;
  std::string m_login;
  std::vector<std::string> m_lines;
  std::size_t m_sentBytes = 0;
  std::string m_floodPattern;
  std::size_t m_floodLeft = 0;
  qint64 m_floodWindow = 0;
};

}  // namespace brilox::testing
