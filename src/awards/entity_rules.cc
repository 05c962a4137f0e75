#include "awards/entity_rules.h"

#include <array>
#include <span>

namespace brilox {
namespace {

constexpr QsoDate kNoStart = 0;

constexpr QsoDate StartOfYear(int year) { return year * 10000 + 101; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}
bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}
bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}
bool OneOf(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

// Character `n` (1-based) of a call, a blank past its end.
char At(std::string_view call, std::size_t n) { return n >= 1 && n <= call.size() ? call[n - 1] : ' '; }

// Calls `test` with each word of a blank-separated list until it answers true.
template <typename Test>
bool AnyWord(std::string_view words, Test test) {
  while (!words.empty()) {
    const std::size_t blank = words.find(' ');
    const std::string_view word = words.substr(0, blank);
    if (!word.empty() && test(word)) return true;
    if (blank == std::string_view::npos) break;
    words.remove_prefix(blank + 1);
  }
  return false;
}

// The n-th word (0-based) of a blank-separated list, the last one when the
// list is shorter.
std::string_view WordAt(std::string_view words, std::size_t n) {
  std::string_view word;
  for (std::size_t i = 0; i <= n; ++i) {
    const std::size_t blank = words.find(' ');
    word = words.substr(0, blank);
    if (blank == std::string_view::npos) break;
    words.remove_prefix(blank + 1);
  }
  return word;
}

bool IsOneOfCalls(std::string_view call, std::string_view calls) {
  return AnyWord(calls, [call](std::string_view word) { return call == word; });
}
bool BeginsWithOneOf(std::string_view call, std::string_view starts) {
  return AnyWord(starts, [call](std::string_view word) { return StartsWith(call, word); });
}

// ---------------------------------------------------------------------------
// Deleted entities.

enum class CallTest { kWhole, kBegins, kContains, kCustom };

struct DeletedEntityRow {
  CallTest test;
  std::string_view calls;  // blank-separated
  QsoDate first;
  QsoDate last;
  std::string_view prefix;
  bool (*custom)(std::string_view call) = nullptr;
};

bool IsOldGermanCall(std::string_view c) { return At(c, 1) == 'D' && At(c, 2) >= 'A' && At(c, 2) <= 'M'; }
bool IsGdrCall(std::string_view c) {
  return (At(c, 1) == 'Y' && At(c, 2) >= '2' && At(c, 2) <= '9') || StartsWith(c, "DM");
}
bool IsSwanIslandsCall(std::string_view c) {
  return (Contains(c, "KS4") && c != "KS4BB" && c != "KS4KZ") || c == "HR6SWA";
}
bool IsCzechoslovakCall(std::string_view c) { return At(c, 1) == 'O' && OneOf(At(c, 2), "KLM"); }
bool IsSouthernSudanCall(std::string_view c) { return StartsWith(c, "ST0") && c != "ST0K"; }
bool IsWalvisBayCall(std::string_view c) {
  return (StartsWith(c, "ZS9") && !EndsWith(c, "/1")) || c == "ZS1IS" || c == "ZS3WBC";
}

constexpr DeletedEntityRow kDeletedEntityRows[] = {
    {CallTest::kWhole, "1B9WNV BR/AC9A VQ8CB/A BR/W9WNV", 19670504, 19750630, "*1B"},
    {CallTest::kWhole, "1G5A GR/AC0A GR/W9WNV YM0AA", 19670504, 19780228, "*1G"},
    {CallTest::kWhole, "1M4A", kNoStart, 19720715, "*1M"},
    {CallTest::kBegins, "4W", kNoStart, 19900521, "*4W/Y"},
    {CallTest::kWhole, "7J1RL", 19760530, 19801130, "*7J1"},
    {CallTest::kContains, "8Z4", kNoStart, 19811225, "*8Z4"},
    {CallTest::kCustom, "", kNoStart, 19730916, "*DLEX", IsOldGermanCall},
    {CallTest::kCustom, "", 19730917, 19901002, "*Y2", IsGdrCall},
    {CallTest::kWhole, "A15AA A15AB AA/G5ACI OE6XG/A J20/A J20/Z", kNoStart, 19910330, "*J2/A"},
    {CallTest::kBegins, "AC3", kNoStart, 19750430, "*AC3"},
    {CallTest::kBegins, "AC4", kNoStart, 19740530, "*AC4"},
    {CallTest::kWhole, "CR8AF CR8AI", kNoStart, 19760914, "*CR1O"},
    {CallTest::kBegins, "FH", kNoStart, 19750705, "*FH/C"},
    {CallTest::kBegins, "KR6", kNoStart, 19720514, "*KR6"},
    {CallTest::kCustom, "", kNoStart, 19720831, "*KS4", IsSwanIslandsCall},
    {CallTest::kBegins, "KZ5", kNoStart, 19790930, "*KZ5"},
    {CallTest::kCustom, "", kNoStart, 19921231, "*OKEX", IsCzechoslovakCall},
    {CallTest::kWhole, "VK9CJ VK9FH VK9HB VK9TW VK9XK", kNoStart, 19750915, "*P2/P"},
    {CallTest::kWhole, "VK9AU VK9GN VK9GZ VK9JK VK9KS VK9MK VK9OM VK9VM VK9WD", kNoStart, 19750915, "*P2/G"},
    {CallTest::kBegins, "R1MV", kNoStart, 20120216, "*R1M"},
    {CallTest::kCustom, "", 19720507, 19941231, "*ST0", IsSouthernSudanCall},
    {CallTest::kBegins, "VQ1", kNoStart, 19740531, "*VQ1"},
    {CallTest::kWhole, "5H3LV/A", kNoStart, 19740531, "*VQ1"},
    {CallTest::kWhole, "VQ9/A/A VQ9/A/BC VQ9/A/BR VQ9/A/EC VQ9AA/A VQ9HCS", kNoStart, 19760628, "*VQ9A"},
    {CallTest::kWhole, "VQ9BC/D VQ9R/D VQ9TC/D", kNoStart, 19760628, "*VQ9D"},
    {CallTest::kWhole, "VQ9/A/F VQ9AA/F VQ9V/F", kNoStart, 19760628, "*VQ9F"},
    {CallTest::kBegins, "VS9A", kNoStart, 19900521, "*VS9A"},
    {CallTest::kBegins, "VS9H", kNoStart, 19671129, "*VS9H"},
    {CallTest::kBegins, "VS9K", kNoStart, 19820310, "*VS9K"},
    {CallTest::kWhole, "ZS1/DK9KX ZS1/DL8CM ZS0PI ZS0X ZS0Z ZS9AAA/1 ZS9A/1 ZS9Z/1 ZS1/ZS9Z", kNoStart,
     19940228, "*ZS0"},
    {CallTest::kCustom, "", 19770901, 19940228, "*ZS9", IsWalvisBayCall},
};

bool MatchesCall(CallTest test, std::string_view calls, std::string_view call) {
  switch (test) {
    case CallTest::kWhole:
      return IsOneOfCalls(call, calls);
    case CallTest::kBegins:
      return BeginsWithOneOf(call, calls);
    case CallTest::kContains:
      return AnyWord(calls, [call](std::string_view word) { return Contains(call, word); });
    case CallTest::kCustom:
      return false;
  }
  return false;
}

// ---------------------------------------------------------------------------
// Soviet-era prefixes: the second and third characters name the republic.

std::string_view SovietUkCall(std::string_view c, QsoDate date) {
  const char c3 = At(c, 3), c4 = At(c, 4);
  const bool before_1991 = date < StartOfYear(1991);
  switch (c3) {
    case '0':
    case '9':
      return "UA9";
    case '1':
      return OneOf(c4, "OP") ? "R1F" : "UA";
    case '2':
      if (OneOf(c4, "ACILOSW")) return "EU";
      if (c4 == 'F') return "UA2";
      if (before_1991 && OneOf(c4, "BP")) return "LY";
      if (before_1991 && OneOf(c4, "GQ")) return "YL";
      if (before_1991 && OneOf(c4, "RT")) return "ES";
      return {};
    case '3':
    case '4':
      return "UA";
    case '5':
      return "ER";
    case '6':
      if (OneOf(c4, "CDK")) return "4K";
      if (OneOf(c4, "FOQV")) return "4L";
      if (c4 == 'G') return "EK";
      return "UA";
    case '7':
      return "UN";
    case '8':
      if (OneOf(c4, "BEHWY")) return "EZ";
      if (OneOf(c4, "JRS")) return "EY";
      if (OneOf(c4, "MNPQ")) return "EX";
      if (OneOf(c4, "KVX")) return {};
      return IsLetter(c4) ? "UK" : std::string_view();
    default:
      return {};
  }
}

// One table per rule family keeps "later matches replace earlier ones"
// visible: every row is tried, the last match stands.
struct SovietRow {
  std::string_view second;  // C2 one of these
  std::string_view third;   // C3 one of these; empty: any
  std::string_view fourth;  // C4 one of these; empty: any
  bool before_1991;
  std::string_view prefix;
};

constexpr SovietRow kSovietRAndURows[] = {
    {"AVWXZ", "1346", "", false, "UA"}, {"AVWXZ", "09", "", false, "UA9"}, {"N", "1", "", false, "UA"},
    {"AV", "1", "OP", false, "R1F"},    {"AZ", "2", "", false, "UA2"},     {"BTY", "", "", false, "UT"},
    {"C", "", "", false, "EU"},         {"D", "", "", false, "4K"},        {"F", "", "", false, "4L"},
    {"G", "", "", false, "EK"},         {"H", "", "", false, "EZ"},        {"I", "", "", false, "UK"},
    {"J", "", "", false, "EY"},         {"L", "", "", false, "UN"},        {"M", "", "", false, "EX"},
    {"O", "", "", false, "ER"},         {"P", "", "", true, "LY"},         {"Q", "", "", true, "YL"},
    {"R", "", "", true, "ES"},
};

constexpr SovietRow kSovietERows[] = {
    {"K", "1346", "", false, "UA"}, {"K", "1", "OP", false, "R1F"}, {"K", "09", "", false, "UA9"},
    {"U", "2", "", false, "EU"},    {"XZ", "5", "", false, "UT"},
};

void ApplySovietRows(std::span<const SovietRow> rows, std::string_view c, QsoDate date, std::string& prefix) {
  for (const SovietRow& row : rows) {
    if (!OneOf(At(c, 2), row.second)) continue;
    if (!row.third.empty() && !OneOf(At(c, 3), row.third)) continue;
    if (!row.fourth.empty() && !OneOf(At(c, 4), row.fourth)) continue;
    if (row.before_1991 && date >= StartOfYear(1991)) continue;
    prefix = row.prefix;
  }
}

struct WholeCallRow {
  std::string_view calls;
  bool before_1991;
  std::string_view prefix;
};
constexpr WholeCallRow kSovietWholeCalls[] = {
    {"RL1O RM3O", false, "UA"}, {"R6F", false, "4L"}, {"U2A", false, "EU"},
    {"U2Q", true, "YL"},        {"U8L", false, "UN"}, {"UA1PAC/P UA1PAO/P", false, "UA"},
    {"UW3HY/1", false, "R1F"},
};

// ---------------------------------------------------------------------------
// Historic prefixes.  Rows are tried in order within a group, a later match
// replacing an earlier one; a group that set a prefix ends the rules.  Where
// the prefix list has several words, the prefix list gives the one with the
// same place (or its last word).

struct HistoricRow {
  int before_year;  // 0: the end of a group
  std::string_view starts;
  std::string_view prefixes;
  void (*custom)(std::string_view call, std::string& prefix) = nullptr;
};

void NewZealandIslands(std::string_view call, std::string& prefix) {
  if (!StartsWith(call, "ZL") && !StartsWith(call, "K/ZL")) return;
  if (EndsWith(call, "/C")) prefix = "ZL7";
  if (StartsWith(call, "K/ZL")) prefix = "ZL8";
  if (EndsWith(call, "/A")) prefix = "ZL9";
}

constexpr HistoricRow kHistoricRows[] = {
    {1997, "VS6", "VR2"},
    {1996, "KH7", "KH7K"},
    {1994, "4J1F", "R1M"},
    {1991, "ZS3", "V5"},
    {1990, "KX6", "V7"},
    {0, "", ""},
    {1986, "CT2", "CU"},
    {1985, "CY0", "CY9"},
    {1985, "CR9", "XX"},
    {1985, "FB8W FB8X FB8Z", "FT5W FT5X FT5Z"},
    {1985, "FB8Y", "CE9"},
    {1985, "FC", "TK"},
    {1985, "VS5", "V8"},
    {1985, "ZM7", "ZK3"},
    {0, "", ""},
    {1984, "9A M1", "T7"},
    {1984, "", "", NewZealandIslands},
    {1983, "KV4", "KP2"},
    {1982, "FU8", "YJ"},
    {1982, "VP1", "V3"},
    {1982, "VP2A", "V2"},
    {1982, "HM", "HL"},
    {1981, "ZE", "Z2"},
    {1980, "VP2L VP2S", "J6 J8"},
    {1980, "VR1 VR3", "T30 T32"},
    {0, "", ""},
    {1979, "KB6 KG6 KJ6 KM6 KP6 KS6 KW6", "KH1 KH2 KH3 KH4 KH5 KH8 KH9"},
    {1979, "KG6R KG6S KG6T", "KH0"},
    {1979, "VP2D VR4 VR8", "J7 H4 T2"},
    {1978, "FL", "J2"},
    {1976, "CR4 CR5 CR6 CR7 XX7", "D4 S9 D2 C9 C9"},
    {0, "", ""},
    {1975, "VP2G", "J3"},
    {1974, "CR3 VP7", "J5 C6"},
    {1972, "MP4B MP4M MP4Q", "A9 A4 A7"},
    {1972, "MP4D MP4T", "A6"},
    {1971, "VR5", "A3"},
    {0, "", ""},
};

}  // namespace

