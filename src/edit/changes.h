#pragma once
// The kinds of change the windows, the import and the restore submit. Records are named by
// identifier (an employee's entries by reason, kind and day), never by pointer, so a change
// still finds its records after other changes were undone and redone.
#include <cstdint>
#include <string>
#include <vector>

#include "data/emp_maintenance.h"
#include "edit/change.h"

namespace absence::edit {

// The employee identifier that names the global list instead of an employee's list.
inline constexpr int32_t kGlobalList = 0;

// ---------------------------------------------------------------------------------------------
// Absence entries, global entries and exclusions.

// Entries of one reason on one or more days, into an employee's list (own entries or
// exclusions) or into the global list (copied to every employee employed on the day). An
// entry already there takes the hours. All days or none.
class TAddEntries : public TChange {
 public:
  TAddEntries(int32_t empID, int32_t reasonID, std::vector<TDate> dates, float hours,
              TEntryKind kind);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kAddEntries; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  int32_t empID_;
  int32_t reasonID_;
  std::vector<TDate> dates_;
  float hours_;
  TEntryKind kind_;
};

// One global entry to add: its reason, day and hours.
struct TGlobalDay {
  int32_t ReasonID = 0;
  TDate Date = 0;
  float Hours = 0;
};

// Global entries of several days and reasons as one change (a year's holidays, a calendar's
// days), each copied to the employees as a global entry made by hand is. A day whose reason
// already has a live global entry keeps it as it is: adding the same holidays twice adds nothing.
// `what` names the days in the description ("holidays of 2030").
class TAddGlobalEntries : public TChange {
 public:
  TAddGlobalEntries(std::vector<TGlobalDay> days, std::string what);
  // A year's holidays reach every employee's list: a snapshot of all of them would cost far
  // more than the change, so this change takes back exactly the entries and copies it made.
  // The journal keeps the global entries added (the copies follow from them).
  void Apply(TDataSet& data) override;
  void Revert(TDataSet& data) override;
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kAddEntries; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  // Removes the global entries of added_ with their copies, last first.
  void RemoveAdded(TDataSet& data);
  std::vector<TGlobalDay> days_;
  std::string what_;
  std::vector<TGlobalDay> added_;  // the days the last Apply added
  bool applied_ = false;
};

// One live entry named by reason, kind and day, and what it becomes.
struct TEntryEdit {
  int32_t ReasonID = 0;
  TEntryKind Kind = TEntryKind::Own;
  TDate Date = 0;
  int32_t NewReasonID = 0;
  float NewHours = 0;
  TDate NewDate = 0;
};

// Changes entries of one list together (all are found before any changes). A changed global
// entry carries the change to its copies.
class TEditEntries : public TChange {
 public:
  TEditEntries(int32_t empID, std::vector<TEntryEdit> edits);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kEditEntries; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  int32_t empID_;
  std::vector<TEntryEdit> edits_;
};

// Puts a live entry into the trash; a global entry takes its copies away from every employee.
class TTrashEntry : public TChange {
 public:
  TTrashEntry(int32_t empID, int32_t reasonID, TEntryKind kind, TDate date);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kTrashEntry; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  int32_t empID_;
  int32_t reasonID_;
  TEntryKind kind_;
  TDate date_;
};

// Takes trashed entries (positions in the list, as the trash lists them) out of the trash.
class TRestoreEntries : public TChange {
 public:
  TRestoreEntries(int32_t empID, std::vector<int> positions);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kRestoreEntries; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  int32_t empID_;
  std::vector<int> positions_;
};

// ---------------------------------------------------------------------------------------------
// Employees and their opening balances.

// A new employee with its balances, the global entries of its days and, when `isManager`, the
// manager role of its department. NewID() names it once applied.
class TAddEmployee : public TChange {
 public:
  TAddEmployee(TEmpFields fields, const TAccrualList& balances, bool isManager);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kAddEmployee; }
  int32_t NewID() const { return newID_; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  TEmpFields fields_;
  TAccrualList balances_;
  bool isManager_;
  int32_t newID_ = 0;
};

// The employee's fields, manager role and, when given, its whole balance list as the employee
// dialog leaves them.
class TEditEmployee : public TChange {
 public:
  TEditEmployee(int32_t empID, TEmpFields fields, bool isManager,
                const TAccrualList* balances = nullptr);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kEditEmployee; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  int32_t empID_;
  TEmpFields fields_;
  bool isManager_;
  bool withBalances_;
  TAccrualList balances_;
};

// An employee's balance list replaced by an edited copy (balances added, changed or trashed).
class TSetBalances : public TChange {
 public:
  TSetBalances(int32_t empID, const TAccrualList& balances);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kSetBalances; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  int32_t empID_;
  TAccrualList balances_;
};

// Trashed balances of an employee taken out of the trash (positions in its balance list).
class TRestoreBalances : public TChange {
 public:
  TRestoreBalances(int32_t empID, std::vector<int> positions);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kRestoreBalances; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  int32_t empID_;
  std::vector<int> positions_;
};

// ---------------------------------------------------------------------------------------------
// Records of the maintenance lists: employees, reasons, departments to and from the trash.

enum class TRecordKind { Employee, Reason, Dept };

class TTrashRecords : public TChange {
 public:
  TTrashRecords(TRecordKind kind, std::vector<int32_t> ids);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kTrashRecords; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  TRecordKind kind_;
  std::vector<int32_t> ids_;
};

// Positions in the list, as the trash lists them.
class TRestoreRecords : public TChange {
 public:
  TRestoreRecords(TRecordKind kind, std::vector<int> positions);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kRestoreRecords; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  TRecordKind kind_;
  std::vector<int> positions_;
};

// ---------------------------------------------------------------------------------------------
// Reasons and their policy ladders.

struct TReasonFields {
  std::string Description;
  bool Active = true;
  bool HasPolicy = false;
  TBasis Basis = TBasis::None;
  TValidate Validate = TValidate::None;
};

// A new reason; one with a policy starts with the default rule and a 0-hour balance for every
// employee. NewID() names it once applied.
class TAddReason : public TChange {
 public:
  explicit TAddReason(TReasonFields fields);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kAddReason; }
  int32_t NewID() const { return newID_; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  TReasonFields fields_;
  int32_t newID_ = 0;
};

// A reason's fields; a policy switched off takes its rules and every employee's balance of the
// reason with it, switched on it gives them back as new.
class TEditReason : public TChange {
 public:
  TEditReason(int32_t reasonID, TReasonFields fields);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kEditReason; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  int32_t reasonID_;
  TReasonFields fields_;
};

// A reason's policy ladder replaced by the edited one.
class TSetRules : public TChange {
 public:
  TSetRules(int32_t reasonID, const TRuleList& rules);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kSetRules; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  int32_t reasonID_;
  TRuleList rules_;
};

// ---------------------------------------------------------------------------------------------
// Departments.

struct TDeptFields {
  std::string DeptName;
  std::string DeptCode;
  bool Active = true;
  int32_t ManagerID = 0;
};

class TAddDept : public TChange {
 public:
  explicit TAddDept(TDeptFields fields);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kAddDept; }
  int32_t NewID() const { return newID_; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  TDeptFields fields_;
  int32_t newID_ = 0;
};

class TEditDept : public TChange {
 public:
  TEditDept(int32_t deptID, TDeptFields fields);
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return journal_kind::kEditDept; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  int32_t deptID_;
  TDeptFields fields_;
};

// ---------------------------------------------------------------------------------------------
// The whole data set replaced at once: an import or the restore of a backup, prepared on a copy.
class TReplaceDataSet : public TChange {
 public:
  // `kind`: journal_kind::kImport or journal_kind::kRestore.
  TReplaceDataSet(TDataSet replacement, std::string description, const char* kind);
  void Apply(TDataSet& data) override;
  void Revert(TDataSet& data) override;
  std::string Describe(const TDataSet& data, std::string_view datePattern) const override;
  const char* JournalKind() const override { return kind_; }

 protected:
  TScope Scope(const TDataSet& data) const override;
  void Run(TDataSet& data) override;

 private:
  TDataSet other_;  // the replacement before Apply, the data set replaced after it
  bool applied_ = false;
  std::string description_;
  const char* kind_;
};

}  // namespace absence::edit
