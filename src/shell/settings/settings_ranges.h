// Brings every numeric value of a freshly loaded settings record into the
// range the options dialog allows, before anything uses it.  A stored value
// is the operator's (or a damaged file's): one out of range must not make
// every start fail, as a line width of two thousand million characters
// would when the windows size their rows.
//
// Ranged values are clamped to their nearest bound; a choice from a list that
// names no entry takes its default; flag sets keep only the bits they define.
// Only the record changes: the store keeps what it holds until the options
// dialog writes the values back.  Window thread, inside LoadSettings.
#pragma once

#include "core/settings.h"

namespace brilox {

// Inclusive bounds of the ranged values that other code may want to show.
inline constexpr int kMinMaxLineLength = 80, kMaxMaxLineLength = 160;
inline constexpr int kMinPrLen = 40, kMaxPrLen = 100;
inline constexpr int kMinWindowLines = 100, kMaxWindowLines = 6000;
inline constexpr int kMaxFontSize = 60;
inline constexpr int kMinWindowSide = 100;

// `screen_width` and `screen_height` bound the stored window size, as the
// close path does when it stores it.
void BringSettingsIntoRange(Settings& settings, int screen_width, int screen_height);

}  // namespace brilox