void NormalizePortableCall(EntityQuery& qso) {
  const std::string& c = qso.call;
  const std::size_t slash = c.find('/');
  if (slash == std::string::npos) return;
  const std::size_t length = c.size();
  const std::size_t s = slash + 1;  // 1-based position of the first "/"
  for (std::string_view end : {"/AM", "/MM", "/BEACON", "/BEACO", "/BCN"}) {
    if (EndsWith(c, end)) return;
  }
  if (EndsWith(c, "/B") && !StartsWith(c, "FR")) return;
  // Suffixes that name an operating condition, not an entity.
  if (At(c, length - 2) == '/' && At(c, length - 1) == 'P' && IsDigit(At(c, length))) return;
  if (At(c, length - 3) == '/' && At(c, length - 2) == 'P' && IsDigit(At(c, length - 1)) &&
      IsDigit(At(c, length)))
    return;
  if (length >= 2 && At(c, length - 1) == '/' && !OneOf(At(c, length), "FIKW")) return;
  if (At(c, length - 3) == '/' && At(c, length - 2) == 'Q') return;
  if (EndsWith(c, "/LH") || EndsWith(c, "/LS")) return;
  int digits = 0, letters = 0;
  for (std::size_t i = slash + 1; i < length; ++i) {
    digits += IsDigit(c[i]) ? 1 : 0;
    letters += IsLetter(c[i]) ? 1 : 0;
  }
  // A "/" in the first half already stands after the prefix.
  if ((length + 1) / 2 >= s || letters == 0 || (digits == 0 && letters > 2)) return;
  qso.call = c.substr(slash + 1) + "/" + c.substr(0, slash);
}

