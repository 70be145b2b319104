// Lists, identifiers, look-ups, sorting and the trash flags.
#include <algorithm>
#include <random>

#include "data/ansi.h"
#include "data/records.h"
#include "data/sort_indexed.h"
#include "data_test_support.h"

namespace absence {
namespace {

TEST(SortIndexed, SortsEveryShapeOfInputLikeStdSort) {
  std::mt19937 rng(7);
  for (int n = 0; n < 80; ++n) {
    for (int shape = 0; shape < 5; ++shape) {
      std::vector<int> v(static_cast<std::size_t>(n));
      for (int i = 0; i < n; ++i) {
        switch (shape) {
          case 0:
            v[i] = static_cast<int>(rng() % 1000);
            break;  // random
          case 1:
            v[i] = i;
            break;  // sorted
          case 2:
            v[i] = n - i;
            break;  // reversed
          case 3:
            v[i] = 5;
            break;  // all equal
          default:
            v[i] = static_cast<int>(rng() % 3);
            break;  // few distinct
        }
      }
      std::vector<int> expected = v;
      std::sort(expected.begin(), expected.end());
      int maxPos = 0;
      SortIndexed(
          n,
          [&](int64_t i, int64_t j) {
            maxPos = std::max<int>(maxPos, static_cast<int>(std::max(i, j)));
            return v[i - 1] < v[j - 1] ? -1 : (v[i - 1] > v[j - 1] ? 1 : 0);
          },
          [&](int64_t i, int64_t j) { std::swap(v[i - 1], v[j - 1]); });
      EXPECT_EQ(v, expected) << "n=" << n << " shape=" << shape;
      EXPECT_LE(maxPos, n);  // positions are 1-based and stay in range
    }
  }
}

TEST(SortIndexed, CompareThatNeverSaysEqualStillTerminates) {
  std::vector<int> v(1000, 3);
  SortIndexed(
      1000, [&](int64_t i, int64_t j) { return v[i - 1] < v[j - 1] ? -1 : 1; },
      [&](int64_t i, int64_t j) { std::swap(v[i - 1], v[j - 1]); });
  EXPECT_EQ(v, std::vector<int>(1000, 3));
}

TEST(Identifiers, NewIdentifierIsLargestPlusOneCountingDeleted) {
  TDeptList depts;
  int32_t id = AddDept(depts, "A", 0, true, "");
  EXPECT_EQ(id, 1);
  depts.clear();
  for (int32_t given : {3, 7, 5}) {
    EXPECT_EQ(AddDept(depts, "D" + std::to_string(given), 0, true, "", given),
              given);  // stored identifiers are used unchanged
  }
  depts[1]->Deleted = true;  // the 7
  id = AddDept(depts, "New", 0, true, "");
  EXPECT_EQ(id, 8);

  TReasonList reasons;
  // only positive identifiers count
  AddReason(reasons, "Odd", true, false, TBasis::None, TValidate::None, -5);
  id = AddReason(reasons, "Next", true, false, TBasis::None, TValidate::None);
  EXPECT_EQ(id, 1);
}

TEST(Find, DepartmentsPassOverDeletedWhileEmployeesAndReasonsDoNot) {
  TDeptList depts;
  AddDept(depts, "Gone", 0, true, "");
  depts[0]->Deleted = true;
  EXPECT_EQ(FindDept(depts, 0, "Gone"), -1);
  EXPECT_EQ(FindDept(depts, 1, ""), -1);
  EXPECT_EQ(FindDept(TDeptList{}, 1, ""), -1);

  TReasonList reasons;
  AddReason(reasons, "Trip", true, false, TBasis::None, TValidate::None);
  reasons[0]->Deleted = true;
  EXPECT_EQ(FindReason(reasons, 0, "Trip"), 0);
  EXPECT_EQ(FindReason(reasons, 0, "trip"), -1);  // exact, case-sensitive
  EXPECT_EQ(FindReason(reasons, 1, "whatever"), 0);

  TEmpList emps;
  AddEmp(emps, "Doe", "Jane", "", 1, 0, 0, 'F');
  emps[0]->Deleted = true;
  EXPECT_EQ(FindEmp(emps, 0, "Doe, Jane"), 0);
  EXPECT_EQ(FindEmp(emps, 2, "Doe, Jane"), -1);  // by identifier when it is > 0
}

TEST(Employee, FullNameAndEmployment) {
  struct Case {
    const char* last;
    const char* first;
    const char* full;
  } cases[] = {{"Smith", "", "Smith"}, {"", "Ann", "Ann"}, {"Smith", "Ann", "Smith, Ann"}};
  for (const auto& c : cases) {
    TEmpRecClass e;
    e.LastName = c.last;
    e.FirstName = c.first;
    EXPECT_EQ(e.FullName(), c.full);
  }
  TEmpRecClass e;
  e.StartDate = 100;
  EXPECT_FALSE(e.IsEmployedOn(99));
  EXPECT_TRUE(e.IsEmployedOn(100));
  EXPECT_TRUE(e.IsEmployedOn(1e6));
  e.TermDate = 200;
  EXPECT_TRUE(e.IsEmployedOn(200));
  EXPECT_FALSE(e.IsEmployedOn(201));
}

TEST(Employee, UpdateTrimsEntriesOutsideTheEmploymentPeriod) {
  TDataSet d = test::MakeSampleDataSet();
  auto& e = *d.EmpList[0];
  const auto dates = [&] {
    std::vector<double> v;
    for (const auto& x : e.Entries) v.push_back(x->EntryDate);
    return v;
  };
  const auto before = dates();
  ASSERT_GE(before.size(), 4u);
  // Earlier start and a cleared termination remove nothing.
  e.Update(e.LastName, e.FirstName, e.SSN, 'F', e.DeptID, e.StartDate - 10, 0);
  EXPECT_EQ(dates(), before);
  EXPECT_TRUE(e.Modified);
  // A later start removes the entries before it, a termination those after it.
  e.Update(e.LastName, e.FirstName, e.SSN, 'F', e.DeptID, before[1], before[before.size() - 2]);
  EXPECT_EQ(dates(), std::vector<double>(before.begin() + 1, before.end() - 1));
}

TEST(Update, ModifiedOnlyWhenSomethingDiffers) {
  TDeptRecClass d;
  d.DeptName = "A";
  d.Update("A", "", false, 0);
  EXPECT_FALSE(d.Modified);
  d.Update("A", "", true, 0);
  EXPECT_TRUE(d.Modified);
  d.Update("A", "", false, 0);
  EXPECT_TRUE(d.Modified);  // stays set

  TAccrualRecClass a;
  a.Update(0, 0);
  EXPECT_FALSE(a.Modified);
  a.Update(1.5f, 0);
  EXPECT_TRUE(a.Modified);
}

TEST(Trash, DepartmentAndEmployeeDeletionNegatesReferences) {
  TDataSet d = test::MakeSampleDataSet();
  auto& sales = *d.DeptList[FindDept(d.DeptList, 1, "")];
  sales.Delete(d.EmpList);
  for (const auto& e : d.EmpList) EXPECT_NE(e->DeptID, 1);
  EXPECT_TRUE(sales.Deleted);
  sales.Undelete(d.EmpList);
  EXPECT_FALSE(sales.Deleted);
  int inSales = 0;
  for (const auto& e : d.EmpList) inSales += e->DeptID == 1;
  EXPECT_EQ(inSales, 2);

  auto& manager = *d.EmpList[FindEmp(d.EmpList, 1, "")];
  manager.Delete(d.DeptList);
  EXPECT_EQ(sales.ManagerID, -1);
  manager.Undelete(d.DeptList);
  EXPECT_EQ(sales.ManagerID, 1);
}

TEST(Accruals, SetAndFindFollowTheFirstBalanceOfTheReason) {
  TAccrualList list;
  SetAccrual(list, 4, 10, 1000);
  SetAccrual(list, 4, 12, 693594 + 50);  // old day scale converted
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]->Hours, 12);
  EXPECT_EQ(list[0]->AsOfDate, 50);
  EXPECT_EQ(FindAccrual(list, 4), 0);

