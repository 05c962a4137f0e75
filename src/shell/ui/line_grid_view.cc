#include "shell/ui/line_grid_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "shell/ui/row_style.h"

namespace brilox {
namespace {

// The row editor: the row's text in a read-only field where the operator
// selects and copies.  Nothing is written back, so a row never changes.
class RowEditorDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    auto* editor = new QLineEdit(parent);
    editor->setReadOnly(true);
    editor->setFrame(false);
    editor->setFont(index.data(Qt::FontRole).value<QFont>());
    return editor;
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
  }

  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex&) const override {
    editor->setGeometry(option.rect);
  }
};

}  // namespace

LineGridView::LineGridView(LineStoreModel* model, QWidget* parent)
    : QAbstractItemView(parent), m_model(model), m_contextMenu(new QMenu(this)) {
  setModel(model);
  m_shaped.resize(static_cast<std::size_t>(model->rowCount()));
  setItemDelegate(new RowEditorDelegate(this));
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  // The store decides where the view is; a current row never moves it.
  setAutoScroll(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFrameShape(QFrame::NoFrame);
  // Every pixel is painted by paintEvent: the viewport's own background fill
  // would paint the whole grid each time and spoil scrolling the pixels.
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

  m_contextMenu->addAction(tr("Copy"), this, &LineGridView::CopySelectedRows);
  m_paintTick.setSingleShot(true);
  connect(&m_paintTick, &QTimer::timeout, this, &LineGridView::TakeArrivedRows);
  m_sinceTake.start();

  ApplyModelStyle();
  connect(model, &LineStoreModel::viewMoved, this, &LineGridView::FollowStore);
  connect(model, &LineStoreModel::rowsArrived, this, &LineGridView::RowsArrived);
  connect(model, &QAbstractItemModel::rowsRemoved, this, [this] {
    updateGeometries();
    if (!m_taking) ScrollPaintedRows();
  });
  connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, &LineGridView::OperatorScrolled);
}

void LineGridView::ApplyModelStyle() {
  setFont(m_model->font());
  // Below and beside the rows the grid shows the window's own background.
  QPalette colours = palette();
  const RowColours window = m_model->window_colours();
  colours.setColor(QPalette::Base, ToQColor(window.background));
  colours.setColor(QPalette::Text, ToQColor(window.font));
  setPalette(colours);
  ForgetShapedRows();
  m_paintedTop = -1;
  updateGeometries();
  viewport()->update();
}

int LineGridView::RowHeight() const { return std::max(1, m_model->RowSize().height()); }
// A row spans the grid's width, or its column's when that is wider.
int LineGridView::RowWidth() const { return std::max(m_model->RowSize().width(), viewport()->width()); }
int LineGridView::VisibleRows() const { return std::max(1, viewport()->height() / RowHeight()); }
int LineGridView::TopRow() const { return verticalScrollBar()->value(); }

// Taking rows.

void LineGridView::RowsArrived() {
  if (!isVisible() || m_paintTick.isActive()) return;
  m_paintTick.start(static_cast<int>(std::max<qint64>(0, kPaintIntervalMs - m_sinceTake.elapsed())));
}

void LineGridView::TakeArrivedRows() {
  m_paintTick.stop();
  m_sinceTake.restart();
  // The rows' changes are noted during the take and painted once the view
  // has moved, so that nothing is painted at a place the scroll moves.
  m_taking = true;
  const bool took = m_model->TakeArrivedRows();
  m_taking = false;
  if (!took) return;
  ScrollPaintedRows();
  if (m_dirtyFirst >= 0) {
    const std::int64_t first = m_dirtyFirst;
    const std::int64_t last = m_dirtyLast;
    m_dirtyFirst = m_dirtyLast = -1;
    RepaintRows(first, last);
  }
}

void LineGridView::showEvent(QShowEvent* event) {
  QAbstractItemView::showEvent(event);
  TakeArrivedRows();
}

void LineGridView::FollowStore() {
  QScrollBar* bar = verticalScrollBar();
  const int top = m_model->TopRow();
  if (bar->value() != top) bar->setValue(top);
}

void LineGridView::OperatorScrolled(int action) {
  if (action == QAbstractSlider::SliderNoAction) return;
  // The slider already holds the new position; the value follows.
  m_model->OperatorMovedTo(verticalScrollBar()->sliderPosition());
}

// What the model says.

void LineGridView::rowsInserted(const QModelIndex& parent, int start, int end) {
  m_shaped.insert(m_shaped.begin() + start, static_cast<std::size_t>(end - start + 1), ShapedRow{});
  QAbstractItemView::rowsInserted(parent, start, end);
  updateGeometries();
  RepaintRows(m_model->first_row_number() + start, m_model->first_row_number() + end);
}

void LineGridView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
  QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
  m_shaped.erase(m_shaped.begin() + start, m_shaped.begin() + end + 1);
  if (start > 0) {
    // The window was cleared: nothing painted stays.
    ForgetShapedRows();
    m_paintedTop = -1;
    viewport()->update();
  }
}

