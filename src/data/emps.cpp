// Employee records, their accrual balances and the employee list.
#include <algorithm>

#include "data/accrual_order.h"
#include "data/ansi.h"
#include "data/list_sort.h"
#include "data/records.h"

namespace absence {

std::string TEmpRecClass::FullName() const {
  if (LastName.empty()) return FirstName;
  if (FirstName.empty()) return LastName;
  return LastName + ", " + FirstName;
}

void TEmpRecClass::Update(const std::string& lastName, const std::string& firstName,
                          const std::string& ssn, char empType, int32_t deptID, TDate startDate,
                          TDate termDate) {
  if (lastName != LastName || firstName != FirstName || ssn != SSN || empType != EmpType ||
      deptID != DeptID || startDate != StartDate || termDate != TermDate)
    Modified = true;
  LastName = lastName;
  FirstName = firstName;
  SSN = ssn;
  if (startDate != StartDate) {
    StartDate = startDate;
    std::size_t n = 0;
    while (n < Entries.size() && Entries[n]->EntryDate < startDate) ++n;
    Entries.erase(Entries.begin(), Entries.begin() + static_cast<std::ptrdiff_t>(n));
  }
  if (termDate != TermDate) {
    TermDate = termDate;
    if (termDate > 0)
      while (!Entries.empty() && Entries.back()->EntryDate > termDate) Entries.pop_back();
  }
  DeptID = deptID;
  EmpType = empType;
}

void TEmpRecClass::Delete(TDeptList& depts) {
  for (auto& d : depts)
    if (d->ManagerID == EmpID) d->ManagerID = -EmpID;
  Deleted = true;
}

void TEmpRecClass::Undelete(TDeptList& depts) {
  for (auto& d : depts)
    if (d->ManagerID == -EmpID) d->ManagerID = EmpID;
  Deleted = false;
}

int32_t AddEmp(TEmpList& list, const std::string& lastName, const std::string& firstName,
               const std::string& ssn, TDate startDate, TDate termDate, int32_t deptID,
               char empType, int32_t empID) {
  if (empID == kNewID) empID = NextIdentifier(list, [](const TEmpRecClass& e) { return e.EmpID; });
  auto e = std::make_unique<TEmpRecClass>();
  e->EmpID = empID;
  e->LastName = lastName;
  e->FirstName = firstName;
  e->SSN = ssn;
  e->StartDate = ConvertOldDate(startDate);
  e->TermDate = ConvertOldDate(termDate);
  e->DeptID = deptID;
  e->EmpType = empType;
  list.push_back(std::move(e));
  return empID;
}

int FindEmp(const TEmpList& list, int32_t empID, const std::string& fullName) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    const auto& e = *list[i];
    if (empID > 0 ? e.EmpID == empID : e.FullName() == fullName) return static_cast<int>(i);
  }
  return -1;
}

void SortEmps(TEmpList& list) {
  // Equal names by identifier, so the order does not depend on the sort's pivots.
  std::vector<TNameSortKey> keys;
  keys.reserve(list.size());
  for (const auto& e : list) keys.push_back({AnsiSortKey(e->FullName()), e->EmpID});
  SortByKeys(list, keys, CompareNameSortKeys);
}

void FreeEmps(TEmpList& list) {
  list.clear();
}

// Accrual balances ---------------------------------------------------------------------------

void TAccrualRecClass::Update(float hours, TDate asOfDate) {
  if (hours != Hours || asOfDate != AsOfDate) Modified = true;
  Hours = hours;
  AsOfDate = asOfDate;
}

void SetAccrual(TAccrualList& list, int32_t reasonID, float hours, TDate asOfDate) {
  asOfDate = ConvertOldDate(asOfDate);
  bool found = false;
  for (auto& a : list) {
    if (a->ReasonID != reasonID) continue;
    a->Hours = hours;
    a->AsOfDate = asOfDate;
    a->DelMark.clear();
    found = true;
  }
  if (found) return;
  auto a = std::make_unique<TAccrualRecClass>();
  a->ReasonID = reasonID;
  a->Hours = hours;
  a->AsOfDate = asOfDate;
  list.push_back(std::move(a));
}

int FindAccrual(const TAccrualList& list, int32_t reasonID) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i]->ReasonID != reasonID) continue;
    return list[i]->IsLive() ? static_cast<int>(i) : -1;
  }
  return -1;
}

std::vector<std::size_t> AccrualOrder(const TAccrualList& list, const TReasonList& reasons) {
  std::vector<std::string> keys;
  keys.reserve(list.size());
  for (const auto& a : list) keys.push_back(ToAnsi(ReasonText(reasons, a->ReasonID)));
  std::vector<std::size_t> order(list.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (const int byText = CompareBytes(keys[a], keys[b])) return byText < 0;
    return list[a]->ReasonID < list[b]->ReasonID;
  });
  return order;
}

void SortAccruals(TAccrualList& list, const TReasonList& reasons) {
  const std::vector<std::size_t> order = AccrualOrder(list, reasons);
  TAccrualList sorted;
  sorted.reserve(list.size());
  for (std::size_t i : order) sorted.push_back(std::move(list[i]));
  list = std::move(sorted);
}

}  // namespace absence
