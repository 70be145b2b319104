#include "dates/dates.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <cmath>

namespace absence {

namespace {

// Days from 1970-01-01 to 1899-12-30 is -25569.
constexpr int64_t kSerialOf1970 = 25569;

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

std::string DatePatternForOrder(std::time_base::dateorder order) {
  switch (order) {
    case std::time_base::dmy:
      return "dd/mm/yyyy";
    case std::time_base::ymd:
    case std::time_base::ydm:
      return "yyyy/mm/dd";
    default:
      return "mm/dd/yyyy";
  }
}

std::string DatePatternForLocaleFormat(const std::string& dateFormat) {
  // Positions of day, month and year among the conversions of a strftime date format.
  int day = -1, month = -1, year = -1, pos = 0;
  for (std::size_t i = 0; i + 1 < dateFormat.size(); ++i) {
    if (dateFormat[i] != '%') continue;
    std::size_t k = i + 1;
    while (k < dateFormat.size() &&
           (dateFormat[k] == 'E' || dateFormat[k] == 'O' || dateFormat[k] == '-' ||
            dateFormat[k] == '_' || dateFormat[k] == '0' || dateFormat[k] == '^'))
      ++k;
    if (k >= dateFormat.size()) break;
    switch (dateFormat[k]) {
      case 'd':
      case 'e':
        if (day < 0) day = pos++;
        break;
      case 'm':
      case 'b':
      case 'B':
      case 'h':
        if (month < 0) month = pos++;
        break;
      case 'y':
      case 'Y':
      case 'C':
      case 'G':
        if (year < 0) year = pos++;
        break;
      case 'D':
        return "mm/dd/yyyy";
      case 'F':
        return "yyyy/mm/dd";
      default:
        break;
    }
    i = k;
  }
  if (day < 0 || month < 0 || year < 0) return "mm/dd/yyyy";
  if (year < month && year < day) return "yyyy/mm/dd";
  if (day < month) return "dd/mm/yyyy";
  return "mm/dd/yyyy";
}

std::string DateFormat() {
  // The system locale's short date format, as LC_TIME / LANG set it.
  const locale_t loc = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
  if (loc == static_cast<locale_t>(nullptr)) return "mm/dd/yyyy";
  const std::string dateFormat = nl_langinfo_l(D_FMT, loc);
  freelocale(loc);
  return DatePatternForLocaleFormat(dateFormat);
}

namespace {

void PutNumber(std::string& out, int value, int width) {
  std::string s = std::to_string(value);
  if (static_cast<int>(s.size()) < width)
    s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
  out += s;
}

}  // namespace

std::string FormatDate(TDate d, const std::string& pattern) {
  const TYMD p = DecodeDate(d);
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    if (pattern.compare(i, 4, "yyyy") == 0) {
      PutNumber(out, p.Year, 4);
      i += 4;
    } else if (pattern.compare(i, 2, "mm") == 0) {
      PutNumber(out, p.Month, 2);
      i += 2;
    } else if (pattern.compare(i, 2, "dd") == 0) {
      PutNumber(out, p.Day, 2);
      i += 2;
    } else {
      out += pattern[i++];
    }
  }
  return out;
}

bool ParseDate(const std::string& text, const std::string& pattern, TDate& result) {
  int y = -1, m = -1, d = -1;
  std::size_t t = 0;
  auto digits = [&](std::size_t n, int& v) {
    if (t + n > text.size()) return false;
    v = 0;
    for (std::size_t k = 0; k < n; ++k) {
      const char c = text[t + k];
      if (c < '0' || c > '9') return false;
      v = v * 10 + (c - '0');
    }
    t += n;
    return true;
  };
  for (std::size_t i = 0; i < pattern.size();) {
    if (pattern.compare(i, 4, "yyyy") == 0) {
      if (!digits(4, y)) return false;
      i += 4;
    } else if (pattern.compare(i, 2, "mm") == 0) {
      if (!digits(2, m)) return false;
      i += 2;
    } else if (pattern.compare(i, 2, "dd") == 0) {
      if (!digits(2, d)) return false;
      i += 2;
    } else {
      if (t >= text.size() || text[t] != pattern[i]) return false;
      ++t;
      ++i;
    }
  }
  if (t != text.size()) return false;
  if (y < kMinYear || y > kMaxYear || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m))
    return false;
  result = NearestValidDate(y, m, d);
  return true;
}

}  // namespace absence
