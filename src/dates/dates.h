#pragma once
// The date library: pure functions on whole-day date values, days since 30 December 1899 held
// in a double (TDate). Valid for 1 January of
// year 1 to 31 December 9999; every function accepts any double (NaN reads as 0, fractions are
// dropped toward the earlier day, values beyond the range are clamped into it) and never throws.
//
// The project's pinned semantics:
// - NearestValidDate(y, m, d): the day clamped into 1..DaysInMonth(y, m).
// - AddMonths(n, D): the same day of month n months later (earlier when negative), clamped to
//   the target month's last day. AddYears(n, D) = AddMonths(12 n, D).
// - MonthDiff(A, B), A <= B: the largest n >= 0 with AddMonths(n, A) <= B; A > B: minus the
//   largest n >= 0 with AddMonths(-n, A) >= B. YearDiff likewise with AddYears.
// Results that would leave the range are clamped to its first or last day.
#include <chrono>
#include <cstdint>

#include "dates/date_type.h"

namespace absence {

// The day numbered 0.
inline constexpr std::chrono::sys_days kDayZero{std::chrono::year{1899} / std::chrono::December /
                                                30};
inline constexpr TDate kMinDate = -693593.0;  // 0001-01-01
inline constexpr TDate kMaxDate = 2958465.0;  // 9999-12-31
inline constexpr int kMinYear = 1;
inline constexpr int kMaxYear = 9999;

struct TYMD {
  int Year = 1899;
  int Month = 12;
  int Day = 30;
};

// A date value as a whole day inside the range: NaN -> 0, floor, clamped to kMinDate..kMaxDate.
TDate NormalizeDate(TDate d);

bool IsLeapYear(int year);
// Days of month `month` (1..12) of `year`; months outside 1..12 are clamped.
int DaysInMonth(int year, int month);

// The date of (y, m, d); year clamped into 1..9999, month into 1..12, day into 1..DaysInMonth.
TDate NearestValidDate(int year, int month, int day);
// Same as NearestValidDate (the parts of a valid date encode exactly).
inline TDate EncodeDate(int year, int month, int day) {
  return NearestValidDate(year, month, day);
}
TYMD DecodeDate(TDate d);

// The same day as a std::chrono day (of the normalized date), and back.
std::chrono::sys_days ToSysDays(TDate d);
TDate FromSysDays(std::chrono::sys_days day);

TDate AddMonths(int64_t count, TDate d);
TDate AddYears(int64_t count, TDate d);
int MonthDiff(TDate first, TDate second);
int YearDiff(TDate first, TDate second);

int Year(TDate d);
int Month(TDate d);
int Day(TDate d);
// Days (28 to 31) of the month that contains d.
int DaysInMonth(TDate d);

}  // namespace absence
