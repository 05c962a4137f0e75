#include "shell/settings/settings_encoding.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace brilox {
namespace {

constexpr int kSpeedCount = 8;
constexpr int kHandshakeCount = 4;
constexpr int kParityCount = 3;
constexpr int kZonesPerGroup = 10;
constexpr int kDefaultLotwLines = 200;

constexpr std::array<int, 25> kCatLowMHz{0,    1,    3,    5,     7,     10,    14,   18,  21,
                                         24,   28,   50,   70,    144,   220,   420,  902, 1240,
                                         2300, 3300, 5650, 10000, 24000, 47000, 75500};
constexpr std::array<int, 25> kCatHighMHz{1,    2,    4,    6,     8,     11,    15,   19,  22,
                                          25,   30,   54,   71,    148,   225,   450,  928, 1300,
                                          2450, 3500, 5925, 10500, 24250, 47200, 81000};

constexpr std::array<int, 6> kAlarmLevelOfPosition{0, 5, 1, 2, 3, 4};
constexpr std::array<int, 7> kStartModeOfPosition{0, 3, 4, 5, 1, 2, 6};

bool Bit(std::int32_t value, int bit) { return ((static_cast<std::uint32_t>(value) >> bit) & 1u) != 0; }
int Field(std::int32_t value, int shift, int width) {
  return static_cast<int>((static_cast<std::uint32_t>(value) >> shift) & ((1u << width) - 1));
}
std::int32_t Flag(bool set, int bit) { return set ? static_cast<std::int32_t>(1u << bit) : 0; }
int IndexOrZero(int index, int count) { return index >= 0 && index < count ? index : 0; }

template <std::size_t N>
int PositionOf(const std::array<int, N>& table, int value) {
  const auto it = std::find(table.begin(), table.end(), value);
  return it == table.end() ? 0 : static_cast<int>(it - table.begin());
}

template <std::size_t N>
int LookUpClamped(const std::array<int, N>& table, int index) {
  return table[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(N) - 1))];
}

}  // namespace

std::int32_t EncodeMaxLines(const LineLimits& limits) {
  auto field = [](int lines) { return static_cast<std::int32_t>(std::clamp(lines / 100, 0, 63)); };
  return field(limits.terminal) | field(limits.dx) << 6 | field(limits.alarm) << 12 |
         field(limits.lotw) << 18;
}

LineLimits DecodeMaxLines(std::int32_t stored) {
  LineLimits limits;
  limits.terminal = Field(stored, 0, 6) * 100;
  limits.dx = Field(stored, 6, 6) * 100;
  limits.alarm = Field(stored, 12, 6) * 100;
  const int lotw = Field(stored, 18, 6);
  limits.lotw = lotw == 0 ? kDefaultLotwLines : lotw * 100;
  return limits;
}

std::int32_t EncodeSerialParameters(const SerialParameters& serial) {
  return IndexOrZero(serial.speed_index, kSpeedCount) << 2 |
         IndexOrZero(serial.handshake_index, kHandshakeCount) << 5 | Flag(serial.eight_data_bits, 8) |
         Flag(serial.two_stop_bits, 9) | IndexOrZero(serial.parity_index, kParityCount) << 10;
}

SerialParameters DecodeSerialParameters(std::int32_t stored) {
  SerialParameters serial;
  serial.speed_index = Field(stored, 2, 3);
  serial.handshake_index = IndexOrZero(Field(stored, 5, 3), kHandshakeCount);
  serial.eight_data_bits = Bit(stored, 8);
  serial.two_stop_bits = Bit(stored, 9);
  serial.parity_index = IndexOrZero(Field(stored, 10, 2), kParityCount);
  return serial;
}

std::int32_t EncodeKeying(const KeyingSettings& keying) {
  return Flag(keying.morse, 0) + 2 * std::clamp(keying.speed_step, 0, 127) +
         256 * std::clamp(keying.pitch_step, 0, 255);
}

