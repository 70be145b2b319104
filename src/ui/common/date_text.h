#pragma once
// Dates as the windows show and read them: 10-character texts in the date pattern
// ("mm/dd/yyyy", "dd/mm/yyyy" or "yyyy/mm/dd"), always parsed back in the same order.
#include <QDate>
#include <QLocale>
#include <QString>

#include "data/types.h"

namespace absence::ui {

inline constexpr QChar kDateSeparator = u'/';

// An invalid QDate for a value outside years 1..9999, and 0 (no date) for an invalid QDate.
QDate ToQDate(TDate d);
TDate FromQDate(const QDate& d);

// The pattern that follows the locale's short-date order of day, month and year; the C locale
// gives "mm/dd/yyyy".
QString DatePatternForLocale(const QLocale& locale);

// The date in `pattern` (two-digit day and month, four-digit year).
QString FormatDate(TDate d, const QString& pattern);

// The core's lenient reading: "m/d/y" in the order of `pattern`; one or two digits for day and
// month, a year of two to four digits (two completed like the date box does). False when the text
// is no existing date.
bool ParseDate(const QString& text, const QString& pattern, TDate& result);

// The year short years are completed near: today's.
int NearYear();

// A year part of fewer than three characters completed near today (see the core's CompleteYear).
QString CompleteYear(const QString& yearPart);

}  // namespace absence::ui
