// The real main window on the offscreen platform, wired to test fakes:
// recorded sends, scripted dialogs and message boxes, a clock that stands
// still.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "links/built_in_texts.h"
#include "platform/memory_file_system.h"
#include "shell/ui/line_grid_view.h"
#include "shell/ui/main_window.h"
#include "shell/ui/qt_test_application.h"
#include "support/recording_terminal_sender.h"

namespace brilox::testing {

class QtMainWindowFixture : public ::testing::Test {
 protected:
  QtMainWindowFixture() : windows(settings) { TestGuiApplication(); }

  // Builds, shows and activates the window in its start view.
  void Open(MainWindowSeams seams = {}) {
    window = std::make_unique<MainWindow>(
        MainWindowDependencies{settings, windows, sender, files, dialogs, messages, clock, format, texts,
                               view_status, seams},
        environment);
    window->resize(800, 600);
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    window->controller().EnterStartView();
    QApplication::processEvents();
  }

  LineStore& Store(WindowId w) { return windows.Get(w); }
  QLineEdit* CommandLine(int n) { return window->commandLine(n); }
  LineGridView* Grid(WindowId w) { return window->grid(w); }
  std::string CommandLineText(int n) { return CommandLine(n)->text().toStdString(); }
  // Lets queued calls run and every grid on show take and paint the rows
  // that arrived (the grids take them on a paint tick).
  void Settle() {
    QApplication::processEvents();
    const auto taken = [this] {
      for (int w = 0; w < kWindowCount; ++w) {
        const LineGridView* grid = Grid(static_cast<WindowId>(w));
        if (grid->isVisible() && grid->lineModel()->HasArrivedRows()) return false;
      }
      return true;
    };
    EXPECT_TRUE(QTest::qWaitFor(taken, 2000)) << "a grid on show did not take its rows";
    QApplication::processEvents();
  }

  Settings settings;
  WindowLineStores windows;
  RecordingTerminalSender sender;
  MemoryFileSystem files;
  ScriptedFileDialogs dialogs;
  RecordingMessageBox messages;
  FakeClock clock{EncodeDateTime(2026, 1, 15, 18, 30, 0)};
  FixedDateTimeFormat format;
  BuiltInTexts texts;
  ViewStatusTexts view_status;
  MainWindowEnvironment environment{"/home/op/.local/share/MORVEL/BRILOX", true, {}, {}};
  std::unique_ptr<MainWindow> window;
};

}  // namespace brilox::testing
