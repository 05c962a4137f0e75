// Throughput of TraiteCharRecu on streams built from real cluster traffic,
// fed in link-sized chunks to terminal 1 while it is on show, with the window
// stores at their default limits (so trimming is part of the cost).
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/settings.h"
#include "spots/line_handler.h"
#include "spots/line_intake.h"
#include "spots/window_line_stores.h"

namespace brilox {
namespace {

constexpr std::size_t kStreamBytes = 1 << 20;
constexpr std::size_t kChunkBytes = 1460;  // one TCP segment

std::string ReadFixture(const std::string& name) {
  std::ifstream in(std::string(BRILOX_TEST_DATA_DIR) + "/cluster_traffic/" + name, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  }
  return lines;
}

// One node session after another: the raw DXSpider session (CR LF, BEL BEL,
// prompts, talk, WWV, announcements), the skimmer and human spots of a CC
// Cluster feed as DXSpider sends them, and an LF-only session with WCY.
std::string RealisticStream() {
  std::string block = ReadFixture("dxspider_local_node_session.raw");
  for (const std::string& line : Lines(ReadFixture("m0lte_VE7CC-1_real_spot_lines.txt")))
    block += line + "\a\a\r\n";
  block += ReadFixture("cluster2mqtt_G4BFG-9_sample_cluster_output.txt");
  std::string stream;
  while (stream.size() < kStreamBytes) stream += block;
  return stream;
}

// Text with no broadcast line in it (SH/DX replies: the spots without their
// "DX de " head), so every character goes through the keyword search.
std::string UnrecognisedStream() {
  std::string block;
  for (const std::string& line : Lines(ReadFixture("m0lte_VE7CC-1_real_spot_lines.txt"))) {
    block += (line.rfind("DX de ", 0) == 0 ? line.substr(6) : line) + "\r\n";
  }
  std::string stream;
  while (stream.size() < kStreamBytes) stream += block;
  return stream;
}

class CountingHandler : public LineHandler {
 public:
  void DecodeDX(int, LineInProgress&) override {}
  void DecodeWWV(int, LineInProgress&) override {}
  void DecodeANN(int, LineInProgress&) override {}
  void TraiteDX(int, LineInProgress& line) override { m_bytes += line.decode_line.size(); }
  std::size_t m_bytes = 0;
};

void FeedStream(benchmark::State& state, const std::string& stream) {
  Settings settings;
  settings.MyCall = "K1ABC";
  settings.ChatGroups = {"EU-CHAT", "JA"};
  WindowLineStores windows(settings);
  windows.SetView({'M', 1});
  CountingHandler handler;
  LineIntake intake(settings, windows, handler);
  for (auto _ : state) {
    for (std::size_t at = 0; at < stream.size(); at += kChunkBytes) {
      intake.FeedChunk(1, std::string_view(stream).substr(at, kChunkBytes));
    }
    benchmark::DoNotOptimize(handler.m_bytes);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
}

void BM_TraiteCharRecuRealTraffic(benchmark::State& state) {
  static const std::string stream = RealisticStream();
  FeedStream(state, stream);
}
BENCHMARK(BM_TraiteCharRecuRealTraffic)->Unit(benchmark::kMillisecond);

void BM_TraiteCharRecuUnrecognisedText(benchmark::State& state) {
  static const std::string stream = UnrecognisedStream();
  FeedStream(state, stream);
}
BENCHMARK(BM_TraiteCharRecuUnrecognisedText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brilox
