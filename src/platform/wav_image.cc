#include "platform/wav_image.h"

#include <algorithm>
#include <optional>
#include <string>

namespace brilox {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr int kMinRate = 1000;
constexpr int kMaxRate = 192000;

std::uint32_t Le16(std::string_view b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) |
         (static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8);
}
std::uint32_t Le32(std::string_view b, std::size_t at) { return Le16(b, at) | (Le16(b, at + 2) << 16); }

void PutLe16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void PutLe32(std::string& out, std::uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

struct WavFormat {
  int channels = 0;
  int sample_rate = 0;
  int bits = 0;
};

Result<WavFormat> ReadFormatChunk(std::string_view chunk) {
  if (chunk.size() < 16) return Status::Corrupt("WAV format chunk too short");
  std::uint32_t tag = Le16(chunk, 0);
  // The extensible header names the real format in its sub-format GUID,
  // whose first two bytes are the plain format tag.
  if (tag == kFormatExtensible && chunk.size() >= 26) tag = Le16(chunk, 24);
  if (tag != kFormatPcm)
    return Status::InvalidArgument("WAV is not PCM (format " + std::to_string(tag) + ")");
  WavFormat f;
  f.channels = static_cast<int>(Le16(chunk, 2));
  f.sample_rate = static_cast<int>(Le32(chunk, 4) & 0x7FFFFFFF);
  f.bits = static_cast<int>(Le16(chunk, 14));
  if (f.channels != 1 && f.channels != 2) {
    return Status::InvalidArgument("WAV has " + std::to_string(f.channels) + " channels");
  }
  if (f.bits != 8 && f.bits != 16) {
    return Status::InvalidArgument("WAV has " + std::to_string(f.bits) + "-bit samples");
  }
  if (f.sample_rate < kMinRate || f.sample_rate > kMaxRate) {
    return Status::InvalidArgument("WAV rate " + std::to_string(f.sample_rate) + " Hz");
  }
  return f;
}

std::vector<std::int16_t> MixToMono(const WavFormat& f, std::string_view data) {
  const std::size_t bytes_per_sample = static_cast<std::size_t>(f.bits / 8);
  const std::size_t frame = bytes_per_sample * static_cast<std::size_t>(f.channels);
  const std::size_t frames = data.size() / frame;  // a cut last frame is dropped
  std::vector<std::int16_t> out(frames);
  for (std::size_t i = 0; i < frames; ++i) {
    int sum = 0;
    for (int c = 0; c < f.channels; ++c) {
      const std::size_t at = i * frame + static_cast<std::size_t>(c) * bytes_per_sample;
      if (f.bits == 8) {
        sum += (static_cast<int>(static_cast<std::uint8_t>(data[at])) - 128) * 256;
      } else {
        sum += static_cast<std::int16_t>(Le16(data, at));
      }
    }
    out[i] = static_cast<std::int16_t>(sum / f.channels);
  }
  return out;
}

}  // namespace

Result<PcmSound> ReadWavImage(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return Status::Corrupt("not a RIFF WAVE file");
  }
  std::optional<WavFormat> format;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string_view id = bytes.substr(at, 4);
    const std::uint64_t size = Le32(bytes, at + 4);
    const std::size_t body = at + 8;
    const std::size_t left = bytes.size() - body;
    if (id == "data") {
      if (!format) return Status::Corrupt("WAV data before its format chunk");
      if (size > left) {
        return Status::Corrupt("WAV data chunk of " + std::to_string(size) + " bytes, only " +
                               std::to_string(left) + " in the file (truncated)");
      }
      PcmSound sound;
      sound.sample_rate = format->sample_rate;
      sound.samples = MixToMono(*format, bytes.substr(body, static_cast<std::size_t>(size)));
      if (sound.samples.empty()) return Status::Corrupt("WAV holds no samples");
      return sound;
    }
    if (size > left) return Status::Corrupt("WAV chunk runs past the end of the file (truncated)");
    if (id == "fmt ") {
      Result<WavFormat> f = ReadFormatChunk(bytes.substr(body, static_cast<std::size_t>(size)));
      if (!f.ok()) return f.status();
      format = *f;
    }
    at = body + static_cast<std::size_t>(size) + (size & 1);  // chunks are padded to even sizes
  }
  return Status::Corrupt(format ? "WAV has no data chunk (truncated)" : "WAV has no format chunk");
}

std::vector<std::int16_t> Resample(const PcmSound& sound, int sample_rate) {
  if (sound.sample_rate == sample_rate || sound.samples.empty() || sample_rate <= 0) return sound.samples;
  const double step = static_cast<double>(sound.sample_rate) / sample_rate;
  const auto count = static_cast<std::size_t>(static_cast<double>(sound.samples.size()) / step);
  std::vector<std::int16_t> out(count);
  const std::size_t last = sound.samples.size() - 1;
  for (std::size_t i = 0; i < count; ++i) {
    const double position = static_cast<double>(i) * step;
    const auto left = std::min(static_cast<std::size_t>(position), last);
    const std::size_t right = std::min(left + 1, last);
    const double weight = position - static_cast<double>(left);
    out[i] = static_cast<std::int16_t>(sound.samples[left] * (1.0 - weight) + sound.samples[right] * weight);
  }
  return out;
}

std::string MakeWavImage(const std::vector<std::int16_t>& samples, int sample_rate) {
  const auto data_size = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  PutLe32(out, 36 + data_size);
  out += "WAVEfmt ";
  PutLe32(out, 16);
  PutLe16(out, kFormatPcm);
  PutLe16(out, 1);  // mono
  PutLe32(out, static_cast<std::uint32_t>(sample_rate));
  PutLe32(out, static_cast<std::uint32_t>(sample_rate) * 2);
  PutLe16(out, 2);
  PutLe16(out, 16);
  out += "data";
  PutLe32(out, data_size);
  for (std::int16_t s : samples) PutLe16(out, static_cast<std::uint16_t>(s));
  return out;
}

}  // namespace brilox
