// Decoding plus band and mode, per line, over real "DX de " lines and over
// node frames, as the spot pipeline runs them for every spot.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "core/settings.h"
#include "spots/band_mode.h"
#include "spots/spot_frame_decoder.h"
#include "spots/spot_line_decoder.h"

namespace brilox {
namespace {

std::vector<std::string> RealLines() {
  std::ifstream in(std::string(BRILOX_TEST_DATA_DIR) + "/spots/full_layout_lines.txt", std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

void BM_DecodeTextLineWithBandAndMode(benchmark::State& state) {
  const std::vector<std::string> lines = RealLines();
  Settings settings;
  settings.DeltaTime = 10;
  FakeClock clock(EncodeDateTime(2026, 3, 1, 12, 0));
  std::size_t next = 0;
  for (auto _ : state) {
    SpotRecord spot;
    LigneFichDX(lines[next], settings, clock, spot);
    TestBandeModeExp(lines[next], settings, spot);
    benchmark::DoNotOptimize(spot);
    if (++next == lines.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeTextLineWithBandAndMode);

void BM_DecodeFrameWithBandAndMode(benchmark::State& state) {
  const std::string frame = "PC11^14025.0^DL1ABC^ 1-Mar-2026^1200Z^CQ DX up 2^W3LPL^W3LPL-2^H95^~";
  Settings settings;
  settings.DeltaTime = 10;
  FakeClock clock(EncodeDateTime(2026, 3, 1, 12, 0));
  for (auto _ : state) {
    std::string line = frame;
    SpotRecord spot;
    DecodeDX(line, settings, clock, spot);
    TestBandeModeExp(line, settings, spot);
    benchmark::DoNotOptimize(spot);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeFrameWithBandAndMode);

}  // namespace
}  // namespace brilox