void DeletedEntityRules(EntityQuery& qso) {
  for (const DeletedEntityRow& row : kDeletedEntityRows) {
    if (qso.date < row.first || qso.date > row.last) continue;
    const bool matches =
        row.test == CallTest::kCustom ? row.custom(qso.call) : MatchesCall(row.test, row.calls, qso.call);
    if (matches) qso.prefix = row.prefix;
  }
}

void SovietEraRules(EntityQuery& qso) {
  const std::string_view c = qso.call;
  const char c1 = At(c, 1), c2 = At(c, 2), c3 = At(c, 3);
  std::string& prefix = qso.prefix;
  if ((c1 == 'R' || c1 == 'U') && c2 == 'K' && IsDigit(c3)) {
    const std::string_view found = SovietUkCall(c, qso.date);
    if (!found.empty()) prefix = found;
  }
  if ((c1 == 'R' || c1 == 'U') && c2 != 'K') {
    ApplySovietRows(kSovietRAndURows, c, qso.date, prefix);
    if (StartsWith(c, "RU2") && qso.date < StartOfYear(1991)) prefix = "ES";
  }
  if (c1 == 'E') ApplySovietRows(kSovietERows, c, qso.date, prefix);
  if (StartsWith(c, "4K")) {
    switch (c3) {
      case '1':
        prefix = IsOneOfCalls(c, "4K1ADQ 4K1F 4K1GDW 4K1GM") ? "VP8S" : "CE9";
        break;
      case '2':
        prefix = "R1F";
        break;
      case '3':
        prefix = "UA";
        break;
      case '4':
        prefix = "UA9";
        break;
      default:
        break;
    }
  }
  if (StartsWith(c, "RM2") || StartsWith(c, "RZ2")) prefix = "EU";
  for (const WholeCallRow& row : kSovietWholeCalls) {
    if (row.before_1991 && qso.date >= StartOfYear(1991)) continue;
    if (IsOneOfCalls(c, row.calls)) prefix = row.prefix;
  }
}

