// The operator's reject lists: spotters (`BadSpotter`) and comment words
// (`BadWord`) whose lines are not shown.  A pattern is a call or word, "AB*"
// (begins with AB), "*AB" (ends with AB) or "*AB*" (contains AB); patterns are
// upper case, as the settings loader stores them.
//
// Window thread; no state.
#pragma once

#include <string_view>

#include "core/settings.h"
#include "spots/spot_record.h"

namespace brilox {

inline constexpr int kMaxCommentWords = 30;

// `text` (already upper case and trimmed) against one pattern.
bool MatchesRejectPattern(std::string_view pattern, std::string_view text);

// The spotter, trimmed and upper-cased, against the BadSpotter list.
bool IsBadSpotter(const Settings& settings, std::string_view spotter);

// Any of the first 30 words of the comment, trimmed and upper-cased, against
// the BadWord list.
bool HasBadWord(const Settings& settings, std::string_view comment);

// Clear BandOK on a match.  TestBadSpotter reads `Spotter`.  TestBadWord reads
// the text it is given: the spot's `Comment` for a DX spot, the message for an
// announcement (whose record carries no comment of its own).
void TestBadSpotter(const Settings& settings, SpotRecord& spot);
void TestBadWord(const Settings& settings, std::string_view comment, SpotRecord& spot);

}  // namespace brilox
