#include "dates/date_text.h"

#include <langinfo.h>
#include <locale.h>

#include <array>

#include "dates/dates.h"

namespace absence {
namespace {

bool IsPatternLetter(char c) {
  switch (c) {
    case 'y':
    case 'Y':
    case 'm':
    case 'M':
    case 'd':
    case 'D':
      return true;
    default:
      return false;
  }
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The value of a run of digits; false when empty or holding anything else.
bool DigitsValue(std::string_view s, int& value) {
  if (s.empty()) return false;
  value = 0;
  for (const char c : s) {
    if (!IsDigit(c)) return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

TParsedDate FromParts(int year, int month, int day) {
  if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month))
    return {0, TDateTextFault::NoSuchDate};
  const TDate d = NearestValidDate(year, month, day);
  if (d > kLastStoredDate) return {0, TDateTextFault::TooLate};
  return {d, TDateTextFault::None};
}

void PutNumber(std::string& out, int value, std::size_t width) {
  const std::string s = std::to_string(value);
  if (s.size() < width) out.append(width - s.size(), '0');
  out += s;
}

}  // namespace

std::string DateTextFaultMessage(TDateTextFault fault) {
  switch (fault) {
    case TDateTextFault::None:
      return "";
    case TDateTextFault::Shape:
      return "The text is not a date.";
    case TDateTextFault::NoSuchDate:
      return "There is no such date.";
    case TDateTextFault::TooLate:
      return "Dates after December 28, 3798 cannot be kept.";
  }
  return "";
}

TDateOrder OrderOfPattern(std::string_view pattern) {
  std::size_t year = std::string_view::npos, month = year, day = year;
  for (std::size_t i = pattern.size(); i-- > 0;) {
    switch (pattern[i]) {
      case 'y':
      case 'Y':
        year = i;
        break;
      case 'm':
      case 'M':
        month = i;
        break;
      case 'd':
      case 'D':
        day = i;
        break;
      default:
        break;
    }
  }
  // npos is the largest value, so a missing part never comes first.
  if (year != std::string_view::npos && year < month && year < day) return TDateOrder::YearMonthDay;
  if (day != std::string_view::npos && month != std::string_view::npos && day < month)
    return TDateOrder::DayMonthYear;
  return TDateOrder::MonthDayYear;
}

std::string PatternForOrder(TDateOrder order) {
  switch (order) {
    case TDateOrder::DayMonthYear:
      return "dd/mm/yyyy";
    case TDateOrder::YearMonthDay:
      return "yyyy/mm/dd";
    case TDateOrder::MonthDayYear:
      break;
  }
  return "mm/dd/yyyy";
}

std::string DatePatternForOrder(std::time_base::dateorder order) {
  switch (order) {
    case std::time_base::dmy:
      return PatternForOrder(TDateOrder::DayMonthYear);
    case std::time_base::ymd:
    case std::time_base::ydm:
      return PatternForOrder(TDateOrder::YearMonthDay);
    default:
      return PatternForOrder(TDateOrder::MonthDayYear);
  }
}

std::string DatePatternForLocaleFormat(const std::string& dateFormat) {
  // The strftime conversions of the format as pattern letters ("%d/%m/%Y" -> "dmy"), then
  // the order of those letters.
  std::string letters;
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
        letters += 'd';
        break;
      case 'm':
      case 'b':
      case 'B':
      case 'h':
        letters += 'm';
        break;
      case 'y':
      case 'Y':
      case 'C':
      case 'G':
        letters += 'y';
        break;
      case 'D':  // %m/%d/%y
        return PatternForOrder(TDateOrder::MonthDayYear);
      case 'F':  // %Y-%m-%d
        return PatternForOrder(TDateOrder::YearMonthDay);
      default:
        break;
    }
    i = k;
  }
  if (letters.find('d') == std::string::npos || letters.find('m') == std::string::npos ||
      letters.find('y') == std::string::npos)
    return PatternForOrder(TDateOrder::MonthDayYear);
  return PatternForOrder(OrderOfPattern(letters));
}

