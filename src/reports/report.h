#pragma once
// The five reports: what they are given and the one call that lays a report out into pages.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "accrual/accrual.h"
#include "data/records.h"
#include "data/settings.h"
#include "reports/page_engine.h"

namespace absence::reports {

enum class TReportKind { Absence, Balances, Department, EmpInfo, MonthCalendar, Statement };

// "Absence", "Balances", "Department", "EmpInfo", "MonthCalendar", "Statement".
const char* ReportKey(TReportKind kind);
std::optional<TReportKind> ReportKindFromKey(const std::string& key);
// The title printed under the page heading.
std::string ReportTitle(TReportKind kind, bool informationList);

// One chosen employee or department: its display text and identifier (0: "<No Department>").
struct TSelectionItem {
  std::string Text;
  int32_t ID = 0;
};
using TSelection = std::vector<TSelectionItem>;

inline constexpr const char* kNoDepartment = "<No Department>";

struct TReportOptions {
  TReportKind Kind = TReportKind::Absence;
  bool NewPagePerGroup = true;
  bool SelectFromEmployees = true;
  // Absence taken and employee statements: the period, both days included; detail or summary.
  TDate StartDate = 0;
  TDate EndDate = 0;
  bool Detail = true;
  // Balances: the date typed (the engine is asked about the day after), and whether reasons with
  // nothing to show are printed too.
  TDate ReportDate = 0;
  bool IncludeAllReasons = false;
  // Employee information: the two blocks.
  bool PrintEmpInfo = true;
  bool PrintAccruals = true;
  // Department report: with the employees of each department, or the plain list.
  bool InformationList = true;
  // Month calendar.
  int CalendarYear = 2000;
  int CalendarMonth = 1;
  bool OncePerDay = true;
  int32_t CalendarDeptID = 0;  // 0: all departments
};

// What the reports take from the settings and the surroundings.
struct TReportSettings {
  std::string Organization;  // printed at the top of every page; may be empty
  TDate Today = 0;
  std::string DatePattern = "mm/dd/yyyy";
  THourFormat HourFormat = THourFormat::Tenth;
  TEmployeeDisplay EmployeeDisplay = TEmployeeDisplay::All;
  TBenefitYear BenefitYear;
  // Long names, January and Sunday first.
  std::array<std::string, 12> MonthNames = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
  std::array<std::string, 7> DayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};
  // The paper the pages come out on, and the orientation chosen for it; the month calendar is
  // always landscape.
  TPaper Paper = PaperLetter();
  TOrientation Orientation = TOrientation::Portrait;
};

struct TReportInput {
  const TEmpList& Emps;
  const TDeptList& Depts;
  const TReasonList& Reasons;
  const TEntryList& Globals;
  const TSelection& Selection;
  TReportOptions Options;
  TReportSettings Settings;
};

// Lays the report out page by page; the data set is only read.
TDocument RunReport(const TReportInput& input, const TTextMetrics& metrics);

}  // namespace absence::reports
