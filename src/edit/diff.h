#pragma once
// What differs between two data sets, record by record and field by field: to see what a
// restore would bring back, or what happened between two backups.
//
// Only what a save keeps is compared: records in the trash and the employees' copies of global
// entries (made again from the global list at every load) are left out; a copy trashed on one
// employee counts as that employee's exclusion, as the files keep it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/dataset.h"

namespace absence::edit {

enum class TDiffRecord { Department, Reason, Employee, Balance, Entry, Exclusion, GlobalEntry };
enum class TDiffChange { Added, Removed, Changed };

// One field of a record: its value on each side that has the record. Values are text as a
// person reads it (dates "YYYY-MM-DD", hours in their shortest form, a department or manager
// as its identifier and name).
struct TDiffField {
  std::string Name;  // the field's name in the data set ("LastName", "Hours")
  std::optional<std::string> Before;
  std::optional<std::string> After;
  bool Text = false;  // a free text (a name, a code), quoted when listed
};

struct TRecordDiff {
  TDiffRecord Record = TDiffRecord::Employee;
  TDiffChange Change = TDiffChange::Changed;
  // The department, reason or employee; for balances and entries the employee they belong to
  // (0 for a global entry). Names are taken from the side that has the record, the second
  // side when it has both.
  int32_t ID = 0;
  std::string Name;
  int32_t ReasonID = 0;  // balances and entries
  std::string ReasonName;
  TDate Date = 0;  // entries
  // Added and removed records list every field; changed ones only those that differ.
  std::vector<TDiffField> Fields;
};

// The differences from `before` to `after`: departments, reasons, then each employee with its
// balances, entries and exclusions, then the global entries, each in order of identifier (and
// of date). Records are matched by identifier; balances by reason; entries by reason, date and
// kind. Empty when the two would be saved alike.
std::vector<TRecordDiff> DiffDataSets(const TDataSet& before, const TDataSet& after);

// One header line per record, "+" added, "-" removed, "~" changed, then one indented line per
// field ("    Hours: 8 → 4"). Empty for no differences.
std::string DiffText(const std::vector<TRecordDiff>& diffs);
// A JSON array of the same, one object per record.
std::string DiffJson(const std::vector<TRecordDiff>& diffs);

// Reads a data folder (a directory) or a backup file without writing anything anywhere.
// Throws EDataFileError when `path` is neither, ENotABackupError or ERestoreOpenError (see
// backup.h) for a file that is not a readable backup. Findings of the readers go to `warnings`.
TDataSet ReadDataSetOrBackup(const std::string& path, TWarnings& warnings);

}  // namespace absence::edit
