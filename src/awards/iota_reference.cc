#include "awards/iota_reference.h"

#include "awards/iota_table.h"

namespace brilox {
namespace {

constexpr std::size_t kCallWidth = 12;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLetter(char c) { return IsUpper(c) || (c >= 'a' && c <= 'z'); }
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The work text with 1-based positions; every position outside it reads as a
// blank, so the look-ahead of up to nine characters past a continent code
// never leaves the text even when the comment fills all its room.
class WorkText {
 public:
  explicit WorkText(std::string text) : m_text(std::move(text)) {}

  char At(std::size_t position) const {
    if (position < 1 || position > m_text.size()) return ' ';
    return m_text[position - 1];
  }
  bool DigitAt(std::size_t position) const { return IsDigit(At(position)); }
  // "Separator": anything but an upper-case letter.
  bool SeparatorAt(std::size_t position) const { return !IsUpper(At(position)); }
  // "End": neither a digit nor a letter.
  bool EndAt(std::size_t position) const {
    const char c = At(position);
    return !IsDigit(c) && !IsLetter(c);
  }
  int Number(std::size_t position, std::size_t digits) const {
    int number = 0;
    for (std::size_t i = 0; i < digits; ++i) number = number * 10 + (At(position + i) - '0');
    return number;
  }

  std::string& text() { return m_text; }

 private:
  std::string m_text;
};

std::string UpperCut(std::string_view text, std::size_t max_length) {
  std::string upper(text.substr(0, max_length));
  for (char& c : upper) c = Upper(c);
  return upper;
}

// Words that look like references or hide continent codes go first: "NOT"
// takes the five characters after it ("NOT EU" is a denial), "SSA-" and "NAC"
// are contest and award names.
void RemoveMisleadingWords(std::string& s) {
  for (std::size_t at = s.find("NOT"); at != std::string::npos; at = s.find("NOT")) s.erase(at, 6);
  if (const std::size_t at = s.find("SSA-"); at != std::string::npos) s.erase(at, 4);
  if (const std::size_t at = s.find("NAC"); at != std::string::npos) s.erase(at, 3);
}

// The first continent (in table order) whose code occurs, with the 1-based
// position of its first occurrence.
std::optional<std::pair<int, std::size_t>> FirstContinentCode(const std::string& s) {
  for (int continent = 1; continent <= kIotaContinentCount; ++continent) {
    const std::size_t at = s.find(IotaContinentAt(continent).code);
    if (at != std::string::npos) return std::pair{continent, at + 1};
  }
  return std::nullopt;
}

// The number written after the code at `p`, in the first form that fits:
// EU005, EU-005, EU05, EU-05.  0 when none fits.
int NumberAfterCode(const WorkText& s, std::size_t p) {
  if (s.DigitAt(p + 2) && s.DigitAt(p + 3) && s.DigitAt(p + 4) && s.EndAt(p + 5)) return s.Number(p + 2, 3);
  if (s.SeparatorAt(p + 2) && s.DigitAt(p + 3) && s.DigitAt(p + 4) && s.DigitAt(p + 5) && s.EndAt(p + 6)) {
    return s.Number(p + 3, 3);
  }
  if (s.DigitAt(p + 2) && s.DigitAt(p + 3) && s.EndAt(p + 4)) return s.Number(p + 2, 2);
  if (s.SeparatorAt(p + 2) && s.DigitAt(p + 3) && s.DigitAt(p + 4) && s.EndAt(p + 5))
    return s.Number(p + 3, 2);
  return 0;
}

constexpr int kAfrica = 1;
constexpr int kEurope = 4;
constexpr int kSouthAmerica = 7;

// References a station of this call cannot be on.
bool CallRulesReject(std::string_view call, int continent, IotaCallRules rules) {
  const char c1 = call.size() > 0 ? Upper(call[0]) : ' ';
  const char c2 = call.size() > 1 ? Upper(call[1]) : ' ';
  const bool africa_or_europe = continent == kAfrica || continent == kEurope;
  if (c1 == 'I' && !africa_or_europe) return true;
  if (c1 == 'E' && c2 >= 'A' && c2 <= 'H') {
    if (rules == IotaCallRules::kSpot ? continent != kEurope : !africa_or_europe) return true;
  }
  if (rules == IotaCallRules::kSpot && (c1 == 'R' || c1 == 'U') && continent == kSouthAmerica) return true;
  return c1 == 'O' && c2 >= 'N' && c2 <= 'T';
}

// Whether the occurrence of a code at `p` is a reference; fills `number`.
bool ReadOccurrence(const WorkText& s, std::size_t p, int continent, std::string_view call,
                    IotaCallRules rules, int& number) {
  // Part of a longer word or number ("ASEU", "1EU"), or followed at a
  // distance by a long number (a frequency or a date, not a reference).
  if (p > 1 && (IsDigit(s.At(p - 1)) || IsLetter(s.At(p - 1)))) return false;
  if (s.DigitAt(p + 7) && s.DigitAt(p + 8) && s.DigitAt(p + 9)) return false;
  number = NumberAfterCode(s, p);
  if (number < 1 || number > IotaContinentAt(continent).capacity) return false;
  return !CallRulesReject(call, continent, rules);
}

std::string PadCall(std::string_view call) {
  std::string padded(call.substr(0, kCallWidth));
  padded.resize(kCallWidth, ' ');
  return padded;
}

}  // namespace

std::optional<IotaReference> ParseIotaReference(std::string_view text, std::string_view call,
                                                IotaCallRules rules, std::size_t max_length) {
  WorkText s(UpperCut(text, max_length));
  RemoveMisleadingWords(s.text());
  // The blanks the scan expects after the text are supplied by WorkText::At.
  while (const auto found = FirstContinentCode(s.text())) {
    const auto [continent, p] = *found;
    int number = 0;
    if (ReadOccurrence(s, p, continent, call, rules, number)) return IotaReference{continent, number};
    s.text().erase(p - 1, 2);
  }
  return std::nullopt;
}

std::optional<IotaReference> LinkedIotaReference(std::span<const CallPairEntry> links,
                                                 std::string_view dx_call) {
  const std::string call = PadCall(dx_call);
  for (const CallPairEntry& link : links) {
    if (PadCall(link.call) != call) continue;
    const std::string reference = UpperCut(link.second, std::string_view::npos);
    const auto found = FirstContinentCode(reference);
    if (!found) continue;
    // Characters 4..6 ("005" of "EU-005"), blanks around them allowed.
    std::string digits = reference.size() > 3 ? reference.substr(3, 3) : std::string();
    while (!digits.empty() && digits.back() == ' ') digits.pop_back();
    while (!digits.empty() && digits.front() == ' ') digits.erase(0, 1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) continue;
    const int number = std::stoi(digits);
    if (number < 1 || number > IotaContinentAt(found->first).capacity) continue;
    return IotaReference{found->first, number};
  }
  return std::nullopt;
}

std::string ShortIotaText(const IotaReference& reference) {
  return std::string(IotaContinentAt(reference.continent).code) + std::to_string(reference.number);
}

}  // namespace brilox
