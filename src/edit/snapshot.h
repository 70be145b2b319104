#pragma once
// What a change may touch, kept before it runs so that it can be put back exactly. After the
// change, only the parts that really differ are kept: undoing a change to one employee's entries
// holds that stretch of one list, not a copy of the organisation.
#include <cstdint>
#include <optional>
#include <vector>

#include "data/dataset.h"
#include "edit/records_copy.h"

namespace absence::edit {

// The lists and records a change may touch.
struct TScope {
  bool Reasons = false;
  bool Depts = false;
  bool Globals = false;
  // Every employee's record, balances and entries may change.
  bool AllEmps = false;
  // These employees' records, balances and entries may change (identifiers).
  std::vector<int32_t> Emps;
  // Employees may be added or reordered (their records themselves stay as they are unless
  // named above).
  bool EmpOrder = false;
};

class TSnapshot {
 public:
  // Copies what `scope` names. Throws nothing else than bad_alloc.
  TSnapshot(const TDataSet& data, const TScope& scope);
  // After the change: drops the copies of what did not change.
  void Trim(const TDataSet& data);
  // Puts the data set back as it was when the snapshot was taken. Once only.
  void PutBack(TDataSet& data);
  // Employees whose records changed (known after Trim), and whether the employee list itself
  // was added to or reordered.
  const std::vector<int32_t>& ChangedEmps() const { return changedEmps_; }
  bool EmpListChanged() const { return empListChanged_; }
  // Whether an employee's own fields (not only its balances or entries) changed.
  bool EmpRecordsChanged() const { return empRecordsChanged_; }

 private:
  struct TEmpState {
    TEmpRecClass* Record = nullptr;
    std::unique_ptr<TEmpRecClass> Header;  // nullptr once trimmed as unchanged
    std::optional<TListSlice<TAccrualRecClass>> Accruals;
    std::optional<TListSlice<TAbsenceRecClass>> Entries;
    TAccrualList AccrualsBefore;
    TEntryList EntriesBefore;
  };

  std::optional<TReasonList> reasons_;
  std::optional<TDeptList> depts_;
  std::optional<TListSlice<TAbsenceRecClass>> globalSlice_;
  std::optional<TEntryList> globals_;
  std::vector<TEmpRecClass*> empOrder_;
  std::vector<TEmpState> emps_;
  std::vector<int32_t> changedEmps_;
  bool empListChanged_ = false;
  bool empRecordsChanged_ = false;
};

}  // namespace absence::edit
