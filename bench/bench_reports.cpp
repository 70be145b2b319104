// The balance report and the absence taken report for one year, the employee statements and the
// month-end summary for one month, for every employee. Built with
// Qt, each run lays the report out with the real fonts and writes the PDF file; without it, the
// layout is measured with fixed text widths.
#include <filesystem>

#include "bench.h"
#include "dates/dates.h"
#include "reports/report.h"
#include "reports/selection.h"
#include "reports/summary.h"

#ifdef ABSENCE_BENCH_PDF
#include "render/report_paint.h"
#include "render/report_pdf.h"
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
  TReportOptions statements;
  statements.Kind = TReportKind::Statement;
  statements.StartDate = EncodeDate(year, 11, 1);
  statements.EndDate = EncodeDate(year, 11, 30);
  return {{"balance_report", "balance report, all employees", balances},
          {"absence_report", "absence taken report, one year, all", absence},
          {"statements", "employee statements, one month, all", statements}};
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
          const render::TQtTextMetrics metrics;
          render::WriteReportPdf(RunReport(in, metrics), QString::fromStdString(file), "bench");
        }));
#else
    run.Add(MeasureWhole(c.Key, std::string(c.Name) + " (layout)", run.Target(c.Key),
                         run.Options.Runs, [&] { RunReport(in, TFixedMetrics()); }));
#endif
  }
  std::filesystem::remove(file);

  // The month-end summary: gathered and written both as CSV and as a workbook.
  TReportOptions month;
  month.StartDate = EncodeDate(run.Shape.LastYear(), 11, 1);
  month.EndDate = EncodeDate(run.Shape.LastYear(), 11, 30);
  const TReportInput in{org.EmpList, org.DeptList, org.ReasonList, org.GlobalList,
                        all,         month,        settings};
  const std::string csv = run.Folder + "bench-summary.csv";
  const std::string xlsx = run.Folder + "bench-summary.xlsx";
  run.Add(MeasureWhole("month_end_summary", "month-end summary, one month (CSV and .xlsx)",
                       run.Target("month_end_summary"), run.Options.Runs, [&] {
                         const TSummary summary = BuildSummary(in);
                         WriteSummaryCsvFile(csv, summary, ',');
                         WriteSummaryXlsx(xlsx, summary, "#,##0.0");
                       }));
  std::filesystem::remove(csv);
  std::filesystem::remove(xlsx);
}

}  // namespace absence::bench
