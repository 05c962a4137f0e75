// The two texts every DX spot leaves behind: the 79-column LogLine (the
// record text of the DX log and of the log viewer) and the ShortLine (the
// summary the duplicate test compares).
//
// LogLine columns (1-based):
//   1-11  frequency, the "." in column 8
//   12-23 DX call, blank-padded
//   24-32 date "dd-Mon-yy", the day blank-padded on the left
//   33    blank
//   34-38 time "1234Z"
//   39    blank
//   40-79 comment/spotter block: the comment from 40, "<" spotter ">" ending
//         in 79; a long spotter overwrites the end of the comment.
#pragma once

#include <string>
#include <string_view>

#include "platform/clock.h"

namespace brilox {

enum class SpotterCase { kAsAnnounced, kUpper };

// "dd-Mon-yy" for the UTC day of `utc`.
std::string LogLineDate(DayTime utc);

// The 40-character comment/spotter block.
std::string CommentSpotterBlock(std::string_view comment, std::string_view spotter, SpotterCase spotter_case);

// Every field is cut or padded to its columns, so the result is always 79
// characters and the columns hold whatever the spot looked like.
std::string BuildLogLine(std::string_view frequency11, std::string_view dx_call, std::string_view date9,
                         std::string_view spot_time, std::string_view comment, std::string_view spotter,
                         SpotterCase spotter_case);

// "DX de " spotter (cut to 6, then at its first "-"), frequency, DX call,
// the first 22 characters of the comment and the time, one blank apart.
std::string BuildShortLine(std::string_view spotter, std::string_view frequency, std::string_view dx_call,
                           std::string_view comment, std::string_view spot_time);

// The ShortLine of a text line: the frequency without its decimals, and a
// leading "+..." signal report in the comment blanked (up to its first blank,
// at most five characters), so that the same spot with another report
// compares equal.
std::string BuildTextShortLine(std::string_view spotter, std::string_view freq_text, std::string_view dx_call,
                               std::string_view comment, std::string_view spot_time);

}  // namespace brilox
