// Switching a reason's policy off and on, new reasons with a policy, duplicate descriptions.
#include "data/reason_policy.h"

#include <gtest/gtest.h>

#include "data/duplicates.h"

namespace absence {
namespace {

struct TOrg {
  TReasonList Reasons;
  TEmpList Emps;
  int32_t Vacation = -1, Sick = -1;
  int32_t Ann = -1, Bob = -1;
  TOrg() {
    Vacation = AddReason(Reasons, "Vacation", true, true, TBasis::Calendar, TValidate::MonthEnd);
    Sick = AddReason(Reasons, "Sick", true, false, TBasis::None, TValidate::None);
    Ann = AddEmp(Emps, "Smith", "Ann", "", 40000, 0, 0, 'F');
    Bob = AddEmp(Emps, "Jones", "Bob", "", 41000, 0, 0, 'F');
    SetAccrual(Emps[0]->Accruals, Vacation, 12.5f, 45000);
    AddRule(Reasons[0]->Rules, 12, kMaxRuleMonths, 80, 40);
    Reasons[0]->Rules[0]->EndMonth = 12;
  }
  TReasonRecClass& R(int32_t id) {
    return *Reasons[static_cast<size_t>(FindReason(Reasons, id, ""))];
  }
};

TEST(ReasonPolicy, OffMarksLiveBalancesAndEmptiesRules) {
  TOrg o;
  ChangePolicy(o.R(o.Vacation), false, o.Emps);
  EXPECT_TRUE(o.R(o.Vacation).Rules.empty());
  EXPECT_EQ(o.Emps[0]->Accruals[0]->DelMark, std::to_string(o.Vacation));
  EXPECT_EQ(FindAccrual(o.Emps[0]->Accruals, o.Vacation), -1);
  EXPECT_TRUE(o.Emps[1]->Accruals.empty());
}

TEST(ReasonPolicy, OffThenOnGivesOneDefaultRuleAndRevivedBalances) {
  TOrg o;
  TReasonRecClass& r = o.R(o.Vacation);
  ChangePolicy(r, false, o.Emps);
  r.HasPolicy = false;
  ChangePolicy(r, true, o.Emps);
  ASSERT_EQ(r.Rules.size(), 1u);
  EXPECT_EQ(r.Rules[0]->StartMonth, 0);
  EXPECT_EQ(r.Rules[0]->EndMonth, kMaxRuleMonths);
  EXPECT_EQ(r.Rules[0]->Hours, 0);
  EXPECT_EQ(r.Rules[0]->CarryOver, 0);
  for (const auto& e : o.Emps) {
    ASSERT_EQ(e->Accruals.size(), 1u) << e->LastName;  // revived, not duplicated
    const int i = FindAccrual(e->Accruals, o.Vacation);
    ASSERT_EQ(i, 0);
    EXPECT_EQ(e->Accruals[0]->Hours, 0);
    EXPECT_EQ(e->Accruals[0]->AsOfDate, e->StartDate);
  }
}

TEST(ReasonPolicy, UnchangedFlagChangesNothing) {
  TOrg o;
  ChangePolicy(o.R(o.Vacation), true, o.Emps);
  EXPECT_EQ(o.R(o.Vacation).Rules.size(), 2u);
  EXPECT_EQ(o.Emps[0]->Accruals[0]->Hours, 12.5f);
  EXPECT_TRUE(o.Emps[1]->Accruals.empty());
}

TEST(ReasonPolicy, NewReasonWithPolicyGivesEveryEmployeeABalance) {
  for (bool policy : {false, true}) {
    TOrg o;
    const int32_t id =
        AddReasonWithPolicy(o.Reasons, o.Emps, "Personal", true, policy,
                            policy ? TBasis::Anniversary : TBasis::None, TValidate::None);
    EXPECT_EQ(id, 3);
    EXPECT_EQ(o.R(id).Rules.size(), policy ? 1u : 0u);
    for (const auto& e : o.Emps) {
      const int i = FindAccrual(e->Accruals, id);
      if (!policy) {
        EXPECT_EQ(i, -1);
        continue;
      }
      ASSERT_GE(i, 0);
      EXPECT_EQ(e->Accruals[static_cast<size_t>(i)]->AsOfDate, e->StartDate);
    }
  }
}

TEST(ReasonPolicy, DuplicateDescriptions) {
  TOrg o;
  o.R(o.Sick).Deleted = true;
  struct TCase {
    std::string text;
    int32_t edit;
    TDuplicate expected;
  } cases[] = {{"Vacation", o.Vacation, TDuplicate::None},
               {"Vacation", -1, TDuplicate::Live},
               {"Sick", o.Vacation, TDuplicate::Deleted},
               {"sick", -1, TDuplicate::None},
               {"", -1, TDuplicate::None}};
  for (const TCase& c : cases)
    EXPECT_EQ(FindDuplicateReason(o.Reasons, c.text, c.edit), c.expected) << c.text;
}

TEST(ReasonPolicy, DuplicateDepartmentNamesPreferTheLiveTwin) {
  TDeptList depts;
  const int32_t gone = AddDept(depts, "Sales", 0, true, "S1");
  const int32_t live = AddDept(depts, "Sales", 0, true, "S2");
  const int32_t legal = AddDept(depts, "Legal", 0, true, "L");
  depts[0]->Deleted = true;
  struct TCase {
    std::string name;
    int32_t edit;
    TDuplicate expected;
  } cases[] = {{"Sales", -1, TDuplicate::Live},       // the trashed twin comes first in the list
               {"Sales", live, TDuplicate::Deleted},  // editing the live one: only the trash
               {"Sales", gone, TDuplicate::Live},
               {"Legal", legal, TDuplicate::None},
               {"legal", -1, TDuplicate::None}};
  for (const TCase& c : cases)
    EXPECT_EQ(FindDuplicateDept(depts, c.name, c.edit), c.expected) << c.name << " " << c.edit;
}

}  // namespace
}  // namespace absence
