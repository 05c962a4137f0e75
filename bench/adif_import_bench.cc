// Cost of importing a large log: 100,000 generated QSOs, half with a DXCC
// number and half resolved from the call through the entity rules and the
// shipped country table, read and applied to the DXCC database (the save of
// the 400-row database is not included; it is a few kilobytes).
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "awards/dxcc_raw_builder.h"
#include "awards/log_import.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "spots/log_import_setup.h"

namespace brilox {
namespace {

std::string ReadProgramFile(const char* name) {
  std::ifstream in(std::string(BRILOX_PROGRAM_DATA_DIR) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Field(std::string_view name, std::string_view value) {
  return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + std::string(value);
}

std::string GeneratedLog(int qsos) {
  static constexpr std::string_view kCalls[] = {"DL1ABC", "W1AW",   "JA1XYZ",   "VK2ABC", "G4ABC/P", "UA9ABC",
                                                "PY2AB",  "ZL1ABC", "F/DL1ABC", "VP8ABC", "EA8AB",   "K1ABC"};
  static constexpr std::string_view kEntities[] = {"230", "291", "339", "150", "223", "15"};
  static constexpr std::string_view kBands[] = {"160M", "80M", "40M", "20M", "15M", "10M", "6M"};
  static constexpr std::string_view kModes[] = {"CW", "SSB", "FT8", "RTTY", "PSK31"};
  std::string log = "Generated log\r\n<ADIF_VER:5>3.1.4<PROGRAMID:5>BENCH<EOH>\r\n";
  for (int i = 0; i < qsos; ++i) {
    log += Field("CALL", kCalls[i % 12]) + Field("QSO_DATE", i % 7 == 0 ? "19880315" : "20210617") +
           Field("TIME_ON", "1200") + Field("BAND", kBands[i % 7]) + Field("MODE", kModes[i % 5]) +
           Field("RST_SENT", "599") + Field("COMMENT", "tnx fer qso, 73");
    if (i % 2 == 0) log += Field("DXCC", kEntities[i % 6]);
    if (i % 3 == 0) log += Field("QSL_RCVD", "Y");
    log += "<EOR>\r\n";
  }
  return log;
}

void BM_ImportAdifLog100k(benchmark::State& state) {
  const std::string country_text = ReadProgramFile("COUNTRY2.DAT");
  const CountryTable countries = CountryTable::Parse(country_text);
  Result<DxccRawReport> fresh = BuildDxccRaw(country_text);
  if (!fresh.ok()) {
    state.SkipWithError("COUNTRY2.DAT did not build a DXCC table");
    return;
  }
  const DxccTable dxcc = fresh->table;
  const IotaTable iota;
  const Settings settings;
  const FakeClock clock;
  const std::string log = GeneratedLog(100000);
  int updates = 0;
  for (auto _ : state) {
    LogImport run(LogImportKind::kDxcc, log, dxcc, iota, MakeDxccImportContext(countries, settings, clock),
                  {});
    while (!run.Step(500)) {
    }
    updates = run.counts().updates;
    benchmark::DoNotOptimize(updates);
  }
  state.counters["MB"] = static_cast<double>(log.size()) / 1e6;
  state.counters["updates"] = updates;
}
BENCHMARK(BM_ImportAdifLog100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brilox
