// The transceiver command sets: the mode a spot asks for, and the mode and
// frequency commands of the eight serial families, byte for byte, plus the
// mode names of Hamlib's rigctld.  Pure functions of their text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brilox {

// CATTxvr values.
enum CatFamily : int {
  kCatNone = 0,
  kCatKenwood = 1,
  kCatFt847 = 2,
  kCatFt990 = 3,
  kCatIcom = 4,
  kCatTenTec = 5,
  kCatFt817 = 6,
  kCatFt450 = 7,
  kCatElecraft = 8,
  kCatHamlib = 9,  // a rigctld over TCP instead of a serial port
};
inline constexpr int kCatHighestFamily = kCatHamlib;

// "CW", "LSB", "USB", "RTTY", "DIGI" or empty.
struct CatMode {
  std::string mode;
  bool afsk_offset = false;  // the frequency moves by 1 kHz for AFSK
  bool operator==(const CatMode&) const = default;
};

// The spot's frequency in kHz as written in the row: the text after the
// first ":" of the first 25 characters (without one, after the 13th and any
// non-digits), trimmed.  Empty when that is not a number.
std::string SpotFrequencyText(std::string_view row);
// A decimal number of kHz ("14025.0", "7005"); nullopt when it is not one.
std::optional<double> ParseKhz(std::string_view text);

// The mode of a spot from the keywords of its comment (characters 40 to
// 70 of the row), else from the band plan at `khz`.
CatMode CatModeOf(std::string_view row, double khz);

// The frequency after the AFSK offset: +1 kHz for AFSK on LSB (setting 0),
// -1 kHz on USB (setting 1), unchanged for FSK; the text rewritten then.
std::string ApplyAfskOffset(const CatMode& mode, int cat_mode_rtty, int cat_mode_digi,
                            const std::string& khz_text);

// The mode command of a family, empty when the family has none for `mode`.
std::string CatModeCommand(int family, const std::string& mode, int cat_mode_rtty, int cat_mode_digi,
                           int civ_address);
// The frequency command of a family for a kHz text such as "14025.0".
std::string CatFrequencyCommand(int family, const std::string& khz_text, int civ_address);

// The FT-847's CAT on and CAT off commands.
inline const std::string kFt847CatOn(5, '\0');
inline const std::string kFt847CatOff = std::string(4, '\0') + '\x80';

// The frequency in Hz as decimal digits without leading zeros ("14025000").
std::string KhzTextToHz(const std::string& khz_text);
// The rigctld mode name, empty when there is no mode to set.
std::string HamlibModeName(const std::string& mode, int cat_mode_rtty, int cat_mode_digi);

}  // namespace brilox
