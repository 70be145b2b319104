#pragma once
// The table model behind the record lists: one row per listed record, with the record's
// identifier in kRecordIdRole, a typed sort value in kSortValueRole, modified records in bold
// through the font role and a picture before a cell's text where a row asks for one.
#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <utility>
#include <vector>

namespace absence::ui {

struct TRecordRow {
  TRecordRow(int64_t id, QStringList cells, QVariantList sortValues = {}, bool modified = false)
      : Id(id), Cells(std::move(cells)), SortValues(std::move(sortValues)), Modified(modified) {}

  int64_t Id = 0;
  QStringList Cells;
  // By column; an invalid value sorts by the cell's text.
  QVariantList SortValues;
  bool Modified = false;
  // Shown before the text of column `IconColumn`.
  QIcon Icon;
  int IconColumn = -1;
};

class TRecordTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TRecordTableModel(const QStringList& captions, QObject* parent = nullptr);

  // Replaces every row (a model reset: views keep their columns, not their selection).
  void SetRows(std::vector<TRecordRow> rows);
  // Lists the records again; the lists built on the data session do this when it says their
  // records changed.
  virtual void Refill() {}

  int64_t RowID(int row) const;
  // Row of the record `id`; -1 when not listed.
  int RowOf(int64_t id) const;
  // Columns are left-aligned unless set otherwise (hours: right).
  void SetColumnAlignment(int column, Qt::Alignment alignment);
  Qt::Alignment ColumnAlignment(int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  QStringList captions_;
  QList<Qt::Alignment> alignments_;
  std::vector<TRecordRow> rows_;
};

}  // namespace absence::ui
