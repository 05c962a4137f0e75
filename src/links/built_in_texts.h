// The English texts of the positions the command lines and the main window
// read, built in so that a window never shows an empty caption: before the
// language file is loaded (tests, a start that has not got that far) and
// for a language file that lacks a text.
// Window thread only.
#pragma once

#include <string>

#include "links/link_seams.h"
#include "core/language_text_ids.h"

namespace brilox {

class BuiltInTexts final : public LanguageTexts {
 public:
  std::string Text(int number) const override;
};

// Looks `number` up in `primary` and falls back on the built-in text when it
// is empty there.
class TextsWithFallback final : public LanguageTexts {
 public:
  explicit TextsWithFallback(const LanguageTexts& primary) : m_primary(primary) {}
  std::string Text(int number) const override;

 private:
  const LanguageTexts& m_primary;
  BuiltInTexts m_builtIn;
};

}  // namespace brilox
