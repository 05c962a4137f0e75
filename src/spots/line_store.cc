#include "spots/line_store.h"

#include <algorithm>

namespace brilox {

LineStore::LineStore(int limit, int max_line_length) : m_rows(1) {
  SetLimit(limit);
  SetMaxLineLength(max_line_length);
}

void LineStore::SetLimit(int rows) { m_limit = std::max(rows, kMinimumLimit); }

// A zero width would never place a character; one column is the least.
void LineStore::SetMaxLineLength(int characters) { m_maxLineLength = std::max(characters, 1); }

void LineStore::NotifyChanged(int first, int last) {
  if (m_observer != nullptr) m_observer->RowsChanged(first, last);
}

template <typename MakeRow>
void LineStore::AddRows(int count, MakeRow make) {
  if (count <= 0) return;
  const int first = row_count();
  if (m_observer != nullptr) m_observer->RowsAboutToBeAdded(first, first + count - 1);
  for (int i = 0; i < count; ++i) m_rows.push_back(make(i));
  if (m_observer != nullptr) m_observer->RowsAdded();
}

int LineStore::PlaceInLastRow(std::string_view text) {
  const std::size_t width = static_cast<std::size_t>(m_maxLineLength);
  const int last_index = row_count() - 1;
  std::string& last = m_rows.back().text;
  if (last.size() + text.size() <= width) {
    last.append(text);
    NotifyChanged(last_index, last_index);
    return 0;
  }
  std::string whole = std::move(last);
  whole.append(text);
  m_rows.back().text.assign(whole, 0, width);
  NotifyChanged(last_index, last_index);
  const int added = static_cast<int>((whole.size() - 1) / width);
  AddRows(added, [&](int i) { return Row{whole.substr(width * static_cast<std::size_t>(i + 1), width), 0}; });
  return added;
}

void LineStore::TagLastRows(int count, std::int32_t tag) {
  const int last = row_count() - 1;
  for (int i = 0; i < count; ++i) m_rows[static_cast<std::size_t>(last - i)].tag = tag;
  NotifyChanged(last - count + 1, last);
}

void LineStore::AppendLine(std::string_view text, std::int32_t wrap_tag) {
  ++m_rowStarts;
  if (m_markedEmpty) {
    m_markedEmpty = false;
    m_rows.back() = Row{};
  } else {
    AddRows(1, [](int) { return Row{}; });
  }
  int added = PlaceInLastRow(text);
  if (added > 0 && wrap_tag != 0) TagLastRows(added + 1, wrap_tag);
  FollowEnd();
}

void LineStore::ContinueLastRow(std::string_view text, std::int32_t wrap_tag) {
  // Text written into the empty row makes it a real row: a later AppendLine
  // must not reuse (and overwrite) it.
  if (!text.empty()) m_markedEmpty = false;
  int added = PlaceInLastRow(text);
  if (wrap_tag != 0) TagLastRows(added + 1, wrap_tag);
  FollowEnd();
}

void LineStore::SetLastRowTag(std::int32_t tag) {
  m_rows.back().tag = tag;
  NotifyChanged(row_count() - 1, row_count() - 1);
}

void LineStore::TrimWindow() {
  if (row_count() <= kTrimStep) return;
  if (m_observer != nullptr) m_observer->RowsAboutToBeRemoved(0, kTrimStep - 1);
  m_rows.erase(m_rows.begin(), m_rows.begin() + kTrimStep);
  if (m_observer != nullptr) m_observer->RowsRemoved();
  MoveTopRow(std::max(0, m_topRow - kTrimStep));
}

void LineStore::TrimToLimit() {
  while (row_count() > m_limit) TrimWindow();
}

void LineStore::Clear() {
  ++m_rowStarts;
  if (row_count() > 1) {
    if (m_observer != nullptr) m_observer->RowsAboutToBeRemoved(1, row_count() - 1);
    m_rows.erase(m_rows.begin() + 1, m_rows.end());
    if (m_observer != nullptr) m_observer->RowsRemoved();
  }
  m_rows.front() = Row{};
  NotifyChanged(0, 0);
  m_markedEmpty = true;
  MoveTopRow(0);
}

void LineStore::SetVisibleRows(int rows) { m_visibleRows = std::max(rows, 1); }

void LineStore::MoveTopRow(int row) {
  if (row == m_topRow) return;
  m_topRow = row;
  if (m_observer != nullptr) m_observer->ViewMoved();
}

void LineStore::SetTopRow(int row) { MoveTopRow(std::clamp(row, 0, row_count() - 1)); }

void LineStore::SetScrollHold(bool hold) {
  if (hold == m_scrollHold) return;
  m_scrollHold = hold;
  if (m_observer != nullptr) m_observer->ViewMoved();
}

int LineStore::EndTopRow() const { return std::max(0, row_count() - m_visibleRows); }

void LineStore::FollowEnd() {
  if (m_shown && !m_scrollHold) MoveTopRow(EndTopRow());
}

void LineStore::ScrollToEnd() { MoveTopRow(EndTopRow()); }

bool LineStore::NearEnd() const { return m_topRow >= row_count() - m_visibleRows - kNearEndRows; }

void LineStore::ReleaseHoldNearEnd() {
  if (m_scrollHold && NearEnd()) {
    ScrollToEnd();
    SetScrollHold(false);
  }
}

}  // namespace brilox
