#include "spots/band_mode.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "spots/text_columns.h"

namespace brilox {
namespace {

// Band edges in kHz; a frequency belongs to a range strictly between them.
struct BandRange {
  double low, high;
};
constexpr std::array<BandRange, 26> kBandRanges = {{
    {135.7, 137.8},       {472, 510},           {1800, 2000},         {3500, 4000},
    {5250, 5450},         {7000, 7300},         {10100, 10150},       {14000, 14350},
    {18068, 18168},       {21000, 21450},       {24890, 24990},       {28000, 29700},
    {50000, 54000},       {70000, 70632},       {144000, 148000},     {219000, 225000},
    {420000, 450000},     {902000, 928000},     {1240000, 1300000},   {2300000, 2450000},
    {3300000, 3500000},   {5650000, 5925000},   {10000000, 10500000}, {24000000, 24250000},
    {47000000, 47200000}, {75500000, 81000000},
}};

enum class ModeRule {
  kNone,         // the band does not tell modes apart
  kCwPhone,      // data by keyword, phone from the threshold up, else CW
  kCwPhoneRtty,  // as kCwPhone, and the RTTY segment when RTTYnoQRG is 0
  kCwRtty,       // no phone: data by keyword or RTTY segment, else CW
};

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

struct BandRow {
  int first_key, last_key;
  bool HfBandSet::*hf_bit;    // the operator's wanted-band bit, HF or VHF
  bool VhfBandSet::*vhf_bit;
  ModeRule rule;
  double phone_from;          // kHz
  double rtty_from, rtty_to;  // kHz, bounds included
};

constexpr BandRow Hf(int first, int last, bool HfBandSet::*bit, ModeRule rule, double phone = 0,
                     double rtty_from = 0, double rtty_to = 0) {
  return {first, last, bit, nullptr, rule, phone, rtty_from, rtty_to};
}
constexpr BandRow Vhf(int first, int last, bool VhfBandSet::*bit, ModeRule rule = ModeRule::kNone,
                      double phone = 0) {
  return {first, last, nullptr, bit, rule, phone, 0, 0};
}

constexpr std::array<BandRow, 26> kBands = {{
    Hf(0, 0, &HfBandSet::below1, ModeRule::kNone),
    Hf(1, 1, &HfBandSet::b1_8, ModeRule::kCwPhone, 1840),
    Hf(3, 3, &HfBandSet::b3_5, ModeRule::kCwPhoneRtty, 3600, 3570, 3600),
    Hf(5, 5, &HfBandSet::b5, ModeRule::kNone),
    Hf(7, 7, &HfBandSet::b7, ModeRule::kCwPhone, 7040),
    Hf(10, 10, &HfBandSet::b10, ModeRule::kCwRtty, 0, 10140, kNoLimit),
    Hf(14, 14, &HfBandSet::b14, ModeRule::kCwPhoneRtty, 14100, 14070, 14099),
    Hf(18, 18, &HfBandSet::b18, ModeRule::kCwPhoneRtty, 18110, 18100, 18110),
    Hf(21, 21, &HfBandSet::b21, ModeRule::kCwPhoneRtty, 21150, 21070, 21110),
    Hf(24, 24, &HfBandSet::b24, ModeRule::kCwPhoneRtty, 24930, 24920, 24929),
    Hf(28, 29, &HfBandSet::b28, ModeRule::kCwPhoneRtty, 28225, 28070, 28150),
    Vhf(50, 53, &VhfBandSet::b50, ModeRule::kCwPhone, 50110),
    Vhf(70, 70, &VhfBandSet::b70, ModeRule::kCwPhone, 70100),
    Vhf(144, 144, &VhfBandSet::b144, ModeRule::kCwPhone, 144150),
    Vhf(145, 145, &VhfBandSet::satellite),
    Vhf(220, 224, &VhfBandSet::b220),
    Vhf(430, 449, &VhfBandSet::b430),
    Vhf(902, 928, &VhfBandSet::b900),
    Vhf(1240, 1299, &VhfBandSet::b1200),
    Vhf(2300, 2449, &VhfBandSet::ghz),
    Vhf(3300, 3499, &VhfBandSet::ghz),
    Vhf(5650, 5924, &VhfBandSet::ghz),
    Vhf(10000, 10499, &VhfBandSet::ghz),
    Vhf(24000, 24249, &VhfBandSet::ghz),
    Vhf(47000, 47199, &VhfBandSet::ghz),
    Vhf(75500, 80999, &VhfBandSet::ghz),
}};

constexpr std::array<std::string_view, 5> kRttyRequests = {"PSE RTTY", "PLEASE RTTY", "RTTY PSE", "RTTY PLEASE",
                                                           "NEED RTTY"};
constexpr std::array<std::string_view, 19> kDataKeywords = {
    "AMTOR", "FSK",  "FT8",  "HELL ", "HELLSCHREIB", "ISCAT", "JT4",   "JT65",  "JT6M", "JTMS",
    "MSK",   "MT63", "OLIVIA", "PACKET", "PACTOR",   "PSK",   "QRA64", "THROB", "WSPR"};

bool Contains(std::string_view text, std::string_view word) { return text.find(word) != std::string_view::npos; }

bool InAnyRange(double khz) {
  for (const BandRange& range : kBandRanges) {
    if (range.low < khz && khz < range.high) return true;
  }
  return false;
}

const BandRow* FindBand(int band_key) {
  for (const BandRow& row : kBands) {
    if (row.first_key <= band_key && band_key <= row.last_key) return &row;
  }
  return nullptr;
}

bool IsWanted(const BandRow& band, const Settings& settings) {
  if (band.hf_bit != nullptr) return settings.RejectBandsHF.*band.hf_bit;
  return settings.RejectBandsVHF.*band.vhf_bit;
}

void SetMode(const BandRow& band, double khz, bool data, const Settings& settings, SpotRecord& spot) {
  const bool rtty_segment = settings.RTTYnoQRG == 0 && band.rtty_from <= khz && khz <= band.rtty_to;
  switch (band.rule) {
    case ModeRule::kNone:
      SetModeNone(spot);
      return;
    case ModeRule::kCwPhone:
    case ModeRule::kCwPhoneRtty:
      if (data) return SetModeData(settings, spot);
      if (khz >= band.phone_from) return SetModePhone(settings, spot);
      if (band.rule == ModeRule::kCwPhoneRtty && rtty_segment) return SetModeData(settings, spot);
      return SetModeCW(settings, spot);
    case ModeRule::kCwRtty:
      if (data || rtty_segment) return SetModeData(settings, spot);
      return SetModeCW(settings, spot);
  }
}

}  // namespace

void SetModeCW(const Settings& settings, SpotRecord& spot) {
  spot.Mode = 'C';
  if (settings.RejectModes.cw) spot.ModeOK = true;
}

void SetModePhone(const Settings& settings, SpotRecord& spot) {
  spot.Mode = 'S';
  if (settings.RejectModes.ssb) spot.ModeOK = true;
}

void SetModeData(const Settings& settings, SpotRecord& spot) {
  spot.Mode = 'R';
  if (settings.RejectModes.digital) spot.ModeOK = true;
}

void SetModeNone(SpotRecord& spot) {
  spot.Mode = 'N';
  spot.ModeOK = true;
}

std::optional<double> SpotFrequencyKhz(std::string_view decode_line) {
  std::string_view field = Columns(decode_line, 15, 25);
  const std::size_t colon = field.find(':');
  if (colon != std::string_view::npos) field.remove_prefix(colon + 1);
  std::array<char, 11> number{};
  std::size_t length = 0;
  bool has_digit = false;
  for (char c : field) {
    if (IsBlank(c)) continue;
    if (!IsDigit(c) && c != '.') return std::nullopt;
    has_digit = has_digit || IsDigit(c);
    number[length++] = c;
  }
  if (!has_digit) return std::nullopt;
  double khz = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + length, khz, std::chars_format::fixed);
  if (error != std::errc() || end != number.data() + length) return std::nullopt;
  return khz;
}

