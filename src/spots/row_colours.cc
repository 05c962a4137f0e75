#include "spots/row_colours.h"

#include <array>

namespace brilox {
namespace {

struct TagColours {
  std::int32_t tag;
  Colour Colours::*font;
  Colour Colours::*background;
  int transparency_bit;
};

// The tags with colours of their own, with their bit in ColBkTrans.
constexpr std::array<TagColours, 14> kTagColours{{
    {2, &Colours::ColDXCCW, &Colours::ColBkDXCCW, 0},
    {3, &Colours::ColDXCCM, &Colours::ColBkDXCCM, 1},
    {4, &Colours::ColDXCCnew, &Colours::ColBkDXCCnew, 2},
    {102, &Colours::ColLOTWW, &Colours::ColBkLOTWW, 3},
    {103, &Colours::ColLOTWM, &Colours::ColBkLOTWM, 4},
    {104, &Colours::ColLOTWnew, &Colours::ColBkLOTWnew, 5},
    {10, &Colours::ColIOTAW, &Colours::ColBkIOTAW, 6},
    {11, &Colours::ColIOTAM, &Colours::ColBkIOTAM, 7},
    {5, &Colours::ColSeekCall, &Colours::ColBkSeekCall, 8},
    {20, &Colours::ColWWV, &Colours::ColBkWWV, 9},
    {21, &Colours::ColAnn, &Colours::ColBkAnn, 10},
    {22, &Colours::ColChat, &Colours::ColBkChat, 11},
    {23, &Colours::ColTalk, &Colours::ColBkTalk, 12},
    {24, &Colours::ColEcho, &Colours::ColBkEcho, 13},
}};

}  // namespace

RowColours ResolveRowColours(std::int32_t tag, RowColours window, const Colours& col) {
  for (const TagColours& entry : kTagColours) {
    if (entry.tag != tag) continue;
    bool transparent = ((col.ColBkTrans >> entry.transparency_bit) & 1U) != 0;
    return RowColours{col.*entry.font, transparent ? window.background : col.*entry.background};
  }
  return window;
}

}  // namespace brilox
