#include "links/tone_synthesis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brilox {
namespace {

std::size_t SampleCount(int ms, int sample_rate) {
  return ms <= 0 || sample_rate <= 0
             ? 0
             : static_cast<std::size_t>(static_cast<std::int64_t>(ms) * sample_rate / 1000);
}

}  // namespace

void AppendTone(std::vector<std::int16_t>& out, int hz, int ms, int sample_rate) {
  const std::size_t count = SampleCount(ms, sample_rate);
  // A tone shorter than two edges rises and falls over half its length each.
  const std::size_t edge = std::min(SampleCount(kToneEdgeMs, sample_rate), count / 2);
  const double step = 2.0 * std::numbers::pi * hz / sample_rate;
  out.reserve(out.size() + count);
  for (std::size_t i = 0; i < count; ++i) {
    double gain = 1.0;
    const std::size_t from_end = count - 1 - i;
    const std::size_t near = std::min(i, from_end);
    if (near < edge) gain = 0.5 - 0.5 * std::cos(std::numbers::pi * (static_cast<double>(near) + 0.5) / edge);
    out.push_back(static_cast<std::int16_t>(
        std::lround(kToneAmplitude * gain * std::sin(step * static_cast<double>(i)))));
  }
}

void AppendSilence(std::vector<std::int16_t>& out, int ms, int sample_rate) {
  out.insert(out.end(), SampleCount(ms, sample_rate), 0);
}

}  // namespace brilox
