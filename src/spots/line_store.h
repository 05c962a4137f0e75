// LineStore: the rows of one scrolling text window (a terminal window, the
// DX, alarm or LoTW window) with one colour tag per row, and the plain model
// of its view: the top row, how many rows fit, whether the window is shown and
// whether the operator holds it away from its end.  The Qt view reads the rows
// and sets the view values; it never changes rows itself.
// Window thread only.
//
// Memory: a row holds at most max_line_length() characters, and callers trim
// (TrimToLimit) after every addition, so a store never keeps much more than
// limit() rows whatever arrives.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace brilox {

// Told of every change to a store, in the order a Qt item model needs it:
// before and after rows come or go, after texts or tags change, after the
// view (top row, scroll hold) moved.  Row numbers are those of the store at
// the moment of the call.
class LineStoreObserver {
 public:
  virtual ~LineStoreObserver() = default;
  virtual void RowsAboutToBeAdded(int first, int last) = 0;
  virtual void RowsAdded() = 0;
  virtual void RowsAboutToBeRemoved(int first, int last) = 0;
  virtual void RowsRemoved() = 0;
  virtual void RowsChanged(int first, int last) = 0;
  virtual void ViewMoved() = 0;
};

class LineStore {
 public:
  // The oldest rows are dropped this many at a time.
  static constexpr int kTrimStep = 10;
  // A limit below one packed step of the settings would make every line trim;
  // such a setting keeps this many rows instead.
  static constexpr int kMinimumLimit = 100;
  // The view follows again once the operator is this close to the end.
  static constexpr int kNearEndRows = 3;

  LineStore(int limit = 1000, int max_line_length = 83);

  void SetLimit(int rows);
  void SetMaxLineLength(int characters);
  int limit() const { return m_limit; }
  int max_line_length() const { return m_maxLineLength; }

  // Rows, row 0 the oldest.  A new store holds one empty row and is marked
  // empty; the first line goes into that row.
  int row_count() const { return static_cast<int>(m_rows.size()); }
  bool marked_empty() const { return m_markedEmpty; }
  const std::string& row(int index) const { return m_rows[static_cast<std::size_t>(index)].text; }
  std::int32_t tag(int index) const { return m_rows[static_cast<std::size_t>(index)].tag; }

  // Adds a line, cut into rows of max_line_length() characters.  When it
  // spills over several rows and `wrap_tag` is not 0, every one of them gets
  // that tag.  Then FollowEnd.
  void AppendLine(std::string_view text, std::int32_t wrap_tag = 0);
  // Appends `text` to the last row, spilling into new rows as AppendLine does;
  // a non-zero `wrap_tag` goes to the last row and to every row added.
  void ContinueLastRow(std::string_view text, std::int32_t wrap_tag = 0);
  void SetLastRowTag(std::int32_t tag);
  // Drops the kTrimStep oldest rows (when there are more than that) and moves
  // the view up with them.
  void TrimWindow();
  // TrimWindow as often as needed to come back within limit().
  void TrimToLimit();
  // Back to one empty row, marked empty; the view returns to the top.
  void Clear();
  // Grows with every AppendLine and Clear: a writer that left its last row
  // open (a prompt without a line end) sees whether someone else has added
  // a row since, so that it never continues a row that is not its own.
  std::uint64_t row_starts() const { return m_rowStarts; }

  // One observer at a time (the window's model); nullptr detaches it.  The
  // observer must outlive the store or detach first.
  void SetObserver(LineStoreObserver* observer) { m_observer = observer; }

  // View model.
  void SetShown(bool shown) { m_shown = shown; }
  bool shown() const { return m_shown; }
  void SetVisibleRows(int rows);
  int visible_rows() const { return m_visibleRows; }
  void SetTopRow(int row);
  int top_row() const { return m_topRow; }
  void SetScrollHold(bool hold);
  bool scroll_hold() const { return m_scrollHold; }
  // The top row that shows the last row at the bottom.
  int EndTopRow() const;

  // Scrolls so that the last row is at the bottom, when the window is shown
  // and not held.
  void FollowEnd();
  void ScrollToEnd();
  // The top row is within kNearEndRows of the end position.
  bool NearEnd() const;
  // The operator came back close to the end: the view follows again.
  void ReleaseHoldNearEnd();

 private:
  struct Row {
    std::string text;
    std::int32_t tag = 0;
  };

  // Puts `text` into the last row and, beyond max_line_length(), into new
  // rows; returns how many rows were added.
  int PlaceInLastRow(std::string_view text);
  // Adds `count` rows at the end, each made by `make(i)`, telling the observer.
  template <typename MakeRow>
  void AddRows(int count, MakeRow make);
  void TagLastRows(int count, std::int32_t tag);
  void MoveTopRow(int row);
  void NotifyChanged(int first, int last);

  std::deque<Row> m_rows;
  bool m_markedEmpty = true;
  std::uint64_t m_rowStarts = 0;
  int m_limit;
  int m_maxLineLength;

  bool m_shown = false;
  bool m_scrollHold = false;
  int m_visibleRows = 25;
  int m_topRow = 0;

  LineStoreObserver* m_observer = nullptr;
};

}  // namespace brilox
