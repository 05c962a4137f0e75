// The command lines' sender, handed to the main window before the links
// exist (the links report through the window's controller, so the window
// comes first).  Until the links are set it behaves as no link at all.
// Window thread only.
#pragma once

#include <string>

#include "links/terminal_sender.h"

namespace brilox {

class ForwardingTerminalSender final : public TerminalSender {
 public:
  void SetTarget(TerminalSender* target) { m_target = target != nullptr ? target : &m_none; }

  bool TncPortOpen() const override { return m_target->TncPortOpen(); }
  void SendToTnc(const std::string& text, TncRoomCheck check) override { m_target->SendToTnc(text, check); }
  bool AgwStationConnected() const override { return m_target->AgwStationConnected(); }
  void SendAgwData(const std::string& text) override { m_target->SendAgwData(text); }
  void TraiteCommandeAGW(const std::string& line) override { m_target->TraiteCommandeAGW(line); }
  std::string AgwConnectionText() const override { return m_target->AgwConnectionText(); }
  void TraiteCommandeWinSock(int n, const std::string& line) override { m_target->TraiteCommandeWinSock(n, line); }
  void EnvoieLigneWinSock(int n, const std::string& line) override { m_target->EnvoieLigneWinSock(n, line); }
  bool IsConnected(int n) const override { return m_target->IsConnected(n); }
  std::string SessionName(int n) const override { return m_target->SessionName(n); }

 private:
  UnconnectedTerminalSender m_none;
  TerminalSender* m_target = &m_none;
};

}  // namespace brilox
