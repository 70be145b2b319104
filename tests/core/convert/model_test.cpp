// Random sequences of the operations the windows perform on a data set (the import wizard's
// included), checked after every step against a small reference model of what the records must
// be, and after every save and reload, backup and restore. Seeded, so a failure repeats;
// ABSENCE_MODEL_STEPS asks for longer runs.
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "convert/import_run.h"
#include "data/backup.h"
#include "data/data_test_support.h"
#include "data/json_dump.h"
#include "data/reason_policy.h"
#include "dates/date_text.h"

namespace absence {
namespace {

using test::k2024Jan1;
using TKey = std::tuple<int32_t, int32_t, TDate>;  // employee, reason, day
using TDayKey = std::pair<int32_t, TDate>;         // reason, day
using TBalanceKey = std::pair<int32_t, int32_t>;   // employee, reason

// What the data set must hold, by identifier.
struct TModel {
  struct TDept {
    std::string Name, Code;
    bool Active = true, Deleted = false;
    auto operator<=>(const TDept&) const = default;
  };
  struct TReason {
    std::string Description;
    bool Active = true, Deleted = false, Policy = false;
    auto operator<=>(const TReason&) const = default;
  };
  struct TEmp {
    std::string LastName, FirstName, SSN;
    TDate Start = 0, Term = 0;
    int32_t Dept = 0;
    bool DeptTrashed = false, Deleted = false;
    auto operator<=>(const TEmp&) const = default;
  };
  std::map<int32_t, TDept> Depts;
  std::map<int32_t, TReason> Reasons;
  std::map<int32_t, TEmp> Emps;
  std::map<TKey, float> Own;                                        // live own entries
  std::multiset<std::tuple<int32_t, int32_t, TDate, float>> Trash;  // trashed own entries
  std::map<TDayKey, float> Globals;                                 // live global entries
  std::multiset<std::tuple<int32_t, TDate, float>> GlobalTrash;     // trashed global entries
  std::map<TBalanceKey, std::pair<float, TDate>> Balances;          // live balances
  std::set<TBalanceKey> Marked;  // balances set aside when their reason lost its policy
  std::set<TKey> Excluded;       // employees exempted from a global entry
  std::map<TKey, float> Copies;  // live copies of global entries
  auto operator<=>(const TModel&) const = default;
};

std::string Show(const TModel& m) {
  std::ostringstream out;
  for (const auto& [id, d] : m.Depts)
    out << "dept " << id << " " << d.Name << " " << d.Deleted << "\n";
  for (const auto& [id, r] : m.Reasons)
    out << "reason " << id << " " << r.Description << " " << r.Active << r.Deleted << r.Policy
        << "\n";
  for (const auto& [id, e] : m.Emps)
    out << "emp " << id << " " << e.LastName << " dept " << e.Dept << (e.DeptTrashed ? "-" : "")
        << " " << e.Deleted << "\n";
  for (const auto& [k, h] : m.Own)
    out << "own " << std::get<0>(k) << "/" << std::get<1>(k) << "/" << std::get<2>(k) << " " << h
        << "\n";
  for (const auto& t : m.Trash)
    out << "trash " << std::get<0>(t) << "/" << std::get<1>(t) << "/" << std::get<2>(t) << " "
        << std::get<3>(t) << "\n";
  for (const auto& [k, h] : m.Globals)
    out << "global " << k.first << "/" << k.second << " " << h << "\n";
  for (const auto& t : m.GlobalTrash)
    out << "trashed global " << std::get<0>(t) << "/" << std::get<1>(t) << " " << std::get<2>(t)
        << "\n";
  for (const auto& [k, b] : m.Balances)
    out << "balance " << k.first << "/" << k.second << " " << b.first << " " << b.second << "\n";
  for (const auto& k : m.Marked) out << "marked " << k.first << "/" << k.second << "\n";
  for (const auto& k : m.Excluded)
    out << "excluded " << std::get<0>(k) << "/" << std::get<1>(k) << "/" << std::get<2>(k) << "\n";
  for (const auto& [k, h] : m.Copies)
    out << "copy " << std::get<0>(k) << "/" << std::get<1>(k) << "/" << std::get<2>(k) << " " << h
        << "\n";
  return out.str();
}

// The data set seen through the model's eyes.
TModel View(const TDataSet& d) {
  TModel m;
  for (const auto& x : d.DeptList)
    m.Depts[x->DeptID] = {x->DeptName, x->DeptCode, x->Active, x->Deleted};
  for (const auto& r : d.ReasonList)
    m.Reasons[r->ReasonID] = {r->Description, r->Active, r->Deleted, r->HasPolicy};
  for (const auto& g : d.GlobalList) {
    if (g->IsLive()) m.Globals[{g->ReasonID, g->EntryDate}] += g->Hours;
    if (g->IsDeleted() && !g->ReasonDeleted)
      m.GlobalTrash.insert({g->ReasonID, g->EntryDate, g->Hours});
  }
  for (const auto& e : d.EmpList) {
    m.Emps[e->EmpID] = {e->LastName, e->FirstName,        e->SSN,        e->StartDate,
                        e->TermDate, std::abs(e->DeptID), e->DeptID < 0, e->Deleted};
    for (const auto& a : e->Accruals) {
      if (a->ReasonDeleted) continue;
      const TBalanceKey key{e->EmpID, a->ReasonID};
      if (a->IsLive()) {
        EXPECT_FALSE(m.Balances.contains(key)) << "two balances of one reason";
        m.Balances[key] = {a->Hours, a->AsOfDate};
      } else {
        m.Marked.insert(key);
      }
    }
    for (const auto& x : e->Entries) {
      const TKey key{e->EmpID, x->ReasonID, x->EntryDate};
      if (x->Kind == TEntryKind::Own && x->IsLive()) {
        EXPECT_FALSE(m.Own.contains(key)) << "two live entries of one reason and day";
        m.Own[key] = x->Hours;
      } else if (x->Kind == TEntryKind::Own && x->IsDeleted()) {
        m.Trash.insert({e->EmpID, x->ReasonID, x->EntryDate, x->Hours});
      } else if (x->Kind == TEntryKind::Global && x->IsLive()) {
        EXPECT_FALSE(m.Copies.contains(key)) << "two copies of one global entry";
        m.Copies[key] = x->Hours;
      } else if ((x->Kind == TEntryKind::Global && x->IsDeleted()) ||
                 x->Kind == TEntryKind::Exclusion) {
        m.Excluded.insert(key);
      }
    }
  }
  return m;
}

class TModelRun {
 public:
  explicit TModelRun(uint32_t seed) : rng_(seed) {}

