// Holidays read from iCalendar files: which events give days, repeating events, and an import
// of the same days twice adding them once.
#include <gtest/gtest.h>

#include "convert/convert_error.h"
#include "convert/holidays/holiday_plan.h"
#include "convert/ical/ical_import.h"
#include "data/json_dump.h"
#include "dates/dates.h"

namespace absence {
namespace {

std::string Calendar(const std::string& events) {
  return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Test//EN\r\n" + events +
         "END:VCALENDAR\r\n";
}

std::string Event(const std::string& summary, const std::string& lines) {
  return "BEGIN:VEVENT\r\nUID:" + summary +
         "@test\r\nDTSTAMP:20240101T000000Z\r\nSUMMARY:" + summary + "\r\n" + lines +
         "END:VEVENT\r\n";
}

std::vector<std::string> Days(const TCalendarHolidays& c) {
  std::vector<std::string> out;
  for (const auto& h : c.Days) {
    const TYMD d = DecodeDate(h.Date);
    out.push_back(h.Name + " " + std::to_string(d.Year) + "-" + std::to_string(d.Month) + "-" +
                  std::to_string(d.Day));
  }
  return out;
}

TEST(CalendarHolidays, AllDayEventsGiveTheirDays) {
  struct TCase {
    const char* Name;
    std::string Events;
    TCalendarYears Years;
    std::vector<std::string> Expected;
    int Timed = 0;
    int Long = 0;
    std::vector<std::string> Endless = {};
  };
  const std::vector<TCase> cases = {
      {"one-day events, with and without DTEND",
       Event("Memorial Day", "DTSTART;VALUE=DATE:20300527\r\nDTEND;VALUE=DATE:20300528\r\n") +
           Event("Thanksgiving", "DTSTART;VALUE=DATE:20301128\r\n"),
       {},
       {"Memorial Day 2030-5-27", "Thanksgiving 2030-11-28"}},
      {"a two-day event gives both days",
       Event("Christmas", "DTSTART;VALUE=DATE:20301225\r\nDTEND;VALUE=DATE:20301227\r\n"),
       {},
       {"Christmas 2030-12-25", "Christmas 2030-12-26"}},
      {"timed, cancelled and month-long events are no holidays",
       Event("Meeting", "DTSTART:20300527T090000Z\r\nDTEND:20300527T100000Z\r\n") +
           Event("Off", "DTSTART;VALUE=DATE:20300601\r\nSTATUS:CANCELLED\r\n") +
           Event("Term", "DTSTART;VALUE=DATE:20300101\r\nDTEND;VALUE=DATE:20300401\r\n"),
       {},
       {},
       1,
       1},
      {"a yearly event with a count, one year excluded",
       Event("Founders",
             "DTSTART;VALUE=DATE:20300314\r\nRRULE:FREQ=YEARLY;COUNT=3\r\n"
             "EXDATE;VALUE=DATE:20310314\r\n"),
       {},
       {"Founders 2030-3-14", "Founders 2032-3-14"}},
      {"a yearly weekday rule expanded for the chosen years",
       Event("Thanksgiving",
             "DTSTART;VALUE=DATE:20001123\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=4TH\r\n"),
       {2030, 2031},
       {"Thanksgiving 2030-11-28", "Thanksgiving 2031-11-27"}},
      {"an endless event without chosen years is named, not expanded",
       Event("Thanksgiving",
             "DTSTART;VALUE=DATE:20001123\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=4TH\r\n") +
           Event("Once", "DTSTART;VALUE=DATE:20300101\r\n"),
       {},
       {"Once 2030-1-1"},
       0,
       0,
       {"Thanksgiving"}},
      {"chosen years leave the other days out",
       Event("Once", "DTSTART;VALUE=DATE:20290101\r\n") +
           Event("Twice", "DTSTART;VALUE=DATE:20300101\r\n"),
       {2030, 2030},
       {"Twice 2030-1-1"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TCalendarHolidays got = CalendarHolidays(Calendar(c.Events), 3, 7.5f, c.Years);
    EXPECT_EQ(Days(got), c.Expected);
    EXPECT_EQ(got.TimedEvents, c.Timed);
    EXPECT_EQ(got.LongEvents, c.Long);
    EXPECT_EQ(got.Endless, c.Endless);
    for (const auto& h : got.Days) {
      EXPECT_EQ(h.ReasonID, 3);
      EXPECT_EQ(h.Hours, 7.5f);
    }
  }
  EXPECT_THROW(CalendarHolidays("Name,Date\nNew Year,01/01/2030\n", 3, 8), EConvertError);
}

// The same days twice in one file and again in a second import are added once.
TEST(CalendarHolidays, TheSameDaysImportedTwiceAreAddedOnce) {
  TDataSet data;
  AddReason(data.ReasonList, "Holiday", true, false, TBasis::None, TValidate::None);
  AddEmp(data.EmpList, "Smith", "Anna", "1", EncodeDate(2020, 1, 1), 0, 0, 'F');
  const std::string text = Calendar(Event("Memorial Day", "DTSTART;VALUE=DATE:20300527\r\n") +
                                    Event("Memorial Day again", "DTSTART;VALUE=DATE:20300527\r\n") +
                                    Event("Thanksgiving", "DTSTART;VALUE=DATE:20301128\r\n"));
  const THolidayPlan first = PlanHolidays(data, CalendarHolidays(text, 1, 8).Days);
  EXPECT_EQ(first.Add.size(), 2u);
  EXPECT_EQ(first.Skip.size(), 1u);
  HolidayChange(first, "holidays.ics")->Apply(data);
  EXPECT_EQ(data.GlobalList.size(), 2u);
  EXPECT_EQ(data.EmpList.front()->Entries.size(), 2u);
  const std::string once = DumpJson(data);
  const THolidayPlan second = PlanHolidays(data, CalendarHolidays(text, 1, 8).Days);
  EXPECT_TRUE(second.Add.empty());
  EXPECT_EQ(second.Skip.size(), 3u);
  HolidayChange(second, "holidays.ics")->Apply(data);
  EXPECT_EQ(DumpJson(data), once);
}

}  // namespace
}  // namespace absence
