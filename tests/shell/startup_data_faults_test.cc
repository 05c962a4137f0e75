// A crash at every step of a first start: the data folder never holds a file
// that differs from what a clean start gives (a leftover copy beside its
// target excepted), a start that cannot go on says why, and the next start
// on the same disk ends exactly where a clean one does.
#include <gtest/gtest.h>

#include "shell/startup_data_checks.h"
#include "startup_test_support.h"

namespace brilox {
namespace {

using namespace brilox::testing;

void AddFirstStartProgramFolder(MemoryFileSystem& fs) {
  AddMasterFiles(fs, kProgram);
  fs.files()[InProgram("WWVINFO.RAW")] = std::string(160, 'W');
  fs.files()[InProgram("TELNET.DAT")] = std::string(53, 'T');
  fs.files()[InProgram("scripts/login.scp")] = "login";
  fs.files()[InProgram("scripts/logout.scp")] = "logout";
}

StartupStatus RunChecks(FileSystem& fs) {
  RecordingMessageBox box;
  const LanguageTextTable texts = NumberedTexts();
  RecordingLoaders recorder;
  Settings settings;
  DataFileState state;
  const DataCheckContext context{fs, kProgram, kData, box, texts, recorder.loaders};
  return CheckDataFiles(context, settings, state);
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(DataCheckFaultsTest, ACrashAtAnyStepLeavesNoStrayFileAndTheNextStartFinishes) {
  MemoryFileSystem clean_disk;
  AddFirstStartProgramFolder(clean_disk);
  FaultInjectingFileSystem counting(clean_disk);
  counting.FailFromMutation(1 << 30);
  ASSERT_FALSE(RunChecks(counting).fatal());
  const int steps = counting.mutations();
  const std::map<std::string, std::string> reference = FilesBelow(clean_disk, kData);
  const std::map<std::string, std::string> masters = FilesBelow(clean_disk, kProgram);
  ASSERT_GT(steps, 10);
  ASSERT_EQ(reference.count("scripts/login.scp"), 1u);

  for (int crash_at = 1; crash_at <= steps; ++crash_at) {
    SCOPED_TRACE("crash at mutation " + std::to_string(crash_at));
    MemoryFileSystem disk;
    AddFirstStartProgramFolder(disk);
    FaultInjectingFileSystem crashing(disk);
    crashing.FailFromMutation(crash_at);

    const StartupStatus status = RunChecks(crashing);

    if (status.fatal()) {
      EXPECT_TRUE(EndsWith(status.message(), ", can't start BRILOX")) << status.message();
    }
    for (const auto& [name, content] : FilesBelow(disk, kData)) {
      const auto expected = reference.find(name);
      if (expected != reference.end()) {
        EXPECT_EQ(content, expected->second) << name;
      } else if (name != "scripts.copying") {
        // A delivered copy on its way: complete, under its own name or beside it.
        const std::string master = EndsWith(name, ".copy") ? name.substr(0, name.size() - 5) : name;
        ASSERT_TRUE(EndsWith(master, ".RAW") || reference.count(master) == 1) << "stray file " << name;
        const auto delivered = masters.find(master);
        ASSERT_NE(delivered, masters.end()) << name;
        EXPECT_EQ(content, delivered->second) << "partial copy " << name;
      }
    }

    ASSERT_FALSE(RunChecks(disk).fatal());
    EXPECT_EQ(FilesBelow(disk, kData), reference);
  }
}

}  // namespace
}  // namespace brilox
