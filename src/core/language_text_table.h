// The table of language texts: the 371 texts of the language file, kept by
// position, which windows and messages read by the names of
// language_text_ids.h.  The language file reader (shell/language_file.h)
// fills it at start-up and again when the operator switches language.
// Window thread only.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/language_text_ids.h"

namespace brilox {

inline constexpr int kLanguageTextCount = 371;

// The most characters text `id` keeps; longer texts are cut to it.
int LanguageTextMaxLength(LanguageTextId id);

class LanguageTextTable {
 public:
  // Every text empty, except the error caption, which reads "Error" until a
  // language file replaces it: start-up errors need a caption before any
  // file is read.
  LanguageTextTable();

  const std::string& Get(LanguageTextId id) const { return m_texts[Index(id)]; }
  // Stores `text` cut to the text's maximum length.
  void Set(LanguageTextId id, std::string_view text);

 private:
  static std::size_t Index(LanguageTextId id);
  std::array<std::string, kLanguageTextCount> m_texts;
};

}  // namespace brilox
