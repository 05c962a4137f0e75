#include "spots/spot_info_line.h"

#include <algorithm>
#include <cmath>

namespace brilox {
namespace {

constexpr std::string_view kLatinDegree = "\xB0";
constexpr std::string_view kJapaneseDegree = "\x81\x8B";

// Whole units, halves away from zero.  Bearings stay below 360 and distances
// below 20 040 km, so no value needs more digits than the line has room for.
std::string Whole(double value) {
  if (!std::isfinite(value)) return "0";
  return std::to_string(std::lround(value));
}

}  // namespace

std::string_view DegreeSign(std::string_view language) {
  return language == "JPN" ? kJapaneseDegree : kLatinDegree;
}

std::string BuildSpotInfoLine(std::string_view prefix, std::string_view entity_name, double bearing_degrees,
                              double distance_km, int waz_zone, std::string_view degree_sign) {
  std::string line;
  line.reserve(80);
  line.append(prefix).append("  ");
  // The country file writes a name as one word, blanks as "_".
  const std::size_t name_start = line.size();
  line.append(entity_name);
  std::replace(line.begin() + static_cast<std::ptrdiff_t>(name_start), line.end(), '_', ' ');
  line.append("  ");
  line.append(Whole(bearing_degrees)).append(degree_sign).append("  ");
  line.append(Whole(distance_km)).append(" km  WAZ ").append(std::to_string(waz_zone));
  return line;
}

}  // namespace brilox
