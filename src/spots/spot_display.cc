// What an accepted line leaves behind: rows in the DX, alarm and LoTW
// windows, the colour tags, the queued alarm and the traffic log record.
#include "spots/needed_status.h"
#include "spots/night_silence.h"
#include "spots/spot_processing.h"

namespace brilox {
namespace {

constexpr std::string_view kLotwMark = " L";
constexpr std::string_view kUncertainLotwMark = " L?";

std::string_view LotwMark(const SpotRecord& spot) {
  return spot.LotwUncertain ? kUncertainLotwMark : kLotwMark;
}

// A node frame is processed at its "~", before its row in the terminal
// window is complete: the last row there belongs to an earlier line, which
// must keep its colour and text.
bool TerminalRowIsThisLine(LineClass line_class) {
  return line_class != LineClass::kDxFrame && line_class != LineClass::kWwvFrame &&
         line_class != LineClass::kAnnFrame;
}

}  // namespace

void SpotProcessing::ShowLine(LineClass line_class, std::string_view decode_line, Outcome& outcome) {
  std::string& text = outcome.shown_text;
  text.assign(decode_line);
  if (m_spot.LotwUser) text += LotwMark(m_spot);
  const std::int32_t wrap_tag = WrapTagForClass(line_class);

  AppendTo(WindowId::kDx, text, wrap_tag);
  outcome.shown_dx = true;
  if (m_spot.LotwUser) {
    AppendTo(WindowId::kLotw, text, wrap_tag);
    outcome.shown_lotw = true;
  }
  const bool needed = m_spot.Level > kLevelNothingNeeded || m_spot.LotwLevel > kLevelNothingNeeded;
  const bool alarm_bulletin = IsPropagation(line_class) && m_settings.WantedSpotsAlarm.wwv;
  const bool alarm_talk = line_class == LineClass::kTalk && m_settings.WantedSpotsAlarm.talk;
  if (needed || alarm_bulletin || alarm_talk) {
    AppendTo(WindowId::kAlarm, text, wrap_tag);
    outcome.shown_alarm = true;
  }
}

// A window the operator scrolled back follows again once the view is near
// its end; the oldest rows go when the window is over its limit.
void SpotProcessing::AppendTo(WindowId window, std::string_view text, std::int32_t wrap_tag) {
  LineStore& store = m_windows.Get(window);
  store.AppendLine(text, wrap_tag);
  store.ReleaseHoldNearEnd();
  store.TrimToLimit();
}

// The tag goes to the line's row in its terminal window and to the last row
// of every window that received the line.  A window that did not receive it
// (the spot was already shown from another terminal) keeps the colours of
// its own last row.
void SpotProcessing::Tag(int terminal, LineClass line_class, std::int32_t tag, Outcome& outcome) {
  if (TerminalRowIsThisLine(line_class)) m_windows.Terminal(terminal).SetLastRowTag(tag);
  if (outcome.shown_dx) m_windows.Get(WindowId::kDx).SetLastRowTag(tag);
  if (outcome.shown_alarm) m_windows.Get(WindowId::kAlarm).SetLastRowTag(tag);
  if (outcome.shown_lotw) m_windows.Get(WindowId::kLotw).SetLastRowTag(tag);
  outcome.tagged = true;
  outcome.tag = tag;
}

void SpotProcessing::FinishDxSpot(int terminal, LineClass line_class, Outcome& outcome) {
  const bool new_for_display = outcome.flags.NewForDisplay;
  if (m_spot.Level < m_spot.LotwLevel) {
    // The LoTW credit decides: the spot is announced with the LoTW label.
    const std::int32_t tag = m_spot.LotwLevel + 100;
    Tag(terminal, line_class, tag, outcome);
    m_spot.Level = tag;
    m_spot.AlarmLabel = m_spot.LotwLabel;
  } else {
    Tag(terminal, line_class, m_spot.Level, outcome);
  }
  if (m_spot.LotwUser && TerminalRowIsThisLine(line_class)) {
    m_windows.Terminal(terminal).ContinueLastRow(LotwMark(m_spot), WrapTagForClass(line_class));
  }
  if (SoundAllowed(new_for_display) &&
      m_pastAlarms.ShouldAnnounce(m_spot.Level, m_spot.DXCall, RepeatLabelOf(m_spot), m_clock.UtcNow(),
                                  m_settings.DeltaTimeRptAlarms)) {
    m_announcements.Add(AlarmRecordForSpot(m_spot, m_status.dx.prefix));
    outcome.announced = true;
  }
  AppendLog(LogCategory::kDx, m_spot.LogLine, new_for_display, m_testSpot, outcome);
}

void SpotProcessing::FinishOtherLine(int terminal, LineClass line_class, const LineTexts& texts,
                                     Outcome& outcome) {
  const std::optional<LogCategory> category = LogCategoryOfLineClass(static_cast<int>(line_class));
  if (!category) return;
  switch (*category) {
    case LogCategory::kPropagation:
      Tag(terminal, line_class, kTagPropagation, outcome);
      break;
    case LogCategory::kAnnouncement:
      Tag(terminal, line_class, kTagAnnouncement, outcome);
      break;
    case LogCategory::kChat:
      Tag(terminal, line_class, kTagChat, outcome);
      break;
    case LogCategory::kTalk:
      Tag(terminal, line_class, kTagTalk, outcome);
      break;
    case LogCategory::kDx:
      return;
  }
  AppendLog(*category, texts.record_text, outcome.flags.NewForDisplay, false, outcome);
  if (line_class == LineClass::kTalk && SoundAllowed(outcome.flags.NewForDisplay)) {
    m_announcements.Add(AlarmRecordForTalk());
    outcome.announced = true;
  }
}

void SpotProcessing::AppendLog(LogCategory category, std::string_view text, bool new_for_display,
                               bool test_spot, Outcome& outcome) {
  if (!ShouldAppendLogRecord(m_settings.Disk, category, new_for_display, test_spot)) return;
  // A record that cannot be written is lost without a message; the line
  // itself has been shown.
  if (m_log.AppendLogRecord(category, text).ok()) {
    outcome.logged = true;
  } else {
    ++m_lostLogRecords;
  }
}

bool SpotProcessing::SoundAllowed(bool new_for_display) const {
  return new_for_display && m_settings.Sound != 0 && !IsNightSilence(m_settings, m_clock.UtcNow());
}

void SpotProcessing::RepaintIfColoured() {
  const ViewState& view = m_windows.view();
  WindowId shown = WindowId::kDx;
  switch (view.run_mode) {
    case 'D':
      shown = WindowId::kDx;
      break;
    case 'A':
      shown = WindowId::kAlarm;
      break;
    case 'L':
      shown = WindowId::kLotw;
      break;
    default:
      if (view.shown_terminal < 1 || view.shown_terminal > kTerminalCount) return;
      shown = TerminalWindow(view.shown_terminal);
      break;
  }
  const LineStore& store = m_windows.Get(shown);
  if (store.tag(store.row_count() - 1) > 1 && m_events != nullptr) m_events->RepaintShownWindow();
}

}  // namespace brilox
