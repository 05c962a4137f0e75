// The grid of one window line store: draws each row in its tag's colours, 2
// pixels from the left edge, and keeps its scroll position in step with the
// store's view (top row, visible rows, scroll hold).  The store decides where
// the view is; the operator's own scrolling with the mouse or the scroll bar
// is written back to it, setting the scroll hold away from the end and
// clearing it at the end.
//
// Rows are taken from the model on a paint tick, at most kPaintIntervalMs
// apart, and only while the grid is shown: lines arriving faster are painted
// together.  Each row's laid-out text is kept until the row changes or goes;
// a move of the view scrolls the pixels already painted and paints only the
// rows that came into sight.
//
// Rows can be selected (one, or several with Shift and Ctrl) and copied with
// Ctrl+C or the context menu; a double-click or F2 opens the row in a
// read-only field for selecting and copying part of it.
// Window thread only.
#pragma once

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QStaticText>
#include <QTimer>
#include <cstdint>
#include <deque>

#include "shell/ui/line_store_model.h"

class QMenu;

namespace brilox {

class LineGridView final : public QAbstractItemView {
  Q_OBJECT

 public:
  // About 20 paints a second at most, however fast rows arrive.
  static constexpr int kPaintIntervalMs = 50;

  LineGridView(LineStoreModel* model, QWidget* parent = nullptr);

  LineStoreModel* lineModel() const { return m_model; }
  // Takes the row font, size and colours from the model again.
  void ApplyModelStyle();
  // Takes the rows that arrived now instead of at the next paint tick.
  void TakeArrivedRows();
  // Copies the selected rows (the current row when none is selected) to the
  // clipboard, one line each.
  void CopySelectedRows();
  // The menu the grid's context menu shows (Copy).
  QMenu* contextMenu() const { return m_contextMenu; }

  // Typing never jumps to a row: characters belong to the command line.
  void keyboardSearch(const QString&) override {}

  QRect visualRect(const QModelIndex& index) const override;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
  QModelIndex indexAt(const QPoint& point) const override;

 signals:
  // The right button went down on `row` outside the selection (a spot's
  // frequency tunes the transceivers); `x` counts from the row's text.
  void rowRightClicked(int row, int x, Qt::KeyboardModifiers modifiers);

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  int horizontalOffset() const override;
  int verticalOffset() const override;
  bool isIndexHidden(const QModelIndex&) const override { return false; }
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
  QRegion visualRegionForSelection(const QItemSelection& selection) const override;

  void dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                   const QList<int>& roles = QList<int>()) override;
  void rowsInserted(const QModelIndex& parent, int start, int end) override;
  void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
  void reset() override;
  void updateGeometries() override;
  void scrollContentsBy(int dx, int dy) override;

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // The last right-click went to the transceivers, not to the Copy menu.
  bool m_rightClickTuned = false;
  // A row's text laid out once, in the model's font.
  struct ShapedRow {
    QStaticText text;
    bool ready = false;
  };

  int RowHeight() const;
  int RowWidth() const;
  int VisibleRows() const;
  int TopRow() const;
  void RowsArrived();
  void FollowStore();
  void OperatorScrolled(int action);
  // Moves the painted pixels to where the rows they show now are, and marks
  // what that cannot fill for painting.
  void ScrollPaintedRows();
  // Marks rows (numbered as the model's first_row_number) for painting.
  void RepaintRows(std::int64_t first, std::int64_t last);
  const QStaticText& Shaped(int row);
  void ForgetShapedRows();

  LineStoreModel* m_model;
  QMenu* m_contextMenu;
  QTimer m_paintTick;
  QElapsedTimer m_sinceTake;
  bool m_taking = false;
  // The row number (as first_row_number) shown at the top of the painted
  // pixels; -1 when they show nothing that can be kept.
  std::int64_t m_paintedTop = -1;
  // Rows changed during a take, painted after the view moved.
  std::int64_t m_dirtyFirst = -1;
  std::int64_t m_dirtyLast = -1;
  std::deque<ShapedRow> m_shaped;  // one per model row
};

}  // namespace brilox
