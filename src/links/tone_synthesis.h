// The samples of a tone and of silence, mono signed 16-bit.  A tone rises
// and falls over a raised-cosine edge of about 5 ms so that Morse keying
// does not click; its length stays the one asked for, so the timing of
// dots, dashes and gaps is kept.  Pure functions; any thread.
#pragma once

#include <cstdint>
#include <vector>

namespace brilox {

inline constexpr int kToneEdgeMs = 5;
inline constexpr std::int16_t kToneAmplitude = 16000;  // about half of full scale

// Appends `ms` milliseconds of a `hz` tone at `sample_rate`.
void AppendTone(std::vector<std::int16_t>& out, int hz, int ms, int sample_rate);
// Appends `ms` milliseconds of silence.
void AppendSilence(std::vector<std::int16_t>& out, int ms, int sample_rate);

}  // namespace brilox
