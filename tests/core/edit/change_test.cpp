// Every kind of change, applied, taken back and applied again, against the JSON dump of the
// whole data set; refused changes; random sequences undone back to the start.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "data/data_test_support.h"
#include "data/json_dump.h"
#include "data/undelete.h"
#include "edit/changes.h"
#include "edit/records_copy.h"

namespace absence::edit {
namespace {

using test::k2024Jan1;
using test::k2024Jul1;

const char* const kPattern = "mm/dd/yyyy";

TAccrualList Balances(std::initializer_list<std::tuple<int32_t, float, TDate>> rows) {
  TAccrualList list;
  for (const auto& [reason, hours, asOf] : rows) SetAccrual(list, reason, hours, asOf);
  return list;
}

TRuleList Ladder() {
  TRuleList rules;
  AddRule(rules, 0, 24, 40, 8);
  AddRule(rules, 24, kMaxRuleMonths, 80, 16);
  return rules;
}

TEmpFields Fields(const std::string& last, int32_t dept, TDate start, TDate term = 0) {
  return {last, "Zoe", "SSN9", 'F', dept, start, term};
}

struct TKindCase {
  const char* Name;
  std::function<TChangePtr()> Make;
  const char* Words;  // what the change says of itself
};

// The sample set: Vacation (1, policy) and Sick (2); Sales (1, managed by employee 1) and
// Accounts (2); Smith, Anna (1, Sales), Jones, Bob (2, Accounts), Brown, Cy (3, Sales, gone on
// day k2024Jan1 + 100). Employee n has own entries on k2024Jan1 + 10 k + n - 1, k = 0..3, of
// reason 1 for even k, 2 for odd k; global Sick on k2024Jan1 + 30 and Vacation on k2024Jul1.
const std::vector<TKindCase>& KindCases() {
  static const std::vector<TKindCase> cases = {
      {"add own entry",
       [] {
         return std::make_unique<TAddEntries>(1, 1, std::vector<TDate>{k2024Jan1 + 5}, 8.f,
                                              TEntryKind::Own);
       },
       "Add Vacation on 01/06/2024 \u2014 Smith, Anna"},
      {"add own entry onto a day with one (hours merge)",
       [] {
         return std::make_unique<TAddEntries>(1, 1, std::vector<TDate>{k2024Jan1}, 2.f,
                                              TEntryKind::Own);
       },
       nullptr},
      {"add own entries on several days",
       [] {
         return std::make_unique<TAddEntries>(
             2, 2, std::vector<TDate>{k2024Jan1 + 2, k2024Jan1 + 3, k2024Jan1 + 60}, 4.f,
             TEntryKind::Own);
       },
       "Add Sick on 3 days \u2014 Jones, Bob"},
      {"add exclusion",
       [] {
         return std::make_unique<TAddEntries>(2, 1, std::vector<TDate>{k2024Jul1}, 0.f,
                                              TEntryKind::Exclusion);
       },
       nullptr},
      {"add global entry",
       [] {
         return std::make_unique<TAddEntries>(kGlobalList, 1, std::vector<TDate>{k2024Jan1 + 7},
                                              8.f, TEntryKind::Global);
       },
       "Add global Vacation on 01/08/2024"},
      {"add global entries of several days and reasons, one day already there",
       [] {
         return std::make_unique<TAddGlobalEntries>(
             std::vector<TGlobalDay>{
                 {1, k2024Jan1 + 7, 8.f}, {2, k2024Jan1 + 30, 4.f}, {2, k2024Jan1 + 9, 6.f}},
             "holidays of 2024");
       },
       "Add 3 global entries: holidays of 2024"},
      {"move own entry",
       [] {
         return std::make_unique<TEditEntries>(
             1, std::vector<TEntryEdit>{{1, TEntryKind::Own, k2024Jan1, 1, 8.f, k2024Jan1 + 2}});
       },
       "Move Vacation from 01/01/2024 to 01/03/2024 \u2014 Smith, Anna"},
      {"edit own entries of a day together",
       [] {
         return std::make_unique<TEditEntries>(
             2,
             std::vector<TEntryEdit>{{2, TEntryKind::Own, k2024Jan1 + 11, 1, 3.5f, k2024Jan1 + 11},
                                     {1, TEntryKind::Own, k2024Jan1 + 1, 2, 6.f, k2024Jan1 + 40}});
       },
       nullptr},
      {"move global entry with its copies",
       [] {
         return std::make_unique<TEditEntries>(
             kGlobalList, std::vector<TEntryEdit>{
                              {2, TEntryKind::Global, k2024Jan1 + 30, 2, 8.f, k2024Jan1 + 33}});
       },
       "Move global Sick from 01/31/2024 to 02/03/2024"},
      {"trash own entry",
       [] { return std::make_unique<TTrashEntry>(3, 2, TEntryKind::Own, k2024Jan1 + 12); },
       "Trash Sick on 01/13/2024 \u2014 Brown, Cy"},
      {"trash one employee's copy of a global entry",
       [] { return std::make_unique<TTrashEntry>(2, 2, TEntryKind::Global, k2024Jan1 + 30); },
       nullptr},
      {"trash global entry",
       [] {
         return std::make_unique<TTrashEntry>(kGlobalList, 2, TEntryKind::Global, k2024Jan1 + 30);
       },
       "Trash global Sick on 01/31/2024"},
      {"add employee with balances and manager role",
       [] {
         return std::make_unique<TAddEmployee>(Fields("Adams", 2, k2024Jan1 - 10),
                                               Balances({{1, 12.f, k2024Jan1}}), true);
       },
       "Add employee Adams, Zoe"},
      {"edit employee: name, department, narrowed period, balances",
       [] {
         const TAccrualList b = Balances({{1, 99.f, k2024Jan1 + 1}});
         return std::make_unique<TEditEmployee>(
             1, Fields("Zed", 2, k2024Jan1 - 400, k2024Jan1 + 15), true, &b);
       },
       "Edit employee Smith, Anna"},
      {"edit balances",
       [] {
         return std::make_unique<TSetBalances>(
             2, Balances({{1, 3.f, k2024Jan1}, {2, 1.f, k2024Jan1}}));
       },
       "Edit balances \u2014 Jones, Bob"},
      {"trash employees",
       [] {
         return std::make_unique<TTrashRecords>(TRecordKind::Employee, std::vector<int32_t>{1, 3});
       },
       "Trash 2 employees"},
      {"trash reason with its entries everywhere",
       [] { return std::make_unique<TTrashRecords>(TRecordKind::Reason, std::vector<int32_t>{2}); },
       "Trash reason Sick"},
      {"trash department",
       [] { return std::make_unique<TTrashRecords>(TRecordKind::Dept, std::vector<int32_t>{1}); },
       "Trash department Sales"},
      {"add reason with policy",
       [] {
         return std::make_unique<TAddReason>(
             TReasonFields{"Leave", true, true, TBasis::Anniversary, TValidate::YearEnd});
       },
       "Add reason Leave"},
      {"untick a reason's policy",
       [] {
         return std::make_unique<TEditReason>(
             1, TReasonFields{"Holiday", true, false, TBasis::None, TValidate::None});
       },
       "Edit reason Vacation"},
      {"tick a reason's policy",
       [] {
         return std::make_unique<TEditReason>(
             2, TReasonFields{"Sick", false, true, TBasis::Calendar, TValidate::MonthEnd});
       },
       nullptr},
      {"policy ladder", [] { return std::make_unique<TSetRules>(1, Ladder()); },
       "Change policy of Vacation"},
      {"add department",
       [] {
         return std::make_unique<TAddDept>(TDeptFields{"Admin", "AD", true, 2});
       },
       "Add department Admin"},
      {"edit department",
       [] {
         return std::make_unique<TEditDept>(2, TDeptFields{"Books", "B", false, 3});
       },
       "Edit department Accounts"},
      {"replace the data set",
       [] {
         return std::make_unique<TReplaceDataSet>(test::MakeRandomDataSet(7, 5), "Import absences",
                                                  journal_kind::kImport);
       },
       "Import absences"},
  };
  return cases;
}

TEST(ChangeTest, EveryKindRevertsExactlyAndReappliesAlike) {
  for (const TKindCase& c : KindCases()) {
    SCOPED_TRACE(c.Name);
    TDataSet data = test::MakeSampleDataSet();
    const std::string before = DumpJson(data);
    TChangePtr change = c.Make();
    if (c.Words) {
      EXPECT_EQ(change->Describe(data, kPattern), c.Words);
    }
    ASSERT_NO_THROW(change->Apply(data));
    const std::string after = DumpJson(data);
    EXPECT_NE(after, before);
    change->Revert(data);
    EXPECT_EQ(DumpJson(data), before);
    change->Apply(data);
    EXPECT_EQ(DumpJson(data), after);
    change->Revert(data);
    EXPECT_EQ(DumpJson(data), before);
  }
}

// The trash, filled by the first change, emptied again by a restore that is undone.
TEST(ChangeTest, RestoresFromTheTrashRevertExactly) {
  const auto emp1 = [](const TDataSet& d) -> const TEmpRecClass& {
    return *d.EmpList[static_cast<std::size_t>(FindEmp(d.EmpList, 1, ""))];
  };
  struct TCase {
    const char* Name;
    std::function<TChangePtr()> Trash;
    std::function<TChangePtr(const TDataSet&)> Restore;
  };
  const std::vector<TCase> cases = {
      {"own entry, merged into the live twin added since",
       [] { return std::make_unique<TTrashEntry>(1, 1, TEntryKind::Own, k2024Jan1); },
       [&](const TDataSet& d) {
         return std::make_unique<TRestoreEntries>(1, TrashedPositions(emp1(d).Entries));
       }},
      {"global entry",
       [] { return std::make_unique<TTrashEntry>(kGlobalList, 1, TEntryKind::Global, k2024Jul1); },
       [](const TDataSet& d) {
         return std::make_unique<TRestoreEntries>(kGlobalList, TrashedPositions(d.GlobalList));
       }},
      {"balance", [] { return std::make_unique<TSetBalances>(1, TAccrualList()); },
       [](const TDataSet&) { return std::make_unique<TRestoreBalances>(1, std::vector<int>{0}); }},
      {"employee",
       [] {
         return std::make_unique<TTrashRecords>(TRecordKind::Employee, std::vector<int32_t>{1});
       },
       [](const TDataSet& d) {
         return std::make_unique<TRestoreRecords>(TRecordKind::Employee,
                                                  TrashedPositions(d.EmpList));
       }},
      {"reason",
       [] { return std::make_unique<TTrashRecords>(TRecordKind::Reason, std::vector<int32_t>{1}); },
       [](const TDataSet& d) {
         return std::make_unique<TRestoreRecords>(TRecordKind::Reason,
                                                  TrashedPositions(d.ReasonList));
       }},
      {"department",
       [] { return std::make_unique<TTrashRecords>(TRecordKind::Dept, std::vector<int32_t>{1}); },
       [](const TDataSet& d) {
         return std::make_unique<TRestoreRecords>(TRecordKind::Dept, TrashedPositions(d.DeptList));
       }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TDataSet data = test::MakeSampleDataSet();
    ASSERT_NO_THROW(c.Trash()->Apply(data));
    if (std::string_view(c.Name) == "balance") {
      // A trashed balance to restore.
      auto& accruals =
          data.EmpList[static_cast<std::size_t>(FindEmp(data.EmpList, 1, ""))]->Accruals;
      SetAccrual(accruals, 1, 4, k2024Jan1);
      accruals.front()->AddDelMark(TTrashMark::Record);
    }
    if (std::string_view(c.Name).starts_with("own")) {
      auto& e = *data.EmpList[static_cast<std::size_t>(FindEmp(data.EmpList, 1, ""))];
      AddEntry(e.Entries, data.EmpList, data.ReasonList, 1, k2024Jan1, 2, TEntryKind::Own);
    }
    const std::string trashed = DumpJson(data);
    TChangePtr restore = c.Restore(data);
    ASSERT_NO_THROW(restore->Apply(data));
    const std::string restored = DumpJson(data);
    EXPECT_NE(restored, trashed);
    restore->Revert(data);
    EXPECT_EQ(DumpJson(data), trashed);
    restore->Apply(data);
    EXPECT_EQ(DumpJson(data), restored);
  }
}

TEST(ChangeTest, RefusedChangesLeaveTheDataSetAsItWas) {
  struct TCase {
    const char* Name;
    std::function<TChangePtr()> Make;
    std::function<void(TDataSet&)> Prepare;
  };
  const auto none = [](TDataSet&) {};
  const std::vector<TCase> cases = {
      {"entry for a missing employee",
       [] {
         return std::make_unique<TAddEntries>(42, 1, std::vector<TDate>{k2024Jan1}, 8.f,
                                              TEntryKind::Own);
       },
       none},
      {"entry of a trashed reason",
       [] {
         return std::make_unique<TAddEntries>(1, 2, std::vector<TDate>{k2024Jan1 + 3}, 8.f,
                                              TEntryKind::Own);
       },
       [](TDataSet& d) {
         d.ReasonList[static_cast<std::size_t>(FindReason(d.ReasonList, 2, ""))]->Deleted = true;
       }},
      {"global entries whose last day has a trashed reason",
       [] {
         return std::make_unique<TAddGlobalEntries>(
             std::vector<TGlobalDay>{{1, k2024Jan1 + 7, 8.f}, {2, k2024Jan1 + 8, 8.f}}, "");
       },
       [](TDataSet& d) {
         d.ReasonList[static_cast<std::size_t>(FindReason(d.ReasonList, 2, ""))]->Deleted = true;
       }},
      {"hours that are no number",
       [] {
         return std::make_unique<TAddEntries>(1, 1, std::vector<TDate>{k2024Jan1 + 3},
                                              std::nanf(""), TEntryKind::Own);
       },
       none},
      {"merged hours past the range, after other days were added",
       [] {
         return std::make_unique<TAddEntries>(1, 1, std::vector<TDate>{k2024Jan1 + 3, k2024Jan1},
                                              3e38f, TEntryKind::Own);
       },
       [](TDataSet& d) {
         auto& e = *d.EmpList[static_cast<std::size_t>(FindEmp(d.EmpList, 1, ""))];
         AddEntry(e.Entries, d.EmpList, d.ReasonList, 1, k2024Jan1, 3e38f, TEntryKind::Own);
       }},
      {"move of an entry that is gone",
       [] {
         return std::make_unique<TEditEntries>(
             1,
             std::vector<TEntryEdit>{{1, TEntryKind::Own, k2024Jan1 + 1, 1, 8.f, k2024Jan1 + 2}});
       },
       none},
      {"second of two edits names no entry",
       [] {
         return std::make_unique<TEditEntries>(
             1, std::vector<TEntryEdit>{{1, TEntryKind::Own, k2024Jan1, 1, 1.f, k2024Jan1 + 9},
                                        {2, TEntryKind::Own, k2024Jan1 + 2, 2, 1.f, k2024Jan1}});
       },
       none},
      {"trash of an entry that is gone",
       [] { return std::make_unique<TTrashEntry>(kGlobalList, 1, TEntryKind::Global, k2024Jan1); },
       none},
      {"restore of a live entry",
       [] { return std::make_unique<TRestoreEntries>(1, std::vector<int>{0}); }, none},
      {"new employee past the last identifier",
       [] {
         return std::make_unique<TAddEmployee>(Fields("Max", 1, k2024Jan1), TAccrualList(), true);
       },
       [](TDataSet& d) { d.EmpList.back()->EmpID = std::numeric_limits<int32_t>::max(); }},
      {"edit of a missing employee",
       [] { return std::make_unique<TEditEmployee>(9, Fields("X", 1, k2024Jan1), false); }, none},
      {"trash of a trashed department, after a live one",
       [] {
         return std::make_unique<TTrashRecords>(TRecordKind::Dept, std::vector<int32_t>{1, 2});
       },
       [](TDataSet& d) {
         d.DeptList[static_cast<std::size_t>(FindDept(d.DeptList, 2, ""))]->Deleted = true;
       }},
      {"restore of a live reason",
       [] { return std::make_unique<TRestoreRecords>(TRecordKind::Reason, std::vector<int>{0}); },
       none},
      {"ladder of a reason without policy", [] { return std::make_unique<TSetRules>(2, Ladder()); },
       none},
      {"new department past the last identifier",
       [] {
         return std::make_unique<TAddDept>(TDeptFields{"Max", "M", true, 0});
       },
       [](TDataSet& d) { d.DeptList.back()->DeptID = std::numeric_limits<int32_t>::max(); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TDataSet data = test::MakeSampleDataSet();
    c.Prepare(data);
    const std::string before = DumpJson(data);
    TChangePtr change = c.Make();
    EXPECT_THROW(change->Apply(data), std::exception);
    EXPECT_EQ(DumpJson(data), before);
  }
}

// What the random sequences draw from: changes built against the data set as it is now, so
// most of them apply; the rest are refused and must change nothing.
TChangePtr RandomChange(const TDataSet& d, std::mt19937& rng) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const auto& emp =
      *d.EmpList[static_cast<std::size_t>(pick(0, static_cast<int>(d.EmpList.size()) - 1))];
  const int32_t reason = pick(1, 5);
  const TDate day = k2024Jan1 - pick(0, 1500);
  auto someEntry = [&](const TEntryList& list) -> const TAbsenceRecClass* {
    return list.empty()
               ? nullptr
               : list[static_cast<std::size_t>(pick(0, static_cast<int>(list.size()) - 1))].get();
  };
  switch (pick(0, 11)) {
    case 0:
      return std::make_unique<TAddEntries>(emp.EmpID, reason,
                                           std::vector<TDate>{day, day + pick(0, 3)},
                                           static_cast<float>(pick(1, 32)) / 4, TEntryKind::Own);
    case 1:
      if (pick(0, 1) == 0)
        return std::make_unique<TAddEntries>(kGlobalList, reason, std::vector<TDate>{day}, 8.f,
                                             TEntryKind::Global);
      // Several days and reasons at once, some of them perhaps already there.
      return std::make_unique<TAddGlobalEntries>(
          std::vector<TGlobalDay>{{reason, day, 8.f},
                                  {pick(1, 5), day + pick(0, 3), 4.f},
                                  {reason, day - pick(1, 40), 8.f}},
          "");
    case 2:
      if (const auto* e = someEntry(emp.Entries))
        return std::make_unique<TEditEntries>(
            emp.EmpID, std::vector<TEntryEdit>{{e->ReasonID, e->Kind, e->EntryDate, e->ReasonID,
                                                e->Hours, e->EntryDate + pick(-5, 5)}});
      break;
    case 3:
      if (const auto* e = someEntry(d.GlobalList))
        return std::make_unique<TEditEntries>(
            kGlobalList, std::vector<TEntryEdit>{{e->ReasonID, e->Kind, e->EntryDate, reason, 4.f,
                                                  e->EntryDate + pick(-5, 5)}});
      break;
    case 4:
      if (const auto* e = someEntry(emp.Entries))
        return std::make_unique<TTrashEntry>(emp.EmpID, e->ReasonID, e->Kind, e->EntryDate);
      break;
    case 5:
      if (const auto* e = someEntry(d.GlobalList))
        return std::make_unique<TTrashEntry>(kGlobalList, e->ReasonID, e->Kind, e->EntryDate);
      break;
    case 6:
      return std::make_unique<TRestoreEntries>(emp.EmpID, TrashedPositions(emp.Entries));
    case 7:
      return std::make_unique<TEditEmployee>(
          emp.EmpID,
          Fields("L" + std::to_string(pick(0, 9)), pick(0, 3), emp.StartDate + pick(-30, 30)),
          pick(0, 1) == 1);
    case 8:
      return std::make_unique<TAddEmployee>(Fields("N", pick(0, 3), day), Balances({{1, 5.f, day}}),
                                            false);
    case 9:
      return std::make_unique<TTrashRecords>(pick(0, 1) ? TRecordKind::Reason : TRecordKind::Dept,
                                             std::vector<int32_t>{pick(1, 5)});
    case 10:
      return std::make_unique<TEditReason>(
          reason, TReasonFields{"R" + std::to_string(pick(0, 9)), true, pick(0, 1) == 1,
                                TBasis::Calendar, TValidate::YearEnd});
    default:
      return std::make_unique<TRestoreRecords>(TRecordKind::Reason, TrashedPositions(d.ReasonList));
  }
  return std::make_unique<TRestoreRecords>(TRecordKind::Dept, TrashedPositions(d.DeptList));
}

TEST(ChangeTest, RandomSequencesUndoneBackToTheStartAndRedone) {
  const int steps =
      std::getenv("ABSENCE_MODEL_STEPS") ? std::atoi(std::getenv("ABSENCE_MODEL_STEPS")) : 60;
  for (uint32_t seed = 1; seed <= 3; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 rng(seed);
    TDataSet data = test::MakeRandomDataSet(seed, 8);
    std::vector<std::string> dumps{DumpJson(data)};
    std::vector<TChangePtr> done;
    int refused = 0;
    for (int i = 0; i < steps; ++i) {
      TChangePtr c = RandomChange(data, rng);
      try {
        c->Apply(data);
      } catch (const std::exception&) {
        ++refused;
        ASSERT_EQ(DumpJson(data), dumps.back()) << "refused change " << i << " changed the data";
        continue;
      }
      done.push_back(std::move(c));
      dumps.push_back(DumpJson(data));
    }
    EXPECT_GT(done.size(), static_cast<std::size_t>(steps / 2)) << refused;
    for (std::size_t k = done.size(); k-- > 0;) {
      done[k]->Revert(data);
      ASSERT_EQ(DumpJson(data), dumps[k]) << "undo of step " << k;
    }
    for (std::size_t k = 0; k < done.size(); ++k) {
      done[k]->Apply(data);
      ASSERT_EQ(DumpJson(data), dumps[k + 1]) << "redo of step " << k;
    }
  }
}

// Each change records what it set, before and after, and which records; the record reads back
// from its journal line and is made again alike when the change is redone.
TEST(ChangeTest, EveryKindRecordsWhatItChangedForTheJournal) {
  using T = TJournalRefType;
  const struct {
    const char* name;
    TJournalValue value;
    std::vector<std::pair<T, int32_t>> refs;
  } expected[] = {
      {"add own entry",
       {"Vacation 2024-01-06", std::nullopt, "8"},
       {{T::Employee, 1}, {T::Reason, 1}}},
      {"add own entry onto a day with one (hours merge)",
       {"Vacation 2024-01-01", "8", "10"},
       {{T::Employee, 1}}},
      {"trash one employee's copy of a global entry",
       {"Sick 2024-01-31 (global entry)", "8", std::nullopt},
       {{T::Employee, 2}, {T::Reason, 2}}},
      {"trash global entry",
       {"Sick 2024-01-31", "8", std::nullopt},
       {{T::GlobalList, 0}, {T::Reason, 2}}},
      {"edit employee: name, department, narrowed period, balances",
       {"Zed, Zoe: Last name", "Smith", "Zed"},
       {{T::Employee, 1}, {T::Dept, 1}, {T::Dept, 2}}},
      {"edit balances", {"Balance Sick", std::nullopt, "1 h as of 2024-01-01"}, {{T::Reason, 2}}},
      {"trash employees",
       {"Brown, Cy: In trash", "no", "yes"},
       {{T::Employee, 1}, {T::Employee, 3}}},
      {"trash department", {"In trash", "no", "yes"}, {{T::Dept, 1}}},
      {"untick a reason's policy", {"Description", "Vacation", "Holiday"}, {{T::Reason, 1}}},
      {"edit department", {"Manager", "", "Brown, Cy"}, {{T::Dept, 2}}},
  };
  for (const TKindCase& c : KindCases()) {
    SCOPED_TRACE(c.Name);
    TDataSet data = test::MakeSampleDataSet();
    TChangePtr change = c.Make();
    const std::string words = change->Describe(data, "yyyy-mm-dd");
    change->Apply(data);
    const TJournalRecord first = change->Journal();
    EXPECT_EQ(first.Kind, change->JournalKind());
    EXPECT_EQ(first.Text, words);
    EXPECT_GT(first.Time, 0);
    ASSERT_FALSE(first.Values.empty());
    EXPECT_FALSE(first.Records.empty());
    for (const TJournalValue& v : first.Values) EXPECT_NE(v.Before, v.After) << v.What;
    EXPECT_EQ(ParseJournalLine(JournalLine(first)), first);
    change->Revert(data);
    change->Apply(data);
    EXPECT_EQ(change->Journal().Values, first.Values);
    EXPECT_EQ(change->Journal().Records, first.Records);
    for (const auto& e : expected) {
      if (std::string(e.name) != c.Name) continue;
      EXPECT_NE(std::find(first.Values.begin(), first.Values.end(), e.value), first.Values.end())
          << e.value.What << "\n"
          << JournalLine(first);
      for (const auto& [type, id] : e.refs) EXPECT_TRUE(first.Touches(type, id)) << id;
    }
  }
}

}  // namespace
}  // namespace absence::edit
