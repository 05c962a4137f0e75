#include "shell/link_window_adapters.h"

namespace brilox {

int WindowLinkPresenter::ShownTerminal() const {
  return m_controller.run_mode() == 'M' ? m_controller.active_terminal() : 0;
}

void WindowLinkPresenter::AppendTerminalLine(int terminal, const std::string& text) {
  if (terminal < 1 || terminal > kTerminalCount) return;
  LineStore& store = m_windows.Terminal(terminal);
  store.AppendLine(text);
  store.TrimToLimit();
}

// The packet links check the room themselves, unless told not to.
void LinksTerminalSender::SendToTnc(const std::string& text, TncRoomCheck check) {
  if (m_packetLinks != nullptr) m_packetLinks->SendToTnc(text, check);
}

void LinksTerminalSender::SendAgwData(const std::string& text) {
  if (m_packetLinks != nullptr) m_packetLinks->SendAgwData(text);
}

void LinksTerminalSender::TraiteCommandeAGW(const std::string& line) {
  if (m_packetLinks != nullptr) m_packetLinks->TraiteCommandeAGW(line);
}

void IntakeCharacterSink::TraiteCharRecu(int terminal, char ch, bool flush_request) {
  if (flush_request) m_intake.SetFlushRequest(terminal);
  m_intake.TraiteCharRecu(terminal, ch);
}

}  // namespace brilox
