#include "shell/ui/line_grid_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "shell/ui/row_style.h"

namespace brilox {
namespace {

// Paints a row as the window line stores draw it: its background, then its
// text in its font colour, 2 pixels in.  The selected row is highlighted.
class RowDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QBrush background = index.data(Qt::BackgroundRole).value<QBrush>();
    QBrush foreground = index.data(Qt::ForegroundRole).value<QBrush>();
    if (option.state & QStyle::State_Selected) {
      background = option.palette.highlight();
      foreground = option.palette.highlightedText();
    }
    painter->fillRect(option.rect, background);
    painter->setPen(foreground.color());
    painter->setFont(index.data(Qt::FontRole).value<QFont>());
    painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
  }

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
    return index.data(Qt::SizeHintRole).toSize();
  }
};

}  // namespace

LineGridView::LineGridView(LineStoreModel* model, QWidget* parent) : QListView(parent), m_model(model) {
  setModel(model);
  setItemDelegate(new RowDelegate(this));
  setUniformItemSizes(true);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFrameShape(QFrame::NoFrame);
  ApplyModelStyle();
  connect(model, &LineStoreModel::viewMoved, this, &LineGridView::FollowStore);
  connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, &LineGridView::OperatorScrolled);
}

void LineGridView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    // Rows are drawn 2 pixels in and may be scrolled sideways.
    if (index.isValid()) {
      emit rowRightClicked(index.row(), at.x() + horizontalOffset() - 2, event->modifiers());
    }
  }
  QListView::mousePressEvent(event);
}

void LineGridView::ApplyModelStyle() {
  setFont(m_model->font());
  // Below the last row the grid shows the window's own background.
  QPalette colours = palette();
  const RowColours window = m_model->window_colours();
  colours.setColor(QPalette::Base, ToQColor(window.background));
  colours.setColor(QPalette::Text, ToQColor(window.font));
  setPalette(colours);
}

void LineGridView::updateGeometries() {
  QListView::updateGeometries();
  FollowStore();
}

void LineGridView::resizeEvent(QResizeEvent* event) {
  QListView::resizeEvent(event);
  const int row_height = std::max(1, m_model->RowSize().height());
  m_model->store().SetVisibleRows(std::max(1, viewport()->height() / row_height));
}

void LineGridView::FollowStore() {
  QScrollBar* bar = verticalScrollBar();
  const int top = m_model->store().top_row();
  if (bar->value() != top) bar->setValue(top);
}

void LineGridView::OperatorScrolled(int action) {
  if (action == QAbstractSlider::SliderNoAction) return;
  LineStore& store = m_model->store();
  // The slider already holds the new position; the value follows.
  store.SetTopRow(verticalScrollBar()->sliderPosition());
  store.SetScrollHold(store.top_row() < store.EndTopRow());
}

}  // namespace brilox
