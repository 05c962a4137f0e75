// The generator of IOTA.RAW on a sample of the public reference list: where
// the references land, how prefixes are filed, names fitted, duplicates and
// gaps handled, and region marks set.
#include "awards/iota_raw_builder.h"

#include <gtest/gtest.h>

#include "awards/dxcc_raw_builder.h"
#include "awards/dxcc_table.h"
#include "iota_test_records.h"
#include "platform/file_system.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

std::vector<std::string> ShippedMainPrefixes() {
  Result<std::string> country = PosixFileSystem().ReadFile(testing::ProgramDataPath("COUNTRY2.DAT"));
  EXPECT_TRUE(country.ok());
  std::vector<std::string> prefixes;
  for (const CountryEntityLine& line : ReadCountryEntityLines(country.ok() ? *country : "")) {
    prefixes.push_back(line.main_prefix);
  }
  return prefixes;
}

class IotaRawBuilder : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    main_prefixes = new std::vector<std::string>(ShippedMainPrefixes());
    report = new IotaRawReport(BuildIotaRaw(testing::ReadTestData("iota/iota_sample.tbl"), *main_prefixes));
  }
  static void TearDownTestSuite() {
    delete report;
    delete main_prefixes;
  }
  static const IotaEntry& At(const char* reference) {
    return report->table.entry(IotaIndexOfReference(reference));
  }
  static std::vector<std::string>* main_prefixes;
  static IotaRawReport* report;
};
std::vector<std::string>* IotaRawBuilder::main_prefixes = nullptr;
IotaRawReport* IotaRawBuilder::report = nullptr;

struct SampleRow {
  const char* reference;
  const char* prefix;
  const char* name;
  char region;
};

// What the sample's references become; the comment says why where the list
// line differs.
TEST_F(IotaRawBuilder, ListedReferencesBecomeEntries) {
  const SampleRow rows[] = {
      {"AF-001", "3B6", "Agalega Islands", ' '},
      {"AF-002", "FT5Z", "Amsterdam & St. Paul Islands", ' '},  // FT(Z)
      {"AF-004", "EA8", "Canary Islands", ' '},
      {"AS-004", "5B", "Cyprus Island", ' '},                               // first of two lines
      {"AS-031", "JD1O", "Chichijima / Mukojima / Hahajima Islands", ' '},  // alias dropped to fit
      {"EU-003", "CU", "Eastern Azores group", ' '},                        // CT8
      {"EU-005", "G", "Great Britain", 'B'},                                // not Scotland or Wales
      {"EU-115", "EI", "Ireland (Ireland / Northern Ireland)", 'B'},
      {"NA-015", "CO", "Cuba (main island)", 'W'},
      {"NA-105", "PJ7", "Sint Maarten", 'W'},
      {"NA-136", "K", "Connecticut State group", ' '},          // W, a line without its last field
      {"NA-145", "PJ5", "Sint Eustatius / Saba", 'W'},          // listed under the former PJ7 first
      {"NA-146", "FJ", "St. Barthelemy Island", 'W'},           // listed under the former FS first
      {"NA-247", "PJ7", "St. Maarten's Coastal Islands", 'W'},  // curly quote
      {"OC-040", "ZK2", "Niue Island", ' '},                    // E6
      {"SA-002", "VP8", "Falkland Islands", ' '},               // VP8(F)
      {"SA-006", "PJ4", "Bonaire", 'W'},
  };
  for (const SampleRow& row : rows) {
    SCOPED_TRACE(row.reference);
    const IotaEntry& entry = At(row.reference);
    EXPECT_EQ(entry.status, '-');
    EXPECT_EQ(entry.dxccPrefix, PadText(row.prefix, 4));
    EXPECT_EQ(entry.name, PadText(row.name, 50));
    EXPECT_EQ(entry.region, row.region);
  }
  EXPECT_TRUE(report->unknown_prefixes.empty());
}