KeyingSettings DecodeKeying(std::int32_t stored) {
  return {Bit(stored, 0), Field(stored, 1, 7), Field(stored, 8, 8)};
}

std::int32_t EncodeSpeech(const SpeechSettings& speech) {
  return Flag(speech.voice, 0) | Flag(speech.full_call, 1) | Flag(speech.say_frequency, 2);
}

SpeechSettings DecodeSpeech(std::int32_t stored) { return {Bit(stored, 0), Bit(stored, 1), Bit(stored, 2)}; }

std::int32_t EncodeModes(const ModeSet& modes) {
  return Flag(modes.cw, 0) | Flag(modes.ssb, 1) | Flag(modes.digital, 2);
}

ModeSet DecodeModes(std::int32_t stored) { return {Bit(stored, 0), Bit(stored, 1), Bit(stored, 2)}; }

std::int32_t EncodeHfBands(const HfBandSet& b) {
  return Flag(b.b1_8, 0) | Flag(b.b3_5, 1) | Flag(b.b7, 2) | Flag(b.b10, 3) | Flag(b.b14, 4) |
         Flag(b.b18, 5) | Flag(b.b21, 6) | Flag(b.b24, 7) | Flag(b.b28, 8) | Flag(b.below1, 9) |
         Flag(b.b5, 10);
}

HfBandSet DecodeHfBands(std::int32_t s) {
  return {Bit(s, 0), Bit(s, 1), Bit(s, 2), Bit(s, 3), Bit(s, 4), Bit(s, 5),
          Bit(s, 6), Bit(s, 7), Bit(s, 8), Bit(s, 9), Bit(s, 10)};
}

std::int32_t EncodeVhfBands(const VhfBandSet& b) {
  return Flag(b.b50, 0) | Flag(b.b144, 1) | Flag(b.b430, 2) | Flag(b.b1200, 3) | Flag(b.ghz, 4) |
         Flag(b.satellite, 5) | Flag(b.b70, 6) | Flag(b.b220, 7) | Flag(b.b900, 8);
}

VhfBandSet DecodeVhfBands(std::int32_t s) {
  return {Bit(s, 0), Bit(s, 1), Bit(s, 2), Bit(s, 3), Bit(s, 4), Bit(s, 5), Bit(s, 6), Bit(s, 7), Bit(s, 8)};
}

std::int32_t EncodeZoneGroup(const std::array<bool, kZoneCount>& zones, int group) {
  std::int32_t stored = 0;
  for (int bit = 0; bit < kZonesPerGroup; ++bit) {
    stored |= Flag(zones[static_cast<std::size_t>(group * kZonesPerGroup + bit)], bit);
  }
  return stored;
}

void DecodeZoneGroup(std::int32_t stored, int group, std::array<bool, kZoneCount>& zones) {
  for (int bit = 0; bit < kZonesPerGroup; ++bit) {
    zones[static_cast<std::size_t>(group * kZonesPerGroup + bit)] = Bit(stored, bit);
  }
}

std::int32_t EncodeWantedSpots(const BroadcastKinds& k) {
  return Flag(k.dx, 0) | Flag(k.wwv, 1) | Flag(k.announcements, 2) | Flag(k.talk, 3) | Flag(k.chat, 4);
}

BroadcastKinds DecodeWantedSpots(std::int32_t s) {
  return {
      .dx = Bit(s, 0), .wwv = Bit(s, 1), .announcements = Bit(s, 2), .talk = Bit(s, 3), .chat = Bit(s, 4)};
}

std::int32_t EncodeWantedSpotsAlarm(const BroadcastKinds& k) { return Flag(k.wwv, 1) | Flag(k.talk, 3); }

BroadcastKinds DecodeWantedSpotsAlarm(std::int32_t s) {
  return {.dx = false, .wwv = Bit(s, 1), .announcements = false, .talk = Bit(s, 3), .chat = false};
}

std::int32_t EncodeDisk(const BroadcastKinds& k) {
  return Flag(k.dx, 0) | Flag(k.wwv, 1) | Flag(k.announcements, 2) | Flag(k.chat, 3) | Flag(k.talk, 4);
}

