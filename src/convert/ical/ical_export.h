#pragma once
// The absences as an iCalendar file, so that any calendar program can show them: each live own
// entry an all-day event of its employee, each live global entry one event for everyone. The
// identifiers of the events stay the same from one export to the next, so importing a new
// export into a calendar program updates the events instead of doubling them.
#include <ctime>
#include <string>

#include "convert/export_run.h"
#include "data/dataset.h"

namespace absence {

struct TCalendarFilter {
  TExportRange Range;  // dates written
  int32_t EmpID = 0;   // only this employee; 0 all
  int32_t DeptID = 0;  // only the employees of this department; 0 all
};

struct TCalendar {
  std::string Text;  // iCalendar text
  int Events = 0;
};

// The calendar. `hourFormat` writes the hours in each event's description; `stamp` is the time
// of the export (each event's DTSTAMP).
TCalendar CalendarText(const TDataSet& data, const TCalendarFilter& filter,
                       const std::string& hourFormat, std::time_t stamp);

}  // namespace absence
