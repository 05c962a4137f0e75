#include "spots/call_area_rules.h"

#include <array>

#include "spots/text_columns.h"

namespace brilox {
namespace {

constexpr std::array<std::string_view, 37> kKeys = {
    "3D2", "3D2C", "3D2R", "9M2", "9M6", "EA",  "EA6", "EA8",  "EA9", "FK",   "TX0",  "HC",  "HC8",
    "KG4", "K",    "OH",   "OH0", "SV/A", "SV", "SV5", "SV9",  "UA",  "UA2",  "UA9",  "VK",  "VK9C",
    "VK9L", "VK9M", "VK9N", "VK9W", "VK9X", "VP6", "VP6D", "ZL", "ZL7", "ZL8", "ZL9"};

bool Between(char c, char low, char high) { return c >= low && c <= high; }
bool OneOf(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }
bool HasSlash(std::string_view call) { return call.find('/') != std::string_view::npos; }

// A call ending in "/" and one character has an area suffix; that character.
std::optional<char> AreaSuffix(std::string_view call) {
  if (call.size() < 2 || call[call.size() - 2] != '/') return std::nullopt;
  return call.back();
}

std::optional<std::string_view> Fiji(std::string_view call) {
  if (!call.starts_with("3D2")) return std::nullopt;
  if (!HasSlash(call)) return "3D2";
  if (call.ends_with("/C")) return "3D2C";  // Conway Reef
  if (call.ends_with("/R")) return "3D2R";  // Rotuma
  return "3D2";
}

std::optional<std::string_view> Malaysia(std::string_view call, char second, std::optional<char> area) {
  if (call[0] != '9' || !OneOf(second, "MW") || !area) return std::nullopt;
  if (*area == '2') return "9M2";
  if (*area == '6' || *area == '8') return "9M6";
  return std::nullopt;
}

std::optional<std::string_view> Spain(std::string_view call, char second, std::optional<char> area) {
  if (call[0] != 'E' || !Between(second, 'A', 'H') || !area || !IsDigit(*area)) return std::nullopt;
  switch (*area) {
    case '6': return "EA6";
    case '8': return "EA8";
    case '9': return "EA9";
    default: return "EA";
  }
}

std::optional<std::string_view> NewCaledonia(std::string_view call) {
  if (!call.starts_with("FK")) return std::nullopt;
  return HasSlash(call) && call.ends_with("/C") ? "TX0" : "FK";  // /C: Chesterfield
}

std::optional<std::string_view> Ecuador(std::string_view call, char second, std::optional<char> area) {
  if (call[0] != 'H' || !OneOf(second, "CD") || !area) return std::nullopt;
  if (*area == '8') return "HC8";
  if (Between(*area, '0', '7') || *area == '9') return "HC";
  return std::nullopt;
}

std::optional<std::string_view> Guantanamo(std::string_view call) {
  if (!call.starts_with("KG4")) return std::nullopt;
  // Guantanamo calls are KG4 with two letters; longer KG4 calls are US calls.
  const std::size_t slash = call.find('/');
  if (slash == std::string_view::npos && call.size() == 5) return "KG4";
  if (slash == 5) return "KG4";
  return "K";
}

std::optional<std::string_view> AlaskaHawaiiOnMainland(std::string_view call, char second,
                                                       std::optional<char> area) {
  if (!OneOf(call[0], "AKNW") || !OneOf(second, "HL") || !area || !IsDigit(*area)) return std::nullopt;
  return "K";
}

std::optional<std::string_view> Finland(std::string_view call, char second, std::optional<char> area) {
  if (call[0] != 'O' || !Between(second, 'F', 'J') || !area) return std::nullopt;
  if (*area == '0') return "OH0";
  if (Between(*area, '1', '9')) return "OH";
  return std::nullopt;
}

std::optional<std::string_view> Greece(std::string_view call, char second, std::optional<char> area) {
  if (call == "SV2ASP/A") return "SV/A";
  if (call[0] != 'S' || !Between(second, 'V', 'Z') || !area) return std::nullopt;
  if (*area == '5') return "SV5";
  if (*area == '9') return "SV9";
  if (Between(*area, '0', '4') || Between(*area, '6', '8')) return "SV";
  return std::nullopt;
}

std::optional<std::string_view> Russia(std::string_view call, char second, std::optional<char> area) {
  const bool russian = (call[0] == 'R' && (IsDigit(second) || IsUpperLetter(second))) ||
                       (call[0] == 'U' && (IsDigit(second) || Between(second, 'A', 'I')));
  if (!russian || !area || !IsDigit(*area)) return std::nullopt;
  if (*area == '0' || *area == '8' || *area == '9') return "UA9";
  if (*area == '2') return "UA2";
  return "UA";
}

std::optional<std::string_view> AustralianIslands(std::string_view call) {
  if (!call.starts_with("VK9")) return std::nullopt;
  const std::size_t slash = call.find('/');
  if (slash != std::string_view::npos && slash + 1 < call.size() - 1) return std::nullopt;
  const std::string_view home = call.substr(0, slash);
  char island = '\0';
  if (home.size() == 4 || home.size() == 5) island = home[3];
  if (home.size() == 6 || home.size() == 7) island = home[4];
  switch (island) {
    case 'C': return "VK9C";
    case 'L': return "VK9L";
    case 'M': return "VK9M";
    case 'N': return "VK9N";
    case 'W': return "VK9W";
    case 'X': return "VK9X";
    default: return "VK";
  }
}

std::optional<std::string_view> Pitcairn(std::string_view call) {
  if (!call.starts_with("VP6")) return std::nullopt;
  return HasSlash(call) && call.ends_with("/D") ? "VP6D" : "VP6";  // /D: Ducie
}

std::optional<std::string_view> NewZealand(std::string_view call, char second, std::optional<char> area) {
  if (call[0] != 'Z' || !OneOf(second, "LM") || !area) return std::nullopt;
  switch (*area) {
    case '7': return "ZL7";
    case '8': return "ZL8";
    case '9': return "ZL9";
    default: return Between(*area, '0', '6') ? std::optional<std::string_view>("ZL") : std::nullopt;
  }
}

}  // namespace

std::optional<std::string_view> CallAreaKey(std::string_view call) {
  if (call.empty()) return std::nullopt;
  const char second = call.size() > 1 ? call[1] : '\0';
  const std::optional<char> area = AreaSuffix(call);
  // Tried in this order; the first rule that gives a key decides.
  if (auto key = Fiji(call)) return key;
  if (auto key = Malaysia(call, second, area)) return key;
  if (auto key = Spain(call, second, area)) return key;
  if (auto key = NewCaledonia(call)) return key;
  if (auto key = Ecuador(call, second, area)) return key;
  if (auto key = Guantanamo(call)) return key;
  if (auto key = AlaskaHawaiiOnMainland(call, second, area)) return key;
  if (auto key = Finland(call, second, area)) return key;
  if (auto key = Greece(call, second, area)) return key;
  if (auto key = Russia(call, second, area)) return key;
  if (auto key = AustralianIslands(call)) return key;
  if (auto key = Pitcairn(call)) return key;
  return NewZealand(call, second, area);
}

std::span<const std::string_view> CallAreaKeys() { return kKeys; }

}  // namespace brilox
