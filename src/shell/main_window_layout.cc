#include "shell/main_window_layout.h"

#include <algorithm>

namespace brilox {
namespace {

std::size_t Index(WindowId window) { return static_cast<std::size_t>(window); }

}  // namespace

MainLayout LayoutFor(const ViewState& view, const LayoutMetrics& m, int width, int height) {
  MainLayout layout;
  const int t = m.toolbar, s = m.status_bar, c = m.command_line, p = m.lotw_panel;
  switch (view.run_mode) {
    case 'A':
      layout.grids[Index(WindowId::kAlarm)] = {0, t + 1, width, height - t - s - 1};
      break;
    case 'D':
      layout.grids[Index(WindowId::kDx)] = {0, t + 1, width, height - t - s - 1};
      break;
    case 'L':
      layout.lotw_panel = {1, t + 1, width - 2, p};
      layout.grids[Index(WindowId::kLotw)] = {0, t + p + 3, width, height - t - p - s - 3};
      break;
    default: {
      const int n = std::clamp(view.shown_terminal, 1, kTerminalCount);
      layout.grids[Index(TerminalWindow(n))] = {0, t + 1, width, height - t - c - s - 3};
      layout.command_lines[static_cast<std::size_t>(n - 1)] = {0, height - s - c, width, c};
      break;
    }
  }
  layout.status_bar = {0, height - s, width, s};
  return layout;
}

std::array<int, 4> StatusPanelWidths(int dpi) {
  if (dpi > 119) return {130, 115, 85, 350};
  return {150, 100, 85, 350};
}

int HauteurPolice(int character_height, int external_leading) {
  const int height = character_height + external_leading + 8;
  return height > 0 ? height : 23;
}

Point PlaceOverMainWindow(const Rect& main, int main_client_height, int window_width, int window_height,
                          int screen_width, int screen_height) {
  int x = main.left + (main.width - window_width) / 2;
  int y = main.top + (2 * main.height - main_client_height - window_height) / 2;
  x = std::max(0, std::min(x, screen_width - window_width));
  y = std::max(0, std::min(y, screen_height - window_height));
  return {x, y};
}

}  // namespace brilox
