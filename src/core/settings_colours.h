// The stored colour values, in the order of the colour table: each pair's
// text colour then its background, then the single colours.  The loader, the
// colour page writer and the export walk this one list.
#pragma once

#include <array>

#include "core/settings.h"

namespace brilox {

struct ColourValue {
  const char* name;
  Colour Colours::*member;
};

inline constexpr std::array<ColourValue, 63> kColourValues{{
    {"ColMon", &Colours::ColMon},
    {"ColBkMon", &Colours::ColBkMon},
    {"ColMon2", &Colours::ColMon2},
    {"ColBkMon2", &Colours::ColBkMon2},
    {"ColMon3", &Colours::ColMon3},
    {"ColBkMon3", &Colours::ColBkMon3},
    {"ColMon4", &Colours::ColMon4},
    {"ColBkMon4", &Colours::ColBkMon4},
    {"ColDX", &Colours::ColDX},
    {"ColBkDX", &Colours::ColBkDX},
    {"ColLOTW", &Colours::ColLOTW},
    {"ColBkLOTW", &Colours::ColBkLOTW},
    {"ColAlarm", &Colours::ColAlarm},
    {"ColBkAlarm", &Colours::ColBkAlarm},
    {"ColDXCCW", &Colours::ColDXCCW},
    {"ColBkDXCCW", &Colours::ColBkDXCCW},
    {"ColDXCCM", &Colours::ColDXCCM},
    {"ColBkDXCCM", &Colours::ColBkDXCCM},
    {"ColDXCCnew", &Colours::ColDXCCnew},
    {"ColBkDXCCnew", &Colours::ColBkDXCCnew},
    {"ColLOTWW", &Colours::ColLOTWW},
    {"ColBkLOTWW", &Colours::ColBkLOTWW},
    {"ColLOTWM", &Colours::ColLOTWM},
    {"ColBkLOTWM", &Colours::ColBkLOTWM},
    {"ColLOTWnew", &Colours::ColLOTWnew},
    {"ColBkLOTWnew", &Colours::ColBkLOTWnew},
    {"ColIOTAW", &Colours::ColIOTAW},
    {"ColBkIOTAW", &Colours::ColBkIOTAW},
    {"ColIOTAM", &Colours::ColIOTAM},
    {"ColBkIOTAM", &Colours::ColBkIOTAM},
    {"ColSeekCall", &Colours::ColSeekCall},
    {"ColBkSeekCall", &Colours::ColBkSeekCall},
    {"ColWWV", &Colours::ColWWV},
    {"ColBkWWV", &Colours::ColBkWWV},
    {"ColAnn", &Colours::ColAnn},
    {"ColBkAnn", &Colours::ColBkAnn},
    {"ColChat", &Colours::ColChat},
    {"ColBkChat", &Colours::ColBkChat},
    {"ColTalk", &Colours::ColTalk},
    {"ColBkTalk", &Colours::ColBkTalk},
    {"ColEcho", &Colours::ColEcho},
    {"ColBkEcho", &Colours::ColBkEcho},
    {"ColShow", &Colours::ColShow},
    {"ColBkShow", &Colours::ColBkShow},
    {"ColSearchRes", &Colours::ColSearchRes},
    {"ColBkSearchRes", &Colours::ColBkSearchRes},
    {"ColDXCC", &Colours::ColDXCC},
    {"ColBkDXCC", &Colours::ColBkDXCC},
    {"ColDXCCmodif", &Colours::ColDXCCmodif},
    {"ColBkDXCCmodif", &Colours::ColBkDXCCmodif},
    {"ColDXCCfocus", &Colours::ColDXCCfocus},
    {"ColBkDXCCfocus", &Colours::ColBkDXCCfocus},
    {"ColDXCCedit", &Colours::ColDXCCedit},
    {"ColBkDXCCedit", &Colours::ColBkDXCCedit},
    {"ColDXCCstat", &Colours::ColDXCCstat},
    {"ColBkDXCCstat", &Colours::ColBkDXCCstat},
    {"ColDXCClist", &Colours::ColDXCClist},
    {"ColBkDXCClist", &Colours::ColBkDXCClist},
    {"ColTX", &Colours::ColTX},
    {"ColConn", &Colours::ColConn},
    {"ColCountryM", &Colours::ColCountryM},
    {"ColCountryW", &Colours::ColCountryW},
    {"ColCountryC", &Colours::ColCountryC},
}};

// The spot-line pairs whose background older versions did not store: when
// the background is created with its default and the text colour equals that
// default, the text colour in memory returns to its own default.
struct ColourPair {
  Colour Colours::*text;
  Colour Colours::*background;
};
inline constexpr std::array<ColourPair, 3> kRecolouredPairs{{
    {&Colours::ColDXCCW, &Colours::ColBkDXCCW},
    {&Colours::ColDXCCM, &Colours::ColBkDXCCM},
    {&Colours::ColDXCCnew, &Colours::ColBkDXCCnew},
}};

}  // namespace brilox
