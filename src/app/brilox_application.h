// The program's QApplication.  An error that escapes an event handler is
// dropped where the event loop delivers the event, without a message, and
// the program goes on: one bad line or click must not end a contest session.
// Window thread.
#pragma once

#include <QApplication>

namespace brilox {

class BriloxApplication : public QApplication {
 public:
  BriloxApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace brilox
