#include "links/reconnect_supervisor.h"

#include "links/link_commands.h"

namespace brilox {
namespace {

const std::string kDisconnectCommand = std::string(1, kEscapeCharacter) + "D\r";

}  // namespace

ReconnectSupervisor::ReconnectSupervisor(TelnetLinks& links, TimerFactory& timers) : m_links(links) {
  m_tick = timers.CreateTimer([this] { TimerReconnectTimer(); });
  m_poll = timers.CreateTimer([this] { PollRecycling(); });
}

ReconnectSupervisor::~ReconnectSupervisor() = default;

void ReconnectSupervisor::ApplyAutoReconnect() {
  if (!m_links.settings().AutoReconnect) {
    m_tick->Stop();
  } else if (!m_tick->IsActive()) {
    m_tick->Start(kTickMs, TimerMode::kRepeating);
  }
}

void ReconnectSupervisor::Stop() {
  m_tick->Stop();
  m_poll->Stop();
  m_recycles = {};
}

bool ReconnectSupervisor::Recycling(int terminal) const {
  return terminal >= 1 && terminal <= kTerminalCount &&
         m_recycles[static_cast<std::size_t>(terminal - 1)].step != Step::kIdle;
}

bool ReconnectSupervisor::TerminalIsTelnet(int terminal) const {
  return terminal != 1 || m_links.settings().Interface == kInterfaceTelnet;
}

bool ReconnectSupervisor::LinkDown(int terminal) const {
  if (TerminalIsTelnet(terminal)) return !m_links.IsConnected(terminal);
  const PacketLinks* packet = m_links.services().packet_links;
  return packet == nullptr || !packet->AgwStationConnected();
}

void ReconnectSupervisor::TimerReconnectTimer() {
  ++m_tickCount;
  const int selected = m_tickCount % kTerminalCount == 0 ? kTerminalCount : m_tickCount % kTerminalCount;
  // A serial TNC gives no connected state, so terminal 1 on the serial
  // interface is never called back for being down.
  const bool watchable = selected != 1 || m_links.settings().Interface != kInterfaceSerial;
  if (watchable && !m_links.ReconnectScript(selected).empty() && LinkDown(selected) && !Recycling(selected)) {
    RunReconnectScript(selected);
    return;
  }
  for (int terminal = 1; terminal <= kTerminalCount; ++terminal) {
    if (m_links.ReconnectScript(terminal).empty()) continue;
    m_links.CountInactiveMinute(terminal);
    if (m_links.InactivityCount(terminal) > m_links.settings().MaxInactivity && !Recycling(terminal)) {
      StartRecycling(terminal);
    }
  }
}

void ReconnectSupervisor::StartRecycling(int terminal) {
  Recycle& recycle = m_recycles[static_cast<std::size_t>(terminal - 1)];
  recycle.rounds = 0;
  if (TerminalIsTelnet(terminal)) {
    m_links.TraiteCommandeWinSock(terminal, kDisconnectCommand);
    recycle.step = Step::kAwaitDisconnect;
  } else {
    SendPacketDisconnect();
    recycle.step = Step::kPacketFirstPause;
  }
  AdvanceRecycle(terminal, recycle);
  if (Recycling(terminal) && !m_poll->IsActive()) m_poll->Start(kPollMs, TimerMode::kRepeating);
}

void ReconnectSupervisor::SendPacketDisconnect() {
  PacketLinks* packet = m_links.services().packet_links;
  if (packet == nullptr) return;
  if (m_links.settings().Interface == kInterfaceAgw) {
    packet->TraiteCommandeAGW(kDisconnectCommand);
  } else {
    packet->SendToTnc(kDisconnectCommand, TncRoomCheck::kWhenRoom);
  }
}

// Moves one recycle on by what the current round allows.
void ReconnectSupervisor::AdvanceRecycle(int terminal, Recycle& recycle) {
  switch (recycle.step) {
    case Step::kIdle:
      return;
    case Step::kAwaitDisconnect:
      if (m_links.IsConnected(terminal) && recycle.rounds < kDisconnectWaitRounds) return;
      break;
    case Step::kPacketFirstPause:
      if (recycle.rounds < kPacketPauseRounds) return;
      SendPacketDisconnect();
      recycle.step = Step::kPacketSecondPause;
      recycle.rounds = 0;
      return;
    case Step::kPacketSecondPause:
      if (recycle.rounds < kPacketPauseRounds) return;
      break;
  }
  recycle.step = Step::kIdle;
  RunReconnectScript(terminal);
}

void ReconnectSupervisor::PollRecycling() {
  bool any = false;
  for (int terminal = 1; terminal <= kTerminalCount; ++terminal) {
    Recycle& recycle = m_recycles[static_cast<std::size_t>(terminal - 1)];
    if (recycle.step == Step::kIdle) continue;
    ++recycle.rounds;
    AdvanceRecycle(terminal, recycle);
    any = any || recycle.step != Step::kIdle;
  }
  if (!any) m_poll->Stop();
}

void ReconnectSupervisor::RunReconnectScript(int terminal) {
  ScriptRunner* scripts = m_links.services().scripts;
  const std::string name = m_links.ReconnectScript(terminal);  // a copy: the script may change it
  if (scripts != nullptr && !name.empty()) scripts->RunScript(terminal, name);
}

}  // namespace brilox
