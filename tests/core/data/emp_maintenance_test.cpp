// Adding and editing employees: the display filter, a new employee's balances and global copies,
// balances following the start date, own entries at the ends of the employment, manager roles.
#include "data/emp_maintenance.h"

#include <gtest/gtest.h>

namespace absence {
namespace {

constexpr TDate kDay = 46000;

TEmpRecClass& Emp(TEmpList& emps, int32_t id) {
  return *emps[static_cast<size_t>(FindEmp(emps, id, ""))];
}

TEST(EmpMaintenance, DisplayFilter) {
  TEmpRecClass current, former, trashed;
  former.TermDate = kDay;
  trashed.Deleted = true;
  struct TCase {
    TEmployeeDisplay display;
    bool current, former;
  } cases[] = {{TEmployeeDisplay::All, true, true},
               {TEmployeeDisplay::Current, true, false},
               {TEmployeeDisplay::Former, false, true}};
  for (const TCase& c : cases) {
    EXPECT_EQ(ShownByDisplay(current, c.display), c.current) << static_cast<int>(c.display);
    EXPECT_EQ(ShownByDisplay(former, c.display), c.former) << static_cast<int>(c.display);
    EXPECT_FALSE(ShownByDisplay(trashed, c.display)) << static_cast<int>(c.display);
  }
}

TEST(EmpMaintenance, NewEmployeeBalancesOnlyForLivePolicies) {
  TReasonList reasons;
  const int32_t vacation =
      AddReason(reasons, "Vacation", true, true, TBasis::Calendar, TValidate::MonthEnd);
  AddReason(reasons, "Sick", true, false, TBasis::None, TValidate::None);
  AddReason(reasons, "Old", true, true, TBasis::Calendar, TValidate::MonthEnd);
  const int32_t inactive =
      AddReason(reasons, "Study", false, true, TBasis::Anniversary, TValidate::YearEnd);
  reasons[2]->Deleted = true;
  const TAccrualList b = NewEmployeeBalances(reasons, kDay);
  ASSERT_EQ(b.size(), 2u);
  EXPECT_EQ(b[0]->ReasonID, vacation);
  EXPECT_EQ(b[1]->ReasonID, inactive);  // inactive, but its policy still accrues
  for (const auto& a : b) {
    EXPECT_EQ(a->Hours, 0);
    EXPECT_EQ(a->AsOfDate, kDay);
    EXPECT_TRUE(a->IsLive());
  }
}

TEST(EmpMaintenance, BalancesFollowTheStartDate) {
  struct TCase {
    const char* what;
    bool modified;
    TDate asOf, start, expected;
  } cases[] = {{"system balance moves back", false, kDay, kDay - 30, kDay - 30},
               {"system balance moves forward", false, kDay, kDay + 30, kDay + 30},
               {"user balance never moves back", true, kDay, kDay - 30, kDay},
               {"user balance moves forward", true, kDay, kDay + 30, kDay + 30}};
  for (const TCase& c : cases) {
    TAccrualList list;
    SetAccrual(list, 1, 8, c.asOf);
    list[0]->Modified = c.modified;
    FollowStartDate(list, c.start);
    EXPECT_EQ(list[0]->AsOfDate, c.expected) << c.what;
  }
}

TEST(EmpMaintenance, AsOfDatesBeforeTheStartAreRaised) {
  TAccrualList list;
  SetAccrual(list, 1, 8, kDay - 5);
  SetAccrual(list, 2, 8, kDay + 5);
  EXPECT_TRUE(AnyBalanceBefore(list, kDay));
  EXPECT_FALSE(AnyBalanceBefore(list, kDay - 5));
  RaiseAsOfDates(list, kDay);
  EXPECT_EQ(list[0]->AsOfDate, kDay);
  EXPECT_EQ(list[1]->AsOfDate, kDay + 5);
  EXPECT_FALSE(AnyBalanceBefore(list, kDay));
}

TEST(EmpMaintenance, FirstAndLastOwnEntries) {
  TEmpList emps;
  TReasonList reasons;
  const int32_t r = AddReason(reasons, "Sick", true, false, TBasis::None, TValidate::None);
  struct TCase {
    const char* what;
    std::vector<std::pair<TDate, TEntryKind>> entries;
    TDate first, last;  // 0: none
  } cases[] = {
      {"no entries", {}, 0, 0},
      {"only copies and exclusions",
       {{kDay, TEntryKind::Global}, {kDay + 1, TEntryKind::Exclusion}},
       0,
       0},
      {"a single own entry is first and last", {{kDay, TEntryKind::Own}}, kDay, kDay},
      {"copies at both ends are skipped",
       {{kDay - 9, TEntryKind::Global},
        {kDay - 5, TEntryKind::Own},
        {kDay + 5, TEntryKind::Own},
        {kDay + 9, TEntryKind::Global}},
       kDay - 5,
       kDay + 5},
  };
  for (const TCase& c : cases) {
    TEntryList list;
    for (const auto& [date, kind] : c.entries) AddEntry(list, emps, reasons, r, date, 8, kind);
    const TAbsenceRecClass* first = FirstOwnEntry(list);
    const TAbsenceRecClass* last = LastOwnEntry(list);
    EXPECT_EQ(first ? first->EntryDate : 0, c.first) << c.what;
    EXPECT_EQ(last ? last->EntryDate : 0, c.last) << c.what;
  }
}

TEST(EmpMaintenance, TrashedOwnEntryStillCounts) {
  TEmpList emps;
  TReasonList reasons;
  const int32_t r = AddReason(reasons, "Sick", true, false, TBasis::None, TValidate::None);
  TEntryList list;
  AddEntry(list, emps, reasons, r, kDay, 8, TEntryKind::Own);
  list[0]->AddDelMark(TTrashMark::Record, emps);
  ASSERT_NE(FirstOwnEntry(list), nullptr);
  EXPECT_TRUE(FirstOwnEntry(list)->IsDeleted());
}

TEST(EmpMaintenance, NewEmployeeGetsBalancesAndTheGlobalCopiesOfItsEmployment) {
  TReasonList reasons;
  const int32_t vacation =
      AddReason(reasons, "Vacation", true, true, TBasis::Calendar, TValidate::MonthEnd);
  const int32_t holiday = AddReason(reasons, "Holiday", true, false, TBasis::None, TValidate::None);
  TEmpList emps;
  TEntryList globals;
  for (TDate d : {kDay - 10, kDay, kDay + 10, kDay + 20})
    AddEntry(globals, emps, reasons, holiday, d, 8, TEntryKind::Global);
  globals[2]->AddDelMark(TTrashMark::Global, emps);  // a trashed global entry is not copied
  TAccrualList balances = NewEmployeeBalances(reasons, kDay);
  SetAccrual(balances, holiday, 4, kDay);
  balances[1]->AddDelMark(TTrashMark::Record);  // trashed in the dialog: stays in the trash
  TEmpFields f{"Young", "Cy", "E7", 'F', 0, kDay, kDay + 15};
  const int32_t id = AddNewEmployee(emps, f, balances, globals, reasons);
  TEmpRecClass& e = Emp(emps, id);
  EXPECT_EQ(e.FullName(), "Young, Cy");
  ASSERT_EQ(e.Accruals.size(), 2u);
  EXPECT_EQ(FindAccrual(e.Accruals, vacation) >= 0, true);
  EXPECT_EQ(FindAccrual(e.Accruals, holiday), -1);
  std::vector<TDate> copied;
  for (const auto& entry : e.Entries) {
    EXPECT_EQ(entry->Kind, TEntryKind::Global);
    copied.push_back(entry->EntryDate);
  }
  EXPECT_EQ(copied, (std::vector<TDate>{kDay}));  // on or after start, on or before termination
}

TEST(EmpMaintenance, EditNarrowingTheEmploymentDropsEntriesAndAddsCopies) {
  TReasonList reasons;
  const int32_t sick = AddReason(reasons, "Sick", true, false, TBasis::None, TValidate::None);
  TEmpList emps;
  TEntryList globals;
  const int32_t id = AddEmp(emps, "Smith", "Ann", "", kDay, 0, 0, 'F');
  TEmpRecClass& e = Emp(emps, id);
  AddEntry(e.Entries, emps, reasons, sick, kDay + 1, 8, TEntryKind::Own);
  AddEntry(e.Entries, emps, reasons, sick, kDay + 9, 8, TEntryKind::Own);
  AddEntry(globals, emps, reasons, sick, kDay - 3, 8, TEntryKind::Global);  // before employment
  ASSERT_EQ(e.Entries.size(), 2u);
  ApplyEmployeeEdit(e, {"Smith", "Ann", "", 'F', 0, kDay - 5, kDay + 5}, globals, reasons);
  ASSERT_EQ(e.Entries.size(), 2u);
  EXPECT_EQ(e.Entries[0]->Kind, TEntryKind::Global);
  EXPECT_EQ(e.Entries[0]->EntryDate, kDay - 3);
  EXPECT_EQ(e.Entries[1]->EntryDate, kDay + 1);
  EXPECT_TRUE(e.Modified);
}

TEST(EmpMaintenance, ManagerRoles) {
  const int32_t ann = 7, bob = 8;
  struct TCase {
    const char* what;
    int32_t oldDept, newDept;
    bool isManager;
    int32_t expectSales, expectLegal;  // ManagerID afterwards; Sales starts with Ann, Legal Bob
  } cases[] = {
      {"checked: takes over the chosen department", 1, 2, true, 0, ann},
      {"cleared in her own department", 1, 1, false, 0, bob},
      {"kept", 1, 1, true, ann, bob},
      {"moved without the role: old department loses her", 1, 2, false, 0, bob},
      {"no department: old one loses her", 1, 0, false, 0, bob},
      {"a clear box never removes another manager", 2, 2, false, ann, bob},
  };
  for (const TCase& c : cases) {
    TDeptList depts;
    AddDept(depts, "Sales", ann, true, "S");
    AddDept(depts, "Legal", bob, true, "L");
    SetManagerRole(depts, ann, c.oldDept, c.newDept, c.isManager);
    EXPECT_EQ(depts[0]->ManagerID, c.expectSales) << c.what;
    EXPECT_EQ(depts[1]->ManagerID, c.expectLegal) << c.what;
    EXPECT_EQ(ManagesDept(depts, 1, ann), c.expectSales == ann) << c.what;
  }
}

TEST(EmpMaintenance, ManagerRoleIgnoresTrashedDepartments) {
  TDeptList depts;
  AddDept(depts, "Sales", 7, true, "S");
  depts[0]->Deleted = true;
  SetManagerRole(depts, 7, 1, 0, false);
  EXPECT_EQ(depts[0]->ManagerID, 7);
  EXPECT_FALSE(ManagesDept(depts, 1, 7));
}

}  // namespace
}  // namespace absence
