// Where the lines typed on the four command lines go.  Terminal 1 works over
// the serial TNC, the AGW packet engine or telnet link 1 (the Interface
// setting); terminals 2 to 4 always over telnet links 2 to 4.  The command
// lines decide which call a line needs; the links behind this interface do
// the sending and report their own failures.
// Window thread only.
#pragma once

#include <string>

#include "core/settings.h"
#include "links/link_seams.h"

namespace brilox {

enum class TerminalLinkKind { kSerial, kAgw, kTelnet };

// The link of `terminal` (1 to 4) under the Interface setting.
TerminalLinkKind LinkKindOf(int terminal, const Settings& settings);

class TerminalSender {
 public:
  virtual ~TerminalSender() = default;

  // Terminal 1 on the serial TNC.
  virtual bool TncPortOpen() const = 0;
  virtual void SendToTnc(const std::string& text, TncRoomCheck check) = 0;

  // Terminal 1 on the AGW packet engine.
  virtual bool AgwStationConnected() const = 0;
  // A data frame of kind "D" to the connected station.
  virtual void SendAgwData(const std::string& text) = 0;
  // A local command (the line begins with the escape character, ends in CR).
  virtual void TraiteCommandeAGW(const std::string& line) = 0;
  // The engine's connection text for the connection label; empty when none.
  virtual std::string AgwConnectionText() const = 0;

  // Telnet link n.  Lines end in CR.
  virtual void TraiteCommandeWinSock(int n, const std::string& line) = 0;
  virtual void EnvoieLigneWinSock(int n, const std::string& line) = 0;
  virtual bool IsConnected(int n) const = 0;
  // The name of telnet link n's session, shown while it is connected.
  virtual std::string SessionName(int n) const = 0;
};

// No link at all: nothing is open or connected and lines go nowhere.  The
// window runs on it until the links are wired in.
class UnconnectedTerminalSender final : public TerminalSender {
 public:
  bool TncPortOpen() const override { return false; }
  void SendToTnc(const std::string&, TncRoomCheck) override {}
  bool AgwStationConnected() const override { return false; }
  void SendAgwData(const std::string&) override {}
  void TraiteCommandeAGW(const std::string&) override {}
  std::string AgwConnectionText() const override { return {}; }
  void TraiteCommandeWinSock(int, const std::string&) override {}
  void EnvoieLigneWinSock(int, const std::string&) override {}
  bool IsConnected(int) const override { return false; }
  std::string SessionName(int) const override { return {}; }
};

}  // namespace brilox
