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
// Alphabetical, ignoring case, as the selection lists keep their items.
void SortSelection(TSelection& selection);

}  // namespace absence::reports
