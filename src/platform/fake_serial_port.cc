#include "platform/fake_serial_port.h"

namespace brilox {

Status FakeSerialPort::Open(const std::string& device, const SerialLineSettings& line) {
  m_opens.push_back({device, line});
  if (!m_openFailure.ok()) return m_openFailure;
  m_open = true;
  return Status::Ok();
}

void FakeSerialPort::Close() {
  if (!m_open) return;
  m_open = false;
  ++m_closes;
}

Status FakeSerialPort::Write(std::string_view bytes) {
  if (!m_open) return Status::Io("serial port closed");
  if (bytes.size() > m_room) return Status::Full("serial output queue");
  m_written.append(bytes);
  return Status::Ok();
}

void FakeSerialPort::SimulateBytes(std::string_view bytes) {
  if (m_open && m_events != nullptr) m_events->OnSerialBytes(bytes);
}

void FakeSerialPort::SimulateLost() {
  if (!m_open) return;
  m_open = false;
  if (m_events != nullptr) m_events->OnSerialPortLost(Status::Io("device gone"));
}

std::unique_ptr<SerialPort> FakeSerialPortFactory::CreatePort() {
  auto port = std::make_unique<FakeSerialPort>();
  m_made.push_back(port.get());
  return port;
}

}  // namespace brilox
