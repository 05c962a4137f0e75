// The small lamp beside a terminal button's number: grey while its link is
// down, amber while it connects, green while it is up.  Colour alone would
// leave some operators guessing, so the lamp is hollow while down and half
// filled while connecting.
#pragma once

#include <QColor>
#include <QIcon>

#include "links/link_seams.h"

namespace brilox {

QColor LinkStateColour(LinkState state);
QIcon LinkStateIcon(LinkState state);

}  // namespace brilox
