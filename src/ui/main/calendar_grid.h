#pragma once
// grdCalendar: four weeks of seven days, Sunday first. Each cell carries its day's content
// (typed, beside the display text) and a pick flag; the user picks days with Shift and Ctrl.
#include <QTableWidget>
#include <array>

#include "data/records.h"
#include "ui/main/calendar_cells.h"

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
  void ClearPicks();

 signals:
  // A click on a day was released: the day list follows the current day.
  void DayClicked();

 private:
  // Pick flags are kept column by column.
  static int Index(int col, int row) { return col * kRows + row; }
  void grdCalendarClick();

  std::array<TBlockPickClass, kColumns * kRows> picks_{};
  bool multiPick_ = false;
};

}  // namespace absence::ui