std::string DateFormat() {
  // The system locale's short date format, as LC_TIME / LANG set it.
  const locale_t loc = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
  if (loc == static_cast<locale_t>(nullptr)) return PatternForOrder(TDateOrder::MonthDayYear);
  const std::string dateFormat = nl_langinfo_l(D_FMT, loc);
  freelocale(loc);
  return DatePatternForLocaleFormat(dateFormat);
}

std::string FormatDate(TDate d, std::string_view pattern) {
  const TYMD p = DecodeDate(d);
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    if (pattern.substr(i, 4) == "yyyy") {
      PutNumber(out, p.Year, 4);
      i += 4;
    } else if (pattern.substr(i, 2) == "mm") {
      PutNumber(out, p.Month, 2);
      i += 2;
    } else if (pattern.substr(i, 2) == "dd") {
      PutNumber(out, p.Day, 2);
      i += 2;
    } else {
      out += pattern[i++];
    }
  }
  return out;
}

std::string CompleteYear(std::string_view yearPart, int nearYear) {
  if (yearPart.size() >= 3) return std::string(yearPart);
  int value = 0;
  if (yearPart.size() < 2 || !DigitsValue(yearPart, value)) return "20" + std::string(yearPart);
  const int first = nearYear - 80;
  int year = first - first % 100 + value;
  if (year < first) year += 100;
  return std::to_string(year);
}

TParsedDate ParseDateStrict(std::string_view text, std::string_view pattern) {
  int year = -1, month = -1, day = -1;
  std::size_t t = 0;
  const auto take = [&](std::size_t n, int& value) {
    if (t + n > text.size() || !DigitsValue(text.substr(t, n), value)) return false;
    t += n;
    return true;
  };
  for (std::size_t i = 0; i < pattern.size();) {
    if (pattern.substr(i, 4) == "yyyy") {
      if (!take(4, year)) return {0, TDateTextFault::Shape};
      i += 4;
    } else if (pattern.substr(i, 2) == "mm") {
      if (!take(2, month)) return {0, TDateTextFault::Shape};
      i += 2;
    } else if (pattern.substr(i, 2) == "dd") {
      if (!take(2, day)) return {0, TDateTextFault::Shape};
      i += 2;
    } else {
      if (t >= text.size() || text[t] != pattern[i]) return {0, TDateTextFault::Shape};
      ++t;
      ++i;
    }
  }
  if (t != text.size()) return {0, TDateTextFault::Shape};
  return FromParts(year, month, day);
}

TParsedDate ParseDateLenient(std::string_view text, std::string_view pattern, int nearYear) {
  char separator = '/';
  for (const char c : pattern) {
    if (!IsPatternLetter(c)) {
      separator = c;
      break;
    }
  }
  text = TrimBlanks(text);
  std::array<std::string_view, 3> parts;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::size_t end = text.find(separator);
    if ((end == std::string_view::npos) != (i == parts.size() - 1))
      return {0, TDateTextFault::Shape};
    parts[i] = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  std::array<std::string_view, 3> yearMonthDay;
  switch (OrderOfPattern(pattern)) {
    case TDateOrder::MonthDayYear:
      yearMonthDay = {parts[2], parts[0], parts[1]};
      break;
    case TDateOrder::DayMonthYear:
      yearMonthDay = {parts[2], parts[1], parts[0]};
      break;
    case TDateOrder::YearMonthDay:
      yearMonthDay = parts;
      break;
  }
  const auto [yearText, monthText, dayText] = yearMonthDay;
  int year = 0, month = 0, day = 0;
  // A one-digit year is more likely a slip than year 205: refuse it rather than guess.
  if (yearText.size() < 2 || yearText.size() > 4 || monthText.size() > 2 || dayText.size() > 2 ||
      !DigitsValue(yearText, year) || !DigitsValue(monthText, month) ||
      !DigitsValue(dayText, day) || !DigitsValue(CompleteYear(yearText, nearYear), year))
    return {0, TDateTextFault::Shape};
  return FromParts(year, month, day);
}

}  // namespace absence
