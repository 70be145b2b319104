// Timings of the reports for every employee of the large organisation: the balance report and
// the absence taken report for one year (target 3 s each), laid out with fixed text widths and,
// when built with Qt, with the real fonts into a PDF file.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "bench.h"
#include "dates/dates.h"
#include "large_org.h"
#include "reports/report.h"
#include "reports/selection.h"

#ifdef ABSENCE_BENCH_PDF
#include <QGuiApplication>

#include "ui/reports/report_paint.h"
#include "ui/reports/report_pdf.h"
#endif

namespace absence::bench {
namespace {

using namespace absence::reports;

struct TReportCase {
  const char* Name;
  TReportOptions Options;
};

std::vector<TReportCase> Cases(const TLargeOrgShape& shape) {
  const int year = shape.FirstYear + shape.Years - 1;
  TReportOptions balances;
  balances.Kind = TReportKind::Balances;
  balances.NewPagePerGroup = false;
  balances.ReportDate = EncodeDate(year, 12, 18);
  TReportOptions absence;
  absence.Kind = TReportKind::Absence;
  absence.NewPagePerGroup = false;
  absence.StartDate = EncodeDate(year, 1, 1);
  absence.EndDate = EncodeDate(year, 12, 31);
  return {{"balance report", balances}, {"absence taken report, one year", absence}};
}

}  // namespace

void BenchReports(TReport& report) {
  TLargeOrgShape shape;
  const TDataSet org = MakeLargeOrg(shape);
  TSelection all = EmployeeChoices(org.EmpList, TEmployeeDisplay::All);
  SortSelection(all);
  TReportSettings settings;
  settings.Organization = "Large Organisation";
  settings.Today = EncodeDate(shape.FirstYear + shape.Years, 1, 5);
#ifdef ABSENCE_BENCH_PDF
  int argc = 1;
  char name[] = "absence-bench";
  char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication app(argc, argv);
#endif
  for (const TReportCase& c : Cases(shape)) {
    const TReportInput in{org.EmpList, org.DeptList, org.ReasonList, org.GlobalList,
                          all,         c.Options,    settings};
    const TFixedMetrics fixed;
    std::size_t pages = 0;
    report.Time(std::string(c.Name) + ", recorded", 3.0,
                [&] { pages = RunReport(in, fixed).Pages.size(); });
    std::printf("  %zu employees, %zu pages\n", all.size(), pages);
#ifdef ABSENCE_BENCH_PDF
    const std::string file =
        (std::filesystem::temp_directory_path() / "absence-bench-report.pdf").string();
    double layout = 0;
    const std::clock_t cpu0 = std::clock();
    report.Time(std::string(c.Name) + ", PDF", 3.0, [&] {
      const auto t0 = std::chrono::steady_clock::now();
      const ui::TQtTextMetrics metrics;
      const TDocument doc = RunReport(in, metrics);
      layout = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
      ui::WriteReportPdf(doc, QString::fromStdString(file), "bench");
    });
    std::printf("  of which %.3f s laying out with the real fonts; %.3f s of processor time\n",
                layout, static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC);
    std::printf("  %.1f MB of PDF\n", static_cast<double>(std::filesystem::file_size(file)) / 1e6);
    std::filesystem::remove(file);
#endif
  }
}

}  // namespace absence::bench
