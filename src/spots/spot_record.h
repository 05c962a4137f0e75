// The spot being processed: what the decoders read from a DX line, what band
// and mode, the country lookup, the needed status, the LoTW and IOTA checks
// add to it.  The pipeline handles one spot at a time on the window thread and
// resets the record when the line is finished.
//
// Texts are single-byte and cut to the widths below, never rejected.
#pragma once

#include <cstddef>
#include <string>

namespace brilox {

inline constexpr std::size_t kSpotterWidth = 12;
inline constexpr std::size_t kFrameSpotterWidth = 11;
inline constexpr std::size_t kDxCallWidth = 12;
inline constexpr std::size_t kCommentWidth = 31;
inline constexpr std::size_t kSpotTimeWidth = 5;
inline constexpr std::size_t kLogLineWidth = 79;
inline constexpr std::size_t kEntityPrefixWidth = 4;
inline constexpr std::size_t kEntityNameWidth = 40;
inline constexpr std::size_t kLabelWidth = 4;

// The entity found for the last call resolved.  The country lookup writes
// these; a failed lookup clears the zone and leaves the rest as they were,
// so a spot record and the country window can each keep their own.
struct ResolvedEntity {
  std::string EntityKey;   // the prefix text that was looked up, at most 4
  std::string EntityName;  // at most 40
  int WazZone = 0;         // CQ zone; 0 when the call resolved to no entity
  double EntityLat = 0.0;  // degrees, north positive
  double EntityLong = 0.0; // degrees, east positive
};

struct SpotRecord : ResolvedEntity {
  // Decoding.
  std::string Spotter;    // as announced, SSID kept ("DL9GTB-#"), at most 12
  std::string FreqText;   // kHz, 11 characters with the "." at position 8 (10 in the compact layout)
  std::string DXCall;     // blank-padded to 12
  std::string Comment;    // at most 31
  std::string SpotTime;   // "1234Z"
  bool TimeOK = false;    // within DeltaTime minutes of now
  std::string LogLine;    // the 79-column record text of the DX log
  std::string ShortLine;  // one-line summary kept in the line history

  // Band and mode, then the filters.
  int BandKey = 0;        // whole MHz after the remaps; 0 below 1 MHz, 145 satellite
  char Mode = 'N';        // 'C' CW, 'S' phone, 'R' RTTY and data, 'N' not told apart
  bool BandOK = false;
  bool ModeOK = false;
  bool ZoneOK = false;
  bool NotSelfSpot = false;

  // Country and needed status.
  std::string EntityPrefix;  // main prefix of the entity, "9999" for none, at most 4
  int Level = 0;
  int LotwLevel = 0;
  std::string AlarmLabel;    // band or mode label of the needed level, at most 4
  std::string LotwLabel;     // at most 4

  // LoTW and IOTA.
  bool LotwUser = false;
  bool LotwUncertain = false;
  std::string SpotIotaText;
};

}  // namespace brilox
