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

  // Shows the splash centred on `over` (the main window), keeps it centred
  // while the start-up places that window, and starts the timer.
  void ShowOver(QWidget& over);
  int narrow_steps_done() const { return m_stepsDone; }
  QFrame* panel() const { return m_panel; }

 signals:
  void finished();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void NarrowStep();
  void CentreOver(const QWidget& over);

  QFrame* m_panel = nullptr;
  QTimer m_timer;
  int m_stepsDone = 0;
};

}  // namespace brilox
