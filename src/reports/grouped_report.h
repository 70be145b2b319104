#pragma once
// Reports that walk the selection by employee or by department: page breaks, a new page per
// group, department headings and their " - Continued" repeats. The report supplies the lines of
// one employee and what follows a department and the whole run.
#include <string>
#include <vector>

#include "reports/report_run.h"

namespace absence::reports {

class TGroupedReport : public TReportBody {
 public:
  struct TStyle {
    int EmpLinesNeeded = 3;      // LinesLeft wanted before an employee's name (by employee)
    int DeptEmpLinesNeeded = 4;  // the same inside a department
    bool PrintsEmptyDepts = false;
    bool LargeNames = false;  // names end in a 14-point line (12 points by employee)
  };

  TGroupedReport(TReportRun& run, const TStyle& style) : TReportBody(run), style_(style) {}
  std::string FirstSubject() const override;
  void Body() override;

 protected:
  virtual void EmployeeLines(const TEmpRecClass& emp) = 0;
  virtual void DepartmentDone(const TSelectionItem& /*dept*/) {}
  virtual void ReportDone(bool /*anyEmployee*/) {}

  bool ByDepartment() const { return !R.Options.SelectFromEmployees; }
  bool NewPagePerGroup() const { return R.Options.NewPagePerGroup; }
  // A new page; by department without new page per group, the department's heading again.
  void ContinuedPage();
  // 12 points bold and underlined in the first cell, the line ended in 14 points, back to 11.
  void GroupHeading(const std::string& text);
  // Before each line of an employee's block: when fewer than 2 lines are left, a new page with
  // the department's and the employee's " - Continued" headings.
  void EnsureEmployeeLine(const TEmpRecClass& emp);

 private:
  struct TGroup {
    const TSelectionItem* Item;
    std::vector<const TEmpRecClass*> Emps;
  };
  std::vector<const TEmpRecClass*> SelectedEmployees() const;
  std::vector<TGroup> PrintedDepartments() const;
  void NameLine(const TEmpRecClass& emp);
  void WalkEmployees();
  void WalkDepartments();

  TStyle style_;
  const TSelectionItem* dept_ = nullptr;  // the department being printed
};

}  // namespace absence::reports