  void Step() {
    switch (Pick(22)) {
      case 0:
        AddDept();
        break;
      case 1:
        EditDept();
        break;
      case 2:
        ToggleDept();
        break;
      case 3:
        AddReason();
        break;
      case 4:
        EditReason();
        break;
      case 5:
        ToggleReason();
        break;
      case 6:
        AddEmp();
        break;
      case 7:
        EditEmp();
        break;
      case 8:
        ToggleEmp();
        break;
      case 9:
      case 10:
        AddOwn();
        break;
      case 11:
        DeleteOwn();
        break;
      case 12:
        RestoreOwn();
        break;
      case 13:
        AddGlobal();
        break;
      case 14:
        Exclude();
        break;
      case 15:
        RestoreGlobal();
        break;
      case 16:
        MoveGlobal();
        break;
      case 17:
        TogglePolicy();
        break;
      case 18:
        Import();
        break;
      case 19:
        if (Pick(4) == 0) BackupAndRestore();
        break;
      default:
        if (Pick(8) == 0)
          SaveAndReload();
        else
          DeleteGlobal();
    }
    Check();
  }

  void SaveAndReload() {
    SaveDataSet(data_, tmp_.Folder());
    ForgetTrash();
    Check();
  }

  // A backup holds what a save would write: restoring it gives what a save and reload give.
  void BackupAndRestore() {
    BackupData(data_, tmp_.File("model.abk"));
    TWarnings warnings;
    RestoreData(data_, tmp_.File("model.abk"), &warnings);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    ForgetTrash();
  }

