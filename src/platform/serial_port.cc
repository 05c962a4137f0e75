#include "platform/serial_port.h"

namespace brilox {

std::string SerialDeviceFor(int port_number, const std::string& device_path,
                            const std::vector<SerialPortInfo>& ports) {
  if (!device_path.empty()) return device_path;
  if (port_number < 1) return {};
  const auto index = static_cast<std::size_t>(port_number - 1);
  if (index < ports.size()) return ports[index].device;
  return "/dev/ttyS" + std::to_string(port_number - 1);
}

}  // namespace brilox
