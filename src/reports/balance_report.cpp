// The reason balance report: per employee and reason, the hours available, used and remaining
// as of the report date, through the accrual engine's report balance rule.
#include "accrual/balances.h"
#include "reports/grouped_report.h"
#include "reports/report_bodies.h"

namespace absence::reports {
namespace {

class TBalanceReport : public TGroupedReport {
 public:
  explicit TBalanceReport(TReportRun& run) : TGroupedReport(run, TStyle{3, 3, false, false}) {}

  void Heading() override {
    R.HeadingBlock("As of " + R.Date(R.Options.ReportDate));
    R.TabStops({{0.75, 0.5},
                {1.0, 2.25},
                {3.5, 0.5},
                {4.2, 0.5, TJustify::Right},
                {4.85, 0.5, TJustify::Right},
                {5.6, 0.5, TJustify::Right}});
    E.SetBold(true);
    E.SaveTabStops();
    R.TabStops({{5.7, 0.5, TJustify::Right}});
    E.NextTab();
    E.PrintLine("Remaining");
    E.RestoreTabStops();
    E.SetUnderline(true);
    E.NextTab();
    for (const char* heading : {"Absence Reason", "Year", "Available", "Used", "Balance"}) {
      E.NextTab();
      E.PrintText(heading);
    }
    R.Font(14);
    E.PrintLine();
    R.Font(11);
  }

 protected:
  void EmployeeLines(const TEmpRecClass& emp) override {
    for (const auto& reason : R.In.Reasons) {
      if (reason->Deleted) continue;
      const TReportBalance b = ReportBalance(emp, R.In.Reasons, *reason, R.Options.ReportDate,
                                             R.In.Settings.BenefitYear);
      if (!b.Printable() && !R.Options.IncludeAllReasons) continue;
      EnsureEmployeeLine(emp);
      E.NextTab();
      E.NextTab();
      E.PrintText(reason->Description);
      PrintBalanceCells(R, *reason, b);
    }
  }
};

}  // namespace

std::unique_ptr<TReportBody> MakeBalanceReport(TReportRun& run) {
  return std::make_unique<TBalanceReport>(run);
}

}  // namespace absence::reports
