// The splash shown while the program starts: a borderless 281 x 180 window
// on top of everything, centred on the main window, with the name, the
// version and a notice.  It stays two seconds, then narrows by 20 pixels 14
// times, 10 ms apart, and closes; `finished` then tells the program, which
// runs its checks that wait for the splash.  Timers drive every step: the
// window thread never waits for it.
// Window thread only.
#pragma once

#include <QTimer>
#include <QWidget>

class QFrame;

namespace brilox {

class SplashWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 281;
  static constexpr int kHeight = 180;
  static constexpr int kShowMs = 2000;
  static constexpr int kNarrowSteps = 14;
  static constexpr int kNarrowPixels = 20;
  static constexpr int kNarrowStepMs = 10;

  explicit SplashWindow(QWidget* parent = nullptr);

  // Shows the splash centred on `over` (the main window) and starts its timer.
  void ShowOver(const QWidget& over);
  int narrow_steps_done() const { return m_stepsDone; }
  QFrame* panel() const { return m_panel; }

 signals:
  void finished();

 private:
  void NarrowStep();

  QFrame* m_panel = nullptr;
  QTimer m_timer;
  int m_stepsDone = 0;
};

}  // namespace brilox
