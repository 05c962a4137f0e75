// How the window line stores look on the screen: the colours of a row from
// its tag, and the receive font.  "Fixedsys", the default font name, names
// a bitmap font that Linux lacks; the system's fixed-pitch font takes its
// place so that the columns of the spot lines stay aligned.
#pragma once

#include <QColor>
#include <QFont>

#include "core/settings.h"

namespace brilox {

// A 24-bit setting colour, red in the low byte.
QColor ToQColor(Colour colour);

// The font named by FontNameRX, FontSizeRX and FontStyleRX ("B", "I").
QFont ReceiveFont(const FontSettings& font);

}  // namespace brilox
