// SpotProcessing: what happens to every finished broadcast line, `TraiteDX`.
// It builds the line's record texts, drops duplicates, applies the filters,
// rates a DX spot (LoTW user, entity, needed level, path, IOTA), shows the
// line in the DX, alarm and LoTW windows with its colour tag, queues the
// alarm for the announcer, appends the traffic log record, keeps the line
// history, and resets the per-line state.  It is the intake's LineHandler,
// so node frames reach their decoders through it as well.
//
// Window thread only, one line at a time: busy() is true while a line is
// processed, and the receive drains feed no character then.  The
// announcement queue is the only object it shares with another thread.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "awards/dxcc_table.h"
#include "platform/clock.h"
#include "core/settings.h"
#include "spots/alarm_repeat.h"
#include "spots/announcement_queue.h"
#include "spots/country_table.h"
#include "spots/country_zone_lookup.h"
#include "spots/line_handler.h"
#include "spots/line_history.h"
#include "spots/line_record_texts.h"
#include "spots/propagation_lines.h"
#include "spots/spot_checks.h"
#include "spots/spot_processing_events.h"
#include "spots/spot_record.h"
#include "spots/spot_reference_checks.h"
#include "spots/traffic_log.h"
#include "spots/view_status_texts.h"
#include "spots/window_line_stores.h"

namespace brilox {

// The objects spot processing reads and fills; all outlive it.
struct SpotProcessingServices {
  const Settings& settings;
  const Clock& clock;
  WindowLineStores& windows;
  const CountryTable& countries;
  const DxccTable& dxcc;
  TrafficLog& log;
  AnnouncementQueue& announcements;
  LotwUserCheck& lotw;
  SpotIotaCheck& iota;
};

// What the last DX spot of a terminal resolved to.
struct TerminalSpotMemory {
  std::string prefix;  // the entity prefix, "9999" for none; empty before the first spot
  std::string key;     // the prefix key it was found under
  int band_key = 0;
};

class SpotProcessing final : public LineHandler {
 public:
  explicit SpotProcessing(const SpotProcessingServices& services);

  void SetEvents(SpotProcessingEvents* events) { m_events = events; }
  // Whether a terminal's capture is on: a captured terminal does not move
  // the status line.  None: capture is off everywhere.
  void SetCaptureQuery(std::function<bool(int terminal)> capturing) { m_capturing = std::move(capturing); }
  // Called for every processed line: the link of the terminal is alive.
  void SetInactivityReset(std::function<void(int terminal)> reset) { m_resetInactivity = std::move(reset); }
  // The next line is a simulated spot: it is shown but never logged.
  void SetTestSpot(bool test_spot) { m_testSpot = test_spot; }

  bool busy() const { return m_busy; }

  // LineHandler.
  void DecodeDX(int terminal, LineInProgress& line) override;
  void DecodeWWV(int terminal, LineInProgress& line) override;
  void DecodeANN(int terminal, LineInProgress& line) override;
  void TraiteDX(int terminal, LineInProgress& line) override;

  const ViewStatusTexts& status_texts() const { return m_status; }
  const std::string& solar_flux_status() const { return m_solarFlux; }
  const TerminalSpotMemory& terminal_spot(int terminal) const {
    return m_terminalSpots[static_cast<std::size_t>(terminal - 1)];
  }
  const LineHistory& history() const { return m_history; }
  const PastAlarms& past_alarms() const { return m_pastAlarms; }
  // The record between lines (reset) and, inside an event, of the line.
  const SpotRecord& spot() const { return m_spot; }
  // Log records that could not be written (a locked or vanished file); the
  // line itself was processed.
  int lost_log_records() const { return m_lostLogRecords; }

 private:
  // What happened to the line being processed.
  struct Outcome {
    NewLineFlags flags;
    bool tagged = false;
    std::int32_t tag = 0;
    std::string shown_text;
    bool shown_dx = false;
    bool shown_alarm = false;
    bool shown_lotw = false;
    bool logged = false;
    bool announced = false;
  };

  // Filters and rating (spot_rating.cc).
  void RunFilters(LineClass line_class, std::string_view decode_line, const LineTexts& texts);
  bool Accepted() const;
  void RateDxSpot(int terminal, bool new_for_display);
  bool ResolveAndRate(int terminal, bool new_for_display);
  void CheckIota(int terminal, bool info_line_built);

  // Windows, alarms and logs (spot_display.cc).
  void ShowLine(LineClass line_class, std::string_view decode_line, Outcome& outcome);
  void AppendTo(WindowId window, std::string_view text, std::int32_t wrap_tag);
  void FinishDxSpot(int terminal, LineClass line_class, Outcome& outcome);
  void FinishOtherLine(int terminal, LineClass line_class, const LineTexts& texts, Outcome& outcome);
  void Tag(int terminal, LineClass line_class, std::int32_t tag, Outcome& outcome);
  void AppendLog(LogCategory category, std::string_view text, bool new_for_display, bool test_spot,
                 Outcome& outcome);
  bool SoundAllowed(bool new_for_display) const;
  void RepaintIfColoured();

  void Report(int terminal, LineClass line_class, std::string_view decode_line, const Outcome& outcome);
  void ResetLine();

  const Settings& m_settings;
  const Clock& m_clock;
  WindowLineStores& m_windows;
  const CountryTable& m_countries;
  const DxccTable& m_dxcc;
  TrafficLog& m_log;
  AnnouncementQueue& m_announcements;
  LotwUserCheck& m_lotw;
  SpotIotaCheck& m_iota;
  CountryZoneLookup m_zoneLookup;
  SpotChecks m_checks;

  SpotProcessingEvents* m_events = nullptr;
  std::function<bool(int)> m_capturing;
  std::function<void(int)> m_resetInactivity;

  bool m_busy = false;
  bool m_testSpot = false;
  SpotRecord m_spot;
  std::optional<PropagationLine> m_frameBulletin;  // a "PC23^" frame decoded for the coming TraiteDX

  LineHistory m_history;
  PastAlarms m_pastAlarms;
  ViewStatusTexts m_status;
  std::string m_solarFlux;
  std::array<TerminalSpotMemory, kTerminalCount> m_terminalSpots;
  int m_lostLogRecords = 0;
};

}  // namespace brilox
