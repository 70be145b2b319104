#pragma once
// What a report can be run for: the employees or departments offered for selection, in the
// order the selection lists keep them.
#include "data/emp_maintenance.h"
#include "reports/report.h"

namespace absence::reports {

// Employees not trashed and shown by the employee display preference, by FullName.
TSelection EmployeeChoices(const TEmpList& emps, TEmployeeDisplay employeeDisplay);
// Departments not trashed, by DeptName, then "<No Department>" with identifier 0.
TSelection DepartmentChoices(const TDeptList& depts);
// Alphabetical as the employee list is (AnsiSortKey: case and accents aside), as the selection
// lists keep their items; equal texts keep their order.
bool SelectionTextBefore(const TSelectionItem& a, const TSelectionItem& b);
void SortSelection(TSelection& selection);

}  // namespace absence::reports
