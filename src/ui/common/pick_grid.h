#pragma once
// The record grid of the list windows: a header bar over a grid whose rows each carry a record's
// identifier and a pick object. Rows are picked in blocks with Shift and Ctrl, modified records
// are drawn in bold, the header's sections drive the column widths, the last shown column takes
// the rest of the width, and the widths are kept in the settings file under the header's key.
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "data/records.h"

class QTableWidget;

namespace absence::ui {

class THeaderControl;

class TPickGrid : public QWidget {
  Q_OBJECT
 public:
  // `captions` name the shown columns; the grid has one more, hidden, with the identifier as
  // text. `designWidths` are the grid's column widths at 96 pixels per inch, hidden one included.
  TPickGrid(const QString& headerName, const QString& gridName, const QStringList& captions,
            const QList<int>& designWidths, int visibleRows, QWidget* parent = nullptr);

  // Frees the pick objects and leaves one empty row.
  void Clear();
  // Appends a row for the record `id`, unpicked; bold when the record was modified.
  void AddRow(int32_t id, const QStringList& cells, bool modified);
  // Rows holding a record.
  int RecordCount() const { return static_cast<int>(picks_.size()); }
  int32_t RowID(int row) const;
  // Row of the record `id`; -1 when not listed.
  int RowOf(int32_t id) const;
  int CurrentRow() const;
  // Columns are left-aligned unless set otherwise (hours: right).
  void SetColumnAlignment(int column, Qt::Alignment alignment);
  Qt::Alignment ColumnAlignment(int column) const;
  // Makes `row` (clamped to the listed rows) the selected row and the anchor, picked.
  void SelectRow(int row);
  bool BlockMode() const { return blockMode_; }
  bool IsPicked(int row) const;
  // The picked records in block mode, else the selected one (none on an empty list).
  std::vector<int32_t> PickedIDs() const;

  // Off: Shift and Ctrl clicks select one row like a plain click (grids of one-at-a-time
  // commands).
  void SetBlockPicking(bool on) { blockPicking_ = on; }

  // Widens the column (and its header section) so that `sample` fits in the grid's font.
  void FitColumnToText(int column, const QString& sample);

  void LoadColumnWidths();
  void SaveColumnWidths() const;

  THeaderControl* Header() const { return header_; }
  QTableWidget* Grid() const { return grid_; }

 signals:
  // A double click or Enter on a row outside block mode.
  void RowActivated();
  // The Delete key on the grid.
  void DeletePressed();
  // The selected row or the picks changed.
  void PicksChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void MousePressed(int row, Qt::KeyboardModifiers modifiers);
  void SectionResized(int section, int newSize);
  void FitLastColumn();
  int LastShownColumn() const;
  void Repaint();

  THeaderControl* header_;
  QTableWidget* grid_;
  std::vector<TBlockPickClass> picks_;
  QList<Qt::Alignment> alignments_;
  bool blockMode_ = false;
  int anchor_ = 0;
  bool fitting_ = false;
  bool blockPicking_ = true;
};

}  // namespace absence::ui
