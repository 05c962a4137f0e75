#include "core/language_text_table.h"

#include <cassert>
#include <cstdint>

namespace brilox {
namespace {

// Maximum length of each text, position 1 first.
constexpr std::array<std::uint8_t, kLanguageTextCount> kMaxLengths = {
    20, 22, 20, 20, 20, 20, 20, 20, 20, 20,  // 1..10
    20, 20, 20, 20, 20, 20, 20, 20, 35, 35,  // 11..20
    35, 35, 35, 35, 35, 20, 20, 20, 20, 40,  // 21..30
    20, 30, 21, 21, 21, 21, 10, 10, 10, 10,  // 31..40
    10, 12, 30, 25, 25, 25, 30, 40, 40, 40,  // 41..50
    40, 30, 30, 30, 40, 40, 40, 30, 11, 9,  // 51..60
    20, 12, 20, 12, 12, 12, 12, 50, 70, 15,  // 61..70
    50, 25, 40, 12, 15, 12, 12, 40, 40, 30,  // 71..80
    20, 30, 25, 15, 30, 25, 25, 25, 12, 12,  // 81..90
    12, 12, 30, 50, 50, 40, 30, 30, 12, 12,  // 91..100
    12, 8, 8, 8, 15, 15, 30, 70, 70, 80,  // 101..110
    30, 7, 30, 12, 30, 40, 15, 15, 80, 30,  // 111..120
    9, 15, 15, 15, 15, 15, 25, 30, 20, 20,  // 121..130
    30, 50, 40, 12, 12, 12, 12, 12, 60, 60,  // 131..140
    40, 30, 50, 12, 12, 40, 40, 60, 60, 60,  // 141..150
    25, 10, 30, 30, 30, 30, 30, 40, 30, 70,  // 151..160
    80, 12, 12, 12, 12, 20, 40, 30, 40, 40,  // 161..170
    30, 20, 50, 60, 35, 30, 80, 80, 80, 30,  // 171..180
    12, 12, 12, 12, 12, 12, 13, 12, 12, 12,  // 181..190
    13, 12, 20, 20, 10, 15, 15, 10, 11, 10,  // 191..200
    15, 15, 20, 10, 30, 70, 40, 60, 30, 30,  // 201..210
    30, 30, 30, 30, 80, 80, 80, 80, 50, 50,  // 211..220
    50, 50, 70, 70, 35, 60, 60, 22, 60, 45,  // 221..230
    13, 80, 60, 60, 40, 30, 25, 33, 50, 75,  // 231..240
    70, 45, 45, 25, 45, 45, 25, 20, 12, 50,  // 241..250
    50, 30, 10, 25, 20, 25, 40, 40, 40, 40,  // 251..260
    25, 50, 65, 20, 10, 12, 12, 12, 12, 20,  // 261..270
    20, 20, 15, 15, 15, 30, 20, 20, 20, 1,  // 271..280
    1, 20, 1, 1, 50, 30, 6, 30, 60, 25,  // 281..290
    45, 30, 45, 30, 30, 25, 15, 15, 25, 25,  // 291..300
    11, 20, 15, 15, 15, 12, 12, 60, 60, 60,  // 301..310
    60, 60, 60, 60, 60, 60, 60, 60, 60, 60,  // 311..320
    60, 60, 60, 60, 60, 60, 60, 60, 60, 60,  // 321..330
    60, 60, 60, 60, 60, 60, 40, 60, 70, 70,  // 331..340
    40, 30, 50, 15, 25, 60, 30, 50, 50, 50,  // 341..350
    50, 70, 30, 40, 70, 70, 70, 70, 70, 20,  // 351..360
    30, 50, 60, 60, 50, 50, 80, 50, 50, 40,  // 361..370
    40,  // 371..371
};

}  // namespace

int LanguageTextMaxLength(LanguageTextId id) {
  const int position = static_cast<int>(id);
  if (position < 1 || position > kLanguageTextCount) return 0;
  return kMaxLengths[static_cast<std::size_t>(position - 1)];
}

LanguageTextTable::LanguageTextTable() { m_texts[Index(kTextErrorCaption)] = "Error"; }

void LanguageTextTable::Set(LanguageTextId id, std::string_view text) {
  const auto limit = static_cast<std::size_t>(LanguageTextMaxLength(id));
  m_texts[Index(id)] = std::string(text.substr(0, limit));
}

std::size_t LanguageTextTable::Index(LanguageTextId id) {
  assert(static_cast<int>(id) >= 1 && static_cast<int>(id) <= kLanguageTextCount);
  return static_cast<std::size_t>(static_cast<int>(id) - 1);
}

}  // namespace brilox
