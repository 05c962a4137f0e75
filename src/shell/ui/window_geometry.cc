#include "shell/ui/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <vector>

#include "shell/window_placement.h"

namespace brilox {
namespace {

Rect ToRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

void RestoreWindowGeometry(QWidget& window, const Settings& s) {
  std::vector<Rect> areas;
  // The window's own screen first: a window that overlaps none opens there.
  if (const QScreen* own = window.screen()) areas.push_back(ToRect(own->availableGeometry()));
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen != window.screen()) areas.push_back(ToRect(screen->availableGeometry()));
  }
  const QRect client = window.geometry();
  const QRect frame = window.frameGeometry();
  const FrameMargins margins{client.left() - frame.left(), client.top() - frame.top(),
                             frame.right() - client.right(), frame.bottom() - client.bottom()};
  const Rect placed = FitIntoScreens({s.MainFormLeft, s.MainFormTop, s.MainFormWidth, s.MainFormHeight},
                                     areas, margins, window.width(), window.height());
  window.setGeometry(placed.left, placed.top, placed.width, placed.height);
}

ClosingWindow ClosingGeometry(const QWidget& window) {
  ClosingWindow closing;
  const QRect client = window.geometry();
  closing.left = client.left();
  closing.top = client.top();
  closing.width = client.width();
  closing.height = client.height();
  if (const QScreen* screen = window.screen()) {
    closing.screen_width = screen->availableGeometry().width();
    closing.screen_height = screen->availableGeometry().height();
  }
  return closing;
}

int OperatorDpi(const QWidget& window) {
  return static_cast<int>(std::lround(window.logicalDpiY() * window.devicePixelRatioF()));
}

}  // namespace brilox
