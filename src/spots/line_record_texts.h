// The record texts of a finished broadcast line, by line class: the DX
// decoders fill the spot record (a "PC11^" frame was decoded before), the
// bulletin and message builders give the sender, the log record and the
// text compared for duplicates.  Window thread; no state.
#pragma once

#include <optional>
#include <string>

#include "platform/clock.h"
#include "core/settings.h"
#include "spots/line_handler.h"
#include "spots/propagation_lines.h"
#include "spots/spot_record.h"

namespace brilox {

struct LineTexts {
  std::string record_text;  // the log record of a bulletin or message (a spot's is its LogLine)
  std::string message;      // announcements: the text after the sender, for the bad-word test
  std::string solar_flux;   // bulletins: the "SFI=" status text; empty otherwise
};

// Fills Spotter, LogLine and ShortLine of `spot` (all DX fields for a "DX de"
// line).  `frame_bulletin` is what the decoder made of a "PC23^" frame
// (class 4); a class-4 line without one gives empty texts.
LineTexts BuildLineTexts(const LineInProgress& line, const Settings& settings, const Clock& clock,
                         const std::optional<PropagationLine>& frame_bulletin, SpotRecord& spot);

}  // namespace brilox
