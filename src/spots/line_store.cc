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

int LineStore::PlaceInLastRow(std::string_view text) {
  const std::size_t width = static_cast<std::size_t>(m_maxLineLength);
  std::string& last = m_rows.back().text;
  if (last.size() + text.size() <= width) {
    last.append(text);
    return 0;
  }
  std::string whole = std::move(last);
  whole.append(text);
  m_rows.back().text.assign(whole, 0, width);
  int added = 0;
  for (std::size_t at = width; at < whole.size(); at += width) {
    m_rows.push_back(Row{whole.substr(at, width), 0});
    ++added;
  }
  return added;
}

void LineStore::AppendLine(std::string_view text, std::int32_t wrap_tag) {
  if (m_markedEmpty) {
    m_markedEmpty = false;
    m_rows.back() = Row{};
  } else {
    m_rows.push_back(Row{});
  }
  int added = PlaceInLastRow(text);
  if (added > 0 && wrap_tag != 0) {
    for (int i = 0; i <= added; ++i) m_rows[m_rows.size() - 1 - static_cast<std::size_t>(i)].tag = wrap_tag;
  }
  FollowEnd();
}

void LineStore::ContinueLastRow(std::string_view text, std::int32_t wrap_tag) {
  // Text written into the empty row makes it a real row: a later AppendLine
  // must not reuse (and overwrite) it.
  if (!text.empty()) m_markedEmpty = false;
  int added = PlaceInLastRow(text);
  if (wrap_tag != 0) {
    for (int i = 0; i <= added; ++i) m_rows[m_rows.size() - 1 - static_cast<std::size_t>(i)].tag = wrap_tag;
  }
  FollowEnd();
}

void LineStore::SetLastRowTag(std::int32_t tag) { m_rows.back().tag = tag; }

void LineStore::TrimWindow() {
  if (row_count() <= kTrimStep) return;
  m_rows.erase(m_rows.begin(), m_rows.begin() + kTrimStep);
  m_topRow = std::max(0, m_topRow - kTrimStep);
}

void LineStore::TrimToLimit() {
  while (row_count() > m_limit) TrimWindow();
}

void LineStore::Clear() {
  m_rows.clear();
  m_rows.emplace_back();
  m_markedEmpty = true;
  m_topRow = 0;
}

void LineStore::SetVisibleRows(int rows) { m_visibleRows = std::max(rows, 1); }

void LineStore::SetTopRow(int row) { m_topRow = std::clamp(row, 0, row_count() - 1); }

int LineStore::EndTopRow() const { return std::max(0, row_count() - m_visibleRows); }

void LineStore::FollowEnd() {
  if (m_shown && !m_scrollHold) m_topRow = EndTopRow();
}

void LineStore::ScrollToEnd() { m_topRow = EndTopRow(); }

bool LineStore::NearEnd() const { return m_topRow >= row_count() - m_visibleRows - kNearEndRows; }

void LineStore::ReleaseHoldNearEnd() {
  if (m_scrollHold && NearEnd()) {
    ScrollToEnd();
    m_scrollHold = false;
  }
}

}  // namespace brilox
