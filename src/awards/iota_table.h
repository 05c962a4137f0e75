// The operator's IOTA database in memory: one entry per possible IOTA
// reference, 1400 in all, indexed 1..1400 continent by continent (AF first).
// One table lives for the whole run; start-up loads it (iota_file.h), the
// spot check reads it, the IOTA window and the imports change it.  Also the
// arithmetic of references: "EU-005" <-> table index 455, and the order of
// the continents in the files, which differs from the table's.
// Window thread only; the constant data and pure functions on any thread.
#pragma once

#include <array>
#include <cassert>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace brilox {

inline constexpr int kIotaContinentCount = 7;
inline constexpr int kIotaEntryCount = 1400;
inline constexpr std::size_t kIotaPrefixLength = 4;
inline constexpr std::size_t kIotaNameLength = 50;

// Status characters.  The operator sets the first four (same ranking as the
// DXCC states); files may also hold the three others.
inline constexpr char kIotaNotWorked = '-';
inline constexpr char kIotaWorked = 'W';
inline constexpr char kIotaConfirmed = 'C';
inline constexpr char kIotaCredited = 'A';
inline constexpr char kIotaStatusR = 'R';  // read like "-" by the spot check
inline constexpr char kIotaStatusX = 'X';  // read like "W" by the spot check
inline constexpr char kIotaStatusD = 'D';  // never raises an alarm

// Award-region marks.
inline constexpr char kIotaNoRegion = ' ';
inline constexpr char kIotaArcticIslands = 'A';
inline constexpr char kIotaBritishIsles = 'B';
inline constexpr char kIotaWestIndies = 'W';

// One of the seven status characters (upper case only).
bool IsIotaStatus(char status);
// Blank, "A", "B" or "W" (upper case only).
bool IsIotaRegion(char region);

struct IotaEntry {
  char status = kIotaNotWorked;
  std::string dxccPrefix = std::string(kIotaPrefixLength, ' ');  // upper case, blank-padded to 4 once saved
  std::string name = std::string(kIotaNameLength, ' ');          // blank: not issued; "*" first: withdrawn
  char region = kIotaNoRegion;

  bool IsIssued() const { return !name.empty() && name.front() != ' '; }
  bool IsWithdrawn() const { return !name.empty() && name.front() == '*'; }
  bool operator==(const IotaEntry&) const = default;
};

// `IotaContinent`: the seven continents, index 1..7 in the table's order.
struct IotaContinent {
  std::string_view code;
  int capacity;     // the highest possible reference number
  int first_index;  // table index of reference number 1
};
inline constexpr std::array<IotaContinent, kIotaContinentCount> kIotaContinents = {{
    {"AF", 160, 1},
    {"AN", 60, 161},
    {"AS", 230, 221},
    {"EU", 220, 451},
    {"NA", 280, 671},
    {"OC", 330, 951},
    {"SA", 120, 1281},
}};
static_assert(kIotaContinents[6].first_index + kIotaContinents[6].capacity - 1 == kIotaEntryCount);

// The continents in the order of IOTA.DAT and IOTA.RAW (EU first), as
// continent indexes 1..7.  The last issued numbers are kept in this order too.
inline constexpr std::array<int, kIotaContinentCount> kIotaFileContinentOrder = {4, 1, 2, 3, 5, 6, 7};

// `IotaLastNumbers`: per continent, in file order (EU, AF, AN, AS, NA, OC,
// SA), the highest reference number issued so far.
using IotaLastNumbers = std::array<int, kIotaContinentCount>;

// Continent `continent` (1..7); the caller keeps it in range.
const IotaContinent& IotaContinentAt(int continent);
// 1..7 for "AF".."SA" (upper case), else 0.
int IotaContinentOfCode(std::string_view code);
// The continent (1..7) holding table index `index`, else 0.
int IotaContinentOfIndex(int index);
// The table index of reference `number` of `continent`, or 0 when either is
// out of range (EU 5 -> 455, AF 170 -> 0).
int IotaTableIndex(int continent, int number);
// The table index of a reference written "EU-005" (trailing blanks allowed,
// as in the padded link table), or 0 when the text is no such reference.
int IotaIndexOfReference(std::string_view reference);
// "EU-005" for 455; empty when `index` is outside 1..1400.
std::string IotaReferenceText(int index);

// File record (1..1400) <-> table index (1..1400); 0 when out of range.
int IotaFileRecordOfIndex(int index);
int IotaIndexOfFileRecord(int record);

class IotaTable {
 public:
  // Every entry blank: status "-", no prefix, no name, no region.
  IotaTable() : m_entries(kIotaEntryCount) {}

  // Entries are numbered 1..1400; the caller keeps the index in range.
  IotaEntry& entry(int index) { return m_entries[Slot(index)]; }
  const IotaEntry& entry(int index) const { return m_entries[Slot(index)]; }

 private:
  static std::size_t Slot(int index) {
    assert(index >= 1 && index <= kIotaEntryCount);
    return static_cast<std::size_t>(index - 1);
  }
  std::vector<IotaEntry> m_entries;
};

}  // namespace brilox
