// Transceiver control from the right-click to the last command byte written,
// per family (the Icom and Elecraft waits run on a manual clock, so they cost
// nothing here), and the AGW frame reader's throughput on a session's
// stream cut into TCP segments.
#include <benchmark/benchmark.h>

#include <string>

#include "links/agw_frame.h"
#include "links/cat_commands.h"
#include "links/cat_control.h"
#include "links/link_seams.h"
#include "links/spot_row_click.h"
#include "platform/clock.h"
#include "platform/fake_serial_port.h"
#include "platform/fake_tcp_connection.h"
#include "platform/manual_timer_queue.h"

namespace brilox {
namespace {

class NoTexts final : public LanguageTexts {
 public:
  std::string Text(int) const override { return {}; }
};

void BM_RightClickToLastByte(benchmark::State& state) {
  const int family = static_cast<int>(state.range(0));
  Settings settings;
  settings.Cat1.transceiver = family;
  settings.Cat1.civ = 0x5C;
  settings.Cat1.max_mhz = 30;
  settings.Cat1.device = "/dev/null-cat";
  FakeClock clock;
  ManualTimerQueue timers{clock};
  FakeSerialPortFactory ports;
  FakeTcpConnectionFactory connections;
  NoTexts texts;
  CatControl cat(CatServices{settings, ports, connections, timers, texts});
  cat.ConfigurePorts();
  const std::string row = "DX de DL1XX:     14070.0  ZS6DD        PSK31 good signal              1200Z";
  const auto width = [](std::string_view text) { return static_cast<int>(text.size()) * 8; };
  std::size_t bytes = 0;
  for (auto _ : state) {
    ports.port(0).ClearWritten();
    StringGridMouseDown(row, 8 * 20, width, false, false, &cat, {});
    while (cat.waiting()) timers.AdvanceMs(timers.MsUntilNext());
    bytes = ports.port(0).written().size();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
  state.SetLabel(std::to_string(family));
}
BENCHMARK(BM_RightClickToLastByte)->DenseRange(kCatKenwood, kCatElecraft);

void BM_AgwFrameReader(benchmark::State& state) {
  std::string stream;
  const std::string line = "DX de EA5WU-#:   14025.0  JA1XYZ       CW 23 dB 25 WPM CQ             1112Z\r";
  while (stream.size() < (1 << 20)) {
    AgwFrame frame;
    frame.kind = 'D';
    frame.call_from = "N0NODE-5";
    frame.call_to = "N0CALL";
    frame.data = line + line + line;
    stream += EncodeAgwFrame(frame);
  }
  constexpr std::size_t kSegment = 1460;
  std::size_t frames = 0;
  for (auto _ : state) {
    AgwFrameReader reader;
    for (std::size_t at = 0; at < stream.size(); at += kSegment) {
      reader.Feed(std::string_view(stream).substr(at, kSegment), [&](const AgwFrame& f) {
        frames += 1;
        benchmark::DoNotOptimize(f.data.data());
      });
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
  state.counters["frames"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AgwFrameReader);

}  // namespace
}  // namespace brilox
