#include "edit/snapshot.h"

#include <stdexcept>
#include <unordered_map>

namespace absence::edit {
namespace {

void CopyHeader(TEmpRecClass& to, const TEmpRecClass& from) {
  to.EmpID = from.EmpID;
  to.LastName = from.LastName;
  to.FirstName = from.FirstName;
  to.SSN = from.SSN;
  to.StartDate = from.StartDate;
  to.TermDate = from.TermDate;
  to.DeptID = from.DeptID;
  to.EmpType = from.EmpType;
  to.Modified = from.Modified;
  to.Deleted = from.Deleted;
}

bool SameOrder(const TEmpList& list, const std::vector<TEmpRecClass*>& order) {
  if (list.size() != order.size()) return false;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].get() != order[i]) return false;
  return true;
}

}  // namespace

TSnapshot::TSnapshot(const TDataSet& data, const TScope& scope) {
  if (scope.Reasons) reasons_ = CloneList(data.ReasonList);
  if (scope.Depts) depts_ = CloneList(data.DeptList);
  if (scope.Globals) globals_ = CloneList(data.GlobalList);
  empOrder_.reserve(data.EmpList.size());
  for (const auto& e : data.EmpList) empOrder_.push_back(e.get());
  auto keep = [&](TEmpRecClass& e) {
    TEmpState s;
    s.Record = &e;
    s.Header = CloneHeader(e);
    s.AccrualsBefore = CloneList(e.Accruals);
    s.EntriesBefore = CloneList(e.Entries);
    emps_.push_back(std::move(s));
  };
  if (scope.AllEmps) {
    emps_.reserve(data.EmpList.size());
    for (const auto& e : data.EmpList) keep(*e);
  } else {
    for (int32_t id : scope.Emps) {
      const int i = FindEmp(data.EmpList, id, std::string());
      if (i >= 0) keep(*data.EmpList[static_cast<std::size_t>(i)]);
    }
  }
}

void TSnapshot::Trim(const TDataSet& data) {
  if (reasons_ && SameList(*reasons_, data.ReasonList)) reasons_.reset();
  if (depts_ && SameList(*depts_, data.DeptList)) depts_.reset();
  if (globals_) {
    globalSlice_ = TListSlice<TAbsenceRecClass>::Between(std::move(*globals_), data.GlobalList);
    globals_.reset();
    if (globalSlice_->Unchanged(data.GlobalList)) globalSlice_.reset();
  }
  empListChanged_ = !SameOrder(data.EmpList, empOrder_);
  if (!empListChanged_) {
    empOrder_.clear();
    empOrder_.shrink_to_fit();
  } else {
    std::unordered_map<const TEmpRecClass*, bool> known;
    for (const auto* e : empOrder_) known.emplace(e, true);
    for (const auto& e : data.EmpList)
      if (!known.contains(e.get())) changedEmps_.push_back(e->EmpID);
  }
  std::vector<TEmpState> kept;
  for (auto& s : emps_) {
    s.Accruals =
        TListSlice<TAccrualRecClass>::Between(std::move(s.AccrualsBefore), s.Record->Accruals);
    s.Entries =
        TListSlice<TAbsenceRecClass>::Between(std::move(s.EntriesBefore), s.Record->Entries);
    s.AccrualsBefore.clear();
    s.EntriesBefore.clear();
    const bool sameHeader = SameHeader(*s.Header, *s.Record);
    empRecordsChanged_ = empRecordsChanged_ || !sameHeader;
    if (sameHeader && s.Accruals->Unchanged(s.Record->Accruals) &&
        s.Entries->Unchanged(s.Record->Entries))
      continue;
    changedEmps_.push_back(s.Record->EmpID);
    kept.push_back(std::move(s));
  }
  emps_ = std::move(kept);
}

void TSnapshot::PutBack(TDataSet& data) {
  if (reasons_) data.ReasonList = std::move(*reasons_);
  if (depts_) data.DeptList = std::move(*depts_);
  if (globals_) data.GlobalList = std::move(*globals_);
  if (globalSlice_) globalSlice_->PutBack(data.GlobalList);
  reasons_.reset();
  depts_.reset();
  globals_.reset();
  globalSlice_.reset();
  if (!empOrder_.empty() && !SameOrder(data.EmpList, empOrder_)) {
    // Employee records are never destroyed by a change, only added or reordered: the records
    // of before are all still here.
    std::unordered_map<TEmpRecClass*, std::unique_ptr<TEmpRecClass>> held;
    held.reserve(data.EmpList.size());
    for (const auto& e : data.EmpList) held.emplace(e.get(), nullptr);
    for (TEmpRecClass* p : empOrder_)
      if (!held.contains(p)) throw std::logic_error("an employee record vanished during a change");
    for (auto& e : data.EmpList) {
      TEmpRecClass* p = e.get();
      held[p] = std::move(e);
    }
    TEmpList restored;
    restored.reserve(empOrder_.size());
    for (TEmpRecClass* p : empOrder_) {
      restored.push_back(std::move(held[p]));
    }
    data.EmpList = std::move(restored);
  }
  for (auto& s : emps_) {
    CopyHeader(*s.Record, *s.Header);
    if (s.Accruals)
      s.Accruals->PutBack(s.Record->Accruals);
    else
      s.Record->Accruals = std::move(s.AccrualsBefore);
    if (s.Entries)
      s.Entries->PutBack(s.Record->Entries);
    else
      s.Record->Entries = std::move(s.EntriesBefore);
  }
  emps_.clear();
}

}  // namespace absence::edit
