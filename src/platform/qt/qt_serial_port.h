// The SerialPort on Qt SerialPort.  Received bytes are read on readyRead; a
// port error (device removed, I/O failure) closes the port and is reported
// once, through a queued call so that it never arrives inside Write.  The
// DTR and RTS levels are set where the device has those lines; a device
// without them (a pseudo-terminal) still opens.  Window thread only; needs a
// running Qt event loop.
#pragma once

#include <QObject>
#include <memory>

#include "platform/serial_port.h"

class QSerialPort;

namespace brilox {

class QtSerialPort final : public SerialPort {
 public:
  QtSerialPort();
  ~QtSerialPort() override;
  QtSerialPort(const QtSerialPort&) = delete;
  QtSerialPort& operator=(const QtSerialPort&) = delete;

  void SetEvents(SerialPortEvents* events) override { m_events = events; }
  Status Open(const std::string& device, const SerialLineSettings& line) override;
  void Close() override;
  bool IsOpen() const override;
  std::size_t OutputRoom() const override;
  Status Write(std::string_view bytes) override;

 private:
  void OnReadyRead();
  void OnError(int error);

  QObject m_context;  // owns the connections and queued calls; they die with it
  std::unique_ptr<QSerialPort> m_port;
  SerialPortEvents* m_events = nullptr;
  bool m_lostPending = false;
};

class QtSerialPortFactory final : public SerialPortFactory {
 public:
  std::unique_ptr<SerialPort> CreatePort() override { return std::make_unique<QtSerialPort>(); }
};

class QtSerialPortLister final : public SerialPortLister {
 public:
  std::vector<SerialPortInfo> ListPorts() const override;
};

}  // namespace brilox
