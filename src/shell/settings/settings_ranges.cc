#include "shell/settings/settings_ranges.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "shell/settings/settings_encoding.h"

namespace brilox {
namespace {

constexpr int kLastStartMode = 6;
constexpr int kLastInterface = 2;
constexpr int kLastAlarmLevel = 5;
constexpr int kMaxComPort = 256;
constexpr int kMaxSpeedStep = 48;
constexpr int kMaxPitchStep = 100;
constexpr int kMinutesPerDay = 1440;
constexpr int kMaxSpotAge = 120;                          // minutes
constexpr int kMaxRepeatDelay = 60;                       // minutes
constexpr int kMinLotwAge = 1, kMaxLotwAge = 120;         // months
constexpr int kMinScriptTimer = 2, kMaxScriptTimer = 20;  // seconds
constexpr int kMinInactivity = 5, kMaxInactivity = 120;   // minutes
constexpr int kLastCatBandIndex = 24;
constexpr int kLastCatDigitalMode = 3;
constexpr int kLatestDay = 2958465;  // 9999-12-31 in days since 1899-12-30
constexpr int kWindowPlacementLimit = 32767;
// The slot capacities of the IOTA database per continent, EU AF AN AS NA OC SA.
constexpr std::array<int, 7> kIotaCapacity{220, 160, 60, 230, 280, 330, 120};

// 0 switches the value off; otherwise it lies in 1 .. `high`.
int OffOrUpTo(int value, int high) { return std::clamp(value, 0, high); }

int ChoiceOrDefault(int value, int last, int fallback) {
  return value >= 0 && value <= last ? value : fallback;
}

double SilenceInRange(double day_fraction) {
  const double latest = static_cast<double>(kMinutesPerDay - 1) / kMinutesPerDay;
  return std::isfinite(day_fraction) ? std::clamp(day_fraction, 0.0, latest) : 0.0;
}

double DegreesInRange(double degrees, double limit, double fallback) {
  return std::isfinite(degrees) ? std::clamp(degrees, -limit, limit) : fallback;
}

void FontInRange(FontSettings& font, int largest) { font.size = std::clamp(font.size, 1, largest); }

void CatInRange(CatSettings& cat) {
  cat.port = std::clamp(cat.port, 1, kMaxComPort);
  cat.port_settings &= 0x3F;  // baud-rate index and three port flags
  cat.transceiver = std::max(cat.transceiver, 0);
  cat.civ = std::max(cat.civ, 0);
  cat.min_band = std::clamp(cat.min_band, 0, kLastCatBandIndex);
  cat.max_band = std::clamp(cat.max_band, 0, kLastCatBandIndex);
  cat.min_mhz = CatLowMHz(cat.min_band);
  cat.max_mhz = CatHighMHz(cat.max_band);
}

void LineLimitsInRange(LineLimits& limits) {
  for (int* lines : {&limits.terminal, &limits.dx, &limits.alarm, &limits.lotw})
    *lines = std::clamp(*lines, kMinWindowLines, kMaxWindowLines);
}

void GeometryInRange(Settings& s, int screen_width, int screen_height) {
  s.MainFormWidth = std::clamp(s.MainFormWidth, kMinWindowSide, std::max(screen_width, kMinWindowSide));
  s.MainFormHeight = std::clamp(s.MainFormHeight, kMinWindowSide, std::max(screen_height, kMinWindowSide));
  s.MainFormLeft = std::clamp(s.MainFormLeft, -kWindowPlacementLimit, kWindowPlacementLimit);
  s.MainFormTop = std::clamp(s.MainFormTop, -kWindowPlacementLimit, kWindowPlacementLimit);
  s.TelnetTopRow = std::max(s.TelnetTopRow, 1);
  s.TelnetRow = std::max(s.TelnetRow, 1);
}

}  // namespace

void BringSettingsIntoRange(Settings& s, int screen_width, int screen_height) {
  const Settings defaults;
  GeometryInRange(s, screen_width, screen_height);
  s.StartMode = ChoiceOrDefault(s.StartMode, kLastStartMode, defaults.StartMode);
  s.MaxLineLength = std::clamp(s.MaxLineLength, kMinMaxLineLength, kMaxMaxLineLength);
  s.PrLen = std::clamp(s.PrLen, kMinPrLen, kMaxPrLen);
  LineLimitsInRange(s.MaxLines);

  SetMyPosition(s, DegreesInRange(s.MyLat, 90.0, defaults.MyLat),
                DegreesInRange(s.MyLong, 180.0, defaults.MyLong));
  s.Interface = ChoiceOrDefault(s.Interface, kLastInterface, defaults.Interface);
  s.COMPortNr = std::clamp(s.COMPortNr, 1, kMaxComPort);
  s.COMPortSettings.parity_index = ChoiceOrDefault(s.COMPortSettings.parity_index, 2, 0);
  s.COMPortSettings.handshake_index = ChoiceOrDefault(s.COMPortSettings.handshake_index, 3, 3);
  s.MaxInactivity = std::clamp(s.MaxInactivity, kMinInactivity, kMaxInactivity);
  s.ScriptRXtimer = std::clamp(s.ScriptRXtimer, kMinScriptTimer, kMaxScriptTimer);

  for (std::size_t i = 0; i < s.IOTALast.size(); ++i)
    s.IOTALast[i] = std::clamp(s.IOTALast[i], defaults.IOTALast[i], kIotaCapacity[i]);
  s.DeltaTime = OffOrUpTo(s.DeltaTime, kMaxSpotAge);

  s.StartSilence = SilenceInRange(s.StartSilence);
  s.StopSilence = SilenceInRange(s.StopSilence);
  s.AlarmLevel = ChoiceOrDefault(s.AlarmLevel, kLastAlarmLevel, defaults.AlarmLevel);
  s.Beep &= 3;
  s.DeltaTimeRptAlarms = OffOrUpTo(s.DeltaTimeRptAlarms, kMaxRepeatDelay);
  s.Keying.speed_step = std::clamp(s.Keying.speed_step, 0, kMaxSpeedStep);
  s.Keying.pitch_step = std::clamp(s.Keying.pitch_step, 0, kMaxPitchStep);

  s.LOTW &= 0x1F;
  s.LOTWMaxAge = std::clamp(s.LOTWMaxAge, kMinLotwAge, kMaxLotwAge);
  s.LOTWAlarmMode = std::clamp(s.LOTWAlarmMode, 0, 2);
  s.LOTWDn &= 7;
  s.LOTWDnLast = std::clamp(s.LOTWDnLast, 0, kLatestDay);

  CatInRange(s.Cat1);
  CatInRange(s.Cat2);
  s.CATmodeRTTY = ChoiceOrDefault(s.CATmodeRTTY, kLastCatDigitalMode, defaults.CATmodeRTTY);
  s.CATmodeDigi = ChoiceOrDefault(s.CATmodeDigi, kLastCatDigitalMode, defaults.CATmodeDigi);

  FontInRange(s.FontRX, kMaxFontSize);
  FontInRange(s.FontTX, kMaxFontSize);
  FontInRange(s.FontDB, 10);
}

}  // namespace brilox
