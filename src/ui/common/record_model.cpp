#include "ui/common/record_model.h"

#include <QApplication>
#include <QFont>

#include "ui/common/item_roles.h"

namespace absence::ui {

TRecordTableModel::TRecordTableModel(const QStringList& captions, QObject* parent)
    : QAbstractTableModel(parent), captions_(captions) {}

void TRecordTableModel::SetRows(std::vector<TRecordRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int64_t TRecordTableModel::RowID(int row) const {
  return row >= 0 && row < rowCount() ? rows_[static_cast<std::size_t>(row)].Id : 0;
}

int TRecordTableModel::RowOf(int64_t id) const {
  for (std::size_t row = 0; row < rows_.size(); ++row)
    if (rows_[row].Id == id) return static_cast<int>(row);
  return -1;
}

void TRecordTableModel::SetColumnAlignment(int column, Qt::Alignment alignment) {
  if (column < 0) return;
  if (alignments_.size() <= column) alignments_.resize(column + 1, Qt::AlignLeft);
  alignments_[column] = alignment & Qt::AlignHorizontal_Mask;
  if (!rows_.empty())
    emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::TextAlignmentRole});
}

Qt::Alignment TRecordTableModel::ColumnAlignment(int column) const {
  return column >= 0 && column < alignments_.size() ? alignments_[column] : Qt::AlignLeft;
}

int TRecordTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TRecordTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant TRecordTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const TRecordRow& row = rows_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return row.Cells.value(index.column());
    case Qt::FontRole: {
      QFont font = QApplication::font();
      font.setBold(row.Modified);
      return font;
    }
    case Qt::TextAlignmentRole:
      return static_cast<int>(ColumnAlignment(index.column()) | Qt::AlignVCenter);
    case Qt::DecorationRole:
      return index.column() == row.IconColumn && !row.Icon.isNull() ? QVariant(row.Icon)
                                                                    : QVariant();
    case kRecordIdRole:
      return QVariant::fromValue<qint64>(row.Id);
    case kSortValueRole: {
      const QVariant value = row.SortValues.value(index.column());
      return value.isValid() ? value : QVariant(row.Cells.value(index.column()));
    }
    default:
      return {};
  }
}

QVariant TRecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole) return captions_[section];
  if (role == Qt::TextAlignmentRole) return static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

}  // namespace absence::ui
