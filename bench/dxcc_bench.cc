// Cost of the per-spot needed status and of loading and saving the DXCC
// database and the language file.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "awards/dxcc_file.h"
#include "shell/language_file.h"
#include "spots/needed_status.h"

namespace brilox {
namespace {

// 400 rows with prefixes "A0" .. and mixed credits; the spot's entity sits
// near the end so the prefix scan does most of its work.
DxccTable BenchTable() {
  std::vector<DxccEntry> rows;
  for (int i = 0; i < kDxccCapacity; ++i) {
    DxccEntry entry = TemplateDxccEntry(std::string(1, static_cast<char>('A' + i / 20)) + std::to_string(i % 20), "x");
    for (int c = 0; c < kDxccColumnCount; ++c) entry.paper[static_cast<std::size_t>(c)] = "-WCA"[(i + c) % 4];
    rows.push_back(entry);
  }
  DxccTable table;
  (void)table.Assign(std::move(rows));
  table.TriABul();
  return table;
}

void BM_CheckDXCC(benchmark::State& state) {
  const DxccTable table = BenchTable();
  Settings settings;
  settings.LOTW = 1 | 4;
  for (int i = 0; i < 100; ++i) settings.CallNoAlarms.push_back({"NOCALL" + std::to_string(i) + "    "});
  NeededStatusInput spot;
  spot.dx_call = "T19XYZ      ";
  spot.entity_prefix = "T19";
  spot.mode = 'C';
  spot.band_key = 14;
  spot.lotw_user = true;
  for (auto _ : state) benchmark::DoNotOptimize(CheckDXCC(spot, settings, table));
}
BENCHMARK(BM_CheckDXCC);

void BM_DecodeDxccFile400(benchmark::State& state) {
  const std::string bytes = EncodeDxccFile(BenchTable());
  for (auto _ : state) benchmark::DoNotOptimize(DecodeDxccFile(bytes));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_DecodeDxccFile400);

void BM_EncodeDxccFile400(benchmark::State& state) {
  const DxccTable table = BenchTable();
  for (auto _ : state) benchmark::DoNotOptimize(EncodeDxccFile(table));
}
BENCHMARK(BM_EncodeDxccFile400);

void BM_ParseEnglishLanguageFile(benchmark::State& state) {
  std::ifstream in(std::string(BRILOX_PROGRAM_DATA_DIR) + "/BRLMSG85.ENU", std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  const std::string text = content.str();
  for (auto _ : state) benchmark::DoNotOptimize(ParseLanguageTexts(text));
}
BENCHMARK(BM_ParseEnglishLanguageFile);

}  // namespace
}  // namespace brilox
