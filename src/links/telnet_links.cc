#include "links/telnet_links.h"

#include <utility>

#include "links/link_commands.h"
#include "core/language_text_ids.h"

namespace brilox {

TelnetLinks::TelnetLinks(const LinkServices& services) : m_services(services) {
  TelnetLinkObserver& observer = *this;
  for (int n = 1; n <= kTerminalCount; ++n) {
    m_links[Index(n)] = std::make_unique<TelnetLink>(n, m_services.connections.CreateConnection(),
                                                     m_services.timers, observer);
  }
  m_drainTimer = m_services.timers.CreateTimer([this] { TimerRXTimer(); });
}

TelnetLinks::~TelnetLinks() = default;

bool TelnetLinks::IsConnected(int n) const { return Valid(n) && link(n).connected(); }
bool TelnetLinks::IsOpening(int n) const { return Valid(n) && link(n).opening(); }

void TelnetLinks::TraiteCommandeWinSock(int n, const std::string& line) {
  if (!Valid(n)) return;
  switch (ClassifyLocalCommand(line)) {
    case LocalCommand::kConnect:
      if (!link(n).connected()) Connect(n, line);
      break;
    case LocalCommand::kDisconnect:
      // A connection still being set up can be given up as well: a node
      // that does not answer would otherwise hold the link for the whole
      // connect timeout.
      if (link(n).connected() || link(n).opening()) {
        link(n).Close();
        m_services.presenter.FocusCommandLine(n);
      }
      break;
    case LocalCommand::kNone:
      break;
  }
}

void TelnetLinks::Connect(int n, const std::string& line) {
  const ConnectTarget target = ParseConnectCommand(line);
  Status opened = Status::InvalidArgument("connect command without a port");
  // Without ":" the command names no port; the address last used stays.
  if (target.has_port) {
    link(n).SetAddress(target.host, target.port);
    opened = link(n).Open();
  }
  m_services.presenter.FocusCommandLine(n);
  if (!opened.ok()) ShowOpenFailure(n, line);
  ReportLinkState(n);
}

void TelnetLinks::ReportLinkState(int n) {
  const TelnetLink& target = link(n);
  const LinkState state =
      target.connected() ? LinkState::kUp : (target.opening() ? LinkState::kConnecting : LinkState::kDown);
  m_services.presenter.ShowLinkState(n, state, Address(n));
}

std::string TelnetLinks::Address(int n) const {
  const TelnetLink& target = link(n);
  return target.host().empty() ? std::string() : target.host() + ":" + target.port();
}

// The failure goes to the directory's status line and, since that window may
// not be open (or not be built), to the terminal that was typed in as well.
void TelnetLinks::ShowOpenFailure(int n, std::string_view command) {
  // The command as typed, without its escape character and line end.
  if (!command.empty() && command.front() == kEscapeCharacter) command.remove_prefix(1);
  while (!command.empty() && (command.back() == '\r' || command.back() == '\n')) command.remove_suffix(1);
  m_services.presenter.AppendTerminalLine(
      n, m_services.texts.Text(kTextConnectionFailed) + " (" + std::string(command) + ")");
  m_services.presenter.ShowDirectoryStatus(m_services.texts.Text(kTextConnectionFailed));
  m_services.presenter.SetDirectoryConnectButton(DirectoryButtonState::kConnect,
                                                 m_services.texts.Text(kTextConnect));
}

SendOutcome TelnetLinks::EnvoieLigneWinSock(int n, const std::string& line) {
  if (!Valid(n)) return SendOutcome::kDropped;
  TerminalState& terminal = m_terminals[Index(n)];
  if (IsByeOrQuit(line)) {
    // The operator left the node: it must not be called back on its own.
    terminal.reconnect_script.clear();
    terminal.node_label.clear();
  }
  TelnetLink& target = link(n);
  if (target.connected()) return target.Send(EscapeTelnetText(line + '\n'));

  // A closed link is opened to its last address; the line itself is not
  // kept, since the node greets with a login prompt first.  An attempt that
  // is already running is left to finish.
  if (!target.opening() && !target.host().empty()) (void)target.Open();
  m_services.presenter.AppendTerminalLine(
      n, m_services.texts.Text(kTextNotConnected) + " (" + target.host() + ":" + target.port() + ")");
  ReportLinkState(n);
  return SendOutcome::kNotConnected;
}

void TelnetLinks::QuickConnect() {
  const QuickConnectPlan plan = ParseQuickConnect(m_services.settings.QuickConnect);
  const int terminal = m_services.presenter.CurrentTerminal();
  if (!Valid(terminal)) return;
  switch (plan.kind) {
    case QuickConnectPlan::Kind::kNothing:
      return;
    case QuickConnectPlan::Kind::kScript:
      if (m_services.scripts != nullptr) m_services.scripts->RunScript(terminal, plan.script);
      return;
    case QuickConnectPlan::Kind::kCommand:
      break;
  }
  const int interface = m_services.settings.Interface;
  if (terminal == 1 && interface == kInterfaceSerial) {
    if (m_services.packet_links != nullptr)
      m_services.packet_links->SendToTnc(plan.line, TncRoomCheck::kWhenRoom);
    return;
  }
  if (terminal == 1 && interface == kInterfaceAgw) {
    if (m_services.packet_links != nullptr) m_services.packet_links->TraiteCommandeAGW(plan.line);
    return;
  }
  TraiteCommandeWinSock(terminal, plan.line);
  if (!plan.host.empty() && m_services.directory != nullptr) {
    if (auto name = m_services.directory->FindNodeName(plan.host)) SetNodeLabelFromName(terminal, *name);
  }
}

void TelnetLinks::ConnectAtStart() {
  if (m_services.settings.AutoConnect) QuickConnect();
}

void TelnetLinks::CloseAll() {
  for (auto& each : m_links) {
    if (each->connected() || each->opening()) each->Close();
  }
}

void TelnetLinks::SetNodeLabelFromName(int n, std::string_view name) {
  if (!Valid(n)) return;
  m_terminals[Index(n)].node_label = ("  " + std::string(name)).substr(0, kNodeLabelLength);
}

void TelnetLinks::OnScriptEnded(int n, const std::string& name) {
  if (!Valid(n)) return;
  SetReconnectScript(n, name);
  if (IsConnected(n)) ResetInactivity(n);
}

void TelnetLinks::OnLinkConnected(int n) {
  m_terminals[Index(n)].link_up = true;
  ReportLinkState(n);
  if (m_services.presenter.ShownTerminal() == n) {
    m_services.presenter.ShowConnectionLabel(NodeLabel(n));
  }
  m_services.presenter.ShowDirectoryStatus(m_services.texts.Text(kTextConnectedTo) + " " + link(n).host());
  m_services.presenter.SetDirectoryConnectButton(DirectoryButtonState::kDisconnect,
                                                 m_services.texts.Text(kTextDisconnect));
}

void TelnetLinks::OnLinkDisconnected(int n) {
  // The terminal says so itself: the operator may be looking at it rather
  // than at the toolbar when a node goes away or a connect attempt fails.
  TerminalState& terminal = m_terminals[Index(n)];
  const int what = terminal.link_up ? kTextDisconnected : kTextConnectionFailed;
  terminal.link_up = false;
  m_services.presenter.AppendTerminalLine(n, m_services.texts.Text(what) + " (" + Address(n) + ")");
  ReportLinkState(n);
  if (m_services.presenter.CurrentTerminal() == n) m_services.presenter.ShowConnectionLabel("");
  m_services.presenter.ShowDirectoryStatus(m_services.texts.Text(kTextDisconnected));
  m_services.presenter.SetDirectoryConnectButton(DirectoryButtonState::kConnect,
                                                 m_services.texts.Text(kTextConnect));
}

void TelnetLinks::OnLinkText(int n, std::string_view text) {
  AppendReceivedText(n, text);
  if (m_buffers[Index(n)].ShouldPause()) link(n).SetReceivePaused(true);
}

void TelnetLinks::AppendReceivedText(int terminal, std::string_view text) {
  if (!Valid(terminal) || text.empty()) return;
  if (m_receiveTap) m_receiveTap(terminal, text);
  (void)m_buffers[Index(terminal)].Append(text);
  ScheduleDrain();
}

void TelnetLinks::ScheduleDrain() {
  if (!m_drainTimer->IsActive()) m_drainTimer->Start(kDrainIntervalMs, TimerMode::kSingleShot);
}

void TelnetLinks::TimerRXTimer() {
  const bool waiting = DrainReceiveBuffers(m_buffers, m_services.intake, m_beforeDrain);
  for (int n = 1; n <= kTerminalCount; ++n) {
    if (link(n).receive_paused() && m_buffers[Index(n)].MayResume()) link(n).SetReceivePaused(false);
  }
  if (waiting) ScheduleDrain();
}

}  // namespace brilox
