#include "platform/tcp_port.h"

#include <netdb.h>
#include <netinet/in.h>

#include <string>

namespace brilox {

Result<std::uint16_t> ResolveTcpPort(std::string_view port) {
  if (port.empty()) return Status::InvalidArgument("empty port");
  bool all_digits = true;
  for (char c : port) all_digits = all_digits && c >= '0' && c <= '9';
  if (all_digits) {
    if (port.size() > 5) return Status::InvalidArgument("port out of range: " + std::string(port));
    const unsigned long value = std::stoul(std::string(port));
    if (value < 1 || value > 65535) return Status::InvalidArgument("port out of range: " + std::string(port));
    return static_cast<std::uint16_t>(value);
  }
  const std::string name(port);
  if (const servent* entry = ::getservbyname(name.c_str(), "tcp")) {
    return static_cast<std::uint16_t>(ntohs(static_cast<std::uint16_t>(entry->s_port)));
  }
  // A minimal system may lack the services table; every link starts on
  // the telnet service, so that one name must always work.
  if (name == "telnet") return static_cast<std::uint16_t>(23);
  return Status::InvalidArgument("unknown service: " + name);
}

}  // namespace brilox
