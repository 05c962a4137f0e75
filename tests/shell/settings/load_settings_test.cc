// The start-up read: first start, defaults written back, conversions, and
// the rules that only some values follow.
#include "shell/settings/load_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>

#include "core/settings_colours.h"
#include "platform/file_settings_store.h"
#include "platform/memory_file_system.h"
#include "shell/settings/settings_encoding.h"

namespace brilox {
namespace {

class LoadSettingsTest : public ::testing::Test {
 protected:
  LoadSettingsTest() { AddLanguageFile("ENU"); }

  void AddLanguageFile(const std::string& code) { files.files()["prog/BRLMSG85." + code] = "messages"; }
  void AddSoundFolder(const std::string& name) { (void)files.CreateDirectories("prog/sounds/" + name); }

  SettingsEnvironment Environment() {
    return {.files = files,
            .program_folder = "prog",
            .locale = locale,
            .screen_width = 1024,
            .screen_height = 768};
  }
  Settings Load(SettingsStore& store, SettingsStore* machine = nullptr) {
    Settings settings;
    EXPECT_TRUE(LoadSettings(settings, store, machine, Environment()).ok());
    return settings;
  }
  // A store past its first start: only the value under test is interesting.
  MemorySettingsStore Started(std::vector<SettingsValue> values) {
    values.push_back(SettingsValue::Integer("COMPortSettings", 364));
    values.push_back(SettingsValue::Integer("LOTWDn", 0));
    return MemorySettingsStore(std::move(values));
  }

