// A pseudo-terminal pair standing in for a serial device: the program opens
// the slave by its path like any port, the test works the master side.
// Header only.
#pragma once

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <string>
#include <string_view>

namespace brilox::testing {

class PseudoTerminal {
 public:
  PseudoTerminal() {
    char name[128] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) return;
    m_device = name;
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
  }
  ~PseudoTerminal() { Close(); }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  bool ok() const { return m_master >= 0; }
  const std::string& device() const { return m_device; }
  int master() const { return m_master; }

  // What the program wrote and the test has not read yet.
  std::string ReadAvailable() {
    std::string bytes;
    char buffer[512];
    ssize_t n = 0;
    while (m_master >= 0 && (n = ::read(m_master, buffer, sizeof buffer)) > 0) {
      bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
  }
  void Write(std::string_view bytes) {
    if (m_master >= 0) (void)::write(m_master, bytes.data(), bytes.size());
  }
  // Both ends closed: the device is gone, as when an adapter is pulled out.
  void Close() {
    if (m_master >= 0) ::close(m_master);
    if (m_slave >= 0) ::close(m_slave);
    m_master = m_slave = -1;
  }

 private:
  int m_master = -1;
  int m_slave = -1;
  std::string m_device;
};

}  // namespace brilox::testing