  // A second balance of the same reason behind a trashed first one is not found.
  auto extra = std::make_unique<TAccrualRecClass>();
  extra->ReasonID = 4;
  list.push_back(std::move(extra));
  list[0]->AddDelMark(TTrashMark::Record);
  EXPECT_EQ(FindAccrual(list, 4), -1);
  SetAccrual(list, 4, 3, 10);  // revives every balance of the reason
  EXPECT_EQ(FindAccrual(list, 4), 0);
  list[0]->ReasonDeleted = true;
  EXPECT_EQ(FindAccrual(list, 4), -1);
  EXPECT_EQ(FindAccrual(list, 99), -1);
}

TEST(Reasons, PolicyDefaultRuleAndFindRule) {
  TReasonList reasons;
  AddReason(reasons, "Vacation", true, true, TBasis::Calendar, TValidate::MonthEnd);
  ASSERT_EQ(reasons[0]->Rules.size(), 1u);
  const auto& r = *reasons[0]->Rules[0];
  EXPECT_EQ(r.StartMonth, 0);
  EXPECT_EQ(r.EndMonth, 960);
  EXPECT_EQ(r.Hours, 0);
  EXPECT_EQ(r.CarryOver, 0);
  AddReason(reasons, "Sick", true, false, TBasis::None, TValidate::None);
  EXPECT_TRUE(reasons[1]->Rules.empty());
  // loaded from a file: no default rule
  AddReason(reasons, "Loaded", true, true, TBasis::Calendar, TValidate::MonthEnd, 9);
  EXPECT_TRUE(reasons[2]->Rules.empty());

  TRuleList rules;
  AddRule(rules, 0, 12, 40, 0);
  AddRule(rules, 12, 60, 80, 0);
  AddRule(rules, 60, 960, 120, 0);
  for (auto [months, index] : {std::pair{12, 0}, {13, 1}, {0, 0}, {960, 2}, {961, -1}})
    EXPECT_EQ(FindRule(rules, months), index) << months;
}

