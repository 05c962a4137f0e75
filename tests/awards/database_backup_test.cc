// The backup of DXCC.DAT and IOTA.DAT into a chosen folder.
#include "awards/database_backup.h"

#include <gtest/gtest.h>

#include "dxcc_test_records.h"
#include "platform/memory_file_system.h"

namespace brilox {
namespace {

class BackupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs.WriteFile("data/DXCC.DAT", "dxcc bytes").ok());
    ASSERT_TRUE(fs.WriteFile("data/IOTA.DAT", "iota bytes").ok());
    ASSERT_TRUE(fs.CreateDirectories("usb").ok());
  }
  MemoryFileSystem fs;
  RecordingMessageBox box;
  LanguageTextTable texts = testing::NamedTexts();
};

TEST_F(BackupTest, CopiesBothFilesAndSaysSo) {
  ASSERT_TRUE(BackupDatabases(fs, "data", "usb", box, texts).ok());
  EXPECT_EQ(*fs.ReadFile("usb/DXCC.DAT"), "dxcc bytes");
  EXPECT_EQ(*fs.ReadFile("usb/IOTA.DAT"), "iota bytes");
  ASSERT_EQ(box.shown().size(), 1u);
  EXPECT_EQ(box.shown()[0].kind, MessageKind::kInformation);
  EXPECT_EQ(box.shown()[0].text, "Done");
}

TEST_F(BackupTest, EveryFailureIsReportedAndNeverAsDone) {
  ASSERT_TRUE(fs.Remove("data/IOTA.DAT").ok());
  EXPECT_FALSE(BackupDatabases(fs, "data", "usb", box, texts).ok());
  ASSERT_EQ(box.shown().size(), 1u);
  EXPECT_EQ(box.shown()[0].kind, MessageKind::kError);
  EXPECT_EQ(box.shown()[0].text.rfind("Backup failed\nunable to read IOTA.DAT", 0), 0u) << box.shown()[0].text;

  // A write that fails in the destination leaves no half copy there.
  for (int fail_at = 1; fail_at <= 2; ++fail_at) {
    MemoryFileSystem target;
    ASSERT_TRUE(target.WriteFile("data/DXCC.DAT", "dxcc bytes").ok());
    ASSERT_TRUE(target.WriteFile("data/IOTA.DAT", "iota bytes").ok());
    FaultInjectingFileSystem faulty(target);
    faulty.FailFromMutation(fail_at);
    box.Clear();
    EXPECT_FALSE(BackupDatabases(faulty, "data", "usb", box, texts).ok());
    EXPECT_FALSE(target.Exists("usb/DXCC.DAT")) << fail_at;
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.shown()[0].kind, MessageKind::kError);
    EXPECT_EQ(box.shown()[0].caption, "Error");
  }
}

}  // namespace
}  // namespace brilox
