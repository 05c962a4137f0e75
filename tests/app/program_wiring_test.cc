// The windowed program as it is wired, offscreen, against a cluster node on
// 127.0.0.1: start-up from a scratch settings file and data folder, the
// connect command typed into command line 1, real spot lines from the node,
// and the rated rows and log records they become.  The close stores the
// window's geometry in the settings file.
#include "app/program_wiring.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "awards/dxcc_store.h"
#include "awards/ui/log_import_window.h"
#include "platform/clock.h"
#include "platform/date_time_format.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/qt/qt_termination_signals.h"
#include "shell/ui/qt_test_application.h"
#include "support/qt/local_cluster_node.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

using testing::LocalClusterNode;
using testing::ScratchFolder;
using testing::WaitUntil;

long PeakResidentKilobytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The spot lines of a real feed, each with a node's line end.
std::string RealSpotLines() {
  std::istringstream in(testing::ReadTestData("cluster_traffic/m0lte_VE7CC-1_real_spot_lines.txt"));
  std::string bytes;
  int taken = 0;
  for (std::string line; taken < 6 && std::getline(in, line);) {
    if (line.rfind("DX de ", 0) != 0) continue;
    bytes += line + "\a\a\r\n";
    ++taken;
  }
  return bytes;
}

class ProgramWiringTest : public ::testing::Test {
 protected:
  ProgramWiringTest() {
    testing::TestGuiApplication();
    // The alarms of these runs go to an audio server that is not there,
    // never to the machine's own (nor one that a client would start).
    setenv("PULSE_SERVER", ("unix:" + scratch.File("no-such-server")).c_str(), 1);
  }

  ProgramPlaces Places() const {
    std::filesystem::create_directories(scratch.File("data"));
    return {BRILOX_PROGRAM_DATA_DIR, scratch.File("data"), scratch.File("BRILOX.reg"), "", {}};
  }

  ScratchFolder scratch;
  FakeClock clock{44201.57};  // 2021-01-05 13:40 UTC, the feed's day
  RecordingMessageBox messages;
  ScriptedFileDialogs dialogs;
  FixedDateTimeFormat format;
  std::vector<int> exits;
};

TEST_F(ProgramWiringTest, TypedConnectBringsRatedSpotsIntoTheDxWindowAndTheLog) {
  LocalClusterNode node;
  ASSERT_TRUE(node.listening());
  ProgramWiring wiring({PosixFileSystem(), clock, messages, dialogs, format, [this](int code) { exits.push_back(code); }},
                       Places());
  wiring.Start();
  ASSERT_TRUE(WaitUntil([&] { return wiring.started() || !exits.empty(); }));
  ASSERT_TRUE(wiring.started()) << (messages.shown().empty() ? "" : messages.shown().back().text);
  EXPECT_TRUE(std::filesystem::exists(scratch.File("data/COUNTRY2.DAT"))) << "the master files are copied";

  QLineEdit* line = wiring.window().commandLine(1);
  QTest::keyClick(line, Qt::Key_Escape);
  QTest::keyClicks(line, QString::fromStdString("C 127.0.0.1:" + node.port()));
  QTest::keyClick(line, Qt::Key_Return);
  ASSERT_TRUE(WaitUntil([&] { return node.has_client() && wiring.links().IsConnected(1); }));

  node.Send(RealSpotLines());
  const LineStore& dx = wiring.windows().Get(WindowId::kDx);
  ASSERT_TRUE(WaitUntil([&] { return dx.row_count() >= 6; })) << dx.row_count() << " DX rows";
  int rated = 0;
  for (int i = 0; i < dx.row_count(); ++i) {
    if (dx.tag(i) >= 2 && dx.tag(i) <= 4) ++rated;
  }
  EXPECT_GT(rated, 0) << "a fresh database makes the spots' entities needed";
  EXPECT_NE(dx.row(0).find("IK2JET"), std::string::npos) << dx.row(0);
  EXPECT_EQ(wiring.links().InactivityCount(1), 0);

  const std::string records = ReadWhole(scratch.File("data/DXINFO.DAT"));
  EXPECT_EQ(records.size(), static_cast<std::size_t>(dx.row_count()) * kDxRecordSize);
  EXPECT_NE(records.find("IK2JET"), std::string::npos);

  // Closing: no exit question wanted here, the link closed, the geometry kept.
  wiring.settings().WarningOnExit = false;
  wiring.window().resize(760, 577);
  EXPECT_TRUE(wiring.window().close());
  ASSERT_TRUE(WaitUntil([&] { return node.client_gone() && !wiring.links().IsConnected(1); }));
  const std::string stored = ReadWhole(scratch.File("BRILOX.reg"));
  EXPECT_NE(stored.find("\"MainFormWidth\"=dword:000002f8"), std::string::npos) << stored;
  EXPECT_TRUE(exits.empty());
}

