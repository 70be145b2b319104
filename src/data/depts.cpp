// Department records and the department list.
#include "data/ansi.h"
#include "data/list_sort.h"
#include "data/records.h"

namespace absence {

void TDeptRecClass::Update(const std::string& deptName, const std::string& deptCode, bool active,
                           int32_t managerID) {
  if (deptName != DeptName || deptCode != DeptCode || active != Active || managerID != ManagerID)
    Modified = true;
  DeptName = deptName;
  DeptCode = deptCode;
  Active = active;
  ManagerID = managerID;
}

void TDeptRecClass::Delete(TEmpList& emps) {
  for (auto& e : emps)
    if (e->DeptID == DeptID) e->DeptID = -DeptID;
  Deleted = true;
}

void TDeptRecClass::Undelete(TEmpList& emps) {
  for (auto& e : emps)
    if (e->DeptID == -DeptID) e->DeptID = DeptID;
  Deleted = false;
}

int32_t AddDept(TDeptList& list, const std::string& deptName, int32_t managerID, bool active,
                const std::string& deptCode, int32_t deptID) {
  if (deptID == kNewID)
    deptID = NextIdentifier(list, [](const TDeptRecClass& d) { return d.DeptID; });
  auto d = std::make_unique<TDeptRecClass>();
  d->DeptID = deptID;
  d->DeptName = deptName;
  d->DeptCode = deptCode;
  d->Active = active;
  d->ManagerID = managerID;
  list.push_back(std::move(d));
  return deptID;
}

int FindDept(const TDeptList& list, int32_t deptID, const std::string& deptName) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    const auto& d = *list[i];
    if (d.Deleted) continue;
    if (deptID > 0 ? d.DeptID == deptID : d.DeptName == deptName) return static_cast<int>(i);
  }
  return -1;
}

void SortDepts(TDeptList& list) {
  std::vector<TNameSortKey> keys;
  keys.reserve(list.size());
  for (const auto& d : list) keys.push_back({AnsiSortKey(d->DeptName), d->DeptID});
  SortByKeys(list, keys, CompareNameSortKeys);
}

void FreeDepts(TDeptList& list) {
  list.clear();
}

}  // namespace absence
