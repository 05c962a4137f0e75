// brilox: the windowed program.  It builds the main window over the window
// line stores with the settings' defaults; the start-up sequence (settings,
// data files, links) is wired in here as it arrives.
#include <QApplication>

#include "links/built_in_texts.h"
#include "links/terminal_sender.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "shell/settings/settings.h"
#include "shell/ui/main_window.h"
#include "shell/ui/qt_dialogs.h"
#include "spots/view_status_texts.h"
#include "spots/window_line_stores.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  brilox::Settings settings;
  brilox::WindowLineStores windows(settings);
  brilox::UnconnectedTerminalSender sender;
  brilox::SystemClock clock;
  brilox::LocaleDateTimeFormat date_time_format;
  brilox::BuiltInTexts texts;
  brilox::QtMessageBox messages;
  brilox::QtFileDialogs dialogs;
  brilox::ViewStatusTexts view_status;

  brilox::MainWindow window({settings,
                             windows,
                             sender,
                             brilox::PosixFileSystem(),
                             dialogs,
                             messages,
                             clock,
                             date_time_format,
                             texts,
                             view_status,
                             {}},
                            {});
  messages.SetParent(&window);
  dialogs.SetParent(&window);
  window.setWindowTitle(QStringLiteral("BRILOX 8.5j"));
  window.show();
  window.controller().EnterStartView();
  return app.exec();
}
