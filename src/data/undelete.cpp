#include "data/undelete.h"

#include <algorithm>
#include <stdexcept>

namespace absence {
namespace {

template <class T, class Pred>
std::vector<int> PositionsWhere(const TRecList<T>& list, Pred trashed) {
  std::vector<int> result;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (trashed(*list[i])) result.push_back(static_cast<int>(i));
  return result;
}

// The records behind `positions`, resolved before anything changes the list; duplicates once.
template <class T>
std::vector<T*> Resolve(const TRecList<T>& list, const std::vector<int>& positions) {
  std::vector<T*> records;
  for (int p : positions) {
    if (p < 0 || static_cast<std::size_t>(p) >= list.size())
      throw std::out_of_range("restore position " + std::to_string(p) + " is not in the list");
    T* r = list[static_cast<std::size_t>(p)].get();
    if (std::find(records.begin(), records.end(), r) == records.end()) records.push_back(r);
  }
  return records;
}

template <class T>
int PositionOf(const TRecList<T>& list, const T* record) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].get() == record) return static_cast<int>(i);
  return -1;
}

}  // namespace

std::vector<int> TrashedPositions(const TReasonList& list) {
  return PositionsWhere(list, [](const TReasonRecClass& r) { return r.Deleted; });
}

std::vector<int> TrashedPositions(const TDeptList& list) {
  return PositionsWhere(list, [](const TDeptRecClass& d) { return d.Deleted; });
}

std::vector<int> TrashedPositions(const TEmpList& list) {
  return PositionsWhere(list, [](const TEmpRecClass& e) { return e.Deleted; });
}

std::vector<int> TrashedPositions(const TAccrualList& list) {
  return PositionsWhere(
      list, [](const TAccrualRecClass& a) { return !a.DelMark.empty() && !a.ReasonDeleted; });
}

std::vector<int> TrashedPositions(const TEntryList& list) {
  return PositionsWhere(
      list, [](const TAbsenceRecClass& e) { return e.IsDeleted() && !e.ReasonDeleted; });
}

void RestoreReasons(TReasonList& list, const std::vector<int>& positions, TEmpList& emps,
                    TEntryList& globals) {
  for (auto* r : Resolve(list, positions))
    if (r->Deleted) r->Undelete(emps, globals);
}

void RestoreDepts(TDeptList& list, const std::vector<int>& positions, TEmpList& emps) {
  for (auto* d : Resolve(list, positions))
    if (d->Deleted) d->Undelete(emps);
}

void RestoreEmps(TEmpList& list, const std::vector<int>& positions, TDeptList& depts) {
  for (auto* e : Resolve(list, positions))
    if (e->Deleted) e->Undelete(depts);
}

void RestoreAccruals(TAccrualList& list, const std::vector<int>& positions) {
  for (auto* a : Resolve(list, positions)) a->Restore();
}

void RestoreEntries(TEntryList& list, const std::vector<int>& positions, TEmpList& emps,
                    TEntryKind listKind, const TReasonList& reasons) {
  // A merge erases the restored entry from the list, so positions are found again each time;
  // the other picked entries keep their addresses.
  for (const auto* e : Resolve(list, positions)) {
    const int at = PositionOf(list, e);
    if (at != -1 && e->IsDeleted()) Restore(list, emps, listKind, at, reasons);
  }
}

}  // namespace absence
