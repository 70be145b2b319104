// The employee information report: each employee's details and opening accrual balances.
#include "reports/grouped_report.h"
#include "reports/report_bodies.h"

namespace absence::reports {
namespace {

class TEmpInfoReport : public TGroupedReport {
 public:
  explicit TEmpInfoReport(TReportRun& run) : TGroupedReport(run, TStyle{4, 5, true, true}) {}

  void Heading() override {
    E.SetSectionTop(0.85);
    R.Font(14, true);
    R.SubjectAndBody(1.2, 1.0);
    R.TabStops({{0.75, 2.5}});
  }

 protected:
  void EmployeeLines(const TEmpRecClass& emp) override {
    if (R.Options.PrintEmpInfo) Details(emp);
    if (R.Options.PrintAccruals) Accruals(emp);
  }

 private:
  void Label(const char* label) {
    E.NextTab();
    E.NextTab();
    E.PrintText(label);
    E.NextTab();
  }

  void Details(const TEmpRecClass& emp) {
    if (E.LinesLeft() < 4) ContinuedPage();
    R.TabStops({{0.75, 2.5}, {1.0, 0.95}, {2.0, 1.45}, {4.0, 0.7}, {4.75, 1.45}});
    Label("Employee ID:");
    E.PrintLine(emp.SSN);
    Label("Start Date:");
    if (emp.StartDate > 0) E.PrintText(R.Date(emp.StartDate));
    if (emp.TermDate > 0) {
      E.NextTab();
      E.PrintText("Term Date:");
      E.NextTab();
      E.PrintText(R.Date(emp.TermDate));
    }
    E.PrintLine();
    Label("Benefits:");
    E.PrintLine(emp.EmpType == 'T' || emp.EmpType == 'P' ? "Not eligible to earn benefit hours"
                                                         : "Eligible to earn benefit hours");
    Label("Department:");
    const TDeptRecClass* dept = R.Dept(emp.DeptID);
    E.PrintLine(dept ? dept->DeptName : kNoDepartment);
    E.PrintLine();
  }

  void AccrualHeadings() {
    R.TabStops({{0.75, 2.5}, {1.0, 1.95}, {3.0, 0.5, TJustify::Right}, {3.75, 0.95}});
    R.Font(11, true, true);
    Label("Accrued Benefit");
    E.PrintText("Hours");
    E.NextTab();
    E.PrintText("As Of Date");
    R.Font(14);
    E.PrintLine();
    R.Font(11);
  }

  void Accruals(const TEmpRecClass& emp) {
    if (E.LinesLeft() < 3) ContinuedPage();
    AccrualHeadings();
    for (const auto& a : emp.Accruals) {
      if (!a->IsLive()) continue;
      if (E.LinesLeft() < 1) {
        ContinuedPage();
        E.NextTab();
        R.Font(11, true);
        E.PrintText(emp.FullName() + " - Continued");
        R.Font(14);
        E.PrintLine();
        R.Font(11);
        AccrualHeadings();
      }
      const TReasonRecClass* reason = R.Reason(a->ReasonID);
      Label(reason ? reason->Description.c_str() : "");
      E.PrintText(R.Hours(a->Hours));
      E.NextTab();
      E.PrintLine(R.Date(a->AsOfDate));
    }
    E.PrintLine();
  }
};

}  // namespace

std::unique_ptr<TReportBody> MakeEmpInfoReport(TReportRun& run) {
  return std::make_unique<TEmpInfoReport>(run);
}

}  // namespace absence::reports
