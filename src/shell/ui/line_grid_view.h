// The grid of one window line store: a list view over its model that draws
// each row in its tag's colours, 2 pixels from the left edge, and keeps its
// scroll position in step with the store's view (top row, visible rows,
// scroll hold).  The store decides where the view is; the operator's own
// scrolling with the mouse or the scroll bar is written back to it, setting
// the scroll hold away from the end and clearing it at the end.
// Window thread only.
#pragma once

#include <QListView>

#include "shell/ui/line_store_model.h"

namespace brilox {

class LineGridView final : public QListView {
  Q_OBJECT

 public:
  LineGridView(LineStoreModel* model, QWidget* parent = nullptr);

  LineStoreModel* lineModel() const { return m_model; }
  // Takes the row font, size and colours from the model again.
  void ApplyModelStyle();

  // Typing never jumps to a row: characters belong to the command line.
  void keyboardSearch(const QString&) override {}

 signals:
  // The right button went down on `row`; `x` counts from the row's text.
  void rowRightClicked(int row, int x, Qt::KeyboardModifiers modifiers);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void updateGeometries() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FollowStore();
  void OperatorScrolled(int action);

  LineStoreModel* m_model;
};

}  // namespace brilox