void HistoricPrefixRules(EntityQuery& qso) {
  for (const HistoricRow& row : kHistoricRows) {
    if (row.before_year == 0) {
      if (!qso.prefix.empty()) return;
      continue;
    }
    if (qso.date >= StartOfYear(row.before_year)) continue;
    if (row.custom != nullptr) {
      row.custom(qso.call, qso.prefix);
      continue;
    }
    std::size_t place = 0;
    AnyWord(row.starts, [&](std::string_view start) {
      if (StartsWith(qso.call, start)) {
        qso.prefix = WordAt(row.prefixes, place);
        return true;
      }
      ++place;
      return false;
    });
  }
}

void WorkOutEntity(EntityQuery& qso, const CountryOfCall& country) {
  NormalizePortableCall(qso);
  if (qso.prefix.empty()) DeletedEntityRules(qso);
  if (qso.prefix.empty() && qso.date < StartOfYear(1994)) SovietEraRules(qso);
  if (qso.prefix.empty()) HistoricPrefixRules(qso);
  if (qso.prefix.empty()) {
    std::string found = country(qso.call);
    if (found == "9999" || found.empty()) {
      qso.prefix.clear();
      return;
    }
    qso.prefix = std::move(found);
  }
  SharedPrefixRules(qso);
}

}  // namespace brilox
