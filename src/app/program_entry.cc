#include "app/program_entry.h"

#include <QApplication>
#include <QMessageBox>
#include <memory>
#include <QSessionManager>

#include "app/program_wiring.h"
#include "platform/qt/qt_termination_signals.h"
#include "platform/settings_paths.h"
#include "shell/startup_entry.h"
#include "shell/ui/own_station_window.h"
#include "shell/ui/qt_dialogs.h"
#include "shell/ui/splash_window.h"

namespace brilox {

int RunProgram(const BuildTree& build) {
  FileSystem& fs = PosixFileSystem();
  ProgramEntry entry = EnterProgram(ReadFolderEnvironment(), build, fs);
  switch (entry.outcome) {
    case ProgramEntry::Outcome::kRun:
      break;
    case ProgramEntry::Outcome::kAnotherCopyRuns:
      return kAnotherCopyExitCode;
    case ProgramEntry::Outcome::kFatal:
      QMessageBox::critical(nullptr, QStringLiteral("Error"), FromLatin1(entry.message));
      return 1;
  }

  SystemClock clock;
  QtMessageBox messages;
  QtFileDialogs dialogs;
  LocaleDateTimeFormat date_time_format;
  // The window, and with it the language texts, exist only once the wiring does.
  std::unique_ptr<QtOwnStationDialog> own_station;
  ProgramWiring wiring(
      {fs, clock, messages, dialogs, date_time_format, [](int code) { QCoreApplication::exit(code); }},
      {entry.program_folder, entry.data_folder, UserSettingsPathFromEnvironment(), kMachineSettingsPath,
       LocaleVariablesFromEnvironment()});
  messages.SetParent(&wiring.window());
  dialogs.SetParent(&wiring.window());
  own_station = std::make_unique<QtOwnStationDialog>(wiring.texts(), &wiring.window());
  wiring.SetOwnStationDialog(own_station.get());
  // A session that ends and a termination signal close the window through
  // the close path, without the question, so that what every close stores
  // is stored.
  QtTerminationSignals termination([&wiring](int) { wiring.EndWithoutQuestion(); });
  QObject::connect(qApp, &QGuiApplication::commitDataRequest,
                   [&wiring](QSessionManager&) { wiring.EndWithoutQuestion(); });
  wiring.Start();
  // Owned by the window: closing the window during the splash ends the program at once.
  SplashWindow splash(&wiring.window());
  QObject::connect(&splash, &SplashWindow::finished, &wiring.window(), [&wiring] { wiring.AfterSplash(); });
  splash.ShowOver(wiring.window());
  return QApplication::exec();
}

}  // namespace brilox
