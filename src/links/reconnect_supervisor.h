// The automatic reconnection of dropped or silent links.  Every minute
// (while AutoReconnect is on) one terminal in turn is looked at: when it has
// a reconnect script and its link is down, the script runs again.  Every
// terminal with a script also counts the minute; one that has processed no
// broadcast line for more than MaxInactivity minutes is recycled: its link
// is closed, the supervisor waits for the disconnect (at most about 5 s) and
// then runs the script.  A terminal takes part only once a script has run
// to its end on it; "b" or "q" sent alone ends that.
//
// Window thread only.  The waits are timer rounds, never a blocking loop.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "links/telnet_links.h"
#include "platform/timer.h"

namespace brilox {

class ReconnectSupervisor {
 public:
  static constexpr std::int64_t kTickMs = 60000;
  static constexpr std::int64_t kPollMs = 10;
  // Rounds of kPollMs waiting for a telnet link to report its disconnect.
  static constexpr int kDisconnectWaitRounds = 501;
  // Rounds of kPollMs after each disconnect command to the TNC or AGW engine.
  static constexpr int kPacketPauseRounds = 50;

  ReconnectSupervisor(TelnetLinks& links, TimerFactory& timers);
  ~ReconnectSupervisor();
  ReconnectSupervisor(const ReconnectSupervisor&) = delete;
  ReconnectSupervisor& operator=(const ReconnectSupervisor&) = delete;

  // Starts or stops the minute tick to match AutoReconnect; called at start
  // and whenever the setting changes.
  void ApplyAutoReconnect();
  // Shutdown: no more ticks, recycling abandoned.
  void Stop();

  // One minute tick (TimerReconnectTimer).
  void TimerReconnectTimer();

  bool TickRunning() const { return m_tick->IsActive(); }
  int tick_count() const { return m_tickCount; }
  bool Recycling(int terminal) const;

 private:
  enum class Step { kIdle, kAwaitDisconnect, kPacketFirstPause, kPacketSecondPause };
  struct Recycle {
    Step step = Step::kIdle;
    int rounds = 0;
  };

  bool TerminalIsTelnet(int terminal) const;
  bool LinkDown(int terminal) const;
  void StartRecycling(int terminal);
  void PollRecycling();
  void AdvanceRecycle(int terminal, Recycle& recycle);
  void SendPacketDisconnect();
  void RunReconnectScript(int terminal);

  TelnetLinks& m_links;
  std::unique_ptr<Timer> m_tick;
  std::unique_ptr<Timer> m_poll;
  std::array<Recycle, kTerminalCount> m_recycles;
  int m_tickCount = 0;
};

}  // namespace brilox
