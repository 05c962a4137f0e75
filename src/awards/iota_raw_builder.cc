#include "awards/iota_raw_builder.h"

#include <algorithm>
#include <set>
#include <utility>

#include "awards/dxcc_table.h"

namespace brilox {
namespace {

// The list's own ways of writing an entity, each with the program's main
// prefix for it (src/awards/dxcc_entity_codes.cc).  A bracketed letter names
// one entity of a shared prefix; deleted entities go to the entity that now
// holds their islands.
constexpr std::pair<std::string_view, std::string_view> kPrefixMap[] = {
    {"3D2(C)", "3D2C"},  // Conway Reef
    {"3D2(R)", "3D2R"},  // Rotuma
    {"3Y(B)", "3Y5"},    // Bouvet
    {"3Y(P)", "3Y0"},    // Peter I
    {"3W", "XV"},        // Vietnam
    {"BS7H", "BS7"},     // Scarborough Reef
    {"CE0(A)", "CE0A"},  // Easter Island
    {"CE0(X)", "CE0X"},  // San Felix
    {"CE0(Z)", "CE0Z"},  // Juan Fernandez
    {"CT8", "CU"},       // Azores
    {"CT9", "CT3"},      // Madeira
    {"E51(N)", "E50"},   // North Cook
    {"E51(S)", "E5"},    // South Cook
    {"E6", "ZK2"},       // Niue
    {"FK(C)", "TX0"},    // Chesterfield
    {"FO(A)", "FO/A"},   // Austral
    {"FO(C)", "FO/C"},   // Clipperton
    {"FO(M)", "FO/M"},   // Marquesas
    {"FT(E)", "FR/J"},   // Europa: one entity with Juan de Nova
    {"FT(G)", "FR/G"},   // Glorioso
    {"FT(J)", "FR/J"},   // Juan de Nova
    {"FT(T)", "FR/T"},   // Tromelin
    {"FT(W)", "FT5W"},   // Crozet
    {"FT(X)", "FT5X"},   // Kerguelen
    {"FT(Z)", "FT5Z"},   // Amsterdam & St. Paul
    {"HK0(A)", "HK0S"},  // San Andres & Providencia
    {"HK0(M)", "HK0M"},  // Malpelo
    {"JD1(M)", "JD1M"},  // Minami Torishima
    {"JD1(O)", "JD1O"},  // Ogasawara
    {"KH5K", "KH5"},     // Kingman Reef, deleted in 2016: Palmyra & Jarvis
    {"KH8(S)", "KH8S"},  // Swains
    {"KL", "KL7"},       // Alaska
    {"PJ6", "PJ5"},      // Saba & St. Eustatius
    {"PY0(F)", "PY0F"},  // Fernando de Noronha
    {"PY0(S)", "PY0P"},  // St. Peter & St. Paul
    {"PY0(T)", "PY0T"},  // Trindade & Martim Vaz
    {"R1(F)", "R1F"},    // Franz Josef Land
    {"R1(M)", "UA"},     // Malyj Vysotskij, deleted in 2012: European Russia
    {"UA(AS)", "UA9"},   // Asiatic Russia
    {"UA(EU)", "UA"},    // European Russia
    {"VK0(H)", "VK0H"},  // Heard
    {"VK0(M)", "VK0M"},  // Macquarie
    {"VK9(C)", "VK9C"},  // Cocos (Keeling)
    {"VK9(L)", "VK9L"},  // Lord Howe
    {"VK9(M)", "VK9M"},  // Mellish Reef
    {"VK9(N)", "VK9N"},  // Norfolk
    {"VK9(W)", "VK9W"},  // Willis
    {"VK9(X)", "VK9X"},  // Christmas Island
    {"VP6(D)", "VP6D"},  // Ducie
    {"VP8(F)", "VP8"},   // Falklands
    {"VP8(G)", "VP8G"},  // South Georgia
    {"VP8(H)", "VP8S"},  // South Shetland
    {"VP8(O)", "VP8O"},  // South Orkney
    {"VP8(S)", "VP8W"},  // South Sandwich
    {"VR(HK)", "VR2"},   // Hong Kong
    {"VU(A)", "VU4"},    // Andaman & Nicobar
    {"VU(L)", "VU7"},    // Lakshadweep
    {"W", "K"},          // United States
    {"XX9", "XX"},       // Macao
    {"ZC4", "ZC"},       // UK Sovereign Base Areas on Cyprus
};

// References whose first line is not right for the whole group: NA-145 is
// listed under the former PJ7 before the current PJ6 (PJ5 entity), one island
// a line; NA-146 under the former FS before the current FJ.
struct ReferenceOverride {
  std::string_view reference;
  std::string_view prefix;
  std::string_view name;
};
constexpr ReferenceOverride kOverrides[] = {
    {"NA-145", "PJ5", "Sint Eustatius / Saba"},
    {"NA-146", "FJ", "St. Barthelemy Island"},
};

constexpr std::string_view kBritishIsles[] = {"G", "GD", "GI", "GJ", "GM", "GU", "GW", "EI"};
// Entities that consist of Caribbean islands only.  Coastal islands of the
// mainland countries around the Caribbean are left for the operator to mark.
constexpr std::string_view kWestIndies[] = {"6Y",  "8P",   "9Y",   "C6",   "CO",  "FG",  "FJ",  "FM",  "FS",
                                            "HH",  "HI",   "HK0S", "J3",   "J6",  "J7",  "J8",  "KG4", "KP1",
                                            "KP2", "KP4",  "KP5",  "P4",   "PJ2", "PJ4", "PJ5", "PJ7", "V2",
                                            "V4",  "VP2E", "VP2M", "VP2V", "VP5", "YV0", "ZF"};

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t end = text.find(separator);
    parts.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return parts;
    text.remove_prefix(end + 1);
  }
}

