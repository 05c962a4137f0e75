// A Qt list model over one window line store: one row per store row, in the
// colours its tag selects and the receive font.  It follows the store
// through the store's observer, so every change reaches the views with the
// begin/end calls Qt needs; the model never changes a row itself.
// Window thread only.
#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <QSize>

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

  LineStore& store() const { return m_store; }
  WindowId window() const { return m_window; }
  const QFont& font() const { return m_font; }
  RowColours window_colours() const { return WindowColours(m_window, m_settings.Col); }
  // A row's size: the height of "DX" and MaxLineLength letters "X" plus 5.
  QSize RowSize() const { return m_rowSize; }

 signals:
  // The store's top row or scroll hold changed.
  void viewMoved();

 private:
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
};

}  // namespace brilox
