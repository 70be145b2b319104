#pragma once
// The record grid of the list windows: a table view over a record model, with the header's
// sections as the columns. Rows are picked in blocks with Shift and Ctrl, modified records are
// drawn in bold, the last column takes the rest of the width, and the widths are kept in the
// settings file under the header's key. The picked record stays picked when the model lists
// its records again.
#include <QFont>
#include <QFontMetrics>
#include <QTableView>
#include <cstdint>
#include <vector>

namespace absence::ui {

class TRecordTableModel;

class TPickGrid : public QTableView {
  Q_OBJECT
 public:
  // `designWidths` are the column widths at 96 pixels per inch.
  TPickGrid(const QString& headerName, const QString& gridName, TRecordTableModel* records,
            const QList<int>& designWidths, int visibleRows, QWidget* parent = nullptr);

  TRecordTableModel* Records() const { return records_; }
  // Rows holding a record.
  int RecordCount() const;
  int32_t RowID(int row) const;
  // Row of the record `id`; -1 when not listed.
  int RowOf(int32_t id) const;
  // The current row; -1 on an empty list.
  int CurrentRow() const;
  // Makes `row` (clamped to the listed rows) the current row and the only one picked.
  void SelectRow(int row);
  // More than the current row is picked, or the current one is not: Enter and double clicks
  // then edit nothing.
  bool BlockMode() const;
  bool IsPicked(int row) const;
  // The picked records in list order (none on an empty list).
  std::vector<int32_t> PickedIDs() const;

  // Off: Shift and Ctrl clicks pick one row like a plain click (grids of one-at-a-time
  // commands).
  void SetBlockPicking(bool on);

  // Widens the column so that `sample` fits, in bold as a modified row shows it.
  void FitColumnToText(int column, const QString& sample);

  // Without stored widths the columns start at their design widths and widen, and the grid
  // makes room for its last column, until every row's text fits whole, in bold as a modified
  // row shows it; they follow the rows until the user drags a divider.
  void LoadColumnWidths();
  void SaveColumnWidths() const;

 signals:
  // A double click or Enter outside block mode.
  void RowActivated();
  // The Delete key on the grid.
  void DeletePressed();
  // The current row or the picks changed.
  void PicksChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QFont WidestRowFont() const;
  // The column width that shows `text` whole in a cell.
  int ColumnWidthFor(const QString& text, const QFontMetrics& metrics, bool rightAligned,
                     bool picture) const;
  void FitColumnsToRows();
  void FitHeight();
  // The last shown column takes the width the others leave.
  void FitLastColumn();

  TRecordTableModel* records_;
  QList<int> designWidths_;
  int visibleRows_;
  int32_t keptID_ = 0;
  int keptRow_ = -1;
  bool blockPicking_ = true;
  bool fitting_ = false;
  bool defaultWidths_ = false;  // no stored widths, and no divider dragged since
  bool dragging_ = false;       // a mouse button is down on the header
};

}  // namespace absence::ui