TEST(Sorting, EqualNamesEndInTheOrderOfTheirIdentifiersWhateverTheInputOrder) {
  // "Shop", "shop" and "SHOP" are equal under the a-z folding; so are the two "Office"s.
  const std::pair<int32_t, const char*> records[] = {{1, "Shop"}, {2, "shop"},   {3, "Office"},
                                                     {4, "SHOP"}, {5, "Office"}, {6, "Annex"}};
  const std::vector<int32_t> expected = {6, 3, 5, 1, 2, 4};
  std::vector<int> order = {0, 1, 2, 3, 4, 5};
  do {
    TDeptList depts;
    TReasonList reasons;
    for (const int i : order) {
      const auto [id, name] = records[i];
      AddDept(depts, name, 0, true, "", id);
      AddReason(reasons, name, true, false, TBasis::None, TValidate::None, id);
    }
    SortDepts(depts);
    SortReasons(reasons);
    std::vector<int32_t> deptIDs, reasonIDs;
    for (const auto& d : depts) deptIDs.push_back(d->DeptID);
    for (const auto& r : reasons) reasonIDs.push_back(r->ReasonID);
    ASSERT_EQ(deptIDs, expected);
    ASSERT_EQ(reasonIDs, expected);
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST(Sorting, ListsSortByTheirKeys) {
  TDeptList depts;
  for (const char* n : {"beta", "Alpha", "gamma", "ALPHA2"}) AddDept(depts, n, 0, true, "");
  SortDepts(depts);
  std::vector<std::string> names;
  for (const auto& d : depts) names.push_back(d->DeptName);
  EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "ALPHA2", "beta", "gamma"}));

  TEmpList emps;
  for (auto [l, f] : {std::pair{"smith", "b"}, {"Smith", "A"}, {"Adams", "Z"}})
    AddEmp(emps, l, f, "", 1, 0, 0, 'F');
  SortEmps(emps);
  EXPECT_EQ(emps[0]->LastName, "Adams");
  EXPECT_EQ(emps[1]->FullName(), "Smith, A");

  // Balances by reason text, case-sensitive: "Zeta" sorts before "alpha".
  TReasonList reasons;
  for (auto [id, text] : {std::pair{1, "alpha"}, {2, "Zeta"}}) {
    AddReason(reasons, text, true, false, TBasis::None, TValidate::None, id);
  }
  TAccrualList accruals;
  SetAccrual(accruals, 1, 0, 0);
  SetAccrual(accruals, 3, 0, 0);  // unknown reason: empty text sorts first
  SetAccrual(accruals, 2, 0, 0);
  SortAccruals(accruals, reasons);
  EXPECT_EQ(accruals[0]->ReasonID, 3);
  EXPECT_EQ(accruals[1]->ReasonID, 2);
  EXPECT_EQ(accruals[2]->ReasonID, 1);
}

