// The stored forms of the packed settings, as tables of stored value and
// meaning; each row is checked both ways.
#include "shell/settings/settings_encoding.h"

#include <gtest/gtest.h>

namespace brilox {
namespace {

TEST(SettingsEncoding, MaxLines) {
  struct Row {
    const char* label;
    std::int32_t stored;
    LineLimits limits;
  };
  const Row rows[] = {
      {"default", 533130, {1000, 1000, 200, 200}},
      {"the 9x default", 532805, {500, 500, 200, 200}},
      {"largest dialog values", 60 | 60 << 6 | 60 << 12 | 60 << 18, {6000, 6000, 6000, 6000}},
      {"mixed", 1 | 2 << 6 | 3 << 12 | 4 << 18, {100, 200, 300, 400}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DecodeMaxLines(row.stored), row.limits) << row.label;
    EXPECT_EQ(EncodeMaxLines(row.limits), row.stored) << row.label;
  }
  // Zero: no LoTW field means 200 lines; the other windows really get 0.
  EXPECT_EQ(DecodeMaxLines(0), (LineLimits{0, 0, 0, 200}));
  // Limits are stored in hundreds, rounded down.
  EXPECT_EQ(DecodeMaxLines(EncodeMaxLines({1099, 150, 299, 250})), (LineLimits{1000, 100, 200, 200}));
}

TEST(SettingsEncoding, ComPortSettings) {
  struct Row {
    const char* label;
    std::int32_t stored;
    SerialParameters serial;
  };
  const Row rows[] = {
      {"default 9600 XON/XOFF 8N1", 364, {3, 3, true, false, 0}},
      {"1200 none 7N1", 0, {0, 0, false, false, 0}},
      {"115200 CTS/RTS 8E2", 7 << 2 | 1 << 5 | 256 | 512 | 2 << 10, {7, 1, true, true, 2}},
      {"4800 DSR/DTR 7O1", 2 << 2 | 2 << 5 | 1 << 10, {2, 2, false, false, 1}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DecodeSerialParameters(row.stored), row.serial) << row.label;
    EXPECT_EQ(EncodeSerialParameters(row.serial), row.stored) << row.label;
  }
  // Bits 0, 1 and 12 of an older installation are ignored; indexes past
  // their lists read as 0 so that the serial code can index with them.
  EXPECT_EQ(DecodeSerialParameters(364 | 3 | 4096), DecodeSerialParameters(364));
  EXPECT_EQ(DecodeSerialParameters(7 << 5).handshake_index, 0);
  EXPECT_EQ(DecodeSerialParameters(3 << 10).parity_index, 0);
}

TEST(SettingsEncoding, KeyingAndSpeech) {
  struct KeyingRow {
    std::int32_t stored;
    KeyingSettings keying;
  };
  for (const KeyingRow& row : {KeyingRow{9009, {true, 24, 35}}, KeyingRow{0, {false, 0, 0}},
                               KeyingRow{1 + 2 * 48 + 256 * 100, {true, 48, 100}}}) {
    EXPECT_EQ(DecodeKeying(row.stored), row.keying) << row.stored;
    EXPECT_EQ(EncodeKeying(row.keying), row.stored) << row.stored;
  }
  struct SpeechRow {
    std::int32_t stored;
    SpeechSettings speech;
  };
  for (const SpeechRow& row : {SpeechRow{1, {true, false, false}}, SpeechRow{2, {false, true, false}},
                               SpeechRow{4, {false, false, true}}, SpeechRow{7, {true, true, true}}}) {
    EXPECT_EQ(DecodeSpeech(row.stored), row.speech) << row.stored;
    EXPECT_EQ(EncodeSpeech(row.speech), row.stored) << row.stored;
  }
}

TEST(SettingsEncoding, ModesAndBands) {
  EXPECT_EQ(DecodeModes(3), (ModeSet{true, true, false}));
  EXPECT_EQ(DecodeModes(4), (ModeSet{false, false, true}));
  EXPECT_EQ(EncodeModes({true, false, true}), 5);
  EXPECT_EQ(EncodeHfBands(HfBandSet{}), 2047);
  EXPECT_EQ(EncodeVhfBands(VhfBandSet{}), 511);

  HfBandSet hf_only_5mhz_and_28{};
  hf_only_5mhz_and_28 = DecodeHfBands(1 << 10 | 1 << 8);
  EXPECT_TRUE(hf_only_5mhz_and_28.b5);
  EXPECT_TRUE(hf_only_5mhz_and_28.b28);
  EXPECT_FALSE(hf_only_5mhz_and_28.below1);
  EXPECT_FALSE(hf_only_5mhz_and_28.b1_8);
  const VhfBandSet sat_and_70 = DecodeVhfBands(1 << 5 | 1 << 6);
  EXPECT_TRUE(sat_and_70.satellite);
  EXPECT_TRUE(sat_and_70.b70);
  EXPECT_FALSE(sat_and_70.ghz);
  EXPECT_FALSE(sat_and_70.b220);
  // Every single bit comes back on its own.
  for (int bit = 0; bit < 11; ++bit) EXPECT_EQ(EncodeHfBands(DecodeHfBands(1 << bit)), 1 << bit) << bit;
  for (int bit = 0; bit < 9; ++bit) EXPECT_EQ(EncodeVhfBands(DecodeVhfBands(1 << bit)), 1 << bit) << bit;
  // Bits above the list are dropped.
  EXPECT_EQ(EncodeHfBands(DecodeHfBands(-1)), 2047);
}

TEST(SettingsEncoding, ZoneGroups) {
  std::array<bool, kZoneCount> zones{};
  DecodeZoneGroup(1 | 1 << 9, 0, zones);        // zones 1 and 10
  DecodeZoneGroup(1 << 4, 2, zones);            // zone 25
  DecodeZoneGroup(1 << 9 | 1 << 10, 3, zones);  // zone 40; bit 10 is not a zone
  for (int zone = 1; zone <= 40; ++zone) {
    EXPECT_EQ(zones[static_cast<std::size_t>(zone - 1)], zone == 1 || zone == 10 || zone == 25 || zone == 40)
        << zone;
  }
  EXPECT_EQ(EncodeZoneGroup(zones, 0), 1 | 1 << 9);
  EXPECT_EQ(EncodeZoneGroup(zones, 1), 0);
  EXPECT_EQ(EncodeZoneGroup(zones, 2), 1 << 4);
  EXPECT_EQ(EncodeZoneGroup(zones, 3), 1 << 9);
}

TEST(SettingsEncoding, BroadcastKindsTakeTheirOwnBitOrders) {
  const BroadcastKinds talk_only{
      .dx = false, .wwv = false, .announcements = false, .talk = true, .chat = false};
  const BroadcastKinds chat_only{
      .dx = false, .wwv = false, .announcements = false, .talk = false, .chat = true};
  EXPECT_EQ(EncodeWantedSpots(talk_only), 8);
  EXPECT_EQ(EncodeWantedSpots(chat_only), 16);
  EXPECT_EQ(EncodeDisk(talk_only), 16);
  EXPECT_EQ(EncodeDisk(chat_only), 8);
  EXPECT_EQ(DecodeWantedSpots(8), talk_only);
  EXPECT_EQ(DecodeDisk(16), talk_only);
  EXPECT_EQ(DecodeWantedSpots(31), BroadcastKinds{});
  EXPECT_EQ(DecodeDisk(31), BroadcastKinds{});
  // The alarm window knows only WWV/WCY and talk.
  EXPECT_EQ(DecodeWantedSpotsAlarm(8), talk_only);
  EXPECT_EQ(DecodeWantedSpotsAlarm(31),
            (BroadcastKinds{.dx = false, .wwv = true, .announcements = false, .talk = true, .chat = false}));
  EXPECT_EQ(EncodeWantedSpotsAlarm(BroadcastKinds{}), 10);
}

TEST(SettingsEncoding, SilenceTimesRoundToTheMinute) {
  EXPECT_EQ(EncodeSilenceMinutes(22.0 / 24.0), 1320);
  EXPECT_EQ(EncodeSilenceMinutes(6.0 / 24.0 + 29.0 / 86400.0), 360);
  EXPECT_EQ(EncodeSilenceMinutes(6.0 / 24.0 + 31.0 / 86400.0), 361);
  EXPECT_DOUBLE_EQ(DecodeSilenceMinutes(360), 0.25);
  EXPECT_EQ(EncodeSilenceMinutes(-0.5), 0);
}

TEST(SettingsEncoding, FloatsAreLittleEndianDoubles) {
  EXPECT_EQ(EncodeFloat(46.2), std::string("\x9a\x99\x99\x99\x99\x19\x47\x40", 8));
  EXPECT_DOUBLE_EQ(*DecodeFloat(EncodeFloat(-122.375)), -122.375);
  EXPECT_FALSE(DecodeFloat("ENU").has_value());
}

TEST(SettingsEncoding, IotaLastMergesWithTheBuiltInTable) {
  EXPECT_EQ(FormatIotaLast(kBuiltInIotaLast), "191119021203248296100");
  bool raised = false;
  EXPECT_EQ(FormatIotaLast(MergeIotaLast(ParseIotaLast("150119021203248296100"), kBuiltInIotaLast, raised)),
            "191119021203248296100");
  EXPECT_TRUE(raised);
  EXPECT_EQ(FormatIotaLast(MergeIotaLast(ParseIotaLast("200130030210260300110"), kBuiltInIotaLast, raised)),
            "200130030210260300110");
  EXPECT_FALSE(raised);
  // Short or damaged groups read as 0 and so take the built-in number.
  EXPECT_EQ(ParseIotaLast("2001x0030"), (IotaNumbers{200, 0, 30, 0, 0, 0, 0}));
  EXPECT_EQ(ParseIotaLast(""), (IotaNumbers{}));
}

TEST(SettingsEncoding, LotwPasswordScrambling) {
  EXPECT_EQ(ScrambleLotwPassword("abc"), "\x62\x60\x5e");
  EXPECT_EQ(UnscrambleLotwPassword("\x62\x60\x5e"), "abc");
  EXPECT_EQ(ScrambleLotwPassword(""), "");
  // Byte arithmetic wraps: a low byte at the far end goes below zero.
  const std::string awkward("\x01\xff pass\x80word", 12);
  EXPECT_EQ(static_cast<unsigned char>(ScrambleLotwPassword(awkward)[11]), 0x01 - 12 + 256);
  EXPECT_EQ(UnscrambleLotwPassword(ScrambleLotwPassword(awkward)), awkward);
}

TEST(SettingsEncoding, DialogListPositions) {
  const int alarm_levels[] = {0, 5, 1, 2, 3, 4};
  for (int position = 0; position < 6; ++position) {
    EXPECT_EQ(AlarmLevelFromListPosition(position), alarm_levels[position]);
    EXPECT_EQ(ListPositionFromAlarmLevel(alarm_levels[position]), position);
  }
  const int start_modes[] = {0, 3, 4, 5, 1, 2, 6};
  for (int position = 0; position < 7; ++position) {
    EXPECT_EQ(StartModeFromListPosition(position), start_modes[position]);
    EXPECT_EQ(ListPositionFromStartMode(start_modes[position]), position);
  }
  EXPECT_EQ(ListPositionFromAlarmLevel(9), 0);
  EXPECT_EQ(StartModeFromListPosition(-1), 0);
}

TEST(SettingsEncoding, CatBandIndexesGiveMegahertz) {
  EXPECT_EQ(CatLowMHz(0), 0);
  EXPECT_EQ(CatHighMHz(10), 30);
  EXPECT_EQ(CatLowMHz(11), 50);
  EXPECT_EQ(CatHighMHz(15), 450);
  EXPECT_EQ(CatHighMHz(24), 81000);
  EXPECT_EQ(CatHighMHz(99), 81000);
  EXPECT_EQ(CatLowMHz(-3), 0);
}

TEST(SettingsEncoding, FontStyleKeepsOnlyBoldAndItalicInOrder) {
  EXPECT_EQ(NormaliseFontStyle("IB"), "BI");
  EXPECT_EQ(NormaliseFontStyle("xIx"), "I");
  EXPECT_EQ(NormaliseFontStyle(""), "");
}

}  // namespace
}  // namespace brilox
