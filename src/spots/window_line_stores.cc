#include "spots/window_line_stores.h"

namespace brilox {

bool ViewState::Shows(WindowId window) const {
  switch (window) {
    case WindowId::kDx:
      return run_mode == 'D';
    case WindowId::kAlarm:
      return run_mode == 'A';
    case WindowId::kLotw:
      return run_mode == 'L';
    default:
      return run_mode == 'M' && TerminalWindow(shown_terminal) == window;
  }
}

int WindowLimit(WindowId window, const LineLimits& limits) {
  switch (window) {
    case WindowId::kDx:
      return limits.dx;
    case WindowId::kAlarm:
      return limits.alarm;
    case WindowId::kLotw:
      return limits.lotw == 0 ? 200 : limits.lotw;
    default:
      return limits.terminal;
  }
}

RowColours WindowColours(WindowId window, const Colours& col) {
  switch (window) {
    case WindowId::kTerminal1:
      return {col.ColMon, col.ColBkMon};
    case WindowId::kTerminal2:
      return {col.ColMon2, col.ColBkMon2};
    case WindowId::kTerminal3:
      return {col.ColMon3, col.ColBkMon3};
    case WindowId::kTerminal4:
      return {col.ColMon4, col.ColBkMon4};
    case WindowId::kDx:
      return {col.ColDX, col.ColBkDX};
    case WindowId::kAlarm:
      return {col.ColAlarm, col.ColBkAlarm};
    case WindowId::kLotw:
      return {col.ColLOTW, col.ColBkLOTW};
  }
  return {col.ColMon, col.ColBkMon};
}

WindowLineStores::WindowLineStores(const Settings& settings) {
  ApplySettings(settings);
  SetView(m_view);
}

void WindowLineStores::ApplySettings(const Settings& settings) {
  for (int i = 0; i < kWindowCount; ++i) {
    LineStore& store = m_stores[static_cast<std::size_t>(i)];
    store.SetLimit(WindowLimit(static_cast<WindowId>(i), settings.MaxLines));
    store.SetMaxLineLength(settings.MaxLineLength);
  }
}

void WindowLineStores::SetView(ViewState view) {
  m_view = view;
  for (int i = 0; i < kWindowCount; ++i) {
    m_stores[static_cast<std::size_t>(i)].SetShown(m_view.Shows(static_cast<WindowId>(i)));
  }
}

}  // namespace brilox
