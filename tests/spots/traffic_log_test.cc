// The traffic logs keep fixed records whatever text arrives and whatever
// state a crash left the file in.
#include "spots/traffic_log.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/memory_file_system.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

struct CategoryRow {
  LogCategory category;
  const char* file_name;
  std::size_t record_size;
  int line_class;
};

const CategoryRow kCategories[] = {
    {LogCategory::kDx, "DXINFO.DAT", 80, 1},           {LogCategory::kPropagation, "WWVINFO.DAT", 80, 9},
    {LogCategory::kAnnouncement, "ANNINFO.DAT", 161, 6}, {LogCategory::kChat, "CHATINFO.DAT", 161, 98},
    {LogCategory::kTalk, "TALKINFO.DAT", 161, 99},
};

TEST(LogLayout, FileNamesRecordSizesAndLineClasses) {
  for (const CategoryRow& row : kCategories) {
    EXPECT_EQ(LayoutOf(row.category).file_name, row.file_name);
    EXPECT_EQ(LayoutOf(row.category).record_size, row.record_size);
    EXPECT_EQ(LogCategoryOfLineClass(row.line_class), row.category) << row.file_name;
  }
  EXPECT_EQ(LogCategoryOfLineClass(2), LogCategory::kDx);
  EXPECT_EQ(LogCategoryOfLineClass(3), LogCategory::kPropagation);
  EXPECT_EQ(LogCategoryOfLineClass(4), LogCategory::kPropagation);
  EXPECT_EQ(LogCategoryOfLineClass(8), LogCategory::kPropagation);
  EXPECT_EQ(LogCategoryOfLineClass(5), LogCategory::kAnnouncement);
  EXPECT_EQ(LogCategoryOfLineClass(7), LogCategory::kAnnouncement);
  EXPECT_FALSE(LogCategoryOfLineClass(0).has_value());
  EXPECT_FALSE(LogCategoryOfLineClass(24).has_value());
}

TEST(LogRecord, EncodesLengthTextAndFillerAndCutsLongTexts) {
  const struct {
    const char* name;
    LogCategory category;
    std::string text;
    std::size_t stored;
  } rows[] = {
      {"empty", LogCategory::kDx, "", 0},
      {"dx line of 79", LogCategory::kDx, std::string(79, 'x'), 79},
      {"dx line too long", LogCategory::kDx, std::string(300, 'y'), 79},
      {"bulletin of 78", LogCategory::kPropagation, std::string(78, 'w'), 78},
      {"message of 160", LogCategory::kChat, std::string(160, 'c'), 160},
      {"message too long", LogCategory::kTalk, std::string(161, 't'), 160},
      {"control bytes", LogCategory::kAnnouncement, std::string("a\0b\r\n\x1b[0m\xff", 10), 10},
  };
  for (const auto& row : rows) {
    const LogFileLayout layout = LayoutOf(row.category);
    const std::string record = EncodeLogRecord(layout, row.text);
    ASSERT_EQ(record.size(), layout.record_size) << row.name;
    EXPECT_EQ(static_cast<unsigned char>(record[0]), row.stored) << row.name;
    EXPECT_EQ(record.substr(1, row.stored), row.text.substr(0, row.stored)) << row.name;
    EXPECT_EQ(record.find_first_not_of('\0', 1 + row.stored), std::string::npos) << row.name;
    EXPECT_EQ(DecodeLogRecord(layout, record), row.text.substr(0, row.stored)) << row.name;
  }
}

TEST(LogRecord, DecodeReadsOnlyTheFirstNCharactersAndSurvivesDamage) {
  const LogFileLayout dx = LayoutOf(LogCategory::kDx);
  std::string record(80, 'z');
  record[0] = 5;
  EXPECT_EQ(DecodeLogRecord(dx, record), "zzzzz");
  record[0] = static_cast<char>(200);  // beyond the 79 characters a DX record holds
  EXPECT_EQ(DecodeLogRecord(dx, record), std::string(79, 'z'));
  EXPECT_EQ(DecodeLogRecord(dx, record.substr(0, 10)), std::string(9, 'z'));
  EXPECT_EQ(DecodeLogRecord(dx, ""), "");
}

TEST(LogDecision, OnlyNewLinesOfWantedCategoriesAndNoTestSpots) {
  BroadcastKinds disk;
  EXPECT_TRUE(ShouldAppendLogRecord(disk, LogCategory::kDx, true, false));
  EXPECT_FALSE(ShouldAppendLogRecord(disk, LogCategory::kDx, false, false));
  EXPECT_FALSE(ShouldAppendLogRecord(disk, LogCategory::kDx, true, true));
  EXPECT_TRUE(ShouldAppendLogRecord(disk, LogCategory::kChat, true, true));  // only spots are simulated

  disk.chat = false;
  EXPECT_FALSE(ShouldAppendLogRecord(disk, LogCategory::kChat, true, false));
  EXPECT_TRUE(ShouldAppendLogRecord(disk, LogCategory::kTalk, true, false));
  disk = BroadcastKinds{false, false, false, false, false};
  for (LogCategory category : kAllLogCategories) {
    EXPECT_FALSE(ShouldAppendLogRecord(disk, category, true, false));
  }
}

class TrafficLogTest : public ::testing::Test {
 protected:
  MemoryFileSystem m_fs;
  TrafficLog m_log{m_fs, "data"};
};

