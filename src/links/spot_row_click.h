// The right-click on a row of the terminal, DX, alarm and LoTW windows
// (StringGridMouseDown): the spotter or the DX call to the country
// information, the frequency to the transceivers when one is configured.
// Window thread only.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "links/cat_control.h"
#include "links/spot_row_hit.h"

namespace brilox {

// The country information window, which comes later; empty does nothing.
using ShowCountryOfCall = std::function<void(const std::string& call)>;

SpotRowTarget StringGridMouseDown(std::string_view row, int x,
                                  const std::function<int(std::string_view)>& text_width, bool alt_held,
                                  bool ctrl_held, CatControl* cat, const ShowCountryOfCall& show_country);

}  // namespace brilox
