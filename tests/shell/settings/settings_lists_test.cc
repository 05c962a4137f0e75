// The list settings: byte 1 ends an entry, byte 2 ends a pair's second field.
#include "shell/settings/settings_lists.h"

#include <gtest/gtest.h>

#include "platform/settings_store.h"

namespace brilox {
namespace {

std::string Entries(std::initializer_list<std::string> fields) {
  std::string text;
  for (const std::string& field : fields) text += field + kListSeparator;
  return text;
}

TEST(SettingsLists, PairEntriesArePaddedToBothWidths) {
  const std::vector<CallPairEntry> links = ParseDXCClink("XX9XX\x01K\x02");
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0].call, "XX9XX       ");
  EXPECT_EQ(links[0].second, "K   ");
  const std::vector<CallPairEntry> iota = ParseIOTAlink(
      "tm0r\x01"
      "eu-064\x02"
      "abcdefghijklmnop\x01"
      "OC-1234\x02");
  ASSERT_EQ(iota.size(), 2u);
  EXPECT_EQ(iota[0].call, "TM0R        ");
  EXPECT_EQ(iota[0].second, "EU-064");
  EXPECT_EQ(iota[1].call, "ABCDEFGHIJKL");
  EXPECT_EQ(iota[1].second, "OC-123");
}

TEST(SettingsLists, FieldsAreUpperCasedCutAndPaddedPerTable) {
  const std::string text = Entries({"k1abc", "ve3/dl1abc/portable"});
  EXPECT_EQ(ParseSeekCall(text), (std::vector<CallEntry>{{"K1ABC       "}, {"VE3/DL1ABC/P"}}));
  EXPECT_EQ(ParseCallNoAlarms(text)[0].call, "K1ABC       ");
  EXPECT_EQ(ParseBadSpotter(text), (std::vector<CallEntry>{{"K1ABC"}, {"VE3/DL1ABC/P"}}));
  EXPECT_EQ(ParseMoreLotw(text)[1].call, "VE3/DL1ABC/P");
  EXPECT_EQ(ParseBadWord(Entries({"a very long bad word of thirty"}))[0].call, "A VERY LONG BAD WORD OF T");
}

TEST(SettingsLists, EmptyEntriesAndTrailingTextAreNotEntries) {
  EXPECT_EQ(ParseBadSpotter("\x01K1ABC\x01\x01W2XYZ"), (std::vector<CallEntry>{{"K1ABC"}}));
  EXPECT_TRUE(ParseBadSpotter("NOSEPARATOR").empty());
  EXPECT_TRUE(ParseDXCClink("\x01K\x02").empty());
  EXPECT_TRUE(ParseDXCClink("XX9XX\x01\x02").empty());
  EXPECT_TRUE(ParseDXCClink("XX9XX\x01K").empty());
  EXPECT_EQ(ParseDXCClink("\x01K\x02"
                          "F5XX\x01"
                          "F\x02")
                .size(),
            1u);
}

TEST(SettingsLists, TablesStopAtTheirCapacity) {
  std::string text;
  for (int i = 0; i < 12; ++i) text += "GROUP" + std::to_string(i) + kListSeparator;
  const std::vector<std::string> groups = ParseChatGroups(text);
  ASSERT_EQ(groups.size(), 10u);
  EXPECT_EQ(groups.front(), "GROUP0");
  EXPECT_EQ(groups.back(), "GROUP9");
  EXPECT_EQ(ParseMyLOTWCalls(text).size(), 8u);

  std::string many;
  for (int i = 0; i < 150; ++i) many += "C" + std::to_string(i) + kListSeparator + "P" + kPairSeparator;
  EXPECT_EQ(ParseDXCClink(many).size(), 100u);
  EXPECT_EQ(ParseSeekCall(many).size(), 100u);
}

TEST(SettingsLists, ChatGroupNamesHaveNoWidthLimit) {
  EXPECT_EQ(ParseChatGroups(Entries({"contest-group-of-many-letters"})),
            (std::vector<std::string>{"CONTEST-GROUP-OF-MANY-LETTERS"}));
}

TEST(SettingsLists, BuildersTrimAndSkipEmptyRows) {
  EXPECT_EQ(BuildList({"  k1abc ", "", "   ", "W2XYZ"}), "k1abc\x01W2XYZ\x01");
  EXPECT_EQ(BuildPairList({{" XX9XX ", " K  "}, {"", "F"}, {"F5XX", ""}}),
            "XX9XX\x01 K\x02"
            "F5XX\x01\x02");
  // A separator typed into a field would split the entry.
  EXPECT_EQ(BuildList({"K1\x01"
                       "ABC"}),
            "K1ABC\x01");
  EXPECT_EQ(BuildPairList({{"K1\x02X", "P\x01Q"}}), "K1X\x01PQ\x02");
}

TEST(SettingsLists, LoadersReadTheStoreAndTolerateAMistypedValue) {
  MemorySettingsStore store({SettingsValue::String("seekcall", Entries({"k1abc"})),
                             SettingsValue::Integer("BadWord", 7),
                             SettingsValue::String("DXCClink", "XX9XX\x01K\x02")});
  Settings settings;
  settings.BadWord = {{"OLD"}};
  LoadListSettings(settings, store);
  EXPECT_EQ(settings.SeekCall, (std::vector<CallEntry>{{"K1ABC       "}}));
  EXPECT_TRUE(settings.BadWord.empty());
  EXPECT_EQ(settings.DXCClink.size(), 1u);
  EXPECT_TRUE(settings.ChatGroups.empty());
  EXPECT_TRUE(store.WrittenNames().empty());
}

}  // namespace
}  // namespace brilox
