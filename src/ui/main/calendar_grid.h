#pragma once
// grdCalendar: four weeks of seven days, Sunday first. Each cell carries its day's content
// (typed, beside the display text) and a pick flag. The user picks days with Shift (a range in
// reading order) and Ctrl (one day on or off), drags an entry from a day, and drops reasons and
// entries on days the owner accepts.
//
// The same works from the keyboard: the arrows move the current day (a week is scrolled in at
// the edges), Shift extends the picked range, Ctrl moves without picking and Space or
// Ctrl+Space turns the day's pick on or off; Page Up/Down and the wheel scroll by weeks. Enter
// opens the day, Insert records the reason on the picked days, Delete trashes the chosen
// entry, Ctrl+X and Ctrl+V move it to another day; Alt+Up/Down choose among the day's entries.
#include <QTableWidget>
#include <array>
#include <functional>
#include <optional>

#include "data/records.h"
#include "ui/common/calendar_drag.h"
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

  // The entry of the current day that Delete and Ctrl+X take: the one a drag takes until
  // Alt+Up/Down chooses another; none on a day without entries.
  std::optional<TDraggedEntry> ChosenEntry() const;
  int ChosenEntryIndex() const;
  // The entry taken with Ctrl+X, until Ctrl+V puts it on another day or Escape lets it go.
  const std::optional<TDraggedEntry>& CutEntry() const { return cut_; }

  // Whether a drop is accepted on a day (the owner knows the employee).
  std::function<bool(TDate)> DropAllowed;

 signals:
  // A click on a day was released: the day list follows the current day.
  void DayClicked();
  // A double click on a day (without Shift or Ctrl; the current cell is that day).
  void DayDoubleClicked();
  // A reason or an entry was dropped on the cell.
  void Dropped(const QMimeData* mime, int col, int row);
  // From the keyboard or the wheel: the owner shows the weeks `weeks` on (back when negative).
  void ScrollRequested(int weeks);
  // Insert: the chosen reason goes on the picked days.
  void InsertRequested();
  // Delete: the entry goes to the trash.
  void TrashRequested(const absence::ui::TDraggedEntry& entry);
  // Ctrl+V: the cut entry goes to the day (col, row).
  void EntryPasted(const absence::ui::TDraggedEntry& entry, int col, int row);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  enum class TMove { Plain, Extend, KeepPicks };
  // Pick flags are kept column by column.
  static int Index(int col, int row) { return col * kRows + row; }
  // The cell under a point of the viewport; points left of or above the grid count as 0.
  QPoint CellAt(QPoint pos) const;
  bool AcceptsDrop(const QMimeData* mime, QPoint pos) const;
  void grdCalendarClick();
  void StartEntryDrag();
  // Makes the day `days` after the current one current, scrolling it into view; with
  // `scroll` the shown weeks move by as many days first.
  void MoveCurrent(int days, TMove how, bool scroll = false);
  void ScrollWeeks(int weeks);
  void SetCurrentDate(TDate date);
  // Picks the days from the anchor to the current day; the rest are cleared.
  void PickRange();
  void TogglePick();
  // Single picking becomes multiple with the shown pick made explicit.
  void BeginMultiPick();
  bool HandleEntryKeys(QKeyEvent* event);

  std::array<TBlockPickClass, kColumns * kRows> picks_{};
  bool multiPick_ = false;
  // A press that may become a drag of one of the cell's entries.
  bool dragArmed_ = false;
  QPoint pressPos_;
  QPoint pressCell_;
  // Where a Shift range starts: the day last made current without Shift.
  TDate anchor_ = 0;
  bool extending_ = false;
  // The chosen entry of the current day; -1 for the one a drag takes.
  int chosen_ = -1;
  std::optional<TDraggedEntry> cut_;
  // The wheel's turn not yet scrolled.
  int wheelRest_ = 0;
};

}  // namespace absence::ui
