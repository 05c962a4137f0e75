#include "links/cat_commands.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "links/link_commands.h"

namespace brilox {
namespace {

bool Contains(std::string_view text, std::string_view word) {
  return text.find(word) != std::string_view::npos;
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Integer and fraction digits of a kHz text; the fraction cut or padded to
// three places (Hz), the integer part without a sign.
struct KhzDigits {
  std::string whole;
  std::string hz;  // exactly 3 digits
};

KhzDigits SplitKhz(const std::string& text) {
  KhzDigits d;
  const std::size_t point = text.find('.');
  d.whole = text.substr(0, point);
  if (d.whole.empty()) d.whole.assign(1, '0');  // assign: GCC 12 at -O3 warns falsely on = "0"
  d.hz = point == std::string::npos ? std::string() : text.substr(point + 1);
  d.hz.resize(3, '0');
  return d;
}

// Ten BCD digits, 1 GHz down to 1 Hz.
std::array<int, 10> BcdDigits(const std::string& text) {
  const KhzDigits d = SplitKhz(text);
  std::string whole = std::string(8, '0') + d.whole;
  whole = whole.substr(whole.size() - 7);
  const std::string all = whole + d.hz;
  std::array<int, 10> digits{};
  for (std::size_t i = 0; i < 10; ++i) digits[i] = all[i] - '0';
  return digits;
}

char Pack(int high, int low) { return static_cast<char>((high << 4) | low); }

std::string PadLeft(std::string digits, std::size_t width) {
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

struct BandRange {
  double low, high;
  double sideband_from;  // at or above: the sideband mode, below: CW; 0 = CW only
  const char* sideband;
};

constexpr std::array<BandRange, 15> kBandPlan = {{
    {135.7, 137.8, 0, ""},
    {472, 510, 0, ""},
    {1800, 2000, 1840, "LSB"},
    {3500, 4000, 3600, "LSB"},
    {5250, 5450, 0, ""},
    {7000, 7300, 7040, "LSB"},
    {10100, 10150, 0, ""},
    {14000, 14350, 14100, "USB"},
    {18068, 18168, 18110, "USB"},
    {21000, 21450, 21150, "USB"},
    {24890, 24990, 24930, "USB"},
    {28000, 29700, 28225, "USB"},
    {50000, 54000, 50110, "USB"},
    {70000, 70632, 70100, "USB"},
    {144000, 148000, 144150, "USB"},
}};

// The setting (0 .. 3) that applies to an RTTY or DIGI mode.
int DataSetting(const std::string& mode, int cat_mode_rtty, int cat_mode_digi) {
  const int value = mode == "RTTY" ? cat_mode_rtty : cat_mode_digi;
  return value >= 0 && value <= 3 ? value : 1;
}

}  // namespace

std::optional<double> ParseKhz(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int points = 0;
  bool digit = false;
  for (char ch : text) {
    if (ch == '.') {
      ++points;
    } else if (IsDigit(ch)) {
      digit = true;
    } else {
      return std::nullopt;
    }
  }
  if (points > 1 || !digit) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string SpotFrequencyText(std::string_view row) {
  std::string head(row.substr(0, 25));
  const std::size_t colon = head.find(':');
  if (colon != std::string::npos) {
    head.erase(0, colon + 1);
  } else {
    head.erase(0, std::min<std::size_t>(13, head.size()));
    std::size_t first = 0;
    while (first < head.size() && !IsDigit(head[first])) ++first;
    head.erase(0, first);
  }
  std::string text = TrimBlanks(head);
  if (!ParseKhz(text)) return {};
  return text;
}

CatMode CatModeOf(std::string_view row, double khz) {
  const std::string comment = row.size() > 39 ? TrimBlanks(ToUpperAscii(row.substr(39, 31))) : std::string();
  const auto digi = [](bool offset) { return CatMode{"DIGI", offset}; };
  if (Contains(comment, "RTTY") || comment == "RY") return {"RTTY", true};
  if (Contains(comment, "AMTOR") || Contains(comment, "FSK")) return digi(true);
  if (Contains(comment, "FT8")) return digi(false);
  if (Contains(comment, "HELL ") || comment == "HELL" || Contains(comment, "HELLSCHREIB")) return digi(true);
  if (Contains(comment, "ISCAT") || Contains(comment, "JT4") || Contains(comment, "JT65")) return digi(false);
  if (Contains(comment, "JT6M")) return digi(true);
  if (Contains(comment, "JT9")) return digi(false);
  if (Contains(comment, "JTMS")) return digi(true);
  if (Contains(comment, "MSK")) return digi(false);
  if (Contains(comment, "MT63")) return digi(true);
  if (Contains(comment, "OLIVIA") || Contains(comment, "PACKET") || Contains(comment, "PACTOR"))
    return digi(true);
  if (Contains(comment, "PSK")) return digi(true);
  if (Contains(comment, "QRA64")) return digi(false);
  if (Contains(comment, "THROB")) return digi(true);
  if (Contains(comment, "WSPR")) return digi(false);
  for (const BandRange& band : kBandPlan) {
    if (khz < band.low || khz > band.high) continue;
    if (band.sideband_from > 0 && khz >= band.sideband_from) return {band.sideband, false};
    return {"CW", false};
  }
  return {};
}

std::string ApplyAfskOffset(const CatMode& mode, int cat_mode_rtty, int cat_mode_digi,
                            const std::string& khz_text) {
  if (!mode.afsk_offset || (mode.mode != "RTTY" && mode.mode != "DIGI")) return khz_text;
  const int setting = mode.mode == "RTTY" ? cat_mode_rtty : cat_mode_digi;
  if (setting != 0 && setting != 1) return khz_text;
  const std::optional<double> khz = ParseKhz(khz_text);
  if (!khz) return khz_text;
  // Whole Hz, so that the rewritten text carries no rounding noise.
  std::int64_t hz = static_cast<std::int64_t>(*khz * 1000.0 + 0.5);
  hz += setting == 0 ? 1000 : -1000;
  if (hz < 0) hz = 0;
  std::string text = std::to_string(hz / 1000);
  std::string fraction = PadLeft(std::to_string(hz % 1000), 3);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return text + "." + (fraction.empty() ? "0" : fraction);
}

std::string CatModeCommand(int family, const std::string& mode, int cat_mode_rtty, int cat_mode_digi,
                           int civ_address) {
  const bool data = mode == "RTTY" || mode == "DIGI";
  const int setting = data ? DataSetting(mode, cat_mode_rtty, cat_mode_digi) : 0;
  const auto pick = [&](const char* cw, const char* lsb, const char* usb,
                        const std::array<const char*, 4>& data_values) -> std::string {
    if (mode == "CW") return cw;
    if (mode == "LSB") return lsb;
    if (mode == "USB") return usb;
    if (data) return data_values[static_cast<std::size_t>(setting)];
    return {};
  };
  const auto pick_byte = [&](int cw, int lsb, int usb, const std::array<int, 4>& data_values) -> int {
    if (mode == "CW") return cw;
    if (mode == "LSB") return lsb;
    if (mode == "USB") return usb;
    if (data) return data_values[static_cast<std::size_t>(setting)];
    return -1;
  };
  switch (family) {
    case kCatKenwood:
      // Kenwood has its own data modes for the other digital modes.
      if (mode == "DIGI") return pick("", "", "", {"MD1;", "MD2;", "MDA;", "MDB;"});
      return pick("MD3;", "MD1;", "MD2;", {"MD1;", "MD2;", "MD6;", "MD9;"});
    case kCatElecraft:
      return pick("MD3;", "MD1;", "MD2;", {"MD1;", "MD2;", "MD6;", "MD9;"});
    case kCatFt450:
      return pick("MD03;", "MD01;", "MD02;", {"MD01;", "MD02;", "MD06;", "MD09;"});
    case kCatFt847:
    case kCatFt817: {
      const int m = pick_byte(0x02, 0x00, 0x01, {0x00, 0x01, 0x0A, 0x0A});
      if (m < 0) return {};
      return std::string{static_cast<char>(m), 0, 0, 0, 0x07};
    }
    case kCatFt990: {
      const int m = pick_byte(0x02, 0x00, 0x01, {0x00, 0x01, 0x08, 0x09});
      if (m < 0) return {};
      return std::string{0, 0, 0, static_cast<char>(m), 0x0C};
    }
    case kCatIcom: {
      const int m = pick_byte(0x03, 0x00, 0x01, {0x00, 0x01, 0x04, 0x04});
      if (m < 0) return {};
      return std::string{'\xFE', '\xFE', static_cast<char>(civ_address), '\xE0', 0x06, static_cast<char>(m),
                         '\xFD'};
    }
    case kCatTenTec: {
      const std::string c = pick("2", "1", "0", {"1", "0", "6", "6"});
      if (c.empty()) return {};
      return "*RMM" + c + "\r";
    }
    default:
      return {};
  }
}

std::string CatFrequencyCommand(int family, const std::string& khz_text, int civ_address) {
  switch (family) {
    case kCatKenwood:
    case kCatElecraft:
    case kCatFt450: {
      const KhzDigits d = SplitKhz(khz_text);
      return "FA" + PadLeft(d.whole + d.hz, family == kCatFt450 ? 8 : 11) + ";";
    }
    case kCatFt847:
    case kCatFt817: {
      const auto d = BcdDigits(khz_text);
      return {Pack(d[1], d[2]), Pack(d[3], d[4]), Pack(d[5], d[6]), Pack(d[7], d[8]), 0x01};
    }
    case kCatFt990: {
      const auto d = BcdDigits(khz_text);
      return {Pack(d[7], d[8]), Pack(d[5], d[6]), Pack(d[3], d[4]), Pack(d[1], d[2]), 0x0A};
    }
    case kCatIcom: {
      const auto d = BcdDigits(khz_text);
      std::string bytes{'\xFE', '\xFE', static_cast<char>(civ_address), '\xE0', 0x05};
      bytes += {Pack(d[8], d[9]), Pack(d[6], d[7]), Pack(d[4], d[5]), Pack(d[2], d[3])};
      // The IC-735 (address 04) takes four frequency bytes.
      if (civ_address != 0x04) bytes += Pack(d[0], d[1]);
      bytes += '\xFD';
      return bytes;
    }
    case kCatTenTec: {
      const KhzDigits d = SplitKhz(khz_text);
      const std::string whole = PadLeft(d.whole, 4);
      const std::size_t point = whole.size() - 3;
      const std::size_t point_in_text = khz_text.find('.');
      const std::string fraction =
          point_in_text == std::string::npos ? "" : khz_text.substr(point_in_text + 1);
      return "*AF" + whole.substr(0, point) + "." + whole.substr(point) + fraction + "\r";
    }
    default:
      return {};
  }
}

std::string KhzTextToHz(const std::string& khz_text) {
  const KhzDigits d = SplitKhz(khz_text);
  std::string hz = d.whole + d.hz;
  const std::size_t first = hz.find_first_not_of('0');
  return first == std::string::npos ? "0" : hz.substr(first);
}

std::string HamlibModeName(const std::string& mode, int cat_mode_rtty, int cat_mode_digi) {
  if (mode == "CW" || mode == "LSB" || mode == "USB") return mode;
  if (mode != "RTTY" && mode != "DIGI") return {};
  static constexpr std::array<const char*, 4> kData = {"LSB", "USB", "RTTY", "RTTYR"};
  static constexpr std::array<const char*, 4> kDigi = {"PKTLSB", "PKTUSB", "RTTY", "RTTYR"};
  const int setting = DataSetting(mode, cat_mode_rtty, cat_mode_digi);
  return (mode == "RTTY" ? kData : kDigi)[static_cast<std::size_t>(setting)];
}

}  // namespace brilox
