// Capture to a file, save window and clear window: the dialogs they open,
// the files they write, the messages they show, and what a failure leaves.
#include <gtest/gtest.h>

#include <string>

#include "links/built_in_texts.h"
#include "links/terminal_capture.h"
#include "links/window_file_commands.h"
#include "platform/memory_file_system.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

class TerminalFilesTest : public ::testing::Test {
 protected:
  TerminalFilesTest()
      : windows(settings),
        capture({settings, files, dialogs, messages, texts, last_folder}),
        window_files({files, dialogs, messages, texts, last_folder}) {
    capture.SetFlagHandler([this](int n, bool on) { flags.push_back({n, on}); });
    capture.SetStoppedHandler([this](int n, const std::string& path) { stopped.push_back({n, path}); });
  }

  Settings settings;
  WindowLineStores windows;
  MemoryFileSystem memory;
  FaultInjectingFileSystem files{memory};
  ScriptedFileDialogs dialogs;
  RecordingMessageBox messages;
  BuiltInTexts texts;
  LastFolder last_folder{"/home/op"};
  TerminalCapture capture;
  WindowFileCommands window_files;
  std::vector<std::pair<int, bool>> flags;
  std::vector<std::pair<int, std::string>> stopped;
};

TEST_F(TerminalFilesTest, CaptureWritesReceivedLinesUntilStopped) {
  memory.files()["/logs/old.txt"] = "older content\r\n";
  dialogs.QueueAnswer("/logs/old.txt");
  ASSERT_EQ(capture.Receive1Click(2), CaptureChange::kStarted);
  ASSERT_EQ(dialogs.requests().size(), 1u);
  EXPECT_EQ(dialogs.requests()[0].title, "Capture to file");
  EXPECT_EQ(dialogs.requests()[0].filter, "Text files (*.txt)|*.txt");
  EXPECT_EQ(dialogs.requests()[0].folder, "/home/op");
  EXPECT_EQ(last_folder.path, "/logs");
  EXPECT_TRUE(capture.capturing(2));
  EXPECT_FALSE(capture.capturing(1));
  EXPECT_EQ(capture.CaptionFor(2), "Stop capture");
  EXPECT_EQ(capture.CaptionFor(1), "Start capture");
  EXPECT_EQ(capture.StatusText(2), "Capture to old.txt");
  EXPECT_EQ(flags, (std::vector<std::pair<int, bool>>{{2, true}}));

  capture.WriteCapture(2, "DX de F5XYZ:     14025.0  K1ABC        cq                     1200Z");
  capture.WriteCapture(1, "not captured");
  capture.WriteCapture(2, "");
  EXPECT_EQ(memory.files()["/logs/old.txt"],
            "DX de F5XYZ:     14025.0  K1ABC        cq                     1200Z\r\n\r\n")
      << "an existing file starts afresh";

  EXPECT_EQ(capture.Receive1Click(2), CaptureChange::kStopped);
  EXPECT_FALSE(capture.capturing(2));
  EXPECT_EQ(capture.CaptionFor(2), "Start capture");
  capture.WriteCapture(2, "after the stop");
  EXPECT_EQ(memory.files()["/logs/old.txt"].find("after"), std::string::npos);
  EXPECT_EQ(flags.back(), (std::pair<int, bool>{2, false}));
  EXPECT_EQ(dialogs.requests().size(), 1u) << "stopping asks nothing";
}

TEST_F(TerminalFilesTest, CaptureCancelledOrUncreatableStaysOff) {
  EXPECT_EQ(capture.Receive1Click(1), CaptureChange::kNone);  // the dialog was cancelled
  EXPECT_FALSE(capture.capturing(1));
  EXPECT_TRUE(messages.shown().empty());

  dialogs.QueueAnswer("/locked/capture.txt");
  files.FailFromMutation(1);
  EXPECT_EQ(capture.Receive1Click(1), CaptureChange::kNone);
  EXPECT_FALSE(capture.capturing(1));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
  EXPECT_EQ(messages.shown()[0].caption, "Error");
  EXPECT_EQ(messages.shown()[0].text, "Unable to create the file");
  EXPECT_EQ(last_folder.path, "/home/op");
  EXPECT_TRUE(flags.empty());
}

