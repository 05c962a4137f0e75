// Test doubles and a small rig for the line intake: a LineHandler that
// records what reaches decoding and spot processing, terminal hooks that
// record captures and focus moves, and helpers for real traffic fixtures.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/settings.h"
#include "spots/line_handler.h"
#include "spots/line_intake.h"
#include "spots/window_line_stores.h"
#include "support/test_paths.h"

namespace brilox::testing {

struct RecordedLine {
  std::string step;  // "DecodeDX", "DecodeWWV", "DecodeANN" or "TraiteDX"
  int terminal = 0;
  LineClass line_class = LineClass::kNone;
  SpotLayout layout = SpotLayout::kUndetermined;
  std::string text;
  int removed_count = 0;
  std::string chat_group;
};

class RecordingLineHandler : public LineHandler {
 public:
  void DecodeDX(int terminal, LineInProgress& line) override { Record("DecodeDX", terminal, line); }
  void DecodeWWV(int terminal, LineInProgress& line) override { Record("DecodeWWV", terminal, line); }
  void DecodeANN(int terminal, LineInProgress& line) override {
    Record("DecodeANN", terminal, line);
    if (drop_announcement_frames) line.decode_line.Clear();
  }
  void TraiteDX(int terminal, LineInProgress& line) override {
    Record("TraiteDX", terminal, line);
    processed.push_back(calls.back());
  }

  bool drop_announcement_frames = false;
  std::vector<RecordedLine> calls;      // every call in order
  std::vector<RecordedLine> processed;  // the TraiteDX calls only

 private:
  void Record(const char* step, int terminal, const LineInProgress& line) {
    calls.push_back(RecordedLine{step, terminal, line.line_class, line.layout, line.decode_line.str(),
                                 line.removed_count, line.chat_group});
  }
};

class RecordingTerminalHooks : public TerminalHooks {
 public:
  void WriteCapture(int terminal, std::string_view line) override {
    captured.emplace_back(terminal, std::string(line));
  }
  void FocusCommandLine(int terminal) override { focused.push_back(terminal); }

  std::vector<std::pair<int, std::string>> captured;
  std::vector<int> focused;
};

// Settings, the seven stores, the doubles and the intake wired together.
struct IntakeRig {
  explicit IntakeRig(Settings s = Settings()) : settings(std::move(s)), windows(settings) {
    intake = std::make_unique<LineIntake>(settings, windows, handler, &hooks);
  }
  void Feed(std::string_view bytes, int terminal = 1) { intake->FeedChunk(terminal, bytes); }
  // Feeds `bytes` in chunks of `chunk` bytes, as a link would deliver them.
  void FeedInChunks(std::string_view bytes, std::size_t chunk, int terminal = 1) {
    for (std::size_t at = 0; at < bytes.size(); at += chunk)
      intake->FeedChunk(terminal, bytes.substr(at, chunk));
  }
  std::vector<std::string> Rows(int terminal = 1) const {
    std::vector<std::string> rows;
    const LineStore& store = windows.Terminal(terminal);
    for (int i = 0; i < store.row_count(); ++i) rows.push_back(store.row(i));
    return rows;
  }

  Settings settings;
  WindowLineStores windows;
  RecordingLineHandler handler;
  RecordingTerminalHooks hooks;
  std::unique_ptr<LineIntake> intake;
};

inline Settings SettingsWithCall(std::string call) {
  Settings s;
  s.MyCall = std::move(call);
  return s;
}

// The lines of a fixture without its "#" comment lines, each ended by
// `line_end` (the fixtures hold LF; nodes send CR LF, some with BEL BEL).
inline std::string FixtureStream(const std::string& name, std::string_view line_end) {
  std::istringstream in(ReadTestData(name));
  std::string out;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    out += line;
    out += line_end;
  }
  return out;
}

// The lines of a fixture that begin with `prefix`, up to a line that begins
// with `until` (when given).
inline std::vector<std::string> FixtureLines(const std::string& name, std::string_view prefix,
                                             std::string_view until = {}) {
  std::istringstream in(ReadTestData(name));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!until.empty() && line.rfind(until, 0) == 0) break;
    if (line.rfind(prefix, 0) == 0) lines.push_back(line);
  }
  return lines;
}

}  // namespace brilox::testing