// Names sort as people read them: accented letters with their plain letter, whatever the case;
// plain ASCII names in their old order, equal names by identifier.
TEST(Sorting, NamesSortWithTheirLettersNotTheirAccents) {
  struct Row {
    std::vector<std::string> names;  // in the order they are added (identifiers ascending)
    std::vector<std::string> sorted;
  } rows[] = {
      {{"Peters", "\u00d6stberg", "Nilsson", "Olsen"},
       {"Nilsson", "Olsen", "\u00d6stberg", "Peters"}},
      {{"Bahr", "B\u00e4cker", "bader"}, {"B\u00e4cker", "bader", "Bahr"}},
      {{"\u00e9mile", "Zola", "Ellis", "eve"}, {"Ellis", "\u00e9mile", "eve", "Zola"}},
      {{"Strasser", "Stra\u00dfe", "Strasse"}, {"Strasse", "Stra\u00dfe", "Strasser"}},
      {{"Aex", "\u00c6r\u00f8", "Aero"}, {"Aero", "\u00c6r\u00f8", "Aex"}},
      {{"\u0160imek", "Sanders", "Tate", "\u017dupan", "Young"},
       {"Sanders", "\u0160imek", "Tate", "Young", "\u017dupan"}},
      // Plain ASCII as before: punctuation and digits by their bytes, a-z as A-Z.
      {{"Oakes", "O'Neil", "o2", "[x]", "abc"}, {"abc", "O'Neil", "o2", "Oakes", "[x]"}},
      // Names equal but for accents in one fixed order, the plain one first; equal names by
      // identifier.
      {{"\u00d6lund", "Olund", "\u00f6lund", "\u00d6lund"},
       {"Olund", "\u00d6lund", "\u00d6lund", "\u00f6lund"}},
  };
  for (const Row& r : rows) {
    TEmpList emps;
    for (const std::string& n : r.names) AddEmp(emps, n, "", "", 1, 0, 0, 'F');
    SortEmps(emps);
    std::vector<std::string> names;
    for (const auto& e : emps) names.push_back(e->LastName);
    EXPECT_EQ(names, r.sorted) << r.names.front();
    // Equal names stay in identifier order.
    for (std::size_t i = 1; i < emps.size(); ++i) {
      if (emps[i]->LastName == emps[i - 1]->LastName) {
        EXPECT_LT(emps[i - 1]->EmpID, emps[i]->EmpID);
      }
    }
  }
  // Departments and reasons share the order.
  TDeptList depts;
  for (const char* n : {"\u00d6konomi", "Personal", "Lager"}) AddDept(depts, n, 0, true, "");
  SortDepts(depts);
  EXPECT_EQ(depts[1]->DeptName, "\u00d6konomi");
}

TEST(Ansi, EveryByteSurvivesAndUnmappableBecomesQuestionMark) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
  EXPECT_EQ(FromAnsi("\x80"), "\u20AC");
  EXPECT_EQ(ToAnsi("caf\u00e9 \u20AC"), "caf\xe9 \x80");
  EXPECT_EQ(ToAnsi("\u4e2d"), "?");
  EXPECT_EQ(CompareNoCaseAZ("abc", "ABD"), -1);
  EXPECT_EQ(CompareNoCaseAZ("abc", "ABC"), 0);
}

}  // namespace
}  // namespace absence
