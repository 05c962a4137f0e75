// The language file: comment rules, the 371 texts, the fatal messages and the
// shipped English file.
#include "shell/language_file.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "platform/memory_file_system.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

// A file of `count` texts "T1".."Tn", each after a comment line.
std::string NumberedFile(int count) {
  std::string file = "# header comment\r\n\r\n";
  for (int i = 1; i <= count; ++i) file += "# text " + std::to_string(i) + "\r\nT" + std::to_string(i) + "\r\n";
  return file;
}

struct StripCase {
  const char* name;
  std::string line;
  std::string text;
};

TEST(StripTextLine, DropsBraceCommentsAndTrailingBlanks) {
  const StripCase cases[] = {
      {"word_blanks_comment", "Word   {a comment}", "Word"},
      {"no_comment", "Start capture", "Start capture"},
      {"text_after_comment_goes", "Left {comment} right", "Left"},
      {"only_comment", "{nothing but a comment}", ""},
      {"trailing_blanks", "Text   ", "Text"},
      {"inner_blanks_kept", "A  B", "A  B"},
      {"shift_jis_brace_kept", "\x83{ {comment}", "\x83{"},
      {"shift_jis_0x96_brace_kept", "ab\x96{cd {comment}", "ab\x96{cd"},
      {"shift_jis_without_blank_brace", "\x83{abc", "\x83{abc"},
      {"other_byte_before_brace", "\x82{abc", "\x82"},
  };
  for (const StripCase& c : cases) EXPECT_EQ(StripTextLine(c.line), c.text) << c.name;
}

TEST(ParseLanguageTexts, ReadsTheTextsInOrderSkippingComments) {
  std::string file = NumberedFile(371) + "extra line after the last text\r\n";
  Result<LanguageTextTable> texts = ParseLanguageTexts(file);
  ASSERT_TRUE(texts.ok()) << texts.status().ToString();
  EXPECT_EQ(texts->Get(kTextFileMenu), "T1");
  EXPECT_EQ(texts->Get(kTextErrorCaption), "T36");
  EXPECT_EQ(texts->Get(kTextRegistryEditor5), "T371");
}

TEST(ParseLanguageTexts, TooFewTextsEndWithTheMissingLinesMessage) {
  struct Case {
    const char* name;
    std::string file;
  } cases[] = {
      {"370_texts", NumberedFile(370)},
      {"370_texts_then_comment", NumberedFile(370) + "# trailing comment\r\n"},
      {"empty_file", ""},
  };
  for (const Case& c : cases) {
    Result<LanguageTextTable> texts = ParseLanguageTexts(c.file);
    ASSERT_FALSE(texts.ok()) << c.name;
    EXPECT_EQ(texts.status().context(), "Missing line(s) in the language file, can't start BRILOX") << c.name;
  }
}

TEST(ParseLanguageTexts, AnEmptyLastLineIsAnEmptyText) {
  Result<LanguageTextTable> texts = ParseLanguageTexts(NumberedFile(370) + "\r\n");
  ASSERT_TRUE(texts.ok());
  EXPECT_EQ(texts->Get(kTextRegistryEditor5), "");
}

TEST(ParseLanguageTexts, CutsTextsToTheirMaximumAndAcceptsBareLineFeeds) {
  std::string file;
  file += std::string(30, 'x') + "\n";  // text 1 keeps 20
  for (int i = 2; i <= 371; ++i) file += "t\n";
  Result<LanguageTextTable> texts = ParseLanguageTexts(file);
  ASSERT_TRUE(texts.ok());
  EXPECT_EQ(texts->Get(kTextFileMenu), std::string(20, 'x'));
  EXPECT_EQ(texts->Get(kTextNorth), "t");
}

TEST(LanguageTextTable, ErrorCaptionIsBuiltInUntilAFileIsRead) {
  LanguageTextTable texts;
  EXPECT_EQ(texts.Get(kTextErrorCaption), "Error");
  EXPECT_EQ(texts.Get(kTextWarningCaption), "");
}

class LoadLanguageFileTest : public ::testing::Test {
 protected:
  MemoryFileSystem fs;
  RecordingMessageBox box;
};

TEST_F(LoadLanguageFileTest, ReadsTheFileOfTheCode) {
  ASSERT_TRUE(fs.WriteFile("prog/BRLMSG85.DEU", NumberedFile(371)).ok());
  Result<LoadedLanguage> loaded = LoadLanguageFile(fs, "prog", "DEU", box);
  ASSERT_TRUE(loaded.ok());
  EXPECT_EQ(loaded->file_name, "BRLMSG85.DEU");
  EXPECT_TRUE(box.shown().empty());
}

TEST_F(LoadLanguageFileTest, MissingFileAsksAndNoEndsTheStart) {
  ASSERT_TRUE(fs.WriteFile("prog/BRLMSG85.ENU", NumberedFile(371)).ok());
  box.QueueAnswer(MessageAnswer::kNo);
  Result<LoadedLanguage> loaded = LoadLanguageFile(fs, "prog", "DEU", box);
  ASSERT_FALSE(loaded.ok());
  EXPECT_EQ(loaded.status().context(), "Language file BRLMSG85.DEU not found, can't start BRILOX");
  ASSERT_EQ(box.shown().size(), 1u);
  EXPECT_EQ(box.shown()[0].kind, MessageKind::kError);
  EXPECT_EQ(box.shown()[0].caption, "Error");
  EXPECT_EQ(box.shown()[0].buttons, MessageButtons::kYesNo);
  EXPECT_EQ(box.shown()[0].text, "Language file BRLMSG85.DEU not found, try to find another language file ?");
}

