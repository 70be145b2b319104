// Timings of the accrual engine: the balances panel of one employee (all reasons, 25 years of
// history; target 5 ms) and the engine's share of the balance report for all employees
// (target 3 s for the whole report).
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "accrual/balances.h"
#include "bench.h"
#include "large_org.h"

namespace absence::bench {

namespace {

double Seconds(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

void BenchAccrual(TReport& report) {
  TLargeOrgShape shape;
  TDataSet org = MakeLargeOrg(shape);
  const TBenefitYear by{7, 31};
  const TDate lastYear = NearestValidDate(shape.FirstYear + shape.Years - 1, 12, 18);

  // The employee with the longest history, eligible and never terminated.
  const TEmpRecClass* emp = nullptr;
  for (const auto& e : org.EmpList)
    if (e->EmpType == 'F' && e->TermDate == 0 && (!emp || e->Entries.size() > emp->Entries.size()))
      emp = e.get();
  if (!emp) return;
  std::size_t reasons = 0;
  for (const auto& r : org.ReasonList) reasons += r->Active && !r->Deleted;
  std::printf("accrual: employee with %zu entries, %zu accrual records, %zu reasons\n",
              emp->Entries.size(), emp->Accruals.size(), reasons);

  // Balances panel, one employee, all reasons, at the end of the history (the worst case).
  const int panels = 2000;
  double checksum = 0;
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < panels; ++i) {
    for (const auto& r : org.ReasonList) {
      if (!r->Active || r->Deleted) continue;
      const TPanelBalance b = PanelBalance(*emp, org.ReasonList, *r, lastYear - (i % 7), by);
      checksum += b.Available.value_or(0) + b.Used;
    }
  }
  const double perPanel = Seconds(t0) / panels;
  std::printf("%-40s %8.3f ms (target 5 ms) %-4s  [checksum %.1f]\n",
              "balances panel, one employee (mean)", perPanel * 1e3,
              perPanel <= 0.005 ? "ok" : "OVER", checksum);

  // Worst single panel: every employee (best of three runs, to leave out scheduler noise), keep
  // the slowest.
  double worst = 0;
  for (const auto& e : org.EmpList) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
      const auto t1 = std::chrono::steady_clock::now();
      for (const auto& r : org.ReasonList)
        if (r->Active && !r->Deleted) PanelBalance(*e, org.ReasonList, *r, lastYear, by);
      best = std::min(best, Seconds(t1));
    }
    worst = std::max(worst, best);
  }
  std::printf("%-40s %8.3f ms (target 5 ms) %-4s\n", "balances panel, slowest employee",
              worst * 1e3, worst <= 0.005 ? "ok" : "OVER");

  // The engine's part of the balance report: every employee, every reason.
  report.Time("balance report figures, all employees", 3.0, [&] {
    double sum = 0;
    for (const auto& e : org.EmpList)
      for (const auto& r : org.ReasonList)
        if (!r->Deleted) {
          const TReportBalance b = ReportBalance(*e, org.ReasonList, *r, lastYear, by);
          sum += b.Balance.value_or(0);
        }
    std::printf("  [checksum %.1f]\n", sum);
  });
}

}  // namespace absence::bench