int BandKeyForFrequency(double khz) {
  // No band lies there; the guard keeps the conversion to int defined.
  if (!(khz >= 0.0 && khz < 1.0e12)) return -1;
  int key = static_cast<int>(std::trunc(khz / 1000.0));
  if (key == 145 && khz < 145800) key = 144;
  switch (key) {
    case 435: case 436: case 437:    // 70 cm satellite sub-band
    case 2400: case 2401:            // 13 cm
    case 10451: case 24048:          // 3 cm and 12 mm
      key = 145;
      break;
    default:
      break;
  }
  return key;
}

bool IsDataModeComment(std::string_view comment) {
  std::array<char, kCommentWidth> upper{};
  const std::string_view trimmed = TrimBlanks(comment).substr(0, kCommentWidth);
  for (std::size_t i = 0; i < trimmed.size(); ++i) upper[i] = ToUpperAscii(trimmed[i]);
  const std::string_view text(upper.data(), trimmed.size());
  if (Contains(text, "RTTY")) {
    for (std::string_view request : kRttyRequests) {
      if (Contains(text, request)) return false;
    }
    return true;
  }
  if (text == "RY" || text == "HELL") return true;
  for (std::string_view keyword : kDataKeywords) {
    if (Contains(text, keyword)) return true;
  }
  return false;
}

void TestBandeModeExp(std::string_view decode_line, const Settings& settings, SpotRecord& spot,
                      SpotChecksAfterBandMode& after) {
  spot.BandOK = false;
  // A frequency that does not read is 0 kHz, which lies in no band.
  const double khz = SpotFrequencyKhz(decode_line).value_or(0.0);
  spot.BandKey = BandKeyForFrequency(khz);
  const bool data = IsDataModeComment(spot.Comment);
  spot.ModeOK = false;
  if (!InAnyRange(khz)) return;
  const BandRow* band = FindBand(spot.BandKey);
  if (band != nullptr) {
    SetMode(*band, khz, data, settings, spot);
    spot.BandOK = IsWanted(*band, settings);
  }
  after.Run(decode_line, spot);
}

void TestBandeModeExp(std::string_view decode_line, const Settings& settings, SpotRecord& spot) {
  SpotChecksAfterBandMode nothing_more;
  TestBandeModeExp(decode_line, settings, spot, nothing_more);
}

}  // namespace brilox
