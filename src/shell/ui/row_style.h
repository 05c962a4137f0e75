// How the window line stores look on the screen: the colours of a row from
// its tag, and the receive font.  "Fixedsys", the default font name, names
// a bitmap font that Linux lacks; the system's fixed-pitch font takes its
// place so that the columns of the spot lines stay aligned.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string_view>

#include "core/settings.h"

namespace brilox {

// A 24-bit setting colour, red in the low byte.
QColor ToQColor(Colour colour);

// The font named by FontNameRX, FontSizeRX and FontStyleRX ("B", "I").
QFont ReceiveFont(const FontSettings& font);

// A row's single bytes as they are drawn in `font`: Latin-1, except the
// escape character that marks an echoed local command, which no font draws:
// it shows as the control picture when the font has one, else as a diamond.
QString RowText(std::string_view text, const QFont& font);

}  // namespace brilox
