// Turns the port text of a connect command into a TCP port number: a decimal
// number from 1 to 65535, or a service name looked up in the system's
// services table ("telnet" is known even without one).  Window thread only
// (the system lookup is not reentrant).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/result.h"

namespace brilox {

// InvalidArgument for an empty text, a number out of range or an unknown
// service name.
Result<std::uint16_t> ResolveTcpPort(std::string_view port);

}  // namespace brilox
