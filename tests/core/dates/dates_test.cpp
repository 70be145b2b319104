// The date library with its pinned semantics, checked against
// std::chrono and against the definitions themselves (brute force).
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <random>

#include "dates/chrono_date.h"
#include "dates/date_text.h"
#include "dates/dates.h"

namespace absence {
namespace {

using test::D;

TEST(AccrualDates, DayNumbersMatchTheCommonScale) {
  EXPECT_EQ(D(1899, 12, 30), 0);
  EXPECT_EQ(NearestValidDate(1899, 12, 30), 0);
  EXPECT_EQ(NearestValidDate(1900, 1, 1), 2);
  EXPECT_EQ(NearestValidDate(2000, 1, 1), 36526);
  EXPECT_EQ(NearestValidDate(1, 1, 1), kMinDate);
  EXPECT_EQ(NearestValidDate(9999, 12, 31), kMaxDate);
  EXPECT_EQ(D(1, 1, 1), kMinDate);
  EXPECT_EQ(D(9999, 12, 31), kMaxDate);
}

TEST(AccrualDates, DecodeAgreesWithChronoOverTheWholeRange) {
  using namespace std::chrono;
  constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};
  for (double n = kMinDate; n <= kMaxDate; n += 1) {
    const year_month_day ymd{kEpoch + days{static_cast<long>(n)}};
    const TYMD p = DecodeDate(n);
    ASSERT_EQ(p.Year, static_cast<int>(ymd.year())) << n;
    ASSERT_EQ(p.Month, static_cast<int>(static_cast<unsigned>(ymd.month()))) << n;
    ASSERT_EQ(p.Day, static_cast<int>(static_cast<unsigned>(ymd.day()))) << n;
    ASSERT_EQ(Year(n), p.Year);
    ASSERT_EQ(Month(n), p.Month);
    ASSERT_EQ(Day(n), p.Day);
    ASSERT_EQ(DaysInMonth(n),
              static_cast<int>(static_cast<unsigned>(
                  year_month_day_last{ymd.year(), month_day_last{ymd.month()}}.day())));
    if (p.Day == 1) {
      ASSERT_EQ(NearestValidDate(p.Year, p.Month, 1), n);
    }
  }
}

TEST(AccrualDates, NearestValidDateClampsTheDay) {
  struct Case {
    int y, m, d;
    double expected;
  };
  const Case cases[] = {
      {2001, 2, 29, D(2001, 2, 28)},   {2000, 2, 29, D(2000, 2, 29)}, {2000, 2, 31, D(2000, 2, 29)},
      {1900, 2, 29, D(1900, 2, 28)},   {2004, 4, 31, D(2004, 4, 30)}, {2004, 6, 0, D(2004, 6, 1)},
      {2004, 12, 31, D(2004, 12, 31)}, {2004, 1, 99, D(2004, 1, 31)},
  };
  for (const Case& c : cases) EXPECT_EQ(NearestValidDate(c.y, c.m, c.d), c.expected);
  EXPECT_EQ(DaysInMonth(D(2000, 2, 10)), 29);
  EXPECT_EQ(DaysInMonth(D(1900, 2, 10)), 28);
  EXPECT_EQ(DaysInMonth(D(2100, 2, 10)), 28);
  EXPECT_EQ(DaysInMonth(D(2400, 2, 10)), 29);
}

TEST(AccrualDates, AddMonthsAndAddYearsAtMonthEndsAndLeapDays) {
  struct Case {
    int n;
    double from, expected;
  };
  const Case months[] = {
      {1, D(2000, 1, 31), D(2000, 2, 29)},    {1, D(2001, 1, 31), D(2001, 2, 28)},
      {2, D(2001, 1, 31), D(2001, 3, 31)},    {1, D(2001, 2, 28), D(2001, 3, 28)},
      {-1, D(2001, 3, 31), D(2001, 2, 28)},   {-1, D(2000, 3, 30), D(2000, 2, 29)},
      {-1, D(2000, 1, 15), D(1999, 12, 15)},  {1, D(1999, 12, 31), D(2000, 1, 31)},
      {12, D(2000, 2, 29), D(2001, 2, 28)},   {48, D(2000, 2, 29), D(2004, 2, 29)},
      {-13, D(2000, 1, 31), D(1998, 12, 31)}, {0, D(2000, 5, 31), D(2000, 5, 31)},
      {3, D(2000, 11, 30), D(2001, 2, 28)},
  };
  for (const Case& c : months)
    EXPECT_EQ(AddMonths(c.n, c.from), c.expected) << c.n << " " << c.from;
  EXPECT_EQ(AddYears(1, D(2000, 2, 29)), D(2001, 2, 28));
  EXPECT_EQ(AddYears(-1, D(2000, 2, 29)), D(1999, 2, 28));
  EXPECT_EQ(AddYears(4, D(2000, 2, 29)), D(2004, 2, 29));
  EXPECT_EQ(AddYears(-1, D(2001, 2, 28)), D(2000, 2, 28));  // not moved to the 29th
}

TEST(AccrualDates, MonthDiffAndYearDiffPinnedCases) {
  EXPECT_EQ(MonthDiff(D(2000, 1, 31), D(2000, 2, 29)), 1);  // AddMonths(1) is 29 Feb
  EXPECT_EQ(MonthDiff(D(2000, 1, 31), D(2000, 2, 28)), 0);
  EXPECT_EQ(MonthDiff(D(2001, 1, 31), D(2001, 2, 28)), 1);
  EXPECT_EQ(MonthDiff(D(2000, 1, 15), D(2000, 7, 14)), 5);
  EXPECT_EQ(MonthDiff(D(2000, 1, 15), D(2000, 7, 15)), 6);
  EXPECT_EQ(MonthDiff(D(2000, 3, 15), D(2000, 9, 20)), 6);
  EXPECT_EQ(MonthDiff(D(2000, 7, 15), D(2000, 1, 15)), -6);
  EXPECT_EQ(MonthDiff(D(2000, 7, 14), D(2000, 1, 15)), -5);
  EXPECT_EQ(MonthDiff(D(2001, 3, 31), D(2001, 2, 28)), -1);  // AddMonths(-1) is 28 Feb
  EXPECT_EQ(MonthDiff(D(2001, 3, 30), D(2001, 2, 28)), -1);
  EXPECT_EQ(MonthDiff(D(2000, 5, 5), D(2000, 5, 5)), 0);
  EXPECT_EQ(YearDiff(D(2000, 2, 29), D(2001, 2, 28)), 1);
  EXPECT_EQ(YearDiff(D(2000, 2, 28), D(2001, 2, 27)), 0);
  EXPECT_EQ(YearDiff(D(2001, 2, 28), D(2000, 2, 29)), 0);  // AddYears(-1) is 28 Feb 2000
  EXPECT_EQ(YearDiff(D(2001, 2, 28), D(2000, 2, 28)), -1);
  EXPECT_EQ(YearDiff(D(2004, 2, 29), D(2003, 2, 28)), -1);
}

// The definitions of MonthDiff and YearDiff, by brute force, on random pairs (many at month
// ends).
TEST(AccrualDates, MonthDiffAndYearDiffFollowTheirDefinitions) {
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> year(1890, 2110), month(1, 12), day(1, 31), span(0, 900);
  auto randomDate = [&] {
    const int y = year(rng), m = month(rng);
    // Half the dates on the last days of a month.
    const int d = rng() % 2 ? day(rng) : 28 + static_cast<int>(rng() % 4);
    return NearestValidDate(y, m, d);
  };
  for (int i = 0; i < 4000; ++i) {
    const double a = randomDate();
    const double b = rng() % 3 ? randomDate() : a + span(rng) * (rng() % 2 ? 1 : -1);
    int expected = 0;
    if (a <= b) {
      while (AddMonths(expected + 1, a) <= b) ++expected;
    } else {
      while (AddMonths(-(expected + 1), a) >= b) ++expected;
      expected = -expected;
    }
    ASSERT_EQ(MonthDiff(a, b), expected) << a << " " << b;
    int years = 0;
    if (a <= b) {
      while (AddYears(years + 1, a) <= b) ++years;
    } else {
      while (AddYears(-(years + 1), a) >= b) ++years;
      years = -years;
    }
    ASSERT_EQ(YearDiff(a, b), years) << a << " " << b;
  }
}

TEST(AccrualDates, AddMonthsKeepsTheDayOrClampsToTheMonthEnd) {
  std::mt19937 rng(7);
  for (int i = 0; i < 5000; ++i) {
    const int y = 1 + static_cast<int>(rng() % 9999), m = 1 + static_cast<int>(rng() % 12);
    const int d = 1 + static_cast<int>(rng() % 31);
    const double from = NearestValidDate(y, m, d);
    const int n = static_cast<int>(rng() % 241) - 120;
    const long total = static_cast<long>(y) * 12 + (m - 1) + n;
    const int ty = static_cast<int>(total / 12), tm = static_cast<int>(total % 12) + 1;
    if (ty < 1 || ty > 9999) continue;
    const double to = AddMonths(n, from);
    ASSERT_EQ(Year(to), ty);
    ASSERT_EQ(Month(to), tm);
    ASSERT_EQ(Day(to), std::min(Day(from), DaysInMonth(ty, tm)));
  }
}

TEST(AccrualDates, RangeEndsAndBadValuesNeverLeaveTheRange) {
  EXPECT_EQ(AddMonths(1, kMaxDate), kMaxDate);
  EXPECT_EQ(AddMonths(-1, kMinDate), kMinDate);
  EXPECT_EQ(AddYears(100000, D(2000, 1, 1)), kMaxDate);
  EXPECT_EQ(AddYears(-100000, D(2000, 1, 1)), kMinDate);
  EXPECT_EQ(AddMonths(std::numeric_limits<int64_t>::max(), D(2000, 1, 1)), kMaxDate);
  EXPECT_EQ(AddMonths(std::numeric_limits<int64_t>::min(), D(2000, 1, 1)), kMinDate);
  EXPECT_EQ(AddMonths(-1, D(1, 1, 31)), kMinDate);
  EXPECT_EQ(AddMonths(1, D(9999, 12, 1)), kMaxDate);
  EXPECT_EQ(MonthDiff(kMinDate, kMaxDate), 9999 * 12 - 1);
  EXPECT_EQ(MonthDiff(kMaxDate, kMinDate), -(9999 * 12 - 1));
  EXPECT_EQ(YearDiff(kMinDate, kMaxDate), 9998);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Year(nan), 1899);
  EXPECT_EQ(Year(inf), 9999);
  EXPECT_EQ(Year(-inf), 1);
  EXPECT_EQ(Year(1e300), 9999);
  EXPECT_EQ(Day(D(2000, 3, 1) + 0.75), 1);
  EXPECT_EQ(NearestValidDate(0, 0, 0), kMinDate);
  EXPECT_EQ(NearestValidDate(10000, 13, 40), kMaxDate);
  EXPECT_EQ(NormalizeDate(-0.5), -1);
}