// The terminal button's lamp and tool tip follow the link to a real node,
// and the terminal says when the node goes away.
TEST_F(ProgramWiringTest, TheTerminalButtonFollowsTheLinkAndADropIsWrittenInTheTerminal) {
  LocalClusterNode node;
  ASSERT_TRUE(node.listening());
  ProgramWiring wiring({PosixFileSystem(), clock, messages, dialogs, format, [this](int code) { exits.push_back(code); }},
                       Places());
  wiring.Start();
  ASSERT_TRUE(WaitUntil([&] { return wiring.started() || !exits.empty(); }));
  ASSERT_TRUE(wiring.started());
  QAction* button = wiring.window().viewButton(WindowId::kTerminal1);
  const std::string address = "127.0.0.1:" + node.port();
  EXPECT_EQ(button->data().toInt(), static_cast<int>(LinkState::kDown));

  QLineEdit* line = wiring.window().commandLine(1);
  QTest::keyClick(line, Qt::Key_Escape);
  QTest::keyClicks(line, QString::fromStdString("C " + address));
  QTest::keyClick(line, Qt::Key_Return);
  ASSERT_TRUE(WaitUntil([&] { return button->data().toInt() == static_cast<int>(LinkState::kUp); }));
  EXPECT_TRUE(button->toolTip().contains(QString::fromStdString(address))) << button->toolTip().toStdString();

  node.Drop();
  ASSERT_TRUE(WaitUntil([&] { return button->data().toInt() == static_cast<int>(LinkState::kDown); }));
  const LineStore& terminal = wiring.windows().Get(WindowId::kTerminal1);
  EXPECT_EQ(terminal.row(terminal.row_count() - 1), "Disconnected (" + address + ")");
  wiring.settings().WarningOnExit = false;
  EXPECT_TRUE(wiring.window().close());
}

TEST_F(ProgramWiringTest, AStoredQuickConnectWithAutoConnectConnectsAtStartInTheStoredView) {
  LocalClusterNode node;
  ASSERT_TRUE(node.listening());
  ProgramPlaces places = Places();
  std::ofstream(places.user_settings_path, std::ios::binary)
      << "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\MORVEL\\BRILOX\\CurrentVersion]\r\n"
      << "\"QuickConnect\"=\"ESC C 127.0.0.1:" << node.port() << "\"\r\n"
      << "\"AutoConnect\"=dword:00000001\r\n\"StartMode\"=dword:00000001\r\n"
      << "\"MainFormWidth\"=dword:000002bc\r\n\r\n";
  ProgramWiring wiring({PosixFileSystem(), clock, messages, dialogs, format, [this](int code) { exits.push_back(code); }},
                       places);
  wiring.Start();
  ASSERT_TRUE(WaitUntil([&] { return wiring.started() || !exits.empty(); }));
  ASSERT_TRUE(wiring.started());
  EXPECT_EQ(wiring.window().controller().run_mode(), 'D');
  EXPECT_EQ(wiring.window().width(), 700) << "the stored width";
  // The menus carry the language file's captions, read after the window was made.
  QStringList menus;
  for (QAction* action : wiring.window().menuBar()->actions()) menus << action->text();
  EXPECT_TRUE(menus.startsWith(QStringLiteral("File"))) << menus.join(',').toStdString();
  EXPECT_TRUE(menus.contains(QStringLiteral("Window"))) << menus.join(',').toStdString();
  ASSERT_TRUE(WaitUntil([&] { return node.has_client() && wiring.links().IsConnected(1); }))
      << "nothing typed: the quick connect at start";
  node.Send(RealSpotLines());
  ASSERT_TRUE(WaitUntil([&] { return wiring.windows().Get(WindowId::kDx).row_count() >= 6; }));
}

