// The department report: departments with their manager, and as the information list the
// employees of each and the employees without a department.
#include "reports/report_bodies.h"

namespace absence::reports {
namespace {

class TDepartmentReport : public TReportBody {
 public:
  using TReportBody::TReportBody;

  void Heading() override {
    if (R.Options.InformationList) {
      R.HeadingBlock(DisplayText());
    } else {
      E.SetSectionTop(1.0);
      E.SetSectionBottom(10.5);
      R.Font(11);
    }
    R.TabStops({{0.75, 2.5}, {1.0, 2.5}, {3.3, 1.1}, {4.45, 0.5}, {5.0, 1.75}});
    R.Font(11, true, true);
    E.PrintText("\tDepartment\t\tDept ID\tActive\tManager");
    R.Font(14);
    E.PrintLine(" ");
    R.Font(11);
  }

  void Body() override {
    bool anyPrinted = false;
    bool unassigned = false;
    for (const TSelectionItem& item : R.In.Selection) {
      if (item.ID == 0) unassigned = true;
      const TDeptRecClass* dept = R.Dept(item.ID);
      if (!dept || dept->Deleted) continue;
      if (R.Options.NewPagePerGroup && anyPrinted)
        E.StartNewPage();
      else if (E.LinesLeft() < 2)
        E.StartNewPage();
      else if (R.Options.InformationList && anyPrinted)
        E.PrintLine();
      anyPrinted = true;
      DeptLine(*dept);
      if (R.Options.InformationList) Members(*dept);
    }
    if (R.Options.InformationList && unassigned) Unassigned(anyPrinted);
  }

 private:
  std::string DisplayText() const {
    switch (R.In.Settings.EmployeeDisplay) {
      case TEmployeeDisplay::All:
        return "Includes All Employees";
      case TEmployeeDisplay::Current:
        return "Current Employees Only";
      case TEmployeeDisplay::Former:
        break;
    }
    return "Former Employees Only";
  }

  void DeptLine(const TDeptRecClass& dept) {
    const TEmpRecClass* manager = R.Emp(dept.ManagerID);
    E.NextTab();
    E.PrintText(dept.DeptName);
    E.NextTab();
    E.NextTab();
    E.PrintText(dept.DeptCode);
    E.NextTab();
    E.PrintText(dept.Active ? "Yes" : "No");
    E.NextTab();
    E.PrintLine(manager && !manager->Deleted ? FirstLast(*manager) : "<No Manager>");
  }

  void Members(const TDeptRecClass& dept) {
    for (const TEmpRecClass* e : R.DeptEmployees(dept.DeptID)) {
      if (E.LinesLeft() < 2) {
        E.StartNewPage();
        E.NextTab();
        E.PrintLine(dept.DeptName + " - Continued");
      }
      E.NextTab();
      E.NextTab();
      E.PrintLine(e->FullName());
    }
  }

  void Unassigned(bool anyPrinted) {
    if (E.LinesLeft() < 3 || (R.Options.NewPagePerGroup && anyPrinted))
      E.StartNewPage();
    else if (anyPrinted)
      E.PrintLine();
    E.SetItalic(true);
    E.NextTab();
    E.PrintLine("Unassigned Employees");
    E.SetItalic(false);
    for (const TEmpRecClass* e : R.DeptEmployees(0)) {
      if (E.LinesLeft() <= 0) {
        E.StartNewPage();
        E.NextTab();
        E.SetItalic(true);
        E.PrintLine("Unassigned Employees - Continued");
        E.SetItalic(false);
      }
      E.NextTab();
      E.NextTab();
      E.PrintLine(e->FullName());
    }
  }
};

}  // namespace

std::unique_ptr<TReportBody> MakeDepartmentReport(TReportRun& run) {
  return std::make_unique<TDepartmentReport>(run);
}

}  // namespace absence::reports
