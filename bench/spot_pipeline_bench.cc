// The whole spot pipeline, bytes in to rows and log records out: received
// chunks through the line intake, TraiteDX with the shipped COUNTRY2.DAT and
// a filled DXCC.DAT, the window stores, the announcement queue and the
// traffic logs written to real files.  Items are spot lines; the CPU share
// at a skimmer network's peak follows from the time per line:
//   share of one core at 100 lines/s = 100 x seconds per line.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "awards/dxcc_file.h"
#include "awards/dxcc_raw_builder.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "spots/spot_pipeline.h"

namespace brilox {
namespace {

constexpr std::size_t kSegmentBytes = 1460;  // one TCP segment of a link
constexpr int kLinesPerRound = 20000;

std::string ProgramFile(const std::string& name) {
  Result<std::string> text = PosixFileSystem().ReadFile(std::string(BRILOX_PROGRAM_DATA_DIR) + "/" + name);
  return text.ok() ? *text : std::string();
}

// A DXCC database as an active operator has it: most entities worked, many
// confirmed on paper or by LoTW, a few never worked.
std::string FilledDxccFile(const std::string& country_file) {
  Result<DxccRawReport> fresh = BuildDxccRaw(country_file);
  if (!fresh.ok()) return {};
  DxccTable& table = fresh->table;
  std::mt19937 random(7);
  std::uniform_int_distribution<int> percent(0, 99);
  for (int row = 1; row <= table.count(); ++row) {
    DxccEntry& entry = table.row(row);
    if (percent(random) < 5) continue;  // a new one
    for (int column = 0; column < kDxccColumnCount; ++column) {
      const int p = percent(random);
      entry.paper[static_cast<std::size_t>(column)] = p < 35   ? kStateNotWorked
                                                      : p < 65 ? kStateWorked
                                                               : kStateConfirmed;
      const int l = percent(random);
      entry.lotw[static_cast<std::size_t>(column)] = l < 50   ? kStateNotWorked
                                                     : l < 70 ? kStateWorked
                                                              : kStateConfirmed;
    }
  }
  return EncodeDxccFile(table);
}

// Calls of every entity: its main prefix, a digit where it has none, and a
// suffix.
std::vector<std::string> CallsOfEveryEntity(const CountryTable& countries) {
  std::vector<std::string> calls;
  int n = 0;
  for (const CountryEntry& entry : countries.entries()) {
    std::string prefix = entry.main_prefix.substr(0, entry.main_prefix.find(' '));
    if (prefix.find('/') != std::string::npos || prefix.empty()) continue;
    if (prefix.back() < '0' || prefix.back() > '9') prefix += static_cast<char>('0' + n % 10);
    calls.push_back(prefix + static_cast<char>('A' + n % 26) + static_cast<char>('A' + (n / 26) % 26) +
                    static_cast<char>('A' + (n / 7) % 26));
    ++n;
  }
  return calls;
}

// "DX de " lines in the full layout, every one different: the spotters,
// bands and comments of real skimmer and operator traffic.
std::vector<std::string> SpotLines(const CountryTable& countries, int count) {
  const std::vector<std::string> calls = CallsOfEveryEntity(countries);
  const char* spotters[] = {"W3LPL", "DL9GTB-#", "SJ2W-#", "EA5KK",  "VE7CC",
                            "K4VTE", "OH0M",     "JR6RRD", "WZ7I-#", "G4ZFE-#"};
  const double bands[] = {1825.0,  3525.0,  7012.0,  7074.0,  10136.0, 14025.0, 14074.0, 18080.0,
                          21074.0, 21295.0, 24915.0, 28074.0, 28495.0, 50313.0, 144300.0};
  const char* comments[] = {"CW 12 dB 24 WPM CQ",
                            "FT8 -12 dB 1520 Hz",
                            "RTTY +10 dB CQ",
                            "USB 59 tnx QSO",
                            "",
                            "IOTA EU-005",
                            "PSK31 24 dB CQ",
                            "up 2"};
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(count));
  char buffer[128];
  for (int i = 0; i < count; ++i) {
    const std::string& call = calls[static_cast<std::size_t>(i) % calls.size()];
    const char* spotter = spotters[i % 10];
    const double khz = bands[(i / 3) % 15] + (i % 97) * 0.1;
    std::snprintf(buffer, sizeof buffer, "DX de %s:", spotter);
    std::string line = buffer;
    std::snprintf(buffer, sizeof buffer, "%.1f", khz);
    const std::string frequency = buffer;
    line.append(line.size() + frequency.size() < 24 ? 24 - line.size() - frequency.size() : 1, ' ');
    line += frequency + "  " + call;
    line.resize(39, ' ');
    line += comments[i % 8];
    line.resize(70, ' ');
    std::snprintf(buffer, sizeof buffer, "%02d%02dZ", (i / 60) % 24, i % 60);
    line += buffer;
    lines.push_back(line + "\a\a\r\n");
  }
  return lines;
}

class Counting final : public SpotProcessingEvents {
 public:
  void LineProcessed(const ProcessedLine& line) override {
    rows += line.shown_dx + line.shown_alarm + line.shown_lotw;
    records += line.logged;
  }
  long rows = 0;
  long records = 0;
};

// A data folder in the temporary folder with the shipped country file and a
// filled database; the traffic logs are written there and removed at the end.
class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "brilox-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) m_path = pattern;
    const std::string country = ProgramFile("COUNTRY2.DAT");
    FileSystem& fs = PosixFileSystem();
    (void)fs.WriteFile(JoinPath(m_path, "COUNTRY2.DAT"), country);
    (void)fs.WriteFile(JoinPath(m_path, "DXCC.DAT"), FilledDxccFile(country));
  }
  ~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
};

