// How a window row is coloured from its tag: the spot levels, IOTA, seek-list
// calls and the bulletin, announcement, chat, talk and echo tags each have a
// font and a background colour; a tag whose bit is set in ColBkTrans draws on
// the window's own background instead.  Any other tag draws in the window's
// colours.
#pragma once

#include <cstdint>

#include "core/settings.h"

namespace brilox {

struct RowColours {
  Colour font = 0;
  Colour background = 0;
  friend bool operator==(const RowColours&, const RowColours&) = default;
};

// The colours of the row with `tag` in a window drawn in `window` colours.
RowColours ResolveRowColours(std::int32_t tag, RowColours window, const Colours& col);

}  // namespace brilox
