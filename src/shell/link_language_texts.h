// The links read numbered language texts through their own narrow face
// (links/link_seams.h); this serves it from the program's text table.
// Window thread only.
#pragma once

#include <string>

#include "links/link_seams.h"
#include "core/language_text_table.h"

namespace brilox {

class LinkLanguageTexts final : public LanguageTexts {
 public:
  explicit LinkLanguageTexts(const LanguageTextTable& table) : m_table(table) {}
  // Position 1..371; other numbers give an empty text.
  std::string Text(int number) const override {
    if (number < 1 || number > kLanguageTextCount) return {};
    return m_table.Get(static_cast<LanguageTextId>(number));
  }

 private:
  const LanguageTextTable& m_table;
};

}  // namespace brilox
