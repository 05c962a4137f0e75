#include "platform/qt/qt_timer.h"

#include <QTimer>
#include <algorithm>
#include <utility>

namespace brilox {
namespace {

class QtTimer final : public Timer {
 public:
  explicit QtTimer(std::function<void()> on_timeout) : m_onTimeout(std::move(on_timeout)) {
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { m_onTimeout(); });
  }
  void Start(std::int64_t interval_ms, TimerMode mode) override {
    const auto interval = static_cast<int>(std::clamp<std::int64_t>(interval_ms, 1, 24 * 3600 * 1000));
    // Short waits (the receive drain, send retries) need millisecond
    // accuracy; minute ticks may be coalesced by the system.
    m_timer.setTimerType(interval < 1000 ? Qt::PreciseTimer : Qt::CoarseTimer);
    m_timer.setSingleShot(mode == TimerMode::kSingleShot);
    m_timer.start(interval);
  }
  void Stop() override { m_timer.stop(); }
  bool IsActive() const override { return m_timer.isActive(); }

 private:
  QTimer m_timer;
  std::function<void()> m_onTimeout;
};

}  // namespace

std::unique_ptr<Timer> QtTimerFactory::CreateTimer(std::function<void()> on_timeout) {
  return std::make_unique<QtTimer>(std::move(on_timeout));
}

}  // namespace brilox
