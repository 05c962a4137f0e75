// The atomic replace must leave the old or the new file whatever step fails.
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/memory_file_system.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

TEST(ReplaceWithBackup, EveryInterruptedStepLeavesACompleteFile) {
  for (int fail_at = 1; fail_at <= 4; ++fail_at) {
    MemoryFileSystem memory;
    ASSERT_TRUE(memory.WriteFile("d/DXCC.DAT", "old").ok());
    FaultInjectingFileSystem faulty(memory);
    faulty.FailFromMutation(fail_at);
    Status s = ReplaceWithBackup(faulty, "d/DXCC.DAT", "d/DXCC.BAK", "new content");
    RecoverAtomicReplace(memory, "d/DXCC.DAT");
    auto now = memory.ReadFile("d/DXCC.DAT");
    ASSERT_TRUE(now.ok()) << "step " << fail_at;
    EXPECT_TRUE(*now == "old" || *now == "new content") << "step " << fail_at << ": " << *now;
    if (s.ok()) {
      EXPECT_EQ(*now, "new content");
      EXPECT_EQ(*memory.ReadFile("d/DXCC.BAK"), "old");
    }
    EXPECT_FALSE(memory.Exists("d/DXCC.DAT.tmp"));
  }
}

TEST(PosixFileSystem, WritesReadsAndListsRealFiles) {
  testing::ScratchFolder scratch;
  FileSystem& fs = PosixFileSystem();
  ASSERT_TRUE(fs.CreateDirectories(scratch.File("a/b")).ok());
  ASSERT_TRUE(WriteFileAtomic(fs, scratch.File("a/b/x.txt"), "hello").ok());
  ASSERT_TRUE(fs.AppendFile(scratch.File("a/b/x.txt"), " world").ok());
  EXPECT_EQ(*fs.ReadFile(scratch.File("a/b/x.txt")), "hello world");
  EXPECT_EQ(*fs.ReadAt(scratch.File("a/b/x.txt"), 6, 100), "world");
  EXPECT_EQ(*fs.FileSize(scratch.File("a/b/x.txt")), 11u);
  EXPECT_EQ(fs.ListDirectory(scratch.File("a/b"))->size(), 1u);
  EXPECT_TRUE(fs.ReadFile(scratch.File("missing")).status().IsNotFound());
}

TEST(PosixFileSystem, UnflushedAppendsCreateAndExtendFiles) {
  testing::ScratchFolder scratch;
  FileSystem& fs = PosixFileSystem();
  ASSERT_TRUE(fs.AppendFileUnflushed(scratch.File("log.dat"), "one").ok());
  ASSERT_TRUE(fs.AppendFileUnflushed(scratch.File("log.dat"), "two").ok());
  EXPECT_EQ(*fs.ReadFile(scratch.File("log.dat")), "onetwo");
  EXPECT_FALSE(fs.AppendFileUnflushed(scratch.File("missing/log.dat"), "x").ok());

  MemoryFileSystem memory;
  FaultInjectingFileSystem faulty(memory);
  faulty.FailFromMutation(1);
  EXPECT_FALSE(faulty.AppendFileUnflushed("log.dat", "x").ok());  // counts as a mutation
  EXPECT_FALSE(memory.Exists("log.dat"));
}

TEST(Clock, DayCountsMatchTheCalendar) {
  EXPECT_DOUBLE_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0.0);
  const CivilTime c = DecodeDateTime(EncodeDateTime(2026, 12, 10, 23, 59, 59));
  EXPECT_EQ(c.year, 2026);
  EXPECT_EQ(c.month, 12);
  EXPECT_EQ(c.day, 10);
  EXPECT_EQ(c.hour, 23);
  EXPECT_EQ(c.minute, 59);
  EXPECT_EQ(c.second, 59);
}

}  // namespace
}  // namespace brilox
