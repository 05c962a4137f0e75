#include "shell/ui/line_store_model.h"

#include <QBrush>
#include <QFontMetrics>
#include <QString>

#include "shell/ui/row_style.h"
#include "spots/row_colours.h"

namespace brilox {

LineStoreModel::LineStoreModel(LineStore& store, WindowId window, const Settings& settings, QObject* parent)
    : QAbstractListModel(parent), m_store(store), m_window(window), m_settings(settings) {
  ApplySettings();
  m_store.SetObserver(this);
}

LineStoreModel::~LineStoreModel() { m_store.SetObserver(nullptr); }

void LineStoreModel::ApplySettings() {
  m_font = ReceiveFont(m_settings.FontRX);
  const QFontMetrics metrics(m_font);
  m_rowSize = QSize(metrics.horizontalAdvance(QString(m_settings.MaxLineLength, QLatin1Char('X'))) + 5,
                    metrics.height());
  if (m_store.row_count() > 0) emit dataChanged(index(0), index(m_store.row_count() - 1));
}

int LineStoreModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_store.row_count();
}

Qt::ItemFlags LineStoreModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QVariant LineStoreModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_store.row_count()) return {};
  const int row = index.row();
  switch (role) {
    case Qt::DisplayRole: {
      return RowText(m_store.row(row), m_font);
    }
    case Qt::ForegroundRole:
    case Qt::BackgroundRole: {
      const RowColours colours =
          ResolveRowColours(m_store.tag(row), WindowColours(m_window, m_settings.Col), m_settings.Col);
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

void LineStoreModel::RowsAboutToBeAdded(int first, int last) { beginInsertRows(QModelIndex(), first, last); }
void LineStoreModel::RowsAdded() { endInsertRows(); }
void LineStoreModel::RowsAboutToBeRemoved(int first, int last) {
  beginRemoveRows(QModelIndex(), first, last);
}
void LineStoreModel::RowsRemoved() { endRemoveRows(); }
void LineStoreModel::RowsChanged(int first, int last) { emit dataChanged(index(first), index(last)); }
void LineStoreModel::ViewMoved() { emit viewMoved(); }

}  // namespace brilox
