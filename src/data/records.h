#pragma once
// The record classes of the data set and the lists that own them.
//
// Text fields hold UTF-8 in memory; the data files hold Windows-1252 (see ansi.h).
#include <cstdint>
#include <string>

#include "data/kinds.h"
#include "data/marks.h"
#include "data/types.h"

namespace absence {

struct TDeptRecClass;
struct TEmpRecClass;
struct TAccrualRecClass;
struct TReasonRecClass;
struct TFTRuleRecClass;
struct TAbsenceRecClass;

using TDeptList = TRecList<TDeptRecClass>;
using TEmpList = TRecList<TEmpRecClass>;
using TAccrualList = TRecList<TAccrualRecClass>;
using TReasonList = TRecList<TReasonRecClass>;
using TRuleList = TRecList<TFTRuleRecClass>;
using TEntryList = TRecList<TAbsenceRecClass>;

// Field capacities in the data files (characters).
inline constexpr int kDeptNameLen = 50;
inline constexpr int kDeptCodeLen = 15;
inline constexpr int kLastNameLen = 30;
inline constexpr int kFirstNameLen = 20;
inline constexpr int kSSNLen = 15;
inline constexpr int kDescriptionLen = 30;
inline constexpr int kMaxRuleMonths = 960;

// ---------------------------------------------------------------------------------------------
// Tag objects hung on list items and grid cells.
struct TIDRecClass {
  int32_t ID = 0;
};

struct TBlockPickClass {
  bool Picked = false;
};

// ---------------------------------------------------------------------------------------------
struct TDeptRecClass {
  int32_t DeptID = 0;
  std::string DeptName;
  std::string DeptCode;
  bool Active = false;
  int32_t ManagerID = 0;  // EmpID of the manager; 0 none; negated while that employee is trashed
  bool Modified = false;
  bool Deleted = false;

  void Update(const std::string& deptName, const std::string& deptCode, bool active,
              int32_t managerID);
  // Negates the DeptID of every employee of this department, then marks it deleted.
  void Delete(TEmpList& emps);
  void Undelete(TEmpList& emps);
};

// ---------------------------------------------------------------------------------------------
struct TAccrualRecClass {
  bool ReasonDeleted = false;
  int32_t ReasonID = 0;
  float Hours = 0;
  TDate AsOfDate = 0;
  bool Modified = false;
  std::string DelMark;

  bool IsLive() const { return DelMark.empty() && !ReasonDeleted; }
  void Update(float hours, TDate asOfDate);
  void AddDelMark(TTrashMark) { DelMark += "D"; }
  void Restore() { DelMark.clear(); }
};

// ---------------------------------------------------------------------------------------------
// Fields are ordered for a compact layout: millions of entries are held at once.
struct TAbsenceRecClass {
  int32_t ReasonID = 0;
  float Hours = 0;
  TDate EntryDate = 0;
  TEntryKind Kind = TEntryKind::Own;
  bool Modified = false;
  bool ReasonDeleted = false;
  TMarks DelMark;

  bool IsDeleted() const { return !DelMark.empty(); }
  bool IsGlobal() const { return Kind == TEntryKind::Global; }
  bool IsExclusion() const { return Kind == TEntryKind::Exclusion; }
  bool IsLive() const { return DelMark.empty() && !ReasonDeleted; }

  // Stores the values; a changed global entry carries the change to the employees' copies.
  void Update(int32_t reasonID, TEmpList& emps, float hours, TDate entryDate);
  // Record trashes this entry; Global trashes a global entry and removes its copies from
  // everyone.
  void AddDelMark(TTrashMark mark, TEmpList& emps);
};

// ---------------------------------------------------------------------------------------------
struct TFTRuleRecClass {
  int32_t StartMonth = 0;
  int32_t EndMonth = 0;
  float Hours = 0;
  float CarryOver = 0;
};

struct TReasonRecClass {
  int32_t ReasonID = 0;
  std::string Description;
  bool Active = false;
  bool HasPolicy = false;
  TBasis Basis = TBasis::None;
  TValidate Validate = TValidate::None;
  bool Modified = false;
  bool Deleted = false;
  TRuleList Rules;

  void Update(const std::string& description, bool active, bool hasPolicy, TBasis basis,
              TValidate validate);
  // Hides every balance and entry of this reason (employees' and global), then marks it deleted.
  void Delete(TEmpList& emps, TEntryList& globals);
  void Undelete(TEmpList& emps, TEntryList& globals);
};

// ---------------------------------------------------------------------------------------------
struct TEmpRecClass {
  int32_t EmpID = 0;
  std::string LastName;
  std::string FirstName;
  std::string SSN;
  TDate StartDate = 0;
  TDate TermDate = 0;  // 0 = still employed
  int32_t DeptID = 0;  // 0 none; negated while the department is trashed
  char EmpType = 'F';  // 'F' eligible to accrue; 'P' or 'T' not eligible
  bool Modified = false;
  bool Deleted = false;
  TAccrualList Accruals;
  TEntryList Entries;  // kept sorted by date

