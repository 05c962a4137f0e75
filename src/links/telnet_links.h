// The four telnet links of the terminals: link n feeds terminal n (link 1
// only while the Interface setting is telnet).  They carry the local
// connect and disconnect commands, send the typed lines, hold what each
// terminal received until the drain hands it to the line intake, and keep
// per terminal what the reconnection needs: node label, reconnect script
// and inactivity count.
//
// Window thread only.  Nothing here waits: the drain runs on a 1 ms timer
// while text is waiting, sends that find no room retry on their link's
// timer.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "links/link_seams.h"
#include "links/receive_buffer.h"
#include "links/telnet_link.h"
#include "platform/tcp_connection.h"
#include "platform/timer.h"
#include "core/settings.h"

namespace brilox {

// Interface setting values.
inline constexpr int kInterfaceSerial = 0;
inline constexpr int kInterfaceAgw = 1;
inline constexpr int kInterfaceTelnet = 2;

struct LinkServices {
  const Settings& settings;
  TcpConnectionFactory& connections;
  TimerFactory& timers;
  ReceivedCharacterSink& intake;
  LinkPresenter& presenter;
  const LanguageTexts& texts;
  // Parts that come later; a missing one makes its step do nothing.
  ScriptRunner* scripts = nullptr;
  const NodeDirectory* directory = nullptr;
  PacketLinks* packet_links = nullptr;
};

class TelnetLinks final : private TelnetLinkObserver {
 public:
  static constexpr std::int64_t kDrainIntervalMs = 1;
  static constexpr std::size_t kNodeLabelLength = 12;

  explicit TelnetLinks(const LinkServices& services);
  ~TelnetLinks() override;
  TelnetLinks(const TelnetLinks&) = delete;
  TelnetLinks& operator=(const TelnetLinks&) = delete;

  // A local command: the escape character, "C" blank host ":" port, or "D";
  // the line ends in CR.
  void TraiteCommandeWinSock(int n, const std::string& line);
  // Sends a line that ends in CR (LF is added).  On a closed link the line
  // is not sent: the link is opened to its last address and the terminal
  // shows the not-connected notice.
  SendOutcome EnvoieLigneWinSock(int n, const std::string& line);

  // The toolbar's quick connect, on the current terminal.
  void QuickConnect();
  // Start-up: the quick connect when AutoConnect is on.
  void ConnectAtStart();
  // Shutdown: closes every link that is open or opening.
  void CloseAll();

  // One pass of the receive drain (TimerRXTimer).
  void TimerRXTimer();
  // Text received by terminal 1's serial TNC joins the same drain.
  void AppendReceivedText(int terminal, std::string_view text);
  void SetBeforeDrain(BeforeDrainHook hook) { m_beforeDrain = std::move(hook); }
  // Sees every received text as it arrives, before the drain (the script
  // runner's text matcher watches a port here); it must not send or close.
  using ReceiveTap = std::function<void(int terminal, std::string_view text)>;
  void SetReceiveTap(ReceiveTap tap) { m_receiveTap = std::move(tap); }

  bool IsConnected(int n) const;
  bool IsOpening(int n) const;
  const std::string& host(int n) const { return link(n).host(); }
  const std::string& port(int n) const { return link(n).port(); }
  std::size_t BufferedBytes(int terminal) const { return buffer(terminal).size(); }
  std::size_t DroppedBytes(int terminal) const { return buffer(terminal).dropped(); }
  const TelnetLink& telnet_link(int n) const { return link(n); }

  // Shown in LabelConn while terminal n is shown and connected.
  const std::string& NodeLabel(int n) const { return m_terminals[Index(n)].node_label; }
  // What LabelConn shows for terminal n when the main window switches to it.
  std::string ConnectionLabelFor(int n) const { return IsConnected(n) ? NodeLabel(n) : std::string(); }
  // Two blanks and the name, cut to 12 characters, as the directory gives it.
  void SetNodeLabelFromName(int n, std::string_view name);
  void ClearNodeLabel(int n) { m_terminals[Index(n)].node_label.clear(); }

  const std::string& ReconnectScript(int n) const { return m_terminals[Index(n)].reconnect_script; }
  void SetReconnectScript(int n, std::string name) {
    m_terminals[Index(n)].reconnect_script = std::move(name);
  }
  // A script ran to its end on terminal n: it becomes the reconnect script,
  // and a connected link starts a fresh inactivity count.
  void OnScriptEnded(int n, const std::string& name);

  int InactivityCount(int n) const { return m_terminals[Index(n)].inactivity; }
  // A broadcast line of terminal n has been processed.
  void ResetInactivity(int n) { m_terminals[Index(n)].inactivity = 0; }
  void CountInactiveMinute(int n) { ++m_terminals[Index(n)].inactivity; }

  const Settings& settings() const { return m_services.settings; }
  const LinkServices& services() const { return m_services; }
  // Terminal 1's packet links, which are built over these links.
  void SetPacketLinks(PacketLinks* packet_links) { m_services.packet_links = packet_links; }

 private:
  struct TerminalState {
    std::string node_label;
    std::string reconnect_script;
    int inactivity = 0;
    bool link_up = false;  // the link connected since its last disconnect
  };

  static std::size_t Index(int n) { return static_cast<std::size_t>(n - 1); }
  static bool Valid(int n) { return n >= 1 && n <= kTerminalCount; }
  TelnetLink& link(int n) { return *m_links[Index(n)]; }
  const TelnetLink& link(int n) const { return *m_links[Index(n)]; }
  const ReceiveBuffer& buffer(int t) const { return m_buffers[Index(t)]; }

  void Connect(int n, const std::string& line);
  void ShowOpenFailure(int n, std::string_view command);
  // Tells the presenter where link n stands now.
  void ReportLinkState(int n);
  // "host:port" of link n, empty before any address was given.
  std::string Address(int n) const;
  void ScheduleDrain();

  void OnLinkConnected(int n) override;
  void OnLinkDisconnected(int n) override;
  void OnLinkText(int n, std::string_view text) override;

  LinkServices m_services;
  std::array<std::unique_ptr<TelnetLink>, kTerminalCount> m_links;
  std::array<TerminalState, kTerminalCount> m_terminals;
  ReceiveBuffers m_buffers;
  BeforeDrainHook m_beforeDrain;
  ReceiveTap m_receiveTap;
  std::unique_ptr<Timer> m_drainTimer;
};

}  // namespace brilox
