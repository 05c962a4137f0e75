// The generator of DXCC.RAW: entity lines of the country file, current
// entities only, readable names within 20 characters.
#include "awards/dxcc_raw_builder.h"

#include <gtest/gtest.h>

#include "awards/dxcc_file.h"
#include "shell/dxcc_prefix_checks.h"
#include "awards/dxcc_store.h"
#include "platform/memory_file_system.h"
#include "spots/country_table.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

// A small country file in the COUNTRY2.DAT layout (coordinates left at 0).
constexpr char kCountryFile[] =
    "/ test country file\r\n"
    "\r\n"
    "#DL#DA#DB#DC#\r\n"
    "#DD#DJ#DK#DM#\r\n"
    "DL Germany 28 14 -1 0 0 230\r\n"
    "#K#W#N#\r\n"
    "K United_States 8 5 5 0 0 291\r\n"
    "#KG4#\r\n"
    "KG4 Guantanamo_Bay 11 8 5 0 0 105\r\n"
    "#VQ9A#\r\n"
    "VQ9A Aldabra 53 39 -4 0 0 8\r\n"
    "#DL#\r\n"
    "DL Germany_again 28 14 -1 0 0 230\r\n"
    "#3A#\r\n"
    "3A     Monaco    27   14   -1  0.0   0.0   260\r\n"
    "ab\r\n"
    "#XX9#\r\n"
    "XX9 Macao 44 24 -8 0 0 x\r\n";

TEST(BuildDxccRaw, OneSortedRowPerCurrentEntity) {
  Result<DxccRawReport> report = BuildDxccRaw(kCountryFile, {{291, "United States of America"}});
  ASSERT_TRUE(report.ok()) << report.status().ToString();
  const DxccTable& table = report->table;
  ASSERT_EQ(table.count(), 4);
  EXPECT_EQ(table.row(1).prefix, "3A  ");
  EXPECT_EQ(table.row(1).name, "Monaco              ");
  EXPECT_EQ(table.row(2).prefix, "DL  ");
  EXPECT_EQ(table.row(2).name, "Germany             ") << "the first line of an entity wins";
  EXPECT_EQ(table.row(3).prefix, "K   ") << "K before KG4";
  EXPECT_EQ(table.row(3).name, "Utd.States          ");
  EXPECT_EQ(table.row(4).name, "Guantanamo Bay      ");
  for (int row = 1; row <= table.count(); ++row) {
    EXPECT_EQ(std::string(table.row(row).paper.begin(), table.row(row).paper.end()), std::string(16, '-'));
    EXPECT_EQ(std::string(table.row(row).lotw.begin(), table.row(row).lotw.end()), std::string(16, '-'));
  }
  EXPECT_EQ(report->notes.size(), 3u) << "deleted Aldabra, second DL line, unreadable number";

  const std::string bytes = EncodeDxccFile(table);
  ASSERT_EQ(bytes.size(), 4 * kDxccRecordSize);
  EXPECT_EQ(bytes.substr(0, 24), "3A  Monaco              ");
  EXPECT_EQ(bytes.substr(24, 20), std::string(15, '-') + std::string(5, '\0'));
}

TEST(ShortenEntityName, FitsTwentyCharacters) {
  struct Case {
    const char* name;
    const char* shortened;
  } cases[] = {
      {"Germany", "Germany"},
      {"Guantanamo_Bay", "Guantanamo Bay"},
      {"The Kingdom of eSwatini (Swaziland)", "Kingdom of eSwatini"},
      {"Democratic Republic of the Congo", "Dem. Rep. of Congo"},
      {"Franz Josef Land, [Russian Territory] (FJ)", "Franz Josef Land"},
      {"Heard Island and McDonald Islands", "Heard I.& McDonald"},
      {"Sovereign Military Order of Malta", "Sov.Mil.Order"},
      {"Abcdefghijklmnopqrstuvwxyz", "Abcdefghijklmnopqrst"},
      {"Sri Lanka (Ceylon)", "Sri Lanka (Ceylon)"},
      {"Saint Pierre and Miquelon", "St.Pierre & Miquelon"},
  };
  for (const Case& c : cases) {
    const std::string shortened = ShortenEntityName(c.name);
    EXPECT_EQ(shortened, c.shortened) << c.name;
    EXPECT_LE(shortened.size(), 20u) << c.name;
  }
}

TEST(ReadEntityNames, TakesNameAndNumberFromThePipeTable) {
  const auto names = ReadEntityNames("1A|Order of Malta|EU|0|0N|0E|0|0|246||\r\nbad line\r\n3A|Monaco|EU|0|0N|0E|0|0|260||\r\n");
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0], (std::pair<int, std::string>{246, "Order of Malta"}));
  EXPECT_EQ(names[1].first, 260);
}

// The shipped DXCC.RAW: one row per entity of the shipped COUNTRY2.DAT under
// its main prefix, sorted, every state "-", and the start-up check finds
// nothing to rename or report.
TEST(ShippedDxccRaw, MatchesTheShippedCountryFile) {
  FileSystem& disk = PosixFileSystem();
  Result<CountryTable> countries = LoadCountryFile(disk, testing::ProgramDataPath("COUNTRY2.DAT"));
  ASSERT_TRUE(countries.ok());
  Result<std::string> raw = disk.ReadFile(testing::ProgramDataPath("DXCC.RAW"));
  ASSERT_TRUE(raw.ok());
  ASSERT_EQ(EncodeDxccFile(BuildDxccRaw(*disk.ReadFile(testing::ProgramDataPath("COUNTRY2.DAT")))->table), *raw)
      << "data/DXCC.RAW is not what tools/make_dxcc_raw makes of data/COUNTRY2.DAT";

  MemoryFileSystem fs;
  ASSERT_TRUE(fs.WriteFile("data/DXCC.RAW", *raw).ok());
  ASSERT_TRUE(OpenDxccFile(fs, "data").ok());
  DxccTable table;
  ASSERT_TRUE(LoadDxccTable(fs, "data", table).ok());
  ASSERT_EQ(static_cast<std::size_t>(table.count()), countries->CountryCount());
  for (int row = 1; row <= table.count(); ++row) {
    const DxccEntry& entry = table.row(row);
    if (row > 1) {
      EXPECT_LT(table.row(row - 1).prefix, entry.prefix) << entry.prefix;
    }
    EXPECT_EQ(std::string(entry.paper.begin(), entry.paper.end()), std::string(16, '-')) << entry.prefix;
    EXPECT_EQ(std::string(entry.lotw.begin(), entry.lotw.end()), std::string(16, '-')) << entry.prefix;
    EXPECT_NE(entry.name, std::string(20, ' ')) << entry.prefix;
  }
  RecordingMessageBox box;
  const LanguageTextTable texts;
  ASSERT_TRUE(CheckDxccPrefixes(table, *countries, DxccCheckContext{fs, "data", box, texts}).ok());
  EXPECT_TRUE(box.shown().empty()) << (box.shown().empty() ? "" : box.shown()[0].text);
}

}  // namespace
}  // namespace brilox
