#include "app/program_entry.h"

#include <QApplication>
#include <QMessageBox>

#include "app/program_wiring.h"
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
  wiring.Start();
  return QApplication::exec();
}

}  // namespace brilox
