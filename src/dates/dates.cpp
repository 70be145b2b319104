#include "dates/dates.h"

#include <algorithm>
#include <cmath>

namespace absence {

namespace {

// The day number of 1 January 1970, where the civil-day arithmetic below counts from.
constexpr int64_t kSerialOf1970 = -kDayZero.time_since_epoch().count();

// Proleptic Gregorian day count (H. Hinnant's days_from_civil), relative to 1970-01-01.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

TYMD CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t y = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return TYMD{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

int64_t Serial(TDate d) {
  return static_cast<int64_t>(NormalizeDate(d));
}

}  // namespace

TDate NormalizeDate(TDate d) {
  if (std::isnan(d)) return 0;
  if (d <= kMinDate) return kMinDate;
  if (d >= kMaxDate) return kMaxDate;
  return std::floor(d);
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  month = std::clamp(month, 1, 12);
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

TDate NearestValidDate(int year, int month, int day) {
  year = std::clamp(year, kMinYear, kMaxYear);
  month = std::clamp(month, 1, 12);
  day = std::clamp(day, 1, DaysInMonth(year, month));
  return static_cast<TDate>(
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
      kSerialOf1970);
}

TYMD DecodeDate(TDate d) {
  return CivilFromDays(Serial(d) - kSerialOf1970);
}

std::chrono::sys_days ToSysDays(TDate d) {
  return std::chrono::sys_days{std::chrono::days{Serial(d) - kSerialOf1970}};
}

TDate FromSysDays(std::chrono::sys_days day) {
  return NormalizeDate(static_cast<TDate>(day.time_since_epoch().count() + kSerialOf1970));
}

TDate AddMonths(int64_t count, TDate d) {
  const TYMD p = DecodeDate(d);
  // Clamp the count so that the arithmetic below cannot overflow; far counts clamp anyway.
  count = std::clamp<int64_t>(count, -200000, 200000);
  const int64_t total = static_cast<int64_t>(p.Year) * 12 + (p.Month - 1) + count;
  const int64_t y = total >= 0 ? total / 12 : (total - 11) / 12;
  const int m = static_cast<int>(total - y * 12) + 1;
  if (y < kMinYear) return kMinDate;
  if (y > kMaxYear) return kMaxDate;
  return NearestValidDate(static_cast<int>(y), m, p.Day);
}

TDate AddYears(int64_t count, TDate d) {
  count = std::clamp<int64_t>(count, -20000, 20000);
  return AddMonths(count * 12, d);
}

int MonthDiff(TDate first, TDate second) {
  const TDate a = NormalizeDate(first), b = NormalizeDate(second);
  const TYMD pa = DecodeDate(a), pb = DecodeDate(b);
  if (a <= b) {
    int n = (pb.Year - pa.Year) * 12 + (pb.Month - pa.Month);
    if (AddMonths(n, a) > b) --n;
    return n;
  }
  int n = (pa.Year - pb.Year) * 12 + (pa.Month - pb.Month);
  if (AddMonths(-n, a) < b) --n;
  return -n;
}

int YearDiff(TDate first, TDate second) {
  const TDate a = NormalizeDate(first), b = NormalizeDate(second);
  const TYMD pa = DecodeDate(a), pb = DecodeDate(b);
  if (a <= b) {
    int n = pb.Year - pa.Year;
    if (AddYears(n, a) > b) --n;
    return n;
  }
  int n = pa.Year - pb.Year;
  if (AddYears(-n, a) < b) --n;
  return -n;
}

int Year(TDate d) {
  return DecodeDate(d).Year;
}
int Month(TDate d) {
  return DecodeDate(d).Month;
}
int Day(TDate d) {
  return DecodeDate(d).Day;
}

int DaysInMonth(TDate d) {
  const TYMD p = DecodeDate(d);
  return DaysInMonth(p.Year, p.Month);
}

}  // namespace absence
