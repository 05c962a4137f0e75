// The COUNTRY2.DAT that ships in data/: it must name entities as the
// entity-number table does (the DXCC database is built from that table) and
// hold every key the call-shape rules look up.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "awards/dxcc_entity_codes.h"
#include "spots/country_table.h"
#include "spots/determine_pays.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

const CountryTable& Shipped() {
  static const CountryTable table = [] {
    std::ifstream in(testing::ProgramDataPath("COUNTRY2.DAT"), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return CountryTable::Parse(text.str());
  }();
  return table;
}

std::string WithoutBlanks(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != ' ') out += c;
  }
  return out;
}

TEST(ShippedCountryFile, EveryEntityUnderItsNumbersMainPrefix) {
  std::map<int, int> seen;
  for (const CountryEntry& entry : Shipped().entries()) {
    EXPECT_EQ(WithoutBlanks(entry.main_prefix), DxccPrefixForEntity(entry.entity)) << entry.name;
    EXPECT_FALSE(IsDeletedDxccEntity(entry.entity)) << entry.name;
    EXPECT_EQ(entry.name.find(' '), std::string::npos);
    EXPECT_FALSE(entry.name.empty()) << entry.entity;
    EXPECT_GE(entry.waz_zone, 1) << entry.name;
    EXPECT_LE(entry.waz_zone, 40) << entry.name;
    EXPECT_GE(entry.itu_zone, 1) << entry.name;
    EXPECT_LE(entry.itu_zone, 90) << entry.name;
    ++seen[entry.entity];
  }
  EXPECT_GE(seen.size(), 330u);
  for (const auto& [entity, count] : seen) EXPECT_EQ(count, 1) << entity;
}

TEST(ShippedCountryFile, NoKeyInTwoLists) {
  std::map<std::string, int> owner;
  for (const CountryEntry& entry : Shipped().entries()) {
    std::istringstream pieces(entry.prefix_list);
    for (std::string piece; std::getline(pieces, piece, '#');) {
      if (piece.empty()) continue;
      const auto [it, inserted] = owner.emplace(piece, entry.entity);
      EXPECT_TRUE(inserted) << piece << " in " << it->second << " and " << entry.entity;
    }
  }
}

// "CE9" of "/ANT" stays with the South Shetland Islands, whose prefix it is
// in the public data; every other rule key finds its own entity.
TEST(ShippedCountryFile, EveryRuleKeyFindsItsEntity) {
  for (std::string_view key : RuleKeys()) {
    const CountryEntry* entry = Shipped().FindEntryByKey(key);
    ASSERT_NE(entry, nullptr) << key;
    if (key == "CE9") {
      EXPECT_EQ(entry->entity, 241);
      continue;
    }
    EXPECT_EQ(entry->entity, DxccEntityForPrefix(key)) << key;
  }
}

TEST(ShippedCountryFile, CallsResolve) {
  struct Row {
    const char* call;
    const char* prefix;
  };
  const Row rows[] = {{"DL1ABC", "DL"},   {"JA1ABC", "JA"},     {"W1AW", "K"},        {"VE3ABC", "VE"},
                      {"KH6ABC", "KH6"},  {"KL7ABC", "KL7"},    {"VK9NS", "VK9N"},    {"KG4AB", "KG4"},
                      {"KG4ABC", "K"},    {"EA8ABC", "EA8"},    {"EA5XX/8", "EA8"},   {"R9ABC", "UA9"},
                      {"UA2ABC", "UA2"},  {"RA3ABC", "UA"},     {"SV2ASP/A", "SV/A"}, {"3D2AB/C", "3D2C"},
                      {"FK8AB/C", "TX0"}, {"VP6AB/D", "VP6D"},  {"OH0ABC", "OH0"},    {"IT9ABC", "I"},
                      {"GM4ABC", "GM"},   {"W1AW/KH6", "KH6"},  {"ZL7AA", "ZL7"},     {"9M6ABC", "9M6"},
                      {"XX1ABC/ANT", "CE9"}, {"Q1ABC", "9999"}};
  for (const Row& row : rows) {
    ResolvedEntity entity;
    EXPECT_EQ(DeterminePays(Shipped(), row.call, {}, SpotMode::kSpot, entity), row.prefix) << row.call;
  }
}

TEST(ShippedCountryFile, PositionsEastPositiveAndOffsetsWestPositive) {
  ResolvedEntity entity;
  ASSERT_EQ(DeterminePays(Shipped(), "DL1ABC", {}, SpotMode::kSpot, entity), "DL");
  EXPECT_GT(entity.EntityLong, 5.0);
  EXPECT_GT(entity.EntityLat, 45.0);
  const CountryEntry* usa = Shipped().FindEntryByKey("K");
  ASSERT_NE(usa, nullptr);
  EXPECT_LT(usa->longitude, -60.0);
  EXPECT_GT(usa->time_offset, 3.0);
  EXPECT_LT(Shipped().FindEntryByKey("DL")->time_offset, 0.0);
}

}  // namespace
}  // namespace brilox
