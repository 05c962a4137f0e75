// Cleaning steps that the line intake runs on DecodeLine before a line goes
// to decoding, and the hour rounding of WWV lines.  Plain functions of the
// text; the removed-character count is kept by the caller.
#pragma once

#include "spots/decode_line.h"

namespace brilox {

inline constexpr char kBell = 7;
inline constexpr char kLineFeed = 10;
inline constexpr char kCarriageReturn = 13;
inline constexpr char kEscape = 27;

constexpr bool IsLineControl(char c) { return c == kBell || c == kLineFeed || c == kCarriageReturn; }

// Removes every BEL, LF and CR; adds the number removed to `removed`.
void RemoveLineControls(DecodeLine& line, int& removed);

// Removes the first ESC "[0m" and then the first ESC "G0" (colour resets that
// some nodes put around the call).  Not counted.
void RemoveEscapeCodes(DecodeLine& line);

// Removes a time tag " <HHMMZ>" (the blank before it included) that starts at
// the first "<", and adds the 8 removed characters to `removed`.  A "<" that
// does not open such a tag, or that has nothing before it, is message text and
// stays: a talk line "I <3 this band" keeps its words.
void RemoveTimeTag(DecodeLine& line, int& removed);

// Rounds the hour in the "<HH>" tag of a WWV line down to a multiple of 3
// ("<17>" becomes "<15>"); a four-digit tag "<1800>" is first cut to "<18>".
// A tag whose two characters after "<" are not digits is left alone.
void TraiteHeureWWV(DecodeLine& line);

}  // namespace brilox
