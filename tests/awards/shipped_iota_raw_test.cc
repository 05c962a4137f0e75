// The delivered data/IOTA.RAW: a whole 1400-record file with the known
// references at their table indexes, every status "-", every prefix a main
// prefix of the delivered COUNTRY2.DAT, and names that let the reference
// update count the last issued numbers right.
#include <gtest/gtest.h>

#include <algorithm>

#include "awards/dxcc_raw_builder.h"
#include "awards/dxcc_table.h"
#include "awards/iota_file.h"
#include "iota_test_records.h"
#include "platform/file_system.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

class ShippedIotaRaw : public ::testing::Test {
 protected:
  void SetUp() override {
    Result<std::string> bytes = PosixFileSystem().ReadFile(testing::ProgramDataPath("IOTA.RAW"));
    ASSERT_TRUE(bytes.ok()) << bytes.status().ToString();
    Result<IotaTable> decoded = DecodeIotaFile(*bytes, "IOTA.RAW");
    ASSERT_TRUE(decoded.ok()) << decoded.status().ToString();
    table = std::move(decoded).value();
  }
  IotaTable table;
};

TEST_F(ShippedIotaRaw, KnownReferencesSitAtTheirIndexes) {
  struct Known {
    int index;
    const char* prefix;
    const char* name;
  };
  const Known known[] = {
      {1, "3B6", "Agalega Islands"},           // AF-001
      {4, "EA8", "Canary Islands"},            // AF-004
      {455, "G", "Great Britain"},             // EU-005
      {451, "SV5", "Dodecanese"},              // EU-001
      {1281, "CE0A", "Easter Island"},         // SA-001
      {671, "C6", "Great Bahama Bank group"},  // NA-001
  };
  for (const Known& k : known) {
    SCOPED_TRACE(IotaReferenceText(k.index));
    EXPECT_EQ(table.entry(k.index).dxccPrefix, PadText(k.prefix, 4));
    EXPECT_EQ(table.entry(k.index).name, PadText(k.name, 50));
  }
  EXPECT_EQ(table.entry(455).region, 'B');
  EXPECT_EQ(table.entry(1400), IotaEntry{}) << "SA-120 is not issued";
}

TEST_F(ShippedIotaRaw, EveryEntryIsFreshAndFiledUnderAMainPrefix) {
  Result<std::string> country = PosixFileSystem().ReadFile(testing::ProgramDataPath("COUNTRY2.DAT"));
  ASSERT_TRUE(country.ok());
  std::vector<std::string> main_prefixes;
  for (const CountryEntityLine& line : ReadCountryEntityLines(*country)) {
    main_prefixes.push_back(PadText(line.main_prefix, 4));
  }
  for (int index = 1; index <= kIotaEntryCount; ++index) {
    const IotaEntry& entry = table.entry(index);
    SCOPED_TRACE(IotaReferenceText(index));
    ASSERT_EQ(entry.status, '-');
    ASSERT_EQ(entry.dxccPrefix.size(), 4u);
    ASSERT_EQ(entry.name.size(), 50u);
    if (entry.IsIssued() && !entry.IsWithdrawn()) {
      ASSERT_NE(std::find(main_prefixes.begin(), main_prefixes.end(), entry.dxccPrefix), main_prefixes.end())
          << entry.dxccPrefix;
    }
  }
}

// The reference update counts the named entries of each continent as its
// last issued number, so every number up to the highest named one must carry
// a name (withdrawn ones too) and none above it.
TEST_F(ShippedIotaRaw, NamedEntriesOfEachContinentRunWithoutGaps) {
  for (int continent = 1; continent <= kIotaContinentCount; ++continent) {
    const IotaContinent& c = IotaContinentAt(continent);
    int named = 0;
    int highest = 0;
    for (int number = 1; number <= c.capacity; ++number) {
      if (table.entry(IotaTableIndex(continent, number)).IsIssued()) {
        ++named;
        highest = number;
      }
    }
    EXPECT_EQ(named, highest) << c.code;
    EXPECT_GT(highest, 0) << c.code;
  }
}

}  // namespace
}  // namespace brilox
