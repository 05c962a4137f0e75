#include "links/morse_code.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace brilox {

std::string_view MorsePattern(char c) {
  static constexpr std::array<std::string_view, 26> kLetters{
      ".-", "-...", "-.-.", "-..",  ".",   "..-.", "--.", "....", "..",   ".---", "-.-",  ".-..", "--",
      "-.", "---",  ".--.", "--.-", ".-.", "...",  "-",   "..-",  "...-", ".--",  "-..-", "-.--", "--.."};
  static constexpr std::array<std::string_view, 10> kDigits{"-----", ".----", "..---", "...--", "....-",
                                                            ".....", "-....", "--...", "---..", "----."};
  if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return kLetters[static_cast<std::size_t>(c - 'A')];
  if (c >= '0' && c <= '9') return kDigits[static_cast<std::size_t>(c - '0')];
  if (c == '/') return "-..-.";
  return {};
}

MorseTiming MorseTimingOf(const KeyingSettings& keying) {
  MorseTiming t;
  t.letters_per_minute = 20 + 5 * std::clamp(keying.speed_step, 0, 127);
  t.dot_ms = static_cast<int>(std::lround(6250.0 / t.letters_per_minute));
  t.tone_hz = 200 + 20 * std::clamp(keying.pitch_step, 0, 255);
  t.word_gap_ms = static_cast<int>(std::lround(2.5 * t.dot_ms));
  return t;
}

}  // namespace brilox
