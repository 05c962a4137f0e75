// Loading COUNTRY2.DAT: its text format, what a broken file loads, and the
// key index answering exactly as a search of the prefix lists would.
#include "spots/country_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "platform/memory_file_system.h"

namespace brilox {
namespace {

// The lookup as written down: the first entry whose list holds "#" key "#".
const CountryEntry* SearchLists(const CountryTable& table, const std::string& key) {
  for (const CountryEntry& entry : table.entries()) {
    if (entry.prefix_list.find("#" + key + "#") != std::string::npos) return &entry;
  }
  return nullptr;
}

// Every piece of every list, some neighbours joined by "#", and cuts of them.
std::set<std::string> KeysToTry(const CountryTable& table) {
  std::set<std::string> keys = {"", "#", "##", "ZZZZ"};
  for (const CountryEntry& entry : table.entries()) {
    const std::string& list = entry.prefix_list;
    for (std::size_t start = 0; start < list.size() && keys.size() < 20000; ++start) {
      for (std::size_t length = 1; length <= 7 && start + length <= list.size(); ++length) {
        keys.insert(list.substr(start, length));
      }
    }
  }
  return keys;
}

void ExpectIndexAgreesWithSearch(const CountryTable& table) {
  for (const std::string& key : KeysToTry(table)) {
    ASSERT_EQ(table.FindEntryByKey(key), SearchLists(table, key)) << '"' << key << '"';
  }
}

TEST(CountryFile, ReadsEntitiesWithTheirAccumulatedLists) {
  const CountryTable table = CountryTable::Parse(
      "/ comment line\r\n"
      "  \r\n"
      "ab\r\n"
      "#DL#DA#DB#\r\n"
      "   #DC#DD#   \r\n"
      "DL   Fed._Rep._of_Germany   28 14   -1.0 51.0 10.0 230\r\n"
      "#KH6#\r\n"
      "KH6 Hawaii 61 31 10.0 21.1 -157.5 110\r\n");
  ASSERT_EQ(table.CountryCount(), 2u);
  const CountryEntry& germany = table.entries()[0];
  EXPECT_EQ(germany.main_prefix, "DL  ");
  EXPECT_EQ(germany.name, "Fed._Rep._of_Germany");
  EXPECT_EQ(germany.itu_zone, 28);
  EXPECT_EQ(germany.waz_zone, 14);
  EXPECT_DOUBLE_EQ(germany.time_offset, -1.0);
  EXPECT_DOUBLE_EQ(germany.latitude, 51.0);
  EXPECT_DOUBLE_EQ(germany.longitude, 10.0);
  EXPECT_EQ(germany.entity, 230);
  EXPECT_EQ(germany.prefix_list, "#DL#DA#DB#DC#DD#");
  EXPECT_EQ(table.FindEntryByKey("DC"), &germany);
  EXPECT_EQ(table.FindEntryByKey("KH6"), &table.entries()[1]);
  EXPECT_EQ(table.FindEntryByKey("D"), nullptr);
  EXPECT_EQ(table.PrefixByEntity(230), "DL  ");
  EXPECT_EQ(table.PrefixByEntity(110), "KH6 ");
  EXPECT_EQ(table.PrefixByEntity(1), "");
}

TEST(CountryFile, NumbersThatDoNotReadAreZeroAndTextsAreCut) {
  const CountryTable table = CountryTable::Parse(
      "ABCDEF " + std::string(50, 'N') + " x 12.5 1,5 +45.5 -inf 0x10\n"
      "ONE\n"
      "TWO Name 1 2 3 4 5 6 7 8 9\n");
  ASSERT_EQ(table.CountryCount(), 3u);
  const CountryEntry& odd = table.entries()[0];
  EXPECT_EQ(odd.main_prefix, "ABCD");
  EXPECT_EQ(odd.name, std::string(40, 'N'));
  EXPECT_EQ(odd.itu_zone, 0);
  EXPECT_EQ(odd.waz_zone, 0);
  EXPECT_DOUBLE_EQ(odd.time_offset, 0.0);
  EXPECT_DOUBLE_EQ(odd.latitude, 45.5);
  EXPECT_DOUBLE_EQ(odd.longitude, 0.0);
  EXPECT_EQ(odd.entity, 0);
  const CountryEntry& bare = table.entries()[1];
  EXPECT_EQ(bare.main_prefix, "ONE ");
  EXPECT_EQ(bare.name, "");
  EXPECT_EQ(table.entries()[2].entity, 6);  // the eighth field; more are ignored
}

TEST(CountryFile, FirstEntryInFileOrderKeepsAKey) {
  const CountryTable table = CountryTable::Parse(
      "#K#KG4#\nK United_States 8 5 5 37 -91 291\n"
      "#KG4#\nKG4 Guantanamo_Bay 11 8 5 20 -75 105\n");
  EXPECT_EQ(table.FindEntryByKey("KG4")->entity, 291);
  ExpectIndexAgreesWithSearch(table);
}

TEST(CountryFile, EntityMapHoldsNumbers1To1000AndTheFirstEntryOfEach) {
  const CountryTable table = CountryTable::Parse(
      "AAA A 1 1 0 0 0 1000\nBBB B 1 1 0 0 0 1001\nCCC C 1 1 0 0 0 7\nDDD D 1 1 0 0 0 7\nEEE E 1 1 0 0 0 -3\n");
  EXPECT_EQ(table.PrefixByEntity(1000), "AAA ");
  EXPECT_EQ(table.PrefixByEntity(1001), "");
  EXPECT_EQ(table.PrefixByEntity(7), "CCC ");
  EXPECT_EQ(table.PrefixByEntity(-3), "");
  EXPECT_EQ(table.PrefixByEntity(0), "");
}

TEST(CountryFile, ListsWithoutTheirClosingSignOrEntityStillAnswerAsTheTextSays) {
  // The first list lacks its final "#", so its last piece runs into the next
  // line's first; a list at the end of the file belongs to no entity.
  const CountryTable table = CountryTable::Parse(
      "#A#B\n#C#D#\nAB Name 1 1 0 0 0 1\n"
      "#E##F#\nEF Name 1 1 0 0 0 2\n"
      "#G#\n");
  ASSERT_EQ(table.CountryCount(), 2u);
  EXPECT_EQ(table.entries()[0].prefix_list, "#A#BC#D#");
  EXPECT_EQ(table.FindEntryByKey("BC")->entity, 1);
  EXPECT_EQ(table.FindEntryByKey("B"), nullptr);
  EXPECT_EQ(table.FindEntryByKey("")->entity, 2);
  EXPECT_EQ(table.FindEntryByKey("E#")->entity, 2);
  EXPECT_EQ(table.FindEntryByKey("A#BC")->entity, 1);
  EXPECT_EQ(table.FindEntryByKey("G"), nullptr);
  ExpectIndexAgreesWithSearch(table);
}

std::string PseudoRandomBytes(std::size_t size, std::uint32_t seed) {
  std::string bytes(size, '\0');
  for (char& c : bytes) {
    seed = seed * 1664525u + 1013904223u;
    const std::uint32_t r = seed >> 24;
    // Enough line ends, "#" and blanks that every kind of line turns up.
    c = r < 12 ? '\n' : r < 40 ? '#' : r < 70 ? ' ' : static_cast<char>(r);
  }
  return bytes;
}

TEST(CountryFile, TenMegabytesOfBinaryLoadWithoutHarm) {
  const CountryTable table = CountryTable::Parse(PseudoRandomBytes(10u << 20, 7));
  EXPECT_GT(table.CountryCount(), 0u);
  for (const CountryEntry& entry : table.entries()) {
    ASSERT_EQ(entry.main_prefix.size(), 4u);
    ASSERT_LE(entry.name.size(), 40u);
  }
}

TEST(CountryFile, IndexAgreesWithSearchOnJunk) {
  const std::string junk = PseudoRandomBytes(64 << 10, 11) + "\n#DL##D#L#\nDL x 1 1 0 0 0 230\n";
  ExpectIndexAgreesWithSearch(CountryTable::Parse(junk));
}

TEST(CountryFile, LoadsThroughTheFileSystem) {
  MemoryFileSystem memory;
  ASSERT_TRUE(memory.WriteFile("data/COUNTRY2.DAT", "#DL#\nDL Germany 28 14 -1 51 10 230\n").ok());
  Result<CountryTable> loaded = LoadCountryFile(memory, "data/COUNTRY2.DAT");
  ASSERT_TRUE(loaded.ok());
  EXPECT_EQ(loaded->CountryCount(), 1u);
  const Result<CountryTable> missing = LoadCountryFile(memory, "data/NONE.DAT");
  EXPECT_FALSE(missing.ok());
}

}  // namespace
}  // namespace brilox
