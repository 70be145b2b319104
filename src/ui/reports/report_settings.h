#pragma once
// What the reports take from the running program: the preferences, the organization name, the
// date pattern, today, the system's month and day names, the orientation chosen in Printer Setup
// and the locale's paper (a report window lays its pages out on its printer's paper instead).
#include "reports/report.h"

namespace absence::ui {

reports::TReportSettings ProgramReportSettings();

}  // namespace absence::ui