TEST_F(TerminalFilesTest, WriteErrorStopsCaptureAndIsReportedAfterwards) {
  dialogs.QueueAnswer("/logs/cap.txt");
  ASSERT_EQ(capture.Receive1Click(3), CaptureChange::kStarted);
  capture.WriteCapture(3, "kept");
  files.FailFromMutation(1);
  capture.WriteCapture(3, "lost to the full disk");
  EXPECT_FALSE(capture.capturing(3));
  EXPECT_EQ(stopped, (std::vector<std::pair<int, std::string>>{{3, "/logs/cap.txt"}}));
  EXPECT_TRUE(messages.shown().empty()) << "no box while text is being received";
  capture.ShowWriteError("/logs/cap.txt");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "Unable to create the file: cap.txt");
  EXPECT_EQ(memory.files()["/logs/cap.txt"], "kept\r\n");
}

// Counts the waits for the disk: AppendFile flushes, the unflushed append
// the capture writes its lines with does not.
class FlushCountingFileSystem : public MemoryFileSystem {
 public:
  Status AppendFile(const std::string& path, std::string_view data) override {
    ++flushes;
    return MemoryFileSystem::AppendFile(path, data);
  }
  Status AppendFileUnflushed(const std::string& path, std::string_view data) override {
    return MemoryFileSystem::AppendFile(path, data);
  }
  int flushes = 0;
};

TEST(TerminalCaptureDiskTest, LinesDoNotWaitForTheDiskTheClockAndTheStopDo) {
  Settings settings;
  FlushCountingFileSystem files;
  ScriptedFileDialogs dialogs;
  RecordingMessageBox messages;
  BuiltInTexts texts;
  LastFolder last_folder;
  TerminalCapture capture({settings, files, dialogs, messages, texts, last_folder});
  dialogs.QueueAnswer("/logs/cap.txt");
  ASSERT_EQ(capture.Receive1Click(1), CaptureChange::kStarted);
  const int at_start = files.flushes;
  for (int i = 0; i < 1000; ++i) capture.WriteCapture(1, "line " + std::to_string(i));
  EXPECT_EQ(files.flushes, at_start) << "no wait per line";
  capture.FlushCaptures();
  EXPECT_EQ(files.flushes, at_start + 1);
  capture.FlushCaptures();
  capture.WriteCapture(1, "last");
  ASSERT_EQ(capture.Receive1Click(1), CaptureChange::kStopped);
  EXPECT_EQ(files.flushes, at_start + 3) << "the stop waits for the disk";
  capture.FlushCaptures();
  EXPECT_EQ(files.flushes, at_start + 3) << "nothing left to flush";
}

// On the real disk: every line is in the file after a stop, and after the
// end of the program with capture still on.
TEST(TerminalCaptureDiskTest, NothingCapturedIsLostAtTheStopOrTheEnd) {
  testing::ScratchFolder scratch;
  Settings settings;
  ScriptedFileDialogs dialogs;
  RecordingMessageBox messages;
  BuiltInTexts texts;
  LastFolder last_folder;
  std::string expected;
  for (int i = 0; i < 5000; ++i)
    expected += "DX de F5XYZ:     14025.0  K1ABC   line " + std::to_string(i) + "\r\n";
  {
    TerminalCapture capture({settings, PosixFileSystem(), dialogs, messages, texts, last_folder});
    dialogs.QueueAnswer(scratch.File("stopped.txt"));
    dialogs.QueueAnswer(scratch.File("running.txt"));
    ASSERT_EQ(capture.Receive1Click(1), CaptureChange::kStarted);
    ASSERT_EQ(capture.Receive1Click(2), CaptureChange::kStarted);
    for (int i = 0; i < 5000; ++i) {
      const std::string line = "DX de F5XYZ:     14025.0  K1ABC   line " + std::to_string(i);
      capture.WriteCapture(1, line);
      capture.WriteCapture(2, line);
      if (i == 2500) capture.FlushCaptures();
    }
    ASSERT_EQ(capture.Receive1Click(1), CaptureChange::kStopped);
    EXPECT_EQ(*PosixFileSystem().ReadFile(scratch.File("stopped.txt")), expected);
  }  // the program ends with terminal 2 still capturing
  EXPECT_EQ(*PosixFileSystem().ReadFile(scratch.File("running.txt")), expected);
}