void LineGridView::dataChanged(const QModelIndex& top_left, const QModelIndex& bottom_right,
                               const QList<int>&) {
  if (!top_left.isValid() || !bottom_right.isValid()) return;
  const int last = std::min(bottom_right.row(), static_cast<int>(m_shaped.size()) - 1);
  for (int row = top_left.row(); row <= last; ++row) {
    m_shaped[static_cast<std::size_t>(row)] = ShapedRow{};
  }
  RepaintRows(m_model->first_row_number() + top_left.row(), m_model->first_row_number() + bottom_right.row());
}

void LineGridView::reset() {
  m_shaped.assign(static_cast<std::size_t>(m_model->rowCount()), ShapedRow{});
  m_paintedTop = -1;
  QAbstractItemView::reset();
}

void LineGridView::ForgetShapedRows() {
  for (ShapedRow& row : m_shaped) row = ShapedRow{};
}

// Scrolling and painting.

void LineGridView::updateGeometries() {
  const int visible = VisibleRows();
  LineStore& store = m_model->store();
  if (store.visible_rows() != visible) {
    store.SetVisibleRows(visible);
    // A view that follows its end keeps following it when its height changes.
    store.FollowEnd();
  }
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, std::max(0, m_model->rowCount() - visible));
  bar->setPageStep(visible);
  bar->setSingleStep(1);
  QScrollBar* across = horizontalScrollBar();
  across->setRange(0, std::max(0, m_model->RowSize().width() - viewport()->width()));
  across->setPageStep(viewport()->width());
  across->setSingleStep(std::max(1, fontMetrics().averageCharWidth()));
  FollowStore();
  QAbstractItemView::updateGeometries();
}

void LineGridView::resizeEvent(QResizeEvent* event) {
  QAbstractItemView::resizeEvent(event);
  updateGeometries();
}

void LineGridView::scrollContentsBy(int dx, int dy) {
  if (dx != 0) viewport()->scroll(dx, 0);
  // The scroll bar counts rows; the pixels move by what the rows on show
  // really moved, trimmed rows included.
  if (dy != 0 && !m_taking) ScrollPaintedRows();
}

void LineGridView::ScrollPaintedRows() {
  const std::int64_t top = m_model->first_row_number() + TopRow();
  if (top == m_paintedTop) return;
  const std::int64_t moved = top - m_paintedTop;
  if (m_paintedTop >= 0 && moved > -VisibleRows() - 1 && moved < VisibleRows() + 1) {
    viewport()->scroll(0, static_cast<int>(-moved) * RowHeight());
  } else {
    viewport()->update();
  }
  m_paintedTop = top;
}

void LineGridView::RepaintRows(std::int64_t first, std::int64_t last) {
  if (m_taking) {
    m_dirtyFirst = m_dirtyFirst < 0 ? first : std::min(m_dirtyFirst, first);
    m_dirtyLast = std::max(m_dirtyLast, last);
    return;
  }
  const std::int64_t top = m_model->first_row_number() + TopRow();
  // The row under the last whole one shows in part.
  const auto from = static_cast<int>(std::max<std::int64_t>(first - top, 0));
  const auto to = static_cast<int>(std::min<std::int64_t>(last - top, VisibleRows()));
  if (from > to) return;
  const int height = RowHeight();
  viewport()->update(QRect(0, from * height, viewport()->width(), (to - from + 1) * height));
}

const QStaticText& LineGridView::Shaped(int row) {
  if (static_cast<std::size_t>(row) >= m_shaped.size()) m_shaped.resize(static_cast<std::size_t>(row) + 1);
  ShapedRow& shaped = m_shaped[static_cast<std::size_t>(row)];
  if (!shaped.ready) {
    shaped.text.setTextFormat(Qt::PlainText);
    shaped.text.setText(m_model->DisplayText(row));
    shaped.text.prepare(QTransform(), m_model->font());
    shaped.ready = true;
  }
  return shaped.text;
}

// Draws the rows the event asks for, each with one fill for its background
// and its laid-out text, then the window's background beside and below them.
void LineGridView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect area = event->rect();
  const int height = RowHeight();
  const int left = -horizontalOffset();
  const int width = RowWidth();
  const int top = TopRow();
  const int rows = m_model->rowCount();
  const int first = top + std::max(0, area.top()) / height;
  const int last = std::min(rows - 1, top + std::max(0, area.bottom()) / height);
  const QItemSelectionModel* selection = selectionModel();
  const QColor highlight = palette().color(QPalette::Highlight);
  const QColor highlighted_text = palette().color(QPalette::HighlightedText);

  painter.setFont(m_model->font());
  for (int row = first; row <= last; ++row) {
    const QRect rect(left, (row - top) * height, width, height);
    QColor background = highlight;
    QColor text = highlighted_text;
    if (selection == nullptr || !selection->isRowSelected(row, rootIndex())) {
      const RowColours colours = m_model->RowColoursAt(row);
      background = ToQColor(colours.background);
      text = ToQColor(colours.font);
    }
    painter.fillRect(rect, background);
    painter.setPen(text);
    painter.drawStaticText(left + 2, rect.top(), Shaped(row));
  }
  const QRegion rest = QRegion(area) - QRect(left, 0, width, std::max(0, rows - top) * height);
  const QColor window = ToQColor(m_model->window_colours().background);
  for (const QRect& rect : rest) painter.fillRect(rect, window);
  m_paintedTop = m_model->first_row_number() + top;
}

