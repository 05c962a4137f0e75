// Resolution of calls to entities on a small country file: each call-shape
// rule, the swap, cancelled slashes, the 4-3-2-1 key fallback and links.
#include "spots/determine_pays.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_paths.h"

namespace brilox {
namespace {

const CountryTable& SmallTable() {
  static const CountryTable table = CountryTable::Parse(testing::ReadTestData("country/small_country.dat"));
  return table;
}

struct CallCase {
  const char* name;
  std::string call;
  std::string prefix;
  SpotMode mode = SpotMode::kSpot;
};

class DeterminePaysRules : public ::testing::TestWithParam<CallCase> {};

TEST_P(DeterminePaysRules, Resolve) {
  ResolvedEntity entity;
  EXPECT_EQ(DeterminePays(SmallTable(), GetParam().call, {}, GetParam().mode, entity), GetParam().prefix);
}

constexpr SpotMode kTyped = SpotMode::kTypedCall;

INSTANTIATE_TEST_SUITE_P(
    Calls, DeterminePaysRules,
    ::testing::Values(
        // The general case: the longest of the first 4, 3, 2, 1 characters.
        CallCase{"Plain", "DL1ABC", "DL"}, CallCase{"PaddedDxCall", "DL1ABC      ", "DL"},
        CallCase{"LowerCase", "dl1abc", "DL"}, CallCase{"ThreeCharacterKey", "KH6XYZ", "KH6"},
        CallCase{"OneCharacterKey", "W9XYZ", "K"}, CallCase{"FourCharacterKey", "VK9XY/ABC", "VK9X"},
        CallCase{"NoEntity", "QQ1ABC", "9999"}, CallCase{"Empty", "", "9999"}, CallCase{"Blanks", "   ", "9999"},
        // Portable suffixes.
        CallCase{"PortableDropped", "DL1ABC/P", "DL"}, CallCase{"MobileDropped", "DL1ABC/M", "DL"},
        CallCase{"OnlyMobileDroppedThenPortableCancels", "DL1ABC/P/M", "DL"},
        CallCase{"PortableWithDigit", "DL1ABC/P5", "DL"}, CallCase{"PortableWithTwoDigits", "DL1ABC/P12", "DL"},
        CallCase{"Qrp", "F5XX/QRP", "F"}, CallCase{"QrpShort", "F5XX/QRPP", "F"},
        CallCase{"Lighthouse", "DL1ABC/LH", "DL"}, CallCase{"LighthouseLgt", "DL1ABC/LGT", "DL"},
        CallCase{"AreaDigitCancelled", "DL1ABC/3", "DL"},
        // Beacons and mobiles: no entity in a spot; typed, a mobile is 9998 and a beacon a call.
        CallCase{"MaritimeInSpot", "DL1ABC/MM", "9999"}, CallCase{"AeroInSpot", "DL1ABC/AM", "9999"},
        CallCase{"BeaconInSpot", "EA5XX/B", "9999"}, CallCase{"BcnInSpot", "DL0ABC/BCN", "9999"},
        CallCase{"BeaconWordInSpot", "DL0ABC/BEACON", "9999"},
        CallCase{"MaritimeTyped", "DL1ABC/MM", "9998", kTyped}, CallCase{"AeroTyped", "DL1ABC/AM", "9998", kTyped},
        CallCase{"BeaconTyped", "EA5XX/B", "EA", kTyped}, CallCase{"BcnTyped", "DL0ABC/BCN", "DL", kTyped},
        CallCase{"MaritimeWithoutSlash", "DL1MM", "DL"},
        // Antarctica, whatever precedes.
        CallCase{"Antarctic", "XX1ABC/ANT", "CE9"}, CallCase{"AntarcticGerman", "DP0GVN/ANT", "CE9"},
        // The swap: home call, slash, short foreign prefix.
        CallCase{"SwapToHawaii", "W1AW/KH6", "KH6"}, CallCase{"SwapToNewCaledonia", "F5XX/FK", "FK"},
        CallCase{"SwapOneLetter", "DL1ABC/F", "F"}, CallCase{"SwapLongPrefix", "K1ABC/VE3", "VE"},
        CallCase{"NoSwapThreeLettersNoDigit", "DL1ABC/ABC", "DL"},
        CallCase{"NoSwapSlashInFirstHalf", "F/DL1ABC", "F"}, CallCase{"PrefixFirst", "KH6/W1AW", "KH6"},
        // Call-area rules.
        CallCase{"Fiji", "3D2AB", "3D2"}, CallCase{"Conway", "3D2AB/C", "3D2C"},
        CallCase{"Rotuma", "3D2AB/R", "3D2R"}, CallCase{"FijiOtherSuffix", "3D2AB/X", "3D2"},
        CallCase{"FijiPortable", "3D2AB/P", "3D2"}, CallCase{"FijiFiveLetters", "3D2CR", "3D2"},
        CallCase{"EastMalaysia6", "9M2AB/6", "9M6"}, CallCase{"EastMalaysia8", "9W2AB/8", "9M6"},
        CallCase{"WestMalaysia", "9M6AB/2", "9M2"}, CallCase{"MalaysiaOtherArea", "9M2AB/1", "9M2"},
        CallCase{"Balearic", "EA5XX/6", "EA6"}, CallCase{"Canary", "EA5XX/8", "EA8"},
        CallCase{"Ceuta", "EH5XX/9", "EA9"}, CallCase{"SpainOtherDigit", "EA8XX/1", "EA"},
        CallCase{"SpainLetterSuffix", "EA5XX/X", "EA"}, CallCase{"NewCaledonia", "FK8AB", "FK"},
        CallCase{"Chesterfield", "FK8AB/C", "TX0"}, CallCase{"ChesterfieldByPrefix", "TX0ABC", "TX0"},
        CallCase{"FrenchTx", "TX5ABC", "F"}, CallCase{"Galapagos", "HC1AB/8", "HC8"},
        CallCase{"EcuadorMainland", "HD8AB/5", "HC"}, CallCase{"EcuadorLetterSuffix", "HC8AB/X", "HC8"},
        CallCase{"Guantanamo", "KG4AB", "KG4"}, CallCase{"GuantanamoArea", "KG4AB/3", "KG4"},
        CallCase{"KG4ByTheUs", "KG4ABC", "K"}, CallCase{"KG4Alone", "KG4", "K"},
        CallCase{"HawaiianOnMainland", "KH6AB/4", "K"}, CallCase{"AlaskanOnMainland", "AL7AB/1", "K"},
        CallCase{"Alaska", "KL7AB", "KL7"}, CallCase{"Aland", "OH2AB/0", "OH0"},
        CallCase{"FinlandFromAland", "OG0AB/5", "OH"}, CallCase{"MountAthos", "SV2ASP/A", "SV/A"},
        CallCase{"Dodecanese", "SV1AB/5", "SV5"}, CallCase{"Crete", "SZ1AB/9", "SV9"},
        CallCase{"GreeceMainland", "SV5AB/1", "SV"}, CallCase{"AsiaticRussia", "RA3AB/9", "UA9"},
        CallCase{"AsiaticRussia0", "UA1AB/0", "UA9"}, CallCase{"Kaliningrad", "R1AB/2", "UA2"},
        CallCase{"EuropeanRussia", "UA9AB/3", "UA"}, CallCase{"UkrainianBlockNotRussia", "UJ8AB/2", "UA"},
        CallCase{"Norfolk", "VK9NS", "VK9N"}, CallCase{"VK9ThreeLetters", "VK9ABC", "VK"},
        CallCase{"Christmas", "VK9XX", "VK9X"}, CallCase{"LordHoweSixCharacters", "VK9DLX", "VK9L"},
        CallCase{"NorfolkWithArea", "VK9NS/2", "VK9N"}, CallCase{"VK9Alone", "VK9", "VK"},
        CallCase{"Pitcairn", "VP6AB", "VP6"}, CallCase{"Ducie", "VP6AB/D", "VP6D"},
        CallCase{"Chatham", "ZL1AB/7", "ZL7"}, CallCase{"Kermadec", "ZL1AB/8", "ZL8"},
        CallCase{"Auckland", "ZM1AB/9", "ZL9"}, CallCase{"NewZealandMainland", "ZL7AB/1", "ZL"}),
    [](const ::testing::TestParamInfo<CallCase>& info) { return std::string(info.param.name); });

TEST(DeterminePays, FillsTheEntityFieldsFromTheEntry) {
  ResolvedEntity entity;
  EXPECT_EQ(DeterminePays(SmallTable(), "EA5XX/8", {}, SpotMode::kSpot, entity), "EA8");
  EXPECT_EQ(entity.EntityKey, "EA8");
  EXPECT_EQ(entity.EntityName, "Canary_Islands");
  EXPECT_EQ(entity.WazZone, 33);
  EXPECT_DOUBLE_EQ(entity.EntityLat, 28.3);
  EXPECT_DOUBLE_EQ(entity.EntityLong, -15.8);
}

TEST(DeterminePays, NoEntityClearsTheZoneAndKeepsTheRest) {
  ResolvedEntity entity;
  ASSERT_EQ(DeterminePays(SmallTable(), "DL1ABC", {}, SpotMode::kSpot, entity), "DL");
  EXPECT_EQ(DeterminePays(SmallTable(), "QQ1ABC", {}, SpotMode::kSpot, entity), "9999");
  EXPECT_EQ(entity.WazZone, 0);
  EXPECT_EQ(entity.EntityName, "Fed._Rep._of_Germany");
  entity.WazZone = 14;
  EXPECT_EQ(DeterminePays(SmallTable(), "DL1ABC/MM", {}, SpotMode::kSpot, entity), "9999");
  EXPECT_EQ(entity.WazZone, 0);
}

// A rule's key is the answer even when the file lacks it.
TEST(DeterminePays, RuleKeyIsTheAnswerEvenWhenNoListHoldsIt) {
  const CountryTable table = CountryTable::Parse("#DL#\nDL Germany 28 14 -1 51 10 230\n");
  ResolvedEntity entity;
  EXPECT_EQ(DeterminePays(table, "EA5XX/8", {}, SpotMode::kSpot, entity), "EA8");
  EXPECT_EQ(entity.WazZone, 0);
}

TEST(DeterminePays, LinksWinOverEveryRule) {
  const std::vector<CallPairEntry> links = {{"EA5XX/8     ", "F   "}, {"DL1ABC      ", "VK9N"},
                                            {"W1AW/KH6    ", "K   "}};
  ResolvedEntity entity;
  EXPECT_EQ(DeterminePays(SmallTable(), "EA5XX/8     ", links, SpotMode::kSpot, entity), "F   ");
  EXPECT_EQ(entity.EntityName, "France");
  EXPECT_EQ(entity.EntityKey, "F");
  EXPECT_EQ(DeterminePays(SmallTable(), "W1AW/KH6", links, SpotMode::kSpot, entity), "K   ");
  // An unpadded call (a spotter, a typed call) meets its link too.
  EXPECT_EQ(DeterminePays(SmallTable(), "DL1ABC", links, SpotMode::kTypedCall, entity), "VK9N");
  EXPECT_EQ(entity.WazZone, 32);
  // Links compare the call as given, before any case change or suffix removal.
  EXPECT_EQ(DeterminePays(SmallTable(), "dl1abc", links, SpotMode::kSpot, entity), "DL");
  EXPECT_EQ(DeterminePays(SmallTable(), "DL1ABC/P", links, SpotMode::kSpot, entity), "DL");
}

TEST(DeterminePays, BlankLinkMatchesNothing) {
  const std::vector<CallPairEntry> links = {{"            ", "F   "}};
  ResolvedEntity entity;
  EXPECT_EQ(DeterminePays(SmallTable(), "            ", links, SpotMode::kSpot, entity), "9999");
}

TEST(ShapeCall, SwapsAndDropsSuffixes) {
  EXPECT_EQ(ShapeCall("w1aw/kh6", SpotMode::kSpot).working_call, "KH6/W1AW");
  EXPECT_EQ(ShapeCall("DL1ABC/P/M", SpotMode::kSpot).working_call, "DL1ABC/P");
  EXPECT_EQ(ShapeCall("ABCDEFGHIJKLMNOP", SpotMode::kSpot).working_call, "ABCDEFGHIJKL");
  EXPECT_EQ(ShapeCall("DL1ABC/MM", SpotMode::kSpot).outcome, CallShape::Outcome::kNoEntity);
  EXPECT_EQ(ShapeCall("DL1ABC/MM", SpotMode::kTypedCall).outcome, CallShape::Outcome::kMobile);
  EXPECT_EQ(ShapeCall("EA5XX/8", SpotMode::kSpot).key, "EA8");
}

}  // namespace
}  // namespace brilox
