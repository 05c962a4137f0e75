// Finds the beginning of a broadcast line in the analysis line of a terminal:
// the nine line keywords, the own call (also in lower case) followed by
// " de " (talk) and the chat group names followed by " de " (chat).
//
// The intake asks after every character, so only a match that ends at the
// newest character can be new: the matcher checks just the candidates whose
// last character is that character, and costs nothing for the letters and
// digits that make up most of the traffic.
//
// A match counts only where the character before it is not a letter or a
// digit.  Without that rule the default own call "NOCALL", and real calls
// such as W9ALL, contain "ALL de ", which is looked for before the own call:
// their talk lines and node prompts would be taken for announcements.
// Window thread only.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "spots/line_class.h"

namespace brilox {

struct LineStart {
  LineClass line_class = LineClass::kNone;
  std::size_t position = 0;  // 0-based start of the keyword, call or group name
  std::size_t length = 0;    // characters matched (for talk and chat: name and " de ")
  int chat_group = -1;       // 0-based group index for chat
};

class KeywordMatcher {
 public:
  static constexpr int kMaxChatGroups = 10;

  KeywordMatcher();

  // Own call and chat group names as the settings hold them; empty names
  // never match.  Only the first kMaxChatGroups groups are used.
  void Configure(std::string_view own_call, const std::vector<std::string>& chat_groups);

  // The line start that ends at the last character of `text`, in priority
  // order: the keywords in class order, the own call, the own call in lower
  // case, then chat groups 1 to 10.
  std::optional<LineStart> MatchAtEnd(std::string_view text) const;

 private:
  struct Candidate {
    std::string text;
    LineClass line_class;
    int chat_group;
  };
  struct Bucket {
    std::string common_suffix;          // shared by every candidate of the bucket
    std::vector<Candidate> candidates;  // in priority order
  };

  void Add(std::string text, LineClass line_class, int chat_group);
  void FinishBuckets();

  // Indexed by the last byte of a candidate.
  std::array<Bucket, 256> m_buckets;
};

}  // namespace brilox
