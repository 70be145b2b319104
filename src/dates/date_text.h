#pragma once
// Dates as text: the display pattern ("mm/dd/yyyy", "dd/mm/yyyy" or "yyyy/mm/dd", or any
// pattern of "yyyy", "mm", "dd" and separators), writing a date with it, and the two ways of
// reading one back:
// - strict: exactly the text FormatDate writes (machine input: the command line, tests);
// - lenient: what a person types or another program writes, in the pattern's order of day,
//   month and year: one or two digits for day and month, two to four for the year (a two-digit
//   year is completed, see CompleteYear), the pattern's separator between them,
//   blanks around the whole ignored (date boxes, imported files).
#include <locale>
#include <string>
#include <string_view>

#include "dates/date_type.h"

namespace absence {

// The order of day, month and year in a date text.
enum class TDateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The order of the first 'y', 'm' and 'd' (either case) in a pattern: "yyyy/mm/dd",
// "dd.MM.yy", "M/d/yy". Year first gives YearMonthDay, day before month DayMonthYear, anything
// else MonthDayYear.
TDateOrder OrderOfPattern(std::string_view pattern);
// The display pattern of an order: "mm/dd/yyyy", "dd/mm/yyyy" or "yyyy/mm/dd".
std::string PatternForOrder(TDateOrder order);

// The date display pattern from the short-date order of the system locale (LC_TIME / LANG);
// the C/POSIX locale and any failure give "mm/dd/yyyy". Always 10 characters.
std::string DateFormat();
// The pattern for a locale's date order.
std::string DatePatternForOrder(std::time_base::dateorder order);
// The pattern for a strftime-style short date format ("%d/%m/%Y" gives "dd/mm/yyyy"); anything
// without a day, month and year gives "mm/dd/yyyy".
std::string DatePatternForLocaleFormat(const std::string& dateFormat);

// `d` written with `pattern` ("yyyy", "mm", "dd" replaced by the zero-padded parts, other
// characters copied). Always 10 characters for the three display patterns.
std::string FormatDate(TDate d, std::string_view pattern);

// A year part of fewer than three characters completed. Two digits give the year ending in them
// from 80 years before `nearYear` to 19 years after it, so a date typed as "26" in 2026 is 2026,
// never a century back (in 2026: "45" is 2045, "46" is 1946). One digit gets "20" in front ("5"
// is 205). Longer parts are returned as they are.
std::string CompleteYear(std::string_view yearPart, int nearYear);

// Why a date text was refused.
enum class TDateTextFault {
  None,
  Shape,       // not in the pattern's form (wrong separators, letters, too many digits)
  NoSuchDate,  // in form, but no day of years 1..9999 (February 30, month 13, year 0)
  TooLate,     // a real day, but after kLastStoredDate
};

// What the user is told about a refused date text ("" for None).
std::string DateTextFaultMessage(TDateTextFault fault);

struct TParsedDate {
  TDate Date = 0;
  TDateTextFault Fault = TDateTextFault::None;
  explicit operator bool() const { return Fault == TDateTextFault::None; }
};

// Both readers refuse days after kLastStoredDate.
// Reads exactly what FormatDate writes with `pattern`.
TParsedDate ParseDateStrict(std::string_view text, std::string_view pattern);
// Reads a date typed in the order of `pattern`, as described at the top, a short year completed
// near `nearYear` (the current year). The separator is the first character of the pattern that
// is no 'y', 'm' or 'd' ('/' when it has none).
TParsedDate ParseDateLenient(std::string_view text, std::string_view pattern, int nearYear);

}  // namespace absence
