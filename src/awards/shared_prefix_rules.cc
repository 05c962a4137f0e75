// SharedPrefixRules: entities that share a prefix with others.  Each family
// is chosen by the prefix the country table (or an earlier rule) gave and
// runs its steps in order, a later match replacing an earlier one; the
// comment steps come last and are all skipped when the comment holds a "?",
// as the operator writes when unsure of the island.
#include <span>

#include "awards/entity_rules.h"

namespace brilox {
namespace {

constexpr QsoDate kNoStart = 0;
constexpr QsoDate kNoEnd = 99999999;

enum class Step {
  kSet,     // set the prefix (empty: the QSO is in no entity until a step places it)
  kWhole,   // the call is one of the words
  kBegins,  // the call begins with one of the words
  kComment  // the comment contains one of the words
};

struct SharedStep {
  Step step;
  std::string_view words;  // blank-separated
  std::string_view prefix;
  QsoDate first = kNoStart;
  QsoDate last = kNoEnd;
};

struct SharedFamily {
  bool exact;  // the prefix equals `prefix`, else it begins with it
  std::string_view prefix;
  std::span<const SharedStep> steps;
  bool call_begins_with_to = false;  // the French family: only calls beginning with TO
};

constexpr SharedStep kFiji[] = {
    {Step::kWhole, "3D2HL 3D2SI 3D2VT 3D2WV", "3D2C", 19890101, 19891231},
    {Step::kWhole, "3D2AG/P 3D2UU 3D2XX", "3D2R"},
    {Step::kComment, "FIJI FIDJI", "3D2"},
    {Step::kComment, "CONWAY REEF OC-112", "3D2C"},
    {Step::kComment, "ROTUMA OC-060", "3D2R"},
};
constexpr SharedStep kBouvetAndPeterI[] = {
    {Step::kSet, "", ""},
    {Step::kWhole, "3Y0C 3Y1VC 3Y3CC 3Y5DQ 3Y5X", "3Y5"},
    {Step::kWhole, "3Y0PI 3Y0X 3Y1EE 3Y2GV", "3Y0"},
    {Step::kComment, "BOUVET AN-002", "3Y5"},
    {Step::kComment, "PETER AN-004", "3Y0"},
};
constexpr SharedStep kSpratly[] = {
    {Step::kWhole, "9M6OO 9M6OO/P", "1S", 19970102, 19991231},
    {Step::kWhole, "9M6TCR 9M6TPR", "1S", 19970323, 19970328},
    {Step::kWhole, "9M6PO 9M6US/0", "1S"},
    {Step::kComment, "SPRATL AS-051", "1S"},
};
constexpr SharedStep kSouthShetlandFromCe9[] = {
    {Step::kWhole, "R1ANF R1ANF/A R1ANF/P HF0/R1ANF CE9/R1ANF", "VP8S"},
};
constexpr SharedStep kFrenchTo[] = {
    {Step::kWhole, "TO/150 TO0R TO150 TO3R", "FR"},
    {Step::kWhole, "TO0P TO2DX TO5A TO5T TO8B", "FM"},
    {Step::kWhole, "TO0DX TO5M TO7I", "FP"},
    {Step::kWhole, "TO2OOO TO2T TO4T TO5C TO5G TO5GI TO5MM TO9T", "FG"},
    {Step::kWhole, "TO9IS", "FY"},
    {Step::kComment, "GUADELOUPE", "FG"},
    {Step::kComment, "MARTINIQUE", "FM"},
    {Step::kComment, "MIQUELON", "FP"},
    {Step::kComment, "REUNION", "FR"},
};
constexpr SharedStep kFrenchPolynesia[] = {
    {Step::kWhole, "FO0AAA FO0CI FO0XX", "FO/C"},
    {Step::kWhole, "FO0AWI/A FO0XUU/A TX5BTY TX5CTL", "FO/A"},
    {Step::kWhole, "FO0AWI/M FO0XUU/M", "FO/M"},
    {Step::kWhole, "FO5QG", "FO/M", kNoStart, 20010731},
    {Step::kWhole, "FO/DL7FT", "FO/A", 20010330, 20010422},
    {Step::kWhole, "FO/HG9B", "FO/A", 20011015, 20011105},
    {Step::kWhole, "FO0AWI FO0XUU", "FO/A", 19990202, 19990210},
    {Step::kWhole, "FO0CLA", "FO/A", 20010407, 20010422},
    {Step::kWhole, "FO0DEH", "FO/A", 19990916, 19991020},
    {Step::kWhole, "FO0EEN", "FO/A", 19981201, 19981231},
    {Step::kWhole, "FO0EEN", "FO/A", 19991201, 19991231},
    {Step::kWhole, "FO0FI", "FO/A", 19980401, 19980430},
    {Step::kWhole, "FO0FLA", "FO/A", 20010901, 20010930},
    {Step::kWhole, "FO0FRY", "FO/A", 20011201, 20011231},
    {Step::kWhole, "FO0HWU", "FO/A", 20000325, 20000412},
    {Step::kWhole, "FO0KOJ", "FO/A", 19991014, 19991029},
    {Step::kWhole, "FO0MAC FO0PAP", "FO/A", 19980608, 19980612},
    {Step::kWhole, "FO0MIZ", "FO/A", 19980410, 19980412},
    {Step::kWhole, "FO0MOT/P", "FO/A", 20000901, 20000912},
    {Step::kWhole, "FO0SEV", "FO/A", 20011201, 20011214},
    {Step::kWhole, "FO0SUC", "FO/A", 19981008, 19981014},
    {Step::kWhole, "FO0WEG", "FO/A", 20001020, 20001102},
    {Step::kWhole, "FO5JR", "FO/A", 19980701, 19980831},
    {Step::kWhole, "FO/DL1AWI", "FO/M", 20010211, 20010228},
    {Step::kWhole, "FO/SP9FIH", "FO/M", 20011022, 20011111},
    {Step::kWhole, "FO0/N5XX", "FO/M", 20020401, 20020430},
    {Step::kWhole, "FO0AOI FO0SOU", "FO/M", 19991103, 19991110},
    {Step::kWhole, "FO0AWI FO0XUU", "FO/M", 19990101, 19990131},
    {Step::kWhole, "FO0CLA", "FO/M", 19990526, 19990627},
    {Step::kWhole, "FO0CLA", "FO/M", 20000221, 20000320},
    {Step::kWhole, "FO0ELY", "FO/M", 20001018, 20001018},
    {Step::kWhole, "FO0FR", "FO/M", 19980401, 19980430},
    {Step::kWhole, "FO0MAC FO0PAP", "FO/M", 19980614, 19980618},
    {Step::kWhole, "FO0MIZ", "FO/M", 19980414, 19980418},
    {Step::kWhole, "FO0POM", "FO/M", 20001106, 20001110},
    {Step::kWhole, "FO0SAL", "FO/M", 19990905, 19990923},
    {Step::kWhole, "FO0TOH", "FO/M", 20000329, 20000415},
    {Step::kWhole, "FO0TOH", "FO/M", 20001018, 20001018},
    {Step::kComment, "CLIPPERTON NA-011", "FO/C"},
    {Step::kComment, "AUSTRAL OC-050 OC-051 OC-114 OC-152", "FO/A"},
    {Step::kComment, "MARQ OC-027", "FO/M"},
};
constexpr SharedStep kColombianIslands[] = {
    {Step::kWhole, "HK0TU", "HK0M"},
    {Step::kWhole, "HK0/HK3JJH", "HK0M", 20010412, 20010430},
    {Step::kWhole, "HK0AA", "*HK0R", 19800801, 19800930},
    {Step::kWhole, "HK0AB", "*HK0B", 19800801, 19800930},
    {Step::kComment, "MALPELO SA-007", "HK0M"},
    {Step::kComment, "SERRANA BANK", "*HK0R"},
    {Step::kComment, "BAJO NUEVO", "*HK0B"},
};
constexpr SharedStep kOgasawaraAndMinamiTorishima[] = {
    {Step::kSet, "", "JD1O"},
    {Step::kWhole,
     "7J1ACH JD1/JA0SUQ JD1/JA9IAX JD1/JF2POF JD1/JDIBIC JD1/JF8HIQ JD1/JG1TAS JD1/JG8NQJ JD1/JH1LDK "
     "JD1/JH1MAO JD1/JH7EAY JD1/JL1KFR JD1/JR7ISY JD1ABO JD1BAT JD1BBE JD1BCK JD1BIY JD1YAA JD1YBJ",
     "JD1M"},
    {Step::kComment, "MINAMI TORISHIMA OC-073", "JD1M"},
    {Step::kComment, "OGASAWARA AS-030 AS-031", "JD1O"},
};
constexpr SharedStep kUnitedStatesIslands[] = {
    {Step::kWhole, "K1B", "KH1"},
    {Step::kWhole, "K5K", "KH5K"},
    {Step::kWhole, "K7C K7K", "KH7K"},
};
constexpr SharedStep kDesecheo[] = {
    {Step::kWhole, "KP2A", "KP5", 19810609, 19810615},
    {Step::kWhole, "KP2A/D", "KP5"},
};
constexpr SharedStep kArgentineAntarctic[] = {
    {Step::kWhole, "LU3ZY", "VP8W"},
    {Step::kWhole, "AZ5ZA LU1ZA LU6Z", "VP8O"},
    {Step::kWhole, "LU1ZC LU3ZI LU5ZI", "VP8S"},
    {Step::kComment, "GEORGIA AN-007", "VP8G"},
    {Step::kComment, "SANDWICH AN-009", "VP8W"},
    {Step::kComment, "ORKNEY AN-008", "VP8O"},
    {Step::kComment, "SHETLAND AN-010", "VP8S"},
};
constexpr SharedStep kMountAthos[] = {
    {Step::kWhole, "SV2ASP/A", "SV/A"},
    {Step::kComment, "ATHOS", "SV/A"},
};
constexpr SharedStep kAustralianAntarctic[] = {
    {Step::kSet, "", ""},
    {Step::kWhole, "VK0CW VK0HI VK0IR", "VK0H"},
    {Step::kWhole, "VK0GC VK0KH VK0MM VK0JS", "VK0M"},
    {Step::kWhole, "VK0JV VK0KMT VK0NE VK0SJ", "CE9"},
    {Step::kComment, "HEARD", "VK0H"},
    {Step::kComment, "MACQ", "VK0M"},
    {Step::kComment, "ANTARC", "CE9"},
};
constexpr SharedStep kDucie[] = {
    {Step::kWhole, "VP6DI", "VP6D"},
    {Step::kComment, "DUCIE OC-182", "VP6D"},
};
constexpr SharedStep kFalklandDependencies[] = {
    {Step::kSet, "", "VP8"},
    {Step::kBegins, "VP8SG", "VP8G"},
    {Step::kWhole, "VP8BUB VP8CDJ VP8CKB VP8GEO", "VP8G"},
    {Step::kWhole, "VP8SSI VP8THU", "VP8W"},
    {Step::kWhole, "VP8BXK VP8CFM VP8SIG VP8ZR", "VP8O"},
    {Step::kWhole, "HF0POL LZ0A 4K1ADQ 4K1F 4K1GDW 4K1GM", "VP8S"},
    {Step::kWhole, "VP8CTR", "CE9"},
    {Step::kComment, "GEORGIA AN-007", "VP8G"},
    {Step::kComment, "SANDWICH AN-009", "VP8W"},
    {Step::kComment, "ORKNEY AN-008", "VP8O"},
    {Step::kComment, "SHETLAND AN-010", "VP8S"},
    {Step::kComment, "ANTARC", "CE9"},
};
constexpr SharedStep kNorthCook[] = {
    {Step::kSet, "", "E5"},
    {Step::kWhole, "ZK1XXP", "E50", 19970920, 19970927},
    {Step::kWhole, "ZK1AAN", "E50", 19990817, 19990819},
    {Step::kWhole, "ZK1SCQ ZK1SCR", "E50", 19990820, 19990825},
    {Step::kWhole, "ZK1NCI", "E50", 20000127, 20000203},
    {Step::kWhole, "ZK1XXC", "E50", 20000227, 20000305},
    {Step::kWhole, "ZK1AXU", "E50", 20000708, 20000715},
    {Step::kWhole, "ZK1NDK ZK1NJC", "E50", 20001028, 20001104},
    {Step::kWhole, "ZK1NDS ZK1NFK", "E50", 20010506, 20010512},
    {Step::kWhole, "ZK1QMA ZK1TUG", "E50", 20010908, 20010916},
    {Step::kWhole, "ZK1ETW", "E50", 20011014, 20011019},
    {Step::kWhole, "ZK1AKX ZK1APM ZK1ASQ ZK1CG ZK1USA ZK1VVV", "E50", 20011018, 20011101},
    {Step::kWhole, "ZK1/JI1NJC ZK1/JR2KDN", "E50", 20011020, 20011103},
    {Step::kWhole, "ZK1KDN ZK1NCP", "E50", 20011021, 20011103},
    {Step::kWhole, "ZK1APM ZK1AXF ZK1MA ZK1TSQ ZK1VVV", "E50", 20021017, 20021031},
    {Step::kComment, "NORTH N_COOK N.COOK N-COOK ZK/N ZK1/N", "E50"},
};

constexpr SharedFamily kFamilies[] = {
    {false, "3D2", kFiji},
    {false, "3Y", kBouvetAndPeterI},
    {true, "9M6", kSpratly},
    {true, "CE9", kSouthShetlandFromCe9},
    {true, "F", kFrenchTo, true},
    {false, "FO", kFrenchPolynesia},
    {false, "HK0", kColombianIslands},
    {false, "JD1", kOgasawaraAndMinamiTorishima},
    {true, "K", kUnitedStatesIslands},
    {true, "KP2", kDesecheo},
    {true, "LU", kArgentineAntarctic},
    {true, "SV", kMountAthos},
    {false, "VK0", kAustralianAntarctic},
    {false, "VP6", kDucie},
    {false, "VP8", kFalklandDependencies},
    {false, "ZK1", kNorthCook},
};

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

// The words of a list; "_" inside a word stands for a blank ("N_COOK").
template <typename Test>
bool AnyWord(std::string_view words, Test test) {
  while (!words.empty()) {
    const std::size_t blank = words.find(' ');
    std::string word(words.substr(0, blank));
    for (char& c : word) {
      if (c == '_') c = ' ';
    }
    if (!word.empty() && test(std::string_view(word))) return true;
    if (blank == std::string_view::npos) break;
    words.remove_prefix(blank + 1);
  }
  return false;
}

bool StepMatches(const SharedStep& step, const EntityQuery& qso) {
  if (qso.date < step.first || qso.date > step.last) return false;
  switch (step.step) {
    case Step::kSet:
      return true;
    case Step::kWhole:
      return AnyWord(step.words, [&](std::string_view word) { return qso.call == word; });
    case Step::kBegins:
      return AnyWord(step.words, [&](std::string_view word) { return StartsWith(qso.call, word); });
    case Step::kComment:
      return AnyWord(step.words,
                     [&](std::string_view word) { return qso.comment.find(word) != std::string::npos; });
  }
  return false;
}

}  // namespace

// Only the first family whose prefix matches runs: a family's answer is
// final.  (Chained, the Argentine family's South Orkney answer "VP8O" would
// fall into the Falklands family and come back as plain "VP8".)
void SharedPrefixRules(EntityQuery& qso) {
  for (const SharedFamily& family : kFamilies) {
    const bool chosen = family.exact ? qso.prefix == family.prefix : StartsWith(qso.prefix, family.prefix);
    if (!chosen) continue;
    if (family.call_begins_with_to && !StartsWith(qso.call, "TO")) continue;
    const bool comment_usable = qso.comment.find('?') == std::string::npos;
    for (const SharedStep& step : family.steps) {
      if (step.step == Step::kComment && !comment_usable) continue;
      if (StepMatches(step, qso)) qso.prefix = step.prefix;
    }
    return;
  }
}

}  // namespace brilox
