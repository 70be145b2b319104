#pragma once
// The main window on a small organisation, as the calendar tests drive it: choosing an
// employee, clicking days, dragging reasons and entries with the mouse and delivering the drag
// the window starts as a real drop.
#include <QMimeData>
#include <QTableWidget>
#include <memory>
#include <string>
#include <vector>

#include "data/dataset.h"
#include "dialog_support.h"
#include "ui/main/main_window.h"

namespace absence::ui::test {

// The calendar on kToday starts on Sunday 6 December 2026.
inline const TDate kStart = kToday - 2;

// Vacation, Holiday and Sick; Smith (hired 8 December 2016, so today is her anniversary),
// Jones (hired 9 December 2026, terminated 28 December 2026) and Brown. Smith has 8 hours of
// vacation today and an accrual record; a global Holiday on 10 December applies to everyone.
void SaveSampleData(const std::string& folder, int extraReasons = 0);

class TCalendarWindow {
 public:
  TCalendarWindow();
  ~TCalendarWindow();

  bool Choose(const char* name);
  TEmpRecClass& Emp(const char* name);
  int32_t ReasonID(const char* name);
  QString Text(int col, int row) const { return grid->item(row, col)->text(); }
  QPoint Center(int col, int row) const;
  void Click(int col, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void DoubleClick(int col, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Delivers a drag that the window starts to `target` at `at` as a drop there.
  void DropDragsOn(QWidget* target, QPoint at);
  // ... to the day (col, row).
  void DropDragsOn(int col, int row);
  // Drags the reason chosen in the reason box onto (col, row) with the mouse.
  bool DragReason(const char* reason, int col, int row);
  // Drags from the day (fromCol, fromRow) onto (col, row) with the mouse.
  bool DragEntry(int fromCol, int fromRow, int col, int row);
  // Drags from the day (fromCol, fromRow) onto the trash can with the mouse.
  bool DragEntryToTrash(int fromCol, int fromRow);
  // A figure of the reason's balances row with two decimals (the column's text for the reason
  // and year columns); "<no row>" when the reason has none.
  QString Balance(const char* reason, int column) const;
  // The text the row shows in that column.
  QString BalanceShown(const char* reason, int column) const;

  std::unique_ptr<TfrmMain> w;
  QTableWidget* grid = nullptr;
  bool loaded = false;
  int drags = 0;
  bool accepted = false;

 private:
  bool DragFromDay(int fromCol, int fromRow);
  QModelIndex BalanceCell(const char* reason, int column) const;
};

// Dates of the live own entries of the reason; `hours` takes the last one's hours.
std::vector<TDate> OwnEntryDates(const TEmpRecClass& emp, int32_t reasonID, float* hours);

}  // namespace absence::ui::test