TEST(AccrualDates, DatePatternsFormatAndParse) {
  EXPECT_EQ(DatePatternForOrder(std::time_base::mdy), "mm/dd/yyyy");
  EXPECT_EQ(DatePatternForOrder(std::time_base::dmy), "dd/mm/yyyy");
  EXPECT_EQ(DatePatternForOrder(std::time_base::ymd), "yyyy/mm/dd");
  EXPECT_EQ(DatePatternForOrder(std::time_base::no_order), "mm/dd/yyyy");
  struct {
    const char* format;
    const char* pattern;
  } locales[] = {{"%m/%d/%Y", "mm/dd/yyyy"}, {"%d/%m/%Y", "dd/mm/yyyy"},
                 {"%d.%m.%Y", "dd/mm/yyyy"}, {"%Y-%m-%d", "yyyy/mm/dd"},
                 {"%D", "mm/dd/yyyy"},       {"%F", "yyyy/mm/dd"},
                 {"%e/%m/%y", "dd/mm/yyyy"}, {"%Y\xe5\xb9\xb4%m\xe6\x9c\x88%d", "yyyy/mm/dd"},
                 {"", "mm/dd/yyyy"},         {"%", "mm/dd/yyyy"}};
  for (const auto& l : locales)
    EXPECT_EQ(DatePatternForLocaleFormat(l.format), l.pattern) << l.format;
  const std::string pattern = DateFormat();
  EXPECT_EQ(pattern.size(), 10u);
  EXPECT_EQ(FormatDate(D(2004, 2, 9), "mm/dd/yyyy"), "02/09/2004");
  EXPECT_EQ(FormatDate(D(2004, 2, 9), "dd/mm/yyyy"), "09/02/2004");
  EXPECT_EQ(FormatDate(D(2004, 2, 9), "yyyy/mm/dd"), "2004/02/09");
  EXPECT_EQ(FormatDate(D(5, 11, 30), "yyyy-mm-dd"), "0005-11-30");
  TParsedDate d = ParseDateStrict("02/29/2000", "mm/dd/yyyy");
  ASSERT_TRUE(d);
  EXPECT_EQ(d.Date, D(2000, 2, 29));
  // The last day the data files keep; later days are refused.
  d = ParseDateStrict("28/12/3798", "dd/mm/yyyy");
  ASSERT_TRUE(d);
  EXPECT_EQ(d.Date, kLastStoredDate);
  EXPECT_EQ(ParseDateStrict("31/12/9999", "dd/mm/yyyy").Fault, TDateTextFault::TooLate);
  EXPECT_FALSE(ParseDateStrict("02/29/2001", "mm/dd/yyyy"));
  EXPECT_FALSE(ParseDateStrict("2/9/2004", "mm/dd/yyyy"));
  EXPECT_FALSE(ParseDateStrict("02/09/2004x", "mm/dd/yyyy"));
  EXPECT_FALSE(ParseDateStrict("13/01/2004", "mm/dd/yyyy"));
  EXPECT_FALSE(ParseDateStrict("01/01/0000", "mm/dd/yyyy"));
}

}  // namespace
}  // namespace absence
