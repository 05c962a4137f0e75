// Finding the IOTA reference of a spot: every written form, the words that
// hide or fake a continent code, the look-ahead at the very end of a full
// comment, the spot check's call rules, and the link table.
#include "awards/iota_reference.h"

#include <gtest/gtest.h>

#include "awards/iota_table.h"

namespace brilox {
namespace {

struct ScanRow {
  const char* name;
  const char* comment;
  const char* call;
  const char* found;  // "EU-005", or "" for none
};

std::string Found(const std::optional<IotaReference>& reference) {
  if (!reference) return "";
  return IotaReferenceText(IotaTableIndex(reference->continent, reference->number));
}

class SpotCommentScan : public ::testing::TestWithParam<ScanRow> {};

TEST_P(SpotCommentScan, FindsTheReferenceTheOperatorMeant) {
  const ScanRow& row = GetParam();
  EXPECT_EQ(Found(ParseIotaReference(row.comment, row.call)), row.found) << row.comment;
}

INSTANTIATE_TEST_SUITE_P(
    Heuristics, SpotCommentScan,
    ::testing::Values(ScanRow{"Dashed", "QSX UP EU-005 TNX", "G3ABC", "EU-005"},
                      ScanRow{"WithoutSeparator", "IOTA EU005", "G3ABC", "EU-005"},
                      ScanRow{"BlankSeparator", "EU 005", "G3ABC", "EU-005"},
                      ScanRow{"TwoDigits", "EU05", "G3ABC", "EU-005"},
                      ScanRow{"TwoDigitsDashed", "EU-05 QRV", "G3ABC", "EU-005"},
                      ScanRow{"LowerCase", "iota eu-005", "G3ABC", "EU-005"},
                      ScanRow{"OneDigitIsNoForm", "EU 5", "G3ABC", ""},
                      ScanRow{"NotDeletesSixCharacters", "NOT EU-005", "G3ABC", ""},
                      ScanRow{"AfricaBeforeOceania", "OC-123 EU-005", "VK2ABC", "EU-005"},
                      ScanRow{"CodeInsideAWordIsDeleted", "ASEU-005", "G3ABC", "EU-005"},
                      ScanRow{"LetterBeforeTheCode", "XEU-005", "G3ABC", ""},
                      ScanRow{"DigitBeforeTheCode", "1EU-005", "G3ABC", ""},
                      ScanRow{"LongNumberAfterIsAFrequency", "EU-005 14025", "G3ABC", ""},
                      ScanRow{"ShortNumberAfterIsFine", "EU-005 59", "G3ABC", "EU-005"},
                      ScanRow{"ZeroIsNoReference", "EU-000", "G3ABC", ""},
                      ScanRow{"BeyondTheCapacity", "AF-170", "5H1ABC", ""},
                      ScanRow{"LastOfAContinent", "SA-120", "PY1ABC", "SA-120"},
                      ScanRow{"SsaContestIsNoReference", "SSA-EU-005", "G3ABC", "EU-005"},
                      ScanRow{"NacIsRemoved", "NAC NA-001", "W1ABC", "NA-001"},
                      ScanRow{"SecondOccurrenceAfterAReject", "EUROPE EU-005", "G3ABC", "EU-005"},
                      ScanRow{"ItalianInOceania", "OC-123", "IK1ABC", ""},
                      ScanRow{"AustralianInOceania", "OC-123", "VK2ABC", "OC-123"},
                      ScanRow{"ItalianInAfrica", "AF-018", "IH9ABC", "AF-018"},
                      ScanRow{"SpanishOnlyInEurope", "AF-004", "EA8ABC", ""},
                      ScanRow{"SpanishInEurope", "EU-004", "EA6ABC", "EU-004"},
                      ScanRow{"RussianNotInSouthAmerica", "SA-001", "RA1ABC", ""},
                      ScanRow{"BelgianCallsNever", "EU-005", "ON4ABC", ""},
                      ScanRow{"FinnishCallFine", "EU-005", "OH1ABC", "EU-005"},
                      // The comment fills its 31 characters: the checks past the end read blanks.
                      ScanRow{"AtTheVeryEnd", "ABCDEFGHIJKLMNOPQRSTUVWXYZ EU05", "G3ABC", "EU-005"},
                      ScanRow{"ThreeDigitsAtTheVeryEnd", "ABCDEFGHIJKLMNOPQRSTUVWX EU005", "G3ABC", "EU-005"},
                      ScanRow{"CutAfter31Characters", "ABCDEFGHIJKLMNOPQRSTUVWXYZ1 EU-005", "G3ABC", ""}),
    [](const ::testing::TestParamInfo<ScanRow>& info) { return std::string(info.param.name); });

TEST(IotaReferenceIndex, EuropeFiveIsIndex455) {
  const std::optional<IotaReference> found = ParseIotaReference("EU-005", "G3ABC");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(IotaTableIndex(found->continent, found->number), 455);
  EXPECT_EQ(ShortIotaText(*found), "EU5");
}

struct LinkRow {
  const char* name;
  std::vector<CallPairEntry> links;
  const char* call;
  const char* found;
};

class IotaLinkTable : public ::testing::TestWithParam<LinkRow> {};

TEST_P(IotaLinkTable, GivesTheFirstEntryThatReads) {
  const LinkRow& row = GetParam();
  EXPECT_EQ(Found(LinkedIotaReference(row.links, row.call)), row.found);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, IotaLinkTable,
    ::testing::Values(
        LinkRow{"Padded", {{"TF/G3ABC    ", "EU-021"}}, "TF/G3ABC    ", "EU-021"},
        LinkRow{"UnpaddedCall", {{"TF/G3ABC", "EU-021"}}, "TF/G3ABC    ", "EU-021"},
        LinkRow{"OtherCall", {{"TF/G3ABC", "EU-021"}}, "TF/G3ABD", ""},
        LinkRow{"CallMustBeWhole", {{"TF/G3AB", "EU-021"}}, "TF/G3ABC", ""},
        LinkRow{"NoContinentSkipsToNext", {{"K1A", "XX-001"}, {"K1A", "NA-046"}}, "K1A", "NA-046"},
        LinkRow{"NumberBeyondCapacitySkips", {{"K1A", "AN-061"}, {"K1A", "AN-016"}}, "K1A", "AN-016"},
        LinkRow{"NumberThatDoesNotRead", {{"K1A", "NA-0X1"}}, "K1A", ""},
        LinkRow{"ShortNumber", {{"K1A", "NA-46 "}}, "K1A", "NA-046"}),
    [](const ::testing::TestParamInfo<LinkRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brilox
