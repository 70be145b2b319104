#pragma once
// The four list printouts on the text list printer: employees, reasons, one list of absence
// entries, and one employee's accrual balances. Each lays out all its pages in one call.
#include <string>

#include "reports/print_object.h"
#include "reports/report.h"

namespace absence::reports {

// What every printout is laid out for: the printer, the text measurement and the settings
// (organization, today, date pattern, hour format, employee display).
struct TPrintoutSetup {
  const TTextMetrics& Metrics;
  TPrintDevice Device;
  TReportSettings Settings;
};

// "Employee List": the employees not trashed and shown by the employee display preference, in
// list order.
TDocument PrintEmployeeList(const TPrintoutSetup& setup, const TEmpList& emps,
                            const TDeptList& depts);

// "Absence Reasons List", and the "Benefit Accrual Rules" of the reasons with a policy.
TDocument PrintReasonList(const TPrintoutSetup& setup, const TReasonList& reasons);

// "Absence List": the live entries of `year` (not exclusions), after sorting `entries` by
// reason or by date. `ownerName` is "Global Absence" or the employee's "Last, First".
TDocument PrintAbsenceList(const TPrintoutSetup& setup, TEntryList& entries,
                           const TReasonList& reasons, int year, bool byReason,
                           const std::string& ownerName);

// "Employees Information List": one employee's live accrual balances, in order.
TDocument PrintEmployeeAccruals(const TPrintoutSetup& setup, const TAccrualList& accruals,
                                const TReasonList& reasons, const std::string& lastName,
                                const std::string& firstName);

}  // namespace absence::reports
