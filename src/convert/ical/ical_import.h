#pragma once
// Holidays from an iCalendar file (a calendar program's export, a public holiday calendar):
// each all-day event gives its days, with the reason and hours the user chose. Events with a
// time of day are no holidays and are left out; events that repeat are expanded.
#include <cstdint>
#include <string>
#include <vector>

#include "convert/holidays/holiday_rules.h"

namespace absence {

// The years whose days are taken; 0 and 0 for every day of the file.
struct TCalendarYears {
  int From = 0;
  int To = 0;
};

struct TCalendarHolidays {
  std::vector<THoliday> Days;  // in the file's order, an event's days in date order
  int TimedEvents = 0;         // events with a time of day, left out
  int LongEvents = 0;          // all-day events of more than kMaxHolidayEventDays, left out
  int OutsideYears = 0;        // days outside the years that can be kept, left out
  // Events that repeat without end when no years were chosen: named, not expanded.
  std::vector<std::string> Endless;
};

// An event longer than this is a trip or a term, not a holiday.
inline constexpr int kMaxHolidayEventDays = 31;

// Reads an iCalendar text; throws EConvertError when it is none.
TCalendarHolidays CalendarHolidays(const std::string& text, int32_t reasonID, float hours,
                                   TCalendarYears years = {});

// Reads the file `path` and its holidays; throws EConvertError when it cannot be read or is no
// iCalendar file.
TCalendarHolidays ReadCalendarHolidays(const std::string& path, int32_t reasonID, float hours,
                                       TCalendarYears years = {});

}  // namespace absence
