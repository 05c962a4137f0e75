// A serial port as the TNC and the transceivers need it: open with line
// settings and the DTR and RTS lines, write without blocking behind a room
// check, bytes received as events, and one event when the port fails under
// the program (a USB adapter pulled out).
//
// Threading: window thread only.  Events are delivered from the event loop,
// never from inside a call on the port, so a handler may close or reopen it.
//
// Failure: Open fails at once with a Status.  A port that fails once open
// reports OnPortLost once and is closed by then; writes to a closed port are
// refused with kIo and never block.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace brilox {

enum class SerialParity { kNone, kOdd, kEven };
enum class SerialFlowControl { kNone, kRtsCts, kDtrDsr, kXonXoff };

struct SerialLineSettings {
  int baud = 9600;
  int data_bits = 8;
  SerialParity parity = SerialParity::kNone;
  int stop_bits = 1;
  SerialFlowControl flow = SerialFlowControl::kNone;
  // Levels of the control lines when the flow control does not drive them.
  bool dtr = true;
  bool rts = true;
};

class SerialPortEvents {
 public:
  virtual ~SerialPortEvents() = default;
  // Bytes in arrival order, in chunks of any size from 1 byte on.
  virtual void OnSerialBytes(std::string_view bytes) = 0;
  // The open port failed (device gone, I/O error); it is closed now.
  virtual void OnSerialPortLost(const Status& reason) = 0;
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // The receiver of the events; must outlive the port or be reset.
  virtual void SetEvents(SerialPortEvents* events) = 0;
  // Opens `device` (a path such as /dev/ttyUSB0); an open port is closed first.
  virtual Status Open(const std::string& device, const SerialLineSettings& line) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Bytes that Write accepts now.
  virtual std::size_t OutputRoom() const = 0;
  // Queues all of `bytes` or nothing: kFull when they do not fit, kIo when
  // the port is closed.
  virtual Status Write(std::string_view bytes) = 0;
};

class SerialPortFactory {
 public:
  virtual ~SerialPortFactory() = default;
  virtual std::unique_ptr<SerialPort> CreatePort() = 0;
};

// A port the system offers, for the options dialog.
struct SerialPortInfo {
  std::string device;       // "/dev/ttyUSB0"
  std::string description;  // what the driver or the adapter calls itself
  bool operator==(const SerialPortInfo&) const = default;
};

class SerialPortLister {
 public:
  virtual ~SerialPortLister() = default;
  // Sorted by device path.
  virtual std::vector<SerialPortInfo> ListPorts() const = 0;
};

// Output queue limit shared by the adapters, like the TCP links'.
inline constexpr std::size_t kSerialOutputQueueLimit = 4096;

// The stored port number names a port as it always has: number n is the
// n-th port of the list (1-based).  A device path, when set, wins; a number
// beyond the list falls back to the n-th standard serial device.
std::string SerialDeviceFor(int port_number, const std::string& device_path,
                            const std::vector<SerialPortInfo>& ports);

}  // namespace brilox
