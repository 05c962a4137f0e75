// Text typed in Unicode turned into the single-byte (or Shift-JIS double-
// byte) text the program keeps and sends.  Pure functions; any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brilox {

// One byte per character; nullopt when a character lies beyond Latin-1 or
// the text is not valid UTF-8.
std::optional<std::string> Utf8ToLatin1(std::string_view utf8);

// The Shift-JIS bytes of the text (the Japanese code page); nullopt when a
// character has none or the text is not valid UTF-8.
std::optional<std::string> Utf8ToShiftJis(std::string_view utf8);

}  // namespace brilox