// The Tools menu's ADIF import as the operator uses it: a file that is no
// log is refused with the language file's message; a real log is imported
// by the window and saved into DXCC.DAT.
TEST_F(ProgramWiringTest, ToolsMenuImportsAnAdifLogIntoTheDxccDatabase) {
  ProgramWiring wiring({PosixFileSystem(), clock, messages, dialogs, format, [this](int code) { exits.push_back(code); }},
                       Places());
  wiring.Start();
  ASSERT_TRUE(WaitUntil([&] { return wiring.started() || !exits.empty(); }));
  ASSERT_TRUE(wiring.started());
  QAction* import = nullptr;
  for (QAction* action : wiring.window().menuBar()->findChildren<QAction*>()) {
    if (action->text().endsWith(QStringLiteral("(DXCC)"))) import = action;
  }
  ASSERT_NE(import, nullptr);
  ASSERT_TRUE(import->isEnabled());

  dialogs.QueueAnswer(testing::TestDataPath("adif/adifproc_DP9X.adi"));
  import->trigger();
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown().back().text, "This file is not an ADIF file");
  EXPECT_EQ(wiring.window().findChild<LogImportWindow*>(), nullptr);

  dialogs.QueueAnswer(testing::TestDataPath("adif/adifproc_LU7HF_QLog.adi"));
  import->trigger();
  ASSERT_EQ(dialogs.requests().size(), 2u);
  EXPECT_EQ(dialogs.requests().back().folder, testing::TestDataPath("adif")) << "the last import's folder";
  LogImportWindow* window = wiring.window().findChild<LogImportWindow*>();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return window->finished(); }));
  EXPECT_TRUE(window->outcome().ok()) << window->outcome().ToString();
  DxccTable saved;
  ASSERT_TRUE(LoadDxccTable(PosixFileSystem(), scratch.File("data"), saved).ok());
  const DxccEntry& argentina = saved.row(saved.FindDxccByExactPrefix("LU"));
  EXPECT_NE(argentina.paper_state(DxccColumn::k12), '-') << "LU7HF's 12 m QSO";
  EXPECT_TRUE(exits.empty());
}

// A termination signal runs the close path without the exit question
// (WarningOnExit is on by default): the link closes and the geometry is stored.
TEST_F(ProgramWiringTest, SigtermClosesThroughTheClosePathWithoutTheQuestion) {
  LocalClusterNode node;
  ASSERT_TRUE(node.listening());
  ProgramWiring wiring(
      {PosixFileSystem(), clock, messages, dialogs, format, [this](int code) { exits.push_back(code); }},
      Places());
  QtTerminationSignals termination([&wiring](int) { wiring.EndWithoutQuestion(); });
  ASSERT_TRUE(termination.active());
  wiring.Start();
  ASSERT_TRUE(WaitUntil([&] { return wiring.started() || !exits.empty(); }));
  ASSERT_TRUE(wiring.started());
  ASSERT_TRUE(wiring.settings().WarningOnExit);
  QLineEdit* line = wiring.window().commandLine(1);
  QTest::keyClick(line, Qt::Key_Escape);
  QTest::keyClicks(line, QString::fromStdString("C 127.0.0.1:" + node.port()));
  QTest::keyClick(line, Qt::Key_Return);
  ASSERT_TRUE(WaitUntil([&] { return node.has_client() && wiring.links().IsConnected(1); }));
  wiring.window().resize(712, 555);
  const std::size_t boxes_before = messages.shown().size();

  ASSERT_EQ(::raise(SIGTERM), 0);

  ASSERT_TRUE(WaitUntil([&] { return !wiring.window().isVisible(); }));
  EXPECT_EQ(messages.shown().size(), boxes_before) << "no exit question";
  ASSERT_TRUE(WaitUntil([&] { return node.client_gone(); }));
  const std::string stored = ReadWhole(scratch.File("BRILOX.reg"));
  EXPECT_NE(stored.find("\"MainFormWidth\"=dword:000002c8"), std::string::npos) << stored;
  EXPECT_NE(stored.find("\"MainFormHeight\"=dword:0000022b"), std::string::npos) << stored;
}