  // "Last, First"; either part alone when the other is empty.
  std::string FullName() const;
  bool IsEmployedOn(TDate d) const { return d >= StartDate && (TermDate == 0 || d <= TermDate); }
  // Stores the values; entries outside a narrowed employment period are destroyed for good.
  void Update(const std::string& lastName, const std::string& firstName, const std::string& ssn,
              char empType, int32_t deptID, TDate startDate, TDate termDate);
  void Delete(TDeptList& depts);
  void Undelete(TDeptList& depts);
  // Copies the live global entries that apply to this employee and are not blocked.
  void AddGlobalEntries(const TEntryList& globals, const TReasonList& reasons);
};

// ---------------------------------------------------------------------------------------------
// The Add functions append a record and return its identifier: `kNewID` asks for the next free
// one (largest identifier in the list, deleted records included, plus one); readers pass the
// identifier they read.
inline constexpr int32_t kNewID = -1;

// Departments
int32_t AddDept(TDeptList& list, const std::string& deptName, int32_t managerID, bool active,
                const std::string& deptCode, int32_t deptID = kNewID);
int FindDept(const TDeptList& list, int32_t deptID, const std::string& deptName);
void SortDepts(TDeptList& list);
void FreeDepts(TDeptList& list);

// Employees
int32_t AddEmp(TEmpList& list, const std::string& lastName, const std::string& firstName,
               const std::string& ssn, TDate startDate, TDate termDate, int32_t deptID,
               char empType, int32_t empID = kNewID);
int FindEmp(const TEmpList& list, int32_t empID, const std::string& fullName);
void SortEmps(TEmpList& list);
void FreeEmps(TEmpList& list);

// Accrual balances
void SetAccrual(TAccrualList& list, int32_t reasonID, float hours, TDate asOfDate);
// Index of the first balance of the reason when it is live, else -1.
int FindAccrual(const TAccrualList& list, int32_t reasonID);
void SortAccruals(TAccrualList& list, const TReasonList& reasons);

// Reasons and rules
// A reason given a new identifier that has a policy starts with one rule covering all service.
int32_t AddReason(TReasonList& list, const std::string& description, bool active, bool hasPolicy,
                  TBasis basis, TValidate validate, int32_t reasonID = kNewID);
int FindReason(const TReasonList& list, int32_t reasonID, const std::string& description);
void SortReasons(TReasonList& list);
void FreeReasons(TReasonList& list);
void AddRule(TRuleList& rules, int32_t startMonth, int32_t endMonth, float hours, float carryOver);
// Index of the first rule whose EndMonth is at least `months`; -1 when all end earlier.
int FindRule(const TRuleList& rules, int32_t months);
void FreeRules(TRuleList& rules);
// Description of a reason by identifier; empty when there is none.
const std::string& ReasonText(const TReasonList& reasons, int32_t reasonID);

// Absence entries
// A live entry of the same reason, date and kind that is already there takes the hours (an
// exclusion meeting an exclusion changes nothing; an exclusion and an own entry of one day are
// kept apart, as the data file keeps them); a new global entry is copied to every employee
// employed on its day. Throws EHoursRangeError, changing nothing, when the merged hours would
// not be a finite number or the day keeps entries of the reason apart because they would not.
void AddEntry(TEntryList& list, TEmpList& emps, const TReasonList& reasons, int32_t reasonID,
              TDate entryDate, float hours, TEntryKind kind);
// Index of the first live entry of that reason and date whose kind matches; Own and Global must
// match exactly, while Exclusion matches an entry of any kind (whatever live entry the day has
// blocks a copy of a global entry). The list must be sorted by date.
int FindEntry(const TEntryList& list, int32_t reasonID, TEntryKind kind, TDate entryDate);
// Takes the entry at `index` out of the trash, merging it into a live twin when there is one.
// Throws EHoursRangeError, changing nothing, when the twin cannot take its hours (see AddEntry).
// `listKind` Global: the list is the global list, and a restored entry is copied again.
void Restore(TEntryList& list, TEmpList& emps, TEntryKind listKind, int index,
             const TReasonList& reasons);
// Copies (caller owns) of the live, non-exclusion entries of `source` dated `d`.
void EntriesOnDate(TEntryList& result, const TEntryList* source, TDate d);
void SortEntries(TEntryList& list, const TReasonList& reasons, TEntryOrder order);
void FreeEntries(TEntryList& list);

}  // namespace absence
