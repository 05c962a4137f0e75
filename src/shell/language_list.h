// The languages the program knows by name, and the language list of the
// options dialog: one entry per "BRLMSG85.*" file of the program folder.
// Window thread only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace brilox {

// The display name of a language code ("DEU" gives "german/deutsch"), in the
// code page of that language; empty for a code the program does not know.
std::string_view LanguageDisplayName(std::string_view code);

// One list entry: the code, then " (" + display name + ")" when known.
std::string LanguageListEntry(std::string_view code);

// The Japanese file needs the Shift-JIS font set-up of the windows.
inline bool IsJapaneseLanguage(std::string_view code) { return code == "JPN"; }

struct LanguageList {
  std::vector<std::string> entries;
  int selected = -1;  // the entry of the current code, -1 when none
};

// Every "BRLMSG85.*" file of `program_folder` gives one entry from its
// upper-cased extension, in the order of the folder listing.
LanguageList BuildLanguageList(FileSystem& fs, const std::string& program_folder,
                               std::string_view current_code);

}  // namespace brilox
