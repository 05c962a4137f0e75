// The import window on a log of some thousand records: the import runs in
// slices with the event loop turning between them, the counters and the
// status line follow, OK is enabled only at the end.
#include "awards/ui/log_import_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <cstdlib>

#include "platform/memory_file_system.h"

namespace brilox {
namespace {

std::string LogOf(int records) {
  std::string log = "<EOH>\n";
  for (int i = 0; i < records; ++i) {
    log += "<CALL:6>DL1ABC<BAND:3>20M<MODE:2>CW<QSO_DATE:8>20200101<TIME_ON:4>1200";
    log += i == records - 1 ? "<QSL_RCVD:1>Y<EOR>\n" : "<EOR>\n";
  }
  return log;
}

class LogImportWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "log_import_window_test";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) new QApplication(argc, argv);
  }

  std::unique_ptr<LogImportWindow> Window(std::string bytes) {
    std::vector<DxccEntry> rows = {TemplateDxccEntry("DL", "Germany")};
    (void)dxcc.Assign(rows);
    texts.Set(kTextDatabaseToUpdate, "Database to update");
    texts.Set(kTextRecordsProcessed, "Records processed");
    texts.Set(kTextUpdates, "Updates");
    texts.Set(kTextStatus, "Status");
    texts.Set(kTextProcessing, "Processing");
    texts.Set(kTextDone, "Done");
    DxccImportContext context{[](std::string_view) { return std::string("DL"); }, 20260101, false};
    auto import = std::make_unique<LogImport>(LogImportKind::kDxcc, std::move(bytes), dxcc, iota, context,
                                              LotwStationFilter{});
    return std::make_unique<LogImportWindow>(
        texts, std::move(import), [this](LogImport& run) { return run.Finish(fs, "data", dxcc, iota); });
  }

  static QString LabelText(const QWidget& window, int index) {
    return window.findChildren<QLabel*>().at(index)->text();
  }

  LanguageTextTable texts;
  MemoryFileSystem fs;
  DxccTable dxcc;
  IotaTable iota;
};

TEST_F(LogImportWindowTest, RunsInSlicesAndEnablesOkAtTheEnd) {
  std::unique_ptr<LogImportWindow> window = Window(LogOf(3000));
  window->show();
  auto* ok = window->findChild<QPushButton*>();
  auto* progress = window->findChild<QProgressBar*>();
  ASSERT_NE(ok, nullptr);
  QSignalSpy ended(window.get(), &LogImportWindow::importEnded);
  int turns_between_slices = 0;
  QTimer other_work;
  QObject::connect(&other_work, &QTimer::timeout, [&] {
    // Part-way through, for a look at the window (BRILOX_SCREENSHOT_DIR).
    if (++turns_between_slices == 3 && std::getenv("BRILOX_SCREENSHOT_DIR") != nullptr) {
      window->grab().save(QString::fromLocal8Bit(std::getenv("BRILOX_SCREENSHOT_DIR")) +
                          QStringLiteral("/log-import-running.png"));
    }
  });
  other_work.start(0);
  window->Start();
  EXPECT_FALSE(ok->isEnabled());
  EXPECT_TRUE(window->findChildren<QLabel*>().back()->text().endsWith("Processing"));
  ASSERT_TRUE(ended.wait(20000));
  if (const char* folder = std::getenv("BRILOX_SCREENSHOT_DIR")) {
    window->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/log-import-done.png"));
  }
  EXPECT_GE(turns_between_slices, 5) << "the event loop turned while the log was read";
  EXPECT_TRUE(window->finished());
  EXPECT_TRUE(window->outcome().ok()) << window->outcome().ToString();
  EXPECT_TRUE(ok->isEnabled());
  EXPECT_EQ(progress->value(), progress->maximum());
  EXPECT_EQ(LabelText(*window, 0), "Database to update: DXCC");
  EXPECT_EQ(window->findChildren<QLabel*>().back()->text(), "Status: Done");
  EXPECT_EQ(dxcc.row(1).paper_state(DxccColumn::kCw), 'C');
  EXPECT_TRUE(fs.Exists("data/DXCC.DAT"));
}

TEST_F(LogImportWindowTest, AFaultyFileShowsTheFaultAndChangesNothing) {
  std::string cut = LogOf(1200);
  cut.resize(cut.size() - 10);
  std::unique_ptr<LogImportWindow> window = Window(cut);
  QSignalSpy ended(window.get(), &LogImportWindow::importEnded);
  window->Start();
  ASSERT_TRUE(ended.wait(20000));
  EXPECT_FALSE(window->outcome().ok());
  EXPECT_TRUE(window->findChildren<QLabel*>().back()->text().contains("cut short"));
  EXPECT_EQ(dxcc.row(1).paper_state(DxccColumn::kCw), '-');
  EXPECT_FALSE(fs.Exists("data/DXCC.DAT"));
}

}  // namespace
}  // namespace brilox
