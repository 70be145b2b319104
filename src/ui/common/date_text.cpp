#include "ui/common/date_text.h"

#include <cmath>

#include "dates/date_text.h"
#include "dates/dates.h"
#include "ui/common/clock.h"

namespace absence::ui {
namespace {

// Qt and std::chrono meet at 1 January 1970 (the day std::chrono::sys_days counts from).
const QDate& Unix1970() {
  static const QDate day(1970, 1, 1);
  return day;
}

}  // namespace

QDate ToQDate(TDate d) {
  if (!std::isfinite(d) || d < kMinDate || d >= kMaxDate + 1) return QDate();
  return Unix1970().addDays(ToSysDays(d).time_since_epoch().count());
}

TDate FromQDate(const QDate& d) {
  if (!d.isValid()) return 0;
  return FromSysDays(std::chrono::sys_days{std::chrono::days{Unix1970().daysTo(d)}});
}

QString DatePatternForLocale(const QLocale& locale) {
  // Qt's C locale writes "d MMM yyyy"; the program's C-locale pattern is month first.
  if (locale.language() == QLocale::C)
    return QString::fromStdString(PatternForOrder(TDateOrder::MonthDayYear));
  return QString::fromStdString(
      PatternForOrder(OrderOfPattern(locale.dateFormat(QLocale::ShortFormat).toStdString())));
}

QString FormatDate(TDate d, const QString& pattern) {
  return QString::fromStdString(::absence::FormatDate(d, pattern.toStdString()));
}

int NearYear() {
  return DecodeDate(Today()).Year;
}

QString CompleteYear(const QString& yearPart) {
  return QString::fromStdString(::absence::CompleteYear(yearPart.toStdString(), NearYear()));
}

bool ParseDate(const QString& text, const QString& pattern, TDate& result) {
  const TParsedDate parsed =
      ParseDateLenient(text.toStdString(), pattern.toStdString(), NearYear());
  if (parsed) result = parsed.Date;
  return static_cast<bool>(parsed);
}

}  // namespace absence::ui
