// A TerminalSender that records what the command lines send, with link
// states that a test sets.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "links/terminal_sender.h"

namespace brilox::testing {

class RecordingTerminalSender final : public TerminalSender {
 public:
  struct Sent {
    std::string call;  // "tnc", "tnc-always", "agw-data", "agw-command", "telnet-command", "telnet"
    int terminal = 0;
    std::string text;
    bool operator==(const Sent&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Sent& s) {
      return out << s.call << " " << s.terminal << " \"" << s.text << "\"";
    }
  };

  bool TncPortOpen() const override { return tnc_open; }
  void SendToTnc(const std::string& text, TncRoomCheck check) override {
    sent.push_back({check == TncRoomCheck::kAlways ? "tnc-always" : "tnc", 1, text});
  }
  bool AgwStationConnected() const override { return agw_connected; }
  void SendAgwData(const std::string& text) override { sent.push_back({"agw-data", 1, text}); }
  void TraiteCommandeAGW(const std::string& line) override { sent.push_back({"agw-command", 1, line}); }
  std::string AgwConnectionText() const override { return agw_text; }
  void TraiteCommandeWinSock(int n, const std::string& line) override {
    sent.push_back({"telnet-command", n, line});
  }
  void EnvoieLigneWinSock(int n, const std::string& line) override { sent.push_back({"telnet", n, line}); }
  bool IsConnected(int n) const override {
    return n >= 1 && n <= 4 && connected[static_cast<std::size_t>(n - 1)];
  }
  std::string SessionName(int n) const override { return names[static_cast<std::size_t>(n - 1)]; }

  bool tnc_open = true;
  bool agw_connected = false;
  std::string agw_text;
  bool connected[4] = {false, false, false, false};
  std::string names[4];
  std::vector<Sent> sent;
};

}  // namespace brilox::testing
