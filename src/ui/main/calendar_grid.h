#pragma once
// grdCalendar: four weeks of seven days, Sunday first. Each cell carries its day's content
// (typed, beside the display text) and a pick flag. The user picks days with Shift (a range in
// reading order) and Ctrl (one day on or off), drags an entry from a day, and drops reasons and
// entries on days the owner accepts.
#include <QTableWidget>
#include <array>
#include <functional>

#include "data/records.h"
#include "ui/main/calendar_cells.h"

class QMimeData;

namespace absence::ui {

class TCalendarGrid : public QTableWidget {
  Q_OBJECT
 public:
  static constexpr int kColumns = 7;
  static constexpr int kRows = 4;

  explicit TCalendarGrid(QWidget* parent = nullptr);

  // Fills the cells with the 28 days from the Sunday on or before `date` (dates only) and
  // makes the column of `date` in the first week current.
  void ShowWeeks(TDate date);
  TDate CellDate(int col, int row) const;
  TDate StartDate() const { return CellDate(0, 0); }
  TDate CurrentDate() const;
  TCellContent Cell(int col, int row) const;
  void SetCell(int col, int row, const TCellContent& cell);

  bool Picked(int col, int row) const { return picks_[Index(col, row)].Picked; }
  void SetPicked(int col, int row, bool on) { picks_[Index(col, row)].Picked = on; }
  // A selection made with Shift or Ctrl is held.
  bool MultiPick() const { return multiPick_; }
  void SetMultiPick(bool on) { multiPick_ = on; }
  void ClearPicks();

  // Whether a drop is accepted on a day (the owner knows the employee).
  std::function<bool(TDate)> DropAllowed;

 signals:
  // A click on a day was released: the day list follows the current day.
  void DayClicked();
  // A double click on a day (without Shift or Ctrl; the current cell is that day).
  void DayDoubleClicked();
  // A reason or an entry was dropped on the cell.
  void Dropped(const QMimeData* mime, int col, int row);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Pick flags are kept column by column.
  static int Index(int col, int row) { return col * kRows + row; }
  // The cell under a point of the viewport; points left of or above the grid count as 0.
  QPoint CellAt(QPoint pos) const;
  bool AcceptsDrop(const QMimeData* mime, QPoint pos) const;
  void grdCalendarClick();
  void StartEntryDrag();

  std::array<TBlockPickClass, kColumns * kRows> picks_{};
  bool multiPick_ = false;
  // A press that may become a drag of the entry shown on the cell's bottom line.
  bool dragArmed_ = false;
  QPoint pressPos_;
  QPoint pressCell_;
};

}  // namespace absence::ui
