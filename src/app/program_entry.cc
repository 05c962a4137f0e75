#include "app/program_entry.h"

#include <QApplication>
#include <QMessageBox>
#include <QSessionManager>

#include "app/program_wiring.h"
#include "platform/qt/qt_termination_signals.h"
#include "platform/settings_paths.h"
#include "shell/startup_entry.h"
#include "shell/ui/qt_dialogs.h"

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
  ProgramWiring wiring(
      {fs, clock, messages, dialogs, date_time_format, [](int code) { QCoreApplication::exit(code); }},
      {entry.program_folder, entry.data_folder, UserSettingsPathFromEnvironment(), kMachineSettingsPath,
       LocaleVariablesFromEnvironment()});
  messages.SetParent(&wiring.window());
  dialogs.SetParent(&wiring.window());
  // A session that ends and a termination signal close the window through
  // the close path, without the question, so that what every close stores
  // is stored.
  QtTerminationSignals termination([&wiring](int) { wiring.EndWithoutQuestion(); });
  QObject::connect(qApp, &QGuiApplication::commitDataRequest,
                   [&wiring](QSessionManager&) { wiring.EndWithoutQuestion(); });
  wiring.Start();
  return QApplication::exec();
}

}  // namespace brilox
