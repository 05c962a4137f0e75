// Resolution speed of DeterminePays on the shipped COUNTRY2.DAT, over the
// DX calls and spotters of real cluster lines with portable and area forms.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "spots/country_table.h"
#include "spots/determine_pays.h"

namespace brilox {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> BenchCalls() {
  std::vector<std::string> calls;
  std::istringstream lines(ReadFile(std::string(BRILOX_TEST_DATA_DIR) + "/spots/full_layout_lines.txt"));
  for (std::string line; std::getline(lines, line);) {
    if (line.size() < 38) continue;
    std::istringstream fields(line.substr(6));
    std::string spotter, frequency, call;
    fields >> spotter >> frequency >> call;
    calls.push_back(call);
    calls.push_back(spotter.substr(0, spotter.find(':')));
    calls.push_back(call + "/P");
  }
  for (const char* call : {"W1AW/KH6", "EA5XX/8", "VK9NS", "KG4AB", "F5XX/QRP", "DL1ABC/MM", "SV2ASP/A",
                           "3D2AB/C", "RA3AB/9", "XX1ABC/ANT", "K1ABC/VE3", "ZL1AB/7"}) {
    calls.push_back(call);
  }
  return calls;
}

void BM_DeterminePays(benchmark::State& state) {
  const CountryTable table = CountryTable::Parse(ReadFile(std::string(BRILOX_PROGRAM_DATA_DIR) + "/COUNTRY2.DAT"));
  const std::vector<std::string> calls = BenchCalls();
  const std::vector<CallPairEntry> links;
  ResolvedEntity entity;
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DeterminePays(table, calls[next], links, SpotMode::kSpot, entity));
    if (++next == calls.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DeterminePays);

void BM_LoadCountryFile(benchmark::State& state) {
  const std::string text = ReadFile(std::string(BRILOX_PROGRAM_DATA_DIR) + "/COUNTRY2.DAT");
  for (auto _ : state) benchmark::DoNotOptimize(CountryTable::Parse(text));
}
BENCHMARK(BM_LoadCountryFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brilox
