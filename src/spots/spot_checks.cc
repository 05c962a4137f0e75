#include "spots/spot_checks.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "spots/column_text.h"

namespace brilox {
namespace {

using column_text::IsDigit;

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

bool StartsWithAny(std::string_view text, std::initializer_list<std::string_view> prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(),
                     [&](std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; });
}

// The character at 0-based `index`, a blank past the end (the call is blank-padded).
char CharAt(std::string_view call, std::size_t index) { return index < call.size() ? call[index] : ' '; }

bool IsOneOf(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

// "CQ" followed by a digit and a letter is a real prefix block (CQ7ABC); the
// rest are words and contest or mode calls written after CQ.
bool IsPlausibleCqCall(std::string_view call) {
  const char third = CharAt(call, 2);
  const char fourth = CharAt(call, 3);
  if ((IsDigit(third) && IsDigit(fourth)) || (IsLetter(third) && IsLetter(fourth))) return false;
  if (third == '/') return false;
  switch (third) {
    case '2':
      if (IsOneOf(fourth, " AMOS")) return false;
      break;
    case '3':
    case '9':
      if (IsOneOf(fourth, " C")) return false;
      break;
    case '4':
      if (IsOneOf(fourth, " M")) return false;
      break;
    case '6':
      if (IsOneOf(fourth, " CM")) return false;
      break;
    default:
      break;
  }
  if (StartsWithAny(call, {"CQ1/", "CQ4S"})) return false;
  if (StartsWithAny(call, {"CQ1MS", "CQ1NA", "CQ1ST", "CQ2CQ", "CQ2DX", "CQ2ES", "CQ3RS", "CQ6RS", "CQ9CM"})) {
    return false;
  }
  return !StartsWithAny(call, {"CQ1ONO", "CQ1PER", "CQ2CON", "CQ2EME", "CQ2FSK", "CQ2WSJ", "CQ3TES", "CQ4EME",
                               "CQ4FSK", "CQ4MTR", "CQ4NAC", "CQ4SAT", "CQ4SHF", "CQ6MTR", "CQ6NAC"});
}

}  // namespace

bool IsZoneFilteringOn(const Settings& settings) {
  const auto& rejected = settings.RejectFromZone;
  return std::any_of(rejected.begin(), rejected.end(), [](bool bit) { return bit; });
}

bool IsSpotterZoneRejected(const Settings& settings, int zone) {
  if (!IsZoneFilteringOn(settings)) return false;
  const auto& rejected = settings.RejectFromZone;
  if (zone < 1 || zone > static_cast<int>(rejected.size())) return true;
  return rejected[static_cast<std::size_t>(zone - 1)];
}

bool IsSelfSpot(std::string_view dx_call, std::string_view spotter) {
  using column_text::UpTo;
  const std::string dx = column_text::Upper(UpTo(UpTo(dx_call, ' '), '/'));
  const std::string from = column_text::Upper(UpTo(UpTo(spotter, ' '), '-'));
  if (dx == from) return true;
  // One Spanish licence may be used with EA and with EH.
  if (dx.size() < 2 || from.size() < 2 || from[0] != 'E' || (from[1] != 'A' && from[1] != 'H')) return false;
  std::string as_spotter_prefix = dx;
  as_spotter_prefix[1] = from[1];
  return as_spotter_prefix == from;
}

bool IsPlausibleDxCall(std::string_view call) {
  const bool has_digit = std::any_of(call.begin(), call.end(), IsDigit);
  const bool has_letter = std::any_of(call.begin(), call.end(), IsLetter);
  if (!has_digit || !has_letter) return false;
  if (call.substr(0, 2) == "CQ") return IsPlausibleCqCall(call);
  if (CharAt(call, 0) == '1' && !IsOneOf(CharAt(call, 1), "ABS")) return false;
  if (StartsWithAny(call, {"2M", "4M", "6M"}) && !IsDigit(CharAt(call, 2))) return false;
  if (StartsWithAny(call, {"1ST", "AUR", "2ND", "CON", "EME", "FSK", "FT8", "JT4", "MSK", "NAC", "PSK", "QRA",
                           "ROS", "TRO"})) {
    return false;
  }
  return !StartsWithAny(call, {"2PER", "JT44", "JT65", "JT6M", "MT63"});
}

void SpotChecks::Run(std::string_view decode_line, SpotRecord& spot) {
  (void)decode_line;
  // The spotter is looked up only when some zone is rejected.
  spot.ZoneOK = !IsZoneFilteringOn(m_settings) || !IsSpotterZoneRejected(m_settings, m_zones.WazZoneOf(spot.Spotter));
  spot.NotSelfSpot = m_settings.RejectSelfSpots == 0 || !IsSelfSpot(spot.DXCall, spot.Spotter);
  if (!IsPlausibleDxCall(spot.DXCall)) spot.BandOK = false;
}

}  // namespace brilox
