// The glue between the telnet links and the terminal side of the window:
// the links show their notices and labels through the main window
// controller (LinkPresenter), the command lines send through the links
// (TerminalSender), and received characters reach the line intake
// (ReceivedCharacterSink).  The program builds one of each and passes them
// where they are wanted.
// Window thread only.
#pragma once

#include <string>

#include "links/link_seams.h"
#include "links/telnet_links.h"
#include "links/terminal_sender.h"
#include "shell/main_window_controller.h"
#include "spots/line_intake.h"
#include "spots/window_line_stores.h"

namespace brilox {

class WindowLinkPresenter final : public LinkPresenter {
 public:
  WindowLinkPresenter(MainWindowController& controller, WindowLineStores& windows)
      : m_controller(controller), m_windows(windows) {}

  int ShownTerminal() const override;
  int CurrentTerminal() const override { return m_controller.active_terminal(); }
  void AppendTerminalLine(int terminal, const std::string& text) override;
  void FocusCommandLine(int terminal) override { m_controller.FocusCommandLine(terminal); }
  void ShowConnectionLabel(const std::string& text) override { m_controller.ShowConnectionLabel(text); }
  void ShowLinkState(int terminal, LinkState state, const std::string& address) override {
    m_controller.ShowLinkState(terminal, state, address);
  }
  // The telnet directory comes later.
  void ShowDirectoryStatus(const std::string&) override {}
  void SetDirectoryConnectButton(DirectoryButtonState, const std::string&) override {}

 private:
  MainWindowController& m_controller;
  WindowLineStores& m_windows;
};

// Telnet through the links; terminal 1's serial TNC and AGW engine through
// `packet_links` once those parts exist (without them the TNC counts as
// closed and AGW as not connected).
class LinksTerminalSender final : public TerminalSender {
 public:
  LinksTerminalSender(TelnetLinks& links, PacketLinks* packet_links)
      : m_links(links), m_packetLinks(packet_links) {}

  bool TncPortOpen() const override { return m_packetLinks != nullptr && m_packetLinks->TncPortOpen(); }
  void SendToTnc(const std::string& text, TncRoomCheck check) override;
  bool AgwStationConnected() const override {
    return m_packetLinks != nullptr && m_packetLinks->AgwStationConnected();
  }
  void SendAgwData(const std::string& text) override;
  void TraiteCommandeAGW(const std::string& line) override;
  std::string AgwConnectionText() const override {
    return m_packetLinks != nullptr ? m_packetLinks->AgwConnectionText() : std::string();
  }
  void TraiteCommandeWinSock(int n, const std::string& line) override {
    m_links.TraiteCommandeWinSock(n, line);
  }
  void EnvoieLigneWinSock(int n, const std::string& line) override {
    (void)m_links.EnvoieLigneWinSock(n, line);
  }
  bool IsConnected(int n) const override { return m_links.IsConnected(n); }
  std::string SessionName(int n) const override { return m_links.NodeLabel(n); }

 private:
  TelnetLinks& m_links;
  PacketLinks* m_packetLinks;
};

class IntakeCharacterSink final : public ReceivedCharacterSink {
 public:
  explicit IntakeCharacterSink(LineIntake& intake) : m_intake(intake) {}
  // The spot processing runs inside TraiteCharRecu, so the drain never finds
  // the intake busy.
  bool busy() const override { return false; }
  void TraiteCharRecu(int terminal, char ch, bool flush_request) override;

 private:
  LineIntake& m_intake;
};

}  // namespace brilox
