#pragma once
// What the reports take from the running program: the preferences, the organization name, the
// date pattern, today, and the system's month and day names.
#include "reports/report.h"

namespace absence::ui {

reports::TReportSettings ProgramReportSettings();

}  // namespace absence::ui
