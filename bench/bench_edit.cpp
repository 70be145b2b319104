// Undo and redo of a drag on the calendar: the own entry of the employee with the most entries
// moved one day later, taken back and made again. The change itself is made untimed. Then a
// year's holidays (the United States set, in the year after the history) planned and added as
// one change, taken back untimed.
#include <algorithm>

#include "bench.h"
#include "convert/holidays/holiday_plan.h"
#include "dates/dates.h"
#include "edit/changes.h"

namespace absence::bench {

void BenchEdit(TSizeRun& run) {
  TDataSet& org = run.Data;
  const TEmpRecClass* emp = nullptr;
  for (const auto& e : org.EmpList)
    if (!e->Deleted && (!emp || e->Entries.size() > emp->Entries.size())) emp = e.get();
  if (!emp) return;
  const TAbsenceRecClass* entry = nullptr;
  for (const auto& e : emp->Entries)
    if (e->Kind == TEntryKind::Own && e->IsLive()) entry = e.get();  // the latest one
  if (!entry) return;
  const edit::TEntryEdit move{entry->ReasonID, entry->Kind,  entry->EntryDate,
                              entry->ReasonID, entry->Hours, entry->EntryDate + 1};
  edit::TEditEntries drag(emp->EmpID, {move});
  run.Add(Measure("undo_drag", "undo of a drag on the calendar", run.Target("undo_drag"),
                  run.Options.QuickRuns, [&](TStopwatch& watch) {
                    drag.Apply(org);
                    watch.Start();
                    drag.Revert(org);
                    watch.Stop();
                  }));
  run.Add(Measure("redo_drag", "redo of a drag on the calendar", run.Target("redo_drag"),
                  run.Options.QuickRuns, [&](TStopwatch& watch) {
                    watch.Start();
                    drag.Apply(org);
                    watch.Stop();
                    drag.Revert(org);
                  }));

  TDate last = 0;
  for (const auto& e : org.GlobalList) last = std::max(last, e->EntryDate);
  int32_t reasonID = 0;
  for (const auto& r : org.ReasonList)
    if (!r->Deleted && !r->HasPolicy && reasonID == 0) reasonID = r->ReasonID;
  if (reasonID == 0 || last == 0) return;
  const auto rules = ParseHolidayRules(StarterRuleSets().front().Text);
  const int year = Year(last) + 1;
  run.Add(Measure("holidays_year", "a year's holidays planned and added",
                  run.Target("holidays_year"), run.Options.QuickRuns, [&](TStopwatch& watch) {
                    watch.Start();
                    const THolidayPlan plan =
                        PlanHolidays(org, HolidaysOfYear(rules, year, reasonID, 8));
                    edit::TChangePtr change = HolidayChange(plan, "holidays");
                    change->Apply(org);
                    watch.Stop();
                    change->Revert(org);
                  }));
}

}  // namespace absence::bench
