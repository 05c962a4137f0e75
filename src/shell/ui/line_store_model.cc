#include "shell/ui/line_store_model.h"

#include <QBrush>
#include <QFontMetrics>
#include <QString>
#include <algorithm>

#include "shell/ui/row_style.h"
#include "spots/row_colours.h"

namespace brilox {

LineStoreModel::LineStoreModel(LineStore& store, WindowId window, const Settings& settings, QObject* parent)
    : QAbstractListModel(parent),
      m_store(store),
      m_window(window),
      m_settings(settings),
      m_rowCount(store.row_count()) {
  ApplySettings();
  m_store.SetObserver(this);
}

LineStoreModel::~LineStoreModel() { m_store.SetObserver(nullptr); }

void LineStoreModel::ApplySettings() {
  m_font = ReceiveFont(m_settings.FontRX);
  const QFontMetrics metrics(m_font);
  m_rowSize = QSize(metrics.horizontalAdvance(QString(m_settings.MaxLineLength, QLatin1Char('X'))) + 5,
                    metrics.height());
  if (m_rowCount > 0) emit dataChanged(index(0), index(m_rowCount - 1));
}

int LineStoreModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rowCount; }

Qt::ItemFlags LineStoreModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  // Editable so that a row can be opened for selecting and copying part of
  // it; setData is not offered, so an edit never changes the row.
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

const std::string& LineStoreModel::RowBytes(int row) const {
  static const std::string kNone;
  if (row < 0 || row >= m_rowCount) return kNone;
  if (row < m_trimmedSinceTake) return m_trimmedRows[static_cast<std::size_t>(row)].text;
  const int at = StoreRow(row);
  return at < m_store.row_count() ? m_store.row(at) : kNone;
}

QString LineStoreModel::DisplayText(int row) const { return RowText(RowBytes(row), m_font); }

RowColours LineStoreModel::RowColoursAt(int row) const {
  std::int32_t tag = 0;
  if (row >= 0 && row < m_trimmedSinceTake && row < m_rowCount) {
    tag = m_trimmedRows[static_cast<std::size_t>(row)].tag;
  } else if (const int at = StoreRow(row); row < m_rowCount && at >= 0 && at < m_store.row_count()) {
    tag = m_store.tag(at);
  }
  return ResolveRowColours(tag, window_colours(), m_settings.Col);
}

QVariant LineStoreModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_rowCount) return {};
  const int row = index.row();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return DisplayText(row);
    case Qt::ForegroundRole:
    case Qt::BackgroundRole: {
      const RowColours colours = RowColoursAt(row);
      return QBrush(ToQColor(role == Qt::ForegroundRole ? colours.font : colours.background));
    }
    case Qt::FontRole:
      return m_font;
    case Qt::SizeHintRole:
      return m_rowSize;
    default:
      return {};
  }
}

int LineStoreModel::TopRow() const {
  return std::clamp(m_store.top_row() + m_trimmedSinceTake, 0, std::max(0, m_rowCount - 1));
}

void LineStoreModel::OperatorMovedTo(int top_row) {
  m_store.SetTopRow(std::max(0, top_row - m_trimmedSinceTake));
  // The end is the end of the rows the view shows: rows still to be taken
  // are followed again as soon as they are.
  m_store.SetScrollHold(top_row < std::max(0, m_rowCount - m_store.visible_rows()));
}

bool LineStoreModel::TakeArrivedRows() {
  if (!m_arrived) return false;
  m_arrived = false;

  const int gone = std::min(m_trimmedSinceTake, m_rowCount);
  if (gone > 0) beginRemoveRows(QModelIndex(), 0, gone - 1);
  m_rowCount -= gone;
  m_trimmedRows.clear();
  m_trimmedSinceTake = 0;
  m_firstRowNumber = m_storeTrimmed;
  if (gone > 0) endRemoveRows();

  if (m_changedFirst >= 0) {
    const auto first = static_cast<int>(std::max<std::int64_t>(m_changedFirst - m_firstRowNumber, 0));
    const auto last =
        static_cast<int>(std::min<std::int64_t>(m_changedLast - m_firstRowNumber, m_rowCount - 1));
    m_changedFirst = m_changedLast = -1;
    if (first <= last) emit dataChanged(index(first), index(last));
  }

  const int count = m_store.row_count();
  if (count > m_rowCount) {
    beginInsertRows(QModelIndex(), m_rowCount, count - 1);
    m_rowCount = count;
    endInsertRows();
  }

  if (m_viewMoved) {
    m_viewMoved = false;
    emit viewMoved();
  }
  return true;
}

void LineStoreModel::NoteArrival() {
  if (m_arrived) return;
  m_arrived = true;
  emit rowsArrived();
}

void LineStoreModel::RowsAboutToBeAdded(int, int) { NoteArrival(); }
void LineStoreModel::RowsAdded() {}

void LineStoreModel::RowsAboutToBeRemoved(int first, int last) {
  if (first > 0) {
    // Only clearing removes rows other than the oldest: the views learn of
    // it at once, after everything that arrived before it.
    (void)TakeArrivedRows();
    m_clearing = true;
    beginRemoveRows(QModelIndex(), first, last);
    return;
  }
  // The oldest rows are trimmed: the views keep them until the next take.
  for (int at = first; at <= last; ++at) {
    if (at + m_trimmedSinceTake >= m_rowCount) break;
    m_trimmedRows.push_back(KeptRow{m_store.row(at), m_store.tag(at)});
  }
  m_trimmedSinceTake += last - first + 1;
  m_storeTrimmed += last - first + 1;
  NoteArrival();
}

void LineStoreModel::RowsRemoved() {
  if (!m_clearing) return;
  m_clearing = false;
  m_rowCount = m_store.row_count();
  endRemoveRows();
}

void LineStoreModel::RowsChanged(int first, int last) {
  const std::int64_t from = m_storeTrimmed + first;
  const std::int64_t to = m_storeTrimmed + last;
  m_changedFirst = m_changedFirst < 0 ? from : std::min(m_changedFirst, from);
  m_changedLast = std::max(m_changedLast, to);
  NoteArrival();
}

void LineStoreModel::ViewMoved() {
  // A move on its own (the operator's keys) reaches the views at once; one
  // that comes with new rows waits for them.
  if (!m_arrived) {
    emit viewMoved();
    return;
  }
  m_viewMoved = true;
}

}  // namespace brilox
