#include "ui/common/date_text.h"

#include "dates/dates.h"

#include <QStringList>
#include <array>
#include <cmath>

namespace absence::ui {
namespace {

// Julian day of 30 December 1899, the day numbered 0.
constexpr qint64 kDayZeroJulian = 2415019;

enum class TPart { Day, Month, Year };

// The order of day, month and year in a pattern such as "dd/mm/yyyy" or "d MMM yyyy".
std::array<TPart, 3> PartOrder(const QString& pattern) {
  const QString p = pattern.toLower();
  const qsizetype y = p.indexOf('y');
  const qsizetype m = p.indexOf('m');
  const qsizetype d = p.indexOf('d');
  if (y >= 0 && (m < 0 || y < m) && (d < 0 || y < d))
    return {TPart::Year, TPart::Month, TPart::Day};
  if (d >= 0 && m >= 0 && d < m) return {TPart::Day, TPart::Month, TPart::Year};
  return {TPart::Month, TPart::Day, TPart::Year};
}

bool AllDigits(const QString& s) {
  if (s.isEmpty()) return false;
  for (QChar c : s)
    if (!c.isDigit() || c.unicode() > 127) return false;
  return true;
}

}  // namespace

QDate ToQDate(TDate d) {
  if (!std::isfinite(d) || std::fabs(d) > 4.0e6) return QDate();
  return QDate::fromJulianDay(kDayZeroJulian + static_cast<qint64>(std::floor(d)));
}

TDate FromQDate(const QDate& d) {
  return static_cast<TDate>(d.toJulianDay() - kDayZeroJulian);
}

QString DatePatternForLocale(const QLocale& locale) {
  if (locale.language() == QLocale::C) return QStringLiteral("mm/dd/yyyy");
  switch (PartOrder(locale.dateFormat(QLocale::ShortFormat))[0]) {
    case TPart::Year:
      return QStringLiteral("yyyy/mm/dd");
    case TPart::Day:
      return QStringLiteral("dd/mm/yyyy");
    case TPart::Month:
      break;
  }
  return QStringLiteral("mm/dd/yyyy");
}

QString FormatDate(TDate d, const QString& pattern) {
  return QString::fromStdString(::absence::FormatDate(d, pattern.toStdString()));
}

QString CompleteYear(const QString& yearPart) {
  if (yearPart.size() >= 3) return yearPart;
  return (yearPart.toInt() > 19 ? QStringLiteral("19") : QStringLiteral("20")) + yearPart;
}

bool ParseDate(const QString& text, const QString& pattern, TDate& result) {
  const QStringList parts = text.trimmed().split(kDateSeparator);
  if (parts.size() != 3) return false;
  int day = 0, month = 0, year = 0;
  const auto order = PartOrder(pattern);
  for (int i = 0; i < 3; ++i) {
    const QString& s = parts[i];
    if (!AllDigits(s)) return false;
    switch (order[i]) {
      case TPart::Day:
        if (s.size() > 2) return false;
        day = s.toInt();
        break;
      case TPart::Month:
        if (s.size() > 2) return false;
        month = s.toInt();
        break;
      case TPart::Year:
        if (s.size() > 4) return false;
        year = CompleteYear(s).toInt();
        break;
    }
  }
  const QDate q(year, month, day);
  if (year < 1 || !q.isValid()) return false;
  result = FromQDate(q);
  return true;
}

}  // namespace absence::ui
