// `CheckDXCC`: how much the operator needs a spotted station.  The seek and
// no-alarm lists come first; otherwise the entity's row of the DXCC database
// is compared with the spot's band and mode, once for paper QSL credits
// (`Level`) and once for LoTW credits (`LotwLevel`), each with the label of
// the band or mode that caused it.  A pure function of the spot, the
// settings and the table: the spot pipeline resolves the entity first and
// copies the results into its SpotRecord.  Window thread (it reads the table).
#pragma once

#include <string>
#include <string_view>

#include "awards/dxcc_table.h"
#include "core/settings.h"
#include "spots/country_table.h"  // kNoEntityPrefix
#include "spots/spot_record.h"

namespace brilox {

// Needed levels, lowest first.  Part of a scale shared with the IOTA codes and
// the row tags of the windows.
inline constexpr int kLevelNoAlarm = 0;          // unknown entity, or alarms off for the band
inline constexpr int kLevelNothingNeeded = 1;
inline constexpr int kLevelNotConfirmed = 2;     // worked on this band or mode, not confirmed
inline constexpr int kLevelNewBandOrMode = 3;
inline constexpr int kLevelNewEntity = 4;
inline constexpr int kLevelSeekedCall = 5;
inline constexpr int kLevelIotaWorked = 10;  // the spot's IOTA reference is worked, not confirmed
inline constexpr int kLevelIotaNeeded = 11;  // the spot's IOTA reference is not worked

// `LOTWAlarmMode`.
inline constexpr int kLotwAlarmPaperFirst = 0;
inline constexpr int kLotwAlarmSamePriority = 1;
inline constexpr int kLotwAlarmLotwOnly = 2;

struct NeededStatusInput {
  std::string dx_call;        // blank-padded to 12, as decoded
  std::string entity_prefix;  // from DeterminePays
  char mode = 'N';            // "C" CW, "S" phone, "R" data, "N" modes not told apart
  int band_key = 0;           // BandKey: the frequency in MHz with the satellite key 145
  bool lotw_user = false;     // the DX call is a LoTW user
  // The labels of the previous spot; they stay when the entity is not found.
  std::string alarm_label;
  std::string lotw_label;
};

struct NeededStatus {
  int level = kLevelNothingNeeded;       // `Level`, from paper credits
  int lotw_level = kLevelNothingNeeded;  // `LotwLevel`, from LoTW credits
  std::string alarm_label;               // `AlarmLabel`: "CW", "SSB", "RTTY" or a band ("1R8", "14", "SAT", ...)
  std::string lotw_label;                // `LotwLabel`
};

// `MatchCallPattern`: "*" is the wildcard.  Without "*" the pattern equals the
// call; "*R" matches calls ending in R; "*R*" calls containing R; "P*" calls
// beginning with P.  Both texts are compared blank-padded to 12 characters.
bool MatchCallPattern(std::string_view pattern, std::string_view call);

// The announcement label of a band key, empty for keys of no band.
std::string_view BandLabel(int band_key);

NeededStatus CheckDXCC(const NeededStatusInput& spot, const Settings& settings, const DxccTable& table);

// The same on the spot being processed, once `DeterminePays` has set its
// EntityPrefix: reads DXCall, EntityPrefix, Mode, BandKey, LotwUser and the
// labels, writes Level, LotwLevel, AlarmLabel and LotwLabel.
void CheckDXCC(SpotRecord& spot, const Settings& settings, const DxccTable& table);

}  // namespace brilox
