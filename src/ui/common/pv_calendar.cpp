#include "ui/common/pv_calendar.h"

#include <QDate>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "dates/dates.h"
#include "ui/common/clock.h"
#include "ui/common/scale.h"

namespace absence::ui {
namespace {

// Sunday = 1 ... Saturday = 7.
int DayOfWeek(int year, int month, int day) {
  return QDate(year, month, day).dayOfWeek() % 7 + 1;
}

// The short name of day `dayOfWeek` (Sunday = 1).
QString ShortDayName(int dayOfWeek) {
  // Qt counts Monday as 1 and Sunday as 7.
  return QLocale::system().dayName(dayOfWeek == 1 ? 7 : dayOfWeek - 1, QLocale::ShortFormat);
}

struct TYearMonth {
  int Year;
  int Month;
};

// The month `delta` months after (before, when negative) the given one.
TYearMonth StepMonth(int year, int month, int delta) {
  const int index = year * 12 + (month - 1) + delta;
  return {index / 12, index % 12 + 1};
}

}  // namespace

TPVCalendar::TPVCalendar(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setContentsMargins(lineWidth_, lineWidth_, lineWidth_, lineWidth_);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  const TYMD today = DecodeDate(Today());
  year_ = today.Year;
  month_ = today.Month;
  day_ = today.Day;
  UpdateCalendar();
}

TDate TPVCalendar::CalendarDate() const {
  return EncodeDate(year_, month_, day_);
}

void TPVCalendar::SetCalendarDate(TDate date) {
  const TDate first = EncodeDate(minYear_, 1, 1);
  const TDate last = EncodeDate(maxYear_, 12, 31);
  SetDate(std::clamp(NormalizeDate(date), first, last));
}

int TPVCalendar::DateElement(int index) const {
  switch (index) {
    case 1:
      return year_;
    case 2:
      return month_;
    default:
      return day_;
  }
}

void TPVCalendar::SetDateElement(int index, int value) {
  if (value < 1) return;
  switch (index) {
    case 1:
      if (value == year_) return;
      value = std::clamp(value, minYear_, maxYear_);
      SetDate(value, month_, std::min(day_, DaysInMonth(value, month_)));
      return;
    case 2:
      if (value > 12 || value == month_) return;
      SetDate(year_, value, std::min(day_, DaysInMonth(year_, value)));
      return;
    default:
      SetDate(year_, month_, std::min(value, DaysInMonth(year_, month_)));
      return;
  }
}

void TPVCalendar::SetStartOfWeek(int day) {
  if (day < 0 || day > 6 || day == startOfWeek_) return;
  startOfWeek_ = day;
  UpdateCalendar();
}

void TPVCalendar::SetGridLineWidth(int width) {
  lineWidth_ = std::max(0, width);
  setContentsMargins(lineWidth_, lineWidth_, lineWidth_, lineWidth_);
  updateGeometry();
  update();
}

void TPVCalendar::SetYearRange(int minYear, int maxYear) {
  minYear_ = std::clamp(minYear, kMinYear, kMaxYear);
  maxYear_ = std::clamp(maxYear, minYear_, kMaxYear);
  SetCalendarDate(CalendarDate());
}

void TPVCalendar::NextMonth() {
  const TYearMonth next = StepMonth(year_, month_, 1);
  SetDate(next.Year, next.Month, std::min(day_, DaysInMonth(next.Year, next.Month)));
}

void TPVCalendar::PrevMonth() {
  const TYearMonth prev = StepMonth(year_, month_, -1);
  SetDate(prev.Year, prev.Month, std::min(day_, DaysInMonth(prev.Year, prev.Month)));
}

bool TPVCalendar::SetDate(int year, int month, int day) {
  if (year < minYear_ || year > maxYear_) return false;
  year_ = year;
  month_ = month;
  day_ = day;
  UpdateCalendar();
  emit Change();
  return true;
}

bool TPVCalendar::SetDate(TDate date) {
  const TYMD d = DecodeDate(date);
  return SetDate(d.Year, d.Month, d.Day);
}

void TPVCalendar::UpdateCalendar() {
  updating_ = true;
  const int k = (DayOfWeek(year_, month_, 1) - startOfWeek_ + 7) % 7;
  monthOffset_ = k == 0 ? -5 : 2 - k;
  col_ = (day_ - monthOffset_) % kColumns;
  row_ = (day_ - monthOffset_) / kColumns + 1;
  update();
  updating_ = false;
}

int TPVCalendar::CellDayNumber(int col, int row) const {
  return monthOffset_ + col + (row - 1) * kColumns;
}

QString TPVCalendar::CellText(int col, int row) const {
  if (row == 0) return ShortDayName((col + startOfWeek_) % kColumns + 1);
  const int n = CellDayNumber(col, row);
  const int days = DaysInMonth(year_, month_);
  if (n < 1) {
    const TYearMonth prev = StepMonth(year_, month_, -1);
    return QString::number(n + DaysInMonth(prev.Year, prev.Month));
  }
  return QString::number(n > days ? n - days : n);
}

bool TPVCalendar::IsInMonth(int col, int row) const {
  const int n = CellDayNumber(col, row);
  return row > 0 && n >= 1 && n <= DaysInMonth(year_, month_);
}

int TPVCalendar::ColumnWidth() const {
  return std::max(1, (contentsRect().width() - (kColumns - 1) * lineWidth_) / kColumns);
}

int TPVCalendar::RowHeight() const {
  return std::max(1, (contentsRect().height() - (kRows - 1) * lineWidth_) / kRows);
}

QRect TPVCalendar::CellRect(int col, int row) const {
  const QRect area = contentsRect();
  const int w = ColumnWidth();
  const int h = RowHeight();
  return {area.left() + col * (w + lineWidth_), area.top() + row * (h + lineWidth_), w, h};
}

bool TPVCalendar::CellAt(const QPoint& pos, int& col, int& row) const {
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c)
      if (CellRect(c, r).contains(pos)) {
        col = c;
        row = r;
        return true;
      }
  return false;
}

