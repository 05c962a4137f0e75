// Where the main window opens.  The stored rectangle is the client area the
// window had when it closed; it opens in the same place, kept inside the
// available area (the desktop less panels and docks) of a screen that is
// present now, so that a geometry saved on a larger screen, or on a screen
// that has gone, never opens out of reach.  Plain numbers, tested without a
// display.
#pragma once

#include <vector>

#include "shell/main_window_layout.h"

namespace brilox {

// The window manager's frame around the client area.
struct FrameMargins {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// The client rectangle to open: `stored` moved (and, when it is larger,
// shrunk) so that it and its frame lie inside the screen area it overlaps
// most, or the first area when it overlaps none.  A stored size of zero or
// less keeps `fallback_width` x `fallback_height`.  No areas: `stored` as it is.
Rect FitIntoScreens(Rect stored, const std::vector<Rect>& available_areas, const FrameMargins& frame,
                    int fallback_width, int fallback_height);

}  // namespace brilox
