// Throughput of the link layer's own work per received byte: the telnet
// decoder and the drain into a counting intake, on realistic spot traffic.
#include <benchmark/benchmark.h>

#include <string>

#include "links/receive_buffer.h"
#include "links/telnet_protocol.h"

namespace brilox {
namespace {

std::string SpotTraffic(std::size_t bytes) {
  const std::string line =
      "DX de EA5WU-#:   14025.0  JA1XYZ       CW 23 dB 25 WPM CQ             1112Z\a\a\r\n";
  std::string traffic;
  while (traffic.size() < bytes) traffic += line;
  return traffic;
}

void BM_TelnetDecoder(benchmark::State& state) {
  const std::string traffic = SpotTraffic(1 << 20);
  std::string text, replies;
  for (auto _ : state) {
    TelnetDecoder decoder;
    text.clear();
    decoder.Feed(traffic, text, replies);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * traffic.size()));
}
BENCHMARK(BM_TelnetDecoder);

class CountingIntake final : public ReceivedCharacterSink {
 public:
  bool busy() const override { return false; }
  void TraiteCharRecu(int, char ch, bool) override { lines += ch == '\n'; }
  long lines = 0;
};

void BM_DrainIntoIntake(benchmark::State& state) {
  const std::string traffic = SpotTraffic(1 << 20);
  CountingIntake intake;
  ReceiveBuffers buffers;
  for (auto _ : state) {
    for (std::size_t at = 0; at < traffic.size(); at += 16 * 1024) {
      (void)buffers[1].Append(std::string_view(traffic).substr(at, 16 * 1024));
      while (DrainReceiveBuffers(buffers, intake, {})) {
      }
    }
  }
  benchmark::DoNotOptimize(intake.lines);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * traffic.size()));
}
BENCHMARK(BM_DrainIntoIntake);

}  // namespace
}  // namespace brilox
