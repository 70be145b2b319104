// Undo and redo of a drag on the calendar: the own entry of the employee with the most entries
// moved one day later, taken back and made again. The change itself is made untimed.
// Then the change history: what recording a save's changes adds to the save, and reading a
// history of 100,000 changes newest first (the History window's load). Last a year's holidays
// (the United States set, in the year after the history) planned and added as one change,
// taken back untimed.
#include <unistd.h>

#include <algorithm>

#include "bench.h"
#include "convert/holidays/holiday_plan.h"
#include "data/journal.h"
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

  // The drag's own record, given to the employees in turn so the names vary as they would.
  drag.Apply(org);
  TJournalRecord record = drag.Journal();
  drag.Revert(org);
  record.User = "bench";
  record.Host = "bench-host";
  const auto lines = [&](std::size_t count, int64_t start) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
      const TEmpRecClass& e = *org.EmpList[i % org.EmpList.size()];
      record.Records.front() = {TJournalRefType::Employee, e.EmpID, e.FullName(), e.DeptID};
      record.Time = start + static_cast<int64_t>(i) * 1000;
      text += JournalLine(record);
    }
    return text;
  };
  const std::string path = run.Folder + "bench-history.jsonl";
  const std::string waiting = run.Folder + "bench-history.pending";
  const TFileOps ops = TFileOps::Real();
  const std::string history = lines(100000, record.Time - 100000000);
  ops.WriteFileSynced(path, std::span<const uint8_t>(
                                reinterpret_cast<const uint8_t*>(history.data()), history.size()));
  // What the history adds to a save of 100 changes: their lines written beside the data files,
  // appended to the history, and the waiting file removed.
  const std::string saved = lines(100, record.Time + 1000);
  const std::span<const uint8_t> savedBytes(reinterpret_cast<const uint8_t*>(saved.data()),
                                            saved.size());
  run.Add(Measure("journal_append", "history appended at a save (100 changes)",
                  run.Target("journal_append"), run.Options.QuickRuns, [&](TStopwatch& watch) {
                    watch.Start();
                    ops.WriteFileSynced(waiting, savedBytes);
                    AppendJournal(path, saved, ops);
                    ops.Remove(waiting);
                    watch.Stop();
                    if (::truncate(path.c_str(), static_cast<off_t>(history.size())) != 0)
                      throw std::runtime_error(SystemErrorText(path, errno));
                  }));
  std::size_t shown = 0;
  run.Add(MeasureWhole("journal_read", "history of 100,000 changes read, newest first",
                       run.Target("journal_read"), run.Options.Runs, [&] {
                         const TJournal journal = ReadJournal(path);
                         shown = SelectJournal(journal, {}, TJournalOrder::NewestFirst).size();
                       }));
  if (shown != 100000) throw std::runtime_error("the bench history did not read back whole");
  ops.Remove(path);

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
