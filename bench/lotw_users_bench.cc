// Cost of loading the LoTW user list and of checking a call against it, on
// the service's whole list when BRILOX_LOTW_USERS names it (or the file is
// given as the first argument), else on the slice kept with the tests.
// Also the IOTA scan of a spot comment.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "awards/iota_reference.h"
#include "awards/lotw_users.h"

namespace brilox {
namespace {

std::string g_listPath;

std::string ListPath() {
  if (!g_listPath.empty()) return g_listPath;
  if (const char* path = std::getenv("BRILOX_LOTW_USERS"); path != nullptr && *path != '\0') return path;
  return std::string(BRILOX_TEST_DATA_DIR) + "/lotw/lotw-user-activity-sample.csv";
}

std::string ReadList() {
  std::ifstream in(ListPath(), std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// From reading the file to a list ready for searching.
void BM_LoadLotwUsers(benchmark::State& state) {
  const std::string path = ListPath();
  for (auto _ : state) {
    Result<LotwUsers> users = LotwUsers::Load(PosixFileSystem(), path);
    if (!users.ok()) {
      state.SkipWithError(("cannot read " + path).c_str());
      return;
    }
    state.counters["users"] = users->count();
    benchmark::DoNotOptimize(users);
  }
}
BENCHMARK(BM_LoadLotwUsers)->Unit(benchmark::kMillisecond);

// The parse and the order check alone, from bytes already in memory.
void BM_ParseLotwUsers(benchmark::State& state) {
  const std::string text = ReadList();
  for (auto _ : state) benchmark::DoNotOptimize(LotwUsers::Parse(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseLotwUsers)->Unit(benchmark::kMillisecond);

// Spot calls as they come: found ones, unknown ones, portable ones tried in
// parts, under the age rule.
void BM_CheckLotwUser(benchmark::State& state) {
  const LotwUsers users = LotwUsers::Parse(ReadList());
  if (users.empty()) {
    state.SkipWithError("no LoTW user list");
    return;
  }
  std::vector<std::string> calls;
  for (int i = 0; i < users.count(); i += users.count() / 64 + 1) {
    const std::string call(users.entry(i).call());
    calls.push_back(call + "      ");
    calls.push_back(call + "X");
    calls.push_back(call + "/P");
  }
  LotwCheckRules rules;
  rules.portable_calls = true;
  rules.age_rule = true;
  rules.now_local = EncodeDate(2021, 4, 11);
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(CheckLotwUser(users, calls[next], rules));
    if (++next == calls.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckLotwUser);

void BM_ParseIotaReference(benchmark::State& state) {
  const std::vector<std::string> comments{"CQ CQ UP 2", "IOTA EU-005 QSL VIA LOTW", "NOT EU 14025 OC-123",
                                          "ASEU005 SSA-NAC", "TNX QSO 73"};
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ParseIotaReference(comments[next], "VK2ABC"));
    if (++next == comments.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseIotaReference);

}  // namespace
}  // namespace brilox

// The list's path may come first on the command line, before the
// benchmark's own options.
int main(int argc, char** argv) {
  if (argc > 1 && argv[1][0] != '-') {
    brilox::g_listPath = argv[1];
    for (int i = 1; i + 1 < argc; ++i) argv[i] = argv[i + 1];
    --argc;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
