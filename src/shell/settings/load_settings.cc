#include "shell/settings/load_settings.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/settings_colours.h"
#include "shell/settings/migrate_settings.h"
#include "shell/settings/settings_encoding.h"
#include "shell/settings/settings_language.h"
#include "shell/settings/settings_ranges.h"
#include "shell/settings/settings_values.h"

namespace brilox {
namespace {

constexpr std::int32_t kDefaultComPortSettings = 364;
constexpr std::int32_t kDefaultMaxLines = 533130;
constexpr std::int32_t kDefaultKeying = 9009;
constexpr char kJapanese[] = "JPN";

using Store = SettingsStore;

void LoadGeometry(Settings& s, Store& store, const SettingsEnvironment& env) {
  // Each default depends on the values read before it: the window is centred
  // with the size it will have.
  s.MainFormWidth = ReadIntegerOrCreate(store, "MainFormWidth", env.window_width);
  s.MainFormLeft = ReadIntegerOrCreate(store, "MainFormLeft", (env.screen_width - s.MainFormWidth) / 2);
  s.MainFormHeight = ReadIntegerOrCreate(store, "MainFormHeight", env.window_height);
  s.MainFormTop = ReadIntegerOrCreate(store, "MainFormTop", (env.screen_height - s.MainFormHeight) / 2);
  s.TelnetTopRow = ReadIntegerOrCreate(store, "TelnetTopRow", 1);
  s.TelnetRow = ReadIntegerOrCreate(store, "TelnetRow", 1);
}

// A missing COMPortSettings marks a first start: the Strings a new key
// needs are created with it.  One that is already there (migrated, or kept
// from a key that lost COMPortSettings) is the operator's and stays.
void CreateFirstStartStrings(Store& store) {
  const Settings defaults;
  std::vector<std::pair<std::string, std::string>> strings = {
      {"DXCClink", ""},
      {"IOTAlink", ""},
      {"SeekCall", ""},
      {"CallNoAlarms", ""},
      {"ChatGroups", ""},
      {"MyCall", defaults.MyCall},
      {"IOTALast", FormatIotaLast(kBuiltInIotaLast)},
  };
  for (int i = 0; i < kShortcutCount; ++i) {
    strings.emplace_back("Shortcut" + std::to_string(i + 1), defaults.Shortcut[static_cast<std::size_t>(i)]);
  }
  strings.insert(
      strings.end(),
      {{"Password", defaults.Password}, {"Password2", defaults.Password2}, {"TNCINI", ""}, {"TNCEXI", ""}});
  for (const auto& [name, text] : strings) {
    if (!store.Find(name)) (void)store.WriteString(name, text);
  }
}

void LoadSerialAndSound(Settings& s, Store& store, const SettingsEnvironment& env) {
  if (!store.ReadInteger("COMPortSettings").ok()) CreateFirstStartStrings(store);
  s.COMPortSettings =
      DecodeSerialParameters(ReadIntegerOrCreate(store, "COMPortSettings", kDefaultComPortSettings));
  s.Interface = ReadIntegerOrCreate(store, "Interface", 2);
  s.COMPortNr = ReadIntegerOrCreate(store, "COMPortNr", 1);
  s.COMPortDevice = ReadTextOrCreate(store, "COMPortDevice", "").substr(0, kTextLength);
  s.AGWHost = ReadTextOrCreate(store, "AGWHost", "127.0.0.1").substr(0, kTextLength);
  s.AGWPort = ReadIntegerOrCreate(store, "AGWPort", 8000);
  s.TNCINI = ReadText(store, "TNCINI", kTextLength);
  s.TNCEXI = ReadText(store, "TNCEXI", kTextLength);
  s.DXCC = ReadIntegerOrCreate(store, "DXCC", 1);
  s.RejectModes = DecodeModes(ReadIntegerOrCreate(store, "RejectModes", 7));
  s.RejectBandsHF = DecodeHfBands(ReadIntegerOrCreate(store, "RejectBandsHF", 2047));
  s.RejectBandsVHF = DecodeVhfBands(ReadIntegerOrCreate(store, "RejectBandsVHF", 511));
  s.NoBeepModes = DecodeModes(ReadIntegerOrCreate(store, "NoBeepModes", 3));
  s.NoBeepBandsHF = DecodeHfBands(ReadIntegerOrCreate(store, "NoBeepBandsHF", 2047));
  s.NoBeepBandsVHF = DecodeVhfBands(ReadIntegerOrCreate(store, "NoBeepBandsVHF", 511));
  s.Sound = ReadIntegerOrCreate(store, "Sound", 1);
  s.NoNightSound = ReadIntegerOrCreate(store, "NoNightSound", 0);
  s.StartSilence = DecodeSilenceMinutes(ReadIntegerOrCreate(store, "StartSilence", 0));
  s.StopSilence = DecodeSilenceMinutes(ReadIntegerOrCreate(store, "StopSilence", 0));
  s.Beep = ReadIntegerOrCreate(store, "Beep", 3);
  s.AlarmLevel = ReadIntegerOrCreate(store, "AlarmLevel", 3);
  s.InitialBeep = ReadIntegerOrCreate(store, "InitialBeep", 1);
  s.DeltaTimeRptAlarms = ReadIntegerOrCreate(store, "DeltaTimeRptAlarms", 0);
  s.Keying = DecodeKeying(ReadIntegerOrCreate(store, "Keying", kDefaultKeying));
  s.KeyingWAV = ReadIntegerOrCreate(store, "KeyingWAV", 0);
  s.Speech = DecodeSpeech(ReadIntegerOrCreate(store, "Speech", s.Keying.morse ? 0 : 1));
  const std::optional<std::string> voice_folder = ReadCode(store, "LanguageWAV", 4);
  s.LanguageWAV = voice_folder ? *voice_folder : "ENUM";
  if (!voice_folder) (void)store.WriteBinary("LanguageWAV", s.LanguageWAV);
  s.Announcement = ChooseAnnouncement(s, env.files, env.program_folder);
}

void LoadFilters(Settings& s, Store& store) {
  s.WantedSpots = DecodeWantedSpots(ReadIntegerOrCreate(store, "WantedSpots", 31));
  s.WantedSpotsAlarm = DecodeWantedSpotsAlarm(ReadIntegerOrCreate(store, "WantedSpotsAlarm", 8));
  s.Disk = DecodeDisk(ReadIntegerOrCreate(store, "Disk", 31));
  s.DeltaTime = ReadIntegerOrCreate(store, "DeltaTime", 0);
  s.RejectSelfSpots = ReadIntegerOrCreate(store, "RejectSelfSpots", 0);
  s.RTTYnoQRG = ReadIntegerOrCreate(store, "RTTYnoQRG", 1);
  for (int group = 0; group < 4; ++group) {
    const std::string name = std::string("RejectFromZone") + static_cast<char>('A' + group);
    DecodeZoneGroup(ReadIntegerOrCreate(store, name, 0), group, s.RejectFromZone);
  }
  UpdateAnyZoneRejected(s);
}

void LoadStationAndGeneral(Settings& s, Store& store) {
  SetMyCall(s, ReadText(store, "MyCall", kMyCallLength));
  const double latitude = ReadFloatOrCreate(store, "MyLat", 46.2);
  SetMyPosition(s, latitude, ReadFloatOrCreate(store, "MyLong", 6.1));
  s.IOTA = ReadIntegerOrCreate(store, "IOTA", 1);
  bool raised = false;
  const IotaNumbers merged =
      MergeIotaLast(ParseIotaLast(ReadText(store, "IOTALast", kTextLength)), kBuiltInIotaLast, raised);
  std::copy(merged.begin(), merged.end(), s.IOTALast.begin());
  if (raised) (void)store.WriteString("IOTALast", FormatIotaLast(merged));
  for (int i = 0; i < kShortcutCount; ++i) {
    s.Shortcut[static_cast<std::size_t>(i)] =
        ReadText(store, "Shortcut" + std::to_string(i + 1), kShortcutLength);
  }
  s.QuickConnect = ReadText(store, "QuickConnect", kShortcutLength);
  s.AutoConnect = ReadBooleanOrCreate(store, "AutoConnect", false);
  s.AutoReconnect = ReadBooleanOrCreate(store, "AutoReconnect", true);
  s.MaxInactivity = ReadIntegerOrCreate(store, "MaxInactivity", 15);
  s.ScriptRXtimer = ReadIntegerOrCreate(store, "ScriptRXtimer", 10);
  s.AlwaysOnTop = ReadBooleanOrCreate(store, "AlwaysOnTop", false);
  s.Echo = ReadBooleanOrCreate(store, "Echo", true);
  s.WarningOnExit = ReadBooleanOrCreate(store, "WarningOnExit", true);
  s.MaxLineLength = ReadIntegerOrCreate(store, "MaxLineLength", 83);
  s.PrLen = ReadIntegerOrCreate(store, "PrLen", 56);
  s.StartMode = ReadIntegerOrCreate(store, "StartMode", 0);
  s.Password = ReadText(store, "Password", kTextLength);
  s.Password2 = ReadText(store, "Password2", kTextLength);
}

// A code of spaces or NUL bytes is as good as none.
bool IsBlankCode(std::string_view code) {
  return std::all_of(code.begin(), code.end(), [](char c) { return c == ' ' || c == '\0'; });
}

void LoadLanguage(Settings& s, Store& store, const SettingsEnvironment& env) {
  std::string code = ReadCode(store, "Language", 3).value_or(std::string());
  if (const std::string converted = ConvertOldLanguageCode(code); converted != code) {
    code = converted;
    (void)store.WriteBinary("Language", code);
  }
  if (IsBlankCode(code)) {
    code = ChooseSystemLanguage(env.locale, env.files, env.program_folder);
    (void)store.WriteBinary("Language", code);
  }
  s.Language = code;
  s.MaxLines = DecodeMaxLines(ReadIntegerOrCreate(store, "MaxLines", kDefaultMaxLines));
  s.DisplayLocalTime = ReadBooleanOrCreate(store, "DisplayLocalTime", true);
}

void LoadColours(Settings& s, Store& store) {
  const Colours defaults;
  for (const ColourValue& value : kColourValues) {
    const bool missing = !store.ReadInteger(value.name).ok();
    s.Col.*value.member = static_cast<Colour>(
        ReadIntegerOrCreate(store, value.name, static_cast<std::int32_t>(defaults.*value.member)));
    for (const ColourPair& pair : kRecolouredPairs) {
      if (pair.background == value.member && missing && s.Col.*pair.text == defaults.*pair.background) {
        s.Col.*pair.text = defaults.*pair.text;
      }
    }
  }
  s.Col.ColBkTrans = static_cast<std::uint32_t>(
      ReadIntegerOrCreate(store, "ColBkTrans", static_cast<std::int32_t>(defaults.ColBkTrans)));
  UpdateDarkColours(s.Col);
  for (int i = 0; i < kCustomColourCount; ++i) {
    const std::string name = std::string("CustomColor") + static_cast<char>('A' + i);
    s.CustomColor[static_cast<std::size_t>(i)] = ReadTextOrCreate(store, name, DefaultCustomColor(i));
  }
}

// One font's three values.  A missing size marks a font never stored: its
// name and style are created too, where they are missing (a name the operator
// chose is not replaced).  An empty stored name keeps the built-in face.
void LoadFont(FontSettings& font, Store& store, const std::string& suffix) {
  const FontSettings defaults;
  if (!store.ReadInteger("FontSize" + suffix).ok()) {
    (void)ReadTextOrCreate(store, "FontName" + suffix, defaults.name);
    (void)ReadTextOrCreate(store, "FontStyle" + suffix, "");
  }
  font.size = ReadIntegerOrCreate(store, "FontSize" + suffix, defaults.size);
  const std::string name = ReadText(store, "FontName" + suffix, kTextLength);
  font.name = name.empty() ? defaults.name : name;
  font.style = NormaliseFontStyle(ReadText(store, "FontStyle" + suffix, kTextLength));
}

void LoadLotw(Settings& s, Store& store) {
  s.LOTW = ReadIntegerOrCreate(store, "LOTW", 1);
  s.LOTWMaxAge = ReadIntegerOrCreate(store, "LOTWMaxAge", 24);
  s.LOTWAlarmMode = std::clamp(ReadIntegerOrCreate(store, "LOTWAlarmMode", 0), 0, 2);
  if (Result<std::int32_t> download = store.ReadInteger("LOTWDn"); download.ok()) {
    s.LOTWDn = *download;
  } else {
    // LOTWDn is created by the LoTW page only; until then each start leaves
    // LoTW off and the account empty for the next start.
    s.LOTWDn = 0;
    (void)store.WriteInteger("LOTW", 0);
    (void)store.WriteString("LOTWUsername", "");
    (void)store.WriteString("LOTWPwd", "");
  }
  s.LOTWDnLast = ReadIntegerOrCreate(store, "LOTWDnLast", 36526);
  s.LOTWUsername = ReadText(store, "LOTWUsername", kTextLength);
  Result<std::string> scrambled = store.ReadString("LOTWPwd");
  s.LOTWPwd = scrambled.ok() ? UnscrambleLotwPassword(*scrambled).substr(0, kTextLength) : std::string();
  s.LOTWDnDir = ReadText(store, "LOTWDnDir", kTextLength);
}

void LoadCat(CatSettings& cat, Store& store, const std::string& suffix, const CatSettings& defaults) {
  cat.port = ReadIntegerOrCreate(store, "CATport" + suffix, defaults.port);
  cat.port_settings = ReadIntegerOrCreate(store, "CATPortSettings" + suffix, defaults.port_settings);
  cat.transceiver = ReadIntegerOrCreate(store, "CATTxvr" + suffix, defaults.transceiver);
  cat.civ = ReadIntegerOrCreate(store, "CATciv" + suffix, defaults.civ);
  cat.min_band = ReadIntegerOrCreate(store, "CATminBand" + suffix, defaults.min_band);
  cat.max_band = ReadIntegerOrCreate(store, "CATmaxBand" + suffix, defaults.max_band);
  cat.min_mhz = CatLowMHz(cat.min_band);
  cat.max_mhz = CatHighMHz(cat.max_band);
  cat.device = ReadTextOrCreate(store, "CATportDevice" + suffix, defaults.device).substr(0, kTextLength);
  cat.rigctld_host =
      ReadTextOrCreate(store, "CATrigctldHost" + suffix, defaults.rigctld_host).substr(0, kTextLength);
  cat.rigctld_port = ReadIntegerOrCreate(store, "CATrigctldPort" + suffix, defaults.rigctld_port);
}

}  // namespace

AnnouncementChoice ChooseAnnouncement(const Settings& settings, FileSystem& files,
                                      const std::string& program_folder) {
  AnnouncementChoice choice;
  choice.morse = settings.Keying.morse;
  choice.recorded_morse = (settings.KeyingWAV & 1) != 0;
  choice.voice = settings.Speech.voice;
  const std::string sounds = JoinPath(program_folder, "sounds");
  if (choice.recorded_morse) {
    if (files.IsDirectory(JoinPath(sounds, "cw"))) {
      choice.sound_folder = "CW";
    } else {
      choice.recorded_morse = false;
      choice.morse = true;
    }
  }
  if (choice.voice) {
    // The folder is only taken when it exists, so that recorded Morse keeps
    // "CW" when the voice falls back.
    if (files.IsDirectory(JoinPath(sounds, settings.LanguageWAV))) {
      choice.sound_folder = settings.LanguageWAV;
    } else {
      choice.voice = false;
      choice.morse = true;
    }
  }
  if (choice.voice) {
    choice.morse = false;
    choice.recorded_morse = false;
  }
  if (choice.recorded_morse) choice.morse = false;
  return choice;
}

Status LoadSettings(Settings& settings, SettingsStore& user, SettingsStore* machine,
                    const SettingsEnvironment& environment) {
  if (!user.Exists() && machine != nullptr && machine->Exists()) (void)MigrateMachineSettings(*machine, user);
  if (Status s = user.Create(); !s.ok()) return s;
  LoadGeometry(settings, user, environment);
  LoadSerialAndSound(settings, user, environment);
  LoadFilters(settings, user);
  LoadStationAndGeneral(settings, user);
  LoadLanguage(settings, user, environment);
  LoadColours(settings, user);
  LoadFont(settings.FontRX, user, "RX");
  LoadFont(settings.FontTX, user, "TX");
  if (settings.Language != kJapanese) LoadFont(settings.FontDB, user, "DB");
  LoadLotw(settings, user);
  const Settings defaults;
  LoadCat(settings.Cat1, user, "", defaults.Cat1);
  LoadCat(settings.Cat2, user, "2", defaults.Cat2);
  settings.CATmodeRTTY = ReadIntegerOrCreate(user, "CATmodeRTTY", 1);
  settings.CATmodeDigi = ReadIntegerOrCreate(user, "CATmodeDigi", 1);
  BringSettingsIntoRange(settings, environment.screen_width, environment.screen_height);
  return user.Flush();
}

}  // namespace brilox
