// The close query: the exit question, the order of the shutdown steps and
// the geometry as it reaches the settings key.
#include "shell/startup_shutdown.h"

#include <gtest/gtest.h>

#include "platform/settings_store.h"
#include "startup_test_support.h"

namespace brilox {
namespace {

using namespace brilox::testing;

class RecordingShutdown : public ShutdownSteps {
 public:
  bool TncPortOpen() override { return tnc_open; }
  void SendTncExitText(const std::string& text) override { calls.push_back("tnc exit " + text); }
  void StopTimers() override { calls.push_back("timers"); }
  void CloseLinks() override { calls.push_back("links"); }
  void AskWorkersToStop() override { calls.push_back("workers"); }
  void ReleaseRecordedSounds() override { calls.push_back("sounds"); }
  std::vector<std::string> calls;
  bool tnc_open = false;
};

class CloseQueryTest : public ::testing::Test {
 protected:
  CloseQueryTest() {
    window.left = 40, window.top = 30, window.width = 800, window.height = 600;
    window.screen_width = 1920, window.screen_height = 1080;
    window.telnet_top_row = 3, window.telnet_row = 7;
    for (int i = 0; i < kCustomColourCount; ++i)
      window.custom_colours[static_cast<std::size_t>(i)] = "Color" + std::to_string(i);
  }
  CloseOutcome Close(bool started = true) {
    return CloseQuery({settings, store, box, texts, steps, started}, window);
  }
  std::int32_t Stored(const std::string& name) {
    Result<std::int32_t> value = store.ReadInteger(name);
    EXPECT_TRUE(value.ok()) << name;
    return value.ok() ? *value : -999;
  }

  Settings settings;
  MemorySettingsStore store{std::vector<SettingsValue>{}};
  RecordingMessageBox box;
  const LanguageTextTable texts = NumberedTexts();
  RecordingShutdown steps;
  ClosingWindow window;
};

TEST_F(CloseQueryTest, TheQuestionComesFirstAndCancelKeepsTheProgramRunning) {
  settings.WarningOnExit = true;
  box.QueueAnswer(MessageAnswer::kCancel);

  const CloseOutcome outcome = Close();

  EXPECT_FALSE(outcome.close);
  ASSERT_EQ(box.shown().size(), 1u);
  EXPECT_EQ(box.shown()[0].kind, MessageKind::kQuestion);
  EXPECT_EQ(box.shown()[0].caption, "text 35");
  EXPECT_EQ(box.shown()[0].text, "text 52");
  EXPECT_EQ(box.shown()[0].buttons, MessageButtons::kOkCancel);
  EXPECT_TRUE(steps.calls.empty());
  EXPECT_TRUE(store.List().empty()) << "nothing is stored while the program keeps running";
}

TEST_F(CloseQueryTest, OnlyOkEndsTheProgram) {
  for (MessageAnswer answer : {MessageAnswer::kNo, MessageAnswer::kYes, MessageAnswer::kCancel}) {
    box.QueueAnswer(answer);
    EXPECT_FALSE(Close().close);
  }
  box.QueueAnswer(MessageAnswer::kOk);
  EXPECT_TRUE(Close().close);
}

TEST_F(CloseQueryTest, WithoutWarningOnExitNoQuestionIsAsked) {
  settings.WarningOnExit = false;

  EXPECT_TRUE(Close().close);
  EXPECT_TRUE(box.shown().empty());
}

TEST_F(CloseQueryTest, ShutdownStepsRunInOrderAndTheGeometryIsStored) {
  steps.tnc_open = true;
  settings.TNCEXI = "73";

  const CloseOutcome outcome = Close();

  ASSERT_TRUE(outcome.close);
  EXPECT_TRUE(outcome.saved.ok());
  EXPECT_EQ(steps.calls, (std::vector<std::string>{"tnc exit 73", "timers", "links", "workers", "sounds"}));
  EXPECT_EQ(Stored("MainFormLeft"), 40);
  EXPECT_EQ(Stored("MainFormTop"), 30);
  EXPECT_EQ(Stored("MainFormWidth"), 800);
  EXPECT_EQ(Stored("MainFormHeight"), 600);
  EXPECT_EQ(Stored("TelnetTopRow"), 3);
  EXPECT_EQ(Stored("TelnetRow"), 7);
  EXPECT_EQ(store.ReadString("CustomColorA").value(), "Color0");
  EXPECT_EQ(store.ReadString("CustomColorP").value(), "Color15");
}

TEST_F(CloseQueryTest, BeforeTheStartHasFinishedNothingIsAskedOrSaved) {
  const CloseOutcome outcome = Close(/*started=*/false);

  EXPECT_TRUE(outcome.close);
  EXPECT_TRUE(box.shown().empty());
  EXPECT_TRUE(store.List().empty());
  EXPECT_EQ(steps.calls, (std::vector<std::string>{"timers", "links", "workers", "sounds"}));
}

struct ClampCase {
  const char* name;
  ClosingWindow window;
  int left, top, width, height, telnet_top_row, telnet_row;
};

class ShutdownClampTest : public CloseQueryTest, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(ShutdownClampTest, KeepsTheWindowOnScreenForTheNextStart) {
  window = GetParam().window;
  settings.WarningOnExit = false;

  ASSERT_TRUE(Close().close);

  EXPECT_EQ(Stored("MainFormLeft"), GetParam().left);
  EXPECT_EQ(Stored("MainFormTop"), GetParam().top);
  EXPECT_EQ(Stored("MainFormWidth"), GetParam().width);
  EXPECT_EQ(Stored("MainFormHeight"), GetParam().height);
  EXPECT_EQ(Stored("TelnetTopRow"), GetParam().telnet_top_row);
  EXPECT_EQ(Stored("TelnetRow"), GetParam().telnet_row);
}

ClosingWindow Window(int left, int top, int width, int height, int screen_width, int screen_height,
                     int telnet_top_row = 1, int telnet_row = 1) {
  ClosingWindow w;
  w.left = left, w.top = top, w.width = width, w.height = height;
  w.screen_width = screen_width, w.screen_height = screen_height;
  w.telnet_top_row = telnet_top_row, w.telnet_row = telnet_row;
  return w;
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, ShutdownClampTest,
    ::testing::Values(
        ClampCase{"DraggedOffToTheLeft", Window(-120, 10, 686, 541, 1024, 768), 0, 10, 686, 541, 1, 1},
        ClampCase{"AboveTheScreen", Window(10, -8, 686, 541, 1024, 768), 10, 0, 686, 541, 1, 1},
        ClampCase{"WiderAndTallerThanTheScreen", Window(0, 0, 1300, 900, 1280, 800), 0, 0, 1280, 800, 1, 1},
        ClampCase{"OffToTheRightStays", Window(900, 700, 686, 541, 1024, 768), 900, 700, 686, 541, 1, 1},
        ClampCase{"TelnetRowsZeroOrBelow", Window(0, 0, 686, 541, 1024, 768, 0, -4), 0, 0, 686, 541, 1, 1},
        ClampCase{"TelnetRowsKept", Window(0, 0, 686, 541, 1024, 768, 12, 20), 0, 0, 686, 541, 12, 20},
        ClampCase{"ScreenNotKnown", Window(5, 5, 2500, 1600, 0, 0), 5, 5, 2500, 1600, 1, 1}),
    [](const ::testing::TestParamInfo<ClampCase>& info) { return info.param.name; });

}  // namespace
}  // namespace brilox
