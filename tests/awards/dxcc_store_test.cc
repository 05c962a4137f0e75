// DXCC.DAT on disk: the start-up opening, saving, and crash safety of the
// save at every step.
#include "awards/dxcc_store.h"

#include <gtest/gtest.h>

#include "awards/dxcc_file.h"
#include "dxcc_test_records.h"
#include "platform/memory_file_system.h"

namespace brilox {
namespace {

using testing::DxccRecord;
using testing::kNothingWorked;

const std::string kOldFile = DxccRecord("DL", "Germany", "WWWWWWWWWWWWWWW") + DxccRecord("F", "France", kNothingWorked);
const std::string kRawFile = DxccRecord("3A", "Monaco", kNothingWorked);

TEST(OpenDxccFile, KeepsAnExistingFileAndOtherwiseRenamesTheRawCopy) {
  MemoryFileSystem fs;
  ASSERT_TRUE(fs.WriteFile("data/DXCC.RAW", kRawFile).ok());
  ASSERT_TRUE(OpenDxccFile(fs, "data").ok());
  EXPECT_EQ(*fs.ReadFile("data/DXCC.DAT"), kRawFile);
  EXPECT_FALSE(fs.Exists("data/DXCC.RAW"));

  ASSERT_TRUE(fs.WriteFile("data/DXCC.RAW", kRawFile + kRawFile).ok());
  ASSERT_TRUE(OpenDxccFile(fs, "data").ok());
  EXPECT_EQ(*fs.ReadFile("data/DXCC.DAT"), kRawFile) << "an existing DXCC.DAT is kept";
}

TEST(OpenDxccFile, FatalMessagesWhenNoFileCanBeHad) {
  MemoryFileSystem memory;
  ASSERT_TRUE(memory.CreateDirectories("data").ok());
  EXPECT_EQ(OpenDxccFile(memory, "data").context(), "Missing files: DXCC.DAT or DXCC.RAW, can't start BRILOX");

  ASSERT_TRUE(memory.WriteFile("data/DXCC.RAW", kRawFile).ok());
  FaultInjectingFileSystem faulty(memory);
  faulty.FailFromMutation(1);
  EXPECT_EQ(OpenDxccFile(faulty, "data").context(), "Unable to rename DXCC.RAW as DXCC.DAT, can't start BRILOX");
  EXPECT_EQ(*memory.ReadFile("data/DXCC.RAW"), kRawFile);
}

TEST(SauveDXCC, SortsDropsTheUnfilledRowPadsAndClearsTheMarks) {
  MemoryFileSystem fs;
  DxccTable table = testing::TableOf({{"F", "France"}, {"DL", "Germany"}});
  ASSERT_TRUE(table.InsertRow(2, TemplateDxccEntry()).ok());
  table.row(1).name = "France, typed by the operator";  // longer than 20
  table.row(3).prefix = "DL";  // typed in the window: not padded yet
  table.marks(1).lotw.set(3);
  ASSERT_TRUE(SauveDXCC(fs, "data", table).ok());
  EXPECT_EQ(*fs.ReadFile("data/DXCC.DAT"),
            DxccRecord("DL", "Germany", kNothingWorked) + DxccRecord("F", "France, typed by the", kNothingWorked));
  EXPECT_FALSE(fs.Exists("data/DXCC.BAK")) << "there was nothing to keep";
  EXPECT_EQ(table.count(), 2);
  EXPECT_EQ(table.row(1).prefix, "DL  ");
  EXPECT_EQ(table.row(2).name, "France, typed by the");
  EXPECT_FALSE(table.sort_pending());
  EXPECT_FALSE(table.AnyChangeMarked());
}

// A save interrupted at any step, as a crash would, leaves a complete old or
// new DXCC.DAT for the next start; the delivered DXCC.RAW is never taken in
// place of the operator's file.
TEST(SauveDXCC, AnInterruptedSaveLeavesTheOldOrTheNewFile) {
  bool saved_once = false;
  for (int fail_at = 1; !saved_once; ++fail_at) {
    ASSERT_LT(fail_at, 10) << "the save never succeeded";
    MemoryFileSystem memory;
    ASSERT_TRUE(memory.WriteFile("data/DXCC.DAT", kOldFile).ok());
    ASSERT_TRUE(memory.WriteFile("data/DXCC.BAK", "an older backup").ok());
    ASSERT_TRUE(memory.WriteFile("data/DXCC.RAW", kRawFile).ok());
    DxccTable table;
    ASSERT_TRUE(LoadDxccTable(memory, "data", table).ok());
    table.row(2).paper.fill('C');
    ASSERT_TRUE(table.AppendRow(TemplateDxccEntry("3A", "Monaco")).ok());
    table.marks(2).paper.set(4);
    const std::string new_file = DxccRecord("3A", "Monaco", kNothingWorked) +
                                 DxccRecord("DL", "Germany", "WWWWWWWWWWWWWWW") +
                                 DxccRecord("F", "France", "CCCCCCCCCCCCCCC", {0, 0, 0, 0}, 2);

    FaultInjectingFileSystem faulty(memory);
    faulty.FailFromMutation(fail_at);
    const Status status = SauveDXCC(faulty, "data", table);
    saved_once = status.ok();

    // The next start.
    ASSERT_TRUE(OpenDxccFile(memory, "data").ok()) << "step " << fail_at;
    DxccTable reloaded;
    ASSERT_TRUE(LoadDxccTable(memory, "data", reloaded).ok()) << "step " << fail_at;
    const std::string now = *memory.ReadFile("data/DXCC.DAT");
    EXPECT_TRUE(now == kOldFile || now == new_file) << "step " << fail_at;
    EXPECT_TRUE(memory.Exists("data/DXCC.RAW")) << "step " << fail_at;
    EXPECT_FALSE(memory.Exists("data/DXCC.DAT.tmp")) << "step " << fail_at;
    if (status.ok()) {
      EXPECT_EQ(now, new_file);
      EXPECT_EQ(*memory.ReadFile("data/DXCC.BAK"), kOldFile);
      EXPECT_FALSE(table.AnyChangeMarked());
    } else {
      EXPECT_EQ(status.kind(), ErrorKind::kIo);
      EXPECT_EQ(status.context().rfind("Unable to save DXCC.DAT", 0), 0u) << status.context();
      EXPECT_TRUE(table.AnyChangeMarked()) << "a failed save keeps the changes marked";
      EXPECT_TRUE(*memory.ReadFile("data/DXCC.BAK") == "an older backup" ||
                  *memory.ReadFile("data/DXCC.BAK") == kOldFile);
    }
  }
}

}  // namespace
}  // namespace brilox
