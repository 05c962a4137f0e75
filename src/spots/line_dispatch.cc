// The recognition half of the line intake: what each character does to the
// line being recognised on its terminal, class by class, and when a line is
// complete.
#include "spots/line_cleaning.h"
#include "spots/line_intake.h"

namespace brilox {
namespace {

// Completion thresholds of the line classes.
constexpr int kMinWwvBellCommas = 3;            // a bell WWV line has more than 2 commas
constexpr int kMinWcyEquals = 8;                // a WCY line has more than 7 "="
constexpr std::size_t kMinAnnouncement = 18;    // "ALL de " lines longer than 17
constexpr std::size_t kMinWwvLine = 39;         // "WWV de " lines longer than 38
constexpr std::size_t kMinSpotLine = 44;        // a DX line shorter than this is not a spot
constexpr std::size_t kEscapeCheckLength = 30;  // colour codes stand within the first 30

constexpr bool IsHourTens(char c) { return c >= '0' && c <= '2'; }

}  // namespace

void LineIntake::Dispatch(int terminal, TerminalState& s, char ch) {
  DecodeLine& decode = s.line.decode_line;
  const bool line_feed = ch == kLineFeed;
  switch (s.line.line_class) {
    case LineClass::kNone:
      LookForLineStart(s, ch);
      return;
    case LineClass::kDxText:
      ContinueDxText(terminal, s, ch);
      return;
    case LineClass::kDxFrame:
    case LineClass::kWwvFrame:
    case LineClass::kAnnFrame:
      if (ch == '~') FinishFrame(terminal, s);
      return;
    case LineClass::kWwvBell:
      if (ch == ',') ++s.separator_count;
      if (line_feed && s.separator_count >= kMinWwvBellCommas) {
        TakeFromAnalysis(s, s.match_position + 1);  // the bell stays behind
        CleanAndFinish(terminal, s, HourTag::kRound);
      }
      return;
    case LineClass::kAnnAll:
      decode.Append(ch);
      if (line_feed && decode.size() >= kMinAnnouncement) CleanAndFinish(terminal, s, HourTag::kKeep);
      return;
    case LineClass::kAnnLocal:
      // Complete at LF, with or without a CR before it: nodes that end lines
      // in LF alone would otherwise keep a local announcement open until the
      // analysis line overflows, and lose the lines that follow it.
      if (line_feed) {
        TakeFromAnalysis(s, s.match_position, /*drop_cr=*/true);
        CleanAndFinish(terminal, s, HourTag::kKeep);
      }
      return;
    case LineClass::kWwv:
      decode.Append(ch);
      if (line_feed && decode.size() >= kMinWwvLine) CleanAndFinish(terminal, s, HourTag::kRound);
      return;
    case LineClass::kWcy:
      // Too few "=" at a LF: the bulletin goes on in the next line, and the
      // two are processed as one.
      if (ch == '=') ++s.separator_count;
      if (line_feed && s.separator_count >= kMinWcyEquals) {
        TakeFromAnalysis(s, s.match_position);
        CleanAndFinish(terminal, s, HourTag::kKeep);
      }
      return;
    case LineClass::kChat:
    case LineClass::kTalk:
      ContinueChatOrTalk(terminal, s, ch);
      return;
  }
}

void LineIntake::CleanAndFinish(int terminal, TerminalState& s, HourTag hour) {
  RemoveLineControls(s.line.decode_line, s.line.removed_count);
  RemoveEscapeCodes(s.line.decode_line);
  if (hour == HourTag::kRound) TraiteHeureWWV(s.line.decode_line);
  Finish(terminal, s);
}

void LineIntake::LookForLineStart(TerminalState& s, char ch) {
  if (ch == kLineFeed || ch == kCarriageReturn) {
    s.ClearAnalysis();
    return;
  }
  std::optional<LineStart> start = m_matcher.MatchAtEnd(s.Analysis());
  if (!start) return;
  if (!Wanted(start->line_class)) {
    EndLine(s);
    return;
  }
  s.line.line_class = start->line_class;
  s.line.layout = SpotLayout::kUndetermined;
  s.line.removed_count = 0;
  s.match_position = start->position;
  s.match_length = start->length;
  if (start->chat_group >= 0) {
    s.line.chat_group = m_chatGroups[static_cast<std::size_t>(start->chat_group)];
  } else {
    s.line.chat_group.clear();
  }
  s.chat_talk_count = 0;
  s.separator_count = 0;
  switch (start->line_class) {
    case LineClass::kDxText:
      s.line.decode_line.Assign("DX de ");
      break;
    case LineClass::kAnnAll:
      s.line.decode_line.Assign("ALL de ");
      break;
    case LineClass::kWwv:
      s.line.decode_line.Assign("WWV de ");
      break;
    default:
      s.line.decode_line.Clear();
      break;
  }
}

bool LineIntake::Wanted(LineClass line_class) const {
  if (IsDxSpot(line_class)) return m_wanted.dx;
  if (IsPropagation(line_class)) return m_wanted.wwv;
  if (IsAnnouncement(line_class)) return m_wanted.announcements;
  if (line_class == LineClass::kTalk) return m_wanted.talk;
  if (line_class == LineClass::kChat) return m_wanted.chat;
  return false;
}

void LineIntake::ContinueDxText(int terminal, TerminalState& s, char ch) {
  DecodeLine& decode = s.line.decode_line;
  decode.Append(ch);
  if (s.line.layout == SpotLayout::kUndetermined) {
    if (decode.size() == kEscapeCheckLength) RemoveEscapeCodes(decode);
    // Until the layout is known the line holds no BEL, LF or CR (each is taken
    // out as it arrives), so only the new character can be one.
    if (IsLineControl(ch)) RemoveLineControls(decode, s.line.removed_count);
    DecideSpotLayout(s);
    if (s.line.line_class != LineClass::kDxText) return;  // abandoned
  }
  if (ch != kLineFeed) return;
  // No spot line spans a line feed: one that fits neither layout by its end
  // (a node's own layout, a line cut short) is abandoned here, so that the
  // next line is recognised on its own instead of being swallowed.
  if (s.line.layout == SpotLayout::kUndetermined) {
    EndLine(s);
    return;
  }
  RemoveLineControls(decode, s.line.removed_count);
  if (decode.size() < kMinSpotLine) {
    EndLine(s);
  } else {
    Finish(terminal, s);
  }
}

// Columns are 1-based, as on the operator's screen.  Compact: the time ends
// in column 44.  Full: the time ends in column 75.  Shifted full: one column
// late everywhere, from a spotter field one character too wide or from a
// frequency of eight whole digits (10 GHz and up) that runs into column 25.
// One blank before the DX call goes: column 17 when it is one, else column
// 27, so that a long frequency keeps its digits (the decoder finds it by its
// point, not by its columns).
void LineIntake::DecideSpotLayout(TerminalState& s) {
  DecodeLine& decode = s.line.decode_line;
  const std::size_t length = decode.size();
  if (length >= 44 && decode.At(44) == 'Z' && decode.At(39) == ' ' && decode.At(26) == ' ' &&
      decode.At(24) == '.') {
    s.line.layout = SpotLayout::kCompact;
  } else if (length >= 75 && decode.At(75) == 'Z' && IsHourTens(decode.At(71)) && decode.At(39) == ' ' &&
             decode.At(26) == ' ') {
    s.line.layout = SpotLayout::kFull;
  } else if (length >= 76) {
    if (decode.At(76) == 'Z' && IsHourTens(decode.At(72)) && decode.At(40) == ' ' && decode.At(27) == ' ') {
      decode.Erase(decode.At(17) == ' ' ? 16 : 26, 1);
      s.line.removed_count += 1;
      s.line.layout = SpotLayout::kFull;
    } else {
      EndLine(s);
    }
  }
}

void LineIntake::FinishFrame(int terminal, TerminalState& s) {
  DecodeLine& decode = s.line.decode_line;
  decode.Assign(s.Analysis().substr(s.match_position));
  RemoveLineControls(decode, s.line.removed_count);
  switch (s.line.line_class) {
    case LineClass::kDxFrame:
      m_handler.DecodeDX(terminal, s.line);
      break;
    case LineClass::kWwvFrame:
      m_handler.DecodeWWV(terminal, s.line);
      break;
    default:
      m_handler.DecodeANN(terminal, s.line);
      if (decode.empty()) {
        EndLine(s);
        return;
      }
      break;
  }
  Finish(terminal, s);
}

void LineIntake::ContinueChatOrTalk(int terminal, TerminalState& s, char ch) {
  ++s.chat_talk_count;
  if (s.chat_talk_count > kChatTalkColonWindow && !s.analysis_has_colon) {
    EndLine(s);  // no ":" after the name: not a chat or talk line
    return;
  }
  if (ch != kLineFeed) return;
  DecodeLine& decode = s.line.decode_line;
  TakeFromAnalysis(s, s.match_position);
  decode.Erase(0, s.match_length);  // the group name or own call and " de "
  RemoveLineControls(decode, s.line.removed_count);
  RemoveEscapeCodes(decode);
  RemoveTimeTag(decode, s.line.removed_count);
  // A node prompt ("K1ABC de N0DXS-2 10-Dec-2026 1112Z dxspider >") is not a
  // talk line.
  if (s.line.line_class == LineClass::kTalk && decode.back() == '>') {
    EndLine(s);
    return;
  }
  Finish(terminal, s);
}

void LineIntake::TakeFromAnalysis(TerminalState& s, std::size_t from, bool drop_cr) {
  std::string_view analysis = s.Analysis();
  std::size_t end = analysis.size() - 1;  // the final LF
  if (drop_cr && end > from && analysis[end - 1] == kCarriageReturn) --end;
  s.line.decode_line.Assign(from < end ? analysis.substr(from, end - from) : std::string_view());
}

void LineIntake::Finish(int terminal, TerminalState& s) {
  m_handler.TraiteDX(terminal, s.line);
  EndLine(s);
}

void LineIntake::EndLine(TerminalState& s) {
  s.line.line_class = LineClass::kNone;
  s.line.layout = SpotLayout::kUndetermined;
  s.line.decode_line.Clear();
  s.line.removed_count = 0;
  s.ClearAnalysis();
  s.chat_talk_count = 0;
  s.separator_count = 0;
  s.line.chat_group.clear();
}

}  // namespace brilox
