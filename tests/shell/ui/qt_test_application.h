// The one QApplication of a Qt widget test program, made on first use.
// Tests run on the offscreen platform unless the environment names another.
#pragma once

#include <QApplication>

namespace brilox::testing {

inline QApplication& TestGuiApplication() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "brilox-test";
  static char* argv[] = {name, nullptr};
  // Never destroyed: a QApplication torn down among the exit handlers meets
  // Qt's own statics already gone and crashes.
  static QApplication* application = new QApplication(argc, argv);
  return *application;
}

}  // namespace brilox::testing
