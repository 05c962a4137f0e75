// The stored forms of the packed and coded settings, both ways.  Pure
// functions; any thread.  Bit 0 has the value 1; bits not named are written
// as 0 and ignored when read.  Decoders accept any stored Integer and give a
// value the program can index with (an index outside its list becomes 0).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings.h"

namespace brilox {

// MaxLines: four 6-bit fields, each a limit divided by 100: bits 0-5 the
// terminal windows, 6-11 DX, 12-17 alarms, 18-23 LoTW (0 there reads as 200).
std::int32_t EncodeMaxLines(const LineLimits& limits);
LineLimits DecodeMaxLines(std::int32_t stored);

// COMPortSettings: bits 2-4 speed index, 5-7 handshaking, 8 eight data bits,
// 9 two stop bits, 10-11 parity.  Bits 0, 1 and 12 are neither written nor read.
std::int32_t EncodeSerialParameters(const SerialParameters& serial);
SerialParameters DecodeSerialParameters(std::int32_t stored);

// Keying: bit 0 Morse, bits 1-7 speed step, bits 8-15 pitch step.
std::int32_t EncodeKeying(const KeyingSettings& keying);
KeyingSettings DecodeKeying(std::int32_t stored);

// Speech: bit 0 voice, bit 1 full call, bit 2 frequency in kHz.
std::int32_t EncodeSpeech(const SpeechSettings& speech);
SpeechSettings DecodeSpeech(std::int32_t stored);

// RejectModes, NoBeepModes: bit 0 CW, 1 SSB, 2 digital.
std::int32_t EncodeModes(const ModeSet& modes);
ModeSet DecodeModes(std::int32_t stored);

// RejectBandsHF, NoBeepBandsHF: bits 0-10 are 1.8, 3.5, 7, 10, 14, 18, 21,
// 24, 28, below 1, 5 MHz.
std::int32_t EncodeHfBands(const HfBandSet& bands);
HfBandSet DecodeHfBands(std::int32_t stored);

// RejectBandsVHF, NoBeepBandsVHF: bits 0-8 are 50, 144, 430, 1200, GHz,
// satellite, 70, 220, 900.
std::int32_t EncodeVhfBands(const VhfBandSet& bands);
VhfBandSet DecodeVhfBands(std::int32_t stored);

// RejectFromZoneA .. D (group 0 .. 3): bits 0-9 are CQ zones 10 * group + 1 ..
// 10 * group + 10.
std::int32_t EncodeZoneGroup(const std::array<bool, kZoneCount>& zones, int group);
void DecodeZoneGroup(std::int32_t stored, int group, std::array<bool, kZoneCount>& zones);

// WantedSpots: bit 0 DX, 1 WWV/WCY, 2 announcements, 3 talk, 4 chat.
std::int32_t EncodeWantedSpots(const BroadcastKinds& kinds);
BroadcastKinds DecodeWantedSpots(std::int32_t stored);
// WantedSpotsAlarm: bit 1 WWV/WCY, bit 3 talk; the other kinds read as false.
std::int32_t EncodeWantedSpotsAlarm(const BroadcastKinds& kinds);
BroadcastKinds DecodeWantedSpotsAlarm(std::int32_t stored);
// Disk: bit 0 DX, 1 WWV/WCY, 2 announcements, 3 chat, 4 talk.
std::int32_t EncodeDisk(const BroadcastKinds& kinds);
BroadcastKinds DecodeDisk(std::int32_t stored);

// StartSilence, StopSilence: minutes after midnight; the record holds the day
// fraction.  Writing rounds to the nearest minute.
std::int32_t EncodeSilenceMinutes(double day_fraction);
double DecodeSilenceMinutes(std::int32_t minutes);

// Floats (MyLat, MyLong): 8 bytes, IEEE-754 double, little-endian.  Another
// length reads as nullopt.
std::string EncodeFloat(double value);
std::optional<double> DecodeFloat(std::string_view bytes);

// The font style text: "B" for bold then "I" for italic; on reading only
// their presence counts.
std::string NormaliseFontStyle(std::string_view stored);

// IOTALast: seven numbers of three digits in the order EU, AF, AN, AS, NA,
// OC, SA.  A group that is missing or not all digits reads as 0.
using IotaNumbers = std::array<int, 7>;
inline constexpr IotaNumbers kBuiltInIotaLast{191, 119, 21, 203, 248, 296, 100};
std::string FormatIotaLast(const IotaNumbers& numbers);
IotaNumbers ParseIotaLast(std::string_view stored);
// The larger of each pair; `raised` tells whether the built-in table raised any.
IotaNumbers MergeIotaLast(const IotaNumbers& stored, const IotaNumbers& built_in, bool& raised);

// LOTWPwd: the stored text has the password's length n; stored byte i (from
// 1) is password byte n - i + 1 minus i, modulo 256.
std::string ScrambleLotwPassword(std::string_view password);
std::string UnscrambleLotwPassword(std::string_view stored);

// The options dialog's list positions.  AlarmLevel list: never, seeked calls
// only, all-time new DXCC only, no QSO on band or mode, no QSL on band or mode,
// every spot.  StartMode list: Monitor (1) .. (4), DX, Alarms, LoTW.
int AlarmLevelFromListPosition(int position);
int ListPositionFromAlarmLevel(int level);
int StartModeFromListPosition(int position);
int ListPositionFromStartMode(int mode);

// The CAT range limits in MHz of CATminBand / CATmaxBand indexes; an index
// outside the list is taken as its nearest end.
int CatLowMHz(int index);
int CatHighMHz(int index);

}  // namespace brilox
