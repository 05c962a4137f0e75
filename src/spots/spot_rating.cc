// The filters every line passes and the rating of an accepted DX spot: the
// LoTW user check, the entity, the needed level, the path for the info line
// and the IOTA check.
#include "awards/path_and_sun.h"
#include "spots/band_mode.h"
#include "spots/column_text.h"
#include "spots/determine_pays.h"
#include "spots/needed_status.h"
#include "spots/reject_lists.h"
#include "spots/spot_info_line.h"
#include "spots/spot_processing.h"

namespace brilox {

void SpotProcessing::RunFilters(LineClass line_class, std::string_view decode_line, const LineTexts& texts) {
  if (IsDxSpot(line_class)) {
    // TimeOK came with the decoding.
    TestBandeModeExp(decode_line, m_settings, m_spot, m_checks);
  } else {
    m_spot.BandOK = m_spot.ModeOK = m_spot.ZoneOK = m_spot.NotSelfSpot = m_spot.TimeOK = true;
  }
  if (line_class != LineClass::kTalk) TestBadSpotter(m_settings, m_spot);
  if (IsDxSpot(line_class)) {
    TestBadWord(m_settings, m_spot.Comment, m_spot);
  } else if (IsAnnouncement(line_class)) {
    TestBadWord(m_settings, texts.message, m_spot);
  }
}

bool SpotProcessing::Accepted() const {
  return m_spot.BandOK && m_spot.ModeOK && m_spot.ZoneOK && m_spot.NotSelfSpot && m_spot.TimeOK;
}

void SpotProcessing::RateDxSpot(int terminal, bool new_for_display) {
  bool info_line_built = false;
  if (m_settings.DXCC != 0) info_line_built = ResolveAndRate(terminal, new_for_display);
  CheckIota(terminal, info_line_built);
}

// Returns whether the spot got an info line.
bool SpotProcessing::ResolveAndRate(int terminal, bool new_for_display) {
  if ((m_settings.LOTW & 1) != 0 && ShouldCheckLotwUser(m_spot.DXCall)) {
    const LotwUserAnswer answer = m_lotw.CheckLotwUser(m_spot.DXCall, (m_settings.LOTW & 2) != 0);
    m_spot.LotwUser = answer.LotwUser;
    m_spot.LotwUncertain = answer.LotwUser && answer.LotwUncertain;
  }
  // The entity is resolved for every spot, also when the seek or no-alarm
  // list decides the level: the info line must name this spot's entity, not
  // the one of the spot before.
  TerminalSpotMemory& memory = m_terminalSpots[static_cast<std::size_t>(terminal - 1)];
  m_spot.EntityPrefix =
      DeterminePays(m_countries, m_spot.DXCall, m_settings.DXCClink, SpotMode::kSpot, m_spot);
  memory.prefix = m_spot.EntityPrefix;
  memory.key = m_spot.EntityKey;
  CheckDXCC(m_spot, m_settings, m_dxcc);
  if (m_spot.EntityPrefix.empty() || m_spot.EntityPrefix == kNoEntityPrefix) return false;

  const GreatCirclePath path =
      ComputePath(StationPosition(m_settings), {m_spot.EntityLat, m_spot.EntityLong});
  memory.band_key = m_spot.BandKey;
  // Built in the terminal's own status, whose texts keep their memory.
  ViewStatus& status = m_status.Terminal(terminal);
  status.text = BuildSpotInfoLine(m_spot.EntityPrefix, m_spot.EntityName, path.PathAzimuth, path.PathKm,
                                  m_spot.WazZone, DegreeSign(m_settings.Language));
  status.prefix = memory.prefix;
  status.key = memory.key;
  status.band_key = memory.band_key;
  if (new_for_display) {
    m_status.dx = status;
    if (m_spot.LotwUser) m_status.lotw = status;
  }
  if (m_spot.Level > kLevelNothingNeeded || m_spot.LotwLevel > kLevelNothingNeeded) m_status.alarm = status;
  const bool capturing = m_capturing && m_capturing(terminal);
  if (!capturing && m_events != nullptr) m_events->StatusLineChanged();
  return true;
}

void SpotProcessing::CheckIota(int terminal, bool info_line_built) {
  if (m_settings.IOTA == 0 || m_spot.Level >= kLevelNewEntity) return;
  if (column_text::Trim(m_spot.Comment).empty()) return;
  SpotIotaAnswer answer = m_iota.CheckSpotIota(m_spot.DXCall, m_spot.Comment, m_spot.Level);
  m_spot.Level = answer.Level;
  m_spot.SpotIotaText = std::move(answer.SpotIotaText);
  // An IOTA alarm makes this spot the alarm window's current one.
  if (m_spot.Level >= 10 && info_line_built) m_status.alarm = m_status.Terminal(terminal);
}

}  // namespace brilox
