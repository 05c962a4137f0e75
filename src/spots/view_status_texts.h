// The status texts of the views: the info line of the last spot each window
// showed, with the entity it names (the country information opens on it).
// The status line of the main window shows the text of the window on show.
// Window thread only.
#pragma once

#include <array>
#include <string>

#include "spots/terminal_count.h"
#include "spots/window_line_stores.h"

namespace brilox {

struct ViewStatus {
  std::string text;    // the info line; empty until a spot gave one
  std::string prefix;  // the entity prefix of that spot
  std::string key;     // the prefix key it was found under
  int band_key = 0;
  friend bool operator==(const ViewStatus&, const ViewStatus&) = default;
};

struct ViewStatusTexts {
  ViewStatus dx;
  ViewStatus alarm;
  ViewStatus lotw;
  std::array<ViewStatus, kTerminalCount> terminals;

  ViewStatus& Terminal(int terminal) { return terminals[static_cast<std::size_t>(terminal - 1)]; }
  const ViewStatus& Terminal(int terminal) const { return terminals[static_cast<std::size_t>(terminal - 1)]; }
  // The status of the window that `view` shows.
  const ViewStatus& For(const ViewState& view) const;
};

}  // namespace brilox
