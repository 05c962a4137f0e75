#include "awards/dxcc_entity_codes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace brilox {
namespace {

struct NumberCase {
  int entity;
  std::string_view prefix;
};

class DxccEntityCodesByNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(DxccEntityCodesByNumber, GivesTheTablePrefix) {
  EXPECT_EQ(DxccPrefixForEntity(GetParam().entity), GetParam().prefix);
}

INSTANTIATE_TEST_SUITE_P(Rows, DxccEntityCodesByNumber,
                         ::testing::Values(NumberCase{1, "VE"}, NumberCase{8, "*VQ9A"}, NumberCase{99, "FR/G"},
                                           NumberCase{180, "SV/A"}, NumberCase{291, "K"},
                                           NumberCase{522, "Z6"}, NumberCase{73, ""}, NumberCase{0, ""},
                                           NumberCase{-5, ""}, NumberCase{523, ""}, NumberCase{601, ""}),
                         [](const ::testing::TestParamInfo<NumberCase>& info) {
                           const int n = info.param.entity;
                           return (n < 0 ? "Minus" : "Entity") + std::to_string(n < 0 ? -n : n);
                         });

TEST(DxccEntityCodes, EveryCurrentPrefixLeadsBackToItsNumber) {
  std::set<std::string_view> seen;
  for (const DxccEntityCode& row : DxccEntityCodes()) {
    ASSERT_FALSE(row.prefix.empty()) << row.entity;
    ASSERT_LE(row.prefix.size(), 5u) << row.entity;
    if (IsDeletedDxccEntity(row.entity)) continue;
    if (!seen.insert(row.prefix).second) {
      // The table files 433 under the prefix of 344; the lower number answers.
      EXPECT_EQ(row.entity, 433);
      EXPECT_EQ(DxccEntityForPrefix(row.prefix), 344);
      continue;
    }
    EXPECT_EQ(DxccEntityForPrefix(row.prefix), row.entity) << row.prefix;
  }
  EXPECT_EQ(seen.size(), 340u);
}

TEST(DxccEntityCodes, PrefixLookupIgnoresPaddingAndTheDeletionMark) {
  EXPECT_EQ(DxccEntityForPrefix("DL  "), 230);
  EXPECT_EQ(DxccEntityForPrefix("KG4 "), 105);
  EXPECT_EQ(DxccEntityForPrefix("VQ9A"), 8);
  EXPECT_EQ(DxccEntityForPrefix("*VQ9A"), 8);
  EXPECT_TRUE(IsDeletedDxccEntity(8));
  EXPECT_FALSE(IsDeletedDxccEntity(33));
  EXPECT_EQ(DxccEntityForPrefix("VQ9"), 33);
  EXPECT_EQ(DxccEntityForPrefix(""), 0);
  EXPECT_EQ(DxccEntityForPrefix("    "), 0);
  EXPECT_EQ(DxccEntityForPrefix("ZZZ"), 0);
  EXPECT_EQ(DxccEntityForPrefix("dl"), 0);
}

}  // namespace
}  // namespace brilox
