// Global entries, their copies in the employees' lists, exclusions and the trash.
#include <algorithm>

#include "data/datafiles.h"
#include "data/json_dump.h"
#include "data_test_support.h"

namespace absence {
namespace {

// Three employees: 1 employed from day 100, 2 from day 300, 3 from 100 to day 200.
TDataSet ThreeEmployees() {
  TDataSet d;
  for (auto [rid, text] : {std::pair{1, "Holiday"}, {2, "Closure"}}) {
    AddReason(d.ReasonList, text, true, false, TBasis::None, TValidate::None, rid);
  }
  SortReasons(d.ReasonList);
  const double starts[] = {100, 300, 100}, terms[] = {0, 0, 200};
  for (int i = 0; i < 3; ++i) {
    AddEmp(d.EmpList, "E" + std::to_string(i + 1), "", "", starts[i], terms[i], 0, 'F', i + 1);
  }
  return d;
}

// Live entries of a kind, reason and day in an employee's list.
int LiveEntries(const TEmpRecClass& e, TEntryKind kind, int32_t reason, double date) {
  int n = 0;
  for (const auto& x : e.Entries)
    n += x->Kind == kind && x->ReasonID == reason && x->EntryDate == date && x->IsLive();
  return n;
}

int Copies(const TEmpRecClass& e, int32_t reason, double date) {
  return LiveEntries(e, TEntryKind::Global, reason, date);
}

int Exclusions(const TEmpRecClass& e, int32_t reason, double date) {
  return LiveEntries(e, TEntryKind::Exclusion, reason, date);
}

TEmpRecClass& Emp(TDataSet& d, int32_t id) {
  return *d.EmpList[FindEmp(d.EmpList, id, "")];
}

TDataSet SaveAndLoad(TDataSet& d) {
  test::TTempFolder tmp;
  SaveDataSet(d, tmp.Folder(), false);
  TDataSet again;
  LoadDataSet(again, tmp.Folder());
  return again;
}

TEST(Globals, CopiedOnlyToEmployeesEmployedOnTheDay) {
  TDataSet d = ThreeEmployees();
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 250, 8, TEntryKind::Global);
  EXPECT_EQ(Copies(Emp(d, 1), 1, 250), 1);
  EXPECT_EQ(Copies(Emp(d, 2), 1, 250), 0);  // starts later
  EXPECT_EQ(Copies(Emp(d, 3), 1, 250), 0);  // terminated before
}

TEST(Globals, EqualReasonAndDateMergeIntoOneWithTheSumOnEveryCopy) {
  TDataSet d = ThreeEmployees();
  TBytes bytes;
  test::Append(bytes, test::TRaw(16).F64(0, 150).I32(8, 1).F32(12, 4));
  test::Append(bytes, test::TRaw(16).F64(0, 150).I32(8, 1).F32(12, 3.5f));
  TWarnings w;
  ParseGlobals(d.GlobalList, d.EmpList, d.ReasonList, bytes, "globals.dat", w);
  ASSERT_EQ(d.GlobalList.size(), 1u);
  EXPECT_EQ(d.GlobalList[0]->Hours, 7.5f);
  for (int32_t id : {1, 3}) {
    auto& e = Emp(d, id);
    ASSERT_EQ(e.Entries.size(), 1u);
    EXPECT_EQ(e.Entries[0]->Hours, 7.5f);
  }
  // The same through AddEntry at run time: the copies get the added hours too.
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 150, 0.5f, TEntryKind::Global);
  EXPECT_EQ(Emp(d, 1).Entries[0]->Hours, 8.0f);
}

TEST(Globals, OwnEntryOfSameReasonAndDateBlocksTheCopyAtLoad) {
  TDataSet d = ThreeEmployees();
  AddEntry(Emp(d, 1).Entries, d.EmpList, d.ReasonList, 1, 150, 2, TEntryKind::Own);
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 150, 8, TEntryKind::Global);
  TDataSet loaded = SaveAndLoad(d);
  auto& e = Emp(loaded, 1);
  ASSERT_EQ(e.Entries.size(), 1u);
  EXPECT_EQ(e.Entries[0]->Kind, TEntryKind::Own);
  EXPECT_EQ(Copies(Emp(loaded, 3), 1, 150), 1);
}

