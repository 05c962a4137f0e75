// The main window's geometry as the settings keep it, and the screen facts
// the layout rules read.  The settings hold the client area (the window
// without the window manager's frame): the close stores it and the start
// restores it, so a window closed and opened again does not creep by the
// frame's size.
#pragma once

#include <QWidget>

#include "core/settings.h"
#include "shell/startup_shutdown.h"

namespace brilox {

// Places `window` at MainFormLeft, MainFormTop, MainFormWidth and
// MainFormHeight, moved inside a present screen's available area.  Call it
// once the window is shown, when its frame is known.
void RestoreWindowGeometry(QWidget& window, const Settings& settings);

// The window's client area and its screen, for the close.
ClosingWindow ClosingGeometry(const QWidget& window);

// The dots per inch the operator sees: Qt's scaling keeps the logical DPI at
// 96 on a fine screen and raises the device pixel ratio instead.
int OperatorDpi(const QWidget& window);

}  // namespace brilox
