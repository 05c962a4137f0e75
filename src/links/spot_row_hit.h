// What a right-click on a window row points at.  On a row holding "DX de "
// four boundaries split it: the widths, in the window's font, of the first
// 5, 13, 25 and 39 characters of a typical spot line.  Between the first two
// lies the spotter, between the second and third the frequency (tune the
// transceivers), between the third and fourth the DX call; the comment
// after them is nothing.  Pure logic; the window measures the texts.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace brilox {

enum class SpotRowTarget { kNone, kSpotter, kFrequency, kDxCall };

struct SpotRowHit {
  SpotRowTarget target = SpotRowTarget::kNone;
  std::string call;  // the spotter or the DX call, for the country information
  bool operator==(const SpotRowHit&) const = default;
};

// The typical spot line texts whose widths give the boundaries.
const std::array<std::string, 4>& SpotRowBoundaryTexts();

// `text_width` gives the pixel width of a text in the row's font; `x` is
// the click's position from the row's text start.
SpotRowHit HitTestSpotRow(std::string_view row, int x,
                          const std::function<int(std::string_view)>& text_width);

}  // namespace brilox
