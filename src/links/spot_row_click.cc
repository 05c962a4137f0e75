#include "links/spot_row_click.h"

namespace brilox {

SpotRowTarget StringGridMouseDown(std::string_view row, int x,
                                  const std::function<int(std::string_view)>& text_width, bool alt_held,
                                  bool ctrl_held, CatControl* cat, const ShowCountryOfCall& show_country) {
  const SpotRowHit hit = HitTestSpotRow(row, x, text_width);
  switch (hit.target) {
    case SpotRowTarget::kSpotter:
    case SpotRowTarget::kDxCall:
      if (show_country && !hit.call.empty()) show_country(hit.call);
      break;
    case SpotRowTarget::kFrequency:
      if (cat != nullptr && cat->AnyTransceiver()) (void)cat->TuneToSpot(row, alt_held, ctrl_held);
      break;
    case SpotRowTarget::kNone:
      break;
  }
  return hit.target;
}

}  // namespace brilox
