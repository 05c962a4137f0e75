#include "spots/reject_lists.h"

#include <algorithm>
#include <string>
#include <vector>

#include "spots/column_text.h"

namespace brilox {
namespace {

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool MatchesAnyPattern(const std::vector<CallEntry>& patterns, std::string_view text) {
  for (const CallEntry& pattern : patterns) {
    if (MatchesRejectPattern(pattern.call, text)) return true;
  }
  return false;
}

}  // namespace

bool MatchesRejectPattern(std::string_view pattern, std::string_view text) {
  // An empty pattern is no pattern (the loader skips them; a hand-made list may not).
  if (pattern.empty()) return false;
  const std::size_t star = pattern.find('*');
  if (star == std::string_view::npos) return pattern == text;
  if (star == 0) {
    const std::string_view rest = pattern.substr(1);
    const std::size_t second = rest.find('*');
    if (second != std::string_view::npos) return text.find(rest.substr(0, second)) != std::string_view::npos;
    return EndsWith(text, rest);
  }
  return text.substr(0, star) == pattern.substr(0, star);
}

bool IsBadSpotter(const Settings& settings, std::string_view spotter) {
  if (settings.BadSpotter.empty()) return false;
  return MatchesAnyPattern(settings.BadSpotter, column_text::Upper(column_text::Trim(spotter)));
}

bool HasBadWord(const Settings& settings, std::string_view comment) {
  if (settings.BadWord.empty()) return false;
  const std::string text = column_text::Upper(column_text::Trim(comment));
  std::string_view rest = text;
  // Runs of blanks separate words; they do not make empty words.
  for (int words = 0; words < kMaxCommentWords && !rest.empty(); ++words) {
    const std::size_t end = rest.find(' ');
    const std::string_view word = rest.substr(0, end);
    if (MatchesAnyPattern(settings.BadWord, word)) return true;
    if (end == std::string_view::npos) break;
    rest = rest.substr(end);
    rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
  }
  return false;
}

void TestBadSpotter(const Settings& settings, SpotRecord& spot) {
  if (IsBadSpotter(settings, spot.Spotter)) spot.BandOK = false;
}

void TestBadWord(const Settings& settings, std::string_view comment, SpotRecord& spot) {
  if (HasBadWord(settings, comment)) spot.BandOK = false;
}

}  // namespace brilox
