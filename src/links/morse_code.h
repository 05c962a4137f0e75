// International Morse code and the timing the announcer keys it with.
// Pure functions; any thread.
#pragma once

#include <string_view>

#include "core/settings.h"

namespace brilox {

// The dots and dashes of an ITU letter A-Z (either case), digit 0-9 or "/";
// empty for any other character, which sends nothing.
std::string_view MorsePattern(char c);

struct MorseTiming {
  int letters_per_minute = 140;
  int dot_ms = 45;  // d: a dot is d on, a dash 3d on, each followed by d off
  int tone_hz = 900;
  int word_gap_ms = 113;  // round(2.5 d), after a Morse word
};

// From `Keying`: speed 20 + 5 x step letters per minute, d = round(6250 /
// speed) ms, tone 200 + 20 x step Hz.
MorseTiming MorseTimingOf(const KeyingSettings& keying);

}  // namespace brilox
