#include "awards/adif_reader.h"

#include <algorithm>
#include <array>

namespace brilox {
namespace {

// Longer names and type indicators are not tags but text that holds a "<".
constexpr std::size_t kMaxNameLength = 64;
constexpr std::size_t kMaxTypeLength = 16;
constexpr std::size_t kMaxLengthDigits = 9;

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsNameCharacter(char c) {
  return static_cast<unsigned char>(c) > ' ' && c != ':' && c != '>' && c != '<';
}

bool EqualsUpper(std::string_view text, std::string_view upper) {
  return text.size() == upper.size() &&
         std::equal(text.begin(), text.end(), upper.begin(), [](char a, char b) { return Upper(a) == b; });
}

std::size_t FindUpper(std::string_view text, std::string_view upper, std::size_t from = 0) {
  if (upper.size() > text.size()) return std::string_view::npos;
  for (std::size_t i = from; i + upper.size() <= text.size(); ++i) {
    if (EqualsUpper(text.substr(i, upper.size()), upper)) return i;
  }
  return std::string_view::npos;
}

}  // namespace

std::string AdifUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = Upper(c);
  return upper;
}

std::string_view AdifRecord::Get(std::string_view name) const {
  for (const AdifField& field : fields) {
    if (field.name == name) return field.value;
  }
  return {};
}

int AdifContentScore(std::string_view head) {
  head = head.substr(0, std::min(head.size(), kAdifCheckBytes));
  // Line breaks are dropped before the search, as the program always did.
  std::string text;
  text.reserve(head.size());
  for (char c : head) {
    if (static_cast<unsigned char>(c) >= ' ') text.push_back(Upper(c));
  }
  if (text.find("<EOR>") == std::string::npos) return 0;
  static constexpr std::array<std::string_view, 5> kTags = {
      "<BAND:", "<CALL:", "<MODE:", "<QSO_DATE:", "<TIME_ON:"};
  int score = 0;
  for (std::string_view tag : kTags) score += text.find(tag) != std::string::npos ? 1 : 0;
  return score;
}

AdifReader::AdifReader(std::string_view bytes) : m_bytes(bytes) { SkipHeader(); }

// A file that starts with text (after a byte-order mark and blanks) has a
// header up to "<EOH>", and the header's text may hold anything, "<" too.
// A file that starts with a tag is read tag by tag: an "<EOH>" tag then ends
// the header fields, and without one there is no header.
void AdifReader::SkipHeader() {
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (m_bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) m_position = kByteOrderMark.size();
  while (m_position < m_bytes.size() && IsBlank(m_bytes[m_position])) ++m_position;
  if (m_position >= m_bytes.size() || m_bytes[m_position] == '<') return;
  const std::size_t end_of_header = FindUpper(m_bytes, "<EOH>", m_position);
  if (end_of_header != std::string_view::npos) m_position = end_of_header + 5;
}

AdifReader::Token AdifReader::NextToken(AdifField& field) {
  while (true) {
    const std::size_t open = m_bytes.find('<', m_position);
    if (open == std::string_view::npos) {
      m_position = m_bytes.size();
      return Token::kEnd;
    }
    m_position = open + 1;  // what follows, if it is no tag, is free text
    std::size_t at = open + 1;
    while (at < m_bytes.size() && at - open - 1 <= kMaxNameLength && IsNameCharacter(m_bytes[at])) ++at;
    if (at >= m_bytes.size() || at == open + 1 || at - open - 1 > kMaxNameLength) continue;
    const std::string_view name = m_bytes.substr(open + 1, at - open - 1);
    if (m_bytes[at] == '>') {
      m_position = at + 1;
      if (EqualsUpper(name, "EOR")) return Token::kEndOfRecord;
      if (EqualsUpper(name, "EOH")) return Token::kEndOfHeader;
      continue;  // a tag without a length carries no value
    }
    if (m_bytes[at] != ':') continue;
    const std::size_t digits = ++at;
    std::size_t length = 0;
    while (at < m_bytes.size() && IsDigit(m_bytes[at]) && at - digits < kMaxLengthDigits) {
      length = length * 10 + static_cast<std::size_t>(m_bytes[at] - '0');
      ++at;
    }
    if (at == digits || at >= m_bytes.size()) continue;
    if (m_bytes[at] == ':') {  // a type indicator, which no import needs
      const std::size_t type = ++at;
      while (at < m_bytes.size() && at - type <= kMaxTypeLength && IsNameCharacter(m_bytes[at])) ++at;
      if (at >= m_bytes.size() || at - type > kMaxTypeLength) continue;
    }
    if (m_bytes[at] != '>') continue;
    const std::size_t value = at + 1;
    if (length > m_bytes.size() - value) {
      m_status = Status::Corrupt("the value of " + AdifUpper(name) + " at byte " + std::to_string(open) +
                                 " is longer than the rest of the file");
      return Token::kFault;
    }
    field.name = AdifUpper(name);
    field.value.assign(m_bytes.substr(value, length));
    for (char& c : field.value) {
      if (static_cast<unsigned char>(c) < ' ') c = ' ';
    }
    m_position = value + length;
    return Token::kField;
  }
}

bool AdifReader::Next(AdifRecord& record) {
  record.fields.clear();
  if (!m_status.ok()) return false;
  AdifField field;
  while (true) {
    switch (NextToken(field)) {
      case Token::kField:
        record.fields.push_back(std::move(field));
        field = AdifField();
        break;
      case Token::kEndOfRecord:
        return true;
      case Token::kEndOfHeader:
        record.fields.clear();
        break;
      case Token::kEnd:
        if (!record.fields.empty()) {
          m_status = Status::Corrupt("the file ends inside a record, after the field " +
                                     record.fields.back().name + ": it looks cut short");
        }
        return false;
      case Token::kFault:
        return false;
    }
  }
}

}  // namespace brilox