// Geometry of the rows, for selection, editors and the mouse.

QRect LineGridView::visualRect(const QModelIndex& index) const {
  if (!index.isValid()) return {};
  return QRect(-horizontalOffset(), (index.row() - TopRow()) * RowHeight(), RowWidth(), RowHeight());
}

QModelIndex LineGridView::indexAt(const QPoint& point) const {
  if (point.y() < 0) return {};
  const int row = TopRow() + point.y() / RowHeight();
  return row < m_model->rowCount() ? m_model->index(row) : QModelIndex();
}

void LineGridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
  if (!index.isValid()) return;
  const int row = index.row();
  const int top = TopRow();
  const int visible = VisibleRows();
  int target = top;
  switch (hint) {
    case PositionAtTop:
      target = row;
      break;
    case PositionAtBottom:
      target = row - visible + 1;
      break;
    case PositionAtCenter:
      target = row - visible / 2;
      break;
    case EnsureVisible:
      if (row < top) target = row;
      if (row >= top + visible) target = row - visible + 1;
      break;
  }
  target = std::clamp(target, 0, verticalScrollBar()->maximum());
  if (target == top) return;
  m_model->OperatorMovedTo(target);
  FollowStore();
}

int LineGridView::horizontalOffset() const { return horizontalScrollBar()->value(); }
int LineGridView::verticalOffset() const { return TopRow() * RowHeight(); }

QModelIndex LineGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
  const int rows = m_model->rowCount();
  if (rows == 0) return {};
  const QModelIndex current = currentIndex();
  int row = current.isValid() ? current.row() : TopRow();
  switch (action) {
    case MoveUp:
    case MovePrevious:
      --row;
      break;
    case MoveDown:
    case MoveNext:
      ++row;
      break;
    case MovePageUp:
      row -= std::max(1, VisibleRows() - 1);
      break;
    case MovePageDown:
      row += std::max(1, VisibleRows() - 1);
      break;
    case MoveHome:
      row = 0;
      break;
    case MoveEnd:
      row = rows - 1;
      break;
    default:
      break;
  }
  return m_model->index(std::clamp(row, 0, rows - 1));
}

void LineGridView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
  const QRect area = rect.normalized();
  const int first = std::max(0, TopRow() + std::max(0, area.top()) / RowHeight());
  const int last = std::min(m_model->rowCount() - 1, TopRow() + std::max(0, area.bottom()) / RowHeight());
  if (first > last) {
    selectionModel()->select(QItemSelection(), command);
    return;
  }
  selectionModel()->select(QItemSelection(m_model->index(first), m_model->index(last)), command);
}

QRegion LineGridView::visualRegionForSelection(const QItemSelection& selection) const {
  QRegion region;
  const int top = TopRow();
  const int height = RowHeight();
  for (const QItemSelectionRange& range : selection) {
    const int from = std::max(range.top(), top);
    const int to = std::min(range.bottom(), top + VisibleRows());
    if (from <= to) region += QRect(0, (from - top) * height, viewport()->width(), (to - from + 1) * height);
  }
  return region;
}

// Copying.

void LineGridView::CopySelectedRows() {
  QModelIndexList rows = selectionModel()->selectedRows();
  std::sort(rows.begin(), rows.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  if (rows.isEmpty() && currentIndex().isValid()) rows.append(currentIndex());
  if (rows.isEmpty()) return;
  QStringList lines;
  for (const QModelIndex& row : rows) lines.append(row.data(Qt::DisplayRole).toString());
  QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void LineGridView::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Copy) {
    CopySelectedRows();
    event->accept();
    return;
  }
  QAbstractItemView::keyPressEvent(event);
}

// A right-click on a selected row opens the Copy menu; anywhere else it is
// the operator's tuning click and leaves the selection as it was.
void LineGridView::mousePressEvent(QMouseEvent* event) {
  m_rightClickTuned = false;
  if (event->button() == Qt::RightButton) {
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    if (index.isValid() && !selectionModel()->isRowSelected(index.row(), rootIndex())) {
      m_rightClickTuned = true;
      // Rows are drawn 2 pixels in and may be scrolled sideways.
      emit rowRightClicked(index.row(), at.x() + horizontalOffset() - 2, event->modifiers());
    }
    event->accept();
    return;
  }
  QAbstractItemView::mousePressEvent(event);
}

void LineGridView::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() == QContextMenuEvent::Mouse && m_rightClickTuned) {
    m_rightClickTuned = false;
    event->accept();
    return;
  }
  const bool something = selectionModel()->hasSelection() || currentIndex().isValid();
  m_contextMenu->actions().front()->setEnabled(something);
  // popup, not exec: the window thread never waits in a menu of its own.
  m_contextMenu->popup(event->globalPos());
  event->accept();
}

}  // namespace brilox
