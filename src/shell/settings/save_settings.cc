#include "shell/settings/save_settings.h"

#include "core/settings_colours.h"
#include "shell/settings/settings_encoding.h"

namespace brilox {
namespace {

constexpr char kJapanese[] = "JPN";

// Opens the key for one page and writes value by value; the first failure is
// kept and reported after the others were tried.
class PageWriter {
 public:
  explicit PageWriter(SettingsStore& store) : m_store(store), m_open(store.Create()) {}

  void Integer(const std::string& name, std::int32_t value) {
    if (m_open.ok()) Keep(m_store.WriteInteger(name, value));
  }
  void Boolean(const std::string& name, bool value) { Integer(name, value ? 1 : 0); }
  void Float(const std::string& name, double value) { Binary(name, EncodeFloat(value)); }
  void String(const std::string& name, std::string_view text) {
    if (m_open.ok()) Keep(m_store.WriteString(name, text));
  }
  void Binary(const std::string& name, std::string_view bytes) {
    if (m_open.ok()) Keep(m_store.WriteBinary(name, bytes));
  }

  Status Finish() {
    if (!m_open.ok()) return m_open;
    Status flushed = m_store.Flush();
    return m_failure.ok() ? flushed : m_failure;
  }

 private:
  void Keep(Status s) {
    if (!s.ok() && m_failure.ok()) m_failure = std::move(s);
  }
  SettingsStore& m_store;
  Status m_open;
  Status m_failure;
};

std::string Numbered(const char* name, int index) { return name + std::to_string(index); }
std::string Lettered(const char* name, int index) {
  return name + std::string(1, static_cast<char>('A' + index));
}

void WriteCat(PageWriter& w, const CatSettings& cat, const std::string& suffix) {
  w.Integer("CATport" + suffix, cat.port);
  w.Integer("CATPortSettings" + suffix, cat.port_settings);
  w.Integer("CATTxvr" + suffix, cat.transceiver);
  w.Integer("CATciv" + suffix, cat.civ);
  w.Integer("CATminBand" + suffix, cat.min_band);
  w.Integer("CATmaxBand" + suffix, cat.max_band);
  w.String("CATportDevice" + suffix, cat.device);
  w.String("CATrigctldHost" + suffix, cat.rigctld_host);
  w.Integer("CATrigctldPort" + suffix, cat.rigctld_port);
}

void WriteFont(PageWriter& w, const FontSettings& font, const std::string& suffix) {
  w.String("FontName" + suffix, font.name);
  w.Integer("FontSize" + suffix, font.size);
  w.String("FontStyle" + suffix, NormaliseFontStyle(font.style));
}

}  // namespace

Status SaveOptStn(Settings& s, SettingsStore& store) {
  SetMyCall(s, s.MyCall);
  SetMyPosition(s, s.MyLat, s.MyLong);
  PageWriter w(store);
  w.String("MyCall", s.MyCall);
  w.Float("MyLat", s.MyLat);
  w.Float("MyLong", s.MyLong);
  return w.Finish();
}

Status SaveOptSerial(Settings& s, SettingsStore& store) {
  PageWriter w(store);
  w.Integer("Interface", s.Interface);
  w.Integer("COMPortNr", s.COMPortNr);
  w.String("COMPortDevice", s.COMPortDevice);
  w.Integer("COMPortSettings", EncodeSerialParameters(s.COMPortSettings));
  w.String("AGWHost", s.AGWHost);
  w.Integer("AGWPort", s.AGWPort);
  return w.Finish();
}

Status SaveOptTNC(Settings& s, SettingsStore& store) {
  PageWriter w(store);
  w.String("TNCINI", s.TNCINI);
  w.String("TNCEXI", s.TNCEXI);
  return w.Finish();
}

Status SaveOptDX(Settings& s, SettingsStore& store) {
  PageWriter w(store);
  w.Integer("DXCC", s.DXCC);
  w.Integer("Beep", s.Beep);
  w.Integer("RejectModes", EncodeModes(s.RejectModes));
  w.Integer("RejectBandsHF", EncodeHfBands(s.RejectBandsHF));
  w.Integer("RejectBandsVHF", EncodeVhfBands(s.RejectBandsVHF));
  w.Integer("NoBeepModes", EncodeModes(s.NoBeepModes));
  w.Integer("NoBeepBandsHF", EncodeHfBands(s.NoBeepBandsHF));
  w.Integer("NoBeepBandsVHF", EncodeVhfBands(s.NoBeepBandsVHF));
  return w.Finish();
}

Status SaveOptSound(Settings& s, SettingsStore& store) {
  PageWriter w(store);
  w.Integer("Sound", s.Sound);
  w.Integer("NoNightSound", s.NoNightSound);
  w.Integer("StartSilence", EncodeSilenceMinutes(s.StartSilence));
  w.Integer("StopSilence", EncodeSilenceMinutes(s.StopSilence));
  w.Integer("AlarmLevel", s.AlarmLevel);
  w.Integer("InitialBeep", s.InitialBeep);
  w.Integer("DeltaTimeRptAlarms", s.DeltaTimeRptAlarms);
  w.Integer("Keying", EncodeKeying(s.Keying));
  w.Integer("Speech", EncodeSpeech(s.Speech));
  w.Integer("KeyingWAV", s.KeyingWAV);
  std::string voice_folder = s.LanguageWAV;
  voice_folder.resize(4, ' ');
  w.Binary("LanguageWAV", voice_folder);
  return w.Finish();
}

Status SaveOptDX2(Settings& s, SettingsStore& store) {
  UpdateAnyZoneRejected(s);
  PageWriter w(store);
  w.Integer("WantedSpots", EncodeWantedSpots(s.WantedSpots));
  w.Integer("WantedSpotsAlarm", EncodeWantedSpotsAlarm(s.WantedSpotsAlarm));
  w.Integer("Disk", EncodeDisk(s.Disk));
  w.Integer("DeltaTime", s.DeltaTime);
  w.Integer("RejectSelfSpots", s.RejectSelfSpots);
  w.Integer("RTTYnoQRG", s.RTTYnoQRG);
  for (int group = 0; group < 4; ++group) {
    w.Integer(Lettered("RejectFromZone", group), EncodeZoneGroup(s.RejectFromZone, group));
  }
  return w.Finish();
}

Status SaveOptFilters2(Settings& s, const std::vector<std::string>& bad_spotter_rows,
                       const std::vector<std::string>& bad_word_rows, SettingsStore& store) {
  const std::string bad_spotter = BuildList(bad_spotter_rows);
  const std::string bad_word = BuildList(bad_word_rows);
  s.BadSpotter = ParseBadSpotter(bad_spotter);
  s.BadWord = ParseBadWord(bad_word);
  PageWriter w(store);
  w.String("BadSpotter", bad_spotter);
  w.String("BadWord", bad_word);
  return w.Finish();
}

Status SaveOptDX3(Settings& s, const OptDX3Rows& rows, SettingsStore& store) {
  const std::string seek_call = BuildList(rows.seek_call);
  const std::string call_no_alarms = BuildList(rows.call_no_alarms);
  const std::string dxcc_link = BuildPairList(rows.dxcc_link);
  const std::string iota_link = BuildPairList(rows.iota_link);
  s.SeekCall = ParseSeekCall(seek_call);
  s.CallNoAlarms = ParseCallNoAlarms(call_no_alarms);
  s.DXCClink = ParseDXCClink(dxcc_link);
  s.IOTAlink = ParseIOTAlink(iota_link);
  PageWriter w(store);
  w.String("SeekCall", seek_call);
  w.String("CallNoAlarms", call_no_alarms);
  w.String("DXCClink", dxcc_link);
  w.String("IOTAlink", iota_link);
  return w.Finish();
}

Status SaveOptChat(Settings& s, const std::array<std::string, kChatGroupCapacity>& fields,
                   SettingsStore& store) {
  const std::string groups = BuildList(std::vector<std::string>(fields.begin(), fields.end()));
  s.ChatGroups = ParseChatGroups(groups);
  PageWriter w(store);
  w.String("ChatGroups", groups);
  return w.Finish();
}

Status SaveOptIOTA(Settings& s, SettingsStore& store) {
  PageWriter w(store);
  w.Integer("IOTA", s.IOTA);
  IotaNumbers numbers{};
  std::copy(s.IOTALast.begin(), s.IOTALast.end(), numbers.begin());
  w.String("IOTALast", FormatIotaLast(numbers));
  return w.Finish();
}

Status SaveOptShortcuts(Settings& s, SettingsStore& store) {
  PageWriter w(store);
  for (int i = 0; i < kShortcutCount; ++i)
    w.String(Numbered("Shortcut", i + 1), s.Shortcut[static_cast<std::size_t>(i)]);
  w.String("QuickConnect", s.QuickConnect);
  w.Boolean("AutoConnect", s.AutoConnect);
  return w.Finish();
}

Status SaveOptScripts(Settings& s, SettingsStore& store) {
  PageWriter w(store);
  w.Boolean("AutoReconnect", s.AutoReconnect);
  w.Integer("MaxInactivity", s.MaxInactivity);
  w.Integer("ScriptRXtimer", s.ScriptRXtimer);
  return w.Finish();
}

Status SaveOptGeneral(Settings& s, SettingsStore& store) {
  PageWriter w(store);
  w.Boolean("AlwaysOnTop", s.AlwaysOnTop);
  w.Boolean("Echo", s.Echo);
  w.Boolean("WarningOnExit", s.WarningOnExit);
  w.Integer("MaxLineLength", s.MaxLineLength);
  w.Integer("PrLen", s.PrLen);
  w.Integer("StartMode", s.StartMode);
  std::string language = s.Language;
  language.resize(3, ' ');
  w.Binary("Language", language);
  w.String("Password", s.Password);
  w.String("Password2", s.Password2);
  w.Integer("MaxLines", EncodeMaxLines(s.MaxLines));
  w.Boolean("DisplayLocalTime", s.DisplayLocalTime);
  return w.Finish();
}

Status SaveOptColors(Settings& s, SettingsStore& store) {
  UpdateDarkColours(s.Col);
  PageWriter w(store);
  for (const ColourValue& value : kColourValues) {
    w.Integer(value.name, static_cast<std::int32_t>(s.Col.*value.member));
  }
  w.Integer("ColBkTrans", static_cast<std::int32_t>(s.Col.ColBkTrans));
  return w.Finish();
}

Status SaveOptFonts(Settings& s, SettingsStore& store) {
  PageWriter w(store);
  WriteFont(w, s.FontRX, "RX");
  WriteFont(w, s.FontTX, "TX");
  if (s.Language != kJapanese) WriteFont(w, s.FontDB, "DB");
  return w.Finish();
}

Status SaveOptLotw(Settings& s, const std::vector<std::string>& more_lotw_rows, SettingsStore& store) {
  const std::string more_lotw = BuildList(more_lotw_rows);
  s.MoreLotw = ParseMoreLotw(more_lotw);
  PageWriter w(store);
  w.Integer("LOTW", s.LOTW);
  w.Integer("LOTWAlarmMode", s.LOTWAlarmMode);
  w.Integer("LOTWMaxAge", s.LOTWMaxAge);
  w.String("MoreLotw", more_lotw);
  return w.Finish();
}

Status SaveOptLotw2(Settings& s, const std::vector<std::string>& my_lotw_call_rows, SettingsStore& store) {
  const std::string my_calls = BuildList(my_lotw_call_rows);
  s.MyLOTWCalls = ParseMyLOTWCalls(my_calls);
  PageWriter w(store);
  w.Integer("LOTWDn", s.LOTWDn);
  w.String("LOTWDnDir", s.LOTWDnDir);
  w.Integer("LOTWDnLast", s.LOTWDnLast);
  w.String("LOTWUsername", s.LOTWUsername);
  w.String("LOTWPwd", ScrambleLotwPassword(s.LOTWPwd));
  w.String("MyLOTWCalls", my_calls);
  return w.Finish();
}

Status SaveOptCAT(Settings& s, SettingsStore& store) {
  s.Cat1.min_mhz = CatLowMHz(s.Cat1.min_band);
  s.Cat1.max_mhz = CatHighMHz(s.Cat1.max_band);
  s.Cat2.min_mhz = CatLowMHz(s.Cat2.min_band);
  s.Cat2.max_mhz = CatHighMHz(s.Cat2.max_band);
  PageWriter w(store);
  WriteCat(w, s.Cat1, "");
  WriteCat(w, s.Cat2, "2");
  w.Integer("CATmodeRTTY", s.CATmodeRTTY);
  w.Integer("CATmodeDigi", s.CATmodeDigi);
  return w.Finish();
}

Status SaveShutdownSettings(const Settings& s, SettingsStore& store) {
  PageWriter w(store);
  w.Integer("MainFormLeft", s.MainFormLeft);
  w.Integer("MainFormWidth", s.MainFormWidth);
  w.Integer("MainFormTop", s.MainFormTop);
  w.Integer("MainFormHeight", s.MainFormHeight);
  w.Integer("TelnetTopRow", s.TelnetTopRow);
  w.Integer("TelnetRow", s.TelnetRow);
  for (int i = 0; i < kCustomColourCount; ++i) {
    w.String(Lettered("CustomColor", i), s.CustomColor[static_cast<std::size_t>(i)]);
  }
  return w.Finish();
}

}  // namespace brilox
