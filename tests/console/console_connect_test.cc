// brilox-console following a live node: a small node on 127.0.0.1 asks for a
// login, negotiates an option, sends a real capture and closes.  The console
// must answer the login from standard input, refuse the option, and rate the
// spots as it does for a file.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "support/test_paths.h"

namespace brilox::testing {
namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// One connection, served on its own thread; every wait has a deadline so a
// broken console fails the test instead of hanging it.
class OneShotNode {
 public:
  explicit OneShotNode(std::string capture) : m_capture(std::move(capture)) {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    EXPECT_EQ(::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(::listen(m_listener, 1), 0);
    socklen_t length = sizeof address;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Serve(); });
  }
  ~OneShotNode() {
    m_thread.join();
    ::close(m_listener);
  }
  int port() const { return m_port; }
  // What the console sent, once the session is over.
  const std::string& received() const { return m_received; }

 private:
  void Serve() {
    pollfd waiting{m_listener, POLLIN, 0};
    if (::poll(&waiting, 1, 20000) != 1) return;
    const int fd = ::accept(m_listener, nullptr, nullptr);
    if (fd < 0) return;
    timeval deadline{20, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &deadline, sizeof deadline);
    const std::string greeting = "login: \xff\xfd\x01";  // prompt without LF, then DO ECHO
    ::send(fd, greeting.data(), greeting.size(), MSG_NOSIGNAL);
    char buffer[512];
    // The typed login may overtake the refusal of the option: wait for both.
    while (m_received.find("\r\n") == std::string::npos ||
           m_received.find("\xff\xfc\x01") == std::string::npos) {
      const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
      if (got <= 0) break;
      m_received.append(buffer, static_cast<std::size_t>(got));
    }
    ::send(fd, m_capture.data(), m_capture.size(), MSG_NOSIGNAL);
    ::close(fd);
  }

  std::string m_capture;
  int m_listener = -1;
  int m_port = 0;
  std::thread m_thread;
  std::string m_received;
};

TEST(ConsoleConnect, FollowsALiveNodeAnswersTheLoginAndRatesItsSpots) {
  ScratchFolder scratch;
  const std::string capture = ReadTestData("cluster_traffic/cluster2mqtt_G4BFG-9_sample_cluster_output.txt");
  ASSERT_FALSE(capture.empty());
  OneShotNode node(capture);
  const std::string out = scratch.File("out.txt");
  const std::string err = scratch.File("err.txt");
  const std::string command = "echo K1ABC | '" + std::string(BRILOX_CONSOLE_PATH) + "' --data-dir '" +
                              scratch.File("data") +
                              "' --no-log --colour never --connect 127.0.0.1:" + std::to_string(node.port()) +
                              " > '" + out + "' 2> '" + err + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << ReadWhole(err);

  // The login went out with a telnet line end, after the refusal of the option.
  EXPECT_NE(node.received().find("\xff\xfc\x01"), std::string::npos);
  EXPECT_NE(node.received().find("K1ABC\r\n"), std::string::npos);
  // Every spot of the capture reached the DX window; no protocol byte did.
  const std::string printed = ReadWhole(out);
  int dx_rows = 0;
  for (std::size_t at = printed.find("DX    DX de "); at != std::string::npos;
       at = printed.find("DX    DX de ", at + 1)) {
    ++dx_rows;
  }
  EXPECT_EQ(dx_rows, 15) << printed;
  EXPECT_EQ(printed.find('\xff'), std::string::npos);
}

}  // namespace
}  // namespace brilox::testing
