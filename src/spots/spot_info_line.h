// The info line of a DX spot, shown in the status line of the window that
// shows the spot:
//   "DL  Fed. Rep. of Germany  47\xB0  612 km  WAZ 14"
// prefix, two blanks, entity name (the country file's "_" shown as
// blanks), two blanks, the bearing in whole degrees, the degree sign and two
// blanks, the distance in whole km, " km  WAZ " and the CQ zone.  Pure functions; any thread.
#pragma once

#include <string>
#include <string_view>

namespace brilox {

// The degree sign in the single-byte text of the status line: byte 176, or
// for the Japanese interface the two bytes of its double-byte character set.
std::string_view DegreeSign(std::string_view language);

std::string BuildSpotInfoLine(std::string_view prefix, std::string_view entity_name, double bearing_degrees,
                              double distance_km, int waz_zone, std::string_view degree_sign);

}  // namespace brilox
