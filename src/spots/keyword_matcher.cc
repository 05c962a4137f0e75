#include "spots/keyword_matcher.h"

#include <cctype>

namespace brilox {
namespace {

constexpr bool IsLetterOrDigit(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

struct Keyword {
  const char* text;
  std::size_t size;
  LineClass line_class;
};

// The line keywords in the order they are looked for.
constexpr Keyword kKeywords[] = {
    {"DX de ", 6, LineClass::kDxText},      {"PC11^", 5, LineClass::kDxFrame},
    {"\aWWV de", 7, LineClass::kWwvBell},   {"PC23^", 5, LineClass::kWwvFrame},
    {"ALL de ", 7, LineClass::kAnnAll},     {"PC12^", 5, LineClass::kAnnFrame},
    {"LOCAL de ", 9, LineClass::kAnnLocal}, {"WWV de ", 7, LineClass::kWwv},
    {"WCY de ", 7, LineClass::kWcy},
};

}  // namespace

KeywordMatcher::KeywordMatcher() { Configure("", {}); }

void KeywordMatcher::Configure(std::string_view own_call, const std::vector<std::string>& chat_groups) {
  for (Bucket& bucket : m_buckets) bucket = Bucket{};
  for (const Keyword& keyword : kKeywords)
    Add(std::string(keyword.text, keyword.size), keyword.line_class, -1);
  if (!own_call.empty()) {
    std::string call(own_call);
    Add(call + " de ", LineClass::kTalk, -1);
    for (char& c : call) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    Add(call + " de ", LineClass::kTalk, -1);
  }
  for (std::size_t i = 0; i < chat_groups.size() && i < kMaxChatGroups; ++i) {
    if (!chat_groups[i].empty()) Add(chat_groups[i] + " de ", LineClass::kChat, static_cast<int>(i));
  }
  FinishBuckets();
}

void KeywordMatcher::Add(std::string text, LineClass line_class, int chat_group) {
  Bucket& bucket = m_buckets[static_cast<unsigned char>(text.back())];
  bucket.candidates.push_back(Candidate{std::move(text), line_class, chat_group});
}

void KeywordMatcher::FinishBuckets() {
  for (Bucket& bucket : m_buckets) {
    if (bucket.candidates.empty()) continue;
    std::string suffix = bucket.candidates.front().text;
    for (const Candidate& candidate : bucket.candidates) {
      while (!EndsWith(candidate.text, suffix)) suffix.erase(0, 1);
    }
    bucket.common_suffix = std::move(suffix);
  }
}

std::optional<LineStart> KeywordMatcher::MatchAtEnd(std::string_view text) const {
  if (text.empty()) return std::nullopt;
  const Bucket& bucket = m_buckets[static_cast<unsigned char>(text.back())];
  if (bucket.candidates.empty() || !EndsWith(text, bucket.common_suffix)) return std::nullopt;
  for (const Candidate& candidate : bucket.candidates) {
    if (!EndsWith(text, candidate.text)) continue;
    std::size_t start = text.size() - candidate.text.size();
    if (start > 0 && IsLetterOrDigit(static_cast<unsigned char>(text[start - 1]))) continue;
    return LineStart{candidate.line_class, start, candidate.text.size(), candidate.chat_group};
  }
  return std::nullopt;
}

}  // namespace brilox
