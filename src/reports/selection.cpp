// The choices offered for a report's selection.
#include "reports/selection.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

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
  // Each text's key once, not once per comparison: the lists hold every employee.
  std::vector<std::pair<std::string, std::size_t>> keyed;
  keyed.reserve(selection.size());
  for (std::size_t i = 0; i < selection.size(); ++i)
    keyed.emplace_back(AnsiSortKey(selection[i].Text), i);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return CompareBytes(a.first, b.first) < 0; });
  TSelection sorted;
  sorted.reserve(selection.size());
  for (const auto& k : keyed) sorted.push_back(std::move(selection[k.second]));
  selection = std::move(sorted);
}

}  // namespace absence::reports
