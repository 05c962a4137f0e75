// A spot pipeline on an in-memory data folder for the processing tests: the
// small country table of the fixtures, a DXCC database the test fills, a
// clock that stands still, LoTW and IOTA checks the test answers, and an
// observer that keeps every processed line.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "awards/dxcc_table.h"
#include "platform/clock.h"
#include "platform/memory_file_system.h"
#include "spots/line_trace.h"
#include "spots/spot_pipeline.h"
#include "spots/traffic_log.h"
#include "support/test_paths.h"

namespace brilox::testing {

inline constexpr char kDataFolder[] = "/data";

// 1 February 2026, 18:40 UTC.
inline DayTime TestNow() { return EncodeDateTime(2026, 2, 1, 18, 40); }

// "DX de SPOTTER:" and the frequency ending in column 24, the call from
// column 27, the comment in 40-70 and the time in 71-75: the full layout.
inline std::string FullSpotLine(std::string_view spotter, std::string_view frequency, std::string_view call,
                                std::string_view comment, std::string_view time = "1840Z") {
  std::string line = "DX de " + std::string(spotter) + ":";
  const std::size_t gap = line.size() + frequency.size() < 24 ? 24 - line.size() - frequency.size() : 1;
  line += std::string(gap, ' ') + std::string(frequency) + "  ";
  std::string call_field(call);
  call_field.resize(13, ' ');
  std::string comment_field(comment.substr(0, 31));
  comment_field.resize(31, ' ');
  return line + call_field + comment_field + std::string(time);
}

// A DXCC row with every paper and LoTW state "-" except those set after.
inline DxccEntry Row(std::string_view prefix, std::string_view name) {
  return TemplateDxccEntry(prefix, name);
}

inline DxccEntry WithStates(DxccEntry entry, char paper, char lotw) {
  entry.paper.fill(paper);
  entry.lotw.fill(lotw);
  return entry;
}

inline DxccTable TableWith(std::vector<DxccEntry> rows) {
  DxccTable table;
  (void)table.Assign(std::move(rows));
  table.TriABul();
  return table;
}

// Answers from a list of LoTW users ("*" marks an uncertain one).
class ListedLotwUsers final : public LotwUserCheck {
 public:
  std::map<std::string, bool> users;  // trimmed call -> uncertain
  std::vector<std::string> asked;
  LotwUserAnswer CheckLotwUser(std::string_view call, bool) override {
    std::string trimmed(call);
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
    asked.push_back(trimmed);
    const auto found = users.find(trimmed);
    if (found == users.end()) return {};
    return {true, found->second};
  }
};

// A reference for comments that contain "EU-005".
class OneIotaReference final : public SpotIotaCheck {
 public:
  int needed_level = 11;
  SpotIotaAnswer CheckSpotIota(std::string_view, std::string_view comment, int level) override {
    if (comment.find("EU-005") == std::string_view::npos) return {level, {}};
    return {needed_level, "EU5"};
  }
};

// Keeps a copy of every processed line and counts the other events.
class RecordingEvents final : public SpotProcessingEvents {
 public:
  struct Line {
    int terminal = 0;
    LineClass line_class = LineClass::kNone;
    NewLineFlags flags;
    SpotRecord spot;
    bool tagged = false;
    std::int32_t tag = 0;
    std::string shown_text;
    bool shown_dx = false, shown_alarm = false, shown_lotw = false;
    bool logged = false, announced = false;
    std::string trace;
  };
  void StatusLineChanged() override { ++status_changes; }
  void RepaintShownWindow() override { ++repaints; }
  void SolarFluxChanged(std::string_view text) override { solar_flux.emplace_back(text); }
  void LineProcessed(const ProcessedLine& l) override {
    lines.push_back({l.terminal, l.line_class, l.flags, *l.spot, l.tagged, l.tag, std::string(l.shown_text),
                     l.shown_dx, l.shown_alarm, l.shown_lotw, l.logged, l.announced, TraceRow(l)});
  }
  std::vector<Line> lines;
  int status_changes = 0;
  int repaints = 0;
  std::vector<std::string> solar_flux;
};

inline Settings QuietTestSettings() {
  Settings s;
  SetMyCall(s, "K1ABC");
  SetMyPosition(s, 46.2, 6.1);
  return s;
}

struct PipelineRig {
  explicit PipelineRig(Settings settings = QuietTestSettings(), DxccTable dxcc = DxccTable())
      : clock(TestNow()) {
    (void)fs.CreateDirectories(kDataFolder);
    PipelineTables tables;
    tables.countries = CountryTable::Parse(ReadTestData("country/small_country.dat"));
    tables.dxcc = std::move(dxcc);
    pipeline = std::make_unique<SpotPipeline>(files, clock, kDataFolder, std::move(settings),
                                              std::move(tables), PipelineChecks{&lotw, &iota});
    pipeline->processing().SetEvents(&events);
    pipeline->processing().SetInactivityReset(
        [this](int terminal) { inactivity_resets.push_back(terminal); });
  }

  // One line as a node sends it, CR LF at its end.
  void Line(std::string_view text, int terminal = 1) { pipeline->Feed(terminal, std::string(text) + "\r\n"); }
  void Feed(std::string_view bytes, int terminal = 1) { pipeline->Feed(terminal, bytes); }

  LineStore& Window(WindowId id) { return pipeline->windows().Get(id); }
  // The texts of a window's rows (a new window holds one empty row).
  std::vector<std::string> Rows(WindowId id) {
    std::vector<std::string> rows;
    const LineStore& store = Window(id);
    if (store.marked_empty()) return rows;
    for (int i = 0; i < store.row_count(); ++i) rows.push_back(store.row(i));
    return rows;
  }
  std::int32_t LastTag(WindowId id) { return Window(id).tag(Window(id).row_count() - 1); }

  std::vector<std::string> LogRecords(LogCategory category) {
    TrafficLog& log = pipeline->log();
    Result<std::uint64_t> count = log.RecordCount(category);
    if (!count.ok() || *count == 0) return {};
    Result<std::vector<std::string>> records =
        log.ReadLogRecords(category, 0, static_cast<std::size_t>(*count));
    return records.ok() ? *records : std::vector<std::string>{};
  }
  std::uint64_t LogFileSize(LogCategory category) {
    Result<std::uint64_t> size = fs.FileSize(pipeline->log().PathOf(category));
    return size.ok() ? *size : 0;
  }

  const ViewStatusTexts& Status() { return pipeline->processing().status_texts(); }
  AnnouncementQueue& Queue() { return pipeline->announcements(); }
  SpotProcessing& Processing() { return pipeline->processing(); }

  MemoryFileSystem fs;
  FaultInjectingFileSystem files{fs};  // what the pipeline writes through
  FakeClock clock;
  ListedLotwUsers lotw;
  OneIotaReference iota;
  RecordingEvents events;
  std::vector<int> inactivity_resets;
  std::unique_ptr<SpotPipeline> pipeline;
};

}  // namespace brilox::testing
