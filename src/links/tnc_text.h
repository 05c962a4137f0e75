// The texts of the serial TNC, taken apart from the port: the line ends it
// sends, the empty lines it sets around its status lines, the parameters of
// the port, and the initialisation and exit texts.  Pure logic.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"
#include "platform/serial_port.h"

namespace brilox {

// TNC firmware ends its lines with CR alone, which the line intake does not
// take for a line end; each lone CR gets an LF after it.  A CR that ends a
// chunk is given its LF at once, and an LF that then opens the next chunk
// is dropped, so a CR LF split over two chunks stays one line end.
class TncLineEnds {
 public:
  std::string Normalise(std::string_view bytes);

 private:
  bool m_lastWasCr = false;
};

// Removes the empty lines a TNC sends (CR LF CR LF): the LF that would end
// an empty line becomes the byte 0, which the line intake ignores.  CR and
// 0 count as nothing (the intake shows neither), so a run of empty lines
// goes as a whole, and what one drain ended with carries over to the next.
class BlankLineSqueeze {
 public:
  void Apply(std::span<char> pending);
  void Reset() { m_afterLineEnd = false; }

 private:
  bool m_afterLineEnd = false;  // nothing shown since the last LF
};

// The lines of an initialisation or exit text as they go to the TNC: empty
// lines and "#" comments left out, a leading "ESC" (any case) and one blank
// after it turned into the escape character, CR at the end of each.
std::vector<std::string> TncTextLines(std::string_view text);

// The port parameters of COMPortSettings.
SerialLineSettings TncLineSettings(const SerialParameters& parameters);

}  // namespace brilox