struct Traffic {
  std::string bytes;  // one terminal's stream
  int lines = 0;
};

// Each round feeds the same lines again; 20 000 lines later they are no
// longer in the duplicate rings, so every round processes them in full.
void RunPipeline(benchmark::State& state, int terminals, bool logging) {
  BenchFolder folder;
  FakeClock clock(EncodeDateTime(2026, 2, 1, 18, 40));
  Settings settings;
  if (!logging) settings.Disk = BroadcastKinds{false, false, false, false, false};
  Result<std::unique_ptr<SpotPipeline>> opened =
      SpotPipeline::Open(PosixFileSystem(), clock, folder.path(), settings, MissingDxccFile::kRefuse);
  if (!opened.ok()) {
    state.SkipWithError(opened.status().ToString().c_str());
    return;
  }
  SpotPipeline& pipeline = **opened;
  Counting counting;
  pipeline.processing().SetEvents(&counting);

  const std::vector<std::string> lines = SpotLines(pipeline.countries(), kLinesPerRound);
  std::string stream;
  for (const std::string& line : lines) stream += line;
  long lines_fed = 0;
  for (auto _ : state) {
    // With several terminals every spot arrives from two nodes, as on a
    // network that relays everything: one copy is shown, the other not.
    // The second node's segment follows the first's closely, within the
    // 20 lines the ring of shown lines remembers.
    for (std::size_t at = 0; at < stream.size(); at += kSegmentBytes) {
      const std::string_view segment = std::string_view(stream).substr(at, kSegmentBytes);
      for (int terminal = 1; terminal <= terminals; ++terminal) pipeline.Feed(terminal, segment);
    }
    lines_fed += static_cast<long>(kLinesPerRound) * terminals;
    while (pipeline.announcements().Take()) {
    }
  }
  state.SetItemsProcessed(lines_fed);
  state.SetBytesProcessed(static_cast<long>(stream.size()) * lines_fed / kLinesPerRound);
  state.counters["rows_out"] =
      benchmark::Counter(static_cast<double>(counting.rows), benchmark::Counter::kIsRate);
  state.counters["records_out"] =
      benchmark::Counter(static_cast<double>(counting.records), benchmark::Counter::kIsRate);
  state.counters["us_per_line"] = benchmark::Counter(
      static_cast<double>(lines_fed), benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
      benchmark::Counter::kIs1000);
}

void BM_SpotLinesToRowsAndLogRecords(benchmark::State& state) { RunPipeline(state, 1, true); }
BENCHMARK(BM_SpotLinesToRowsAndLogRecords)->Unit(benchmark::kMillisecond);

void BM_SpotsRelayedByTwoNodes(benchmark::State& state) { RunPipeline(state, 2, true); }
BENCHMARK(BM_SpotsRelayedByTwoNodes)->Unit(benchmark::kMillisecond);

// The same without the traffic logs, to show what the file writes cost.
void BM_SpotLinesToRowsWithoutLogs(benchmark::State& state) { RunPipeline(state, 1, false); }
BENCHMARK(BM_SpotLinesToRowsWithoutLogs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brilox
