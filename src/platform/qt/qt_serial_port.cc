#include "platform/qt/qt_serial_port.h"

#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>

namespace brilox {
namespace {

QSerialPort::Parity ParityOf(SerialParity parity) {
  switch (parity) {
    case SerialParity::kOdd:
      return QSerialPort::OddParity;
    case SerialParity::kEven:
      return QSerialPort::EvenParity;
    case SerialParity::kNone:
      break;
  }
  return QSerialPort::NoParity;
}

}  // namespace

QtSerialPort::QtSerialPort() : m_port(std::make_unique<QSerialPort>()) {
  QObject::connect(m_port.get(), &QSerialPort::readyRead, &m_context, [this] { OnReadyRead(); });
  QObject::connect(m_port.get(), &QSerialPort::errorOccurred, &m_context,
                   [this](QSerialPort::SerialPortError error) { OnError(static_cast<int>(error)); });
}

QtSerialPort::~QtSerialPort() {
  m_port->disconnect();
  m_port->close();
}

Status QtSerialPort::Open(const std::string& device, const SerialLineSettings& line) {
  Close();
  m_port->setPortName(QString::fromStdString(device));
  if (!m_port->open(QIODevice::ReadWrite)) {
    Status failure = Status::Io(device + ": " + m_port->errorString().toStdString());
    m_port->clearError();
    return failure;
  }
  const bool settled =
      m_port->setBaudRate(line.baud) &&
      m_port->setDataBits(line.data_bits == 7 ? QSerialPort::Data7 : QSerialPort::Data8) &&
      m_port->setParity(ParityOf(line.parity)) &&
      m_port->setStopBits(line.stop_bits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
      m_port->setFlowControl(line.flow == SerialFlowControl::kRtsCts    ? QSerialPort::HardwareControl
                             : line.flow == SerialFlowControl::kXonXoff ? QSerialPort::SoftwareControl
                                                                        : QSerialPort::NoFlowControl);
  if (!settled) {
    Status failure = Status::Io(device + ": " + m_port->errorString().toStdString());
    m_port->close();
    m_port->clearError();
    return failure;
  }
  // Lines the device lacks (a pseudo-terminal has neither) fail quietly; the
  // error they leave behind is not a lost port.
  if (line.flow != SerialFlowControl::kDtrDsr)
    (void)m_port->setDataTerminalReady(line.dtr);
  else
    (void)m_port->setDataTerminalReady(true);
  if (line.flow != SerialFlowControl::kRtsCts) (void)m_port->setRequestToSend(line.rts);
  m_port->clearError();
  m_lostPending = false;
  return Status::Ok();
}

void QtSerialPort::Close() {
  if (m_port->isOpen()) m_port->close();
  m_port->clearError();
}

bool QtSerialPort::IsOpen() const { return m_port->isOpen(); }

std::size_t QtSerialPort::OutputRoom() const {
  if (!m_port->isOpen()) return 0;
  const auto queued = static_cast<std::size_t>(std::max<qint64>(0, m_port->bytesToWrite()));
  return queued >= kSerialOutputQueueLimit ? 0 : kSerialOutputQueueLimit - queued;
}

Status QtSerialPort::Write(std::string_view bytes) {
  if (!m_port->isOpen()) return Status::Io("serial port closed");
  if (bytes.size() > OutputRoom()) return Status::Full("serial output queue");
  if (bytes.empty()) return Status::Ok();
  const qint64 written = m_port->write(bytes.data(), static_cast<qint64>(bytes.size()));
  if (written != static_cast<qint64>(bytes.size())) return Status::Io("serial write failed");
  return Status::Ok();
}

void QtSerialPort::OnReadyRead() {
  const QByteArray bytes = m_port->readAll();
  if (!bytes.isEmpty() && m_events != nullptr) {
    m_events->OnSerialBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }
}

void QtSerialPort::OnError(int error) {
  const auto kind = static_cast<QSerialPort::SerialPortError>(error);
  // Only failures of an open device end it; a refused line setting or a
  // timeout leaves the port working.
  if (kind != QSerialPort::ResourceError && kind != QSerialPort::ReadError &&
      kind != QSerialPort::WriteError && kind != QSerialPort::PermissionError) {
    return;
  }
  if (!m_port->isOpen() || m_lostPending) return;
  const Status reason = Status::Io(m_port->errorString().toStdString());
  m_lostPending = true;
  QMetaObject::invokeMethod(
      &m_context,
      [this, reason] {
        if (!m_lostPending) return;
        m_lostPending = false;
        Close();
        if (m_events != nullptr) m_events->OnSerialPortLost(reason);
      },
      Qt::QueuedConnection);
}

std::vector<SerialPortInfo> QtSerialPortLister::ListPorts() const {
  std::vector<SerialPortInfo> ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    std::string description = info.description().toStdString();
    if (description.empty()) description = info.manufacturer().toStdString();
    ports.push_back({info.systemLocation().toStdString(), description});
  }
  std::sort(ports.begin(), ports.end(),
            [](const SerialPortInfo& a, const SerialPortInfo& b) { return a.device < b.device; });
  return ports;
}

}  // namespace brilox