TEST(Globals, DeletingAndRestoringTheGlobalEntry) {
  TDataSet d = ThreeEmployees();
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 150, 8, TEntryKind::Global);
  d.GlobalList[0]->AddDelMark(TTrashMark::Global, d.EmpList);
  EXPECT_EQ(d.GlobalList[0]->DelMark, "D");
  for (int32_t id : {1, 2, 3}) EXPECT_EQ(Copies(Emp(d, id), 1, 150), 0);
  // Employee 1 meanwhile records an own entry that day; the restore skips it.
  AddEntry(Emp(d, 1).Entries, d.EmpList, d.ReasonList, 1, 150, 3, TEntryKind::Own);
  Restore(d.GlobalList, d.EmpList, TEntryKind::Global, 0, d.ReasonList);
  EXPECT_TRUE(d.GlobalList[0]->DelMark.empty());
  EXPECT_EQ(Copies(Emp(d, 1), 1, 150), 0);
  EXPECT_EQ(Copies(Emp(d, 3), 1, 150), 1);
}

TEST(Globals, RestoreMergesIntoALiveTwin) {
  TDataSet d = ThreeEmployees();
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 150, 8, TEntryKind::Global);
  d.GlobalList[0]->AddDelMark(TTrashMark::Global, d.EmpList);
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 150, 2,
           TEntryKind::Global);  // a new live twin
  ASSERT_EQ(d.GlobalList.size(), 2u);
  const int trashed = d.GlobalList[0]->IsDeleted() ? 0 : 1;
  Restore(d.GlobalList, d.EmpList, TEntryKind::Global, trashed, d.ReasonList);
  ASSERT_EQ(d.GlobalList.size(), 1u);
  EXPECT_EQ(d.GlobalList[0]->Hours, 10);
  EXPECT_EQ(Emp(d, 1).Entries[0]->Hours, 10);  // the twin's update reached the copies
}

TEST(Globals, CopyDeletedOnOneEmployeeBecomesAnExclusionThatSurvivesSaves) {
  TDataSet d = ThreeEmployees();
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 150, 8, TEntryKind::Global);
  Emp(d, 1).Entries[0]->AddDelMark(TTrashMark::Record, d.EmpList);
  TDataSet once = SaveAndLoad(d);
  TDataSet twice = SaveAndLoad(once);
  for (TDataSet* s : {&once, &twice}) {
    auto& e1 = Emp(*s, 1);
    ASSERT_EQ(e1.Entries.size(), 1u);
    EXPECT_EQ(e1.Entries[0]->Kind, TEntryKind::Exclusion);
    EXPECT_EQ(Copies(Emp(*s, 3), 1, 150), 1);
  }
  // Once the global entry is gone, the exclusion is not written any more.
  twice.GlobalList[0]->AddDelMark(TTrashMark::Global, twice.EmpList);
  TDataSet after = SaveAndLoad(twice);
  EXPECT_TRUE(Emp(after, 1).Entries.empty());
}

TEST(Globals, UpdateCarriesToCopiesAndKeepsListsDateSorted) {
  TDataSet d = ThreeEmployees();
  AddEntry(Emp(d, 1).Entries, d.EmpList, d.ReasonList, 2, 170, 1, TEntryKind::Own);
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 150, 8, TEntryKind::Global);
  d.GlobalList[0]->Update(2, d.EmpList, 6, 180);
  auto& e = Emp(d, 1);
  ASSERT_EQ(e.Entries.size(), 2u);
  EXPECT_EQ(e.Entries[0]->EntryDate, 170);
  EXPECT_EQ(e.Entries[1]->EntryDate, 180);
  EXPECT_EQ(e.Entries[1]->ReasonID, 2);
  EXPECT_EQ(e.Entries[1]->Hours, 6);
  EXPECT_TRUE(e.Entries[1]->Modified);
  EXPECT_NE(FindEntry(e.Entries, 2, TEntryKind::Global, 180), -1);
}