  // The files read into a fresh data set give the data set the reload gave.
  void CheckFileRoundTrip() {
    SaveAndReload();
    TDataSet again;
    TWarnings warnings;
    LoadDataSet(again, tmp_.Folder(), &warnings);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    EXPECT_EQ(DumpJson(again), DumpJson(data_));
  }

  int Steps() const { return steps_; }

 private:
  // What a save writes: only what is not in the trash; the reload rebuilds the copies.
  void ForgetTrash() {
    std::erase_if(model_.Depts, [](const auto& d) { return d.second.Deleted; });
    std::erase_if(model_.Reasons, [](const auto& r) { return r.second.Deleted; });
    std::erase_if(model_.Emps, [](const auto& e) { return e.second.Deleted; });
    for (auto& [id, e] : model_.Emps)
      if (e.DeptTrashed) e = {e.LastName, e.FirstName, e.SSN, e.Start, e.Term, 0, false, false};
    const auto gone = [&](int32_t emp, int32_t reason) {
      return !model_.Emps.contains(emp) || !model_.Reasons.contains(reason);
    };
    std::erase_if(model_.Own,
                  [&](const auto& o) { return gone(std::get<0>(o.first), std::get<1>(o.first)); });
    model_.Trash.clear();
    hiddenOwn_.clear();  // all of reasons in the trash, now gone
    hiddenGlobals_.clear();
    std::erase_if(model_.Globals,
                  [&](const auto& g) { return !model_.Reasons.contains(g.first.first); });
    std::erase_if(model_.Excluded, [&](const TKey& k) {
      return gone(std::get<0>(k), std::get<1>(k)) ||
             !model_.Globals.contains({std::get<1>(k), std::get<2>(k)});
    });
    model_.GlobalTrash.clear();
    model_.Marked.clear();
    hiddenBalances_.clear();
    hiddenGlobalTrash_.clear();
    hiddenMarked_.clear();
    std::erase_if(model_.Balances,
                  [&](const auto& b) { return gone(b.first.first, b.first.second); });
  }

  int Pick(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }
  std::string Name(const char* prefix) { return prefix + std::to_string(++names_); }
  TDate Day() { return k2024Jan1 + Pick(60); }
  float Hours() { return 0.5f * static_cast<float>(1 + Pick(16)); }

  template <class Map, class Filter>
  int32_t PickId(const Map& m, Filter keep) {
    std::vector<int32_t> ids;
    for (const auto& [id, v] : m)
      if (keep(id, v)) ids.push_back(id);
    return ids.empty() ? 0 : ids[static_cast<std::size_t>(Pick(static_cast<int>(ids.size())))];
  }
  // Global entries use reasons of even identifiers and own entries those of odd ones, so a
  // copy never meets an own entry of its reason and day.
  int32_t LiveReason(bool forGlobal) {
    return PickId(model_.Reasons, [&](int32_t id, const auto& r) {
      return !r.Deleted && (id % 2 == 0) == forGlobal;
    });
  }
  int32_t LiveEmp() {
    return PickId(model_.Emps, [](int32_t, const auto& e) { return !e.Deleted; });
  }
  template <class List, class IdOf>
  auto& Find(List& list, int32_t id, IdOf idOf) {
    for (auto& r : list)
      if (idOf(*r) == id) return *r;
    throw std::logic_error("no record " + std::to_string(id));
  }
  TDeptRecClass& Dept(int32_t id) {
    return Find(data_.DeptList, id, [](const auto& d) { return d.DeptID; });
  }
  TReasonRecClass& Reason(int32_t id) {
    return Find(data_.ReasonList, id, [](const auto& r) { return r.ReasonID; });
  }
  TEmpRecClass& Emp(int32_t id) {
    return Find(data_.EmpList, id, [](const auto& e) { return e.EmpID; });
  }

  // The copies every employee must have of the live global entries.
  void ExpectCopies() {
    model_.Copies.clear();
    for (const auto& [key, hours] : model_.Globals) {
      if (model_.Reasons.at(key.first).Deleted) continue;
      for (const auto& [id, e] : model_.Emps) {
        const bool employed = key.second >= e.Start && (e.Term == 0 || key.second <= e.Term);
        if (employed && !model_.Excluded.contains({id, key.first, key.second}))
          model_.Copies[{id, key.first, key.second}] = hours;
      }
    }
  }

