// The announcer's reaction: spot lines arrive at 100 lines per second
// through the whole pipeline (line intake, TraiteDX over the shipped
// COUNTRY2.DAT and a filled DXCC.DAT, the announcement queue) while the
// announcer thread waits on the queue.  Measured for every alarm: the time
// from the moment the spot line's last byte is handed to the intake to the
// moment the first sample of its announcement reaches the audio output.
// The output takes samples at once, so an announcement never waits for the
// one before it: the figure is the wake-up and the work, not the playing.
// Then the process's CPU time over two idle seconds: the announcer sleeps
// on the queue without polling.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "awards/dxcc_file.h"
#include "awards/dxcc_raw_builder.h"
#include "links/sound_announcer.h"
#include "platform/audio_output.h"
#include "spots/spot_pipeline.h"

namespace brilox {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLines = 1000;  // ten seconds at 100 lines per second
constexpr auto kLineInterval = std::chrono::milliseconds(10);

std::string ProgramFile(const std::string& name) {
  Result<std::string> text = PosixFileSystem().ReadFile(std::string(BRILOX_PROGRAM_DATA_DIR) + "/" + name);
  return text.ok() ? *text : std::string();
}

// Every entity worked on some bands only, so that most spots are needed
// for a band or mode and many raise an alarm.
std::string PartlyWorkedDxccFile(const std::string& country_file) {
  Result<DxccRawReport> fresh = BuildDxccRaw(country_file);
  if (!fresh.ok()) return {};
  DxccTable& table = fresh->table;
  for (int row = 1; row <= table.count(); ++row) {
    DxccEntry& entry = table.row(row);
    for (int column = 0; column < kDxccColumnCount; column += 2) {
      entry.paper[static_cast<std::size_t>(column)] = kStateConfirmed;
    }
  }
  return EncodeDxccFile(table);
}

// Times when the first sample of each announcement was handed over, by the
// call the announcer was speaking about.
class TimingOutput final : public AudioOutput {
 public:
  int sample_rate() const override { return 16000; }
  Status Play(std::span<const std::int16_t>, const std::atomic<bool>&) override {
    if (m_first) {
      m_first = false;
      std::lock_guard lock(m_mutex);
      firsts.push_back({Clock::now(), announcer->current().call});
    }
    return Status::Ok();
  }
  Status Finish(const std::atomic<bool>&) override {
    m_first = true;
    return Status::Ok();
  }
  struct First {
    Clock::time_point when;
    std::string call;
  };
  TThreadSound* announcer = nullptr;  // read on the announcer's thread only
  std::mutex m_mutex;
  std::vector<First> firsts;

 private:
  bool m_first = true;
};

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_SpotLineToFirstAnnouncedSample(benchmark::State& state) {
  std::string folder = (std::filesystem::temp_directory_path() / "brilox-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no scratch folder");
    return;
  }
  const std::string country = ProgramFile("COUNTRY2.DAT");
  (void)PosixFileSystem().WriteFile(JoinPath(folder, "COUNTRY2.DAT"), country);
  (void)PosixFileSystem().WriteFile(JoinPath(folder, "DXCC.DAT"), PartlyWorkedDxccFile(country));
  FakeClock clock(EncodeDateTime(2026, 2, 1, 18, 40));
  Settings settings;
  settings.Disk = BroadcastKinds{false, false, false, false, false};
  settings.AlarmLevel = 4;
  Result<std::unique_ptr<SpotPipeline>> opened =
      SpotPipeline::Open(PosixFileSystem(), clock, folder, settings, MissingDxccFile::kRefuse);
  if (!opened.ok()) {
    state.SkipWithError(opened.status().ToString().c_str());
    return;
  }
  SpotPipeline& pipeline = **opened;
  TimingOutput output;
  TThreadSound announcer{
      SoundAnnouncerServices{pipeline.announcements(), output, PosixFileSystem(), clock, folder, {}}};
  output.announcer = &announcer;
  announcer.ApplySettings(settings);
  announcer.Start();

  // Distinct calls, one per line, so each announcement names its line.
  std::vector<std::string> lines, calls;
  const char* prefixes[] = {"DL", "F",  "G", "I",  "EA", "JA", "VK", "ZL",
                            "PY", "LU", "W", "VE", "OH", "SM", "UA"};
  const double bands[] = {1825.0, 3525.0, 7012.0, 10110.0, 14025.0, 18075.0, 21025.0, 24895.0, 28025.0};
  char buffer[128];
  for (int i = 0; i < kLines; ++i) {
    const std::string call = std::string(prefixes[i % 15]) + std::to_string(1 + i % 9) +
                             static_cast<char>('A' + i % 26) + static_cast<char>('A' + (i / 26) % 26) +
                             static_cast<char>('A' + (i / 676) % 26);
    std::snprintf(buffer, sizeof buffer, "DX de W3LPL:%12.1f  %s", bands[i % 9] + (i % 50) * 0.1, call.c_str());
    std::string line = buffer;
    line.resize(39, ' ');
    line += "CW 12 dB 24 WPM CQ";
    line.resize(70, ' ');
    std::snprintf(buffer, sizeof buffer, "18%02dZ\a\a\r\n", 40 + i % 10);
    line += buffer;
    lines.push_back(line);
    calls.push_back(call);
  }

  std::map<std::string, Clock::time_point> fed;
  for (auto _ : state) {
    auto next = Clock::now();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      std::this_thread::sleep_until(next);
      next += kLineInterval;
      pipeline.Feed(1, std::string_view(line).substr(0, line.size() - 1));
      fed[calls[i]] = Clock::now();
      pipeline.Feed(1, std::string_view(line).substr(line.size() - 1));  // the last byte
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  const double cpu_before = CpuSeconds();
  std::this_thread::sleep_for(std::chrono::seconds(2));
  const double idle_cpu = CpuSeconds() - cpu_before;
  announcer.Stop();

  std::vector<double> latencies;
  {
    std::lock_guard lock(output.m_mutex);
    for (const TimingOutput::First& first : output.firsts) {
      auto it = fed.find(first.call.substr(0, first.call.find(' ')));  // DXCall is padded
      if (it != fed.end())
        latencies.push_back(std::chrono::duration<double, std::milli>(first.when - it->second).count());
    }
  }
  std::sort(latencies.begin(), latencies.end());
  auto percentile = [&](double p) {
    return latencies.empty()
               ? 0.0
               : latencies[std::min(latencies.size() - 1, static_cast<std::size_t>(p * latencies.size()))];
  };
  state.counters["alarms"] = static_cast<double>(latencies.size());
  state.counters["announced"] = static_cast<double>(output.firsts.size());

  state.counters["p50_ms"] = percentile(0.50);
  state.counters["p99_ms"] = percentile(0.99);
  state.counters["max_ms"] = latencies.empty() ? 0.0 : latencies.back();
  state.counters["idle_cpu_ms_per_2s"] = idle_cpu * 1000.0;
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(BM_SpotLineToFirstAnnouncedSample)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace brilox