TEST(Globals, AnExclusionFollowsItsGlobalEntryWhenTheEntryMoves) {
  const struct {
    const char* what;
    int32_t reason;
    double date;
    float hours;
  } moves[] = {{"to another day", 1, 160, 8},
               {"to another reason", 2, 150, 8},
               {"to another reason and day", 2, 180, 6},
               {"to an earlier day", 1, 120, 8},
               {"hours only", 1, 150, 4}};
  for (const auto& m : moves) {
    // The exemption as the window makes it (a copy in the trash) and as a load gives it (an
    // entry of kind Exclusion).
    for (const bool loaded : {false, true}) {
      SCOPED_TRACE(std::string(m.what) + (loaded ? ", exclusion read from the file" : ""));
      TDataSet d = ThreeEmployees();
      AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 150, 8, TEntryKind::Global);
      Emp(d, 1).Entries[0]->AddDelMark(TTrashMark::Record, d.EmpList);
      if (loaded) d = SaveAndLoad(d);
      d.GlobalList[0]->Update(m.reason, d.EmpList, m.hours, m.date);
      EXPECT_EQ(Copies(Emp(d, 1), m.reason, m.date), 0);
      EXPECT_EQ(Copies(Emp(d, 3), m.reason, m.date), 1);
      TDataSet saved = SaveAndLoad(d);
      auto& exempt = Emp(saved, 1);
      EXPECT_EQ(Copies(exempt, m.reason, m.date), 0);
      EXPECT_EQ(Exclusions(exempt, m.reason, m.date), 1);
      EXPECT_EQ(exempt.Entries.size(), 1u);
      EXPECT_EQ(Copies(Emp(saved, 3), m.reason, m.date), 1);
      EXPECT_TRUE(
          std::is_sorted(Emp(d, 1).Entries.begin(), Emp(d, 1).Entries.end(),
                         [](const auto& x, const auto& y) { return x->EntryDate < y->EntryDate; }));
    }
  }
}

TEST(Globals, AMovedExclusionMeetingAnotherOnTheNewDayLeavesOne) {
  TDataSet d = ThreeEmployees();
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 150, 8, TEntryKind::Global);
  Emp(d, 1).Entries[0]->AddDelMark(TTrashMark::Record, d.EmpList);
  d = SaveAndLoad(d);
  AddEntry(Emp(d, 1).Entries, d.EmpList, d.ReasonList, 1, 160, -1, TEntryKind::Exclusion);
  ASSERT_EQ(Exclusions(Emp(d, 1), 1, 160), 1);
  d.GlobalList[0]->Update(1, d.EmpList, 8, 160);
  EXPECT_EQ(Exclusions(Emp(d, 1), 1, 160), 1);
  EXPECT_EQ(Emp(d, 1).Entries.size(), 1u);
  EXPECT_EQ(Copies(Emp(d, 3), 1, 160), 1);
}

TEST(Globals, AddGlobalEntriesAfterAnEditSkipsBlockedAndOutOfPeriod) {
  TDataSet d = ThreeEmployees();
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, 150, 8, TEntryKind::Global);
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 2, 350, 8, TEntryKind::Global);
  auto& e2 = Emp(d, 2);
  ASSERT_EQ(e2.Entries.size(), 1u);
  e2.Update(e2.LastName, e2.FirstName, e2.SSN, 'F', 0, 100, 0);  // widened to day 100
  e2.AddGlobalEntries(d.GlobalList, d.ReasonList);
  ASSERT_EQ(e2.Entries.size(), 2u);
  EXPECT_EQ(e2.Entries[0]->EntryDate, 150);
  e2.AddGlobalEntries(d.GlobalList, d.ReasonList);  // nothing twice
  EXPECT_EQ(e2.Entries.size(), 2u);
  e2.Entries[0]->AddDelMark(TTrashMark::Record, d.EmpList);  // a trashed copy blocks too
  e2.AddGlobalEntries(d.GlobalList, d.ReasonList);
  EXPECT_EQ(e2.Entries.size(), 2u);
}

