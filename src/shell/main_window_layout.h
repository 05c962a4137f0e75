// Where the parts of the main window go for each view: the pixel rules of
// SetRunMode and FormResize, the status bar panels, the command-line height
// (HauteurPolice) and the placing of a secondary window over the main window.
// Plain numbers, so that the rules are tested without a display.
#pragma once

#include <array>

#include "spots/window_line_stores.h"

namespace brilox {

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The measured heights the layout works from.
struct LayoutMetrics {
  static constexpr int kLotwPanelHeight = 28;

  int toolbar = 0;                    // T
  int status_bar = 0;                 // S
  int command_line = 23;              // C
  int lotw_panel = kLotwPanelHeight;  // P
};

// Every part of the view; parts not on view are empty rectangles.
struct MainLayout {
  std::array<Rect, kWindowCount> grids;
  std::array<Rect, kTerminalCount> command_lines;
  Rect lotw_panel;
  Rect status_bar;

  friend bool operator==(const MainLayout&, const MainLayout&) = default;
};

// The layout of `view` in a client area of `width` x `height`.
MainLayout LayoutFor(const ViewState& view, const LayoutMetrics& metrics, int width, int height);

// The widths of the four status bar panels on a screen of `dpi` dots per inch.
std::array<int, 4> StatusPanelWidths(int dpi);

// HauteurPolice: the height of a one-line edit field for a font with this
// character height and external leading.
int HauteurPolice(int character_height, int external_leading);

// The top-left corner of a `window_width` x `window_height` window placed
// over the main window (`main` in screen coordinates, `main_client_height`
// its client height), kept inside a `screen_width` x `screen_height` screen.
struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};
Point PlaceOverMainWindow(const Rect& main, int main_client_height, int window_width, int window_height,
                          int screen_width, int screen_height);

}  // namespace brilox
