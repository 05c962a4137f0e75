// The order of TraiteDX and the node frame decoders; the filters and the
// rating of a DX spot are in spot_rating.cc, what the windows, the
// announcer and the logs receive in spot_display.cc.
#include "spots/spot_processing.h"

#include "spots/message_lines.h"
#include "spots/needed_status.h"
#include "spots/spot_frame_decoder.h"

namespace brilox {
namespace {

bool ValidTerminal(int terminal) { return terminal >= 1 && terminal <= kTerminalCount; }

// Raised for the whole of one line, also when processing leaves early.
class BusyGuard {
 public:
  explicit BusyGuard(bool& busy) : m_busy(busy) { m_busy = true; }
  ~BusyGuard() { m_busy = false; }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  bool& m_busy;
};

// The record as a new line finds it: both levels 1, and the labels of the
// previous spot (the needed status keeps them when an entity has no row).
// Cleared in place, so that the texts keep their memory from line to line.
void ResetSpot(SpotRecord& spot) {
  spot.EntityKey.clear();
  spot.EntityName.clear();
  spot.WazZone = 0;
  spot.EntityLat = spot.EntityLong = 0.0;
  for (std::string* text : {&spot.Spotter, &spot.FreqText, &spot.DXCall, &spot.Comment, &spot.SpotTime,
                            &spot.LogLine, &spot.ShortLine, &spot.EntityPrefix, &spot.SpotIotaText}) {
    text->clear();
  }
  spot.TimeOK = spot.BandOK = spot.ModeOK = spot.ZoneOK = spot.NotSelfSpot = false;
  spot.BandKey = 0;
  spot.Mode = 'N';
  spot.Level = kLevelNothingNeeded;
  spot.LotwLevel = kLevelNothingNeeded;
  spot.LotwUser = spot.LotwUncertain = false;
}

}  // namespace

SpotProcessing::SpotProcessing(const SpotProcessingServices& services)
    : m_settings(services.settings),
      m_clock(services.clock),
      m_windows(services.windows),
      m_countries(services.countries),
      m_dxcc(services.dxcc),
      m_log(services.log),
      m_announcements(services.announcements),
      m_lotw(services.lotw),
      m_iota(services.iota),
      m_zoneLookup(services.countries, services.settings),
      m_checks(services.settings, m_zoneLookup) {
  ResetSpot(m_spot);
}

void SpotProcessing::DecodeDX(int terminal, LineInProgress& line) {
  (void)terminal;
  std::string text = line.decode_line.str();
  brilox::DecodeDX(text, m_settings, m_clock, m_spot);
  line.decode_line.Assign(text);
}

void SpotProcessing::DecodeWWV(int terminal, LineInProgress& line) {
  (void)terminal;
  std::string text = line.decode_line.str();
  m_frameBulletin = brilox::DecodeWWV(text);
  line.decode_line.Assign(text);
}

void SpotProcessing::DecodeANN(int terminal, LineInProgress& line) {
  (void)terminal;
  std::string text = line.decode_line.str();
  AnnouncementFrame frame = brilox::DecodeANN(text);
  line.decode_line.Assign(text);
  if (!frame.accepted) return;
  m_spot.Spotter = std::move(frame.Spotter);
  m_spot.Comment = std::move(frame.Comment);
  m_spot.ShortLine = std::move(frame.ShortLine);
}

void SpotProcessing::TraiteDX(int terminal, LineInProgress& line) {
  const BusyGuard guard(m_busy);
  const LineClass line_class = line.line_class;
  // A bulletin frame that lacks a field separator cannot be read; it is
  // dropped like a refused announcement frame.
  const bool unreadable_frame = line_class == LineClass::kWwvFrame && !m_frameBulletin;
  if (!ValidTerminal(terminal) || line_class == LineClass::kNone || unreadable_frame) {
    ResetLine();
    return;
  }

  const LineTexts texts = BuildLineTexts(line, m_settings, m_clock, m_frameBulletin, m_spot);
  if (!texts.solar_flux.empty()) {
    m_solarFlux = texts.solar_flux;
    if (m_events != nullptr) m_events->SolarFluxChanged(m_solarFlux);
  }
  const std::string comparison =
      ComparisonText(static_cast<int>(line_class), m_spot.ShortLine, m_spot.LogLine, line.decode_line.view());

  Outcome outcome;
  outcome.flags = m_history.TestNewDX(terminal, comparison);
  if (outcome.flags.NewOnTerminal) {
    RunFilters(line_class, line.decode_line.view(), texts);
    if (Accepted()) {
      const bool new_for_display = outcome.flags.NewForDisplay;
      if (IsDxSpot(line_class)) RateDxSpot(terminal, new_for_display);
      if (new_for_display) ShowLine(line_class, line.decode_line.view(), outcome);
      if (IsDxSpot(line_class)) {
        FinishDxSpot(terminal, line_class, outcome);
      } else {
        FinishOtherLine(terminal, line_class, texts, outcome);
      }
      RepaintIfColoured();
    }
  }

  // A repeated line becomes the newest entry of its terminal's ring again;
  // only a line shown for the first time enters the ring of shown lines.
  m_history.RememberOnTerminal(terminal, comparison);
  if (outcome.flags.NewOnTerminal && outcome.flags.NewForDisplay) m_history.RememberShown(comparison);

  Report(terminal, line_class, line.decode_line.view(), outcome);
  if (m_resetInactivity) m_resetInactivity(terminal);
  ResetLine();
}

void SpotProcessing::Report(int terminal, LineClass line_class, std::string_view decode_line,
                            const Outcome& outcome) {
  if (m_events == nullptr) return;
  ProcessedLine line;
  line.terminal = terminal;
  line.line_class = line_class;
  line.flags = outcome.flags;
  line.spot = &m_spot;
  line.decode_line = decode_line;
  line.tagged = outcome.tagged;
  line.tag = outcome.tag;
  line.shown_text = outcome.shown_text;
  line.shown_dx = outcome.shown_dx;
  line.shown_alarm = outcome.shown_alarm;
  line.shown_lotw = outcome.shown_lotw;
  line.wrap_tag = WrapTagForClass(line_class);
  line.logged = outcome.logged;
  line.announced = outcome.announced;
  m_events->LineProcessed(line);
}

// The intake ends the line itself (class, layout, DecodeLine, removed
// characters); what is left is the record, the test-spot flag and a frame
// bulletin that was never used.
void SpotProcessing::ResetLine() {
  ResetSpot(m_spot);
  m_testSpot = false;
  m_frameBulletin.reset();
}

}  // namespace brilox