BroadcastKinds DecodeDisk(std::int32_t s) {
  return {
      .dx = Bit(s, 0), .wwv = Bit(s, 1), .announcements = Bit(s, 2), .talk = Bit(s, 4), .chat = Bit(s, 3)};
}

std::int32_t EncodeSilenceMinutes(double day_fraction) {
  const double minutes = std::round(day_fraction * 1440.0);
  if (!(minutes >= 0.0)) return 0;  // also NaN
  return static_cast<std::int32_t>(std::min(minutes, 1440.0));
}

double DecodeSilenceMinutes(std::int32_t minutes) { return static_cast<double>(minutes) / 1440.0; }

std::string EncodeFloat(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  std::string bytes(8, '\0');
  for (int i = 0; i < 8; ++i)
    bytes[static_cast<std::size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  return bytes;
}

std::optional<double> DecodeFloat(std::string_view bytes) {
  if (bytes.size() != 8) return std::nullopt;
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i)
    bits = bits << 8 | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
  double value = 0.0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::string NormaliseFontStyle(std::string_view stored) {
  std::string style;
  if (stored.find('B') != std::string_view::npos) style += 'B';
  if (stored.find('I') != std::string_view::npos) style += 'I';
  return style;
}

std::string FormatIotaLast(const IotaNumbers& numbers) {
  std::string text;
  for (int number : numbers) {
    const int n = std::clamp(number, 0, 999);
    text += static_cast<char>('0' + n / 100);
    text += static_cast<char>('0' + n / 10 % 10);
    text += static_cast<char>('0' + n % 10);
  }
  return text;
}

IotaNumbers ParseIotaLast(std::string_view stored) {
  IotaNumbers numbers{};
  for (std::size_t group = 0; group < numbers.size(); ++group) {
    if (stored.size() < 3 * group + 3) break;
    int n = 0;
    for (char c : stored.substr(3 * group, 3)) {
      if (c < '0' || c > '9') {
        n = 0;
        break;
      }
      n = n * 10 + (c - '0');
    }
    numbers[group] = n;
  }
  return numbers;
}

IotaNumbers MergeIotaLast(const IotaNumbers& stored, const IotaNumbers& built_in, bool& raised) {
  IotaNumbers merged = stored;
  raised = false;
  for (std::size_t i = 0; i < merged.size(); ++i) {
    if (built_in[i] > merged[i]) {
      merged[i] = built_in[i];
      raised = true;
    }
  }
  return merged;
}

std::string ScrambleLotwPassword(std::string_view password) {
  const std::size_t n = password.size();
  std::string stored(n, '\0');
  for (std::size_t i = 1; i <= n; ++i) {
    stored[i - 1] = static_cast<char>(static_cast<unsigned char>(password[n - i]) - i);
  }
  return stored;
}

std::string UnscrambleLotwPassword(std::string_view stored) {
  std::string password;
  for (std::size_t s = stored.size(); s >= 1; --s) {
    password += static_cast<char>(static_cast<unsigned char>(stored[s - 1]) + s);
  }
  return password;
}

int AlarmLevelFromListPosition(int position) {
  return kAlarmLevelOfPosition[static_cast<std::size_t>(IndexOrZero(position, kAlarmLevelOfPosition.size()))];
}
int ListPositionFromAlarmLevel(int level) { return PositionOf(kAlarmLevelOfPosition, level); }
int StartModeFromListPosition(int position) {
  return kStartModeOfPosition[static_cast<std::size_t>(IndexOrZero(position, kStartModeOfPosition.size()))];
}
int ListPositionFromStartMode(int mode) { return PositionOf(kStartModeOfPosition, mode); }

int CatLowMHz(int index) { return LookUpClamped(kCatLowMHz, index); }
int CatHighMHz(int index) { return LookUpClamped(kCatHighMHz, index); }

}  // namespace brilox
