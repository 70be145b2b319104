#pragma once
// The rules of adding and editing an employee: which employees a list shows, the balances a new
// employee starts with and how they follow the start date, the own entries that a new start or
// termination date would cut off, and the department whose manager the employee is.
#include <cstdint>
#include <string>

#include "data/records.h"
#include "data/settings.h"

namespace absence {

// The fields of an employee as the employee dialog hands them back.
struct TEmpFields {
  std::string LastName;
  std::string FirstName;
  std::string SSN;
  char EmpType = 'F';
  int32_t DeptID = 0;
  TDate StartDate = 0;
  TDate TermDate = 0;
};

// Whether an employee is listed under the display filter: never when trashed; otherwise all,
// those still employed (no termination date), or former ones (a termination date).
bool ShownByDisplay(const TEmpRecClass& emp, TEmployeeDisplay display);

// The balances a new employee starts with: 0 hours as of `asOf` for every reason with a policy
// that is not trashed.
TAccrualList NewEmployeeBalances(const TReasonList& reasons, TDate asOf);

// A new employee's start date typed: every balance takes it as its as-of date, except that a
// balance the user changed only moves forward.
void FollowStartDate(TAccrualList& balances, TDate startDate);

// Whether some balance is dated before the start date; RaiseAsOfDates moves each of them to it.
bool AnyBalanceBefore(const TAccrualList& balances, TDate startDate);
void RaiseAsOfDates(TAccrualList& balances, TDate startDate);

// The earliest and the latest of the employee's own entries, trashed ones included (global
// copies and exclusions are not the employee's own); nullptr when there is none.
const TAbsenceRecClass* FirstOwnEntry(const TEntryList& entries);
const TAbsenceRecClass* LastOwnEntry(const TEntryList& entries);

// Adds the employee with the balances given (copied) and copies of the live global entries on
// the days it is employed. Returns the new identifier; the list is not re-sorted.
int32_t AddNewEmployee(TEmpList& emps, const TEmpFields& fields, const TAccrualList& balances,
                       const TEntryList& globals, const TReasonList& reasons);

// Stores the edited fields (entries outside a narrowed period go) and copies the global entries
// that now apply.
void ApplyEmployeeEdit(TEmpRecClass& emp, const TEmpFields& fields, const TEntryList& globals,
                       const TReasonList& reasons);

// The manager role after the dialog: the chosen department gets the employee as its manager
// when `isManager`, or no manager when it was this employee and the box is clear; a department
// the employee left stops naming it as manager.
void SetManagerRole(TDeptList& depts, int32_t empID, int32_t oldDeptID, int32_t newDeptID,
                    bool isManager);

// Whether the department `deptID` exists and names `empID` as its manager.
bool ManagesDept(const TDeptList& depts, int32_t deptID, int32_t empID);

}  // namespace absence
