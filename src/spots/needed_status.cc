#include "spots/needed_status.h"

#include <array>
#include <optional>

namespace brilox {
namespace {

constexpr std::size_t kCallWidth = 12;

enum class BandGroup { kHf, kVhf };
enum class CellKind { kMode, kBand };

// One alarm band: its band keys, label, DXCC column (none for the bands the
// database does not track) and alarm bit in NoBeepBandsHF or NoBeepBandsVHF.
struct AlarmBand {
  int low_key, high_key;
  std::string_view label;
  std::optional<DxccColumn> column;
  BandGroup group;
  int bit;
};

// The microwave bands use the key ranges in which spots are accepted, so that
// every accepted spot finds its alarm bit.
constexpr std::array<AlarmBand, 25> kAlarmBands = {{
    {0, 0, "LW", std::nullopt, BandGroup::kHf, 9},
    {1, 1, "1R8", DxccColumn::k160, BandGroup::kHf, 0},
    {3, 3, "3R5", DxccColumn::k80, BandGroup::kHf, 1},
    {5, 5, "5", DxccColumn::k60, BandGroup::kHf, 10},
    {7, 7, "7", DxccColumn::k40, BandGroup::kHf, 2},
    {10, 10, "10", DxccColumn::k30, BandGroup::kHf, 3},
    {14, 14, "14", DxccColumn::k20, BandGroup::kHf, 4},
    {18, 18, "18", DxccColumn::k17, BandGroup::kHf, 5},
    {21, 21, "21", DxccColumn::k15, BandGroup::kHf, 6},
    {24, 24, "24", DxccColumn::k12, BandGroup::kHf, 7},
    {28, 29, "28", DxccColumn::k10, BandGroup::kHf, 8},
    {50, 53, "50", DxccColumn::k6, BandGroup::kVhf, 0},
    {70, 70, "70", std::nullopt, BandGroup::kVhf, 6},
    {144, 144, "144", DxccColumn::k2, BandGroup::kVhf, 1},
    {145, 145, "SAT", DxccColumn::kSatellite, BandGroup::kVhf, 5},
    {220, 224, "220", std::nullopt, BandGroup::kVhf, 7},
    {430, 449, "432", std::nullopt, BandGroup::kVhf, 2},
    {902, 927, "900", std::nullopt, BandGroup::kVhf, 8},
    {1240, 1299, "1G2", std::nullopt, BandGroup::kVhf, 3},
    {2300, 2449, "2G3", std::nullopt, BandGroup::kVhf, 4},
    {3300, 3499, "3G4", std::nullopt, BandGroup::kVhf, 4},
    {5650, 5924, "5G6", std::nullopt, BandGroup::kVhf, 4},
    {10000, 10499, "10G", std::nullopt, BandGroup::kVhf, 4},
    {24000, 24249, "24G", std::nullopt, BandGroup::kVhf, 4},
    {47000, 47199, "47G", std::nullopt, BandGroup::kVhf, 4},
}};
constexpr AlarmBand k76GhzBand = {75500, 80999, "76G", std::nullopt, BandGroup::kVhf, 4};

const AlarmBand* FindAlarmBand(int key) {
  for (const AlarmBand& band : kAlarmBands) {
    if (key >= band.low_key && key <= band.high_key) return &band;
  }
  if (key >= k76GhzBand.low_key && key <= k76GhzBand.high_key) return &k76GhzBand;
  return nullptr;
}

bool HfBit(const HfBandSet& set, int bit) {
  const std::array<bool, 11> bits = {set.b1_8, set.b3_5, set.b7,  set.b10,    set.b14, set.b18,
                                     set.b21,  set.b24,  set.b28, set.below1, set.b5};
  return bits[static_cast<std::size_t>(bit)];
}

bool VhfBit(const VhfBandSet& set, int bit) {
  const std::array<bool, 9> bits = {set.b50, set.b144,      set.b430, set.b1200, set.ghz,
                                    set.satellite, set.b70, set.b220, set.b900};
  return bits[static_cast<std::size_t>(bit)];
}

bool BandAlarmOn(const AlarmBand& band, const Settings& settings) {
  return band.group == BandGroup::kHf ? HfBit(settings.NoBeepBandsHF, band.bit)
                                      : VhfBit(settings.NoBeepBandsVHF, band.bit);
}

struct ModeColumn {
  DxccColumn column;
  std::string_view label;
};

// The mode column of "C", "S" or "R" whose alarm is on.
std::optional<ModeColumn> AlarmedModeColumn(char mode, const Settings& settings) {
  if (mode == 'C' && settings.NoBeepModes.cw) return ModeColumn{DxccColumn::kCw, "CW"};
  if (mode == 'S' && settings.NoBeepModes.ssb) return ModeColumn{DxccColumn::kSsb, "SSB"};
  if (mode == 'R' && settings.NoBeepModes.digital) return ModeColumn{DxccColumn::kDigital, "RTTY"};
  return std::nullopt;
}

bool IsToldApartMode(char mode) { return mode == 'C' || mode == 'S' || mode == 'R'; }

// A mode of its own whose alarm is switched off.
bool ModeAlarmDisabled(char mode, const Settings& settings) {
  return IsToldApartMode(mode) && !AlarmedModeColumn(mode, settings).has_value();
}

// A blank reads as not worked: older files hold a blank SAT state.
bool IsNotWorked(char state) { return state == kStateNotWorked || state == ' '; }
bool IsConfirmed(char state) { return state == kStateConfirmed || state == kStateCredited; }

bool NothingWorked(const DxccStates& states) {
  for (char state : states) {
    if (!IsNotWorked(state)) return false;
  }
  return true;
}

// Raises `level` and sets `label` by one credit state (the single-credit rule).
void RateCell(char state, std::string_view label, CellKind kind, int& level, std::string& alarm_label) {
  if (IsNotWorked(state) && level < kLevelNewBandOrMode) {
    level = kLevelNewBandOrMode;
    alarm_label = label;
  } else if (state == kStateWorked && level < kLevelNotConfirmed) {
    level = kLevelNotConfirmed;
    alarm_label = label;
  } else if (kind == CellKind::kBand && IsConfirmed(state) && alarm_label.empty()) {
    alarm_label = label;
  }
}

void EvaluateCell(const DxccEntry& row, DxccColumn column, std::string_view label, CellKind kind,
                  const NeededStatusInput& spot, const Settings& settings, NeededStatus& status) {
  const char paper = row.paper_state(column);
  const char lotw = row.lotw_state(column);
  if (settings.LOTWAlarmMode == kLotwAlarmSamePriority) {
    // One evaluation over both credits, into Level only.
    const bool both_open = (IsNotWorked(paper) || paper == kStateWorked) && (IsNotWorked(lotw) || lotw == kStateWorked);
    if (IsNotWorked(paper) && IsNotWorked(lotw) && status.level < kLevelNewBandOrMode) {
      status.level = kLevelNewBandOrMode;
      status.alarm_label = label;
    } else if (both_open && (paper == kStateWorked || lotw == kStateWorked) && status.level < kLevelNotConfirmed) {
      status.level = kLevelNotConfirmed;
      status.alarm_label = label;
    }
    if (kind == CellKind::kBand && status.alarm_label.empty()) status.alarm_label = label;
    return;
  }
  RateCell(paper, label, kind, status.level, status.alarm_label);
  if (spot.lotw_user) RateCell(lotw, label, kind, status.lotw_level, status.lotw_label);
}

void RateNewEntity(const DxccEntry& row, const NeededStatusInput& spot, const Settings& settings,
                   NeededStatus& status) {
  if (settings.LOTWAlarmMode == kLotwAlarmSamePriority) {
    if (NothingWorked(row.paper) && NothingWorked(row.lotw)) {
      status.level = kLevelNewEntity;
      status.alarm_label.clear();
    }
    return;
  }
  if (NothingWorked(row.paper)) {
    status.level = kLevelNewEntity;
    status.alarm_label.clear();
  }
  if (spot.lotw_user && NothingWorked(row.lotw)) {
    status.lotw_level = kLevelNewEntity;
    status.lotw_label.clear();
  }
}

void RateBand(const DxccEntry& row, const NeededStatusInput& spot, const Settings& settings, NeededStatus& status) {
  const AlarmBand* band = FindAlarmBand(spot.band_key);
  if (band == nullptr) return;
  const int level_before = status.level;
  const int lotw_level_before = status.lotw_level;
  if (!BandAlarmOn(*band, settings)) {
    // Alarms off for the band silence the spot whatever its levels; a spot
    // of a LoTW user new on both credits is no exception.
    status.level = kLevelNoAlarm;
    status.lotw_level = kLevelNoAlarm;
  } else if (status.level < kLevelNewBandOrMode || status.lotw_level < kLevelNewBandOrMode) {
    if (!band->column.has_value()) {
      status.alarm_label = band->label;
      status.lotw_label = band->label;
    } else if ((settings.Beep & 1) != 0) {
      EvaluateCell(row, *band->column, band->label, CellKind::kBand, spot, settings, status);
    }
  }
  if (ModeAlarmDisabled(spot.mode, settings)) {
    status.level = level_before;
    status.lotw_level = lotw_level_before;
  }
}

void AdjustForLotw(const NeededStatusInput& spot, const Settings& settings, NeededStatus& status) {
  const bool lotw_alarms = (settings.LOTW & 4) != 0;
  if (lotw_alarms && settings.LOTWAlarmMode == kLotwAlarmSamePriority && spot.lotw_user &&
      status.level < kLevelSeekedCall) {
    status.lotw_level = status.level;
  }
  if (lotw_alarms && settings.LOTWAlarmMode == kLotwAlarmLotwOnly && status.level >= kLevelNotConfirmed &&
      status.level <= kLevelNewEntity) {
    status.level = kLevelNothingNeeded;
  }
  if ((!spot.lotw_user || !lotw_alarms) && status.lotw_level > kLevelNothingNeeded) {
    status.lotw_level = kLevelNothingNeeded;
  }
}

bool MatchesAny(const std::vector<CallEntry>& patterns, std::string_view call) {
  for (const CallEntry& pattern : patterns) {
    if (MatchCallPattern(pattern.call, call)) return true;
  }
  return false;
}

std::string PadCall(std::string_view text) {
  std::string padded(text.substr(0, kCallWidth));
  padded.resize(kCallWidth, ' ');
  return padded;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

bool MatchCallPattern(std::string_view pattern_text, std::string_view call_text) {
  const std::string pattern = PadCall(pattern_text);
  const std::string call = PadCall(call_text);
  const std::size_t star = pattern.find('*');
  if (star == std::string::npos) return pattern == call;
  if (star == 0) {
    const std::string_view rest = TrimBlanks(std::string_view(pattern).substr(1));
    const std::size_t second = rest.find('*');
    if (second != std::string_view::npos) return call.find(rest.substr(0, second)) != std::string::npos;
    const std::string_view trimmed = TrimBlanks(call);
    return trimmed.size() >= rest.size() && trimmed.substr(trimmed.size() - rest.size()) == rest;
  }
  return call.compare(0, star, pattern, 0, star) == 0;
}

std::string_view BandLabel(int band_key) {
  const AlarmBand* band = FindAlarmBand(band_key);
  return band == nullptr ? std::string_view() : band->label;
}

NeededStatus CheckDXCC(const NeededStatusInput& spot, const Settings& settings, const DxccTable& table) {
  NeededStatus status;
  status.alarm_label = spot.alarm_label;
  status.lotw_label = spot.lotw_label;

  if (MatchesAny(settings.SeekCall, spot.dx_call)) {
    status.level = kLevelSeekedCall;
  } else if (MatchesAny(settings.CallNoAlarms, spot.dx_call)) {
    status.level = kLevelNothingNeeded;
  } else {
    if (spot.entity_prefix.empty() || spot.entity_prefix == kNoEntityPrefix) {
      status.level = kLevelNoAlarm;
      status.lotw_level = kLevelNoAlarm;
      return status;
    }
    const int row_number = table.FindDxccByPrefixStart(spot.entity_prefix);
    if (row_number == 0) return status;
    const DxccEntry& row = table.row(row_number);
    status.alarm_label.clear();
    status.lotw_label.clear();

    if (AlarmedModeColumn(spot.mode, settings).has_value() || spot.mode == 'N') {
      RateNewEntity(row, spot, settings, status);
    }
    const AlarmBand* band = FindAlarmBand(spot.band_key);
    // 136/472 kHz and 4 m have no band bit to consult here.
    const bool band_consulted = band != nullptr && band->column.has_value();
    if (spot.band_key < 145 && (settings.Beep & 2) != 0 && (!band_consulted || BandAlarmOn(*band, settings))) {
      if (const auto mode = AlarmedModeColumn(spot.mode, settings)) {
        EvaluateCell(row, mode->column, mode->label, CellKind::kMode, spot, settings, status);
      }
    }
    RateBand(row, spot, settings, status);
  }
  AdjustForLotw(spot, settings, status);
  return status;
}

void CheckDXCC(SpotRecord& spot, const Settings& settings, const DxccTable& table) {
  NeededStatusInput input;
  input.dx_call = spot.DXCall;
  input.entity_prefix = spot.EntityPrefix;
  input.mode = spot.Mode;
  input.band_key = spot.BandKey;
  input.lotw_user = spot.LotwUser;
  input.alarm_label = spot.AlarmLabel;
  input.lotw_label = spot.LotwLabel;
  NeededStatus status = CheckDXCC(input, settings, table);
  spot.Level = status.level;
  spot.LotwLevel = status.lotw_level;
  spot.AlarmLabel = std::move(status.alarm_label);
  spot.LotwLabel = std::move(status.lotw_label);
}

}  // namespace brilox
