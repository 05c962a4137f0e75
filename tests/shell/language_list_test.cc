// The language list of the options dialog and the text combinations.
#include "shell/language_list.h"

#include <gtest/gtest.h>

#include "platform/memory_file_system.h"
#include "shell/language_text_combinations.h"
#include "shell/link_language_texts.h"

namespace brilox {
namespace {

TEST(LanguageList, OneEntryPerLanguageFileWithKnownNames) {
  MemoryFileSystem fs;
  ASSERT_TRUE(fs.WriteFile("prog/BRLMSG85.ENU", "x").ok());
  ASSERT_TRUE(fs.WriteFile("prog/BRLMSG85.deu", "x").ok());
  ASSERT_TRUE(fs.WriteFile("prog/BRLMSG85.XYZ", "x").ok());
  ASSERT_TRUE(fs.WriteFile("prog/BRLMSG84.FRA", "x").ok());
  ASSERT_TRUE(fs.WriteFile("prog/DXCC.RAW", "x").ok());
  LanguageList list = BuildLanguageList(fs, "prog", "DEU");
  ASSERT_EQ(list.entries.size(), 3u);
  EXPECT_EQ(list.entries[0], "ENU (english)");
  EXPECT_EQ(list.entries[1], "XYZ");
  EXPECT_EQ(list.entries[2], "DEU (german/deutsch)");
  EXPECT_EQ(list.selected, 2);
}

TEST(LanguageList, NonLatinNamesAreInTheirCodePage) {
  EXPECT_EQ(LanguageListEntry("RUS"), "RUS (russian/\xF0\xF3\xF1\xF1\xEA\xE8\xE9)");
  EXPECT_EQ(LanguageDisplayName("FRA"), "french/fran\xE7" "ais");
  EXPECT_EQ(LanguageDisplayName("JPN"), "japanese/\x93\xFA\x96{\x8C\xEA");
  EXPECT_EQ(LanguageDisplayName("ABC"), "");
}

TEST(HeadingPadding, PadsToOneLessThanTheWidth) {
  struct Case {
    const char* name;
    std::string text;
    int width;
    std::string right, left, centre;
  } cases[] = {
      {"short", "ab", 6, "ab   ", "   ab", "  ab "},
      {"odd_room", "abc", 7, "abc   ", "   abc", "  abc "},
      {"exact", "abcde", 6, "abcde", "abcde", "abcde"},
      {"too_long_not_cut", "abcdefg", 6, "abcdefg", "abcdefg", "abcdefg"},
      {"empty", "", 4, "   ", "   ", "   "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PadHeadingRight(c.text, c.width), c.right) << c.name;
    EXPECT_EQ(PadHeadingLeft(c.text, c.width), c.left) << c.name;
    EXPECT_EQ(CentreHeading(c.text, c.width), c.centre) << c.name;
  }
}

TEST(TextCombinations, BuildCaptionsFromTheTexts) {
  LanguageTextTable texts;
  texts.Set(kTextMonitor, "Monitor");
  texts.Set(kTextAlarm, "Alarm");
  texts.Set(kTextUpdateLotwFromInternet, "Update Lotw DB (Internet)");
  texts.Set(kTextSearchDxLogTitle, "Search in the dx log");
  texts.Set(kTextConfirmClearDx, "Clear the DX window ?");
  texts.Set(kTextColourTerminal, "Terminal window");
  texts.Set(kTextColourDxWindow, "DX window");
  texts.Set(kTextColourWorked, "Worked");
  texts.Set(kTextColourNewEntity, "New entity");
  texts.Set(kTextColourIotaWorked, "IOTA worked");
  texts.Set(kTextColourCountryConfirmed, "Country confirmed");

  EXPECT_EQ(TerminalMenuCaption(texts, 3), "Monitor 3");
  EXPECT_EQ(StartViewChoices(texts),
            (std::vector<std::string>{"Monitor (1)", "Monitor (2)", "Monitor (3)", "Monitor (4)", "DX", "Alarm", "LOTW"}));
  EXPECT_EQ(InternetUpdateCaption(texts, InternetUpdate::kCountry), "Update COUNTRY DB (Internet)");
  EXPECT_EQ(InternetUpdateCaption(texts, InternetUpdate::kTelnet), "Update TELNET DB (Internet)");
  EXPECT_EQ(LogTitle(texts, TrafficLog::kChat), "Search in the CHAT log");
  EXPECT_EQ(ClearLotwWindowQuestion(texts), "Clear the LOTW window ?");
  EXPECT_EQ(ColourListEntry(texts, 4), "Terminal window 4");
  EXPECT_EQ(ColourListEntry(texts, 5), "DX window");
  EXPECT_EQ(ColourListEntry(texts, 8), "Worked");
  EXPECT_EQ(ColourListEntry(texts, 11), "LoTW: Worked");
  EXPECT_EQ(ColourListEntry(texts, 13), "LoTW: New entity");
  EXPECT_EQ(ColourListEntry(texts, 14), "IOTA worked");
  EXPECT_EQ(ColourListEntry(texts, 34), "Country confirmed");
  EXPECT_EQ(TerminalFontSampleStart(texts), "Monitor + DX + Alarm");
  EXPECT_EQ(MessageCaption(texts, MessageKind::kError), "Error");
}

TEST(LinkLanguageTexts, ServesTheLinksFromTheTable) {
  LanguageTextTable table;
  table.Set(kTextConnect, "Connect");
  const LinkLanguageTexts texts(table);
  const LanguageTexts& seam = texts;
  EXPECT_EQ(seam.Text(41), "Connect");
  EXPECT_EQ(seam.Text(36), "Error");
  EXPECT_EQ(seam.Text(0), "");
  EXPECT_EQ(seam.Text(372), "");
}

}  // namespace
}  // namespace brilox
