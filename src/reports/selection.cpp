// The choices offered for a report's selection.
#include "reports/selection.h"

#include <algorithm>
#include <cctype>

namespace absence::reports {
namespace {

std::string Folded(const std::string& s) {
  std::string f = s;
  for (char& c : f) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return f;
}

}  // namespace

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

void SortSelection(TSelection& selection) {
  std::stable_sort(selection.begin(), selection.end(),
                   [](const auto& a, const auto& b) { return Folded(a.Text) < Folded(b.Text); });
}

}  // namespace absence::reports
