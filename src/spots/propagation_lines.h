// WWV and WCY propagation bulletins: the fields of a received bulletin line
// or "PC23^" node frame, and the 78-character record text that goes to
// WWVINFO.DAT and serves as the line's comparison text for duplicates.
//
// Plain functions of the line text and the UTC time of reception; window
// thread (they run inside the processing of one line).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace brilox {

// What a bulletin line yields.
struct PropagationLine {
  std::string Spotter;     // the sender, at most 9 characters (11 for a node frame's logger)
  std::string LogLine;     // the record text, kPropagationTextLength characters
  std::string StatusText;  // "SFI=" and the solar flux, for the main window's status line
  // 'P' when the sender part carries a bracketed hour, 'D' when the time of reception stands in.
  char SourceType = 'D';
};

// A "WWV de" text line (classes 3 and 8), its hour already normalised.
PropagationLine LigneFichWWV(std::string_view decode_line, DayTime utc_now);

// A "WCY de" text line (class 9).
PropagationLine LigneFichWCY(std::string_view decode_line, DayTime utc_now);

// A "PC23^" frame (class 4): rewrites `decode_line` as the "WWV de" line a
// user would see and returns the bulletin, dated with the frame's own date.
// A frame that lacks one of its eight field separators cannot be read: the
// line is emptied and nothing is returned, and the caller drops the line as it
// drops a refused announcement frame.
std::optional<PropagationLine> DecodeWWV(std::string& decode_line);

// "SFI=" followed by the solar flux without its padding.
std::string SfiStatusText(std::string_view solar_flux);

// The 78-character record: `date` is the 11-character " d-Mon-yyyy" text.
// Every field is fitted to its columns, so nothing a line holds moves them.
std::string BuildPropagationRecord(std::string_view date, std::string_view hour, std::string_view solar_flux,
                                   std::string_view a_index, char k_index, std::string_view text,
                                   std::string_view sender);

}  // namespace brilox
