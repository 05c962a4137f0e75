// WAV images: the RIFF files of the sound bank, read from memory.  Only
// uncompressed PCM is taken (8-bit unsigned or 16-bit signed, mono or
// stereo, 1 kHz to 192 kHz); anything else is refused with a message that
// says why, so that a broken file is never played as noise.  The samples
// are then converted to what the audio output plays: mono, signed 16-bit,
// at its rate.
//
// Pure functions; any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace brilox {

struct PcmSound {
  int sample_rate = 0;
  std::vector<std::int16_t> samples;  // mono
};

// The sound of a WAV image, mixed down to mono 16-bit at its own rate.
Result<PcmSound> ReadWavImage(std::string_view bytes);

// The same sound at `sample_rate` (linear interpolation).
std::vector<std::int16_t> Resample(const PcmSound& sound, int sample_rate);

// A mono 16-bit PCM WAV image of `samples` (for the tools that make the
// sound bank, and for tests).
std::string MakeWavImage(const std::vector<std::int16_t>& samples, int sample_rate);

}  // namespace brilox
