#include "links/tnc_link.h"

#include "core/language_text_ids.h"

namespace brilox {

TncLink::TncLink(const TncServices& services) : m_services(services), m_port(services.ports.CreatePort()) {
  m_port->SetEvents(this);
  m_services.links.SetBeforeDrain([this](int terminal, std::span<char> pending) {
    if (terminal == 1 && m_services.settings.Interface == kInterfaceSerial) m_squeeze.Apply(pending);
  });
}

TncLink::~TncLink() {
  m_services.links.SetBeforeDrain({});
  m_port->SetEvents(nullptr);
}

std::string TncLink::Device() const {
  std::vector<SerialPortInfo> ports;
  if (m_services.lister != nullptr && m_services.settings.COMPortDevice.empty()) {
    ports = m_services.lister->ListPorts();
  }
  return SerialDeviceFor(m_services.settings.COMPortNr, m_services.settings.COMPortDevice, ports);
}

std::string TncLink::PortLabel() const { return "COM " + std::to_string(m_services.settings.COMPortNr); }

bool TncLink::ConfigureAndOpen() {
  Close();
  m_lineEnds = TncLineEnds();
  m_squeeze.Reset();
  const Status opened = m_port->Open(Device(), TncLineSettings(m_services.settings.COMPortSettings));
  if (opened.ok()) return true;
  if (m_services.messages != nullptr) {
    (void)m_services.messages->Show(MessageKind::kError, m_services.texts.Text(kTextErrorCaption),
                                    PortLabel() + ": " + m_services.texts.Text(kTextSerialPortOpenFailed),
                                    MessageButtons::kOk);
  }
  return false;
}

void TncLink::Close() { m_port->Close(); }

bool TncLink::Send(const std::string& text, TncRoomCheck check) {
  if (!m_port->IsOpen() || text.empty()) return false;
  // Without the room check a lone CR is meant; it still goes only when it
  // fits, since the port never blocks the window.
  if (check == TncRoomCheck::kWhenRoom && m_port->OutputRoom() < text.size()) return false;
  return m_port->Write(text).ok();
}

void TncLink::SendTncText(const std::string& text) {
  if (!m_port->IsOpen()) return;
  (void)Send(std::string(1, kCancel), TncRoomCheck::kAlways);
  for (const std::string& line : TncTextLines(text)) (void)Send(line);
}

void TncLink::OnSerialBytes(std::string_view bytes) {
  const std::string text = m_lineEnds.Normalise(bytes);
  m_services.links.AppendReceivedText(1, text);
}

void TncLink::OnSerialPortLost(const Status& reason) {
  // Reported once: the port is closed now and sends nothing more.
  m_services.presenter.AppendTerminalLine(1, PortLabel() + " (" + Device() + "): " + reason.context());
}

}  // namespace brilox
