#include "shell/own_station.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "shell/settings/save_settings.h"

namespace brilox {
namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
bool IsAsciiLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool InRange(char c, char low, char high) { return c >= low && c <= high; }

}  // namespace

bool NeedsOwnStation(const Settings& settings) {
  return settings.MyCall.empty() || settings.MyCall == "NOCALL";
}

std::string CleanCallsign(std::string_view typed) {
  std::string call;
  for (char c : typed) {
    if (c == ' ' || c == '\t') continue;
    call.push_back(Upper(c));
  }
  if (call.size() > kMyCallLength) call.resize(kMyCallLength);
  const bool allowed = std::all_of(call.begin(), call.end(),
                                   [](char c) { return IsAsciiLetter(c) || IsAsciiDigit(c) || c == '/'; });
  const bool letter = std::any_of(call.begin(), call.end(), IsAsciiLetter);
  const bool digit = std::any_of(call.begin(), call.end(), IsAsciiDigit);
  if (!allowed || !letter || !digit || call.size() < 3 || call == "NOCALL") return {};
  return call;
}

std::optional<GeoPoint> LocatorCentre(std::string_view text) {
  if (text.size() != 4 && text.size() != 6) return std::nullopt;
  std::string l;
  for (char c : text) l.push_back(Upper(c));
  if (!InRange(l[0], 'A', 'R') || !InRange(l[1], 'A', 'R') || !IsAsciiDigit(l[2]) || !IsAsciiDigit(l[3])) {
    return std::nullopt;
  }
  double longitude = 20.0 * (l[0] - 'A') + 2.0 * (l[2] - '0') - 180.0;
  double latitude = 10.0 * (l[1] - 'A') + (l[3] - '0') - 90.0;
  if (l.size() == 6) {
    if (!InRange(l[4], 'A', 'X') || !InRange(l[5], 'A', 'X')) return std::nullopt;
    longitude += (l[4] - 'A') / 12.0 + 1.0 / 24.0;
    latitude += (l[5] - 'A') / 24.0 + 1.0 / 48.0;
  } else {
    longitude += 1.0;  // the centre of the 2 x 1 degree square
    latitude += 0.5;
  }
  return GeoPoint{latitude, longitude};
}

std::string LocatorOf(const GeoPoint& position) {
  // Kept just inside the grid so that the poles and the date line give a locator.
  const double lon = std::clamp(position.longitude + 180.0, 0.0, 359.9999);
  const double lat = std::clamp(position.latitude + 90.0, 0.0, 179.9999);
  std::string l(6, ' ');
  l[0] = static_cast<char>('A' + static_cast<int>(lon / 20.0));
  l[1] = static_cast<char>('A' + static_cast<int>(lat / 10.0));
  l[2] = static_cast<char>('0' + static_cast<int>(std::fmod(lon, 20.0) / 2.0));
  l[3] = static_cast<char>('0' + static_cast<int>(std::fmod(lat, 10.0)));
  l[4] = static_cast<char>('A' + static_cast<int>(std::fmod(lon, 2.0) * 12.0));
  l[5] = static_cast<char>('A' + static_cast<int>(std::fmod(lat, 1.0) * 24.0));
  return l;
}

Status AskForOwnStation(Settings& settings, SettingsStore& store, OwnStationDialog& dialog) {
  if (!NeedsOwnStation(settings)) return Status::Ok();
  const std::optional<OwnStation> answer =
      dialog.Ask({std::string(), LocatorOf({settings.MyLat, settings.MyLong})});
  if (!answer) return Status::Ok();
  const std::string call = CleanCallsign(answer->call);
  if (call.empty()) return Status::Ok();
  SetMyCall(settings, call);
  if (const std::optional<GeoPoint> centre = LocatorCentre(answer->locator)) {
    settings.MyLat = centre->latitude;
    settings.MyLong = centre->longitude;
  }
  return SaveOptStn(settings, store);
}

}  // namespace brilox
