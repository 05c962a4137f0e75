// Decoders of "DX de " text lines into the spot record.  The line intake has
// already decided the layout:
//
//   full    "DX de SPOTTER:    14025.0  DXCALL       comment...          1234Z"
//           frequency ending in column 24 (its "." in 23), DX call from 27,
//           comment 40-70, time 71-75;
//   compact "DX de SPOTTER:   14025.0  DXCALL      1234Z comment..."
//           "." in column 24, DX call from 27, time 40-44, comment from 46.
//
// Both also build LogLine and ShortLine and run the age check.  Missing
// columns read as nothing, so a short or broken line gives short fields that
// the band and call checks later reject.  Window thread; no state.
#pragma once

#include <string_view>

#include "platform/clock.h"
#include "core/settings.h"
#include "spots/spot_record.h"

namespace brilox {

// Full layout.
void LigneFichDX(std::string_view decode_line, const Settings& settings, const Clock& clock, SpotRecord& spot);

// Compact layout.
void LigneFichDX_clusse(std::string_view decode_line, const Settings& settings, const Clock& clock,
                        SpotRecord& spot);

// The parts both layouts share, exposed for the frame decoder and the tests.

// The spotter: the text between "DX de " and its colon.  Only a colon in
// the spotter's columns counts (a colon in the comment is not the spotter's);
// without one, columns 7-14 trimmed, a final "/" removed.  Surrounding
// blanks ("W4BEE :") are dropped.  At most 12 characters.
std::string SpotterFromLine(std::string_view decode_line);

// The frequency as a `width`-character text with its "." in position 8,
// built from the number around the line's first "." in the frequency
// columns.  A spotter glued to the frequency ("...-#:21149.0") or a colon in
// column 15 no longer eats the decimals or leaks into the text.
std::string FrequencyTextFromLine(std::string_view decode_line, std::size_t width);

// The DX call field from column 27, without leading blanks (a glued spotter
// pushes the call one column right), blank-padded to 12.
std::string DxCallFromLine(std::string_view decode_line);

}  // namespace brilox
