// Undo and redo of a drag on the calendar: the own entry of the employee with the most entries
// moved one day later, taken back and made again. The change itself is made untimed.
#include "bench.h"
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
}

}  // namespace absence::bench
