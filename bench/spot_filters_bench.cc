// Cost of the filters every DX spot passes: the duplicate rings, the zone,
// self-spot and call checks, and the reject lists.
#include <benchmark/benchmark.h>

#include <string>

#include "spots/alarm_repeat.h"
#include "spots/line_history.h"
#include "spots/reject_lists.h"
#include "spots/spot_checks.h"

namespace brilox {
namespace {

class FixedZone : public CallZoneLookup {
 public:
  int WazZoneOf(std::string_view) override { return 14; }
};

Settings WithLists(int entries) {
  Settings settings;
  for (int i = 0; i < entries; ++i) {
    settings.BadSpotter.push_back({i % 3 == 0 ? "DL" + std::to_string(i) + "*" : "*-" + std::to_string(i)});
    settings.BadWord.push_back({i % 2 == 0 ? "SPAM" + std::to_string(i) : "*JUNK" + std::to_string(i) + "*"});
  }
  settings.RejectFromZone[24] = true;
  settings.RejectSelfSpots = 1;
  return settings;
}

void BM_FiltersOfOneSpot(benchmark::State& state) {
  const Settings settings = WithLists(static_cast<int>(state.range(0)));
  FixedZone zones;
  SpotChecks checks(settings, zones);
  LineHistory history;
  SpotRecord spot;
  spot.DXCall = "TZ4AM       ";
  spot.Spotter = "W3LPL";
  spot.Comment = "CW 23 dB 25 WPM CQ heard in PA";
  int n = 0;
  for (auto _ : state) {
    const std::string text = "DX de W3LPL 14037 TZ4AM " + std::to_string(++n);
    const NewLineFlags flags = history.TestNewDX(1 + n % 4, text);
    spot.BandOK = true;
    checks.Run("", spot);
    TestBadSpotter(settings, spot);
    TestBadWord(settings, spot.Comment, spot);
    history.RememberOnTerminal(1 + n % 4, text);
    if (flags.NewForDisplay) history.RememberShown(text);
    benchmark::DoNotOptimize(spot);
  }
}
// Empty lists, a typical handful, and both lists full.
BENCHMARK(BM_FiltersOfOneSpot)->Arg(0)->Arg(10)->Arg(100);

void BM_RepeatRuleWithAFullList(benchmark::State& state) {
  PastAlarms past;
  DayTime now = 46000.0;
  for (int i = 0; i < 100; ++i) past.RecordAlarm(4, "CALL" + std::to_string(i), "20", now);
  int n = 0;
  for (auto _ : state) {
    now += 1.0 / 86400.0;
    benchmark::DoNotOptimize(past.ShouldAnnounce(4, "CALL" + std::to_string(n++ % 150), "20", now, 10));
  }
}
BENCHMARK(BM_RepeatRuleWithAFullList);

}  // namespace
}  // namespace brilox