TEST_F(LoadLanguageFileTest, MissingFileYesReadsAnotherLanguageFile) {
  ASSERT_TRUE(fs.WriteFile("prog/BRLMSG85.FRA", NumberedFile(371)).ok());
  ASSERT_TRUE(fs.WriteFile("prog/COUNTRY2.DAT", "x").ok());
  box.QueueAnswer(MessageAnswer::kYes);
  Result<LoadedLanguage> loaded = LoadLanguageFile(fs, "prog", "DEU", box);
  ASSERT_TRUE(loaded.ok()) << loaded.status().ToString();
  EXPECT_EQ(loaded->file_name, "BRLMSG85.FRA");
}

TEST_F(LoadLanguageFileTest, MissingFileYesWithoutAnyFileEndsTheStart) {
  ASSERT_TRUE(fs.CreateDirectories("prog").ok());
  box.QueueAnswer(MessageAnswer::kYes);
  Result<LoadedLanguage> loaded = LoadLanguageFile(fs, "prog", "DEU", box);
  ASSERT_FALSE(loaded.ok());
  EXPECT_EQ(loaded.status().context(), "No language file found, can't start BRILOX");
}

TEST_F(LoadLanguageFileTest, BinaryJunkIsRefusedWithAClearMessage) {
  // Deterministic junk: every byte value, repeated, with a few line feeds.
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 37 + 11) & 0xFF);
  ASSERT_TRUE(fs.WriteFile("prog/BRLMSG85.ENU", junk).ok());
  Result<LoadedLanguage> loaded = LoadLanguageFile(fs, "prog", "ENU", box);
  ASSERT_FALSE(loaded.ok());
  EXPECT_EQ(loaded.status().context(), "Language file BRLMSG85.ENU is not a text file, can't start BRILOX");

  // Junk without NUL bytes is too short in lines.
  std::string text_junk;
  for (int i = 0; i < 4096; ++i) text_junk += static_cast<char>(0x80 + (i * 13) % 0x7F);
  ASSERT_TRUE(fs.WriteFile("prog/BRLMSG85.ENU", text_junk).ok());
  loaded = LoadLanguageFile(fs, "prog", "ENU", box);
  ASSERT_FALSE(loaded.ok());
  EXPECT_EQ(loaded.status().context(), "Missing line(s) in the language file, can't start BRILOX");
  EXPECT_TRUE(box.shown().empty());
}

// The shipped English file: exactly 371 texts, none over its maximum, each
// with a comment that names its position and maximum as the program does.
TEST(ShippedEnglishFile, HoldsExactly371TextsWithinTheirLimits) {
  Result<std::string> content = PosixFileSystem().ReadFile(testing::ProgramDataPath("BRLMSG85.ENU"));
  ASSERT_TRUE(content.ok()) << content.status().ToString();
  ASSERT_EQ(content->find('\n'), content->find("\r\n") + 1) << "lines end with CR LF";

  const std::regex comment(R"(\{(\d+) \[(\d+)\] .+\}$)");
  LanguageFileReader reader(*content);
  int position = 0;
  std::size_t start = 0;
  while (start < content->size()) {
    const std::size_t end = content->find("\r\n", start);
    const std::string line = content->substr(start, end - start);
    start = end + 2;
    if (line.empty() || line[0] == '#') continue;
    ++position;
    ASSERT_LE(position, kLanguageTextCount) << line;
    const auto id = static_cast<LanguageTextId>(position);
    Result<std::string> text = reader.ReadNextText();
    ASSERT_TRUE(text.ok()) << "text " << position;
    EXPECT_EQ(*text, StripTextLine(line));
    EXPECT_FALSE(text->empty()) << "text " << position;
    EXPECT_LE(static_cast<int>(text->size()), LanguageTextMaxLength(id)) << "text " << position << ": " << *text;
    std::smatch match;
    ASSERT_TRUE(std::regex_search(line, match, comment)) << line;
    EXPECT_EQ(std::stoi(match[1]), position) << line;
    EXPECT_EQ(std::stoi(match[2]), LanguageTextMaxLength(id)) << line;
  }
  EXPECT_EQ(position, kLanguageTextCount);
  EXPECT_FALSE(reader.ReadNextText().ok()) << "a 372nd text";
}

TEST(ShippedEnglishFile, LoadsWithTheBuiltInCaptions) {
  RecordingMessageBox box;
  Result<LoadedLanguage> loaded =
      LoadLanguageFile(PosixFileSystem(), BRILOX_PROGRAM_DATA_DIR, "ENU", box);
  ASSERT_TRUE(loaded.ok()) << loaded.status().ToString();
  EXPECT_EQ(loaded->texts.Get(kTextStartCapture), "Start capture");
  EXPECT_EQ(loaded->texts.Get(kTextErrorCaption), "Error");
  EXPECT_EQ(loaded->texts.Get(kTextWarningCaption), "Warning");
  EXPECT_EQ(loaded->texts.Get(kTextLotwAlarmDefault), "Default (priority to paper QSL's)");
}

}  // namespace
}  // namespace brilox
