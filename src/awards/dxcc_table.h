// The operator's DXCC database in memory: one row per tracked entity with its
// paper QSL and LoTW credits per band and mode.  One table lives for the whole
// run; the spot pipeline reads it for every spot, the DXCC window, the imports
// and the start-up checks change it, and dxcc_store.h loads and saves it.
// Window thread only.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace brilox {

inline constexpr int kDxccCapacity = 400;
inline constexpr int kDxccPrefixLength = 4;
inline constexpr int kDxccNameLength = 20;
inline constexpr int kDxccColumnCount = 16;

// Credit states, lowest first.
inline constexpr char kStateNotWorked = '-';
inline constexpr char kStateWorked = 'W';
inline constexpr char kStateConfirmed = 'C';
inline constexpr char kStateCredited = 'A';  // set by the operator only

// The award columns, in the order the DXCC window shows them.
enum class DxccColumn : int {
  kCw = 0, kSsb, kDigital, k160, k80, k60, k40, k30, k20, k17, k15, k12, k10, k6, k2, kSatellite
};
inline constexpr std::array<std::string_view, kDxccColumnCount> kDxccColumnLabels = {
    "CW", "SSB", "DI", "160", "80", "60", "40", "30", "20", "17", "15", "12", "10", "6", "2", "SAT"};

using DxccStates = std::array<char, kDxccColumnCount>;

struct DxccEntry {
  std::string prefix;  // upper case; 4 characters blank-padded once loaded or saved
  std::string name;    // 20 characters blank-padded once loaded; "*" first marks a deleted entity
  DxccStates paper;
  DxccStates lotw;

  char& state(bool lotw_credit, DxccColumn column) {
    return (lotw_credit ? lotw : paper)[static_cast<std::size_t>(column)];
  }
  char paper_state(DxccColumn column) const { return paper[static_cast<std::size_t>(column)]; }
  char lotw_state(DxccColumn column) const { return lotw[static_cast<std::size_t>(column)]; }
  bool IsDeletedEntity() const { return !name.empty() && name.front() == '*'; }
  // An added row whose prefix the operator has not typed yet.
  bool HasBlankPrefix() const { return prefix.empty() || prefix.front() == ' '; }
};

// The new-row template: blank prefix and name, every state "-".
DxccEntry TemplateDxccEntry(std::string_view prefix = "", std::string_view name = "");

// Blank-pads (or cuts) a text to `length` characters.
std::string PadText(std::string_view text, std::size_t length);

// The state shown in the combined view: the higher of the two.
char CombineStates(char paper, char lotw);

// Per-cell change marks of the DXCC window, 18 columns (prefix, name and the
// 16 states), kept with their row so that sorting, adding and deleting carry
// them along.
struct DxccChangeMarks {
  std::bitset<kDxccColumnCount + 2> paper;
  std::bitset<kDxccColumnCount + 2> lotw;
  bool Any() const { return paper.any() || lotw.any(); }
};

enum class DxccCredit { kPaper, kLotw };

class DxccTable {
 public:
  // Rows are numbered from 1, as in the DXCC window's grid.
  int count() const { return static_cast<int>(m_rows.size()); }
  bool full() const { return count() >= kDxccCapacity; }
  DxccEntry& row(int number) { return m_rows[Index(number)].entry; }
  const DxccEntry& row(int number) const { return m_rows[Index(number)].entry; }
  DxccChangeMarks& marks(int number) { return m_rows[Index(number)].marks; }

  // Replaces every row (a load); clears the marks and the pending sort.
  // Refuses more than 400 rows and then changes nothing.
  Status Assign(std::vector<DxccEntry> entries);

  // Inserts `entry` so that it becomes row `position` (1..count + 1) and sets
  // the pending sort.  A full table refuses it and changes nothing.
  Status InsertRow(int position, DxccEntry entry);
  Status AppendRow(DxccEntry entry) { return InsertRow(count() + 1, std::move(entry)); }
  void RemoveRow(int position);

  // `TriABul`: sorts the rows by prefix, byte by byte (a text before a longer
  // one it begins), with the exchange sort whose order the program has always
  // had for equal prefixes.  Marks travel with their rows.
  void TriABul();

  // The first row whose prefix begins with `prefix`, or 0.  On a sorted table
  // the shortest matching prefix wins (K before KG4).
  int FindDxccByPrefixStart(std::string_view prefix) const;
  // The row whose prefix equals `prefix` blank-padded to 4, or count() + 1.
  int FindDxccByExactPrefix(std::string_view prefix) const;

  // Any row whose prefix the operator has not typed yet.
  bool HasRowWithBlankPrefix() const;

  // Sets every state of one kind to "-" and marks every such cell changed.
  void ResetStates(DxccCredit credit);

  bool sort_pending() const { return m_sortPending; }
  void set_sort_pending(bool pending) { m_sortPending = pending; }
  bool AnyChangeMarked() const;
  void ClearChangeMarks();

 private:
  struct Row {
    DxccEntry entry;
    DxccChangeMarks marks;
  };
  std::size_t Index(int number) const;

  std::vector<Row> m_rows;
  bool m_sortPending = false;
};

}  // namespace brilox
