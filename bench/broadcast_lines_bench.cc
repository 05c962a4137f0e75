// Cost of the per-line work outside spot decoding: bulletin and message
// record texts, the distance and heading of every spot, and one log append
// (in memory, and on the real file system where each append is flushed).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "awards/path_and_sun.h"
#include "platform/memory_file_system.h"
#include "spots/message_lines.h"
#include "spots/propagation_lines.h"
#include "spots/traffic_log.h"

namespace brilox {
namespace {

const DayTime kReceived = EncodeDateTime(2026, 12, 10, 11, 12);

void BM_LigneFichWWV(benchmark::State& state) {
  const std::string line = "WWV de VE7CC <21>:   SFI=70, A=12, K=3, No Storms -> No Storms";
  for (auto _ : state) benchmark::DoNotOptimize(LigneFichWWV(line, kReceived));
}
BENCHMARK(BM_LigneFichWWV);

void BM_LigneFichWCY(benchmark::State& state) {
  const std::string line = "WCY de DK0WCY-1 <22> : K=9 expK=0 A=139 R=156 SFI=223 SA=maj GMF=sev Au=aurora";
  for (auto _ : state) benchmark::DoNotOptimize(LigneFichWCY(line, kReceived));
}
BENCHMARK(BM_LigneFichWCY);

void BM_LigneFichANN(benchmark::State& state) {
  const std::string line = "ALL de CT2IDL <1044Z> : TNX qso.. see you on 40 m tonight";
  for (auto _ : state) benchmark::DoNotOptimize(LigneFichANN(line, kReceived));
}
BENCHMARK(BM_LigneFichANN);

void BM_ComputePath(benchmark::State& state) {
  const GeoPosition station{46.2, 6.1};
  double longitude = 0.0;
  for (auto _ : state) {
    longitude = longitude > 170.0 ? -170.0 : longitude + 1.0;
    benchmark::DoNotOptimize(ComputePath(station, {35.0, longitude}));
  }
}
BENCHMARK(BM_ComputePath);

void BM_ComputePathAndSun(benchmark::State& state) {
  const GeoPosition station{46.2, 6.1};
  for (auto _ : state) benchmark::DoNotOptimize(ComputePathAndSun(station, {35.7, 139.7}, -9.0, kReceived));
}
BENCHMARK(BM_ComputePathAndSun);

void BM_AppendLogRecordInMemory(benchmark::State& state) {
  MemoryFileSystem fs;
  TrafficLog log(fs, "data");
  const std::string text(79, 'x');
  for (auto _ : state) {
    benchmark::DoNotOptimize(log.AppendLogRecord(LogCategory::kDx, text));
    if (fs.files()["data/DXINFO.DAT"].size() > (1u << 24)) fs.files()["data/DXINFO.DAT"].clear();
  }
}
BENCHMARK(BM_AppendLogRecordInMemory);

void BM_AppendLogRecordOnDisk(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "brilox-bench-traffic-log";
  std::filesystem::create_directories(folder);
  TrafficLog log(PosixFileSystem(), folder.string());
  const std::string text(79, 'x');
  for (auto _ : state) benchmark::DoNotOptimize(log.AppendLogRecord(LogCategory::kDx, text));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_AppendLogRecordOnDisk);

}  // namespace
}  // namespace brilox
