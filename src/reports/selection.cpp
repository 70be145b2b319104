// The choices offered for a report's selection.
#include "reports/selection.h"

#include <algorithm>

#include "data/ansi.h"

namespace absence::reports {

TSelection EmployeeChoices(const TEmpList& emps, TEmployeeDisplay employeeDisplay) {
  TSelection choices;
  for (const auto& e : emps)
    if (ShownByDisplay(*e, employeeDisplay)) choices.push_back({e->FullName(), e->EmpID});
  return choices;
}

TSelection DepartmentChoices(const TDeptList& depts) {
  TSelection choices;
  for (const auto& d : depts)
    if (!d->Deleted) choices.push_back({d->DeptName, d->DeptID});
  choices.push_back({kNoDepartment, 0});
  return choices;
}

bool SelectionTextBefore(const TSelectionItem& a, const TSelectionItem& b) {
  return CompareBytes(AnsiSortKey(a.Text), AnsiSortKey(b.Text)) < 0;
}

void SortSelection(TSelection& selection) {
  std::stable_sort(selection.begin(), selection.end(), SelectionTextBefore);
}

}  // namespace absence::reports
