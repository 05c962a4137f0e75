// Timers on QTimer.  Window thread only; need a running Qt event loop.
#pragma once

#include "platform/timer.h"

namespace brilox {

class QtTimerFactory final : public TimerFactory {
 public:
  std::unique_ptr<Timer> CreateTimer(std::function<void()> on_timeout) override;
};

}  // namespace brilox