  void Check() {
    ++steps_;
    ExpectCopies();
    TModel seen = View(data_);
    ASSERT_EQ(seen, model_) << "after step " << steps_ << "\nseen:\n"
                            << Show(seen) << "model:\n"
                            << Show(model_);
  }

  void AddDept() {
    const std::string name = Name("Dept"), code = Name("C");
    model_.Depts[absence::AddDept(data_.DeptList, name, 0, true, code)] = {name, code, true, false};
  }
  void EditDept() {
    const int32_t id = PickId(model_.Depts, [](int32_t, const auto& d) { return !d.Deleted; });
    if (!id) return;
    auto& m = model_.Depts[id];
    m.Name = Name("Dept");
    m.Active = Pick(2);
    Dept(id).Update(m.Name, m.Code, m.Active, 0);
  }
  void ToggleDept() {
    const int32_t id = PickId(model_.Depts, [](int32_t, const auto&) { return true; });
    if (!id) return;
    auto& m = model_.Depts[id];
    m.Deleted ? Dept(id).Undelete(data_.EmpList) : Dept(id).Delete(data_.EmpList);
    m.Deleted = !m.Deleted;
    for (auto& [eid, e] : model_.Emps)
      if (e.Dept == id) e.DeptTrashed = m.Deleted;
  }
  void AddReason() {
    const std::string name = Name("Reason");
    model_.Reasons[absence::AddReason(data_.ReasonList, name, true, false, TBasis::None,
                                      TValidate::None)] = {name, true, false};
  }
  void EditReason() {
    const int32_t id = PickId(model_.Reasons, [](int32_t, const auto& r) { return !r.Deleted; });
    if (!id) return;
    auto& m = model_.Reasons[id];
    m.Description = Name("Reason");
    m.Active = Pick(2);
    TReasonRecClass& r = Reason(id);
    r.Update(m.Description, m.Active, r.HasPolicy, r.Basis, r.Validate);
  }
  void ToggleReason() {
    const int32_t id = PickId(model_.Reasons, [](int32_t, const auto&) { return true; });
    if (!id) return;
    auto& m = model_.Reasons[id];
    m.Deleted ? Reason(id).Undelete(data_.EmpList, data_.GlobalList)
              : Reason(id).Delete(data_.EmpList, data_.GlobalList);
    m.Deleted = !m.Deleted;
    HideReason(id, m.Deleted);
  }
  // Entries of a reason in the trash are out of sight until it comes back.
  void HideReason(int32_t id, bool hide) {
    auto& from = hide ? model_.Own : hiddenOwn_;
    auto& to = hide ? hiddenOwn_ : model_.Own;
    for (auto it = from.begin(); it != from.end();)
      if (std::get<1>(it->first) == id) {
        to.insert(*it);
        it = from.erase(it);
      } else {
        ++it;
      }
    auto& gFrom = hide ? model_.Globals : hiddenGlobals_;
    auto& gTo = hide ? hiddenGlobals_ : model_.Globals;
    for (auto it = gFrom.begin(); it != gFrom.end();)
      if (it->first.first == id) {
        gTo.insert(*it);
        it = gFrom.erase(it);
      } else {
        ++it;
      }
    auto& tFrom = hide ? model_.GlobalTrash : hiddenGlobalTrash_;
    auto& tTo = hide ? hiddenGlobalTrash_ : model_.GlobalTrash;
    for (auto it = tFrom.begin(); it != tFrom.end();)
      if (std::get<0>(*it) == id) {
        tTo.insert(*it);
        it = tFrom.erase(it);
      } else {
        ++it;
      }
    auto& bFrom = hide ? model_.Balances : hiddenBalances_;
    auto& bTo = hide ? hiddenBalances_ : model_.Balances;
    for (auto it = bFrom.begin(); it != bFrom.end();)
      if (it->first.second == id) {
        bTo.insert(*it);
        it = bFrom.erase(it);
      } else {
        ++it;
      }
    // Marked balances of the reason are out of sight as well; they come back as they were.
    auto& mFrom = hide ? model_.Marked : hiddenMarked_;
    auto& mTo = hide ? hiddenMarked_ : model_.Marked;
    for (auto it = mFrom.begin(); it != mFrom.end();)
      if (it->second == id) {
        mTo.insert(*it);
        it = mFrom.erase(it);
      } else {
        ++it;
      }
  }
  // Not while a reason is in the trash: an employee added then gets no copies of that reason's
  // global entries when the reason comes back (until the next load).
  void AddEmp() {
    for (const auto& [id, r] : model_.Reasons)
      if (r.Deleted) return;
    const int32_t dept =
        Pick(3) ? PickId(model_.Depts, [](int32_t, const auto& d) { return !d.Deleted; }) : 0;
    const TDate start = k2024Jan1 - 30 + Pick(60);
    const TDate term = Pick(3) ? 0 : start + 10 + Pick(60);
    TModel::TEmp m{Name("Last"), Name("First"), Name("S"), start, term, dept, false, false};
    const int32_t id =
        absence::AddEmp(data_.EmpList, m.LastName, m.FirstName, m.SSN, start, term, dept, 'F');
    Emp(id).AddGlobalEntries(data_.GlobalList, data_.ReasonList);
    model_.Emps[id] = m;
  }
  void EditEmp() {
    const int32_t id = LiveEmp();
    if (!id) return;
    auto& m = model_.Emps[id];
    m.LastName = Name("Last");
    m.SSN = Name("S");
    TEmpRecClass& e = Emp(id);
    e.Update(m.LastName, m.FirstName, m.SSN, 'F', e.DeptID, e.StartDate, e.TermDate);
  }
  void ToggleEmp() {
    const int32_t id = PickId(model_.Emps, [](int32_t, const auto&) { return true; });
    if (!id) return;
    auto& m = model_.Emps[id];
    m.Deleted ? Emp(id).Undelete(data_.DeptList) : Emp(id).Delete(data_.DeptList);
    m.Deleted = !m.Deleted;
  }
  void AddOwn() {
    const int32_t emp = LiveEmp(), reason = LiveReason(false);
    if (!emp || !reason) return;
    const TDate day = Day();
    const float hours = Hours();
    absence::AddEntry(Emp(emp).Entries, data_.EmpList, data_.ReasonList, reason, day, hours,
                      TEntryKind::Own);
    model_.Own[{emp, reason, day}] += hours;
  }
  void DeleteOwn() {
    if (model_.Own.empty()) return;
    auto it = std::next(model_.Own.begin(), Pick(static_cast<int>(model_.Own.size())));
    const auto [emp, reason, day] = it->first;
    if (model_.Emps[emp].Deleted) return;
    auto& list = Emp(emp).Entries;
    const int i = FindEntry(list, reason, TEntryKind::Own, day);
    ASSERT_NE(i, -1);
    list[static_cast<std::size_t>(i)]->AddDelMark(TTrashMark::Record, data_.EmpList);
    model_.Trash.insert({emp, reason, day, it->second});
    model_.Own.erase(it);
  }
  void RestoreOwn() {
    if (model_.Trash.empty()) return;
    auto it = std::next(model_.Trash.begin(), Pick(static_cast<int>(model_.Trash.size())));
    const auto [emp, reason, day, hours] = *it;
    if (model_.Emps[emp].Deleted || model_.Reasons[reason].Deleted) return;
    auto& list = Emp(emp).Entries;
    for (std::size_t i = 0; i < list.size(); ++i) {
      const auto& x = *list[i];
      if (x.Kind == TEntryKind::Own && x.IsDeleted() && x.ReasonID == reason &&
          x.EntryDate == day && x.Hours == hours) {
        absence::Restore(list, data_.EmpList, TEntryKind::Own, static_cast<int>(i),
                         data_.ReasonList);
        model_.Own[{emp, reason, day}] += hours;
        model_.Trash.erase(it);
        return;
      }
    }
    FAIL() << "a trashed entry is missing";
  }
  // A new global entry on a day no global entry of its reason ever had, or more hours for a
  // live one.
  void AddGlobal() {
    TDayKey key;
    if (!model_.Globals.empty() && Pick(3) == 0) {
      key = std::next(model_.Globals.begin(), Pick(static_cast<int>(model_.Globals.size())))->first;
    } else {
      const int32_t reason = LiveReason(true);
      if (!reason) return;
      key = {reason, Day()};
      if (usedGlobalDays_.contains(key)) return;
    }
    usedGlobalDays_.insert(key);
    const float hours = Hours();
    absence::AddEntry(data_.GlobalList, data_.EmpList, data_.ReasonList, key.first, key.second,
                      hours, TEntryKind::Global);
    model_.Globals[key] += hours;
  }
  void DeleteGlobal() {
    if (model_.Globals.empty()) return;
    auto it = std::next(model_.Globals.begin(), Pick(static_cast<int>(model_.Globals.size())));
    const int i =
        FindEntry(data_.GlobalList, it->first.first, TEntryKind::Global, it->first.second);
    ASSERT_NE(i, -1);
    const auto& g = *data_.GlobalList[static_cast<std::size_t>(i)];
    data_.GlobalList[static_cast<std::size_t>(i)]->AddDelMark(TTrashMark::Global, data_.EmpList);
    model_.GlobalTrash.insert({g.ReasonID, g.EntryDate, g.Hours});
    model_.Globals.erase(it);
  }
  // A global entry taken out of the trash: copied again to everyone employed on its day who is
  // not exempt, or merged into the live global entry of its reason and day.
  void RestoreGlobal() {
    if (model_.GlobalTrash.empty()) return;
    auto it =
        std::next(model_.GlobalTrash.begin(), Pick(static_cast<int>(model_.GlobalTrash.size())));
    const auto [reason, day, hours] = *it;
    auto& list = data_.GlobalList;
    for (std::size_t i = 0; i < list.size(); ++i) {
      const auto& g = *list[i];
      if (g.IsDeleted() && !g.ReasonDeleted && g.ReasonID == reason && g.EntryDate == day &&
          g.Hours == hours) {
        absence::Restore(list, data_.EmpList, TEntryKind::Global, static_cast<int>(i),
                         data_.ReasonList);
        model_.Globals[{reason, day}] += hours;
        model_.GlobalTrash.erase(it);
        return;
      }
    }
    FAIL() << "a trashed global entry is missing";
  }
  // A global entry edited to another reason and day (one no global entry had): the copies are
  // those of the new day, and the employees exempt from it stay exempt.
  void MoveGlobal() {
    if (model_.Globals.empty()) return;
    auto it = std::next(model_.Globals.begin(), Pick(static_cast<int>(model_.Globals.size())));
    const TDayKey from = it->first;
    const float hours = it->second;
    const int32_t reason = Pick(2) ? from.first : LiveReason(true);
    const TDayKey to{reason ? reason : from.first, Day()};
    if (usedGlobalDays_.contains(to)) return;
    usedGlobalDays_.insert(to);
    const int i = FindEntry(data_.GlobalList, from.first, TEntryKind::Global, from.second);
    ASSERT_NE(i, -1);
    data_.GlobalList[static_cast<std::size_t>(i)]->Update(to.first, data_.EmpList, hours,
                                                          to.second);
    SortEntries(data_.GlobalList, data_.ReasonList, TEntryOrder::ByDate);
    model_.Globals.erase(it);
    model_.Globals[to] = hours;
    std::set<TKey> moved;
    for (auto x = model_.Excluded.begin(); x != model_.Excluded.end();)
      if (std::get<1>(*x) == from.first && std::get<2>(*x) == from.second) {
        moved.insert({std::get<0>(*x), to.first, to.second});
        x = model_.Excluded.erase(x);
      } else {
        ++x;
      }
    model_.Excluded.insert(moved.begin(), moved.end());
  }
  // A reason's policy switched off (its balances are set aside) or on (everyone without a live
  // balance gets 0 hours as of the start date).
  void TogglePolicy() {
    const int32_t id = PickId(model_.Reasons, [](int32_t, const auto& r) { return !r.Deleted; });
    if (!id) return;
    auto& m = model_.Reasons[id];
    TReasonRecClass& r = Reason(id);
    const bool on = !m.Policy;
    ChangePolicy(r, on, data_.EmpList);
    r.Update(r.Description, r.Active, on, on ? TBasis::Calendar : TBasis::None,
             on ? TValidate::YearEnd : TValidate::None);
    m.Policy = on;
    for (const auto& [eid, e] : model_.Emps) {
      const TBalanceKey key{eid, id};
      if (!on) {
        if (model_.Balances.erase(key)) model_.Marked.insert(key);
      } else if (!model_.Balances.contains(key)) {
        model_.Marked.erase(key);
        model_.Balances[key] = {0.0f, e.Start};
      }
    }
  }
  // An absence file imported in add mode: own entries merge with the employee's own entry of
  // their reason and day; a line of negative hours exempts the employee from a global entry.
  void Import() {
    std::vector<std::string> lines;
    const auto line = [&](int32_t emp, int32_t reason, TDate day, const std::string& hours) {
      lines.push_back(model_.Emps.at(emp).SSN + "\t" + model_.Reasons.at(reason).Description +
                      "\t" + FormatDate(day, "mm/dd/yyyy") + "\t" + hours);
    };
    // A reason in the trash is not found by its name; the import would make a new one.
    for (const auto& [id, r] : model_.Reasons)
      if (r.Deleted) return;
    for (int n = 1 + Pick(3); n > 0; --n) {
      const int32_t emp = LiveEmp(), reason = LiveReason(false);
      if (!emp || !reason) return;
      const TDate day = Day();
      const float hours = Hours();
      line(emp, reason, day, std::to_string(hours));
      model_.Own[{emp, reason, day}] += hours;
    }
    if (!model_.Copies.empty() && Pick(2)) {
      const auto [emp, reason, day] =
          std::next(model_.Copies.begin(), Pick(static_cast<int>(model_.Copies.size())))->first;
      if (!model_.Emps[emp].Deleted) {
        line(emp, reason, day, "-1");
        model_.Excluded.insert({emp, reason, day});
      }
    }
    TConvertOptions options;
    options.Format = TFileFormat::Tab;
    options.DatePattern = "mm/dd/yyyy";
    options.HourFormat = "#,##0.0";
    ImportAbsences(data_, lines, options, TImportMode::Add);
  }
  // An employee exempted from a global entry: the copy goes to the trash.
  void Exclude() {
    if (model_.Copies.empty()) return;
    const auto [emp, reason, day] =
        std::next(model_.Copies.begin(), Pick(static_cast<int>(model_.Copies.size())))->first;
    if (model_.Emps[emp].Deleted) return;
    auto& list = Emp(emp).Entries;
    const int i = FindEntry(list, reason, TEntryKind::Global, day);
    ASSERT_NE(i, -1);
    list[static_cast<std::size_t>(i)]->AddDelMark(TTrashMark::Record, data_.EmpList);
    model_.Excluded.insert({emp, reason, day});
  }

  std::mt19937 rng_;
  test::TTempFolder tmp_;
  TDataSet data_;
  TModel model_;
  std::map<TKey, float> hiddenOwn_;
  std::map<TDayKey, float> hiddenGlobals_;
  std::multiset<std::tuple<int32_t, TDate, float>> hiddenGlobalTrash_;
  std::map<TBalanceKey, std::pair<float, TDate>> hiddenBalances_;
  std::set<TBalanceKey> hiddenMarked_;
  std::set<TDayKey> usedGlobalDays_;
  int names_ = 0;
  int steps_ = 0;
};

TEST(ModelBased, RandomOperationsMatchTheModelThroughSavesAndReloads) {
  const char* env = std::getenv("ABSENCE_MODEL_STEPS");
  const int steps = env ? std::atoi(env) : 1500;
  for (const uint32_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TModelRun run(seed);
    for (int i = 0; i < steps && !testing::Test::HasFatalFailure(); ++i) run.Step();
    run.CheckFileRoundTrip();
  }
}

}  // namespace
}  // namespace absence
