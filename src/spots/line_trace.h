// The trace of processed lines: one tab-separated row per line that spot
// processing handled, after a header row naming the columns.  Operators
// replay a capture and read it to see why a spot was or was not shown;
// tests read it to check the pipeline on real traffic.
//
// Booleans are 0 and 1.  Inside a field a tab is written \t, a backslash as
// two backslashes and any other byte below 32 or above 126 \xNN, so that
// one line is one row whatever the node sent.  "tag" is empty for a line that got none (a
// duplicate or a rejected line).  Pure functions; any thread.
#pragma once

#include <string>
#include <string_view>

#include "spots/spot_processing_events.h"

namespace brilox {

// The header row, ending in LF.
std::string_view TraceHeader();

// The row of one processed line, ending in LF.
std::string TraceRow(const ProcessedLine& line);

// One field with the escapes above.
std::string EscapeTraceField(std::string_view text);

}  // namespace brilox
