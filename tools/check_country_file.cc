// Checks COUNTRY2.DAT against the public country file it was made from: each
// call of a list is resolved by DeterminePays on COUNTRY2.DAT and by the
// public file's own rule (an exact call first, else the longest prefix), and
// the two entity numbers are compared.
//
//   check_country_file <COUNTRY2.DAT> <cty.csv> <calls.txt>
//
// The public rule is applied twice: to the whole call as it stands, and to
// the call that DeterminePays looks up after its call-shape steps ("/P"
// dropped, "W1AW/KH6" read as "KH6/W1AW").  The first figure mixes the
// program's reading of portable calls into the comparison; the second
// checks the prefix lists themselves.  Prints both figures and, for the
// second, the disagreements grouped by cause with the most frequent entity
// pairs and a few calls of each group.
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "awards/dxcc_entity_codes.h"
#include "cty_csv.h"
#include "platform/file_system.h"
#include "spots/call_area_rules.h"
#include "spots/country_table.h"
#include "spots/determine_pays.h"

namespace brilox {
namespace {

constexpr std::size_t kExamplesPerGroup = 8;
constexpr std::size_t kPairsPerGroup = 6;

struct PublicAnswer {
  int entity = 0;
  enum class Kind { kExact, kPrefix, kNone } kind = Kind::kNone;
  std::size_t prefix_length = 0;
};

class PublicFile {
 public:
  explicit PublicFile(const std::vector<CtyRow>& rows) {
    for (const CtyRow& row : rows) {
      for (const std::string& prefix : row.prefixes) m_prefixes.emplace(prefix, row.entity);
      for (const std::string& call : row.exact_calls) m_exact.emplace(call, row.entity);
    }
  }

  PublicAnswer Resolve(const std::string& call) const {
    if (const auto it = m_exact.find(call); it != m_exact.end()) {
      return {it->second, PublicAnswer::Kind::kExact, call.size()};
    }
    for (std::size_t length = call.size(); length >= 1; --length) {
      if (const auto it = m_prefixes.find(call.substr(0, length)); it != m_prefixes.end()) {
        return {it->second, PublicAnswer::Kind::kPrefix, length};
      }
    }
    return {};
  }

  // An exact call first, else the public rule on the text DeterminePays
  // looks its prefix up with.
  PublicAnswer ResolveLookedUp(const std::string& call, const CallShape& shape) const {
    if (m_exact.count(call) != 0 || shape.outcome == CallShape::Outcome::kNoEntity ||
        shape.outcome == CallShape::Outcome::kMobile) {
      return Resolve(call);
    }
    return Resolve(shape.working_call);
  }

 private:
  std::unordered_map<std::string, int> m_prefixes;
  std::unordered_map<std::string, int> m_exact;
};

bool EndsWithAny(std::string_view text, std::initializer_list<std::string_view> endings) {
  return std::any_of(endings.begin(), endings.end(), [text](std::string_view e) { return text.ends_with(e); });
}

// Why the two answers differ, judged from the call's shape and from how the
// public file found its answer.
std::string Cause(const std::string& call, const PublicAnswer& answer, int ours) {
  const bool slash = call.find('/') != std::string::npos;
  if (slash && EndsWithAny(call, {"/MM", "/AM", "/B", "/BCN", "/BEACON"})) {
    return "mobile or beacon suffix: a spot of it is in no entity";
  }
  if (answer.kind == PublicAnswer::Kind::kExact) {
    return slash ? "exact call with a slash listed in the public file (COUNTRY2.DAT holds prefixes only)"
                 : "exact call listed in the public file (COUNTRY2.DAT holds prefixes only)";
  }
  if (answer.kind == PublicAnswer::Kind::kPrefix && answer.prefix_length > 4) {
    return "public prefix longer than 4 characters";
  }
  if (slash) {
    return ours == 0 ? "call with a slash: no entity for the part that decides"
                     : "call with a slash: DeterminePays reads the foreign prefix or drops the suffix, "
                       "the public rule reads the call's start";
  }
  if (CallAreaKey(call)) return "call-shape rule (KG4, VK9, 3D2, FK, VP6 ...)";
  if (answer.kind == PublicAnswer::Kind::kNone) return "no prefix of the public file matches";
  return "other";
}

std::string EntityLabel(int entity) {
  if (entity == 0) return "none";
  std::string label(DxccPrefixForEntity(entity));
  return label + "(" + std::to_string(entity) + ")";
}

struct Group {
  int count = 0;
  std::map<std::pair<int, int>, int> pairs;  // (public, ours) -> count
  std::vector<std::string> examples;
};

void PrintGroups(const std::map<std::string, Group>& groups) {
  std::vector<std::pair<std::string, const Group*>> sorted;
  for (const auto& [cause, group] : groups) sorted.emplace_back(cause, &group);
  std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second->count > b.second->count; });
  for (const auto& [cause, group] : sorted) {
    std::printf("\n%6d  %s\n", group->count, cause.c_str());
    std::vector<std::pair<int, std::pair<int, int>>> pairs;
    for (const auto& [pair, count] : group->pairs) pairs.emplace_back(count, pair);
    std::sort(pairs.rbegin(), pairs.rend());
    for (std::size_t i = 0; i < pairs.size() && i < kPairsPerGroup; ++i) {
      std::printf("        %5d  public %s, COUNTRY2.DAT %s\n", pairs[i].first,
                  EntityLabel(pairs[i].second.first).c_str(), EntityLabel(pairs[i].second.second).c_str());
    }
    std::printf("        e.g.");
    for (const std::string& call : group->examples) std::printf(" %s", call.c_str());
    std::printf("\n");
  }
}

