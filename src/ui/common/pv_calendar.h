#pragma once
// A month grid: a row of short day names over six weeks; the days of the adjacent months are
// shown greyed and clicking one moves to that month. Arrows move the day, Page Up/Down the
// month.
#include <QWidget>

#include "data/types.h"

namespace absence::ui {

class TPVCalendar : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kColumns = 7;
  static constexpr int kRows = 7;  // row 0 holds the day names

  explicit TPVCalendar(QWidget* parent = nullptr);

  TDate CalendarDate() const;
  void SetCalendarDate(TDate date);

  // The date elements, through one accessor: 1 year, 2 month, 3 day.
  int DateElement(int index) const;
  void SetDateElement(int index, int value);
  int Year() const { return DateElement(1); }
  int Month() const { return DateElement(2); }
  int Day() const { return DateElement(3); }
  void SetYear(int year) { SetDateElement(1, year); }
  void SetMonth(int month) { SetDateElement(2, month); }
  void SetDay(int day) { SetDateElement(3, day); }

  // 0 = Sunday ... 6 = Saturday: the day in column 0.
  int StartOfWeek() const { return startOfWeek_; }
  void SetStartOfWeek(int day);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on) { readOnly_ = on; }
  int GridLineWidth() const { return lineWidth_; }
  void SetGridLineWidth(int width);
  // The years the calendar can show; dates outside are never reached (default 1 to 9999).
  void SetYearRange(int minYear, int maxYear);
  int MinYear() const { return minYear_; }
  int MaxYear() const { return maxYear_; }

  // One month later or earlier, the day clamped to that month's length.
  void NextMonth();
  void PrevMonth();
  void UpdateCalendar();

  // What a cell shows: a short day name in row 0, else a day number (of an adjacent month when
  // the cell lies outside the current one).
  QString CellText(int col, int row) const;
  bool IsInMonth(int col, int row) const;
  int Col() const { return col_; }
  int Row() const { return row_; }
  QRect CellRect(int col, int row) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void Change();
  void DblClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The day number of a cell counted from the 1st of the month (below 1 or above the month's
  // length for the adjacent months).
  int CellDayNumber(int col, int row) const;
  bool CanSelect() const { return updating_ || !readOnly_; }
  // Moves to the date when it lies within the year range; false otherwise.
  bool SetDate(int year, int month, int day);
  bool SetDate(TDate date);
  int ColumnWidth() const;
  int RowHeight() const;
  bool CellAt(const QPoint& pos, int& col, int& row) const;

  int year_ = 1;
  int month_ = 1;
  int day_ = 1;
  int startOfWeek_ = 0;
  bool readOnly_ = false;
  int lineWidth_ = 1;
  int minYear_ = 1;
  int maxYear_ = 9999;
  int monthOffset_ = 1;  // the day number column 0 of row 1 would carry
  int col_ = 0;
  int row_ = 1;
  bool updating_ = false;
};

}  // namespace absence::ui
