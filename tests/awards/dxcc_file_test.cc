// The DXCC.DAT record codec: column order, the LoTW packing, the pre-LoTW
// files, the round trip and the refusal of damaged files.
#include "awards/dxcc_file.h"

#include <gtest/gtest.h>

#include "awards/dxcc_store.h"
#include "dxcc_test_records.h"
#include "platform/memory_file_system.h"

namespace brilox {
namespace {

using testing::DxccRecord;
using testing::kNothingWorked;

std::string Column(const DxccStates& states) { return std::string(states.begin(), states.end()); }

TEST(DxccRecordCodec, DecodesEveryColumnFromItsFileBytes) {
  // Paper in file order: CW SSB DI 160 80 40 30 20 17 15 12 10 6 SAT 2.
  // LoTW byte 42: 10 m "W" (1), 6 m "-" (0), SAT "A" (3), 2 m "C" (2).
  // Byte 43: paper 60 m "C" (2), LoTW 60 m "W" (1).
  const std::string bytes = DxccRecord("DL", "Fed. Rep. of Germany", "WC-AWC-AWC-AWCA",
                                       {0b00'10'01'11, 0b11'10'01'00, 0b00'00'11'10, 0b10'11'00'01}, 0b0110);
  Result<std::vector<DxccEntry>> entries = DecodeDxccFile(bytes);
  ASSERT_TRUE(entries.ok()) << entries.status().ToString();
  const DxccEntry& dl = entries->at(0);
  EXPECT_EQ(dl.prefix, "DL  ");
  EXPECT_EQ(dl.name, "Fed. Rep. of Germany");
  //                         CW SSB DI 160 80 60 40 30 20 17 15 12 10 6 2 SAT
  EXPECT_EQ(Column(dl.paper), "WC-AWCC-AWC-AWAC");
  EXPECT_EQ(Column(dl.lotw), "AWC-WWCACA--W-CA");
  EXPECT_EQ(EncodeDxccRecord(dl), bytes);
}

TEST(DxccRecordCodec, BlankLotwBytesInEveryRecordMeanAFileFromBeforeLotw) {
  const std::string old_file = DxccRecord("F", "France", "WCWCWCWCWCWCW C", {0x20, 0x20, 0x20, 0x20}, 0x20) +
                               DxccRecord("G", "England", kNothingWorked, {0x20, 0x20, 0x20, 0x20}, 0x20);
  Result<std::vector<DxccEntry>> entries = DecodeDxccFile(old_file);
  ASSERT_TRUE(entries.ok());
  EXPECT_EQ(Column(entries->at(0).lotw), std::string(16, '-'));
  EXPECT_EQ(entries->at(0).paper_state(DxccColumn::k60), '-');
  EXPECT_EQ(entries->at(0).paper_state(DxccColumn::kSatellite), ' ') << "a blank SAT byte stays a blank";

  // One record with a non-blank LoTW byte: all are decoded, a blank reads as
  // "-", "-", "C", "-".
  std::string mixed = old_file;
  mixed[kDxccRecordSize + kDxccLotwOffset] = 0x01;
  entries = DecodeDxccFile(mixed);
  ASSERT_TRUE(entries.ok());
  EXPECT_EQ(entries->at(0).lotw_state(DxccColumn::kCw), '-');
  EXPECT_EQ(entries->at(0).lotw_state(DxccColumn::kDigital), 'C');
  EXPECT_EQ(entries->at(0).lotw_state(DxccColumn::k40), 'C');
  EXPECT_EQ(entries->at(1).lotw_state(DxccColumn::kCw), 'W');
}

// The only changes a load and save may make: paper states upper-cased, a
// blank 2 m paper state becomes "-", stray bits of bytes 39 and 43 cleared.
TEST(DxccRoundTrip, LoadAndSaveWithoutChangeKeepsTheFile) {
  const std::string input = DxccRecord("3A", "Monaco", "wCa-Wc-AWC-AWC ", {0b11'00'10'01, 0xE4, 0x1B, 0x93}, 0xF9) +
                            DxccRecord("DL", "Fed. Rep. of Germany", "WWWWWWWWWWWWW W", {1, 2, 3, 0}, 0x0E) +
                            DxccRecord("VP2E", "Anguilla", kNothingWorked) +
                            DxccRecord("K", "United States", "CCCCCCCCCCCCC-C", {0x2A, 0xAA, 0xAA, 0xAA}, 0x0A);
  std::string expected = input;
  expected[24] = 'W';  // upper-cased paper states
  expected[29] = 'C';
  expected[26] = 'A';
  expected[38] = '-';  // blank 2 m paper state
  expected[39] = static_cast<char>(0b00'00'10'01);  // bits 6-7 cleared
  expected[43] = static_cast<char>(0x09);           // bits 4-7 cleared

  MemoryFileSystem fs;
  ASSERT_TRUE(fs.WriteFile("data/DXCC.DAT", input).ok());
  DxccTable table;
  ASSERT_TRUE(LoadDxccTable(fs, "data", table).ok());
  ASSERT_TRUE(SauveDXCC(fs, "data", table).ok());
  EXPECT_EQ(*fs.ReadFile("data/DXCC.DAT"), expected);
  EXPECT_EQ(*fs.ReadFile("data/DXCC.BAK"), input);
  // The unsorted order stays: nothing asked for a sort.
  EXPECT_EQ(table.row(4).prefix, "K   ");
}

TEST(DxccRoundTrip, APreLotwFileGetsZeroLotwBytes) {
  const std::string input = DxccRecord("F", "France", "WCWCWCWCWCWCW C", {0x20, 0x20, 0x20, 0x20}, 0x20);
  MemoryFileSystem fs;
  ASSERT_TRUE(fs.WriteFile("data/DXCC.DAT", input).ok());
  DxccTable table;
  ASSERT_TRUE(LoadDxccTable(fs, "data", table).ok());
  ASSERT_TRUE(SauveDXCC(fs, "data", table).ok());
  std::string expected = input;
  for (std::size_t i = kDxccLotwOffset; i < kDxccRecordSize; ++i) expected[i] = '\0';
  EXPECT_EQ(*fs.ReadFile("data/DXCC.DAT"), expected);
}

TEST(DxccLoad, RefusesDamagedFilesAndKeepsTableAndFile) {
  std::string junk;
  for (int i = 0; i < 44 * 5; ++i) junk += static_cast<char>((i * 131 + 7) & 0xFF);
  std::string too_many;
  for (int i = 0; i < 401; ++i) too_many += DxccRecord("K" + std::to_string(i), "Somewhere", kNothingWorked);
  std::string control_in_prefix = DxccRecord("DL", "Germany", kNothingWorked);
  control_in_prefix[2] = '\x07';
  std::string bad_state = DxccRecord("DL", "Germany", kNothingWorked) + DxccRecord("F", "France", "-----X---------");
  struct Case {
    const char* name;
    std::string bytes;
    std::string message;
  } cases[] = {
      {"size_not_multiple_of_44", DxccRecord("DL", "Germany", kNothingWorked) + "x",
       "DXCC.DAT is 45 bytes long, which is not a whole number of 44-byte records"},
      {"more_than_400_records", too_many, "DXCC.DAT holds 401 records, more than the 400 the DXCC database can hold"},
      {"binary_junk", junk, "DXCC.DAT record 1 is damaged: its byte 0 is 0x07"},
      {"control_byte_in_prefix", control_in_prefix, "DXCC.DAT record 1 is damaged: its byte 2 is 0x07"},
      {"unknown_paper_state", bad_state, "DXCC.DAT record 2 is damaged: its byte 29 is 0x58"},
  };
  for (const Case& c : cases) {
    MemoryFileSystem fs;
    ASSERT_TRUE(fs.WriteFile("data/DXCC.DAT", c.bytes).ok());
    DxccTable table = testing::TableOf({{"OH", "Finland"}});
    Status loaded = LoadDxccTable(fs, "data", table);
    ASSERT_FALSE(loaded.ok()) << c.name;
    EXPECT_EQ(loaded.context(), c.message) << c.name;
    EXPECT_EQ(table.count(), 1) << c.name;
    EXPECT_EQ(table.row(1).prefix, "OH  ") << c.name;
    EXPECT_EQ(*fs.ReadFile("data/DXCC.DAT"), c.bytes) << c.name;
  }
}

TEST(DxccLoad, AcceptsFourHundredRecordsAndAnEmptyFile) {
  std::string full;
  for (int i = 0; i < 400; ++i) full += DxccRecord("K" + std::to_string(i), "Somewhere", kNothingWorked);
  for (const std::string& bytes : {full, std::string()}) {
    MemoryFileSystem fs;
    ASSERT_TRUE(fs.WriteFile("data/DXCC.DAT", bytes).ok());
    DxccTable table;
    ASSERT_TRUE(LoadDxccTable(fs, "data", table).ok());
    EXPECT_EQ(static_cast<std::size_t>(table.count()) * kDxccRecordSize, bytes.size());
  }
}

}  // namespace
}  // namespace brilox