int Run(const std::string& country_path, const std::string& cty_path, const std::string& calls_path) {
  FileSystem& fs = PosixFileSystem();
  Result<CountryTable> table = LoadCountryFile(fs, country_path);
  Result<std::string> cty_text = fs.ReadFile(cty_path);
  Result<std::string> calls_text = fs.ReadFile(calls_path);
  if (!table.ok() || !cty_text.ok() || !calls_text.ok()) {
    std::fprintf(stderr, "cannot read one of the files\n");
    return 1;
  }
  const std::vector<CtyRow> rows = ParseCtyCsv(*cty_text);
  const PublicFile public_file(rows);
  const std::vector<CallPairEntry> no_links;

  int total = 0;
  int agreed = 0;
  int agreed_literal = 0;
  int total_by_lists = 0;  // calls no call-shape rule decides
  int agreed_by_lists = 0;
  std::map<std::string, Group> groups;
  std::string_view text = *calls_text;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    if (line.empty()) continue;
    std::string call(line);
    for (char& c : call) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ++total;
    ResolvedEntity entity;
    const std::string prefix = DeterminePays(*table, call, no_links, SpotMode::kSpot, entity);
    const int ours = DxccEntityForPrefix(prefix);
    if (public_file.Resolve(call).entity == ours) ++agreed_literal;
    const CallShape shape = ShapeCall(call, SpotMode::kSpot);
    const PublicAnswer answer = public_file.ResolveLookedUp(call, shape);
    const bool by_prefix_lists = shape.outcome == CallShape::Outcome::kGeneral;
    total_by_lists += by_prefix_lists;
    if (ours == answer.entity) {
      ++agreed;
      agreed_by_lists += by_prefix_lists;
      continue;
    }
    Group& group = groups[Cause(call, answer, ours)];
    ++group.count;
    ++group.pairs[{answer.entity, ours}];
    if (group.examples.size() < kExamplesPerGroup) group.examples.push_back(call);
  }
  auto percent = [total](int part) { return total ? 100.0 * part / total : 0.0; };
  std::printf("%d calls\n", total);
  std::printf("public rule on the whole call:        %d agree (%.2f %%), %d differ\n", agreed_literal,
              percent(agreed_literal), total - agreed_literal);
  std::printf("public rule on the call looked up:    %d agree (%.2f %%), %d differ\n", agreed, percent(agreed),
              total - agreed);
  std::printf("of these, the %d calls no rule decides: %d agree (%.2f %%), %d differ\n", total_by_lists,
              agreed_by_lists, total_by_lists ? 100.0 * agreed_by_lists / total_by_lists : 0.0,
              total_by_lists - agreed_by_lists);
  PrintGroups(groups);
  return 0;
}

}  // namespace
}  // namespace brilox

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: check_country_file <COUNTRY2.DAT> <cty.csv> <calls.txt>\n");
    return 2;
  }
  return brilox::Run(argv[1], argv[2], argv[3]);
}
