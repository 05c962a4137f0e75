// Terminal 1's packet-radio links, the serial TNC and the AGW engine, behind
// the face the telnet links and the command lines use for terminal 1.  It
// starts the link the Interface setting chooses (the TNC with its
// initialisation text) and ends it at shutdown (the TNC's exit text first).
// Window thread only.
#pragma once

#include "links/agw_link.h"
#include "links/tnc_link.h"

namespace brilox {

class RadioLinks final : public PacketLinks {
 public:
  RadioLinks(const TncServices& tnc, const AgwServices& agw)
      : m_tnc(tnc), m_agw(agw), m_settings(tnc.settings) {}

  // At start and when the options change the interface: the chosen link is
  // (re)opened, the other one closed.
  void StartTerminal1();
  // At shutdown, after the shutdown sent the TNC's exit text.
  void StopTerminal1();

  bool TncPortOpen() const override { return m_tnc.IsOpen(); }
  bool AgwStationConnected() const override { return m_agw.connected(); }
  void SendToTnc(const std::string& text, TncRoomCheck check) override { (void)m_tnc.Send(text, check); }
  void TraiteCommandeAGW(const std::string& line) override { m_agw.TraiteCommandeAGW(line); }
  void SendAgwData(const std::string& line) override { m_agw.SendData(line); }
  std::string AgwConnectionText() const override { return m_agw.ConnectionLabel(); }

  TncLink& tnc() { return m_tnc; }
  AgwLink& agw() { return m_agw; }

 private:
  TncLink m_tnc;
  AgwLink m_agw;
  const Settings& m_settings;
};

}  // namespace brilox
