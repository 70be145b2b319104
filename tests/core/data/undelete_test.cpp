// What the restore dialog lists for each kind of record, and restoring a chosen set.
#include "data/undelete.h"

#include <gtest/gtest.h>

#include "data/dataset.h"

namespace absence {
namespace {

struct TTrashFixture {
  TDataSet d;
  TTrashFixture() {
    for (auto [rid, text] : {std::pair{1, "Holiday"}, {2, "Sick"}, {3, "Vacation"}}) {
      AddReason(d.ReasonList, text, true, false, TBasis::None, TValidate::None, rid);
    }
    SortReasons(d.ReasonList);
    for (int i = 1; i <= 2; ++i) {
      AddDept(d.DeptList, "Dept" + std::to_string(i), 0, true, "", i);
    }
    for (int i = 1; i <= 3; ++i) {
      AddEmp(d.EmpList, "E" + std::to_string(i), "", "", 100, 0, 1, 'F', i);
    }
  }
  TEmpRecClass& Emp(int32_t id) { return *d.EmpList[FindEmp(d.EmpList, id, "")]; }
  TEntryList& Own() { return Emp(1).Entries; }
  void Trash(TAbsenceRecClass& e) { e.AddDelMark(TTrashMark::Record, d.EmpList); }
};

float LiveHours(const TEntryList& list, int32_t reason, TEntryKind kind, TDate day) {
  const int i = FindEntry(list, reason, kind, day);
  return i == -1 ? -1.0f : list[static_cast<std::size_t>(i)]->Hours;
}

TEST(Undelete, EachModeListsItsTrashInListOrder) {
  TTrashFixture f;
  f.d.ReasonList[2]->Delete(f.d.EmpList, f.d.GlobalList);
  f.d.DeptList[0]->Delete(f.d.EmpList);
  f.d.EmpList[1]->Delete(f.d.DeptList);
  f.d.EmpList[2]->Delete(f.d.DeptList);
  EXPECT_EQ(TrashedPositions(f.d.ReasonList), std::vector<int>({2}));
  EXPECT_EQ(TrashedPositions(f.d.DeptList), std::vector<int>({0}));
  EXPECT_EQ(TrashedPositions(f.d.EmpList), std::vector<int>({1, 2}));

  auto& acc = f.Emp(1).Accruals;
  SetAccrual(acc, 1, 10, 200);
  SetAccrual(acc, 2, 20, 200);
  SetAccrual(acc, 3, 30, 200);
  SortAccruals(acc, f.d.ReasonList);
  for (auto& a : acc) a->AddDelMark(TTrashMark::Record);
  acc[1]->ReasonDeleted = true;  // hidden by its trashed reason: comes back with it
  EXPECT_EQ(TrashedPositions(acc), std::vector<int>({0, 2}));

  AddEntry(f.Own(), f.d.EmpList, f.d.ReasonList, 1, 150, 8, TEntryKind::Own);
  AddEntry(f.Own(), f.d.EmpList, f.d.ReasonList, 2, 151, 8, TEntryKind::Own);
  AddEntry(f.Own(), f.d.EmpList, f.d.ReasonList, 1, 152, 8, TEntryKind::Own);
  f.Trash(*f.Own()[0]);
  f.Trash(*f.Own()[2]);
  f.Own()[1]->ReasonDeleted = true;
  EXPECT_EQ(TrashedPositions(f.Own()), std::vector<int>({0, 2}));
}

TEST(Undelete, SeveralEntriesEachRestoredOnceAndMergedWithALiveTwin) {
  TTrashFixture f;
  auto& own = f.Own();
  // Day 150: two trashed entries of reason 1 and a live one; day 151: one trashed entry.
  AddEntry(own, f.d.EmpList, f.d.ReasonList, 1, 150, 2, TEntryKind::Own);
  f.Trash(*own[0]);
  AddEntry(own, f.d.EmpList, f.d.ReasonList, 1, 150, 3, TEntryKind::Own);
  f.Trash(*own[1]);
  AddEntry(own, f.d.EmpList, f.d.ReasonList, 1, 150, 4, TEntryKind::Own);
  AddEntry(own, f.d.EmpList, f.d.ReasonList, 2, 151, 5, TEntryKind::Own);
  f.Trash(*own[3]);
  const auto listed = TrashedPositions(own);
  ASSERT_EQ(listed.size(), 3u);

  // Each merge removes a record ahead of the later picks; a repeated pick counts once.
  RestoreEntries(own, {listed[0], listed[1], listed[2], listed[0]}, f.d.EmpList, TEntryKind::Own,
                 f.d.ReasonList);
  EXPECT_EQ(own.size(), 2u);
  EXPECT_FLOAT_EQ(LiveHours(own, 1, TEntryKind::Own, 150), 9);
  EXPECT_FLOAT_EQ(LiveHours(own, 2, TEntryKind::Own, 151), 5);
  EXPECT_TRUE(TrashedPositions(own).empty());
}

TEST(Undelete, GlobalEntryRestoredReachesEveryEmployeeAgain) {
  TTrashFixture f;
  AddEntry(f.d.GlobalList, f.d.EmpList, f.d.ReasonList, 1, 200, 8, TEntryKind::Global);
  f.d.GlobalList[0]->AddDelMark(TTrashMark::Global, f.d.EmpList);
  for (int id = 1; id <= 3; ++id)
    EXPECT_FLOAT_EQ(LiveHours(f.Emp(id).Entries, 1, TEntryKind::Global, 200), -1);
  RestoreEntries(f.d.GlobalList, TrashedPositions(f.d.GlobalList), f.d.EmpList, TEntryKind::Global,
                 f.d.ReasonList);
  for (int id = 1; id <= 3; ++id)
    EXPECT_FLOAT_EQ(LiveHours(f.Emp(id).Entries, 1, TEntryKind::Global, 200), 8);
}

TEST(Undelete, HiddenCopyOfAGlobalEntryComesBackForThatEmployeeOnly) {
  TTrashFixture f;
  AddEntry(f.d.GlobalList, f.d.EmpList, f.d.ReasonList, 1, 200, 8, TEntryKind::Global);
  auto& own = f.Own();
  f.Trash(*own[static_cast<std::size_t>(FindEntry(own, 1, TEntryKind::Global, 200))]);
  EXPECT_FLOAT_EQ(LiveHours(own, 1, TEntryKind::Global, 200), -1);
  RestoreEntries(own, TrashedPositions(own), f.d.EmpList, TEntryKind::Own, f.d.ReasonList);
  EXPECT_FLOAT_EQ(LiveHours(own, 1, TEntryKind::Global, 200), 8);
  EXPECT_EQ(own.size(), 1u);
  EXPECT_FLOAT_EQ(LiveHours(f.Emp(2).Entries, 1, TEntryKind::Global, 200), 8);
}

TEST(Undelete, RecordsComeBackWithTheirReferences) {
  TTrashFixture f;
  AddEntry(f.Own(), f.d.EmpList, f.d.ReasonList, 3, 150, 8, TEntryKind::Own);
  f.d.ReasonList[2]->Delete(f.d.EmpList, f.d.GlobalList);
  f.d.DeptList[0]->Delete(f.d.EmpList);
  f.d.EmpList[0]->Delete(f.d.DeptList);
  EXPECT_LT(f.Emp(2).DeptID, 0);

  RestoreReasons(f.d.ReasonList, {2, 2}, f.d.EmpList, f.d.GlobalList);
  RestoreDepts(f.d.DeptList, {0, 0}, f.d.EmpList);
  RestoreEmps(f.d.EmpList, {0}, f.d.DeptList);
  EXPECT_FALSE(f.d.ReasonList[2]->Deleted);
  EXPECT_FLOAT_EQ(LiveHours(f.Own(), 3, TEntryKind::Own, 150), 8);
  EXPECT_FALSE(f.d.DeptList[0]->Deleted);
  EXPECT_EQ(f.Emp(2).DeptID, 1);  // negated once, restored once
  EXPECT_FALSE(f.d.EmpList[0]->Deleted);

  auto& acc = f.Emp(1).Accruals;
  SetAccrual(acc, 1, 10, 200);
  acc[0]->AddDelMark(TTrashMark::Record);
  RestoreAccruals(acc, TrashedPositions(acc));
  EXPECT_TRUE(acc[0]->IsLive());
  EXPECT_THROW(RestoreAccruals(acc, {5}), std::out_of_range);
}

}  // namespace
}  // namespace absence
