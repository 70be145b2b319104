#pragma once
// Deep copies and exact comparisons of records, for keeping what a change replaced. Hours are
// compared by their bits, so a change from one NaN to another is still seen.
#include <algorithm>
#include <iterator>

#include "data/dataset.h"

namespace absence::edit {

std::unique_ptr<TDeptRecClass> Clone(const TDeptRecClass& r);
std::unique_ptr<TAccrualRecClass> Clone(const TAccrualRecClass& r);
std::unique_ptr<TAbsenceRecClass> Clone(const TAbsenceRecClass& r);
std::unique_ptr<TFTRuleRecClass> Clone(const TFTRuleRecClass& r);
std::unique_ptr<TReasonRecClass> Clone(const TReasonRecClass& r);
std::unique_ptr<TEmpRecClass> Clone(const TEmpRecClass& r);
// The employee's own fields only; the balance and entry lists stay empty.
std::unique_ptr<TEmpRecClass> CloneHeader(const TEmpRecClass& r);

bool Same(const TDeptRecClass& a, const TDeptRecClass& b);
bool Same(const TAccrualRecClass& a, const TAccrualRecClass& b);
bool Same(const TAbsenceRecClass& a, const TAbsenceRecClass& b);
bool Same(const TFTRuleRecClass& a, const TFTRuleRecClass& b);
bool Same(const TReasonRecClass& a, const TReasonRecClass& b);
bool SameHeader(const TEmpRecClass& a, const TEmpRecClass& b);

template <class T>
TRecList<T> CloneList(const TRecList<T>& list) {
  TRecList<T> copy;
  copy.reserve(list.size());
  for (const auto& r : list) copy.push_back(Clone(*r));
  return copy;
}

template <class T>
bool SameList(const TRecList<T>& a, const TRecList<T>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!Same(*a[i], *b[i])) return false;
  return true;
}

TDataSet CloneDataSet(const TDataSet& data);

// The part of a list a change replaced: the records that stood between the first `Head` and the
// last `Tail` records, which the change left alone. Putting it back restores the list exactly.
template <class T>
struct TListSlice {
  std::size_t Head = 0;
  std::size_t Tail = 0;
  TRecList<T> Old;

  // `before`: a copy taken before the change; `after`: the list now.
  static TListSlice Between(TRecList<T>&& before, const TRecList<T>& after) {
    TListSlice s;
    const std::size_t n = std::min(before.size(), after.size());
    while (s.Head < n && Same(*before[s.Head], *after[s.Head])) ++s.Head;
    while (s.Tail < n - s.Head &&
           Same(*before[before.size() - 1 - s.Tail], *after[after.size() - 1 - s.Tail]))
      ++s.Tail;
    const auto first = before.begin() + static_cast<std::ptrdiff_t>(s.Head);
    const auto last = before.end() - static_cast<std::ptrdiff_t>(s.Tail);
    s.Old.assign(std::make_move_iterator(first), std::make_move_iterator(last));
    return s;
  }
  bool Unchanged(const TRecList<T>& after) const {
    return Old.empty() && Head + Tail == after.size();
  }
  void PutBack(TRecList<T>& list) {
    const auto first = list.begin() + static_cast<std::ptrdiff_t>(Head);
    const auto last = list.end() - static_cast<std::ptrdiff_t>(Tail);
    const auto at = list.erase(first, last);
    list.insert(at, std::make_move_iterator(Old.begin()), std::make_move_iterator(Old.end()));
    Old.clear();
  }
};

}  // namespace absence::edit
