// The narrow seams between the line intake and what comes after it.
//
// LineHandler receives each finished broadcast line: node frames go to their
// decoder first (DecodeDX, DecodeWWV, DecodeANN rewrite DecodeLine into the
// text form), then every line goes to TraiteDX, the spot processing.  The
// intake ends the line (class 0, layout "?", analysis line, DecodeLine and
// removed-character count cleared) as soon as TraiteDX returns, so TraiteDX
// resets only the state it owns.
//
// TerminalHooks are the terminal session's side: the capture file and the
// focus of the command line.
//
// All calls come on the window thread, from inside TraiteCharRecu; a handler
// must not feed characters back into the intake.
#pragma once

#include <string>
#include <string_view>

#include "spots/decode_line.h"
#include "spots/line_class.h"

namespace brilox {

// The line being received on one terminal, as the decoders and spot
// processing see it.
struct LineInProgress {
  LineClass line_class = LineClass::kNone;
  SpotLayout layout = SpotLayout::kUndetermined;
  DecodeLine decode_line;
  int removed_count = 0;   // characters the cleaning steps took out of decode_line
  std::string chat_group;  // chat lines: the group name that matched
};

class LineHandler {
 public:
  virtual ~LineHandler() = default;
  // A "PC11^" frame in decode_line, to become a full-layout "DX de " line.
  virtual void DecodeDX(int terminal, LineInProgress& line) = 0;
  // A "PC23^" frame, to become a "WWV de " line.
  virtual void DecodeWWV(int terminal, LineInProgress& line) = 0;
  // A "PC12^" frame, to become an "ALL de " line; an empty decode_line
  // afterwards drops the frame.
  virtual void DecodeANN(int terminal, LineInProgress& line) = 0;
  // A complete broadcast line of `terminal` (1 to 4).
  virtual void TraiteDX(int terminal, LineInProgress& line) = 0;
};

class TerminalHooks {
 public:
  virtual ~TerminalHooks() = default;
  // A completed received line of a terminal whose capture is on.
  virtual void WriteCapture(int terminal, std::string_view line) = 0;
  // A line arrived on the terminal on show and not held: typing goes to its
  // command line.
  virtual void FocusCommandLine(int terminal) = 0;
};

}  // namespace brilox
