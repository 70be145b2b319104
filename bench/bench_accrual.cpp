// The balances panel of one employee for all reasons, on the last day of the history: the
// employee with the most entries, eligible and never terminated (the worst case).
#include "accrual/balances.h"
#include "bench.h"
#include "dates/dates.h"

namespace absence::bench {

void BenchAccrual(TSizeRun& run) {
  const TDataSet& org = run.Data;
  const TBenefitYear by{7, 31};
  const TDate lastDay = NearestValidDate(run.Shape.LastYear(), 12, 18);
  const TEmpRecClass* emp = nullptr;
  for (const auto& e : org.EmpList)
    if (e->EmpType == 'F' && e->TermDate == 0 && (!emp || e->Entries.size() > emp->Entries.size()))
      emp = e.get();
  if (!emp) return;
  double checksum = 0;  // keeps the work from being optimised away
  run.Add(MeasureWhole("balance_panel", "balance panel, one employee, all reasons",
                       run.Target("balance_panel"), run.Options.QuickRuns, [&] {
                         for (const auto& r : org.ReasonList) {
                           if (!r->Active || r->Deleted) continue;
                           const TPanelBalance b =
                               PanelBalance(*emp, org.ReasonList, *r, lastDay, by);
                           checksum += b.Available.value_or(0) + b.Used;
                         }
                       }));
  KeepResult(checksum);
}

}  // namespace absence::bench
