// LineIntake: every character received on terminals 1 to 4 passes through
// TraiteCharRecu, which does two jobs at once.  It builds the text the
// operator sees (the terminal window's current line, handed to the window
// line store at LF or at the end of a received chunk), and it recognises the
// cluster's broadcast lines while they arrive (keywords, talk to the own call,
// chat groups), cleans each finished line and hands it to the LineHandler.
//
// Each terminal keeps its own state, the line being decoded included, so
// that lines arriving in pieces on two terminals at once never mix.
// Settings are read by ApplySettings (at start and after the options dialog).
// Window thread only; the drain must not feed characters while the handler
// is processing a line (it cannot: the handler runs inside TraiteCharRecu).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"
#include "spots/keyword_matcher.h"
#include "spots/line_handler.h"
#include "spots/window_line_stores.h"

namespace brilox {

class LineIntake {
 public:
  // The raw copy of a line that is analysed; a longer line is discarded.
  static constexpr std::size_t kAnalysisCapacity = 250;
  // A window line that grows this long without LF is handed to the window as
  // if the chunk had ended: the rows look the same and memory stays bounded.
  static constexpr std::size_t kLongestDisplayLine = 4096;
  // Chat and talk lines need a ":" within this many characters of the match.
  static constexpr int kChatTalkColonWindow = 18;

  LineIntake(const Settings& settings, WindowLineStores& windows, LineHandler& handler,
             TerminalHooks* hooks = nullptr);

  void ApplySettings(const Settings& settings);

  // The drain's mark that the next character is the last of a received chunk
  // (and not LF): it is shown at once, so prompts appear without their LF.
  void SetFlushRequest(int terminal);
  // One received character of `terminal` (1 to 4; other numbers are ignored).
  void TraiteCharRecu(int terminal, char ch);
  // A received chunk, as the drain hands it over: every byte in order, the
  // flush request set with the last one unless it is LF.
  void FeedChunk(int terminal, std::string_view bytes);

  void SetCapture(int terminal, bool on);
  bool capturing(int terminal) const { return State(terminal).capture; }

  // Runs a line straight through TraiteDX on `terminal` as if it had just been
  // recognised (the spot simulation); a line half received there is dropped.
  void InjectLine(int terminal, LineClass line_class, SpotLayout layout, std::string_view text);

  // Inspection (tests, the status of a terminal).
  const LineInProgress& line(int terminal) const { return State(terminal).line; }
  std::string_view analysis_line(int terminal) const { return State(terminal).Analysis(); }
  std::string_view display_line(int terminal) const { return State(terminal).display; }
  bool partial_row(int terminal) const { return State(terminal).partial_row; }

 private:
  struct TerminalState {
    TerminalState();
    std::string_view Analysis() const { return std::string_view(analysis.data(), analysis_size); }
    void ClearAnalysis() {
      analysis_size = 0;
      analysis_has_colon = false;
    }

    // Window text.
    std::string display;
    bool partial_row = false;
    std::uint64_t partial_row_mark = 0;  // the store's row_starts() when the partial row was left
    bool flush_request = false;
    bool capture = false;
    std::string capture_line;  // the whole line so far, flushed parts included

    // Recognition.
    std::array<char, kAnalysisCapacity> analysis;  // a fixed buffer: it takes every character
    std::size_t analysis_size = 0;
    bool analysis_has_colon = false;
    std::size_t match_position = 0;  // 0-based start of the keyword, call or group
    std::size_t match_length = 0;
    int chat_talk_count = 0;
    int separator_count = 0;  // commas (bell WWV) or equals signs (WCY)
    LineInProgress line;
  };

  TerminalState& State(int terminal) { return m_terminals[static_cast<std::size_t>(terminal - 1)]; }
  const TerminalState& State(int terminal) const {
    return m_terminals[static_cast<std::size_t>(terminal - 1)];
  }

  // Window text (line_intake.cc).
  void ShowCharacter(int terminal, TerminalState& s, char ch);
  void HandDisplayLine(int terminal, TerminalState& s);
  bool ContinuesOwnRow(const TerminalState& s, const LineStore& store) const;
  void EndWindowLine(int terminal, TerminalState& s);
  void AddToCapture(int terminal, TerminalState& s, std::string_view text);

  // Recognition (line_dispatch.cc).
  void Dispatch(int terminal, TerminalState& s, char ch);
  void LookForLineStart(TerminalState& s, char ch);
  bool Wanted(LineClass line_class) const;
  void ContinueDxText(int terminal, TerminalState& s, char ch);
  void DecideSpotLayout(TerminalState& s);
  void FinishFrame(int terminal, TerminalState& s);
  void ContinueChatOrTalk(int terminal, TerminalState& s, char ch);
  // DecodeLine from the analysis line, `from` up to the final LF (and, with
  // `drop_cr`, a CR before it) excluded.
  void TakeFromAnalysis(TerminalState& s, std::size_t from, bool drop_cr = false);
  enum class HourTag { kKeep, kRound };
  // The cleaning of a text line (line controls, colour codes, for WWV lines
  // the hour), then Finish.
  void CleanAndFinish(int terminal, TerminalState& s, HourTag hour);
  void Finish(int terminal, TerminalState& s);
  static void EndLine(TerminalState& s);

  WindowLineStores& m_windows;
  LineHandler& m_handler;
  TerminalHooks* m_hooks;
  KeywordMatcher m_matcher;
  BroadcastKinds m_wanted;
  std::vector<std::string> m_chatGroups;
  std::array<TerminalState, kTerminalCount> m_terminals;
};

}  // namespace brilox
