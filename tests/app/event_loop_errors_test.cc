// An error that escapes an event handler is dropped at the event loop and
// the program goes on: a throwing timer, a throwing key handler and a
// throwing queued call each leave the loop running and the next event
// delivered.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "app/brilox_application.h"

namespace brilox {
namespace {

BriloxApplication& Application() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "brilox-test";
  static char* argv[] = {name, nullptr};
  static BriloxApplication* application = new BriloxApplication(argc, argv);  // never destroyed, as Qt wants
  return *application;
}

class ThrowingLine : public QLineEdit {
 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_F5) throw std::runtime_error("handler failed");
    QLineEdit::keyPressEvent(event);
  }
};

bool RunUntil(const bool& flag) {
  QTimer limit;
  limit.setSingleShot(true);
  limit.start(5000);
  while (!flag && limit.isActive()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  return flag;
}

TEST(EventLoopErrorsTest, AThrowingHandlerDoesNotEndTheProgram) {
  Application();
  struct Case {
    const char* what;
    std::function<void()> throw_one;
  };
  ThrowingLine line;
  line.show();
  const Case cases[] = {
      {"timer", [] { QTimer::singleShot(0, [] { throw std::runtime_error("timer failed"); }); }},
      {"queued call",
       [] {
         QMetaObject::invokeMethod(
             qApp, [] { throw 42; }, Qt::QueuedConnection);
       }},
      {"key handler", [&line] { QTest::keyClick(&line, Qt::Key_F5); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    bool next_delivered = false;
    c.throw_one();
    QTimer::singleShot(0, [&next_delivered] { next_delivered = true; });
    EXPECT_TRUE(RunUntil(next_delivered));
  }
  QTest::keyClicks(&line, "ok");
  EXPECT_EQ(line.text(), QStringLiteral("ok")) << "the window still takes keys";
}

}  // namespace
}  // namespace brilox
