// The change notifications of a line store: an observer that keeps its own
// copy of the rows from nothing but the notifications must end with the
// store's rows, and the about-to calls must come while the store still has
// its old row count, as a Qt model requires.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "spots/line_store.h"

namespace brilox {
namespace {

struct MirrorRow {
  std::string text;
  std::int32_t tag = 0;
  bool operator==(const MirrorRow&) const = default;
};

class MirrorObserver final : public LineStoreObserver {
 public:
  explicit MirrorObserver(const LineStore& store) : m_store(store) {
    for (int i = 0; i < store.row_count(); ++i) m_rows.push_back({store.row(i), store.tag(i)});
  }

  void RowsAboutToBeAdded(int first, int last) override {
    EXPECT_EQ(first, m_store.row_count()) << "rows are added at the end, before they exist";
    EXPECT_EQ(static_cast<int>(m_rows.size()), m_store.row_count());
    m_pendingFirst = first;
    m_pendingLast = last;
  }
  void RowsAdded() override {
    ASSERT_EQ(m_store.row_count(), m_pendingLast + 1);
    for (int i = m_pendingFirst; i <= m_pendingLast; ++i) m_rows.push_back({m_store.row(i), m_store.tag(i)});
  }
  void RowsAboutToBeRemoved(int first, int last) override {
    EXPECT_EQ(static_cast<int>(m_rows.size()), m_store.row_count()) << "the rows are still there";
    m_pendingFirst = first;
    m_pendingLast = last;
  }
  void RowsRemoved() override {
    m_rows.erase(m_rows.begin() + m_pendingFirst, m_rows.begin() + m_pendingLast + 1);
    EXPECT_EQ(static_cast<int>(m_rows.size()), m_store.row_count());
  }
  void RowsChanged(int first, int last) override {
    ASSERT_LE(0, first);
    ASSERT_LT(last, m_store.row_count());
    for (int i = first; i <= last; ++i)
      m_rows[static_cast<std::size_t>(i)] = {m_store.row(i), m_store.tag(i)};
  }
  void ViewMoved() override { ++m_viewMoves; }

  const std::vector<MirrorRow>& rows() const { return m_rows; }
  int view_moves() const { return m_viewMoves; }

 private:
  const LineStore& m_store;
  std::vector<MirrorRow> m_rows;
  int m_pendingFirst = 0;
  int m_pendingLast = -1;
  int m_viewMoves = 0;
};

std::vector<MirrorRow> RowsOf(const LineStore& store) {
  std::vector<MirrorRow> rows;
  for (int i = 0; i < store.row_count(); ++i) rows.push_back({store.row(i), store.tag(i)});
  return rows;
}

TEST(LineStoreObserver, MirrorFollowsEveryKindOfChange) {
  LineStore store(100, 20);
  MirrorObserver mirror(store);
  store.SetObserver(&mirror);

  store.AppendLine("first line");  // into the empty row
  EXPECT_EQ(mirror.rows(), RowsOf(store));
  store.AppendLine(std::string(50, 'a'), 21);  // three rows, all tagged
  store.ContinueLastRow(" L?");
  store.ContinueLastRow(std::string(45, 'b'), 22);
  store.SetLastRowTag(4);
  EXPECT_EQ(mirror.rows(), RowsOf(store));

  for (int i = 0; i < 150; ++i) {
    store.AppendLine("line " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 30), '.'));
    store.TrimToLimit();
  }
  EXPECT_EQ(mirror.rows(), RowsOf(store));
  EXPECT_LE(store.row_count(), 100);

  store.Clear();
  EXPECT_EQ(mirror.rows(), RowsOf(store));
  store.AppendLine("after clear");
  EXPECT_EQ(mirror.rows(), RowsOf(store));
  EXPECT_EQ(store.row_count(), 1);
}

TEST(LineStoreObserver, ViewMovesAreReportedOnlyWhenTheViewChanges) {
  LineStore store(100, 83);
  store.SetVisibleRows(5);
  store.SetShown(true);
  MirrorObserver mirror(store);
  store.SetObserver(&mirror);

  for (int i = 0; i < 5; ++i) store.AppendLine("fits");
  EXPECT_EQ(mirror.view_moves(), 0) << "five rows fit: the top row stays 0";
  store.AppendLine("scrolls");
  EXPECT_EQ(mirror.view_moves(), 1);
  store.SetScrollHold(true);
  store.SetScrollHold(true);
  EXPECT_EQ(mirror.view_moves(), 2);
  store.AppendLine("held");
  EXPECT_EQ(mirror.view_moves(), 2);
  store.SetTopRow(store.top_row());
  EXPECT_EQ(mirror.view_moves(), 2);

  store.SetObserver(nullptr);
  store.AppendLine("detached");
  EXPECT_EQ(mirror.view_moves(), 2);
}

}  // namespace
}  // namespace brilox
