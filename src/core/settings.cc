#include "core/settings.h"

#include <algorithm>

namespace brilox {
namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

Settings::Settings() {
  SetMyCall(*this, MyCall);
  SetMyPosition(*this, MyLat, MyLong);
  UpdateDarkColours(Col);
  for (int i = 0; i < kCustomColourCount; ++i)
    CustomColor[static_cast<std::size_t>(i)] = DefaultCustomColor(i);
}

std::string DefaultCustomColor(int index) {
  return std::string("Color") + static_cast<char>('A' + index) + "=FFFFFFFF";
}

void SetMyCall(Settings& settings, std::string call) {
  if (call.size() > kMyCallLength) call.resize(kMyCallLength);
  settings.MyCall = std::move(call);
  settings.MyCallAgw = settings.MyCall + std::string(1, '\0');
  settings.MyCallCaption = settings.MyCall + ":";
}

void SetMyPosition(Settings& settings, double latitude, double longitude) {
  settings.MyLat = latitude;
  settings.MyLong = longitude;
  settings.MyLatRad = latitude * kPi / 180.0;
  settings.MyLongRad = longitude * kPi / 180.0;
}

void UpdateAnyZoneRejected(Settings& settings) {
  settings.AnyZoneRejected = std::any_of(settings.RejectFromZone.begin(), settings.RejectFromZone.end(),
                                         [](bool rejected) { return rejected; });
}

Colour SevenEighths(Colour colour) {
  Colour dark = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const Colour channel = (colour >> shift) & 0xFF;
    dark |= ((channel * 7) >> 3) << shift;
  }
  return dark;
}

void UpdateDarkColours(Colours& colours) {
  colours.DarkDXCC = SevenEighths(colours.ColBkDXCC);
  colours.DarkDXCCstat = SevenEighths(colours.ColBkDXCCstat);
}

}  // namespace brilox
