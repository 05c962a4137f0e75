#include "console/console_network.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "links/telnet_protocol.h"
#include "platform/tcp_port.h"

namespace brilox {
namespace {

// Closes the socket whichever way the session ends.
class SocketGuard {
 public:
  explicit SocketGuard(int fd) : m_fd(fd) {}
  ~SocketGuard() {
    if (m_fd >= 0) ::close(m_fd);
  }
  SocketGuard(const SocketGuard&) = delete;
  SocketGuard& operator=(const SocketGuard&) = delete;
  int fd() const { return m_fd; }

 private:
  int m_fd;
};

Result<int> Connect(const std::string& host, std::uint16_t port) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  if (const int error = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found); error != 0) {
    return Status::NotFound("cannot resolve " + host + ": " + ::gai_strerror(error));
  }
  std::string last_error = "no address";
  for (addrinfo* at = found; at != nullptr; at = at->ai_next) {
    const int fd = ::socket(at->ai_family, at->ai_socktype | SOCK_CLOEXEC, at->ai_protocol);
    if (fd < 0) continue;
    if (::connect(fd, at->ai_addr, at->ai_addrlen) == 0) {
      ::freeaddrinfo(found);
      return fd;
    }
    last_error = std::strerror(errno);
    ::close(fd);
  }
  ::freeaddrinfo(found);
  return Status::Io("cannot connect to " + host + ":" + service + ": " + last_error);
}

bool SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

// Typed text goes out with CR LF line ends, as a telnet client sends them.
std::string TypedToNode(std::string_view typed) {
  std::string out;
  for (char c : typed) {
    if (c == '\r') continue;
    if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return EscapeTelnetText(out);
}

}  // namespace

Status FollowNode(const std::string& host_port, int terminal, SpotPipeline& pipeline) {
  const std::size_t colon = host_port.rfind(':');
  const std::string host = host_port.substr(0, colon);
  Result<std::uint16_t> port = ResolveTcpPort(host_port.substr(colon + 1));
  if (!port.ok()) return port.status();
  Result<int> connected = Connect(host, *port);
  if (!connected.ok()) return connected.status();
  const SocketGuard socket(*connected);

  TelnetDecoder telnet;
  std::string text;
  std::string replies;
  bool typing = true;
  char buffer[4096];
  for (;;) {
    pollfd watched[2] = {{socket.fd(), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    if (::poll(watched, typing ? 2 : 1, -1) < 0) {
      if (errno == EINTR) continue;
      return Status::Io(std::string("poll: ") + std::strerror(errno));
    }
    if (watched[0].revents != 0) {
      const ssize_t got = ::recv(socket.fd(), buffer, sizeof buffer, 0);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return Status::Ok();  // the node closed the connection
      text.clear();
      replies.clear();
      telnet.Feed(std::string_view(buffer, static_cast<std::size_t>(got)), text, replies);
      if (!replies.empty() && !SendAll(socket.fd(), replies)) return Status::Io("the node went away");
      if (!text.empty()) pipeline.Feed(terminal, text);
    }
    if (typing && watched[1].revents != 0) {
      const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
      if (got <= 0) {
        typing = false;  // a piped login is done; keep listening
      } else if (!SendAll(socket.fd(),
                          TypedToNode(std::string_view(buffer, static_cast<std::size_t>(got))))) {
        return Status::Io("the node went away");
      }
    }
  }
}

}  // namespace brilox