  MemoryFileSystem files;
  LocaleVariables locale{"", "", "en_GB.UTF-8"};
};

std::map<std::string, SettingsValue> ByName(const std::vector<SettingsValue>& values) {
  std::map<std::string, SettingsValue> map;
  for (const SettingsValue& value : values) map.emplace(value.name, value);
  return map;
}

// Every value a first start leaves in an empty key, with its stored form.
std::map<std::string, SettingsValue> FirstStartValues() {
  std::vector<SettingsValue> v;
  auto integer = [&](const std::string& name, std::int32_t value) {
    v.push_back(SettingsValue::Integer(name, value));
  };
  auto text = [&](const std::string& name, const std::string& value) {
    v.push_back(SettingsValue::String(name, value));
  };
  integer("MainFormWidth", 686);
  integer("MainFormLeft", 169);
  integer("MainFormHeight", 541);
  integer("MainFormTop", 113);
  for (const char* name :
       {"TelnetTopRow", "TelnetRow", "COMPortNr", "DXCC", "Sound", "InitialBeep", "IOTA", "RTTYnoQRG",
        "CATmodeRTTY", "CATmodeDigi", "Echo", "WarningOnExit", "DisplayLocalTime", "AutoReconnect"}) {
    integer(name, 1);
  }
  for (const char* name : {"NoNightSound",    "StartSilence",
                           "StopSilence",     "DeltaTimeRptAlarms",
                           "KeyingWAV",       "Speech",
                           "DeltaTime",       "RejectSelfSpots",
                           "RejectFromZoneA", "RejectFromZoneB",
                           "RejectFromZoneC", "RejectFromZoneD",
                           "AutoConnect",     "AlwaysOnTop",
                           "StartMode",       "LOTWAlarmMode",
                           "CATTxvr",         "CATciv",
                           "CATminBand",      "CATTxvr2",
                           "CATciv2",         "LOTW"}) {
    integer(name, 0);
  }
  integer("COMPortSettings", 364);
  integer("Interface", 2);
  integer("RejectModes", 7);
  integer("RejectBandsHF", 2047);
  integer("RejectBandsVHF", 511);
  integer("NoBeepModes", 3);
  integer("NoBeepBandsHF", 2047);
  integer("NoBeepBandsVHF", 511);
  integer("Beep", 3);
  integer("AlarmLevel", 3);
  integer("Keying", 9009);
  integer("WantedSpots", 31);
  integer("WantedSpotsAlarm", 8);
  integer("Disk", 31);
  integer("MaxInactivity", 15);
  integer("ScriptRXtimer", 10);
  integer("MaxLineLength", 83);
  integer("PrLen", 56);
  integer("MaxLines", 533130);
  integer("ColBkTrans", 0x2E00);
  integer("LOTWMaxAge", 24);
  integer("LOTWDnLast", 36526);
  integer("CATport", 2);
  integer("CATPortSettings", 10);
  integer("CATmaxBand", 10);
  integer("CATport2", 3);
  integer("CATPortSettings2", 10);
  integer("CATminBand2", 11);
  integer("CATmaxBand2", 15);
  for (const char* font : {"RX", "TX", "DB"}) {
    integer(std::string("FontSize") + font, 9);
    text(std::string("FontName") + font, "Fixedsys");
    text(std::string("FontStyle") + font, "");
  }
  const Colours colours;
  for (const ColourValue& colour : kColourValues)
    integer(colour.name, static_cast<std::int32_t>(colours.*colour.member));
  for (const char* name : {"DXCClink", "IOTAlink", "SeekCall", "CallNoAlarms", "ChatGroups", "TNCINI",
                           "TNCEXI", "Shortcut3", "Shortcut4", "Shortcut5", "Shortcut6", "Shortcut7",
                           "Shortcut8", "Shortcut9", "LOTWUsername", "LOTWPwd"}) {
    text(name, "");
  }
  // Where numbers cannot name a device, and the network radio services.
  for (const char* name : {"COMPortDevice", "CATportDevice", "CATportDevice2"}) text(name, "");
  for (const char* name : {"AGWHost", "CATrigctldHost", "CATrigctldHost2"}) text(name, "127.0.0.1");
  integer("AGWPort", 8000);
  integer("CATrigctldPort", 4532);
  integer("CATrigctldPort2", 4532);
  text("MyCall", "NOCALL");
  text("IOTALast", "191119021203248296100");
  text("Shortcut1", "SH/DX");
  text("Shortcut2", "SH/WWV");
  text("Password", "SECRETTEXT");
  text("Password2", "SECRETTEXT2");
  for (int i = 0; i < 16; ++i)
    text(std::string("CustomColor") + static_cast<char>('A' + i), DefaultCustomColor(i));
  v.push_back(SettingsValue::Binary("MyLat", EncodeFloat(46.2)));
  v.push_back(SettingsValue::Binary("MyLong", EncodeFloat(6.1)));
  v.push_back(SettingsValue::Binary("LanguageWAV", "ENUM"));
  v.push_back(SettingsValue::Binary("Language", "ENU"));
  return ByName(v);
}

TEST_F(LoadSettingsTest, FirstStartCreatesEveryValueWithItsDefault) {
  MemorySettingsStore store;
  const Settings settings = Load(store);

  const std::map<std::string, SettingsValue> expected = FirstStartValues();
  const std::map<std::string, SettingsValue> stored = ByName(store.List());
  for (const auto& [name, value] : expected) {
    auto it = stored.find(name);
    ASSERT_NE(it, stored.end()) << name << " was not created";
    EXPECT_EQ(it->second, value) << name;
  }
  for (const auto& [name, value] : stored)
    EXPECT_TRUE(expected.count(name)) << name << " should not be created";
  // Created only by the LoTW page; and the lists that a new key does not need.
  for (const char* absent :
       {"LOTWDn", "BadSpotter", "BadWord", "MoreLotw", "MyLOTWCalls", "QuickConnect", "LOTWDnDir"}) {
    EXPECT_FALSE(store.Find(absent).has_value()) << absent;
  }

  EXPECT_EQ(settings.MyCall, "NOCALL");
  EXPECT_EQ(settings.MyCallAgw, std::string("NOCALL\0", 7));
  EXPECT_EQ(settings.MyCallCaption, "NOCALL:");
  EXPECT_EQ(settings.Shortcut[0], "SH/DX");
  EXPECT_EQ(settings.MainFormLeft, 169);
  EXPECT_EQ(settings.Language, "ENU");
  EXPECT_NEAR(settings.MyLatRad, 0.80634, 1e-5);
  // This run keeps the LoTW flags it read; the next start finds them off.
  EXPECT_EQ(settings.LOTW, 1);
  EXPECT_EQ(settings.Announcement, (AnnouncementChoice{true, false, false, ""}));
  EXPECT_EQ(settings.Col.DarkDXCC, SevenEighths(0xFFFF00));
}

TEST_F(LoadSettingsTest, ASecondStartFindsACompleteKey) {
  MemorySettingsStore store;
  (void)Load(store);
  store.ClearWrittenNames();
  (void)Load(store);
  // Only the rule for a key without LOTWDn writes again.
  EXPECT_EQ(store.WrittenNames(), (std::vector<std::string>{"LOTW", "LOTWUsername", "LOTWPwd"}));
}

TEST_F(LoadSettingsTest, StringsAreNotCreatedAfterTheFirstStart) {
  MemorySettingsStore store = Started({});
  const Settings settings = Load(store);
  EXPECT_EQ(settings.MyCall, "");
  EXPECT_EQ(settings.MyCallAgw, std::string(1, '\0'));
  EXPECT_EQ(settings.Shortcut[0], "");
  EXPECT_EQ(settings.Password, "");
  for (const char* name : {"MyCall", "Shortcut1", "Password", "DXCClink", "TNCINI"}) {
    EXPECT_FALSE(store.Find(name).has_value()) << name;
  }
  // IOTALast is not created as such, but a missing one merges up to the table.
  EXPECT_EQ(*store.ReadString("IOTALast"), "191119021203248296100");
}

TEST_F(LoadSettingsTest, AFirstStartKeepsStringsThatAreAlreadyThere) {
  MemorySettingsStore store({SettingsValue::String("MyCall", "F6ABC"),
                             SettingsValue::String("SeekCall", "VP8ABC\x01"),
                             SettingsValue::String("Password", "mine")});
  const Settings settings = Load(store);
  EXPECT_EQ(settings.MyCall, "F6ABC");
  EXPECT_EQ(settings.Password, "mine");
  EXPECT_EQ(*store.ReadString("SeekCall"), "VP8ABC\x01");
  EXPECT_EQ(*store.ReadString("Shortcut1"), "SH/DX");
}

TEST_F(LoadSettingsTest, MistypedValuesAreDefaultedAndWrittenBack) {
  MemorySettingsStore store =
      Started({SettingsValue::String("Keying", "9009"), SettingsValue::Integer("MyLat", 46),
               SettingsValue::Binary("MyLong", "short"), SettingsValue::String("Language", "DEU"),
               SettingsValue::Binary("LanguageWAV", "DEUMX"), SettingsValue::Integer("MyCall", 5)});
  const Settings settings = Load(store);
  EXPECT_EQ(*store.ReadInteger("Keying"), 9009);
  EXPECT_EQ(*store.ReadBinary("MyLat"), EncodeFloat(46.2));
  EXPECT_EQ(*store.ReadBinary("MyLong"), EncodeFloat(6.1));
  EXPECT_EQ(*store.ReadBinary("Language"), "ENU");
  EXPECT_EQ(*store.ReadBinary("LanguageWAV"), "ENUM");
  EXPECT_DOUBLE_EQ(settings.MyLong, 6.1);
  // A mistyped String reads as empty and is left for the operator to see.
  EXPECT_EQ(settings.MyCall, "");
  EXPECT_EQ(store.ReadInteger("MyCall").ok(), true);
}

TEST_F(LoadSettingsTest, OldLanguageCodesAreConverted) {
  struct Row {
    const char* stored;
    const char* read;
  };
  for (const Row& row : {Row{"POR", "PTB"}, Row{"ENG", "ENU"}, Row{"POL", "PLK"}, Row{"SWE", "SVE"},
                         Row{"TCH", "CSY"}, Row{"FRA", "FRA"}}) {
    MemorySettingsStore store = Started({SettingsValue::Binary("Language", row.stored)});
    EXPECT_EQ(Load(store).Language, row.read) << row.stored;
    EXPECT_EQ(*store.ReadBinary("Language"), row.read) << row.stored;
  }
}

TEST_F(LoadSettingsTest, AMissingLanguageIsChosenFromTheLocale) {
  AddLanguageFile("DEU");
  AddLanguageFile("PTB");
  AddLanguageFile("NOR");
  struct Row {
    LocaleVariables locale;
    const char* chosen;
  };
  const Row rows[] = {
      {{"", "", "de_CH.UTF-8"}, "DEU"},
      {{"pt_BR.UTF-8", "fr_FR", "de_DE"}, "PTB"},  // LC_ALL first
      {{"", "nb_NO.UTF-8", "de_DE"}, "NOR"},       // then LC_MESSAGES
      {{"", "", "fr_FR.UTF-8"}, "ENU"},            // no French language file here
      {{"", "", "eu_ES@euro"}, "ENU"},             // a language without a code
      {{"", "", "C"}, "ENU"},
      {{"", "", ""}, "ENU"},
  };
  for (const Row& row : rows) {
    locale = row.locale;
    MemorySettingsStore store = Started({SettingsValue::Binary("Language", std::string(3, '\0'))});
    EXPECT_EQ(Load(store).Language, row.chosen) << row.locale.lang;
    EXPECT_EQ(*store.ReadBinary("Language"), row.chosen);
  }
}

TEST_F(LoadSettingsTest, ValueRulesOfSingleSettings) {
  MemorySettingsStore store =
      Started({SettingsValue::Integer("MaxLines", 0), SettingsValue::Integer("LOTWAlarmMode", 7),
               SettingsValue::String("MyCall", "DL1ABCDEFGHIJKLMNOP"),
               SettingsValue::String("Shortcut5", std::string(100, 'x')),
               SettingsValue::Integer("StartSilence", 1320),
               SettingsValue::Integer("RejectFromZoneC", 1 << 4), SettingsValue::Integer("CATmaxBand2", 99),
               SettingsValue::String("LOTWPwd", "\x62\x60\x5e"), SettingsValue::String("FontStyleRX", "IB")});
  const Settings s = Load(store);
  // A limit of 0 rows would show nothing: the dialog's smallest is 100.
  EXPECT_EQ(s.MaxLines, (LineLimits{100, 100, 100, 200}));
  EXPECT_EQ(s.LOTWAlarmMode, 2);
  EXPECT_EQ(*store.ReadInteger("LOTWAlarmMode"), 7);
  EXPECT_EQ(s.MyCall, "DL1ABCDEFGHIJKL");
  EXPECT_EQ(s.Shortcut[4].size(), 80u);
  EXPECT_DOUBLE_EQ(s.StartSilence, 22.0 / 24.0);
  EXPECT_TRUE(s.RejectFromZone[24]);
  EXPECT_TRUE(s.AnyZoneRejected);
  EXPECT_EQ(s.Cat2.max_mhz, 81000);
  EXPECT_EQ(s.LOTWPwd, "abc");
  EXPECT_EQ(s.FontRX.style, "BI");
}

// Each numeric value stored at the extremes of its type is read within the
// range the options dialog allows; the store keeps what it held.
TEST_F(LoadSettingsTest, StoredValuesOutOfRangeAreBroughtIntoRange) {
  constexpr std::int32_t kLow = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kHigh = std::numeric_limits<std::int32_t>::max();
  struct Row {
    const char* name;
    int (*read)(const Settings&);
    int at_low, at_high;
  };
  const Row rows[] = {
      {"MaxLineLength", [](const Settings& s) { return s.MaxLineLength; }, 80, 160},
      {"PrLen", [](const Settings& s) { return s.PrLen; }, 40, 100},
      {"StartMode", [](const Settings& s) { return s.StartMode; }, 0, 0},
      {"MaxLines", [](const Settings& s) { return s.MaxLines.terminal; }, 100, 6000},
      {"MaxLines", [](const Settings& s) { return s.MaxLines.lotw; }, 200, 6000},
      {"MainFormWidth", [](const Settings& s) { return s.MainFormWidth; }, 100, 1024},
      {"MainFormHeight", [](const Settings& s) { return s.MainFormHeight; }, 100, 768},
      {"MainFormLeft", [](const Settings& s) { return s.MainFormLeft; }, -32767, 32767},
      {"MainFormTop", [](const Settings& s) { return s.MainFormTop; }, -32767, 32767},
      {"TelnetTopRow", [](const Settings& s) { return s.TelnetTopRow; }, 1, kHigh},
      {"TelnetRow", [](const Settings& s) { return s.TelnetRow; }, 1, kHigh},
      {"Interface", [](const Settings& s) { return s.Interface; }, 2, 2},
      {"COMPortNr", [](const Settings& s) { return s.COMPortNr; }, 1, 256},
      {"MaxInactivity", [](const Settings& s) { return s.MaxInactivity; }, 5, 120},
      {"ScriptRXtimer", [](const Settings& s) { return s.ScriptRXtimer; }, 2, 20},
      {"DeltaTime", [](const Settings& s) { return s.DeltaTime; }, 0, 120},
      {"DeltaTimeRptAlarms", [](const Settings& s) { return s.DeltaTimeRptAlarms; }, 0, 60},
      {"StartSilence", [](const Settings& s) { return static_cast<int>(std::lround(s.StartSilence * 1440)); },
       0, 1439},
      {"StopSilence", [](const Settings& s) { return static_cast<int>(std::lround(s.StopSilence * 1440)); },
       0, 1439},
      {"AlarmLevel", [](const Settings& s) { return s.AlarmLevel; }, 3, 3},
      {"Beep", [](const Settings& s) { return s.Beep; }, 0, 3},
      {"Keying", [](const Settings& s) { return s.Keying.speed_step; }, 0, 48},
      {"Keying", [](const Settings& s) { return s.Keying.pitch_step; }, 0, 100},
      {"COMPortSettings", [](const Settings& s) { return s.COMPortSettings.parity_index; }, 0, 0},
      {"LOTW", [](const Settings& s) { return s.LOTW; }, 0, 31},
      {"LOTWMaxAge", [](const Settings& s) { return s.LOTWMaxAge; }, 1, 120},
      {"LOTWAlarmMode", [](const Settings& s) { return s.LOTWAlarmMode; }, 0, 2},
      {"LOTWDn", [](const Settings& s) { return s.LOTWDn; }, 0, 7},
      {"LOTWDnLast", [](const Settings& s) { return s.LOTWDnLast; }, 0, 2958465},
      {"CATport", [](const Settings& s) { return s.Cat1.port; }, 1, 256},
      {"CATPortSettings2", [](const Settings& s) { return s.Cat2.port_settings; }, 0, 63},
      {"CATminBand", [](const Settings& s) { return s.Cat1.min_mhz; }, 0, 75500},
      {"CATmaxBand2", [](const Settings& s) { return s.Cat2.max_mhz; }, 1, 81000},
      {"CATmodeRTTY", [](const Settings& s) { return s.CATmodeRTTY; }, 1, 1},
      {"CATmodeDigi", [](const Settings& s) { return s.CATmodeDigi; }, 1, 1},
      {"FontSizeRX", [](const Settings& s) { return s.FontRX.size; }, 1, 60},
      {"FontSizeTX", [](const Settings& s) { return s.FontTX.size; }, 1, 60},
      {"FontSizeDB", [](const Settings& s) { return s.FontDB.size; }, 1, 10},
  };
  for (const Row& row : rows) {
    for (const auto& [stored, expected] : {std::pair{kLow, row.at_low}, std::pair{kHigh, row.at_high}}) {
      SCOPED_TRACE(std::string(row.name) + " stored as " + std::to_string(stored));
      std::vector<SettingsValue> values{SettingsValue::Integer(row.name, stored)};
      for (const char* marker : {"COMPortSettings", "LOTWDn"}) {
        if (std::string(row.name) != marker) values.push_back(SettingsValue::Integer(marker, 0));
      }
      MemorySettingsStore store(std::move(values));
      EXPECT_EQ(row.read(Load(store)), expected);
      EXPECT_EQ(*store.ReadInteger(row.name), stored);
    }
  }
}

TEST_F(LoadSettingsTest, StoredPositionsThatAreNoNumberOrOffTheGlobeAreBroughtIntoRange) {
  struct Row {
    double stored_lat, stored_long, lat, lon;
  };
  const double inf = std::numeric_limits<double>::infinity();
  for (const Row& row :
       {Row{1e308, -1e308, 90.0, -180.0}, Row{std::nan(""), inf, 46.2, 6.1}, Row{-inf, 12.5, 46.2, 12.5}}) {
    MemorySettingsStore store = Started({SettingsValue::Binary("MyLat", EncodeFloat(row.stored_lat)),
                                         SettingsValue::Binary("MyLong", EncodeFloat(row.stored_long))});
    const Settings s = Load(store);
    EXPECT_DOUBLE_EQ(s.MyLat, row.lat);
    EXPECT_DOUBLE_EQ(s.MyLong, row.lon);
    EXPECT_TRUE(std::isfinite(s.MyLatRad) && std::isfinite(s.MyLongRad));
  }
}

TEST_F(LoadSettingsTest, IotaNumbersAboveTheDatabaseSlotsAreCutToThem) {
  MemorySettingsStore store = Started({SettingsValue::String("IOTALast", "999999999999999999999")});
  EXPECT_EQ(Load(store).IOTALast, (std::array<int, 7>{220, 160, 60, 230, 280, 330, 120}));
}

TEST_F(LoadSettingsTest, IotaLastIsRaisedToTheBuiltInTableOnly) {
  MemorySettingsStore lower = Started({SettingsValue::String("IOTALast", "150119021203248296100")});
  EXPECT_EQ(Load(lower).IOTALast, (std::array<int, 7>{191, 119, 21, 203, 248, 296, 100}));
  EXPECT_EQ(*lower.ReadString("IOTALast"), "191119021203248296100");

  MemorySettingsStore higher = Started({SettingsValue::String("IOTALast", "200130030210260300110")});
  EXPECT_EQ(Load(higher).IOTALast, (std::array<int, 7>{200, 130, 30, 210, 260, 300, 110}));
  const std::vector<std::string> written = higher.WrittenNames();
  EXPECT_EQ(std::count(written.begin(), written.end(), "IOTALast"), 0);
}

TEST_F(LoadSettingsTest, WithoutLotwDnTheLotwAccountIsClearedForTheNextStart) {
  MemorySettingsStore store(
      {SettingsValue::Integer("COMPortSettings", 364), SettingsValue::Integer("LOTW", 31),
       SettingsValue::String("LOTWUsername", "f6abc"), SettingsValue::String("LOTWPwd", "\x62\x60\x5e")});
  const Settings s = Load(store);
  EXPECT_EQ(s.LOTW, 31);
  EXPECT_EQ(s.LOTWDn, 0);
  EXPECT_EQ(s.LOTWUsername, "");
  EXPECT_EQ(s.LOTWPwd, "");
  EXPECT_EQ(*store.ReadInteger("LOTW"), 0);
  EXPECT_FALSE(store.Find("LOTWDn").has_value());

  MemorySettingsStore with_dn =
      Started({SettingsValue::Integer("LOTW", 31), SettingsValue::String("LOTWUsername", "f6abc")});
  EXPECT_EQ(Load(with_dn).LOTWUsername, "f6abc");
  EXPECT_EQ(*with_dn.ReadInteger("LOTW"), 31);
}

TEST_F(LoadSettingsTest, SpotLineTextColoursOfOlderInstallationsReturnToTheirDefaults) {
  // An older version stored the now-background colour as the text colour and
  // no background at all.
  MemorySettingsStore old =
      Started({SettingsValue::Integer("ColDXCCW", 0x0080FF), SettingsValue::Integer("ColDXCCnew", 0x800080),
               SettingsValue::Integer("ColDXCCM", 0x123456)});
  const Settings s = Load(old);
  EXPECT_EQ(s.Col.ColDXCCW, 0xFFFFFFu);
  EXPECT_EQ(s.Col.ColDXCCnew, 0x00FFFFu);
  EXPECT_EQ(s.Col.ColDXCCM, 0x123456u);
  EXPECT_EQ(*old.ReadInteger("ColDXCCW"), 0x0080FF);

  // With the background stored, the text colour is the operator's choice.
  MemorySettingsStore chosen =
      Started({SettingsValue::Integer("ColDXCCW", 0x0080FF), SettingsValue::Integer("ColBkDXCCW", 0x0080FF)});
  EXPECT_EQ(Load(chosen).Col.ColDXCCW, 0x0080FFu);
}

TEST_F(LoadSettingsTest, JapaneseLeavesTheDatabaseFontAlone) {
  MemorySettingsStore store =
      Started({SettingsValue::Binary("Language", "JPN"), SettingsValue::Integer("FontSizeRX", 12),
               SettingsValue::String("FontNameRX", "Courier")});
  const Settings s = Load(store);
  EXPECT_FALSE(store.Find("FontSizeDB").has_value());
  EXPECT_FALSE(store.Find("FontNameDB").has_value());
  EXPECT_EQ(s.FontRX, (FontSettings{"Courier", 12, ""}));
  // A stored name is kept when only the size was missing.
  MemorySettingsStore named = Started({SettingsValue::String("FontNameTX", "Courier")});
  EXPECT_EQ(Load(named).FontTX.name, "Courier");
  EXPECT_EQ(*named.ReadString("FontNameTX"), "Courier");
}

TEST_F(LoadSettingsTest, TheAnnouncementFallsBackToMorseWhenItsFolderIsMissing) {
  struct Row {
    const char* label;
    std::int32_t keying, keying_wav, speech;
    std::vector<std::string> folders;
    AnnouncementChoice expected;
  };
  const Row rows[] = {
      {"Morse tones", 9009, 0, 0, {}, {true, false, false, ""}},
      {"recorded Morse", 9008, 1, 0, {"cw"}, {false, true, false, "CW"}},
      {"recorded Morse without folder", 9008, 1, 0, {}, {true, false, false, ""}},
      {"voice", 9008, 0, 1, {"ENUM"}, {false, false, true, "ENUM"}},
      {"voice without folder", 9008, 0, 1, {"cw"}, {true, false, false, ""}},
      {"voice wins over recorded Morse", 9009, 1, 1, {"cw", "ENUM"}, {false, false, true, "ENUM"}},
      {"recorded Morse when the voice folder is missing", 9009, 1, 1, {"cw"}, {false, true, false, "CW"}},
      {"nothing selected", 9008, 0, 0, {"cw", "ENUM"}, {false, false, false, ""}},
  };
  for (const Row& row : rows) {
    files = MemoryFileSystem();
    AddLanguageFile("ENU");
    for (const std::string& folder : row.folders) AddSoundFolder(folder);
    MemorySettingsStore store = Started({SettingsValue::Integer("Keying", row.keying),
                                         SettingsValue::Integer("KeyingWAV", row.keying_wav),
                                         SettingsValue::Integer("Speech", row.speech)});
    EXPECT_EQ(Load(store).Announcement, row.expected) << row.label;
  }
}

TEST_F(LoadSettingsTest, SpeechDefaultsToOnWhenMorseIsOff) {
  MemorySettingsStore store = Started({SettingsValue::Integer("Keying", 9008)});
  EXPECT_TRUE(Load(store).Speech.voice);
  EXPECT_EQ(*store.ReadInteger("Speech"), 1);
}

TEST_F(LoadSettingsTest, AKeyThatCannotBeOpenedLeavesTheDefaults) {
  MemorySettingsStore store;
  store.SetUnusable(true);
  Settings settings;
  EXPECT_FALSE(LoadSettings(settings, store, nullptr, Environment()).ok());
  Settings defaults;
  EXPECT_EQ(settings.MyCall, defaults.MyCall);
  EXPECT_EQ(settings.MaxLines, defaults.MaxLines);
  EXPECT_EQ(settings.Col, defaults.Col);
  EXPECT_TRUE(store.List().empty());
}

TEST_F(LoadSettingsTest, ADamagedSettingsFileLeavesTheDefaultsAndIsKept) {
  const std::string path = "home/.config/MORVEL/BRILOX/BRILOX.reg";
  const std::string damaged =
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\MORVEL\\BRILOX\\CurrentVersion]\r\n"
      "\"MyCall\"=\"F6ABC\"\r\n\"MaxLines\"=dword:zz\r\n";
  files.files()[path] = damaged;
  FileSettingsStore store(files, path, StoreAccess::kReadWrite);
  const Settings settings = Load(store);
  EXPECT_EQ(settings.MyCall, "NOCALL");
  EXPECT_EQ(settings.MaxLines, LineLimits{});
  EXPECT_EQ(files.files()[path + ".corrupt-1"], damaged);
  FileSettingsStore reread(files, path, StoreAccess::kReadOnly);
  EXPECT_EQ(*reread.ReadString("MyCall"), "NOCALL");
  EXPECT_EQ(*reread.ReadInteger("MaxLines"), 533130);
}

TEST_F(LoadSettingsTest, AnOlderMachineWideInstallationIsMigrated) {
  MemorySettingsStore machine(
      {SettingsValue::Integer("COMPortSettings", 364 + 512), SettingsValue::String("MyCall", "F6ABC"),
       SettingsValue::Binary("MyLat", EncodeFloat(48.5)), SettingsValue::Binary("Language", "DEU"),
       SettingsValue::Integer("DOSconv", 1), SettingsValue::Integer("Echo", 0),
       SettingsValue::String("Beep", "3"),            // wrong kind: not copied
       SettingsValue::String("BadSpotter", "X\x01"),  // not in the list
       SettingsValue::Integer("LOTWDn", 7)});         // not in the list
  AddLanguageFile("DEU");
  MemorySettingsStore user;
  const Settings s = Load(user, &machine);
  EXPECT_EQ(s.MyCall, "F6ABC");
  EXPECT_TRUE(s.COMPortSettings.two_stop_bits);
  EXPECT_DOUBLE_EQ(s.MyLat, 48.5);
  EXPECT_EQ(s.Language, "DEU");
  EXPECT_FALSE(s.Echo);
  EXPECT_EQ(*user.ReadInteger("DOSconv"), 1);
  EXPECT_EQ(*user.ReadInteger("Beep"), 3);
  EXPECT_FALSE(user.Find("BadSpotter").has_value());
  EXPECT_FALSE(user.Find("LOTWDn").has_value());
  // Not a first start: the migrated key already had COMPortSettings.
  EXPECT_FALSE(user.Find("DXCClink").has_value());
  EXPECT_TRUE(machine.WrittenNames().empty());

  // An existing user key is never replaced by the machine's.
  MemorySettingsStore existing = Started({SettingsValue::String("MyCall", "K1XYZ")});
  EXPECT_EQ(Load(existing, &machine).MyCall, "K1XYZ");
}

}  // namespace
}  // namespace brilox
