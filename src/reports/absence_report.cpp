// The absence taken report: each employee's absences in a period with totals per reason for the
// employee, the department and the whole report.
#include "reports/grouped_report.h"
#include "reports/report_bodies.h"
#include "reports/taken.h"

namespace absence::reports {
namespace {

class TAbsenceReport : public TGroupedReport {
 public:
  explicit TAbsenceReport(TReportRun& run)
      : TGroupedReport(run, TStyle{3, 4, false, false}),
        keys_(run.In.Reasons),
        tallies_(run.In.Reasons) {}

  void Heading() override {
    const TReportOptions& o = R.Options;
    R.HeadingBlock("From " + R.Date(o.StartDate) + " to " + R.Date(o.EndDate) +
                   (o.Detail ? " - Detail Report" : " - Summary Report"));
    R.TabStops({{0.75, 2.5}, {1.0, 0.75}, {2.0, 2.5}, {4.5, 0.37, TJustify::Right}});
    R.Font(11, true, true);
    E.NextTab();
    E.NextTab();
    if (o.Detail) E.PrintText("Date");
    E.NextTab();
    E.PrintText("Reason");
    E.NextTab();
    E.PrintText("Hours");
    R.Font(14);
    E.PrintLine();
    R.Font(11);
  }

 protected:
  void EmployeeLines(const TEmpRecClass& emp) override {
    const bool detail = R.Options.Detail;
    for (const TAbsenceRecClass* x :
         TakenEntries(emp, keys_, R.Options.StartDate, R.Options.EndDate)) {
      if (!tallies_.Add(*x) || !detail) continue;
      EnsureEmployeeLine(emp);
      E.NextTab();
      E.NextTab();
      E.PrintText(R.Date(x->EntryDate));
      E.NextTab();
      E.PrintText(
          R.In.Reasons[static_cast<std::size_t>(tallies_.IndexOf(x->ReasonID))]->Description);
      E.NextTab();
      E.PrintLine(R.Hours(x->Hours));
    }
    if (detail) {
      EnsureEmployeeLine(emp);
      E.SetBold(true);
      E.NextTab();
      E.NextTab();
      E.PrintLine("Totals:");
      E.SetBold(false);
    }
    for (std::size_t i = 0; i < tallies_.size(); ++i) {
      if (tallies_[i].EmpTotal <= 0) continue;
      EnsureEmployeeLine(emp);
      TotalLine(i, tallies_[i].EmpTotal);
    }
    tallies_.ClearEmp();
  }

  void DepartmentDone(const TSelectionItem& dept) override {
    const std::string heading = dept.Text + " Totals";
    SpaceOrPage();
    GroupHeading(heading);
    TotalsLines(&TTallyRecClass::DeptTotal, heading);
  }

  void ReportDone(bool anyEmployee) override {
    if (!anyEmployee) return;
    const std::string heading = "Report Period Totals";
    if (NewPagePerGroup()) {
      R.NewGroupPage("Report Totals");
    } else {
      SpaceOrPage();
      GroupHeading(heading);
    }
    TotalsLines(&TTallyRecClass::ReportTotal, heading);
  }

 private:
  void SpaceOrPage() {
    if (E.LinesLeft() > 5) {
      E.PrintLine();
      E.PrintLine();
    } else {
      E.StartNewPage();
    }
  }

  void TotalLine(std::size_t reason, float total) {
    E.NextTab();
    E.NextTab();
    E.NextTab();
    E.PrintText(R.In.Reasons[reason]->Description);
    E.NextTab();
    E.PrintLine(R.Hours(total));
  }

  void TotalsLines(float TTallyRecClass::*total, const std::string& heading) {
    for (std::size_t i = 0; i < tallies_.size(); ++i) {
      if (tallies_[i].*total <= 0) continue;
      if (E.LinesLeft() < 2) {
        E.StartNewPage();
        if (!NewPagePerGroup()) GroupHeading(heading);
      }
      TotalLine(i, tallies_[i].*total);
    }
    tallies_.ClearEmpAndDept();
  }

  TReasonKeys keys_;
  TReasonTallies tallies_;
};

}  // namespace

std::unique_ptr<TReportBody> MakeAbsenceReport(TReportRun& run) {
  return std::make_unique<TAbsenceReport>(run);
}

}  // namespace absence::reports