TEST(Entries, EntriesOnDateSkipsExclusionsAndTrash) {
  TDataSet d = ThreeEmployees();
  auto& list = Emp(d, 1).Entries;
  AddEntry(list, d.EmpList, d.ReasonList, 1, 150, -1, TEntryKind::Exclusion);
  AddEntry(list, d.EmpList, d.ReasonList, 2, 150, 4, TEntryKind::Own);
  AddEntry(list, d.EmpList, d.ReasonList, 2, 151, 4, TEntryKind::Own);
  TEntryList result;
  EntriesOnDate(result, &list, 150);
  ASSERT_EQ(result.size(), 1u);
  EXPECT_EQ(result[0]->ReasonID, 2);
  list[FindEntry(list, 2, TEntryKind::Own, 150)]->AddDelMark(TTrashMark::Record, d.EmpList);
  EntriesOnDate(result, &list, 150);
  EXPECT_TRUE(result.empty());
  EntriesOnDate(result, nullptr, 150);
  EXPECT_TRUE(result.empty());
}

TEST(Entries, SortOrdersByDateReasonAndKind) {
  TDataSet d = ThreeEmployees();  // reasons "Closure" (2) and "Holiday" (1)
  TEntryList list;
  TEmpList none;
  for (auto [reason, date, kind] :
       {std::tuple{1, 10.0, 'T'}, {1, 10.0, 'G'}, {1, 10.0, 'D'}, {2, 10.0, 'T'}, {1, 5.0, 'T'}}) {
    auto e = std::make_unique<TAbsenceRecClass>();
    e->ReasonID = reason;
    e->EntryDate = date;
    e->Kind = static_cast<TEntryKind>(kind);  // the table holds the kind letters
    list.push_back(std::move(e));
  }
  SortEntries(list, d.ReasonList, TEntryOrder::ByDate);
  std::string order;
  for (const auto& e : list) order += std::to_string(e->ReasonID) + Letter(e->Kind);
  EXPECT_EQ(order, "1T2T1D1G1T");
  SortEntries(list, d.ReasonList, TEntryOrder::ByReason);
  order.clear();
  for (const auto& e : list) order += std::to_string(e->ReasonID) + Letter(e->Kind);
  EXPECT_EQ(order, "2T1T1D1G1T");
}

TEST(Reasons, DeletingHidesHistoryAndSavingDropsIt) {
  TDataSet d = test::MakeSampleDataSet();
  auto& vacation = *d.ReasonList[FindReason(d.ReasonList, 0, "Vacation")];
  const std::string before = DumpJson(d);
  vacation.Delete(d.EmpList, d.GlobalList);
  EXPECT_EQ(FindAccrual(d.EmpList[0]->Accruals, vacation.ReasonID), -1);
  vacation.Undelete(d.EmpList, d.GlobalList);
  EXPECT_EQ(DumpJson(d), before);  // restoring brings every record back

  vacation.Delete(d.EmpList, d.GlobalList);
  const int32_t id = vacation.ReasonID;
  TDataSet saved = SaveAndLoad(d);
  EXPECT_EQ(FindReason(saved.ReasonList, id, ""), -1);
  for (const auto& e : saved.EmpList) {
    EXPECT_TRUE(e->Accruals.empty());
    for (const auto& x : e->Entries) EXPECT_NE(x->ReasonID, id);
  }
  for (const auto& g : saved.GlobalList) EXPECT_NE(g->ReasonID, id);
}

TEST(Trash, SavingDropsTrashAndWritesZeroForNegatedReferences) {
  TDataSet d = test::MakeSampleDataSet();
  auto& sales = *d.DeptList[FindDept(d.DeptList, 1, "")];
  sales.Delete(d.EmpList);
  auto& manager = *d.EmpList[FindEmp(d.EmpList, 2, "")];
  d.DeptList[FindDept(d.DeptList, 2, "")]->ManagerID = 2;
  manager.Delete(d.DeptList);
  TDataSet saved = SaveAndLoad(d);
  EXPECT_EQ(FindDept(saved.DeptList, 1, ""), -1);
  EXPECT_EQ(FindEmp(saved.EmpList, 2, ""), -1);
  EXPECT_EQ(saved.DeptList[0]->ManagerID, 0);
  for (const auto& e : saved.EmpList) EXPECT_EQ(e->DeptID == 1 || e->DeptID < 0, false);
}

}  // namespace
}  // namespace absence
