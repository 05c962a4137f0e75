// A table of spots and the bytes each transceiver family must be sent for
// them, worked out by hand from the families' command sets.  Shared by the
// logic test on fake ports and the capture from pseudo-terminals.
#pragma once

#include <string>
#include <vector>

namespace brilox::testing {

// "FE FE 5C" -> the three bytes.
inline std::string Hex(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); i += 3) {
    bytes.push_back(static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

// A spot row in the node's layout: call at 7, frequency ending at 24, DX
// call at 27, comment at 40.
inline std::string SpotRow(const std::string& spotter, const std::string& khz, const std::string& dx,
                           const std::string& comment) {
  std::string row = "DX de " + spotter + ":";
  row.resize(24 - khz.size(), ' ');
  row += khz + "  " + dx;
  row.resize(39, ' ');
  row += comment;
  row.resize(69, ' ');
  return row + " 1200Z";
}

struct CatSpot {
  std::string row;
  int rtty = 1;  // CATmodeRTTY
  int digi = 1;  // CATmodeDigi
};

inline std::vector<CatSpot> CatSpots() {
  return {
      {SpotRow("W1AW", "14025.0", "K1ABC", "cw 25 wpm")},       // CW from the band plan
      {SpotRow("DL1XX", "7150.0", "EA8ZZ", "")},                // SSB below 10 MHz
      {SpotRow("G4AAA", "14250.0", "VK2BBB", "59 in London")},  // SSB above 10 MHz
      {SpotRow("F5XYZ", "14080.0", "JA1CCC", "RTTY"), 1, 1},    // AFSK on USB: 1 kHz down
      {SpotRow("F5XYZ", "14080.0", "JA1CCC", "rtty"), 0, 1},    // AFSK on LSB: 1 kHz up
      {SpotRow("PA0AAA", "14070.0", "ZS6DD", "PSK31"), 1, 1},
      {SpotRow("PA0AAA", "7035.0", "ZS6DD", "psk31"), 1, 0},
      {SpotRow("K9AAA", "14074.0", "3B8EE", "FT8 -12 dB"), 1, 1},  // no offset
      {SpotRow("OE1AAA", "432200.0", "S51FF", "")},                // in no band: frequency only
  };
}

struct CatFamilyBytes {
  int family;
  int civ;
  std::vector<std::string> bytes;  // one entry per spot of CatSpots, everything sent in order
};

inline std::vector<CatFamilyBytes> CatExpectedBytes() {
  const std::string on = Hex("00 00 00 00 00");
  const auto icom = [](const std::string& mode, const std::string& frequency) {
    return (mode.empty() ? std::string() : Hex("FE FE 5C E0 06 " + mode + " FD")) +
           Hex("FE FE 5C E0 05 " + frequency + " FD");
  };
  return {
      {1,
       0,
       {"MD3;FA00014025000;", "MD1;FA00007150000;", "MD2;FA00014250000;", "MD2;FA00014079000;",
        "MD1;FA00014081000;", "MD2;FA00014069000;", "MD1;FA00007036000;", "MD2;FA00014074000;",
        "FA00432200000;"}},
      {8,
       0,
       {"FA00014025000;MD3;", "FA00007150000;MD1;", "FA00014250000;MD2;", "FA00014079000;MD2;",
        "FA00014081000;MD1;", "FA00014069000;MD2;", "FA00007036000;MD1;", "FA00014074000;MD2;",
        "FA00432200000;"}},
      {7,
       0,
       {"MD03;FA14025000;", "MD01;FA07150000;", "MD02;FA14250000;", "MD02;FA14079000;", "MD01;FA14081000;",
        "MD02;FA14069000;", "MD01;FA07036000;", "MD02;FA14074000;", "FA432200000;"}},
      {2,
       0,
       {on + Hex("02 00 00 00 07 01 40 25 00 01"), on + Hex("00 00 00 00 07 00 71 50 00 01"),
        on + Hex("01 00 00 00 07 01 42 50 00 01"), on + Hex("01 00 00 00 07 01 40 79 00 01"),
        on + Hex("00 00 00 00 07 01 40 81 00 01"), on + Hex("01 00 00 00 07 01 40 69 00 01"),
        on + Hex("00 00 00 00 07 00 70 36 00 01"), on + Hex("01 00 00 00 07 01 40 74 00 01"),
        on + Hex("43 22 00 00 01")}},
      {6,
       0,
       {Hex("02 00 00 00 07 01 40 25 00 01"), Hex("00 00 00 00 07 00 71 50 00 01"),
        Hex("01 00 00 00 07 01 42 50 00 01"), Hex("01 00 00 00 07 01 40 79 00 01"),
        Hex("00 00 00 00 07 01 40 81 00 01"), Hex("01 00 00 00 07 01 40 69 00 01"),
        Hex("00 00 00 00 07 00 70 36 00 01"), Hex("01 00 00 00 07 01 40 74 00 01"), Hex("43 22 00 00 01")}},
      {3,
       0,
       {Hex("00 00 00 02 0C 00 25 40 01 0A"), Hex("00 00 00 00 0C 00 50 71 00 0A"),
        Hex("00 00 00 01 0C 00 50 42 01 0A"), Hex("00 00 00 01 0C 00 79 40 01 0A"),
        Hex("00 00 00 00 0C 00 81 40 01 0A"), Hex("00 00 00 01 0C 00 69 40 01 0A"),
        Hex("00 00 00 00 0C 00 36 70 00 0A"), Hex("00 00 00 01 0C 00 74 40 01 0A"), Hex("00 00 22 43 0A")}},
      {4,
       0x5C,
       {icom("03", "00 50 02 14 00"), icom("00", "00 00 15 07 00"), icom("01", "00 00 25 14 00"),
        icom("01", "00 90 07 14 00"), icom("00", "00 10 08 14 00"), icom("01", "00 90 06 14 00"),
        icom("00", "00 60 03 07 00"), icom("01", "00 40 07 14 00"), icom("", "00 00 20 32 04")}},
      {5,
       0,
       {"*RMM2\r*AF14.0250\r", "*RMM1\r*AF7.1500\r", "*RMM0\r*AF14.2500\r", "*RMM0\r*AF14.0790\r",
        "*RMM1\r*AF14.0810\r", "*RMM0\r*AF14.0690\r", "*RMM1\r*AF7.0360\r", "*RMM0\r*AF14.0740\r",
        "*AF432.2000\r"}},
  };
}

}  // namespace brilox::testing
