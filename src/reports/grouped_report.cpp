// Walking the selection by employee or by department.
#include "reports/grouped_report.h"

namespace absence::reports {

std::vector<const TEmpRecClass*> TGroupedReport::SelectedEmployees() const {
  std::vector<const TEmpRecClass*> emps;
  for (const TSelectionItem& item : R.In.Selection) {
    const TEmpRecClass* e = R.Emp(item.ID);
    if (e && !e->Deleted) emps.push_back(e);
  }
  return emps;
}

// Departments without employees are left out unless the report prints them.
std::vector<TGroupedReport::TGroup> TGroupedReport::PrintedDepartments() const {
  std::vector<TGroup> groups;
  for (const TSelectionItem& item : R.In.Selection) {
    TGroup g{&item, R.DeptEmployees(item.ID)};
    if (!g.Emps.empty() || style_.PrintsEmptyDepts) groups.push_back(std::move(g));
  }
  return groups;
}

std::string TGroupedReport::FirstSubject() const {
  if (!NewPagePerGroup()) return std::string();
  if (!ByDepartment()) {
    const auto emps = SelectedEmployees();
    return emps.empty() ? std::string() : FirstLast(*emps.front());
  }
  // The first department printed, so a skipped one never names the first page.
  const auto groups = PrintedDepartments();
  return groups.empty() ? std::string() : groups.front().Item->Text;
}

void TGroupedReport::Body() {
  if (ByDepartment())
    WalkDepartments();
  else
    WalkEmployees();
}

void TGroupedReport::WalkEmployees() {
  const auto emps = SelectedEmployees();
  for (std::size_t i = 0; i < emps.size(); ++i) {
    if (!NewPagePerGroup()) {
      if (E.LinesLeft() < style_.EmpLinesNeeded) E.StartNewPage();
      NameLine(*emps[i]);
    }
    EmployeeLines(*emps[i]);
    if (i + 1 == emps.size()) break;
    if (NewPagePerGroup())
      R.NewGroupPage(FirstLast(*emps[i + 1]));
    else
      E.PrintLine();
  }
  ReportDone(!emps.empty());
}

void TGroupedReport::WalkDepartments() {
  bool anyEmployee = false;
  bool anyDept = false;
  for (const TGroup& g : PrintedDepartments()) {
    dept_ = g.Item;
    if (NewPagePerGroup()) {
      if (anyDept) R.NewGroupPage(g.Item->Text);
    } else if (E.LinesLeft() < 6) {
      E.StartNewPage();
    } else if (anyEmployee) {
      E.PrintLine();
      E.PrintLine();
    }
    anyDept = true;
    GroupHeading(g.Item->Text);
    if (g.Emps.empty()) {
      E.PrintLine();
      E.PrintLine();
    }
    for (std::size_t j = 0; j < g.Emps.size(); ++j) {
      if (E.LinesLeft() < style_.DeptEmpLinesNeeded)
        ContinuedPage();
      else if (j > 0)
        E.PrintLine();
      NameLine(*g.Emps[j]);
      EmployeeLines(*g.Emps[j]);
      anyEmployee = true;
    }
    DepartmentDone(*g.Item);
  }
  dept_ = nullptr;
  ReportDone(anyEmployee);
}

void TGroupedReport::NameLine(const TEmpRecClass& emp) {
  E.NextTab();
  if (style_.LargeNames) {
    R.Font(ByDepartment() ? 11 : 12, true);
    E.PrintText(emp.FullName());
    R.Font(14);
    E.PrintLine();
    R.Font(11);
  } else {
    E.SetBold(true);
    E.PrintLine(emp.FullName());
    E.SetBold(false);
  }
}

void TGroupedReport::ContinuedPage() {
  E.StartNewPage();
  if (dept_ && !NewPagePerGroup()) GroupHeading(dept_->Text + " - Continued");
}

void TGroupedReport::GroupHeading(const std::string& text) {
  R.Font(12, true, true);
  E.NextTab();
  E.PrintText(text);
  R.Font(14);
  E.PrintLine();
  R.Font(11);
}

void TGroupedReport::EnsureEmployeeLine(const TEmpRecClass& emp) {
  if (E.LinesLeft() >= 2) return;
  ContinuedPage();
  E.NextTab();
  E.SetBold(true);
  E.PrintLine(emp.FullName() + " - Continued");
  E.SetBold(false);
}

}  // namespace absence::reports
