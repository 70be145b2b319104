#include "data/emp_maintenance.h"

#include <algorithm>

namespace absence {

bool ShownByDisplay(const TEmpRecClass& emp, TEmployeeDisplay display) {
  if (emp.Deleted) return false;
  switch (display) {
    case TEmployeeDisplay::All:
      return true;
    case TEmployeeDisplay::Current:
      return emp.TermDate == 0;
    case TEmployeeDisplay::Former:
      return emp.TermDate > 0;
  }
  return true;
}

TAccrualList NewEmployeeBalances(const TReasonList& reasons, TDate asOf) {
  TAccrualList balances;
  for (const auto& r : reasons)
    if (r->HasPolicy && !r->Deleted) SetAccrual(balances, r->ReasonID, 0, asOf);
  return balances;
}

void FollowStartDate(TAccrualList& balances, TDate startDate) {
  for (auto& a : balances)
    if (!a->Modified || startDate > a->AsOfDate) a->AsOfDate = startDate;
}

bool AnyBalanceBefore(const TAccrualList& balances, TDate startDate) {
  return std::any_of(balances.begin(), balances.end(),
                     [&](const auto& a) { return a->AsOfDate < startDate; });
}

void RaiseAsOfDates(TAccrualList& balances, TDate startDate) {
  for (auto& a : balances)
    if (a->AsOfDate < startDate) a->AsOfDate = startDate;
}

const TAbsenceRecClass* FirstOwnEntry(const TEntryList& entries) {
  const auto it = std::find_if(entries.begin(), entries.end(),
                               [](const auto& e) { return e->Kind == TEntryKind::Own; });
  return it == entries.end() ? nullptr : it->get();
}

const TAbsenceRecClass* LastOwnEntry(const TEntryList& entries) {
  const auto it = std::find_if(entries.rbegin(), entries.rend(),
                               [](const auto& e) { return e->Kind == TEntryKind::Own; });
  return it == entries.rend() ? nullptr : it->get();
}

int32_t AddNewEmployee(TEmpList& emps, const TEmpFields& fields, const TAccrualList& balances,
                       const TEntryList& globals, const TReasonList& reasons) {
  const int32_t empID = AddEmp(emps, fields.LastName, fields.FirstName, fields.SSN,
                               fields.StartDate, fields.TermDate, fields.DeptID, fields.EmpType);
  TEmpRecClass& emp = *emps.back();
  for (const auto& a : balances) {
    SetAccrual(emp.Accruals, a->ReasonID, a->Hours, a->AsOfDate);
    // A balance the user entered keeps its mark of a change since the last save.
    emp.Accruals.back()->Modified = a->Modified;
    if (!a->DelMark.empty()) emp.Accruals.back()->DelMark = a->DelMark;
  }
  SortAccruals(emp.Accruals, reasons);
  emp.AddGlobalEntries(globals, reasons);
  return empID;
}

void ApplyEmployeeEdit(TEmpRecClass& emp, const TEmpFields& fields, const TEntryList& globals,
                       const TReasonList& reasons) {
  emp.Update(fields.LastName, fields.FirstName, fields.SSN, fields.EmpType, fields.DeptID,
             fields.StartDate, fields.TermDate);
  emp.AddGlobalEntries(globals, reasons);
}

namespace {

TDeptRecClass* LiveDept(TDeptList& depts, int32_t deptID) {
  if (deptID < 1) return nullptr;
  const int at = FindDept(depts, deptID, "");
  return at < 0 ? nullptr : depts[static_cast<std::size_t>(at)].get();
}

void SetManager(TDeptRecClass& dept, int32_t managerID) {
  dept.Update(dept.DeptName, dept.DeptCode, dept.Active, managerID);
}

}  // namespace

void SetManagerRole(TDeptList& depts, int32_t empID, int32_t oldDeptID, int32_t newDeptID,
                    bool isManager) {
  if (TDeptRecClass* dept = LiveDept(depts, newDeptID)) {
    if (isManager)
      SetManager(*dept, empID);
    else if (dept->ManagerID == empID)
      SetManager(*dept, 0);
  }
  if (oldDeptID != newDeptID)
    if (TDeptRecClass* left = LiveDept(depts, oldDeptID); left && left->ManagerID == empID)
      SetManager(*left, 0);
}

bool ManagesDept(const TDeptList& depts, int32_t deptID, int32_t empID) {
  if (deptID < 1 || empID < 1) return false;
  const int at = FindDept(depts, deptID, "");
  return at >= 0 && depts[static_cast<std::size_t>(at)]->ManagerID == empID;
}

}  // namespace absence
