// The program entry on the real file system in a scratch folder: the first
// copy runs with both folders, a second copy is told to end, and a start
// without a program folder says so.
#include "shell/startup_entry.h"

#include <gtest/gtest.h>

#include "support/test_paths.h"

namespace brilox {
namespace {

using brilox::testing::ScratchFolder;

class ProgramEntryTest : public ::testing::Test {
 protected:
  ProgramEntryTest() {
    (void)fs.CreateDirectories(scratch.File("prefix/bin"));
    (void)fs.CreateDirectories(scratch.File("prefix/share/brilox"));
    (void)fs.CreateDirectories(scratch.File("runtime"));
    environment.executable_folder = scratch.File("prefix/bin");
    environment.xdg_data_home = scratch.File("xdg-data");
    environment.xdg_runtime_dir = scratch.File("runtime");
    environment.home = scratch.File("home");
  }

  ScratchFolder scratch;
  FileSystem& fs = PosixFileSystem();
  FolderEnvironment environment;
  const BuildTree installed_only;
};

TEST_F(ProgramEntryTest, TheFirstCopyRunsAndASecondCopyIsToldToEnd) {
  ProgramEntry first = EnterProgram(environment, installed_only, fs);
  ASSERT_EQ(first.outcome, ProgramEntry::Outcome::kRun) << first.message;
  EXPECT_EQ(first.program_folder, scratch.File("prefix/share/brilox"));
  EXPECT_EQ(first.data_folder, scratch.File("xdg-data/MORVEL/BRILOX"));
  EXPECT_TRUE(fs.IsDirectory(first.data_folder));

  const ProgramEntry second = EnterProgram(environment, installed_only, fs);
  EXPECT_EQ(second.outcome, ProgramEntry::Outcome::kAnotherCopyRuns);
  EXPECT_FALSE(second.lock.has_value());

  first = ProgramEntry();  // the first copy ends, and its guards with it
  EXPECT_EQ(EnterProgram(environment, installed_only, fs).outcome, ProgramEntry::Outcome::kRun);
}

TEST_F(ProgramEntryTest, ACopyWithAnotherRuntimeFolderOnTheSameDataFolderIsToldToEnd) {
  ProgramEntry first = EnterProgram(environment, installed_only, fs);
  ASSERT_EQ(first.outcome, ProgramEntry::Outcome::kRun) << first.message;

  FolderEnvironment other_session = environment;
  (void)fs.CreateDirectories(scratch.File("other-runtime"));
  other_session.xdg_runtime_dir = scratch.File("other-runtime");
  const ProgramEntry second = EnterProgram(other_session, installed_only, fs);
  EXPECT_EQ(second.outcome, ProgramEntry::Outcome::kAnotherCopyRuns);
  EXPECT_FALSE(second.lock.has_value());
  EXPECT_FALSE(second.data_lock.has_value());

  // Its runtime guard went with it: once the first copy ends it starts.
  first = ProgramEntry();
  EXPECT_EQ(EnterProgram(other_session, installed_only, fs).outcome, ProgramEntry::Outcome::kRun);
}

TEST_F(ProgramEntryTest, WithoutAProgramFolderTheStartStopsAndReleasesTheGuard) {
  environment.executable_folder = scratch.File("elsewhere/bin");

  const ProgramEntry entry = EnterProgram(environment, installed_only, fs);

  ASSERT_EQ(entry.outcome, ProgramEntry::Outcome::kFatal);
  EXPECT_EQ(entry.message.rfind("Program folder not found (", 0), 0u) << entry.message;
  EXPECT_FALSE(entry.lock.has_value());
  environment.executable_folder = scratch.File("prefix/bin");
  EXPECT_EQ(EnterProgram(environment, installed_only, fs).outcome, ProgramEntry::Outcome::kRun);
}

}  // namespace
}  // namespace brilox