TEST_F(IotaRawBuilder, NumbersLeftOutBelowTheHighestAreWithdrawnAndAboveItBlank) {
  for (const char* reference : {"EU-001", "EU-004", "EU-114", "AF-003", "SA-001"}) {
    EXPECT_EQ(At(reference).name, PadText(kIotaUnlistedName, 50)) << reference;
    EXPECT_TRUE(At(reference).IsWithdrawn()) << reference;
    EXPECT_EQ(At(reference).dxccPrefix, "    ") << reference;
  }
  for (const char* reference : {"EU-116", "AF-005", "AN-001", "SA-120"}) {
    EXPECT_EQ(At(reference), IotaEntry{}) << reference;
  }
}

TEST_F(IotaRawBuilder, ThePrefixMapNamesOnlyMainPrefixes) {
  for (const char* list_prefix : {"FT(Z)", "FT(E)", "UA(AS)", "UA(EU)", "VP8(H)", "VP8(S)", "KH5K", "R1(M)",
                                  "W", "3W", "XX9", "ZC4", "E51(N)", "HK0(A)", "PY0(S)", "BS7H"}) {
    EXPECT_FALSE(MainPrefixFor(list_prefix, *main_prefixes).empty()) << list_prefix;
  }
  EXPECT_EQ(MainPrefixFor("VP8(H)", *main_prefixes), "VP8S") << "South Shetland";
  EXPECT_EQ(MainPrefixFor("VP8(S)", *main_prefixes), "VP8W") << "South Sandwich";
  EXPECT_EQ(MainPrefixFor("ZZ9", *main_prefixes), "");
}

TEST(IotaRawBuilderLines, UnknownPrefixesAndUnreadableLinesAreReported) {
  const IotaRawReport report =
      BuildIotaRaw("AF-001|Somewhere|ZZ9|\r\nAF-161|Beyond the capacity|EA8|\r\nnot a line\r\n\r\n", {"EA8"});
  EXPECT_EQ(report.unknown_prefixes, std::vector<std::string>{"ZZ9"});
  EXPECT_EQ(report.table.entry(1).dxccPrefix, "    ");
  EXPECT_EQ(report.table.entry(1).name, PadText("Somewhere", 50));
  ASSERT_EQ(report.notes.size(), 2u);
  EXPECT_EQ(report.notes[0], "line 2 skipped: AF-161|Beyond the capacity|EA8|");
}

TEST(IotaRawBuilderNames, AreSingleByteAndFitTheirField) {
  EXPECT_EQ(SingleByteName("Honshu\xE2\x80\x99s Coastal Islands "), "Honshu's Coastal Islands");
  EXPECT_EQ(SingleByteName("Sa\xC3\xA3o Tom\xC3\xA9"), "Sa\xE3o Tom\xE9");
  EXPECT_EQ(SingleByteName("Isla \xE2\x98\x85"), "Isla ?");
  EXPECT_EQ(SingleByteName("broken \xC3"), "broken ?");
  const std::string long_name(60, 'x');
  EXPECT_EQ(FitIotaName(long_name), std::string(50, 'x'));
  EXPECT_EQ(FitIotaName("Short (aka kept when it fits)"), PadText("Short (aka kept when it fits)", 50));
}

TEST(IotaRawBuilderRegions, FollowTheEntity) {
  EXPECT_EQ(RegionForPrefix("GM"), 'B');
  EXPECT_EQ(RegionForPrefix("EI"), 'B');
  EXPECT_EQ(RegionForPrefix("KP4"), 'W');
  EXPECT_EQ(RegionForPrefix("PJ2"), 'W');
  EXPECT_EQ(RegionForPrefix("K"), ' ') << "mainland coasts are left unmarked";
  EXPECT_EQ(RegionForPrefix("JW"), ' ') << "Arctic groups are not told from the entity";
}

}  // namespace
}  // namespace brilox
