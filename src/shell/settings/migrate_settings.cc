#include "shell/settings/migrate_settings.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace brilox {
namespace {

// clang-format off
// The Integers an older installation stored (Booleans among them are copied
// as Integers), then the Binary values and the Strings.
constexpr std::array kMigratedIntegers{
    "AlarmLevel", "Beep", "ColAlarm", "ColAnn", "ColBkAlarm", "ColBkDX",
    "ColBkDXCC", "ColBkDXCCedit", "ColBkDXCCfocus", "ColBkDXCClist", "ColBkDXCCmodif", "ColBkDXCCstat",
    "ColBkMon", "ColBkMon2", "ColBkMon3", "ColBkMon4", "ColBkSearchRes", "ColBkShow",
    "ColChat", "ColConn", "ColDX", "ColDXCC", "ColDXCCedit", "ColDXCCfocus",
    "ColDXCClist", "ColDXCCM", "ColDXCCmodif", "ColDXCCnew", "ColDXCCstat", "ColDXCCW",
    "ColEcho", "ColIOTAM", "ColIOTAW", "ColMon", "ColMon2", "ColMon3",
    "ColMon4", "ColSearchRes", "ColSeekCall", "ColShow", "ColTalk", "ColTX",
    "ColWWV", "COMPortNr", "COMPortSettings", "DeltaTime", "Disk", "DisplayLocalTime",
    "DOSconv", "DXCC", "Echo", "FontSizeRX", "FontSizeTX", "InitialBeep",
    "Interface", "IOTA", "Keying", "KeyingWAV", "MainFormHeight", "MainFormLeft",
    "MainFormTop", "MainFormWidth", "MaxLines", "NoBeepBandsHF", "NoBeepBandsVHF", "NoBeepModes",
    "NoNightSound", "PrLen", "RejectBandsHF", "RejectBandsVHF", "RejectFromZoneA", "RejectFromZoneB",
    "RejectFromZoneC", "RejectFromZoneD", "RejectModes", "RejectSelfSpots", "RTTYnoQRG", "Sound",
    "Speech", "StartMode", "StartSilence", "StopSilence", "TelnetRow", "TelnetTopRow",
    "WantedSpots", "WantedSpotsAlarm", "WarningOnExit"};

constexpr std::array kMigratedBinaries{
    "MyLat", "MyLong", "Language", "LanguageWAV"};

constexpr std::array kMigratedStrings{
    "ChatGroups", "DXCClink", "FontNameRX", "FontNameTX", "FontStyleRX", "FontStyleTX",
    "IOTALast", "MyCall", "Password", "Password2", "SeekCall", "Shortcut1",
    "Shortcut2", "Shortcut3", "Shortcut4", "Shortcut5", "Shortcut6", "Shortcut7",
    "Shortcut8", "Shortcut9", "TNCEXI", "TNCINI"};

// clang-format on

std::vector<std::pair<const char*, SettingsKind>> MigratedValues() {
  std::vector<std::pair<const char*, SettingsKind>> values;
  for (const char* name : kMigratedIntegers) values.emplace_back(name, SettingsKind::kInteger);
  for (const char* name : kMigratedBinaries) values.emplace_back(name, SettingsKind::kBinary);
  for (const char* name : kMigratedStrings) values.emplace_back(name, SettingsKind::kString);
  return values;
}

}  // namespace

Status MigrateMachineSettings(SettingsStore& machine, SettingsStore& user) {
  if (Status s = user.Create(); !s.ok()) return s;
  Status first_failure;
  for (const auto& [name, kind] : MigratedValues()) {
    std::optional<SettingsValue> value = machine.Find(name);
    if (!value || value->kind != kind) continue;
    value->name = name;
    if (Status s = user.Write(std::move(*value)); !s.ok() && first_failure.ok()) first_failure = s;
  }
  if (!first_failure.ok()) return first_failure;
  return user.Flush();
}

}  // namespace brilox
