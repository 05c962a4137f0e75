// A Qt list model over one window line store: one row per store row, in the
// colours its tag selects and the receive font.  The model never changes a
// row itself.
//
// The store changes with every received line (at a contest's peak a
// thousand a second); the model does not pass each change on.  It notes what
// arrived (rows added at the end, rows trimmed from the front, rows whose
// text or tag changed, the view moving) and hands it to the views in one go
// when its view asks (TakeArrivedRows, on the view's paint tick), so that the
// views lay out and paint once per batch instead of once per line.  Between
// two takes its rows stay where they were: rows already trimmed from the
// store are kept here until the next take, and the texts of the others are
// read from the store, where they do not move.  Clearing the store is passed
// on at once.
// Window thread only.
#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <QSize>
#include <QString>
#include <cstdint>
#include <deque>
#include <string>

#include "core/settings.h"
#include "spots/line_store.h"
#include "spots/row_colours.h"
#include "spots/window_line_stores.h"

namespace brilox {

class LineStoreModel final : public QAbstractListModel, private LineStoreObserver {
  Q_OBJECT

 public:
  // `store` and `settings` must outlive the model.
  LineStoreModel(LineStore& store, WindowId window, const Settings& settings, QObject* parent = nullptr);
  ~LineStoreModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The receive font or the colours changed (options dialog).
  void ApplySettings();

  // Passes what arrived since the last take to the views: the rows trimmed
  // from the front go, changed rows are announced, new rows come, then the
  // view position.  Returns false when nothing had arrived.
  bool TakeArrivedRows();
  bool HasArrivedRows() const { return m_arrived; }

  // Fast access for painting, without QVariant: a row's bytes, the text a
  // view draws for them (the one place that turns row bytes into text), and
  // its colours.
  const std::string& RowBytes(int row) const;
  QString DisplayText(int row) const;
  RowColours RowColoursAt(int row) const;

  // The number of rows ever trimmed before model row 0: model row r is row
  // first_row_number() + r of the window's whole history, so a view can tell
  // which of its pixels still show the same rows after a take.
  std::int64_t first_row_number() const { return m_firstRowNumber; }

  // The store's view position in model rows, and the operator's scrolling
  // written back to the store: the scroll hold is set unless the view is at
  // the end of the rows shown.
  int TopRow() const;
  void OperatorMovedTo(int top_row);

  LineStore& store() const { return m_store; }
  WindowId window() const { return m_window; }
  const QFont& font() const { return m_font; }
  RowColours window_colours() const { return WindowColours(m_window, m_settings.Col); }
  // A row's size: the height of "DX" and MaxLineLength letters "X" plus 5.
  QSize RowSize() const { return m_rowSize; }

 signals:
  // The first change since the last take: a view plans its next take.
  void rowsArrived();
  // The store's top row or scroll hold changed (after the take that brings
  // the rows it refers to).
  void viewMoved();

 private:
  struct KeptRow {
    std::string text;
    std::int32_t tag = 0;
  };

  // The store row that model row `row` shows, or -1 when it was trimmed.
  int StoreRow(int row) const { return row - m_trimmedSinceTake; }
  void NoteArrival();

  void RowsAboutToBeAdded(int first, int last) override;
  void RowsAdded() override;
  void RowsAboutToBeRemoved(int first, int last) override;
  void RowsRemoved() override;
  void RowsChanged(int first, int last) override;
  void ViewMoved() override;

  LineStore& m_store;
  WindowId m_window;
  const Settings& m_settings;
  QFont m_font;
  QSize m_rowSize;

  int m_rowCount = 0;  // rows the views know
  std::int64_t m_firstRowNumber = 0;
  std::int64_t m_storeTrimmed = 0;  // rows ever trimmed from the store
  int m_trimmedSinceTake = 0;
  std::deque<KeptRow> m_trimmedRows;  // model rows 0.. already gone from the store
  bool m_arrived = false;
  bool m_viewMoved = false;
  bool m_clearing = false;
  // Changed rows since the last take, numbered as first_row_number().
  std::int64_t m_changedFirst = -1;
  std::int64_t m_changedLast = -1;
};

}  // namespace brilox
