// WAV images: the formats taken and converted to mono 16-bit at the
// output's rate, and the broken or foreign files refused with a reason.
#include "platform/wav_image.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brilox {
namespace {

std::string Le16(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}
std::string Le32(std::uint32_t v) { return Le16(v & 0xFFFF) + Le16(v >> 16); }

// A WAV image built field by field, so each case can bend one of them.
struct WavParts {
  std::uint32_t format = 1;
  std::uint32_t channels = 1;
  std::uint32_t rate = 8000;
  std::uint32_t bits = 16;
  std::string data;
  std::int64_t data_size = -1;  // the size written in the chunk header; -1: the real one
  std::string extra_chunk;      // placed between the format and data chunks

  std::string Image() const {
    const std::uint32_t block = channels * bits / 8;
    std::string fmt =
        Le16(format) + Le16(channels) + Le32(rate) + Le32(rate * block) + Le16(block) + Le16(bits);
    std::string body = "WAVEfmt " + Le32(static_cast<std::uint32_t>(fmt.size())) + fmt + extra_chunk +
                       "data" + Le32(static_cast<std::uint32_t>(data_size < 0 ? data.size() : data_size)) +
                       data;
    return "RIFF" + Le32(static_cast<std::uint32_t>(body.size())) + body;
  }
};

TEST(WavImageTest, ReadsPcmLayoutsIntoMonoSixteenBit) {
  struct {
    const char* name;
    WavParts parts;
    std::vector<std::int16_t> expected;
  } cases[] = {
      {"16-bit mono", {1, 1, 8000, 16, Le16(1000) + Le16(static_cast<std::uint16_t>(-2000))}, {1000, -2000}},
      {"8-bit mono is unsigned", {1, 1, 8000, 8, std::string("\x80\xFF\x00", 3)}, {0, 127 * 256, -128 * 256}},
      {"16-bit stereo mixes down",
       {1, 2, 44100, 16, Le16(1000) + Le16(3000) + Le16(0) + Le16(static_cast<std::uint16_t>(-400))},
       {2000, -200}},
      {"8-bit stereo", {1, 2, 22050, 8, std::string("\x90\x70", 2)}, {0}},
      {"a cut last frame is dropped", {1, 1, 16000, 16, Le16(7) + "\x01"}, {7}},
  };
  for (const auto& c : cases) {
    const std::string image = c.parts.Image();
    Result<PcmSound> sound = ReadWavImage(image);
    ASSERT_TRUE(sound.ok()) << c.name << ": " << sound.status().ToString();
    EXPECT_EQ(sound->samples, c.expected) << c.name;
    EXPECT_EQ(sound->sample_rate, static_cast<int>(c.parts.rate)) << c.name;
  }
  // An extensible format chunk (40 bytes) whose sub-format begins with 1, PCM.
  const std::string fmt = Le16(0xFFFE) + Le16(1) + Le32(16000) + Le32(32000) + Le16(2) + Le16(16) + Le16(22) +
                          Le16(16) + Le32(4) + Le16(1) + std::string(14, '\0');
  const std::string body = "WAVEfmt " + Le32(40) + fmt + "data" + Le32(2) + Le16(5);
  Result<PcmSound> extensible = ReadWavImage("RIFF" + Le32(static_cast<std::uint32_t>(body.size())) + body);
  ASSERT_TRUE(extensible.ok()) << extensible.status().ToString();
  EXPECT_EQ(extensible->samples, std::vector<std::int16_t>{5});
  // Chunks before the data, odd-sized ones padded, are stepped over.
  WavParts listed{1, 1, 8000, 16, Le16(42)};
  listed.extra_chunk = "LIST" + Le32(3) + "abc" + std::string(1, '\0');
  Result<PcmSound> sound = ReadWavImage(listed.Image());
  ASSERT_TRUE(sound.ok());
  EXPECT_EQ(sound->samples, std::vector<std::int16_t>{42});
}

TEST(WavImageTest, RefusesWhatItCannotPlayWithAReason) {
  const std::string two_samples = Le16(1) + Le16(2);
  struct {
    const char* name;
    std::string image;
    const char* reason;
  } cases[] = {
      {"not RIFF", "RIFX" + std::string(40, '\0'), "not a RIFF WAVE file"},
      {"empty", "", "not a RIFF WAVE file"},
      {"truncated data", WavParts{1, 1, 8000, 16, two_samples, 400}.Image(),
       "WAV data chunk of 400 bytes, only 4"},
      {"huge data size", WavParts{1, 1, 8000, 16, two_samples, 0xFFFFFFF0}.Image(), "truncated"},
      {"cut inside the format chunk", WavParts{1, 1, 8000, 16, two_samples}.Image().substr(0, 30),
       "truncated"},
      {"IEEE float", WavParts{3, 1, 8000, 32, two_samples}.Image(), "WAV is not PCM (format 3)"},
      {"A-law", WavParts{6, 1, 8000, 8, two_samples}.Image(), "not PCM"},
      {"24-bit", WavParts{1, 1, 8000, 24, two_samples + two_samples}.Image(), "24-bit samples"},
      {"six channels", WavParts{1, 6, 8000, 16, std::string(12, '\0')}.Image(), "6 channels"},
      {"rate zero", WavParts{1, 1, 0, 16, two_samples}.Image(), "rate 0 Hz"},
      {"no samples", WavParts{1, 1, 8000, 16, ""}.Image(), "no samples"},
      {"no data chunk", WavParts{1, 1, 8000, 16, two_samples}.Image().substr(0, 36), "no data chunk"},
  };
  for (const auto& c : cases) {
    Result<PcmSound> sound = ReadWavImage(c.image);
    ASSERT_FALSE(sound.ok()) << c.name;
    EXPECT_NE(sound.status().context().find(c.reason), std::string::npos)
        << c.name << ": " << sound.status().context();
  }
}

TEST(WavImageTest, ResamplingKeepsLengthAndPitch) {
  PcmSound tone{8000, {}};
  for (int i = 0; i < 8000; ++i)
    tone.samples.push_back(static_cast<std::int16_t>(10000 * std::sin(2 * M_PI * 500 * i / 8000.0)));
  for (int rate : {16000, 44100, 8000, 6000}) {
    const std::vector<std::int16_t> out = Resample(tone, rate);
    EXPECT_NEAR(static_cast<double>(out.size()), rate, 1.0) << rate;
    int crossings = 0;
    for (std::size_t i = 1; i < out.size(); ++i) crossings += (out[i - 1] < 0) != (out[i] < 0);
    EXPECT_NEAR(crossings / 2.0, 500, 5) << rate;
  }
  // The image written for the bank reads back unchanged.
  const Result<PcmSound> back = ReadWavImage(MakeWavImage(tone.samples, 8000));
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back->samples, tone.samples);
}

}  // namespace
}  // namespace brilox
