#include "edit/diff.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <tuple>
#include <unordered_set>

#include "data/backup.h"
#include "data/float_text.h"
#include "dates/date_text.h"
#include "edit/field_text.h"

namespace absence::edit {
namespace {

using TJson = nlohmann::ordered_json;

// Text that is not UTF-8 is written with U+FFFD in place of the bad bytes rather than making
// the whole listing unreadable.
std::string JsonText(const TJson& j) {
  return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string Quoted(const std::string& s) {
  return JsonText(TJson(s));
}

std::string DateText(TDate d) {
  if (!std::isfinite(d)) return "none";
  return FormatDate(d, "yyyy-mm-dd");
}

std::string RulesText(const TRuleList& rules) {
  if (rules.empty()) return "none";
  std::string s;
  for (const auto& r : rules) {
    if (!s.empty()) s += "; ";
    s += std::to_string(r->StartMonth);
    s += '-';
    s += std::to_string(r->EndMonth);
    s += " months: ";
    s += ShortestFloatText(r->Hours);
    s += " h, carry-over ";
    s += ShortestFloatText(r->CarryOver);
  }
  return s;
}

// The records of one side that a save keeps, by identifier.
struct TSide {
  explicit TSide(const TDataSet& data) : Data(data) {
    for (const auto& d : data.DeptList)
      if (!d->Deleted) Depts.try_emplace(d->DeptID, d.get());
    for (const auto& r : data.ReasonList)
      if (!r->Deleted) Reasons.try_emplace(r->ReasonID, r.get());
    for (const auto& e : data.EmpList)
      if (!e->Deleted) Emps.try_emplace(e->EmpID, e.get());
  }
  const TDataSet& Data;
  std::map<int32_t, const TDeptRecClass*> Depts;
  std::map<int32_t, const TReasonRecClass*> Reasons;
  std::map<int32_t, const TEmpRecClass*> Emps;
};

template <class T>
const T* Find(const std::map<int32_t, const T*>& m, int32_t id) {
  const auto it = m.find(id);
  return it == m.end() ? nullptr : it->second;
}

// An employee or department named by identifier and name; "none" for 0.
std::string DeptRef(const TSide& side, int32_t id) {
  if (id <= 0) return "none";
  std::string s = std::to_string(id);
  if (const TDeptRecClass* d = Find(side.Depts, id)) {
    s += ' ';
    s += Quoted(d->DeptName);
  }
  return s;
}

std::string EmpRef(const TSide& side, int32_t id) {
  if (id <= 0) return "none";
  std::string s = std::to_string(id);
  if (const TEmpRecClass* e = Find(side.Emps, id)) {
    s += ' ';
    s += Quoted(e->FullName());
  }
  return s;
}

struct TValue {
  const char* Name;
  std::string Value;
  bool Text = false;
};

std::vector<TValue> DeptValues(const TSide& side, const TDeptRecClass& d) {
  return {{"DeptName", d.DeptName, true},
          {"DeptCode", d.DeptCode, true},
          {"Active", YesNoText(d.Active)},
          {"ManagerID", EmpRef(side, d.ManagerID)}};
}

std::vector<TValue> ReasonValues(const TSide&, const TReasonRecClass& r) {
  return {{"Description", r.Description, true},   {"Active", YesNoText(r.Active)},
          {"HasPolicy", YesNoText(r.HasPolicy)},  {"Basis", BasisText(r.Basis)},
          {"Validate", ValidateText(r.Validate)}, {"Rules", RulesText(r.Rules)}};
}

std::vector<TValue> EmpValues(const TSide& side, const TEmpRecClass& e) {
  return {{"LastName", e.LastName, true},
          {"FirstName", e.FirstName, true},
          {"SSN", e.SSN, true},
          {"StartDate", DateText(e.StartDate)},
          {"TermDate", e.TermDate == 0 ? "none" : DateText(e.TermDate)},
          {"DeptID", DeptRef(side, e.DeptID)},
          {"EmpType", std::string(1, e.EmpType)}};
}

// The fields of a record present on one side or both; for a changed record only those that
// differ. False when nothing differs.
bool CompareValues(const std::vector<TValue>* before, const std::vector<TValue>* after,
                   TRecordDiff& diff) {
  const std::vector<TValue>& shape = after ? *after : *before;
  for (std::size_t i = 0; i < shape.size(); ++i) {
    TDiffField f{shape[i].Name, std::nullopt, std::nullopt, shape[i].Text};
    if (before) f.Before = (*before)[i].Value;
    if (after) f.After = (*after)[i].Value;
    if (before && after && f.Before == f.After) continue;
    diff.Fields.push_back(std::move(f));
  }
  diff.Change = !before ? TDiffChange::Added : !after ? TDiffChange::Removed : TDiffChange::Changed;
  return !diff.Fields.empty();
}

// Walks the identifiers of two maps in order, calling fn(id, beforeOrNull, afterOrNull).
template <class T, class Fn>
void Merge(const std::map<int32_t, const T*>& a, const std::map<int32_t, const T*>& b, Fn fn) {
  auto ia = a.begin();
  auto ib = b.begin();
  while (ia != a.end() || ib != b.end()) {
    if (ib == b.end() || (ia != a.end() && ia->first < ib->first)) {
      fn(ia->first, ia->second, static_cast<const T*>(nullptr));
      ++ia;
    } else if (ia == a.end() || ib->first < ia->first) {
      fn(ib->first, static_cast<const T*>(nullptr), ib->second);
      ++ib;
    } else {
      fn(ia->first, ia->second, ib->second);
      ++ia;
      ++ib;
    }
  }
}

// A balance or an entry, as the files keep it.
struct TItem {
  TDate Date = 0;  // 0 for balances: they are matched by reason alone
  int32_t ReasonID = 0;
  TEntryKind Kind = TEntryKind::Own;
  float Hours = 0;
  TDate AsOfDate = 0;  // balances
  auto Key() const { return std::tuple(Date, ReasonID, Kind); }
};

bool Blocks(const TDataSet& data, const TAbsenceRecClass& x) {
  return FindEntry(data.GlobalList, x.ReasonID, TEntryKind::Global, x.EntryDate) != -1;
}

// Own entries and exclusions, one exclusion per day and reason, kept only while a live global
// entry is there to exclude: what a save writes of the employee.
std::vector<TItem> EntryItems(const TDataSet& data, const TEmpRecClass& e) {
  std::vector<TItem> items;
  items.reserve(e.Entries.size());
  std::set<std::pair<TDate, int32_t>> excluded;
  for (const auto& x : e.Entries) {
    const bool exclusion = (x->Kind == TEntryKind::Exclusion && x->IsLive()) ||
                           (x->Kind == TEntryKind::Global && x->IsDeleted() && !x->ReasonDeleted);
    if (x->Kind == TEntryKind::Own && x->IsLive())
      items.push_back({x->EntryDate, x->ReasonID, TEntryKind::Own, x->Hours, 0});
    else if (exclusion && Blocks(data, *x) && excluded.emplace(x->EntryDate, x->ReasonID).second)
      items.push_back({x->EntryDate, x->ReasonID, TEntryKind::Exclusion, 0, 0});
  }
  std::stable_sort(items.begin(), items.end(),
                   [](const TItem& a, const TItem& b) { return a.Key() < b.Key(); });
  return items;
}

std::vector<TItem> GlobalItems(const TDataSet& data) {
  std::vector<TItem> items;
  for (const auto& g : data.GlobalList)
    if (g->IsLive()) items.push_back({g->EntryDate, g->ReasonID, TEntryKind::Global, g->Hours, 0});
  std::stable_sort(items.begin(), items.end(),
                   [](const TItem& a, const TItem& b) { return a.Key() < b.Key(); });
  return items;
}

std::vector<TItem> BalanceItems(const TEmpRecClass& e) {
  std::vector<TItem> items;
  for (const auto& a : e.Accruals)
    if (a->IsLive()) items.push_back({0, a->ReasonID, TEntryKind::Own, a->Hours, a->AsOfDate});
  std::stable_sort(items.begin(), items.end(),
                   [](const TItem& a, const TItem& b) { return a.Key() < b.Key(); });
  return items;
}

class TDiffer {
 public:
  TDiffer(const TDataSet& before, const TDataSet& after) : a_(before), b_(after) {}

  std::vector<TRecordDiff> Run() {
    Merge(a_.Depts, b_.Depts, [&](int32_t id, const TDeptRecClass* x, const TDeptRecClass* y) {
      Record(TDiffRecord::Department, id, x ? x->DeptName : "", y ? y->DeptName : "",
             Values(a_, x, DeptValues), Values(b_, y, DeptValues));
    });
    Merge(a_.Reasons, b_.Reasons,
          [&](int32_t id, const TReasonRecClass* x, const TReasonRecClass* y) {
            Record(TDiffRecord::Reason, id, x ? x->Description : "", y ? y->Description : "",
                   Values(a_, x, ReasonValues), Values(b_, y, ReasonValues));
          });
    Merge(a_.Emps, b_.Emps,
          [&](int32_t id, const TEmpRecClass* x, const TEmpRecClass* y) { Employee(id, x, y); });
    Items(TDiffRecord::GlobalEntry, 0, "", GlobalItems(a_.Data), GlobalItems(b_.Data));
    return std::move(out_);
  }

 private:
  template <class T, class Fn>
  static std::optional<std::vector<TValue>> Values(const TSide& side, const T* record, Fn fn) {
    if (!record) return std::nullopt;
    return fn(side, *record);
  }

  void Record(TDiffRecord kind, int32_t id, const std::string& nameBefore,
              const std::string& nameAfter, const std::optional<std::vector<TValue>>& before,
              const std::optional<std::vector<TValue>>& after) {
    TRecordDiff d;
    d.Record = kind;
    d.ID = id;
    d.Name = after ? nameAfter : nameBefore;
    if (CompareValues(before ? &*before : nullptr, after ? &*after : nullptr, d))
      out_.push_back(std::move(d));
  }

  void Employee(int32_t id, const TEmpRecClass* x, const TEmpRecClass* y) {
    Record(TDiffRecord::Employee, id, x ? x->FullName() : "", y ? y->FullName() : "",
           Values(a_, x, EmpValues), Values(b_, y, EmpValues));
    const std::string name = y ? y->FullName() : x->FullName();
    const std::vector<TItem> none;
    Items(TDiffRecord::Balance, id, name, x ? BalanceItems(*x) : none, y ? BalanceItems(*y) : none);
    Items(TDiffRecord::Entry, id, name, x ? EntryItems(a_.Data, *x) : none,
          y ? EntryItems(b_.Data, *y) : none);
  }

  // The reason's description on the side that has the item, else on the other.
  std::string ReasonName(int32_t id, bool after) const {
    const TReasonRecClass* r = Find((after ? b_ : a_).Reasons, id);
    if (!r) r = Find((after ? a_ : b_).Reasons, id);
    return r ? r->Description : std::string();
  }

  static std::vector<TValue> ItemValues(TDiffRecord kind, const TItem& item) {
    if (kind == TDiffRecord::Balance)
      return {{"Hours", ShortestFloatText(item.Hours)}, {"AsOfDate", DateText(item.AsOfDate)}};
    if (item.Kind == TEntryKind::Exclusion) return {};
    return {{"Hours", ShortestFloatText(item.Hours)}};
  }

  void Item(TDiffRecord kind, int32_t empID, const std::string& empName, const TItem* x,
            const TItem* y) {
    const TItem& it = y ? *y : *x;
    TRecordDiff d;
    d.Record = kind == TDiffRecord::Entry && it.Kind == TEntryKind::Exclusion
                   ? TDiffRecord::Exclusion
                   : kind;
    d.ID = empID;
    d.Name = empName;
    d.ReasonID = it.ReasonID;
    d.ReasonName = ReasonName(it.ReasonID, y != nullptr);
    d.Date = it.Date;
    std::vector<TValue> before, after;
    if (x) before = ItemValues(kind, *x);
    if (y) after = ItemValues(kind, *y);
    const bool differs = CompareValues(x ? &before : nullptr, y ? &after : nullptr, d);
    // An exclusion has no fields: it differs by being there or not.
    if (differs || !x || !y) out_.push_back(std::move(d));
  }

  // Both lists sorted by key; items of one key are paired in order.
  void Items(TDiffRecord kind, int32_t empID, const std::string& empName,
             const std::vector<TItem>& a, const std::vector<TItem>& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
      if (j == b.size() || (i < a.size() && a[i].Key() < b[j].Key())) {
        Item(kind, empID, empName, &a[i++], nullptr);
      } else if (i == a.size() || b[j].Key() < a[i].Key()) {
        Item(kind, empID, empName, nullptr, &b[j++]);
      } else {
        Item(kind, empID, empName, &a[i], &b[j]);
        ++i;
        ++j;
      }
    }
  }

  TSide a_;
  TSide b_;
  std::vector<TRecordDiff> out_;
};

const char* RecordWord(TDiffRecord r) {
  switch (r) {
    case TDiffRecord::Department:
      return "department";
    case TDiffRecord::Reason:
      return "reason";
    case TDiffRecord::Employee:
      return "employee";
    case TDiffRecord::Balance:
      return "balance";
    case TDiffRecord::Entry:
      return "entry";
    case TDiffRecord::Exclusion:
      return "exclusion";
    case TDiffRecord::GlobalEntry:
      return "global entry";
  }
  return "";
}

const char* ChangeWord(TDiffChange c) {
  switch (c) {
    case TDiffChange::Added:
      return "added";
    case TDiffChange::Removed:
      return "removed";
    case TDiffChange::Changed:
      break;
  }
  return "changed";
}

bool HasEmployee(TDiffRecord r) {
  return r == TDiffRecord::Balance || r == TDiffRecord::Entry || r == TDiffRecord::Exclusion;
}

bool HasDate(TDiffRecord r) {
  return r == TDiffRecord::Entry || r == TDiffRecord::Exclusion || r == TDiffRecord::GlobalEntry;
}

std::string FieldValue(const TDiffField& f, const std::string& v) {
  return f.Text ? Quoted(v) : v;
}

}  // namespace

std::vector<TRecordDiff> DiffDataSets(const TDataSet& before, const TDataSet& after) {
  return TDiffer(before, after).Run();
}

std::string DiffText(const std::vector<TRecordDiff>& diffs) {
  std::string out;
  for (const TRecordDiff& d : diffs) {
    out += d.Change == TDiffChange::Added ? '+' : d.Change == TDiffChange::Removed ? '-' : '~';
    out += ' ';
    out += RecordWord(d.Record);
    if (HasEmployee(d.Record)) {
      out += " of employee ";
      out += std::to_string(d.ID);
      out += ' ';
      out += Quoted(d.Name);
      out += ',';
    } else if (d.Record == TDiffRecord::GlobalEntry) {
      out += " of";
    } else {
      out += ' ';
      out += std::to_string(d.ID);
      out += ' ';
      out += Quoted(d.Name);
    }
    if (HasEmployee(d.Record) || d.Record == TDiffRecord::GlobalEntry) {
      out += " reason ";
      out += std::to_string(d.ReasonID);
      out += ' ';
      out += Quoted(d.ReasonName);
    }
    if (HasDate(d.Record)) {
      out += ", ";
      out += DateText(d.Date);
    }
    out += '\n';
    for (const TDiffField& f : d.Fields) {
      out += "    ";
      out += f.Name;
      out += ": ";
      if (f.Before) out += FieldValue(f, *f.Before);
      if (f.Before && f.After) out += " \u2192 ";
      if (f.After) out += FieldValue(f, *f.After);
      out += '\n';
    }
  }
  return out;
}

std::string DiffJson(const std::vector<TRecordDiff>& diffs) {
  TJson all = TJson::array();
  for (const TRecordDiff& d : diffs) {
    TJson j = {{"change", ChangeWord(d.Change)}, {"record", RecordWord(d.Record)}};
    if (HasEmployee(d.Record))
      j["employee"] = {{"id", d.ID}, {"name", d.Name}};
    else if (d.Record != TDiffRecord::GlobalEntry)
      j.update({{"id", d.ID}, {"name", d.Name}});
    if (HasEmployee(d.Record) || d.Record == TDiffRecord::GlobalEntry)
      j["reason"] = {{"id", d.ReasonID}, {"name", d.ReasonName}};
    if (HasDate(d.Record)) j["date"] = DateText(d.Date);
    TJson fields = TJson::array();
    for (const TDiffField& f : d.Fields)
      fields.push_back({{"field", f.Name},
                        {"before", f.Before ? TJson(*f.Before) : TJson(nullptr)},
                        {"after", f.After ? TJson(*f.After) : TJson(nullptr)}});
    j["fields"] = std::move(fields);
    all.push_back(std::move(j));
  }
  std::string out = JsonText(all);
  out += '\n';
  return out;
}

TDataSet ReadDataSetOrBackup(const std::string& path, TWarnings& warnings) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  TDataSet data;
  if (std::filesystem::is_directory(status)) {
    std::string folder = path;
    if (!folder.ends_with('/')) folder += '/';
    LoadDataSetReadOnly(data, folder, &warnings);
  } else if (std::filesystem::exists(status)) {
    RestoreData(data, path, &warnings);
  } else {
    throw EDataFileError(path + ": no such data folder or backup file");
  }
  return data;
}

}  // namespace absence::edit
