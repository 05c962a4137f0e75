// What spot processing tells the windows and front ends after each line:
// the status line needs a refresh, the view on show needs a repaint (its
// last row got a colour), the solar flux changed, and a summary of the line
// just processed (the console prints and traces from it).  Every call comes
// on the window thread from inside TraiteDX; the default does nothing.
#pragma once

#include <cstdint>
#include <string_view>

#include "spots/line_class.h"
#include "spots/line_history.h"
#include "spots/spot_record.h"

namespace brilox {

// One processed line, valid only during the call.
struct ProcessedLine {
  int terminal = 0;
  LineClass line_class = LineClass::kNone;
  NewLineFlags flags;
  const SpotRecord* spot = nullptr;  // the record as the line left it, before the reset
  std::string_view decode_line;
  // The row tag the line got; none for a dropped line.
  bool tagged = false;
  std::int32_t tag = 0;
  // What the DX, alarm and LoTW windows received (the same text in each;
  // empty when the line was not shown) and the tag of its wrapped rows.
  std::string_view shown_text;
  bool shown_dx = false;
  bool shown_alarm = false;
  bool shown_lotw = false;
  std::int32_t wrap_tag = 0;
  bool logged = false;     // a log record was written
  bool announced = false;  // an alarm was queued
};

class SpotProcessingEvents {
 public:
  virtual ~SpotProcessingEvents() = default;
  // The status text of the window on show may have changed.
  virtual void StatusLineChanged() {}
  // The window on show got a coloured last row.
  virtual void RepaintShownWindow() {}
  // A bulletin brought a new "SFI=" text for the status line.
  virtual void SolarFluxChanged(std::string_view status_text) { (void)status_text; }
  virtual void LineProcessed(const ProcessedLine& line) { (void)line; }
};

}  // namespace brilox