QSize TPVCalendar::sizeHint() const {
  const QFontMetrics fm = fontMetrics();
  int textWidth = fm.horizontalAdvance(QStringLiteral("00"));
  for (int d = 1; d <= kColumns; ++d)
    textWidth = std::max(textWidth, fm.horizontalAdvance(ShortDayName(d)));
  const int w = textWidth + Scale(14);
  const int h = fm.height() + Scale(8);
  const QMargins m = contentsMargins();
  return {kColumns * w + (kColumns - 1) * lineWidth_ + m.left() + m.right(),
          kRows * h + (kRows - 1) * lineWidth_ + m.top() + m.bottom()};
}

void TPVCalendar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Mid));
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      const QRect cell = CellRect(c, r);
      QColor fill = pal.color(QPalette::Base);
      QColor text = pal.color(QPalette::Text);
      if (r == 0) {
        fill = pal.color(QPalette::Button);
        text = pal.color(QPalette::ButtonText);
      } else if (c == col_ && r == row_) {
        // The current cell is drawn selected whether or not the grid has the focus.
        fill = pal.color(QPalette::Highlight);
        text = pal.color(QPalette::HighlightedText);
      } else if (!IsInMonth(c, r)) {
        text = pal.color(QPalette::Disabled, QPalette::Text);
      }
      p.fillRect(cell, fill);
      p.setPen(text);
      p.drawText(cell, Qt::AlignCenter, CellText(c, r));
    }
  }
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = CellRect(col_, row_).adjusted(1, 1, -1, -1);
    option.backgroundColor = pal.color(QPalette::Highlight);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
  }
}

void TPVCalendar::mousePressEvent(QMouseEvent* event) {
  int col = 0, row = 0;
  if (event->button() != Qt::LeftButton || !CellAt(event->position().toPoint(), col, row) ||
      row == 0 || !CanSelect())
    return;
  const int n = CellDayNumber(col, row);
  const int days = DaysInMonth(year_, month_);
  // A greyed number moves to its month and day.
  if (n > days) {
    const TYearMonth next = StepMonth(year_, month_, 1);
    SetDate(next.Year, next.Month, n - days);
  } else if (n < 1) {
    const TYearMonth prev = StepMonth(year_, month_, -1);
    SetDate(prev.Year, prev.Month, n + DaysInMonth(prev.Year, prev.Month));
  } else {
    SetDay(n);
  }
}

void TPVCalendar::mouseDoubleClickEvent(QMouseEvent* event) {
  // The first click already chose the day; after a move to an adjacent month another day stands
  // under the pointer, so the second click chooses nothing.
  int col = 0, row = 0;
  if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), col, row) && row > 0)
    emit DblClick();
}

void TPVCalendar::keyPressEvent(QKeyEvent* event) {
  if (!CanSelect()) {
    QWidget::keyPressEvent(event);
    return;
  }
  const TDate date = CalendarDate();
  switch (event->key()) {
    case Qt::Key_Left:
      SetDate(date - 1);
      break;
    case Qt::Key_Right:
      SetDate(date + 1);
      break;
    case Qt::Key_Up:
      SetDate(date - kColumns);
      break;
    case Qt::Key_Down:
      SetDate(date + kColumns);
      break;
    case Qt::Key_PageUp:
      PrevMonth();
      break;
    case Qt::Key_PageDown:
      NextMonth();
      break;
    default:
      // Enter and Escape belong to the dialog.
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TPVCalendar::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) updateGeometry();
  QWidget::changeEvent(event);
}

}  // namespace absence::ui
