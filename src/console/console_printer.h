// What brilox-console shows: every row the DX, alarm and LoTW windows
// receive, in the colours of its tag (24-bit ANSI) when asked to, and the
// trace rows.  It follows the spot processing as its event observer.
// Main thread only.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "core/settings.h"
#include "spots/spot_processing_events.h"
#include "spots/window_line_stores.h"

namespace brilox {

struct ConsoleCounts {
  long lines = 0;      // processed by spot processing
  long shown = 0;      // shown in the DX window
  long alarms = 0;     // shown in the alarm window
  long logged = 0;     // log records written
  long announced = 0;  // alarms queued for the announcer
};

// A row for a terminal: bytes that are not printable ASCII as \xNN, so that
// whatever a node sends cannot move the cursor or switch the character set.
std::string PrintableRow(std::string_view row);

// The ANSI sequence that draws in `font` on `background` (colours with red in
// the low byte), and the one that ends it.
std::string AnsiColours(Colour font, Colour background);
inline constexpr std::string_view kAnsiReset = "\x1b[0m";

class ConsolePrinter final : public SpotProcessingEvents {
 public:
  // `trace` may be null.
  ConsolePrinter(std::FILE* out, std::FILE* trace, const Settings& settings, const WindowLineStores& windows,
                 bool colour);

  void LineProcessed(const ProcessedLine& line) override;
  const ConsoleCounts& counts() const { return m_counts; }

 private:
  void PrintRows(WindowId window, std::string_view label, const ProcessedLine& line);
  void PrintRow(WindowId window, std::string_view label, std::string_view row, std::int32_t tag);

  std::FILE* m_out;
  std::FILE* m_trace;
  const Settings& m_settings;
  const WindowLineStores& m_windows;
  bool m_colour;
  ConsoleCounts m_counts;
};

}  // namespace brilox
