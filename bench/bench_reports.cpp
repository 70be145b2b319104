// The balance report and the absence taken report for one year, for every employee. Built with
// Qt, each run lays the report out with the real fonts and writes the PDF file; without it, the
// layout is measured with fixed text widths.
#include <filesystem>

#include "bench.h"
#include "dates/dates.h"
#include "reports/report.h"
#include "reports/selection.h"

#ifdef ABSENCE_BENCH_PDF
#include "ui/reports/report_paint.h"
#include "ui/reports/report_pdf.h"
#endif

namespace absence::bench {
namespace {

using namespace absence::reports;

struct TReportCase {
  const char* Key;
  const char* Name;
  TReportOptions Options;
};

std::vector<TReportCase> Cases(const TOrgShape& shape) {
  const int year = shape.LastYear();
  TReportOptions balances;
  balances.Kind = TReportKind::Balances;
  balances.NewPagePerGroup = false;
  balances.ReportDate = EncodeDate(year, 12, 18);
  TReportOptions absence;
  absence.Kind = TReportKind::Absence;
  absence.NewPagePerGroup = false;
  absence.StartDate = EncodeDate(year, 1, 1);
  absence.EndDate = EncodeDate(year, 12, 31);
  return {{"balance_report", "balance report, all employees", balances},
          {"absence_report", "absence taken report, one year, all", absence}};
}

}  // namespace

void BenchReports(TSizeRun& run) {
  const TDataSet& org = run.Data;
  TSelection all = EmployeeChoices(org.EmpList, TEmployeeDisplay::All);
  SortSelection(all);
  TReportSettings settings;
  settings.Organization = "Generated Organisation";
  settings.Today = EncodeDate(run.Shape.LastYear() + 1, 1, 5);
  const std::string file = run.Folder + "bench-report.pdf";
  for (const TReportCase& c : Cases(run.Shape)) {
    const TReportInput in{org.EmpList, org.DeptList, org.ReasonList, org.GlobalList,
                          all,         c.Options,    settings};
#ifdef ABSENCE_BENCH_PDF
    run.Add(MeasureWhole(
        c.Key, std::string(c.Name) + " (PDF)", run.Target(c.Key), run.Options.Runs, [&] {
          const ui::TQtTextMetrics metrics;
          ui::WriteReportPdf(RunReport(in, metrics), QString::fromStdString(file), "bench");
        }));
#else
    run.Add(MeasureWhole(c.Key, std::string(c.Name) + " (layout)", run.Target(c.Key),
                         run.Options.Runs, [&] { RunReport(in, TFixedMetrics()); }));
#endif
  }
  std::filesystem::remove(file);
}

}  // namespace absence::bench
