// Reading dates back from text: the strict form (exactly what FormatDate writes) and the
// lenient form (what a person types or another program writes), and the pattern orders.
#include <gtest/gtest.h>

#include <chrono>

#include "dates/chrono_date.h"
#include "dates/date_text.h"
#include "dates/dates.h"

namespace absence {
namespace {

using test::D;
using enum TDateTextFault;

struct TTextCase {
  const char* text;
  const char* pattern;
  TDateTextFault fault;
  double date;  // when the fault is None
};

void ExpectParsed(const TParsedDate& got, const TTextCase& c) {
  EXPECT_EQ(got.Fault, c.fault) << '"' << c.text << "\" with " << c.pattern;
  if (c.fault == None) {
    EXPECT_EQ(got.Date, c.date) << c.text;
  }
}

TEST(DateText, StrictReadsOnlyWhatFormatDateWrites) {
  const TTextCase cases[] = {
      {"12/25/2005", "mm/dd/yyyy", None, D(2005, 12, 25)},
      {"25/12/2005", "dd/mm/yyyy", None, D(2005, 12, 25)},
      {"2005/12/25", "yyyy/mm/dd", None, D(2005, 12, 25)},
      {"2024-02-29", "yyyy-mm-dd", None, D(2024, 2, 29)},
      {"0001-01-01", "yyyy-mm-dd", None, kMinDate},
      {"12/25/05", "mm/dd/yyyy", Shape, 0},
      {"1/2/2005", "mm/dd/yyyy", Shape, 0},
      {" 12/25/2005", "mm/dd/yyyy", Shape, 0},
      {"12-25-2005", "mm/dd/yyyy", Shape, 0},
      {"2024-2-29", "yyyy-mm-dd", Shape, 0},
      {"+024-02-29", "yyyy-mm-dd", Shape, 0},
      {"", "yyyy-mm-dd", Shape, 0},
      {"2023-02-29", "yyyy-mm-dd", NoSuchDate, 0},
      {"2024-00-10", "yyyy-mm-dd", NoSuchDate, 0},
      {"2024-04-31", "yyyy-mm-dd", NoSuchDate, 0},
      {"0000-01-01", "yyyy-mm-dd", NoSuchDate, 0},
      // The last day a data file keeps, and the days after it.
      {"3798-12-28", "yyyy-mm-dd", None, kLastStoredDate},
      {"3798-12-29", "yyyy-mm-dd", TooLate, 0},
      {"9999-12-31", "yyyy-mm-dd", TooLate, 0},
  };
  for (const auto& c : cases) ExpectParsed(ParseDateStrict(c.text, c.pattern), c);
}

TEST(DateText, LenientReadsTypedDatesInThePatternsOrder) {
  const TTextCase cases[] = {
      // Day and month of one or two digits, blanks around the text.
      {"1/2/2005", "mm/dd/yyyy", None, D(2005, 1, 2)},
      {"1/2/2005", "dd/mm/yyyy", None, D(2005, 2, 1)},
      {"2005/1/2", "yyyy/mm/dd", None, D(2005, 1, 2)},
      {"  12/25/2005 \r\n", "mm/dd/yyyy", None, D(2005, 12, 25)},
      {"12/25/2005", "mm/dd/yyyy", None, D(2005, 12, 25)},
      // Two-digit years are completed; three and four digits are taken as they are; one digit
      // is refused.
      {"12/25/05", "mm/dd/yyyy", None, D(2005, 12, 25)},
      {"12/25/45", "mm/dd/yyyy", None, D(2045, 12, 25)},
      {"12/25/46", "mm/dd/yyyy", None, D(1946, 12, 25)},
      {"12/25/19", "mm/dd/yyyy", None, D(2019, 12, 25)},
      {"12/25/20", "mm/dd/yyyy", None, D(2020, 12, 25)},
      {"12/25/5", "mm/dd/yyyy", Shape, 0},
      {"25/12/5", "dd/mm/yyyy", Shape, 0},
      {"5/12/25", "yyyy/mm/dd", Shape, 0},
      {"12/25/205", "mm/dd/yyyy", None, D(205, 12, 25)},
      {"99/1/2", "yyyy/mm/dd", None, D(1999, 1, 2)},
      // The separator is the pattern's.
      {"2024-2-9", "yyyy-mm-dd", None, D(2024, 2, 9)},
      {"9.2.2024", "dd.mm.yyyy", None, D(2024, 2, 9)},
      {"9/2/2024", "dd.mm.yyyy", Shape, 0},
      // Not in form.
      {"12/25", "mm/dd/yyyy", Shape, 0},
      {"12/25/2005/1", "mm/dd/yyyy", Shape, 0},
      {"12//2005", "mm/dd/yyyy", Shape, 0},
      {"12/25/", "mm/dd/yyyy", Shape, 0},
      {"123/1/2005", "mm/dd/yyyy", Shape, 0},
      {"1/123/2005", "mm/dd/yyyy", Shape, 0},
      {"1/2/20050", "mm/dd/yyyy", Shape, 0},
      {"1/2x/2005", "mm/dd/yyyy", Shape, 0},
      {"1/ 2/2005", "mm/dd/yyyy", Shape, 0},
      {"-1/2/2005", "mm/dd/yyyy", Shape, 0},
      {"", "mm/dd/yyyy", Shape, 0},
      // In form, but no such day.
      {"2/30/2024", "mm/dd/yyyy", NoSuchDate, 0},
      {"2/29/23", "mm/dd/yyyy", NoSuchDate, 0},
      {"13/1/2024", "mm/dd/yyyy", NoSuchDate, 0},
      {"0/1/2024", "mm/dd/yyyy", NoSuchDate, 0},
      {"1/0/2024", "mm/dd/yyyy", NoSuchDate, 0},
      {"1/1/0000", "mm/dd/yyyy", NoSuchDate, 0},
      {"12/28/3798", "mm/dd/yyyy", None, kLastStoredDate},
      {"29/12/3798", "dd/mm/yyyy", TooLate, 0},
      {"3799/1/1", "yyyy/mm/dd", TooLate, 0},
  };
  for (const auto& c : cases) ExpectParsed(ParseDateLenient(c.text, c.pattern, 2026), c);
}

TEST(DateText, EveryDisplayPatternReadsBackWhatItWrites) {
  const double days[] = {kMinDate, D(1899, 12, 30), D(2000, 2, 29), D(2026, 12, 8),
                         kLastStoredDate};
  for (const char* pattern : {"mm/dd/yyyy", "dd/mm/yyyy", "yyyy/mm/dd", "yyyy-mm-dd"})
    for (const double day : days) {
      const std::string text = FormatDate(day, pattern);
      for (const TParsedDate& back :
           {ParseDateStrict(text, pattern), ParseDateLenient(text, pattern, 2026)}) {
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(back.Date, day) << text;
      }
    }
}

TEST(DateText, PatternOrderFromAnyDateFormat) {
  const struct {
    const char* pattern;
    TDateOrder order;
    const char* display;
  } cases[] = {
      {"mm/dd/yyyy", TDateOrder::MonthDayYear, "mm/dd/yyyy"},
      {"dd/mm/yyyy", TDateOrder::DayMonthYear, "dd/mm/yyyy"},
      {"yyyy/mm/dd", TDateOrder::YearMonthDay, "yyyy/mm/dd"},
      {"M/d/yy", TDateOrder::MonthDayYear, "mm/dd/yyyy"},      // Qt, United States
      {"dd.MM.yy", TDateOrder::DayMonthYear, "dd/mm/yyyy"},    // Qt, Germany
      {"yyyy-MM-dd", TDateOrder::YearMonthDay, "yyyy/mm/dd"},  // Qt, Sweden
      {"d MMM yyyy", TDateOrder::DayMonthYear, "dd/mm/yyyy"},
      {"yy/M/d", TDateOrder::YearMonthDay, "yyyy/mm/dd"},
      {"", TDateOrder::MonthDayYear, "mm/dd/yyyy"},
      {"yyyy", TDateOrder::YearMonthDay, "yyyy/mm/dd"},
      {"dd", TDateOrder::MonthDayYear, "mm/dd/yyyy"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OrderOfPattern(c.pattern), c.order) << c.pattern;
    EXPECT_EQ(PatternForOrder(OrderOfPattern(c.pattern)), c.display) << c.pattern;
  }
}

TEST(DateText, CompleteYearPutsTheCenturyInFront) {
  // Two digits: from 80 years before the near year to 19 after it, whatever the century.
  const struct {
    const char* part;
    int nearYear;
    const char* completed;
  } cases[] = {{"00", 2026, "2000"}, {"26", 2026, "2026"},  {"45", 2026, "2045"},
               {"46", 2026, "1946"}, {"99", 2026, "1999"},  {"18", 1999, "2018"},
               {"19", 1999, "1919"}, {"99", 2080, "2099"},  {"00", 2081, "2100"},
               {"5", 2026, "205"},   {"0", 2026, "200"},    {"", 2026, "20"},
               {"205", 2026, "205"}, {"2024", 2026, "2024"}};
  for (const auto& c : cases)
    EXPECT_EQ(CompleteYear(c.part, c.nearYear), c.completed) << c.part << " near " << c.nearYear;
}

TEST(DateText, ChronoDaysAreTheSameDays) {
  using namespace std::chrono;
  const struct {
    double date;
    sys_days day;
  } cases[] = {
      {0, sys_days{year{1899} / December / 30}},
      {D(1970, 1, 1), sys_days{}},
      {D(2026, 12, 8), sys_days{year{2026} / December / 8}},
      {kMinDate, sys_days{year{1} / January / 1}},
      {kMaxDate, sys_days{year{9999} / December / 31}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToSysDays(c.date), c.day) << c.date;
    EXPECT_EQ(FromSysDays(c.day), c.date) << c.date;
  }
  EXPECT_EQ(kDayZero, cases[0].day);
  EXPECT_EQ(ToSysDays(D(2026, 12, 8) + 0.75), cases[2].day);  // the time of day is dropped
  EXPECT_EQ(FromSysDays(sys_days{year{10000} / January / 1}), kMaxDate);
}

}  // namespace
}  // namespace absence
