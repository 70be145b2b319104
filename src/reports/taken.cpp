// Counting the hours taken in a period.
#include "reports/taken.h"

#include <algorithm>

namespace absence::reports {

std::vector<const TAbsenceRecClass*> TakenEntries(const TEmpRecClass& emp, const TReasonKeys& keys,
                                                  TDate start, TDate end) {
  std::vector<const TAbsenceRecClass*> entries;
  for (const auto& x : emp.Entries)
    if (x->EntryDate >= start && x->EntryDate <= end && x->IsLive() && !x->IsExclusion())
      entries.push_back(x.get());
  std::stable_sort(entries.begin(), entries.end(), [&](const auto* a, const auto* b) {
    return CompareEntries(*a, *b, keys, true) < 0;
  });
  return entries;
}

TReasonTallies::TReasonTallies(const TReasonList& reasons) : tallies_(reasons.size()) {
  for (std::size_t i = 0; i < reasons.size(); ++i) index_[reasons[i]->ReasonID] = i;
}

int TReasonTallies::IndexOf(int32_t reasonID) const {
  const auto it = index_.find(reasonID);
  return it == index_.end() ? -1 : static_cast<int>(it->second);
}

bool TReasonTallies::Add(const TAbsenceRecClass& entry) {
  const int i = IndexOf(entry.ReasonID);
  if (i < 0) return false;
  tallies_[static_cast<std::size_t>(i)].AddHours(entry.Hours);
  return true;
}

void TReasonTallies::ClearEmp() {
  for (auto& t : tallies_) t.EmpTotal = 0;
}

void TReasonTallies::ClearEmpAndDept() {
  for (auto& t : tallies_) t.EmpTotal = t.DeptTotal = 0;
}

}  // namespace absence::reports
