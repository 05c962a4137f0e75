// The option page writers: what they store must read back as the same
// record, lists must equal what is stored, and a closed key gets nothing.
#include "shell/settings/save_settings.h"

#include <gtest/gtest.h>

#include "platform/file_settings_store.h"
#include "platform/memory_file_system.h"
#include "shell/settings/load_settings.h"
#include "shell/settings/settings_encoding.h"

namespace brilox {
namespace {

// A record far from the defaults on every page.
Settings ChangedOnEveryPage() {
  Settings s;
  s.MyCall = "F6ABC";
  s.MyLat = -33.9;
  s.MyLong = 151.2;
  s.Interface = 0;
  s.COMPortNr = 4;
  s.COMPortSettings = {7, 1, false, true, 2};
  s.TNCINI = "INTFACE HOST\r\nMYCALL F6ABC";
  s.TNCEXI =
      "\x1b"
      "QRES";
  s.DXCC = 0;
  s.Beep = 1;
  s.RejectModes = {true, false, true};
  s.RejectBandsHF.b5 = false;
  s.RejectBandsVHF.satellite = false;
  s.NoBeepModes = {false, true, false};
  s.NoBeepBandsHF.below1 = false;
  s.NoBeepBandsVHF.b70 = false;
  s.Sound = 0;
  s.NoNightSound = 1;
  s.StartSilence = 22.0 / 24.0;
  s.StopSilence = 0.25;
  s.AlarmLevel = AlarmLevelFromListPosition(1);
  s.InitialBeep = 0;
  s.DeltaTimeRptAlarms = 10;
  s.Keying = {false, 48, 100};
  s.Speech = {true, true, false};
  s.KeyingWAV = 1;
  s.LanguageWAV = "DEUF";
  s.WantedSpots.chat = false;
  s.WantedSpotsAlarm.wwv = true;
  s.Disk.talk = false;
  s.DeltaTime = 30;
  s.RejectSelfSpots = 1;
  s.RTTYnoQRG = 0;
  s.RejectFromZone[0] = s.RejectFromZone[39] = true;
  s.IOTA = 0;
  s.IOTALast = {200, 130, 30, 210, 260, 300, 110};
  s.Shortcut = {"SH/DX 50", "", "", "", "", "", "", "", "BYE"};
  s.QuickConnect = "dxc.example.org:7300";
  s.AutoConnect = true;
  s.AutoReconnect = false;
  s.MaxInactivity = 60;
  s.ScriptRXtimer = 5;
  s.AlwaysOnTop = true;
  s.Echo = false;
  s.WarningOnExit = false;
  s.MaxLineLength = 120;
  s.PrLen = 70;
  s.StartMode = StartModeFromListPosition(4);
  s.Language = "FRA";
  s.Password = "pa\"ss\\word";
  s.Password2 = "";
  s.MaxLines = {6000, 100, 300, 2000};
  s.DisplayLocalTime = false;
  s.Col.ColBkDX = 0x102030;
  s.Col.ColCountryC = 0x0A0B0C;
  s.Col.ColBkDXCC = 0x808080;
  s.Col.ColBkTrans = 0x3FFF;
  s.FontRX = {"DejaVu Sans Mono", 11, "B"};
  s.FontTX = {"Liberation Mono", 10, "BI"};
  s.FontDB = {"Courier", 8, "I"};
  s.LOTW = 29;
  s.LOTWAlarmMode = 2;
  s.LOTWMaxAge = 36;
  s.LOTWDn = 5;
  s.LOTWDnDir = "/home/op/lotw";
  s.LOTWDnLast = 46000;
  s.LOTWUsername = "f6abc";
  s.LOTWPwd = "s3cr\xe9t";
  s.Cat1 = {5, 17, 3, 12, 4, 8, 0, 0};
  s.Cat2 = {6, 9, 1, 2, 13, 24, 0, 0};
  s.CATmodeRTTY = 2;
  s.CATmodeDigi = 3;
  return s;
}

void SaveEveryPage(Settings& s, SettingsStore& store) {
  EXPECT_TRUE(SaveOptStn(s, store).ok());
  EXPECT_TRUE(SaveOptSerial(s, store).ok());
  EXPECT_TRUE(SaveOptTNC(s, store).ok());
  EXPECT_TRUE(SaveOptDX(s, store).ok());
  EXPECT_TRUE(SaveOptSound(s, store).ok());
  EXPECT_TRUE(SaveOptDX2(s, store).ok());
  EXPECT_TRUE(SaveOptFilters2(s, {" dl1xx ", "", "W1AW"}, {"pirate"}, store).ok());
  EXPECT_TRUE(
      SaveOptDX3(s, {{"vp8ABC", "  "}, {"k1abc"}, {{"XX9XX", "K"}, {"", "F"}}, {{"TM0R ", "EU-064"}}}, store)
          .ok());
  EXPECT_TRUE(SaveOptChat(s, {"ham", "", " contest "}, store).ok());
  EXPECT_TRUE(SaveOptIOTA(s, store).ok());
  EXPECT_TRUE(SaveOptShortcuts(s, store).ok());
  EXPECT_TRUE(SaveOptScripts(s, store).ok());
  EXPECT_TRUE(SaveOptGeneral(s, store).ok());
  EXPECT_TRUE(SaveOptColors(s, store).ok());
  EXPECT_TRUE(SaveOptFonts(s, store).ok());
  EXPECT_TRUE(SaveOptLotw(s, {"ab1cd"}, store).ok());
  EXPECT_TRUE(SaveOptLotw2(s, {"F6ABC", "TM6ABC"}, store).ok());
  EXPECT_TRUE(SaveOptCAT(s, store).ok());
}

class SaveSettingsTest : public ::testing::Test {
 protected:
  SaveSettingsTest() {
    files.files()["prog/BRLMSG85.ENU"] = "messages";
    (void)files.CreateDirectories("prog/sounds/DEUF");
  }
  Settings Reload(SettingsStore& store) {
    Settings settings;
    EXPECT_TRUE(LoadSettings(settings, store, nullptr, {.files = files, .program_folder = "prog"}).ok());
    LoadListSettings(settings, store);
    return settings;
  }
  MemoryFileSystem files;
};

TEST_F(SaveSettingsTest, EveryPageReadsBackAsTheSameRecord) {
  // Through the real file, so the text form is part of the round trip.
  FileSettingsStore store(files, "cfg/MORVEL/BRILOX/BRILOX.reg", StoreAccess::kReadWrite);
  Settings saved = ChangedOnEveryPage();
  SaveEveryPage(saved, store);
  FileSettingsStore reopened(files, "cfg/MORVEL/BRILOX/BRILOX.reg", StoreAccess::kReadWrite);
  Settings loaded = Reload(reopened);

  // The loader picks the announcement from the folders; the writers leave it.
  saved.Announcement = loaded.Announcement;
  EXPECT_EQ(loaded.Announcement, (AnnouncementChoice{false, false, true, "DEUF"}));
  // Window geometry and custom colours belong to the shutdown writer.
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(loaded.CustomColor[static_cast<std::size_t>(i)],
              saved.CustomColor[static_cast<std::size_t>(i)]);

  EXPECT_EQ(loaded.MyCall, saved.MyCall);
  EXPECT_EQ(loaded.MyCallAgw, saved.MyCallAgw);
  EXPECT_DOUBLE_EQ(loaded.MyLat, saved.MyLat);
  EXPECT_DOUBLE_EQ(loaded.MyLongRad, saved.MyLongRad);
  EXPECT_EQ(loaded.Interface, saved.Interface);
  EXPECT_EQ(loaded.COMPortNr, saved.COMPortNr);
  EXPECT_EQ(loaded.COMPortSettings, saved.COMPortSettings);
  EXPECT_EQ(loaded.TNCINI, saved.TNCINI);
  EXPECT_EQ(loaded.TNCEXI, saved.TNCEXI);
  EXPECT_EQ(loaded.DXCC, saved.DXCC);
  EXPECT_EQ(loaded.Beep, saved.Beep);
  EXPECT_EQ(loaded.RejectModes, saved.RejectModes);
  EXPECT_EQ(loaded.RejectBandsHF, saved.RejectBandsHF);
  EXPECT_EQ(loaded.RejectBandsVHF, saved.RejectBandsVHF);
  EXPECT_EQ(loaded.NoBeepModes, saved.NoBeepModes);
  EXPECT_EQ(loaded.NoBeepBandsHF, saved.NoBeepBandsHF);
  EXPECT_EQ(loaded.NoBeepBandsVHF, saved.NoBeepBandsVHF);
  EXPECT_EQ(loaded.Sound, saved.Sound);
  EXPECT_EQ(loaded.NoNightSound, saved.NoNightSound);
  EXPECT_DOUBLE_EQ(loaded.StartSilence, saved.StartSilence);
  EXPECT_DOUBLE_EQ(loaded.StopSilence, saved.StopSilence);
  EXPECT_EQ(loaded.AlarmLevel, 5);
  EXPECT_EQ(loaded.InitialBeep, saved.InitialBeep);
  EXPECT_EQ(loaded.DeltaTimeRptAlarms, saved.DeltaTimeRptAlarms);
  EXPECT_EQ(loaded.Keying, saved.Keying);
  EXPECT_EQ(loaded.Speech, saved.Speech);
  EXPECT_EQ(loaded.KeyingWAV, saved.KeyingWAV);
  EXPECT_EQ(loaded.LanguageWAV, saved.LanguageWAV);
  EXPECT_EQ(loaded.WantedSpots, saved.WantedSpots);
  EXPECT_EQ(loaded.WantedSpotsAlarm, saved.WantedSpotsAlarm);
  EXPECT_EQ(loaded.Disk, saved.Disk);
  EXPECT_EQ(loaded.DeltaTime, saved.DeltaTime);
  EXPECT_EQ(loaded.RejectSelfSpots, saved.RejectSelfSpots);
  EXPECT_EQ(loaded.RTTYnoQRG, saved.RTTYnoQRG);
  EXPECT_EQ(loaded.RejectFromZone, saved.RejectFromZone);
  EXPECT_TRUE(loaded.AnyZoneRejected);
  EXPECT_EQ(loaded.IOTA, saved.IOTA);
  EXPECT_EQ(loaded.IOTALast, saved.IOTALast);
  EXPECT_EQ(loaded.Shortcut, saved.Shortcut);
  EXPECT_EQ(loaded.QuickConnect, saved.QuickConnect);
  EXPECT_EQ(loaded.AutoConnect, saved.AutoConnect);
  EXPECT_EQ(loaded.AutoReconnect, saved.AutoReconnect);
  EXPECT_EQ(loaded.MaxInactivity, saved.MaxInactivity);
  EXPECT_EQ(loaded.ScriptRXtimer, saved.ScriptRXtimer);
  EXPECT_EQ(loaded.AlwaysOnTop, saved.AlwaysOnTop);
  EXPECT_EQ(loaded.Echo, saved.Echo);
  EXPECT_EQ(loaded.WarningOnExit, saved.WarningOnExit);
  EXPECT_EQ(loaded.MaxLineLength, saved.MaxLineLength);
  EXPECT_EQ(loaded.PrLen, saved.PrLen);
  EXPECT_EQ(loaded.StartMode, 1);
  EXPECT_EQ(loaded.Language, saved.Language);
  EXPECT_EQ(loaded.Password, saved.Password);
  EXPECT_EQ(loaded.Password2, saved.Password2);
  EXPECT_EQ(loaded.MaxLines, saved.MaxLines);
  EXPECT_EQ(loaded.DisplayLocalTime, saved.DisplayLocalTime);
  EXPECT_EQ(loaded.Col, saved.Col);
  EXPECT_EQ(loaded.Col.DarkDXCC, 0x707070u);
  EXPECT_EQ(loaded.FontRX, saved.FontRX);
  EXPECT_EQ(loaded.FontTX, saved.FontTX);
  EXPECT_EQ(loaded.FontDB, saved.FontDB);
  EXPECT_EQ(loaded.LOTW, saved.LOTW);
  EXPECT_EQ(loaded.LOTWAlarmMode, saved.LOTWAlarmMode);
  EXPECT_EQ(loaded.LOTWMaxAge, saved.LOTWMaxAge);
  EXPECT_EQ(loaded.LOTWDn, saved.LOTWDn);
  EXPECT_EQ(loaded.LOTWDnDir, saved.LOTWDnDir);
  EXPECT_EQ(loaded.LOTWDnLast, saved.LOTWDnLast);
  EXPECT_EQ(loaded.LOTWUsername, saved.LOTWUsername);
  EXPECT_EQ(loaded.LOTWPwd, saved.LOTWPwd);
  EXPECT_EQ(loaded.Cat1, saved.Cat1);
  EXPECT_EQ(loaded.Cat1.max_mhz, 22);
  EXPECT_EQ(loaded.Cat2, saved.Cat2);
  EXPECT_EQ(loaded.CATmodeRTTY, saved.CATmodeRTTY);
  EXPECT_EQ(loaded.CATmodeDigi, saved.CATmodeDigi);
  // The list tables the writers filled equal what the loaders read.
  EXPECT_EQ(loaded.BadSpotter, saved.BadSpotter);
  EXPECT_EQ(loaded.BadWord, saved.BadWord);
  EXPECT_EQ(loaded.SeekCall, saved.SeekCall);
  EXPECT_EQ(loaded.CallNoAlarms, saved.CallNoAlarms);
  EXPECT_EQ(loaded.DXCClink, saved.DXCClink);
  EXPECT_EQ(loaded.IOTAlink, saved.IOTAlink);
  EXPECT_EQ(loaded.ChatGroups, saved.ChatGroups);
  EXPECT_EQ(loaded.MoreLotw, saved.MoreLotw);
  EXPECT_EQ(loaded.MyLOTWCalls, saved.MyLOTWCalls);
}

TEST_F(SaveSettingsTest, ListPagesStoreTrimmedRowsAndKeepTheTablesInStep) {
  MemorySettingsStore store;
  Settings s;
  ASSERT_TRUE(SaveOptDX3(s, {{" vp8abc ", ""}, {}, {{" XX9XX ", " K  "}, {"", "F"}}, {}}, store).ok());
  EXPECT_EQ(*store.ReadString("SeekCall"), "vp8abc\x01");
  EXPECT_EQ(*store.ReadString("DXCClink"), "XX9XX\x01 K\x02");
  EXPECT_EQ(s.SeekCall, (std::vector<CallEntry>{{"VP8ABC      "}}));
  EXPECT_EQ(s.DXCClink, (std::vector<CallPairEntry>{{"XX9XX       ", " K  "}}));
  ASSERT_TRUE(SaveOptChat(s, {"ham", "", " dx "}, store).ok());
  EXPECT_EQ(*store.ReadString("ChatGroups"),
            "ham\x01"
            "dx\x01");
  EXPECT_EQ(s.ChatGroups, (std::vector<std::string>{"HAM", "DX"}));
}

TEST_F(SaveSettingsTest, StoredFormsOfTheSoundAndLotwPages) {
  MemorySettingsStore store;
  Settings s;
  s.StartSilence = 6.0 / 24.0 + 40.0 / 86400.0;
  s.Keying = {true, 24, 35};
  s.Speech = {false, true, true};
  s.LOTWPwd = "abc";
  ASSERT_TRUE(SaveOptSound(s, store).ok());
  ASSERT_TRUE(SaveOptLotw2(s, {}, store).ok());
  EXPECT_EQ(*store.ReadInteger("StartSilence"), 361);
  EXPECT_EQ(*store.ReadInteger("Keying"), 9009);
  EXPECT_EQ(*store.ReadInteger("Speech"), 6);
  EXPECT_EQ(*store.ReadBinary("LanguageWAV"), "ENUM");
  EXPECT_EQ(*store.ReadString("LOTWPwd"), "\x62\x60\x5e");
  EXPECT_EQ(*store.ReadInteger("LOTWDn"), 0);
}

TEST_F(SaveSettingsTest, JapaneseKeepsTheDatabaseFontUnwritten) {
  MemorySettingsStore store;
  Settings s;
  s.Language = "JPN";
  ASSERT_TRUE(SaveOptFonts(s, store).ok());
  EXPECT_TRUE(store.Find("FontSizeRX").has_value());
  EXPECT_TRUE(store.Find("FontNameTX").has_value());
  EXPECT_FALSE(store.Find("FontSizeDB").has_value());
}

TEST_F(SaveSettingsTest, AKeyThatCannotBeOpenedGetsNothingButTheRecordChanges) {
  MemorySettingsStore store;
  store.SetUnusable(true);
  Settings s;
  s.MyCall = "F6ABCDEFGHIJKLMNOP";
  EXPECT_FALSE(SaveOptStn(s, store).ok());
  EXPECT_FALSE(SaveOptFilters2(s, {"DL1XX"}, {}, store).ok());
  EXPECT_FALSE(SaveShutdownSettings(s, store).ok());
  EXPECT_TRUE(store.List().empty());
  EXPECT_EQ(s.MyCallCaption, "F6ABCDEFGHIJKLM:");
  EXPECT_EQ(s.BadSpotter, (std::vector<CallEntry>{{"DL1XX"}}));
}

TEST_F(SaveSettingsTest, ShutdownStoresGeometryTelnetRowsAndCustomColours) {
  MemorySettingsStore store;
  Settings s;
  s.MainFormLeft = -5;
  s.MainFormWidth = 900;
  s.TelnetRow = 17;
  s.CustomColor[15] = "ColorP=00FF00";
  ASSERT_TRUE(SaveShutdownSettings(s, store).ok());
  EXPECT_EQ(*store.ReadInteger("MainFormLeft"), -5);
  EXPECT_EQ(*store.ReadInteger("MainFormWidth"), 900);
  EXPECT_EQ(*store.ReadInteger("TelnetRow"), 17);
  EXPECT_EQ(*store.ReadString("CustomColorP"), "ColorP=00FF00");
  EXPECT_EQ(store.List().size(), 22u);
}

}  // namespace
}  // namespace brilox
