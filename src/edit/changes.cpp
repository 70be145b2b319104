#include "edit/changes.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "data/reason_policy.h"
#include "data/undelete.h"
#include "dates/date_text.h"
#include "edit/journal_values.h"

namespace absence::edit {
namespace {

const char* const kDash = " \u2014 ";

TEmpRecClass& EmpOf(TDataSet& data, int32_t empID) {
  const int i = empID > 0 ? FindEmp(data.EmpList, empID, std::string()) : -1;
  if (i < 0) throw EChangeRefused("There is no employee " + std::to_string(empID) + ".");
  return *data.EmpList[static_cast<std::size_t>(i)];
}

TReasonRecClass& ReasonOf(TDataSet& data, int32_t reasonID) {
  const int i = reasonID > 0 ? FindReason(data.ReasonList, reasonID, std::string()) : -1;
  if (i < 0) throw EChangeRefused("There is no absence reason " + std::to_string(reasonID) + ".");
  return *data.ReasonList[static_cast<std::size_t>(i)];
}

TDeptRecClass& DeptOf(TDataSet& data, int32_t deptID) {
  const int i = deptID > 0 ? FindDept(data.DeptList, deptID, std::string()) : -1;
  if (i < 0) throw EChangeRefused("There is no department " + std::to_string(deptID) + ".");
  return *data.DeptList[static_cast<std::size_t>(i)];
}

void CheckHours(float hours) {
  if (!std::isfinite(hours)) throw EChangeRefused("The hours are not a number.");
}

void CheckEntryReason(TDataSet& data, int32_t reasonID) {
  if (ReasonOf(data, reasonID).Deleted) throw EChangeRefused("The absence reason is in the trash.");
}

TEntryList& ListOf(TDataSet& data, int32_t empID) {
  return empID == kGlobalList ? data.GlobalList : EmpOf(data, empID).Entries;
}

// Positions must name trashed records the trash offers; each once.
template <class List>
void CheckTrashed(const List& list, const std::vector<int>& positions) {
  const std::vector<int> offered = TrashedPositions(list);
  const std::set<int> allowed(offered.begin(), offered.end());
  for (int p : positions)
    if (!allowed.contains(p)) throw EChangeRefused("That record is not in the trash.");
}

std::string EmpName(const TDataSet& data, int32_t empID) {
  const int i = empID > 0 ? FindEmp(data.EmpList, empID, std::string()) : -1;
  return i >= 0 ? data.EmpList[static_cast<std::size_t>(i)]->FullName()
                : "employee " + std::to_string(empID);
}

std::string ReasonName(const TDataSet& data, int32_t reasonID) {
  const std::string& text = ReasonText(data.ReasonList, reasonID);
  return text.empty() ? "reason " + std::to_string(reasonID) : text;
}

std::string DeptName(const TDataSet& data, int32_t deptID) {
  const int i = deptID > 0 ? FindDept(data.DeptList, deptID, std::string()) : -1;
  return i >= 0 ? data.DeptList[static_cast<std::size_t>(i)]->DeptName
                : "department " + std::to_string(deptID);
}

// "Vacation — Gupta, Priya" for an employee's list, "global Holiday" for the global list.
std::string Whose(const TDataSet& data, int32_t empID) {
  return empID == kGlobalList ? std::string() : kDash + EmpName(data, empID);
}

std::string Counted(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

std::vector<int32_t> EmpsOfDept(const TDataSet& data, int32_t deptID) {
  std::vector<int32_t> ids;
  for (const auto& e : data.EmpList)
    if (e->DeptID == deptID) ids.push_back(e->EmpID);
  return ids;
}

template <class List>
const auto* At(const List& list, int position) {
  return position >= 0 && static_cast<std::size_t>(position) < list.size()
             ? list[static_cast<std::size_t>(position)].get()
             : nullptr;
}

// The scope of a change to the entries of `empID`'s list: a global entry reaches everybody.
TScope EntryScope(int32_t empID, bool reachesAll) {
  TScope s;
  if (empID == kGlobalList || reachesAll) {
    s.Globals = empID == kGlobalList;
    s.AllEmps = true;
  } else {
    s.Emps = {empID};
  }
  return s;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
TAddEntries::TAddEntries(int32_t empID, int32_t reasonID, std::vector<TDate> dates, float hours,
                         TEntryKind kind)
    : empID_(empID), reasonID_(reasonID), dates_(std::move(dates)), hours_(hours), kind_(kind) {}

TScope TAddEntries::Scope(const TDataSet&) const {
  return EntryScope(empID_, false);
}

void TAddEntries::Run(TDataSet& data) {
  TEntryList& list = ListOf(data, empID_);
  if ((empID_ == kGlobalList) != (kind_ == TEntryKind::Global))
    throw EChangeRefused("Global entries belong in the global list only.");
  CheckEntryReason(data, reasonID_);
  CheckHours(hours_);
  for (TDate d : dates_) {
    AddEntry(list, data.EmpList, data.ReasonList, reasonID_, d, hours_, kind_);
    if (empID_ != kGlobalList) SortEntries(list, data.ReasonList, TEntryOrder::ByDate);
  }
}

std::string TAddEntries::Describe(const TDataSet& data, std::string_view pattern) const {
  const std::string when = dates_.size() == 1 ? "on " + FormatDate(dates_.front(), pattern)
                                              : "on " + Counted(dates_.size(), "day", "days");
  const char* verb = kind_ == TEntryKind::Exclusion ? "Exclude "
                     : kind_ == TEntryKind::Global  ? "Add global "
                                                    : "Add ";
  return verb + ReasonName(data, reasonID_) + ' ' + when + Whose(data, empID_);
}

// ---------------------------------------------------------------------------------------------
TAddGlobalEntries::TAddGlobalEntries(std::vector<TGlobalDay> days, std::string what)
    : days_(std::move(days)), what_(std::move(what)) {}

TScope TAddGlobalEntries::Scope(const TDataSet&) const {
  return EntryScope(kGlobalList, false);
}

void TAddGlobalEntries::Run(TDataSet& data) {
  for (const TGlobalDay& d : days_) {
    CheckEntryReason(data, d.ReasonID);
    CheckHours(d.Hours);
  }
  for (const TGlobalDay& d : days_) {
    // A day already there keeps its hours: merging would double a holiday added twice.
    if (FindEntry(data.GlobalList, d.ReasonID, TEntryKind::Global, d.Date) >= 0) continue;
    AddEntry(data.GlobalList, data.EmpList, data.ReasonList, d.ReasonID, d.Date, d.Hours,
             TEntryKind::Global);
    added_.push_back(d);
  }
}

void TAddGlobalEntries::Apply(TDataSet& data) {
  if (applied_) throw std::logic_error("a change was made twice without being taken back");
  std::vector<std::size_t> sizes;
  sizes.reserve(data.EmpList.size());
  for (const auto& e : data.EmpList) sizes.push_back(e->Entries.size());
  TScope globals;
  globals.Globals = true;
  TJournalRecord journal;
  journal.Time = JournalNow();
  journal.Kind = JournalKind();
  journal.Text = Describe(data, kJournalDatePattern);
  const TPicture pictured = PictureScope(data, globals);
  added_.clear();
  try {
    Run(data);
  } catch (...) {
    RemoveAdded(data);
    throw;
  }
  touched_ = {};
  touched_.Globals = true;
  for (std::size_t i = 0; i < sizes.size(); ++i)
    if (data.EmpList[i]->Entries.size() != sizes[i])
      touched_.Emps.push_back(data.EmpList[i]->EmpID);
  DescribeDifferences(pictured, PictureScope(data, globals, &pictured), journal);
  journal_ = std::move(journal);
  applied_ = true;
}

void TAddGlobalEntries::Revert(TDataSet& data) {
  if (!applied_) throw std::logic_error("a change was taken back that was not made");
  RemoveAdded(data);
  applied_ = false;
}

void TAddGlobalEntries::RemoveAdded(TDataSet& data) {
  // A new global entry was the only live one of its reason and day, and so is each copy of it:
  // no other live global entry of that day and reason exists to have copies.
  const auto removeFrom = [](TEntryList& list, const TGlobalDay& d) {
    const int at = FindEntry(list, d.ReasonID, TEntryKind::Global, d.Date);
    if (at >= 0) list.erase(list.begin() + at);
  };
  for (auto d = added_.rbegin(); d != added_.rend(); ++d) {
    removeFrom(data.GlobalList, *d);
    for (auto& e : data.EmpList)
      if (e->IsEmployedOn(d->Date)) removeFrom(e->Entries, *d);
  }
  added_.clear();
}

std::string TAddGlobalEntries::Describe(const TDataSet&, std::string_view) const {
  std::string text = "Add ";
  text += Counted(days_.size(), "global entry", "global entries");
  if (!what_.empty()) {
    text += ": ";
    text += what_;
  }
  return text;
}

// ---------------------------------------------------------------------------------------------
TEditEntries::TEditEntries(int32_t empID, std::vector<TEntryEdit> edits)
    : empID_(empID), edits_(std::move(edits)) {}

TScope TEditEntries::Scope(const TDataSet&) const {
  return EntryScope(empID_, false);
}

void TEditEntries::Run(TDataSet& data) {
  TEntryList& list = ListOf(data, empID_);
  std::vector<TAbsenceRecClass*> found;
  for (const TEntryEdit& e : edits_) {
    const int at = FindEntry(list, e.ReasonID, e.Kind, e.Date);
    if (at < 0) throw EChangeRefused("The absence entry is no longer there.");
    TAbsenceRecClass* entry = list[static_cast<std::size_t>(at)].get();
    if (entry->Kind != e.Kind) throw EChangeRefused("The absence entry is no longer there.");
    if (e.NewReasonID != e.ReasonID) CheckEntryReason(data, e.NewReasonID);
    CheckHours(e.NewHours);
    found.push_back(entry);
  }
  // Only a global entry of the global list carries its change to the employees.
  TEmpList noEmployees;
  TEmpList& reach = empID_ == kGlobalList ? data.EmpList : noEmployees;
  for (std::size_t i = 0; i < edits_.size(); ++i)
    found[i]->Update(edits_[i].NewReasonID, reach, edits_[i].NewHours, edits_[i].NewDate);
  SortEntries(list, data.ReasonList, TEntryOrder::ByDate);
}

std::string TEditEntries::Describe(const TDataSet& data, std::string_view pattern) const {
  const std::string global = empID_ == kGlobalList ? "global " : "";
  if (edits_.size() != 1)
    return "Change " + Counted(edits_.size(), "entry", "entries") + Whose(data, empID_);
  const TEntryEdit& e = edits_.front();
  if (e.NewReasonID == e.ReasonID && e.NewDate != e.Date) {
    return "Move " + global + ReasonName(data, e.ReasonID) + " from " +
           FormatDate(e.Date, pattern) + " to " + FormatDate(e.NewDate, pattern) +
           Whose(data, empID_);
  }
  return "Change " + global + ReasonName(data, e.ReasonID) + " on " + FormatDate(e.Date, pattern) +
         Whose(data, empID_);
}

// ---------------------------------------------------------------------------------------------
TTrashEntry::TTrashEntry(int32_t empID, int32_t reasonID, TEntryKind kind, TDate date)
    : empID_(empID), reasonID_(reasonID), kind_(kind), date_(date) {}

TScope TTrashEntry::Scope(const TDataSet&) const {
  return EntryScope(empID_, false);
}

void TTrashEntry::Run(TDataSet& data) {
  TEntryList& list = ListOf(data, empID_);
  const int at = FindEntry(list, reasonID_, kind_, date_);
  if (at < 0) throw EChangeRefused("The absence entry is no longer there.");
  list[static_cast<std::size_t>(at)]->AddDelMark(
      empID_ == kGlobalList ? TTrashMark::Global : TTrashMark::Record, data.EmpList);
}

std::string TTrashEntry::Describe(const TDataSet& data, std::string_view pattern) const {
  const std::string global = empID_ == kGlobalList ? "global " : "";
  return "Trash " + global + ReasonName(data, reasonID_) + " on " + FormatDate(date_, pattern) +
         Whose(data, empID_);
}

// ---------------------------------------------------------------------------------------------
TRestoreEntries::TRestoreEntries(int32_t empID, std::vector<int> positions)
    : empID_(empID), positions_(std::move(positions)) {}

TScope TRestoreEntries::Scope(const TDataSet& data) const {
  // A global copy merged into a live twin carries the hours on like a global entry does.
  bool reachesAll = false;
  const int i = empID_ > 0 ? FindEmp(data.EmpList, empID_, std::string()) : -1;
  if (i >= 0)
    for (int p : positions_)
      if (const auto* e = At(data.EmpList[static_cast<std::size_t>(i)]->Entries, p))
        reachesAll = reachesAll || e->Kind == TEntryKind::Global;
  return EntryScope(empID_, reachesAll);
}

void TRestoreEntries::Run(TDataSet& data) {
  TEntryList& list = ListOf(data, empID_);
  CheckTrashed(list, positions_);
  RestoreEntries(list, positions_, data.EmpList,
                 empID_ == kGlobalList ? TEntryKind::Global : TEntryKind::Own, data.ReasonList);
}

std::string TRestoreEntries::Describe(const TDataSet& data, std::string_view) const {
  const char* one = empID_ == kGlobalList ? "global entry" : "entry";
  const char* many = empID_ == kGlobalList ? "global entries" : "entries";
  return "Restore " + Counted(positions_.size(), one, many) + Whose(data, empID_);
}

// ---------------------------------------------------------------------------------------------
TAddEmployee::TAddEmployee(TEmpFields fields, const TAccrualList& balances, bool isManager)
    : fields_(std::move(fields)), balances_(CloneList(balances)), isManager_(isManager) {}

TScope TAddEmployee::Scope(const TDataSet&) const {
  TScope s;
  s.EmpOrder = true;
  s.Depts = true;
  return s;
}

void TAddEmployee::Run(TDataSet& data) {
  newID_ = AddNewEmployee(data.EmpList, fields_, balances_, data.GlobalList, data.ReasonList);
  // Added since the last save: shown as changed.
  data.EmpList.back()->Modified = true;
  SetManagerRole(data.DeptList, newID_, 0, fields_.DeptID, isManager_);
  SortEmps(data.EmpList);
}

std::string TAddEmployee::Describe(const TDataSet&, std::string_view) const {
  TEmpRecClass named;
  named.LastName = fields_.LastName;
  named.FirstName = fields_.FirstName;
  return "Add employee " + named.FullName();
}

// ---------------------------------------------------------------------------------------------
TEditEmployee::TEditEmployee(int32_t empID, TEmpFields fields, bool isManager,
                             const TAccrualList* balances)
    : empID_(empID),
      fields_(std::move(fields)),
      isManager_(isManager),
      withBalances_(balances != nullptr),
      balances_(balances ? CloneList(*balances) : TAccrualList()) {}

TScope TEditEmployee::Scope(const TDataSet&) const {
  TScope s;
  s.Emps = {empID_};
  s.EmpOrder = true;
  s.Depts = true;
  return s;
}

void TEditEmployee::Run(TDataSet& data) {
  TEmpRecClass& emp = EmpOf(data, empID_);
  const int32_t oldDeptID = emp.DeptID;
  // The balances come first, as they were edited before the dialog's OK.
  if (withBalances_) emp.Accruals = CloneList(balances_);
  ApplyEmployeeEdit(emp, fields_, data.GlobalList, data.ReasonList);
  SetManagerRole(data.DeptList, empID_, oldDeptID, fields_.DeptID, isManager_);
  SortEmps(data.EmpList);
}

std::string TEditEmployee::Describe(const TDataSet& data, std::string_view) const {
  return "Edit employee " + EmpName(data, empID_);
}

// ---------------------------------------------------------------------------------------------
TSetBalances::TSetBalances(int32_t empID, const TAccrualList& balances)
    : empID_(empID), balances_(CloneList(balances)) {}

TScope TSetBalances::Scope(const TDataSet&) const {
  TScope s;
  s.Emps = {empID_};
  return s;
}

void TSetBalances::Run(TDataSet& data) {
  EmpOf(data, empID_).Accruals = CloneList(balances_);
}

std::string TSetBalances::Describe(const TDataSet& data, std::string_view) const {
  return "Edit balances" + Whose(data, empID_);
}

// ---------------------------------------------------------------------------------------------
TRestoreBalances::TRestoreBalances(int32_t empID, std::vector<int> positions)
    : empID_(empID), positions_(std::move(positions)) {}

TScope TRestoreBalances::Scope(const TDataSet&) const {
  TScope s;
  s.Emps = {empID_};
  return s;
}

void TRestoreBalances::Run(TDataSet& data) {
  TAccrualList& list = EmpOf(data, empID_).Accruals;
  CheckTrashed(list, positions_);
  RestoreAccruals(list, positions_);
}

std::string TRestoreBalances::Describe(const TDataSet& data, std::string_view) const {
  return "Restore " + Counted(positions_.size(), "balance", "balances") + Whose(data, empID_);
}

// ---------------------------------------------------------------------------------------------
TTrashRecords::TTrashRecords(TRecordKind kind, std::vector<int32_t> ids)
    : kind_(kind), ids_(std::move(ids)) {}

TScope TTrashRecords::Scope(const TDataSet& data) const {
  TScope s;
  switch (kind_) {
    case TRecordKind::Employee:
      s.Emps = ids_;
      s.Depts = true;
      break;
    case TRecordKind::Reason:
      s.Reasons = s.Globals = s.AllEmps = true;
      break;
    case TRecordKind::Dept:
      s.Depts = true;
      for (int32_t id : ids_)
        for (int32_t e : EmpsOfDept(data, id)) s.Emps.push_back(e);
      break;
  }
  return s;
}

void TTrashRecords::Run(TDataSet& data) {
  const char* const kInTrash = "That record is already in the trash.";
  for (int32_t id : ids_) {
    switch (kind_) {
      case TRecordKind::Employee: {
        TEmpRecClass& e = EmpOf(data, id);
        if (e.Deleted) throw EChangeRefused(kInTrash);
        e.Delete(data.DeptList);
        break;
      }
      case TRecordKind::Reason: {
        TReasonRecClass& r = ReasonOf(data, id);
        if (r.Deleted) throw EChangeRefused(kInTrash);
        r.Delete(data.EmpList, data.GlobalList);
        break;
      }
      case TRecordKind::Dept: {
        TDeptRecClass& d = DeptOf(data, id);
        if (d.Deleted) throw EChangeRefused(kInTrash);
        d.Delete(data.EmpList);
        break;
      }
    }
  }
}

std::string TTrashRecords::Describe(const TDataSet& data, std::string_view) const {
  const bool one = ids_.size() == 1;
  switch (kind_) {
    case TRecordKind::Employee:
      return one ? "Trash employee " + EmpName(data, ids_.front())
                 : "Trash " + Counted(ids_.size(), "employee", "employees");
    case TRecordKind::Reason:
      return one ? "Trash reason " + ReasonName(data, ids_.front())
                 : "Trash " + Counted(ids_.size(), "reason", "reasons");
    case TRecordKind::Dept:
      break;
  }
  return one ? "Trash department " + DeptName(data, ids_.front())
             : "Trash " + Counted(ids_.size(), "department", "departments");
}

// ---------------------------------------------------------------------------------------------
TRestoreRecords::TRestoreRecords(TRecordKind kind, std::vector<int> positions)
    : kind_(kind), positions_(std::move(positions)) {}

TScope TRestoreRecords::Scope(const TDataSet& data) const {
  TScope s;
  switch (kind_) {
    case TRecordKind::Employee:
      s.Depts = true;
      for (int p : positions_)
        if (const auto* e = At(data.EmpList, p)) s.Emps.push_back(e->EmpID);
      break;
    case TRecordKind::Reason:
      s.Reasons = s.Globals = s.AllEmps = true;
      break;
    case TRecordKind::Dept:
      s.Depts = true;
      for (int p : positions_)
        if (const auto* d = At(data.DeptList, p))
          for (int32_t e : EmpsOfDept(data, -d->DeptID)) s.Emps.push_back(e);
      break;
  }
  return s;
}

void TRestoreRecords::Run(TDataSet& data) {
  switch (kind_) {
    case TRecordKind::Employee:
      CheckTrashed(data.EmpList, positions_);
      RestoreEmps(data.EmpList, positions_, data.DeptList);
      break;
    case TRecordKind::Reason:
      CheckTrashed(data.ReasonList, positions_);
      RestoreReasons(data.ReasonList, positions_, data.EmpList, data.GlobalList);
      break;
    case TRecordKind::Dept:
      CheckTrashed(data.DeptList, positions_);
      RestoreDepts(data.DeptList, positions_, data.EmpList);
      break;
  }
}

std::string TRestoreRecords::Describe(const TDataSet& data, std::string_view) const {
  if (positions_.size() == 1) {
    const int p = positions_.front();
    switch (kind_) {
      case TRecordKind::Employee:
        if (const auto* e = At(data.EmpList, p)) return "Restore employee " + e->FullName();
        break;
      case TRecordKind::Reason:
        if (const auto* r = At(data.ReasonList, p)) return "Restore reason " + r->Description;
        break;
      case TRecordKind::Dept:
        if (const auto* d = At(data.DeptList, p)) return "Restore department " + d->DeptName;
        break;
    }
  }
  switch (kind_) {
    case TRecordKind::Employee:
      return "Restore " + Counted(positions_.size(), "employee", "employees");
    case TRecordKind::Reason:
      return "Restore " + Counted(positions_.size(), "reason", "reasons");
    case TRecordKind::Dept:
      break;
  }
  return "Restore " + Counted(positions_.size(), "department", "departments");
}

// ---------------------------------------------------------------------------------------------
TAddReason::TAddReason(TReasonFields fields) : fields_(std::move(fields)) {}

TScope TAddReason::Scope(const TDataSet&) const {
  TScope s;
  s.Reasons = true;
  s.AllEmps = fields_.HasPolicy;
  return s;
}

void TAddReason::Run(TDataSet& data) {
  newID_ = AddReasonWithPolicy(data.ReasonList, data.EmpList, fields_.Description, fields_.Active,
                               fields_.HasPolicy, fields_.Basis, fields_.Validate);
  SortReasons(data.ReasonList);
}

std::string TAddReason::Describe(const TDataSet&, std::string_view) const {
  return "Add reason " + fields_.Description;
}

// ---------------------------------------------------------------------------------------------
TEditReason::TEditReason(int32_t reasonID, TReasonFields fields)
    : reasonID_(reasonID), fields_(std::move(fields)) {}

TScope TEditReason::Scope(const TDataSet& data) const {
  TScope s;
  s.Reasons = true;
  const int i = FindReason(data.ReasonList, reasonID_, std::string());
  s.AllEmps =
      i >= 0 && data.ReasonList[static_cast<std::size_t>(i)]->HasPolicy != fields_.HasPolicy;
  return s;
}

void TEditReason::Run(TDataSet& data) {
  TReasonRecClass& reason = ReasonOf(data, reasonID_);
  ChangePolicy(reason, fields_.HasPolicy, data.EmpList);
  reason.Update(fields_.Description, fields_.Active, fields_.HasPolicy, fields_.Basis,
                fields_.Validate);
  SortReasons(data.ReasonList);
}

std::string TEditReason::Describe(const TDataSet& data, std::string_view) const {
  return "Edit reason " + ReasonName(data, reasonID_);
}

// ---------------------------------------------------------------------------------------------
TSetRules::TSetRules(int32_t reasonID, const TRuleList& rules)
    : reasonID_(reasonID), rules_(CloneList(rules)) {}

TScope TSetRules::Scope(const TDataSet&) const {
  TScope s;
  s.Reasons = true;
  return s;
}

void TSetRules::Run(TDataSet& data) {
  TReasonRecClass& reason = ReasonOf(data, reasonID_);
  if (!reason.HasPolicy) throw EChangeRefused("The absence reason has no accrual policy.");
  reason.Rules = CloneList(rules_);
  reason.Modified = true;
}

std::string TSetRules::Describe(const TDataSet& data, std::string_view) const {
  return "Change policy of " + ReasonName(data, reasonID_);
}

// ---------------------------------------------------------------------------------------------
TAddDept::TAddDept(TDeptFields fields) : fields_(std::move(fields)) {}

TScope TAddDept::Scope(const TDataSet&) const {
  TScope s;
  s.Depts = true;
  return s;
}

void TAddDept::Run(TDataSet& data) {
  newID_ =
      AddDept(data.DeptList, fields_.DeptName, fields_.ManagerID, fields_.Active, fields_.DeptCode);
  // A record added since the last save counts as changed.
  data.DeptList.back()->Modified = true;
  SortDepts(data.DeptList);
}

std::string TAddDept::Describe(const TDataSet&, std::string_view) const {
  return "Add department " + fields_.DeptName;
}

// ---------------------------------------------------------------------------------------------
TEditDept::TEditDept(int32_t deptID, TDeptFields fields)
    : deptID_(deptID), fields_(std::move(fields)) {}

TScope TEditDept::Scope(const TDataSet&) const {
  TScope s;
  s.Depts = true;
  return s;
}

void TEditDept::Run(TDataSet& data) {
  DeptOf(data, deptID_)
      .Update(fields_.DeptName, fields_.DeptCode, fields_.Active, fields_.ManagerID);
  SortDepts(data.DeptList);
}

std::string TEditDept::Describe(const TDataSet& data, std::string_view) const {
  return "Edit department " + DeptName(data, deptID_);
}

// ---------------------------------------------------------------------------------------------
TReplaceDataSet::TReplaceDataSet(TDataSet replacement, std::string description, const char* kind)
    : other_(std::move(replacement)), description_(std::move(description)), kind_(kind) {}

void TReplaceDataSet::Apply(TDataSet& data) {
  if (applied_) throw std::logic_error("the data set was already replaced");
  // Recorded as what differs between the data set replaced and its replacement.
  TJournalRecord journal;
  journal.Time = JournalNow();
  journal.Kind = kind_;
  journal.Text = description_;
  const auto [before, after] = PictureDifferences(data, other_);
  DescribeDifferences(before, after, journal);
  std::swap(data, other_);
  journal_ = std::move(journal);
  applied_ = true;
  touched_ = {};
  touched_.Replaced = true;
}

void TReplaceDataSet::Revert(TDataSet& data) {
  if (!applied_) throw std::logic_error("a change was taken back that was not made");
  std::swap(data, other_);
  applied_ = false;
}

std::string TReplaceDataSet::Describe(const TDataSet&, std::string_view) const {
  return description_;
}

TScope TReplaceDataSet::Scope(const TDataSet&) const {
  return {};
}

void TReplaceDataSet::Run(TDataSet& data) {
  std::swap(data, other_);
}

}  // namespace absence::edit