// Decodes one UTF-8 sequence at `i`, moving `i` past it; a malformed
// sequence gives 0xFFFD and is skipped as far as it was read.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  const int extra = (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
  if (extra < 0 || i + static_cast<std::size_t>(extra) > text.size()) return 0xFFFD;
  char32_t code = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return 0xFFFD;
    code = (code << 6) | (next & 0x3F);
    ++i;
  }
  return code;
}

template <std::size_t N>
bool Contains(const std::string_view (&list)[N], std::string_view text) {
  return std::find(std::begin(list), std::end(list), text) != std::end(list);
}

// Marks withdrawn the numbers the list leaves out below each continent's
// highest listed number.
void MarkUnlistedWithdrawn(IotaRawReport& report, const std::set<int>& listed) {
  for (int continent = 1; continent <= kIotaContinentCount; ++continent) {
    int highest = 0;
    for (int number = 1; number <= IotaContinentAt(continent).capacity; ++number) {
      if (listed.count(IotaTableIndex(continent, number)) != 0) highest = number;
    }
    for (int number = 1; number < highest; ++number) {
      const int index = IotaTableIndex(continent, number);
      if (listed.count(index) != 0) continue;
      report.table.entry(index).name = FitIotaName(kIotaUnlistedName);
      report.notes.push_back(IotaReferenceText(index) +
                             ": not listed below the highest number, marked withdrawn");
    }
  }
}

}  // namespace

std::string SingleByteName(std::string_view utf8) {
  std::string text;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t code = NextCodePoint(utf8, i);
    if (code == 0x2018 || code == 0x2019) {
      text += '\'';
    } else if (code == 0x201C || code == 0x201D) {
      text += '"';
    } else if (code == '\t') {
      text += ' ';
    } else if ((code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code <= 0xFF)) {
      text += static_cast<char>(code);
    } else {
      text += '?';
    }
  }
  return std::string(Trim(text));
}

std::string FitIotaName(std::string_view name) {
  std::string text(Trim(name));
  // The list's long way of naming a main island group.
  constexpr std::string_view kMainIsland =
      " (main island and coastal islands not qualifying for other groups)";
  if (const std::size_t at = text.find(kMainIsland);
      text.size() > kIotaNameLength && at != std::string::npos) {
    text.replace(at, kMainIsland.size(), " (main island)");
  }
  if (text.size() > kIotaNameLength) {
    const std::size_t aka = text.find(" (aka ");
    const std::size_t close = aka == std::string::npos ? std::string::npos : text.find(')', aka);
    if (close != std::string::npos) text.erase(aka, close - aka + 1);
  }
  if (text.size() > kIotaNameLength) text.resize(kIotaNameLength);
  return PadText(Trim(text), kIotaNameLength);
}

std::string MainPrefixFor(std::string_view list_prefix, const std::vector<std::string>& main_prefixes) {
  auto is_main = [&](std::string_view p) {
    return std::find(main_prefixes.begin(), main_prefixes.end(), p) != main_prefixes.end();
  };
  if (is_main(list_prefix)) return std::string(list_prefix);
  for (const auto& [written, main] : kPrefixMap) {
    if (written == list_prefix) return is_main(main) ? std::string(main) : std::string();
  }
  return {};
}

char RegionForPrefix(std::string_view main_prefix) {
  if (Contains(kBritishIsles, main_prefix)) return kIotaBritishIsles;
  if (Contains(kWestIndies, main_prefix)) return kIotaWestIndies;
  return kIotaNoRegion;
}

IotaRawReport BuildIotaRaw(std::string_view list, const std::vector<std::string>& main_prefixes) {
  IotaRawReport report;
  std::set<int> listed;
  std::set<std::string> unknown;
  int line_number = 0;
  for (std::string_view raw_line : Split(list, '\n')) {
    ++line_number;
    const std::string_view line = Trim(raw_line);
    if (line.empty()) continue;
    const std::vector<std::string_view> fields = Split(line, '|');
    const int index = IotaIndexOfReference(Trim(fields[0]));
    if (fields.size() < 3 || index == 0) {
      report.notes.push_back("line " + std::to_string(line_number) + " skipped: " + std::string(line));
      continue;
    }
    const std::string reference = IotaReferenceText(index);
    std::string name = SingleByteName(fields[1]);
    std::string_view list_prefix = Trim(fields[2]);
    if (!listed.insert(index).second) {
      report.notes.push_back(reference + ": the first line is kept, not " + name + " (" +
                             std::string(list_prefix) + ")");
      continue;
    }
    for (const ReferenceOverride& o : kOverrides) {
      if (o.reference != reference) continue;
      report.notes.push_back(reference + ": " + std::string(o.name) + " (" + std::string(o.prefix) +
                             ") instead of " + name + " (" + std::string(list_prefix) + ")");
      name = std::string(o.name);
      list_prefix = o.prefix;
    }
    const std::string prefix = MainPrefixFor(list_prefix, main_prefixes);
    if (prefix.empty()) {
      unknown.insert(std::string(list_prefix));
    } else if (prefix != list_prefix) {
      report.notes.push_back(reference + ": prefix " + std::string(list_prefix) + " filed as " + prefix);
    }
    const std::string fitted = FitIotaName(name);
    if (Trim(fitted) != name) report.notes.push_back(reference + ": name " + name + " shortened");
    report.table.entry(index) =
        IotaEntry{kIotaNotWorked, PadText(prefix, kIotaPrefixLength), fitted, RegionForPrefix(prefix)};
  }
  MarkUnlistedWithdrawn(report, listed);
  report.unknown_prefixes.assign(unknown.begin(), unknown.end());
  return report;
}

}  // namespace brilox
