// Reading the language file "BRLMSG85." + code of the program folder into the
// table of language texts.
//
// The file is text in the code page of its language: lines whose first
// character is "#" and empty lines are comments; on a text line a "{" starts
// a comment to the end of the line (with an exception for Shift-JIS lead
// bytes) and trailing blanks are dropped; every other line is the next text.
// The 371 texts are read in order and lines after the last are ignored.
//
// Fatal conditions (no file, too few lines) are returned as a failed Result
// whose context is the exact message start-up shows before it ends the
// program; only the question whether to look for another file goes through
// the message box.  Window thread only.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/result.h"
#include "core/language_text_table.h"
#include "shell/settings/settings_language.h"  // LanguageFileName

namespace brilox {

inline constexpr std::string_view kLanguageFileBaseName = "BRLMSG85";
inline constexpr std::string_view kMissingLanguageLinesMessage =
    "Missing line(s) in the language file, can't start BRILOX";

// Drops the comment of one text line and the blanks before it.  A "{" just
// after the byte 0x83 or 0x96 is the second byte of a Shift-JIS character; the
// comment then starts at the first " {" of the line, and without one nothing
// is removed.
std::string StripTextLine(std::string_view line);

// Hands out the texts of a language file one after the other.
class LanguageFileReader {
 public:
  explicit LanguageFileReader(std::string_view content);

  // The next text.  Fails with the missing-lines message when the file has no
  // more lines, or when its last line is a comment; an empty last line is an
  // empty text.
  Result<std::string> ReadNextText();

 private:
  bool AtEnd() const { return m_position >= m_content.size(); }
  std::string_view NextLine();

  std::string_view m_content;
  std::size_t m_position = 0;
};

// Reads the 371 texts of `content` into a fresh table.
Result<LanguageTextTable> ParseLanguageTexts(std::string_view content);

struct LoadedLanguage {
  LanguageTextTable texts;
  std::string file_name;  // the file actually read, "BRLMSG85.ENU"
};

// Start-up and language switch: reads the file for `code` from
// `program_folder`.  When it is missing, asks (caption "Error", Yes/No)
// whether to look for another language file; Yes reads the first
// "BRLMSG85.*" of the folder.  The `Language` setting is never changed here.
Result<LoadedLanguage> LoadLanguageFile(FileSystem& fs, const std::string& program_folder,
                                        std::string_view code, MessageBox& box);

}  // namespace brilox
