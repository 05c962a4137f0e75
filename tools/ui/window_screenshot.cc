// window_screenshot: draws the main window with sample traffic and saves it
// as a PNG, for the screenshot in docs/.  The "DX de " lines of a text file
// fill the DX window with a spread of needed levels (spot processing is not
// wired in here, so the levels are dealt out in turn), a raw node session
// fills terminal 1 through the line intake.  Run under a display or Xvfb:
//   xvfb-run -a build/tools/window_screenshot SPOTS.txt SESSION.raw OUT.png
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "links/built_in_texts.h"
#include "links/terminal_sender.h"
#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/memory_file_system.h"
#include "platform/message_box.h"
#include "core/settings.h"
#include "shell/ui/main_window.h"
#include "shell/ui/qt_dialogs.h"
#include "spots/line_class.h"
#include "spots/line_intake.h"
#include "spots/window_line_stores.h"

namespace {

std::string ReadAll(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Takes no part in the picture: the spot processing comes later.
class NoProcessing final : public brilox::LineHandler {
 public:
  void DecodeDX(int, brilox::LineInProgress&) override {}
  void DecodeWWV(int, brilox::LineInProgress&) override {}
  void DecodeANN(int, brilox::LineInProgress&) override {}
  void TraiteDX(int, brilox::LineInProgress&) override {}
};

void FillDxWindow(brilox::LineStore& dx, const std::string& spot_file) {
  // Mostly ordinary spots, now and then a needed one, as on a busy band.
  constexpr std::array<std::int32_t, 12> kLevels{1, 1, 3, 1, 2, 1, 4, 1, 1, 5, 11, 1};
  std::istringstream lines(spot_file);
  std::string line;
  std::size_t n = 0;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("DX de ", 0) != 0) continue;
    dx.AppendLine(line);
    dx.SetLastRowTag(kLevels[n++ % kLevels.size()]);
    dx.TrimToLimit();
  }
  dx.AppendLine("WWV de W0MU <18>:   SFI=152, A=8, K=2, No Storms -> No Storms");
  dx.SetLastRowTag(brilox::kTagPropagation);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s SPOTS.txt SESSION.raw OUT.png\n", argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  brilox::Settings settings;
  brilox::WindowLineStores windows(settings);
  brilox::UnconnectedTerminalSender sender;
  brilox::FakeClock clock(brilox::EncodeDateTime(2021, 1, 5, 13, 33, 0));
  brilox::FixedDateTimeFormat date_time_format;
  brilox::BuiltInTexts texts;
  brilox::RecordingMessageBox messages;
  brilox::ScriptedFileDialogs dialogs;
  brilox::MemoryFileSystem files;
  brilox::ViewStatusTexts view_status;
  view_status.dx.text = "RM7C  European Russia  51 deg  2260 km  CQ 16";

  brilox::MainWindow window(
      {settings, windows, sender, files, dialogs, messages, clock, date_time_format, texts, view_status, {}},
      {});
  window.setWindowTitle(QStringLiteral("BRILOX 8.5j"));
  window.resize(900, 560);
  window.show();

  // The view first: it selects its last row, which then scrolls away.
  window.controller().ShowView('D');
  NoProcessing handler;
  brilox::LineIntake intake(settings, windows, handler, &window.controller());
  intake.FeedChunk(1, ReadAll(argv[2]));
  FillDxWindow(windows.Get(brilox::WindowId::kDx), ReadAll(argv[1]));
  window.controller().ShowSolarFlux("SFI=152");
  window.controller().Timer1Timer(96);

  const QString out = QString::fromLocal8Bit(argv[3]);
  int status = 1;
  QTimer::singleShot(200, &app, [&] {
    status = window.grab().save(out) ? 0 : 1;
    app.quit();
  });
  app.exec();
  return status;
}
