// The seven window line stores of the main window (terminals 1 to 4, DX,
// alarm, LoTW) with their limits, row width and colours from the settings,
// and the view state that decides which of them is shown.
// Window thread only.
#pragma once

#include <array>

#include "core/settings.h"
#include "spots/line_store.h"
#include "spots/row_colours.h"
#include "spots/terminal_count.h"

namespace brilox {

enum class WindowId { kTerminal1, kTerminal2, kTerminal3, kTerminal4, kDx, kAlarm, kLotw };
inline constexpr int kWindowCount = 7;

constexpr WindowId TerminalWindow(int terminal) { return static_cast<WindowId>(terminal - 1); }

// The main window's view: run mode 'M' (a terminal), 'D' (DX), 'A' (alarms)
// or 'L' (LoTW), and the terminal shown in run mode 'M'.
struct ViewState {
  char run_mode = 'M';
  int shown_terminal = 1;

  bool Shows(WindowId window) const;
};

// The row limit of `window` from MaxLines (a zero LoTW field means 200).
int WindowLimit(WindowId window, const LineLimits& limits);
// The font and background colours of `window`.
RowColours WindowColours(WindowId window, const Colours& col);

class WindowLineStores {
 public:
  explicit WindowLineStores(const Settings& settings);

  // Limits and row width after the settings changed; rows already stored
  // keep their text.
  void ApplySettings(const Settings& settings);

  LineStore& Get(WindowId window) { return m_stores[static_cast<std::size_t>(window)]; }
  const LineStore& Get(WindowId window) const { return m_stores[static_cast<std::size_t>(window)]; }
  LineStore& Terminal(int terminal) { return Get(TerminalWindow(terminal)); }
  const LineStore& Terminal(int terminal) const { return Get(TerminalWindow(terminal)); }

  const ViewState& view() const { return m_view; }
  // Records the view entered; each store learns whether it is shown (FollowEnd
  // moves only a shown store).  The scroll-hold flags are the main window's.
  void SetView(ViewState view);

 private:
  std::array<LineStore, kWindowCount> m_stores;
  ViewState m_view;
};

}  // namespace brilox
