// The IOTA.DAT record codec, the file order, the refusal of files of the
// wrong size or with damaged records, and the crash-safe save.
#include "awards/iota_file.h"

#include <gtest/gtest.h>

#include "iota_test_records.h"
#include "platform/memory_file_system.h"

namespace brilox {
namespace {

using testing::IotaEntryOf;
using testing::IotaRecord;
using testing::NamedReferenceTable;

TEST(IotaRecordCodec, FieldsSitAtTheirOffsets) {
  const IotaEntry entry = IotaEntryOf('C', "G", "Great Britain", 'B');
  const std::string record = EncodeIotaRecord(entry);
  ASSERT_EQ(record.size(), kIotaRecordSize);
  EXPECT_EQ(record, IotaRecord('C', "G   ", "Great Britain" + std::string(37, ' '), 'B'));
  EXPECT_EQ(record[kIotaPrefixLengthOffset], 4);
  EXPECT_EQ(record[kIotaNameLengthOffset], 50);
  EXPECT_EQ(record.substr(kIotaPrefixOffset, 4), "G   ");
  EXPECT_EQ(record[kIotaRegionOffset], 'B');
}

TEST(IotaRecordCodec, OnlyTheCountedCharactersBelongToATextAndCaseIsRaised) {
  // A shorter length byte with other bytes behind it, as a text once written
  // shorter leaves it; lower-case status and region.
  const std::string record = IotaRecord('w', "KH6", "Hawaii", 'a', 'Z');
  Result<std::vector<IotaEntry>> entries = DecodeIotaRecords(record, "IOTA.DAT");
  ASSERT_TRUE(entries.ok()) << entries.status().ToString();
  const IotaEntry& entry = entries->at(0);
  EXPECT_EQ(entry.status, 'W');
  EXPECT_EQ(entry.dxccPrefix, "KH6");
  EXPECT_EQ(entry.name, "Hawaii");
  EXPECT_EQ(entry.region, 'A');
  EXPECT_EQ(EncodeIotaRecord(entry), IotaRecord('W', "KH6 ", "Hawaii" + std::string(44, ' '), 'A'));
}

TEST(IotaRecordCodec, EveryStatusAndRegionOfTheLayoutReads) {
  std::string bytes;
  for (char status : std::string("-WCARXD")) bytes += IotaRecord(status, "", "", ' ');
  for (char region : std::string(" ABW")) bytes += IotaRecord('-', "", "", region);
  Result<std::vector<IotaEntry>> entries = DecodeIotaRecords(bytes, "IOTA.DAT");
  ASSERT_TRUE(entries.ok()) << entries.status().ToString();
  EXPECT_EQ(entries->size(), 11u);
  EXPECT_EQ(entries->at(6).status, 'D');
  EXPECT_EQ(entries->at(10).region, 'W');
}

TEST(IotaFileCodec, TheFileHoldsEuropeFirstAndLoadsBackIntoTableOrder) {
  const IotaTable table = NamedReferenceTable();
  const std::string bytes = EncodeIotaFile(table);
  ASSERT_EQ(bytes.size(), kIotaFileBytes);
  auto name_of_record = [&](int record) {
    return bytes.substr(static_cast<std::size_t>(record - 1) * kIotaRecordSize + kIotaNameOffset, 12);
  };
  EXPECT_EQ(name_of_record(1), "EU-001 group");
  EXPECT_EQ(name_of_record(220), "EU-220 group");
  EXPECT_EQ(name_of_record(221), "AF-001 group");
  EXPECT_EQ(name_of_record(441), "AS-001 group");
  EXPECT_EQ(name_of_record(670), "AS-230 group");
  EXPECT_EQ(name_of_record(671), "NA-001 group");
  EXPECT_EQ(name_of_record(1400), "SA-120 group");

  Result<IotaTable> decoded = DecodeIotaFile(bytes);
  ASSERT_TRUE(decoded.ok()) << decoded.status().ToString();
  for (int index = 1; index <= kIotaEntryCount; ++index) {
    ASSERT_EQ(decoded->entry(index), table.entry(index)) << IotaReferenceText(index);
  }
  EXPECT_EQ(EncodeIotaFile(*decoded), bytes);
}

struct DamagedFile {
  const char* name;
  std::size_t size;            // the file's length
  std::size_t damaged_record;  // 1-based; 0 for none
  std::size_t offset;          // byte of that record
  char byte;
  const char* message;
};

class IotaDamagedFile : public ::testing::TestWithParam<DamagedFile> {};

TEST_P(IotaDamagedFile, IsRefusedWithWhatIsWrong) {
  const DamagedFile& c = GetParam();
  std::string bytes = EncodeIotaFile(NamedReferenceTable());
  bytes.resize(c.size, ' ');
  if (c.damaged_record > 0) bytes[(c.damaged_record - 1) * kIotaRecordSize + c.offset] = c.byte;
  MemoryFileSystem fs;
  ASSERT_TRUE(fs.WriteFile("data/IOTA.DAT", bytes).ok());
  IotaTable table;
  table.entry(455) = IotaEntryOf('C', "G", "kept");

  const Status loaded = LoadIotaTable(fs, "data", table);

  EXPECT_TRUE(loaded.IsCorrupt()) << loaded.ToString();
  EXPECT_EQ(loaded.context(), c.message);
  EXPECT_EQ(table.entry(455).name, IotaEntryOf('C', "G", "kept").name) << "a refused file changes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IotaDamagedFile,
    ::testing::Values(
        DamagedFile{"Empty", 0, 0, 0, 0,
                    "IOTA.DAT is 0 bytes long; it should be 81200 (1400 records of 58 bytes)"},
        DamagedFile{"OneByteShort", 81199, 0, 0, 0,
                    "IOTA.DAT is 81199 bytes long; it should be 81200 (1400 records of 58 bytes)"},
        DamagedFile{"OneByteLong", 81201, 0, 0, 0,
                    "IOTA.DAT is 81201 bytes long; it should be 81200 (1400 records of 58 bytes)"},
        DamagedFile{"OlderLayoutSize", 69600, 0, 0, 0,
                    "IOTA.DAT is 69600 bytes long; it should be 81200 (1400 records of 58 bytes)"},
        DamagedFile{"NulStatus", 81200, 17, kIotaStatusOffset, '\0',
                    "IOTA.DAT record 17 is damaged: its status byte is 0x00"},
        DamagedFile{"UnknownStatus", 81200, 1400, kIotaStatusOffset, 'Q',
                    "IOTA.DAT record 1400 is damaged: its status byte is 0x51"},
        DamagedFile{"PrefixTooLong", 81200, 2, kIotaPrefixLengthOffset, 5,
                    "IOTA.DAT record 2 is damaged: its prefix length byte is 5, more than 4"},
        DamagedFile{"NameTooLong", 81200, 3, kIotaNameLengthOffset, 51,
                    "IOTA.DAT record 3 is damaged: its name length byte is 51, more than 50"},
        DamagedFile{"ControlInName", 81200, 4, kIotaNameOffset + 2, '\t',
                    "IOTA.DAT record 4 is damaged: its name holds the byte 0x09"},
        DamagedFile{"ControlInPrefix", 81200, 5, kIotaPrefixOffset, '\x7f',
                    "IOTA.DAT record 5 is damaged: its prefix holds the byte 0x7F"},
        DamagedFile{"UnknownRegion", 81200, 6, kIotaRegionOffset, 'Q',
                    "IOTA.DAT record 6 is damaged: its region byte is 0x51"}),
    [](const ::testing::TestParamInfo<DamagedFile>& info) { return std::string(info.param.name); });

TEST(IotaFileLoad, AMissingFileIsAnInputOutputError) {
  MemoryFileSystem fs;
  IotaTable table;
  const Status loaded = LoadIotaTable(fs, "data", table);
  EXPECT_TRUE(loaded.IsIo()) << loaded.ToString();
  EXPECT_EQ(loaded.context().rfind("Unable to read IOTA.DAT", 0), 0u) << loaded.context();
}

class IotaSave : public ::testing::Test {
 protected:
  void SetUp() override {
    old_file = EncodeIotaFile(NamedReferenceTable());
    ASSERT_TRUE(fs.WriteFile("data/IOTA.DAT", old_file).ok());
    ASSERT_TRUE(LoadIotaTable(fs, "data", table).ok());
  }
  MemoryFileSystem fs;
  IotaTable table;
  std::string old_file;
};

TEST_F(IotaSave, NormalisesTheTableWritesFileOrderAndKeepsTheOldFileAsBackup) {
  table.entry(455) = IotaEntry{'c', "G", "Great Britain", 'b'};
  table.entry(1) = IotaEntry{'W', "3B6XY", std::string(60, 'x'), ' '};
  table.entry(1400) = IotaEntry{'-', "PY", "Tab\tin name", ' '};

  ASSERT_TRUE(SaveIotaTable(fs, "data", table).ok());

  EXPECT_EQ(table.entry(455), IotaEntryOf('C', "G", "Great Britain", 'B'));
  EXPECT_EQ(table.entry(1).dxccPrefix, "3B6X");
  EXPECT_EQ(table.entry(1).name, std::string(50, 'x'));
  EXPECT_EQ(table.entry(1400).name, PadText("Tab in name", 50));
  EXPECT_EQ(*fs.ReadFile("data/IOTA.BAK"), old_file);
  const std::string saved = *fs.ReadFile("data/IOTA.DAT");
  EXPECT_EQ(saved.substr(4 * kIotaRecordSize, kIotaRecordSize), EncodeIotaRecord(table.entry(455)));
  IotaTable reloaded;
  ASSERT_TRUE(LoadIotaTable(fs, "data", reloaded).ok());
  for (int index = 1; index <= kIotaEntryCount; ++index) ASSERT_EQ(reloaded.entry(index), table.entry(index));
}

TEST_F(IotaSave, AStatusTheLoadWouldRefuseIsNotWritten) {
  table.entry(671).status = '\0';
  const Status saved = SaveIotaTable(fs, "data", table);
  EXPECT_FALSE(saved.ok());
  EXPECT_NE(saved.context().find("NA-001"), std::string::npos) << saved.context();
  EXPECT_EQ(*fs.ReadFile("data/IOTA.DAT"), old_file);
  EXPECT_FALSE(fs.Exists("data/IOTA.BAK"));
}

// A crash at any step of the save leaves a whole IOTA.DAT, old or new, once
// start-up has finished an interrupted rotation.
TEST_F(IotaSave, ACrashAtAnyStepLeavesAWholeDatabase) {
  table.entry(455).status = 'C';
  const std::string new_file = [&] {
    IotaTable copy = table;
    MemoryFileSystem scratch;
    (void)SaveIotaTable(scratch, "data", copy);
    return *scratch.ReadFile("data/IOTA.DAT");
  }();
  for (int fail_at = 1; fail_at <= 3; ++fail_at) {
    MemoryFileSystem disk;
    ASSERT_TRUE(disk.WriteFile("data/IOTA.DAT", old_file).ok());
    FaultInjectingFileSystem crashing(disk);
    crashing.FailFromMutation(fail_at);
    IotaTable copy = table;
    EXPECT_FALSE(SaveIotaTable(crashing, "data", copy).ok()) << fail_at;

    RecoverAtomicReplace(disk, "data/IOTA.DAT");
    Result<std::string> after = disk.ReadFile("data/IOTA.DAT");
    ASSERT_TRUE(after.ok()) << fail_at;
    EXPECT_TRUE(*after == old_file || *after == new_file) << fail_at;
  }
}

}  // namespace
}  // namespace brilox
