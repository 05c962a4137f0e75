// Generates COUNTRY2.DAT from the public country file in its CSV form
// (cty.csv of Country Files, country-files.com, Jim Reisert AD1C).
//
//   make_country_file <cty.csv> <COUNTRY2.DAT>
//
// One entity line per DXCC entity, under the main prefix of the program's
// entity-number table, so that the country file and the DXCC database name
// entities alike.  The prefix list of an entity holds every plain prefix of
// up to four characters (a call resolves by its first 4, 3, 2 and 1
// characters, so longer prefixes could never match) and every key the
// call-area rules look up.  Exact calls ("=CALL") cannot be expressed in the
// file and are left out.  Warnings go to standard error.
#include <cstdio>
#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "awards/dxcc_entity_codes.h"
#include "platform/file_system.h"
#include "spots/determine_pays.h"
#include "cty_csv.h"

namespace brilox {
namespace {

constexpr std::size_t kPrefixLineWidth = 78;
constexpr std::size_t kNameWidth = 40;

struct Entity {
  const CtyRow* row = nullptr;  // the DXCC row (not a WAE-only one)
  std::vector<std::string> prefixes;
};

// Up to two decimals, at least one: "-1.0", "-5.75".
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string out = text;
  if (out.size() > 1 && out.back() == '0') out.pop_back();
  if (out == "-0.0") out = "0.0";
  return out;
}

std::string OneWordName(std::string_view name) {
  std::string out;
  for (char c : name) out += (c == ' ' || static_cast<unsigned char>(c) < ' ') ? '_' : c;
  return out.substr(0, kNameWidth);
}

std::string MainPrefix(const CtyRow& row) {
  std::string_view prefix = DxccPrefixForEntity(row.entity);
  if (!prefix.empty() && prefix.front() != '*') return std::string(prefix);
  std::string fallback;
  for (char c : row.main_prefix) {
    if (c != '*') fallback += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  std::fprintf(stderr, "warning: entity %d (%s) has no current prefix in the entity table; using %s\n",
               row.entity, row.name.c_str(), fallback.substr(0, 4).c_str());
  return fallback.substr(0, 4);
}

void AppendEntity(std::string& out, const Entity& entity) {
  std::string line = "#";
  for (const std::string& prefix : entity.prefixes) {
    if (line.size() + prefix.size() + 1 > kPrefixLineWidth) {
      out += line + "\r\n";
      line.resize(1);  // back to the leading "#" (assigning "#" makes GCC 12 at -O3 warn falsely, -Wrestrict)
    }
    line += prefix + "#";
  }
  if (line.size() > 1) out += line + "\r\n";
  const CtyRow& row = *entity.row;
  out += MainPrefix(row) + " " + OneWordName(row.name) + " " + std::to_string(row.itu_zone) + " " +
         std::to_string(row.cq_zone) + " " + Number(row.utc_offset_west) + " " + Number(row.latitude) + " " +
         Number(-row.longitude_west) + " " + std::to_string(row.entity) + "\r\n";
}

// The entities in the order of their DXCC rows, each with its prefixes;
// a prefix belongs to the first entity that lists it.
struct Collected {
  std::vector<int> order;
  std::map<int, Entity> entities;
  std::map<std::string, int> owner;  // prefix -> entity number
  int longer_prefixes = 0;
};

Collected CollectEntities(const std::vector<CtyRow>& rows) {
  Collected c;
  for (const CtyRow& row : rows) {
    Entity& entity = c.entities[row.entity];
    if (!row.IsWaeOnly()) {
      if (entity.row == nullptr) c.order.push_back(row.entity);
      entity.row = &row;
    }
    for (const std::string& prefix : row.prefixes) {
      if (prefix.size() > 4) {
        ++c.longer_prefixes;
        continue;
      }
      const auto [it, inserted] = c.owner.emplace(prefix, row.entity);
      if (inserted) {
        entity.prefixes.push_back(prefix);
      } else if (it->second != row.entity) {
        std::fprintf(stderr, "warning: prefix %s of entity %d already belongs to %d\n", prefix.c_str(),
                     row.entity, it->second);
      }
    }
  }
  return c;
}

// Each key of the call-shape rules joins the list of the entity whose main
// prefix it is, unless the public file gives it to an entity already.
void AddRuleKeys(Collected& c) {
  for (std::string_view key : RuleKeys()) {
    const int wanted = DxccEntityForPrefix(key);
    const auto it = c.owner.find(std::string(key));
    if (it != c.owner.end()) {
      if (it->second != wanted) {
        std::fprintf(stderr, "note: rule key %.*s is a prefix of entity %d in the public file and stays there\n",
                     static_cast<int>(key.size()), key.data(), it->second);
      }
      continue;
    }
    const auto entity = c.entities.find(wanted);
    if (entity == c.entities.end() || entity->second.row == nullptr) {
      std::fprintf(stderr, "warning: rule key %.*s: entity %d is not in the public file\n",
                   static_cast<int>(key.size()), key.data(), wanted);
      continue;
    }
    c.owner.emplace(std::string(key), wanted);
    entity->second.prefixes.push_back(std::string(key));
  }
}

std::string CountryFileText(Collected& c) {
  std::string out;
  out += "/ COUNTRY2.DAT: the country and prefix table of BRILOX.\r\n";
  out += "/ Generated by tools/make_country_file from the cty.csv country file of Country Files\r\n";
  out += "/ (https://www.country-files.com/, Jim Reisert AD1C), MIT licence: see README in this folder.\r\n";
  out += "/ Entity line: main prefix, name, ITU zone, CQ zone, UTC offset in hours (west positive),\r\n";
  out += "/ latitude (north positive), longitude (east positive), DXCC entity number.\r\n";
  out += "/ The \"#\" lines before it list its prefixes.\r\n";
  for (int number : c.order) AppendEntity(out, c.entities[number]);
  return out;
}

int Run(const std::string& input_path, const std::string& output_path) {
  Result<std::string> text = PosixFileSystem().ReadFile(input_path);
  if (!text.ok()) {
    std::fprintf(stderr, "cannot read %s: %s\n", input_path.c_str(), text.status().ToString().c_str());
    return 1;
  }
  const std::vector<CtyRow> rows = ParseCtyCsv(*text);
  Collected collected = CollectEntities(rows);
  AddRuleKeys(collected);
  Status written = WriteFileAtomic(PosixFileSystem(), output_path, CountryFileText(collected));
  if (!written.ok()) {
    std::fprintf(stderr, "cannot write %s: %s\n", output_path.c_str(), written.ToString().c_str());
    return 1;
  }
  std::fprintf(stderr, "%zu entities, %zu prefixes and keys; %d public prefixes longer than 4 left out\n",
               collected.order.size(), collected.owner.size(), collected.longer_prefixes);
  return 0;
}

}  // namespace
}  // namespace brilox

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_country_file <cty.csv> <COUNTRY2.DAT>\n");
    return 2;
  }
  return brilox::Run(argv[1], argv[2]);
}
