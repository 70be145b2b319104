#pragma once
// The trash as the restore dialog sees it: which records each kind of list offers for restoring,
// and restoring a chosen set of them, each exactly once.
#include <vector>

#include "data/records.h"

namespace absence {

// One mode per kind of record; the letters are those the windows pass around.
enum class TUndeleteMode : char {
  Reasons = 'R',
  Depts = 'D',
  Emps = 'E',
  Accruals = 'A',
  Entries = 'T',
  Globals = 'G',
};

// Positions, in list order, of the records that can be restored. Balances and entries hidden by
// a trashed reason are left out: they come back with their reason.
std::vector<int> TrashedPositions(const TReasonList& list);
std::vector<int> TrashedPositions(const TDeptList& list);
std::vector<int> TrashedPositions(const TEmpList& list);
std::vector<int> TrashedPositions(const TAccrualList& list);
std::vector<int> TrashedPositions(const TEntryList& list);

// Restore the records at `positions` (positions as listed, before any restore). Each record is
// restored once, also when an earlier restore removed another record from the list.
void RestoreReasons(TReasonList& list, const std::vector<int>& positions, TEmpList& emps,
                    TEntryList& globals);
void RestoreDepts(TDeptList& list, const std::vector<int>& positions, TEmpList& emps);
void RestoreEmps(TEmpList& list, const std::vector<int>& positions, TDeptList& depts);
void RestoreAccruals(TAccrualList& list, const std::vector<int>& positions);
// `listKind` Own for an employee's own list, Global for the global list (copies reach employees).
// An entry with a live twin of the same reason, kind and day is merged into it.
void RestoreEntries(TEntryList& list, const std::vector<int>& positions, TEmpList& emps,
                    TEntryKind listKind, const TReasonList& reasons);

}  // namespace absence
