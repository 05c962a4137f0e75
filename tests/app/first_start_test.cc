// The first start of the windowed program: once the splash has gone and the
// start-up has run, a settings file without an own call makes the program
// ask for it, and the answer reaches the settings file; a later start with
// the call stored asks nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/program_wiring.h"
#include "platform/clock.h"
#include "platform/date_time_format.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "shell/ui/qt_test_application.h"
#include "support/qt/local_cluster_node.h"  // WaitUntil
#include "support/test_paths.h"

namespace brilox {
namespace {

using testing::ScratchFolder;
using testing::WaitUntil;

class ScriptedStationDialog final : public OwnStationDialog {
 public:
  int asked = 0;
  std::optional<OwnStation> Ask(const OwnStation&) override {
    ++asked;
    return OwnStation{"f5xyz", "JO22AA"};
  }
};

class FirstStartTest : public ::testing::Test {
 protected:
  FirstStartTest() {
    testing::TestGuiApplication();
    std::filesystem::create_directories(scratch.File("data"));
  }
  ProgramPlaces Places() const {
    return {BRILOX_PROGRAM_DATA_DIR, scratch.File("data"), scratch.File("BRILOX.reg"), "", {}};
  }
  std::string StoredSettings() const {
    std::ifstream in(scratch.File("BRILOX.reg"), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // One run of the program: start, the splash's end (before or after the
  // start-up has run), then the close.
  void Run(bool splash_ends_first) {
    ProgramWiring wiring(
        {PosixFileSystem(), clock, messages, dialogs, format, [this](int code) { exits.push_back(code); }},
        Places());
    wiring.SetOwnStationDialog(&dialog);
    wiring.Start();
    if (splash_ends_first) {
      wiring.AfterSplash();
      EXPECT_EQ(dialog.asked, asked_before) << "nothing is asked before the settings are read";
    }
    ASSERT_TRUE(WaitUntil([&] { return wiring.started() || !exits.empty(); }));
    ASSERT_TRUE(wiring.started());
    if (!splash_ends_first) wiring.AfterSplash();
    wiring.AfterSplash();  // once only
    wiring.settings().WarningOnExit = false;
    EXPECT_TRUE(wiring.window().close());
    asked_before = dialog.asked;
  }

  ScratchFolder scratch;
  FakeClock clock{44201.57};
  RecordingMessageBox messages;
  ScriptedFileDialogs dialogs;
  FixedDateTimeFormat format;
  std::vector<int> exits;
  ScriptedStationDialog dialog;
  int asked_before = 0;
};

TEST_F(FirstStartTest, TheOwnCallIsAskedOnceAndStored) {
  for (const bool splash_ends_first : {true, false}) {
    std::filesystem::remove(scratch.File("BRILOX.reg"));
    dialog.asked = asked_before = 0;
    Run(splash_ends_first);
    EXPECT_EQ(dialog.asked, 1);
    const std::string stored = StoredSettings();
    EXPECT_NE(stored.find("\"MyCall\"=\"F5XYZ\""), std::string::npos) << stored;

    Run(splash_ends_first);
    EXPECT_EQ(dialog.asked, 1) << "the call is known now";
  }
  EXPECT_TRUE(exits.empty());
}

}  // namespace
}  // namespace brilox
