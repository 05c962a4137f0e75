#include "awards/dxcc_table.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace brilox {
namespace {

int StateRank(char state) {
  switch (state) {
    case kStateCredited:
      return 3;
    case kStateConfirmed:
      return 2;
    case kStateWorked:
      return 1;
    default:
      return 0;
  }
}

std::string TrimRight(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return std::string(text);
}

}  // namespace

std::string PadText(std::string_view text, std::size_t length) {
  std::string padded(text.substr(0, length));
  padded.resize(length, ' ');
  return padded;
}

DxccEntry TemplateDxccEntry(std::string_view prefix, std::string_view name) {
  DxccEntry entry;
  entry.prefix = PadText(prefix, kDxccPrefixLength);
  entry.name = PadText(name, kDxccNameLength);
  entry.paper.fill(kStateNotWorked);
  entry.lotw.fill(kStateNotWorked);
  return entry;
}

char CombineStates(char paper, char lotw) {
  const int rank = std::max(StateRank(paper), StateRank(lotw));
  static constexpr char kByRank[] = {kStateNotWorked, kStateWorked, kStateConfirmed, kStateCredited};
  return kByRank[rank];
}

std::size_t DxccTable::Index(int number) const {
  assert(number >= 1 && number <= count());
  return static_cast<std::size_t>(number - 1);
}

Status DxccTable::Assign(std::vector<DxccEntry> entries) {
  if (entries.size() > static_cast<std::size_t>(kDxccCapacity)) {
    return Status::Full("the DXCC database has room for " + std::to_string(kDxccCapacity) + " entities, not " +
                        std::to_string(entries.size()));
  }
  m_rows.clear();
  m_rows.reserve(entries.size());
  for (DxccEntry& entry : entries) m_rows.push_back(Row{std::move(entry), {}});
  m_sortPending = false;
  return Status::Ok();
}

Status DxccTable::InsertRow(int position, DxccEntry entry) {
  assert(position >= 1 && position <= count() + 1);
  if (full()) {
    std::string what = TrimRight(entry.prefix);
    what = what.empty() ? "no row was added" : what + " was not added";
    return Status::Full("The DXCC database is full: it holds " + std::to_string(kDxccCapacity) +
                        " entities, the most it can hold; " + what + ".");
  }
  m_rows.insert(m_rows.begin() + (position - 1), Row{std::move(entry), {}});
  m_sortPending = true;
  return Status::Ok();
}

void DxccTable::RemoveRow(int position) {
  m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(Index(position)));
  m_sortPending = true;
}

void DxccTable::TriABul() {
  const std::size_t n = m_rows.size();
  for (std::size_t i = 0; i + 1 < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (m_rows[i].entry.prefix.compare(m_rows[j].entry.prefix) > 0) std::swap(m_rows[i], m_rows[j]);
    }
  }
}

int DxccTable::FindDxccByPrefixStart(std::string_view prefix) const {
  for (std::size_t i = 0; i < m_rows.size(); ++i) {
    const std::string& row_prefix = m_rows[i].entry.prefix;
    // The first character rules out nearly every row: this runs for every spot.
    if (!prefix.empty() && (row_prefix.empty() || row_prefix.front() != prefix.front())) continue;
    if (std::string_view(row_prefix).substr(0, prefix.size()) == prefix) {
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

int DxccTable::FindDxccByExactPrefix(std::string_view prefix) const {
  const std::string padded = PadText(prefix, kDxccPrefixLength);
  for (std::size_t i = 0; i < m_rows.size(); ++i) {
    if (m_rows[i].entry.prefix == padded) return static_cast<int>(i) + 1;
  }
  return count() + 1;
}

bool DxccTable::HasRowWithBlankPrefix() const {
  for (const Row& row : m_rows) {
    if (row.entry.HasBlankPrefix()) return true;
  }
  return false;
}

void DxccTable::ResetStates(DxccCredit credit) {
  for (Row& row : m_rows) {
    DxccStates& states = credit == DxccCredit::kLotw ? row.entry.lotw : row.entry.paper;
    auto& marks = credit == DxccCredit::kLotw ? row.marks.lotw : row.marks.paper;
    states.fill(kStateNotWorked);
    for (int column = 0; column < kDxccColumnCount; ++column) marks.set(static_cast<std::size_t>(column) + 2);
  }
}

bool DxccTable::AnyChangeMarked() const {
  for (const Row& row : m_rows) {
    if (row.marks.Any()) return true;
  }
  return false;
}

void DxccTable::ClearChangeMarks() {
  for (Row& row : m_rows) row.marks = {};
}

}  // namespace brilox