TEST_F(TerminalFilesTest, JapaneseStatusPutsTheFileNameFirst) {
  settings.Language = "JPN";
  dialogs.QueueAnswer("/logs/cap.txt");
  ASSERT_EQ(capture.Receive1Click(1), CaptureChange::kStarted);
  EXPECT_EQ(capture.StatusText(1), "cap.txt Capture to");
}

TEST_F(TerminalFilesTest, SaveWindowWritesEveryRow) {
  LineStore& dx = windows.Get(WindowId::kDx);
  dx.AppendLine("first");
  dx.AppendLine("");
  dx.AppendLine("third");
  memory.files()["/out/dx.txt"] = "old";
  dialogs.QueueAnswer("/out/dx.txt");
  EXPECT_EQ(window_files.SaveWindow(dx), SaveOutcome::kSaved);
  EXPECT_EQ(memory.files()["/out/dx.txt"], "first\r\n\r\nthird\r\n");
  EXPECT_EQ(dialogs.requests()[0].title, "Save the window to a file");
  EXPECT_EQ(last_folder.path, "/out");
  EXPECT_EQ(dx.row_count(), 3);
}

TEST_F(TerminalFilesTest, SavingAnEmptyWindowWritesNothingAndSaysSo) {
  EXPECT_EQ(window_files.SaveWindow(windows.Terminal(1)), SaveOutcome::kEmptyWindow);
  EXPECT_TRUE(dialogs.requests().empty());
  EXPECT_TRUE(memory.files().empty());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "The window is empty");
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
}

TEST_F(TerminalFilesTest, FailedSaveKeepsTheOldFileWhole) {
  LineStore& alarm = windows.Get(WindowId::kAlarm);
  alarm.AppendLine("needed spot");
  memory.files()["/out/alarm.txt"] = "yesterday's alarms\r\n";
  dialogs.QueueAnswer("/out/alarm.txt");
  files.FailFromMutation(2);  // the temporary file is written, the rename fails
  EXPECT_EQ(window_files.SaveWindow(alarm), SaveOutcome::kFailed);
  EXPECT_EQ(memory.files()["/out/alarm.txt"], "yesterday's alarms\r\n");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text, "Unable to create the file");
  EXPECT_EQ(alarm.row(0), "needed spot");
}

struct ClearCase {
  const char* name;
  WindowId window;
  std::string question;
};

class ClearWindowTest : public TerminalFilesTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearWindowTest, AsksAndClearsOnlyOnOk) {
  LineStore& store = windows.Get(GetParam().window);
  store.AppendLine("one");
  store.AppendLine("two");
  store.SetLastRowTag(4);

  messages.QueueAnswer(MessageAnswer::kCancel);
  EXPECT_FALSE(window_files.ClearWindow(GetParam().window, store));
  EXPECT_EQ(store.row_count(), 2);

  EXPECT_TRUE(window_files.ClearWindow(GetParam().window, store));
  EXPECT_EQ(store.row_count(), 1);
  EXPECT_EQ(store.row(0), "");
  EXPECT_EQ(store.tag(0), 0);
  EXPECT_TRUE(store.marked_empty());
  ASSERT_EQ(messages.shown().size(), 2u);
  EXPECT_EQ(messages.shown()[1].caption, "Question");
  EXPECT_EQ(messages.shown()[1].text, GetParam().question);
  EXPECT_EQ(messages.shown()[1].buttons, MessageButtons::kOkCancel);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ClearWindowTest,
    ::testing::Values(ClearCase{"Terminal", WindowId::kTerminal3, "Clear the terminal window ?"},
                      ClearCase{"Dx", WindowId::kDx, "Clear the DX window ?"},
                      ClearCase{"Alarm", WindowId::kAlarm, "Clear the alarm window ?"},
                      ClearCase{"Lotw", WindowId::kLotw, "Clear the LOTW window ?"}),
    [](const ::testing::TestParamInfo<ClearCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brilox
