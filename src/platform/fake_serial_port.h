// A scripted SerialPort for logic tests: the test plays the device (bytes
// in, the port lost) and reads back what was opened and written.  The test
// calls the Simulate functions itself, standing in for the event loop.
#pragma once

#include <string>
#include <vector>

#include "platform/serial_port.h"

namespace brilox {

class FakeSerialPort final : public SerialPort {
 public:
  struct OpenCall {
    std::string device;
    SerialLineSettings line;
  };

  void SetEvents(SerialPortEvents* events) override { m_events = events; }
  Status Open(const std::string& device, const SerialLineSettings& line) override;
  void Close() override;
  bool IsOpen() const override { return m_open; }
  std::size_t OutputRoom() const override { return m_open ? m_room : 0; }
  Status Write(std::string_view bytes) override;

  void SimulateBytes(std::string_view bytes);
  void SimulateLost();

  void FailOpens(Status status) { m_openFailure = std::move(status); }
  void SetOutputRoom(std::size_t room) { m_room = room; }
  const std::vector<OpenCall>& opens() const { return m_opens; }
  int closes() const { return m_closes; }
  const std::string& written() const { return m_written; }
  void ClearWritten() { m_written.clear(); }

 private:
  SerialPortEvents* m_events = nullptr;
  bool m_open = false;
  Status m_openFailure;
  std::size_t m_room = kSerialOutputQueueLimit;
  std::vector<OpenCall> m_opens;
  int m_closes = 0;
  std::string m_written;
};

class FakeSerialPortFactory final : public SerialPortFactory {
 public:
  std::unique_ptr<SerialPort> CreatePort() override;
  // The ports made so far, in order; they stay owned by whoever asked.
  FakeSerialPort& port(int index) { return *m_made.at(static_cast<std::size_t>(index)); }
  int count() const { return static_cast<int>(m_made.size()); }

 private:
  std::vector<FakeSerialPort*> m_made;
};

}  // namespace brilox
