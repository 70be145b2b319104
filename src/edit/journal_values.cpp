#include "edit/journal_values.h"

#include <unordered_map>

#include "data/float_text.h"
#include "dates/date_text.h"
#include "edit/field_text.h"
#include "edit/records_copy.h"

namespace absence::edit {
namespace {

using T = TJournalRefType;

std::string Day(TDate d) {
  return d == 0 ? std::string() : FormatDate(d, "yyyy-mm-dd");
}

std::string Hours(float h) {
  return ShortestFloatText(h);
}

std::string ReasonLabel(const TDataSet& data, int32_t reasonID) {
  const std::string& text = ReasonText(data.ReasonList, reasonID);
  if (!text.empty()) return text;
  std::string s = "reason ";
  s += std::to_string(reasonID);
  return s;
}

void Put(TPicture& p, T type, int32_t id, std::string what, std::string text,
         int32_t reasonID = 0) {
  p.Values[{type, id, std::move(what)}] = {std::move(text), reasonID};
}

// The reason a value belongs to is named with it, so filters by reason find the change.
void NameReason(const TDataSet& data, int32_t reasonID, TPicture& p) {
  p.Names.try_emplace({T::Reason, reasonID},
                      TJournalRef{T::Reason, reasonID, ReasonText(data.ReasonList, reasonID), 0});
}

void PictureReason(const TReasonRecClass& r, TPicture& p) {
  p.Names[{T::Reason, r.ReasonID}] = {T::Reason, r.ReasonID, r.Description, 0};
  Put(p, T::Reason, r.ReasonID, "Description", r.Description);
  Put(p, T::Reason, r.ReasonID, "Active", YesNoText(r.Active));
  Put(p, T::Reason, r.ReasonID, "Accrual policy", YesNoText(r.HasPolicy));
  if (r.HasPolicy) {
    Put(p, T::Reason, r.ReasonID, "Accrual year", BasisText(r.Basis));
    Put(p, T::Reason, r.ReasonID, "Available at", ValidateText(r.Validate));
    std::string rules;
    for (const auto& rule : r.Rules) {
      if (!rules.empty()) rules += "; ";
      rules += "months ";
      rules += std::to_string(rule->StartMonth);
      rules += '-';
      rules += std::to_string(rule->EndMonth);
      rules += ": ";
      rules += Hours(rule->Hours);
      rules += " h, carry over ";
      rules += Hours(rule->CarryOver);
    }
    Put(p, T::Reason, r.ReasonID, "Rules", rules);
  }
  Put(p, T::Reason, r.ReasonID, "In trash", YesNoText(r.Deleted));
}

std::string EmpLabel(const TDataSet& data, int32_t empID) {
  const int i = empID > 0 ? FindEmp(data.EmpList, empID, std::string()) : -1;
  if (i >= 0) return data.EmpList[static_cast<std::size_t>(i)]->FullName();
  std::string s;
  if (empID != 0) {
    s = "employee ";
    s += std::to_string(empID);
  }
  return s;
}

void PictureDept(const TDataSet& data, const TDeptRecClass& d, TPicture& p) {
  p.Names[{T::Dept, d.DeptID}] = {T::Dept, d.DeptID, d.DeptName, 0};
  Put(p, T::Dept, d.DeptID, "Name", d.DeptName);
  Put(p, T::Dept, d.DeptID, "Code", d.DeptCode);
  Put(p, T::Dept, d.DeptID, "Active", YesNoText(d.Active));
  Put(p, T::Dept, d.DeptID, "Manager",
      EmpLabel(data, d.ManagerID < 0 ? -d.ManagerID : d.ManagerID));
  Put(p, T::Dept, d.DeptID, "In trash", YesNoText(d.Deleted));
}

// A department in the trash still names an employee's department (its identifier negated).
std::string DeptLabel(const TDataSet& data, int32_t deptID) {
  if (deptID < 0) deptID = -deptID;
  for (const auto& d : data.DeptList)
    if (d->DeptID == deptID) return d->DeptName;
  std::string s;
  if (deptID != 0) {
    s = "department ";
    s += std::to_string(deptID);
  }
  return s;
}

// A live entry of a list; its key names its reason, day and, for an exclusion or an employee's
// copy of a global entry, that.
void PictureEntry(const TDataSet& data, T type, int32_t id, const TAbsenceRecClass& e,
                  TPicture& p) {
  if (!e.IsLive()) return;
  NameReason(data, e.ReasonID, p);
  std::string what = ReasonLabel(data, e.ReasonID);
  what += ' ';
  what += Day(e.EntryDate);
  if (e.Kind == TEntryKind::Exclusion) what += " (excluded from the global entry)";
  if (e.Kind == TEntryKind::Global && type == T::Employee) what += " (global entry)";
  Put(p, type, id, std::move(what), Hours(e.Hours), e.ReasonID);
}

void PictureEmp(const TDataSet& data, const TEmpRecClass& e, TPicture& p) {
  const int32_t id = e.EmpID;
  p.Names[{T::Employee, id}] = {T::Employee, id, e.FullName(), e.DeptID < 0 ? -e.DeptID : e.DeptID};
  Put(p, T::Employee, id, "Last name", e.LastName);
  Put(p, T::Employee, id, "First name", e.FirstName);
  Put(p, T::Employee, id, "SSN", e.SSN);
  Put(p, T::Employee, id, "Start date", Day(e.StartDate));
  Put(p, T::Employee, id, "Termination date", Day(e.TermDate));
  Put(p, T::Employee, id, "Department", DeptLabel(data, e.DeptID));
  Put(p, T::Employee, id, "Type", std::string(1, e.EmpType));
  Put(p, T::Employee, id, "In trash", YesNoText(e.Deleted));
  for (const auto& a : e.Accruals) {
    if (!a.get()->IsLive()) continue;
    NameReason(data, a->ReasonID, p);
    std::string what = "Balance ";
    what += ReasonLabel(data, a->ReasonID);
    std::string text = Hours(a->Hours);
    text += " h as of ";
    text += Day(a->AsOfDate);
    Put(p, T::Employee, id, std::move(what), std::move(text), a->ReasonID);
  }
  for (const auto& entry : e.Entries) PictureEntry(data, T::Employee, id, *entry, p);
}

void PictureGlobals(const TDataSet& data, TPicture& p) {
  p.Names[{T::GlobalList, 0}] = {T::GlobalList, 0, "global entries", 0};
  for (const auto& e : data.GlobalList) PictureEntry(data, T::GlobalList, 0, *e, p);
}

const TEmpRecClass* EmpByID(const TDataSet& data, int32_t id) {
  const int i = FindEmp(data.EmpList, id, std::string());
  return i >= 0 ? data.EmpList[static_cast<std::size_t>(i)].get() : nullptr;
}

// Own entries and exclusions of two employees, in order, compared without the global copies.
bool SameOwnEntries(const TEmpRecClass& a, const TEmpRecClass& b) {
  auto ia = a.Entries.begin(), ib = b.Entries.begin();
  const auto skip = [](auto& it, const TEntryList& list) {
    while (it != list.end() && (*it)->Kind == TEntryKind::Global) ++it;
  };
  for (;;) {
    skip(ia, a.Entries);
    skip(ib, b.Entries);
    if (ia == a.Entries.end() || ib == b.Entries.end())
      return ia == a.Entries.end() && ib == b.Entries.end();
    if (!Same(**ia, **ib)) return false;
    ++ia;
    ++ib;
  }
}

}  // namespace

TPicture PictureScope(const TDataSet& data, const TScope& scope, const TPicture* before) {
  TPicture p;
  if (scope.Reasons)
    for (const auto& r : data.ReasonList) PictureReason(*r, p);
  if (scope.Depts)
    for (const auto& d : data.DeptList) PictureDept(data, *d, p);
  if (scope.Globals) PictureGlobals(data, p);
  for (const int32_t id : scope.Emps)
    if (const TEmpRecClass* e = id > 0 ? EmpByID(data, id) : nullptr) PictureEmp(data, *e, p);
  if (scope.EmpOrder) {
    for (const auto& e : data.EmpList) {
      p.EmpIDs.insert(e->EmpID);
      if (before && !before->EmpIDs.contains(e->EmpID)) PictureEmp(data, *e, p);
    }
  }
  return p;
}

std::pair<TPicture, TPicture> PictureDifferences(const TDataSet& a, const TDataSet& b) {
  std::pair<TPicture, TPicture> out;
  auto& [pa, pb] = out;
  // Records are matched by identifier; only those that differ are pictured.
  const auto compare = [&](const auto& listA, const auto& listB, auto idOf, auto same,
                           auto picture) {
    std::unordered_map<int32_t,
                       const typename std::decay_t<decltype(listB)>::value_type::element_type*>
        inB;
    for (const auto& r : listB) inB.emplace(idOf(*r), r.get());
    for (const auto& r : listA) {
      const auto it = inB.find(idOf(*r));
      if (it == inB.end()) {
        picture(a, *r, pa);
        continue;
      }
      if (!same(*r, *it->second)) {
        picture(a, *r, pa);
        picture(b, *it->second, pb);
      }
      inB.erase(it);
    }
    for (const auto& r : listB)
      if (inB.contains(idOf(*r))) picture(b, *r, pb);
  };
  compare(
      a.ReasonList, b.ReasonList, [](const TReasonRecClass& r) { return r.ReasonID; },
      [](const TReasonRecClass& x, const TReasonRecClass& y) { return Same(x, y); },
      [](const TDataSet&, const TReasonRecClass& r, TPicture& p) { PictureReason(r, p); });
  compare(
      a.DeptList, b.DeptList, [](const TDeptRecClass& d) { return d.DeptID; },
      [](const TDeptRecClass& x, const TDeptRecClass& y) { return Same(x, y); },
      [](const TDataSet& data, const TDeptRecClass& d, TPicture& p) { PictureDept(data, d, p); });
  compare(
      a.EmpList, b.EmpList, [](const TEmpRecClass& e) { return e.EmpID; },
      [](const TEmpRecClass& x, const TEmpRecClass& y) {
        return SameHeader(x, y) && SameList(x.Accruals, y.Accruals) && SameOwnEntries(x, y);
      },
      [](const TDataSet& data, const TEmpRecClass& e, TPicture& p) { PictureEmp(data, e, p); });
  if (!SameList(a.GlobalList, b.GlobalList)) {
    PictureGlobals(a, pa);
    PictureGlobals(b, pb);
  }
  return out;
}

void DescribeDifferences(const TPicture& before, const TPicture& after, TJournalRecord& record) {
  const auto nameOf = [&](std::pair<TJournalRefType, int32_t> key) {
    if (const auto it = after.Names.find(key); it != after.Names.end()) return it->second;
    if (const auto it = before.Names.find(key); it != before.Names.end()) return it->second;
    return TJournalRef{key.first, key.second, {}, 0};
  };
  std::set<std::pair<TJournalRefType, int32_t>> refs;
  std::set<int32_t> reasons;
  std::size_t more = 0;
  std::vector<TValueKey> keys;
  const auto add = [&](const TValueKey& key, const TValueText* b, const TValueText* a) {
    refs.insert({key.Type, key.ID});
    const int32_t reasonID = a ? a->ReasonID : b->ReasonID;
    if (reasonID != 0) reasons.insert(reasonID);
    if (record.Values.size() >= kMaxJournalValues) {
      ++more;
      return;
    }
    keys.push_back(key);
    TJournalValue v;
    v.What = key.What;
    if (b) v.Before = b->Text;
    if (a) v.After = a->Text;
    record.Values.push_back(std::move(v));
  };
  // Both maps are ordered by key: one walk finds the removed, changed and added values.
  auto ib = before.Values.begin(), ia = after.Values.begin();
  while (ib != before.Values.end() || ia != after.Values.end()) {
    if (ia == after.Values.end() || (ib != before.Values.end() && ib->first < ia->first)) {
      add(ib->first, &ib->second, nullptr);
      ++ib;
    } else if (ib == before.Values.end() || ia->first < ib->first) {
      add(ia->first, nullptr, &ia->second);
      ++ia;
    } else {
      if (ib->second.Text != ia->second.Text) add(ib->first, &ib->second, &ia->second);
      ++ib;
      ++ia;
    }
  }
  // Values of several records say whose they are.
  if (refs.size() > 1) {
    for (std::size_t i = 0; i < record.Values.size(); ++i) {
      const TValueKey& key = keys[i];
      std::string what = nameOf({key.Type, key.ID}).Name;
      what += ": ";
      what += record.Values[i].What;
      record.Values[i].What = std::move(what);
    }
  }
  if (more > 0) {
    std::string what = std::to_string(more);
    what += " more values";
    record.Values.push_back({std::move(what), {}, {}});
  }
  for (const auto& key : refs) record.Records.push_back(nameOf(key));
  for (const int32_t id : reasons)
    if (!refs.contains({TJournalRefType::Reason, id}))
      record.Records.push_back(nameOf({TJournalRefType::Reason, id}));
}

}  // namespace absence::edit