// Stored values at the extremes of their type: the program starts, offscreen,
// with them in range, and the window's rows are measured for a sane width.
TEST_F(ProgramWiringTest, StoredValuesOutOfRangeStillStartInBoundedMemory) {
  ProgramPlaces places = Places();
  std::ofstream settings(places.user_settings_path, std::ios::binary);
  settings << "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\MORVEL\\BRILOX\\CurrentVersion]\r\n";
  for (const char* name : {"MaxLineLength", "PrLen", "MaxLines", "FontSizeRX", "FontSizeTX", "FontSizeDB",
                           "MainFormWidth", "MainFormHeight", "MainFormLeft", "MainFormTop", "StartMode",
                           "ScriptRXtimer", "MaxInactivity", "DeltaTime", "Keying", "StartSilence"}) {
    settings << "\"" << name << "\"=dword:7fffffff\r\n";
  }
  settings << "\"COMPortSettings\"=dword:80000000\r\n\r\n";
  settings.close();
  const long rss_before = PeakResidentKilobytes();

  ProgramWiring wiring(
      {PosixFileSystem(), clock, messages, dialogs, format, [this](int code) { exits.push_back(code); }},
      places);
  wiring.Start();
  ASSERT_TRUE(WaitUntil([&] { return wiring.started() || !exits.empty(); }));
  ASSERT_TRUE(wiring.started()) << (messages.shown().empty() ? "" : messages.shown().back().text);

  const Settings& s = wiring.settings();
  EXPECT_EQ(s.MaxLineLength, 160);
  EXPECT_EQ(s.PrLen, 100);
  EXPECT_EQ(s.MaxLines.terminal, 6000);
  EXPECT_EQ(s.FontRX.size, 60);
  EXPECT_EQ(s.StartMode, 0);
  EXPECT_LE(wiring.window().width(), 32767);
  EXPECT_LT(PeakResidentKilobytes() - rss_before, 512 * 1024) << "kB more at the peak";
  wiring.settings().WarningOnExit = false;
  EXPECT_TRUE(wiring.window().close());
}

// No audio server to reach: the Tools menu's Test plays into nothing, the
// program keeps running and says so once in the status bar.
TEST_F(ProgramWiringTest, WithoutAnAudioDeviceTheTestSaysSoInTheStatusBar) {
  ProgramWiring wiring({PosixFileSystem(), clock, messages, dialogs, format, [this](int code) { exits.push_back(code); }},
                       Places());
  wiring.Start();
  ASSERT_TRUE(WaitUntil([&] { return wiring.started() || !exits.empty(); }));
  ASSERT_TRUE(wiring.started());
  QAction* test = nullptr;
  for (QAction* action : wiring.window().findChildren<QAction*>()) {
    if (action->text() == QStringLiteral("Test")) test = action;
  }
  ASSERT_NE(test, nullptr);
  ASSERT_TRUE(test->isEnabled());
  test->trigger();
  ASSERT_TRUE(WaitUntil([&] {
    return wiring.window().statusBarWidget()->currentMessage().startsWith(QStringLiteral("No sound"));
  })) << wiring.window().statusBarWidget()->currentMessage().toStdString();
  EXPECT_TRUE(exits.empty());
}

TEST_F(ProgramWiringTest, AFatalStartShowsItsTextEndsWithCodeOneAndSavesNothing) {
  // A data folder whose DXCC.DAT is cut in mid-record cannot start.
  ProgramPlaces places = Places();
  std::ofstream(places.data_folder + "/DXCC.DAT") << "1A  Sov Mil Order";
  ProgramWiring wiring({PosixFileSystem(), clock, messages, dialogs, format, [this](int code) { exits.push_back(code); }},
                       places);
  wiring.Start();
  ASSERT_TRUE(WaitUntil([&] { return !exits.empty(); }));
  EXPECT_EQ(exits, std::vector<int>{1});
  EXPECT_FALSE(wiring.started());
  ASSERT_FALSE(messages.shown().empty());
  EXPECT_NE(messages.shown().back().text.find("DXCC.DAT"), std::string::npos) << messages.shown().back().text;
  const std::string before = ReadWhole(places.user_settings_path);
  EXPECT_TRUE(wiring.window().close());
  EXPECT_EQ(ReadWhole(places.user_settings_path), before) << "the close after a fatal start saves nothing";
}

}  // namespace
}  // namespace brilox