TEST_F(TrafficLogTest, AppendsRecordsOnTheirBoundariesAndReadsThemByNumber) {
  for (const CategoryRow& row : kCategories) {
    const LogCategory c = row.category;
    ASSERT_TRUE(m_log.AppendLogRecord(c, "first").ok());
    ASSERT_TRUE(m_log.AppendLogRecord(c, std::string(400, 'L')).ok());
    ASSERT_TRUE(m_log.AppendLogRecord(c, "").ok());
    ASSERT_TRUE(m_log.AppendLogRecord(c, "last").ok());
    EXPECT_EQ(m_fs.files()[std::string("data/") + row.file_name].size(), 4 * row.record_size);
    EXPECT_EQ(*m_log.RecordCount(c), 4u);
    EXPECT_EQ(*m_log.ReadLogRecord(c, 0), "first");
    EXPECT_EQ(*m_log.ReadLogRecord(c, 1), std::string(row.record_size - 1, 'L'));
    EXPECT_EQ(*m_log.ReadLogRecord(c, 2), "");
    EXPECT_EQ(*m_log.ReadLogRecord(c, 3), "last");
    EXPECT_TRUE(m_log.ReadLogRecord(c, 4).status().IsNotFound());

    const auto page = m_log.ReadLogRecords(c, 2, 10);
    ASSERT_TRUE(page.ok());
    ASSERT_EQ(page->size(), 2u);
    EXPECT_EQ((*page)[1], "last");
    EXPECT_TRUE(m_log.ReadLogRecords(c, 9, 3)->empty());
  }
}

TEST_F(TrafficLogTest, MissingFilesHoldNoRecordsAndAreCreated) {
  EXPECT_EQ(*m_log.RecordCount(LogCategory::kTalk), 0u);
  EXPECT_TRUE(m_log.ReadLogRecord(LogCategory::kTalk, 0).status().IsNotFound());
  ASSERT_TRUE(m_log.CreateMissingLogFiles().ok());
  for (const CategoryRow& row : kCategories) {
    EXPECT_EQ(m_fs.files().at(std::string("data/") + row.file_name), "");
  }
  ASSERT_TRUE(m_log.AppendLogRecord(LogCategory::kChat, "x").ok());
  ASSERT_TRUE(m_log.CreateMissingLogFiles().ok());  // leaves existing logs alone
  EXPECT_EQ(*m_log.RecordCount(LogCategory::kChat), 1u);
}

TEST_F(TrafficLogTest, ABrokenTailFromACrashIsDroppedBeforeTheNextRecord) {
  ASSERT_TRUE(m_log.AppendLogRecord(LogCategory::kDx, "one").ok());
  ASSERT_TRUE(m_log.AppendLogRecord(LogCategory::kDx, "two").ok());
  std::string& file = m_fs.files()["data/DXINFO.DAT"];
  file += EncodeLogRecord(LayoutOf(LogCategory::kDx), "torn").substr(0, 33);
  EXPECT_EQ(*m_log.RecordCount(LogCategory::kDx), 2u);

  ASSERT_TRUE(m_log.AppendLogRecord(LogCategory::kDx, "three").ok());
  EXPECT_EQ(m_fs.files()["data/DXINFO.DAT"].size(), 3 * kDxRecordSize);
  EXPECT_EQ(*m_log.ReadLogRecord(LogCategory::kDx, 1), "two");
  EXPECT_EQ(*m_log.ReadLogRecord(LogCategory::kDx, 2), "three");
  EXPECT_FALSE(m_fs.Exists("data/DXINFO.DAT.tmp"));
}

TEST_F(TrafficLogTest, AFailedWriteIsReportedAndLeavesTheFileWhole) {
  ASSERT_TRUE(m_log.AppendLogRecord(LogCategory::kAnnouncement, "kept").ok());
  FaultInjectingFileSystem faulty(m_fs);
  faulty.FailFromMutation(1);
  TrafficLog failing(faulty, "data");
  EXPECT_FALSE(failing.AppendLogRecord(LogCategory::kAnnouncement, "lost").ok());
  EXPECT_EQ(*m_log.RecordCount(LogCategory::kAnnouncement), 1u);
  EXPECT_EQ(*m_log.ReadLogRecord(LogCategory::kAnnouncement, 0), "kept");
}

TEST_F(TrafficLogTest, RecordsWithDamagedLengthBytesStillRead) {
  ASSERT_TRUE(m_log.AppendLogRecord(LogCategory::kPropagation, "ok").ok());
  std::string damaged(kPropagationRecordSize, 'd');
  damaged[0] = static_cast<char>(255);
  m_fs.files()["data/WWVINFO.DAT"] += damaged;
  EXPECT_EQ(*m_log.ReadLogRecord(LogCategory::kPropagation, 1), std::string(79, 'd'));
  EXPECT_EQ(*m_log.ReadLogRecord(LogCategory::kPropagation, 0), "ok");
}

TEST(TrafficLogOnDisk, RecordsReadBackFromRealFiles) {
  testing::ScratchFolder scratch;
  TrafficLog log(PosixFileSystem(), scratch.path());
  ASSERT_TRUE(log.CreateMissingLogFiles().ok());
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(log.AppendLogRecord(LogCategory::kTalk, std::to_string(i)).ok());
  EXPECT_EQ(*PosixFileSystem().FileSize(scratch.File("TALKINFO.DAT")), 3 * kMessageRecordSize);
  EXPECT_EQ(*log.ReadLogRecord(LogCategory::kTalk, 2), "2");
}

}  // namespace
}  // namespace brilox
