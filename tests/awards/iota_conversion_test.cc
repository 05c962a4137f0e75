// The conversion of the two older IOTA.DAT layouts: where the old references
// land, what the added ones get, the last issued numbers, and the file steps
// with their refusals and failures.
#include "awards/iota_conversion.h"

#include <gtest/gtest.h>

#include "iota_test_records.h"
#include "platform/memory_file_system.h"

namespace brilox {
namespace {

using testing::IotaEntryOf;
using testing::IotaRecord;
using testing::NamedReferenceTable;

// Old position (0-based, file order) of the first reference of each continent.
constexpr int kOldEu = 0, kOldAf = 180, kOldSa = 1100;

// A status file whose byte at each old position is one of "WCA" in turn.
std::string OldStatuses() {
  std::string statuses;
  for (int i = 0; i < kIotaOldEntryCount; ++i) statuses += "WCA"[i % 3];
  return statuses;
}

TEST(IotaStatusConversion, OldReferencesKeepTheirStatusesAndEverythingElseComesFromTheReferenceFile) {
  std::string statuses = OldStatuses();
  statuses[kOldEu + 4] = 'x';  // EU-005, lower case
  const IotaTable reference = NamedReferenceTable();

  Result<ConvertedIota> converted = ConvertIotaStatuses(statuses, reference);

  ASSERT_TRUE(converted.ok()) << converted.status().ToString();
  const IotaTable& table = converted->table;
  EXPECT_EQ(table.entry(455).status, 'X');
  EXPECT_EQ(table.entry(455).name, reference.entry(455).name);
  EXPECT_EQ(table.entry(451).status, statuses[kOldEu]);        // EU-001
  EXPECT_EQ(table.entry(630).status, statuses[kOldEu + 179]);  // EU-180, the last old one
  EXPECT_EQ(table.entry(631), reference.entry(631));           // EU-181, added
  EXPECT_EQ(table.entry(1).status, statuses[kOldAf]);          // AF-001
  EXPECT_EQ(table.entry(136), reference.entry(136));           // AF-136, added
  EXPECT_EQ(table.entry(1380).status, statuses[kOldSa + 99]);  // SA-100, the very last old byte
  EXPECT_EQ(table.entry(1400), reference.entry(1400));         // SA-120
  EXPECT_EQ(converted->last_numbers, (IotaLastNumbers{220, 160, 60, 230, 280, 330, 120}));
}

TEST(IotaStatusConversion, AByteThatIsNoStatusIsRefused) {
  std::string statuses = OldStatuses();
  statuses[kOldAf] = '\0';
  Result<ConvertedIota> converted = ConvertIotaStatuses(statuses, NamedReferenceTable());
  ASSERT_FALSE(converted.ok());
  EXPECT_EQ(converted.status().context(),
            "IOTA.DAT byte 181 (AF-001) is 0x00, which is no status; conversion failed !");
}

// Last issued numbers: an old reference counts when it has a name, an added
// one only when its name does not mark it withdrawn.
TEST(IotaStatusConversion, LastNumbersSkipBlankNamesAndWithdrawnAddedReferences) {
  IotaTable reference;  // every name blank
  reference.entry(IotaTableIndex(4, 150)) = IotaEntryOf('-', "G", "Old one");
  reference.entry(IotaTableIndex(4, 170)) = IotaEntryOf('-', "G", "*Withdrawn but old");  // EU old count 180
  reference.entry(IotaTableIndex(1, 140)) = IotaEntryOf('-', "EA8", "Added one");         // AF old count 135
  reference.entry(IotaTableIndex(1, 150)) = IotaEntryOf('-', "EA8", "*Withdrawn and added");
  reference.entry(IotaTableIndex(7, 120)) = IotaEntryOf('-', "PY", " leading blank");

  Result<ConvertedIota> converted = ConvertIotaStatuses(OldStatuses(), reference);

  ASSERT_TRUE(converted.ok());
  EXPECT_EQ(converted->last_numbers, (IotaLastNumbers{170, 140, 0, 0, 0, 0, 0}));
}

// The older record layout: 1200 records of 58 bytes in the old counts.
std::string OldRecords() {
  std::string records;
  for (int i = 0; i < kIotaOldEntryCount; ++i) {
    records += IotaRecord("WCA"[i % 3], "OLD", "Old " + std::to_string(i), 'B');
  }
  return records;
}

TEST(IotaRecordConversion, WithoutAReferenceFileTheAddedReferencesStartBlank) {
  Result<ConvertedIota> converted = ConvertIotaRecords(OldRecords(), nullptr);

  ASSERT_TRUE(converted.ok()) << converted.status().ToString();
  const IotaTable& table = converted->table;
  EXPECT_EQ(table.entry(451), (IotaEntry{'W', "OLD", "Old 0", 'B'}));                // EU-001
  EXPECT_EQ(table.entry(1), (IotaEntry{"WCA"[kOldAf % 3], "OLD", "Old 180", 'B'}));  // AF-001
  EXPECT_EQ(table.entry(631), IotaEntry{}) << "EU-181 is new: status -, blank prefix, name and region";
  EXPECT_EQ(table.entry(1381), IotaEntry{});  // SA-101
  EXPECT_EQ(converted->last_numbers, (IotaLastNumbers{180, 135, 50, 200, 250, 285, 100}));
}

TEST(IotaRecordConversion, WithAReferenceFileTextsComeFromItAndStatusesStay) {
  const IotaTable reference = NamedReferenceTable();
  Result<ConvertedIota> converted = ConvertIotaRecords(OldRecords(), &reference);

  ASSERT_TRUE(converted.ok());
  const IotaEntry& eu1 = converted->table.entry(451);
  EXPECT_EQ(eu1.status, 'W');
  EXPECT_EQ(eu1.name, reference.entry(451).name);
  EXPECT_EQ(eu1.dxccPrefix, reference.entry(451).dxccPrefix);
  EXPECT_EQ(eu1.region, ' ');
  EXPECT_EQ(converted->table.entry(631), reference.entry(631));
  EXPECT_EQ(converted->last_numbers, (IotaLastNumbers{220, 160, 60, 230, 280, 330, 120}));
}

TEST(IotaRecordConversion, ADamagedOldRecordIsRefused) {
  std::string records = OldRecords();
  records[2 * kIotaRecordSize + kIotaNameLengthOffset] = 60;
  Result<ConvertedIota> converted = ConvertIotaRecords(records, nullptr);
  ASSERT_FALSE(converted.ok());
  EXPECT_EQ(converted.status().context(),
            "IOTA.DAT record 3 is damaged: its name length byte is 60, more than 50; conversion impossible.");
}

// The file steps on an in-memory data folder.
class IotaConversionFiles : public ::testing::Test {
 protected:
  static constexpr char kDat[] = "data/IOTA.DAT";
  static constexpr char kRaw[] = "data/IOTA.RAW";
  void Put(const std::string& path, const std::string& bytes) { ASSERT_TRUE(fs.WriteFile(path, bytes).ok()); }
  std::string Get(const std::string& path) { return fs.Exists(path) ? *fs.ReadFile(path) : "(missing)"; }
  MemoryFileSystem fs;
  const std::string raw = EncodeIotaFile(NamedReferenceTable());
};

TEST_F(IotaConversionFiles, TheStatusFileIsKeptAsDosAndTheNewFileLoads) {
  Put(kDat, OldStatuses());
  Put(kRaw, raw);

  Result<IotaLastNumbers> last = ConvertIotaStatusFile(fs, "data");

  ASSERT_TRUE(last.ok()) << last.status().ToString();
  EXPECT_EQ(Get("data/IOTA.DOS"), OldStatuses());
  EXPECT_EQ(Get(kRaw), raw) << "the reference file stays for later updates";
  IotaTable table;
  ASSERT_TRUE(LoadIotaTable(fs, "data", table).ok());
  EXPECT_EQ(table.entry(451).status, 'W');
  EXPECT_EQ(table.entry(451).name, NamedReferenceTable().entry(451).name);
  EXPECT_FALSE(fs.Exists("data/IOTA.DAT.tmp"));
}

TEST_F(IotaConversionFiles, TheRecordFileConvertsWithoutAReferenceFile) {
  Put(kDat, OldRecords());

  Result<IotaLastNumbers> last = ConvertIotaRecordFile(fs, "data");

  ASSERT_TRUE(last.ok()) << last.status().ToString();
  EXPECT_EQ(Get("data/IOTA.199"), OldRecords());
  IotaTable table;
  ASSERT_TRUE(LoadIotaTable(fs, "data", table).ok());
  EXPECT_EQ(table.entry(631).name, std::string(50, ' '));
}

TEST_F(IotaConversionFiles, AReferenceFileOfTheWrongSizeIsLeftOutOfTheRecordConversion) {
  Put(kDat, OldRecords());
  Put(kRaw, raw.substr(0, 1000));
  ASSERT_TRUE(ConvertIotaRecordFile(fs, "data").ok());
  IotaTable table;
  ASSERT_TRUE(LoadIotaTable(fs, "data", table).ok());
  EXPECT_EQ(table.entry(451).name, PadText("Old 0", 50));
}

struct RefusedConversion {
  const char* name;
  bool status_layout;
  void (*prepare)(MemoryFileSystem& fs, const std::string& raw);
  const char* message;
};

class IotaConversionRefusals : public IotaConversionFiles,
                               public ::testing::WithParamInterface<RefusedConversion> {};

// Every refusal comes before a file is touched.
TEST_P(IotaConversionRefusals, LeaveTheOldFileAsItWas) {
  const RefusedConversion& c = GetParam();
  const std::string old = c.status_layout ? OldStatuses() : OldRecords();
  Put(kDat, old);
  c.prepare(fs, raw);
  const auto before = fs.files();

  const Result<IotaLastNumbers> last =
      c.status_layout ? ConvertIotaStatusFile(fs, "data") : ConvertIotaRecordFile(fs, "data");

  ASSERT_FALSE(last.ok());
  EXPECT_EQ(last.status().context(), c.message);
  EXPECT_EQ(fs.files(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IotaConversionRefusals,
    ::testing::Values(RefusedConversion{"NoReferenceFile", true, [](MemoryFileSystem&, const std::string&) {},
                                        "IOTA.RAW is missing, IOTA database conversion failed !"},
                      RefusedConversion{"ReferenceFileShort", true,
                                        [](MemoryFileSystem& fs, const std::string& raw) {
                                          (void)fs.WriteFile("data/IOTA.RAW", raw.substr(1));
                                        },
                                        "IOTA.RAW must be 81200 bytes in size !"},
                      RefusedConversion{
                          "ReferenceFileDamaged", true,
                          [](MemoryFileSystem& fs, const std::string& raw) {
                            (void)fs.WriteFile("data/IOTA.RAW", std::string(1, '\0') + raw.substr(1));
                          },
                          "Error opening IOTA.RAW ! (IOTA.RAW record 1 is damaged: its status byte is 0x00)"},
                      RefusedConversion{"DosAlreadyThere", true,
                                        [](MemoryFileSystem& fs, const std::string& raw) {
                                          (void)fs.WriteFile("data/IOTA.RAW", raw);
                                          (void)fs.WriteFile("data/IOTA.DOS", "older");
                                        },
                                        "A backup file IOTA.DOS already exists, remove it first !"},
                      RefusedConversion{"Old199AlreadyThere", false,
                                        [](MemoryFileSystem& fs, const std::string&) {
                                          (void)fs.WriteFile("data/IOTA.199", "older");
                                        },
                                        "A backup file IOTA.199 already exists, remove it first !"}),
    [](const ::testing::TestParamInfo<RefusedConversion>& info) { return std::string(info.param.name); });

// A failure or crash at any file step leaves the old database whole: in
// IOTA.DAT, or kept under its old-layout name with the complete new file
// beside it, which start-up puts in place.
TEST_F(IotaConversionFiles, ACrashAtAnyStepLosesNothing) {
  for (int fail_at = 1; fail_at <= 3; ++fail_at) {
    MemoryFileSystem disk;
    ASSERT_TRUE(disk.WriteFile(kDat, OldStatuses()).ok());
    ASSERT_TRUE(disk.WriteFile(kRaw, raw).ok());
    FaultInjectingFileSystem crashing(disk);
    crashing.FailFromMutation(fail_at);

    EXPECT_FALSE(ConvertIotaStatusFile(crashing, "data").ok()) << fail_at;

    RecoverAtomicReplace(disk, kDat);
    const std::string after = *disk.ReadFile(kDat);
    if (fail_at < 3) {
      EXPECT_EQ(after, OldStatuses()) << fail_at;
      EXPECT_FALSE(disk.Exists("data/IOTA.DOS")) << fail_at;
    } else {
      EXPECT_EQ(after.size(), kIotaFileBytes);
      EXPECT_EQ(*disk.ReadFile("data/IOTA.DOS"), OldStatuses());
    }
  }
}

}  // namespace
}  // namespace brilox
