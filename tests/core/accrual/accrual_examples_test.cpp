// The accrual rules' worked examples and edge cases, each with its exact figure, plus the
// user-defined year at the end of February.
#include <gtest/gtest.h>

#include "accrual/accrual.h"
#include "accrual_test_support.h"

namespace absence {
namespace {

using test::AddRecord;
using test::AddTaken;
using test::D;
using test::TWorld;

const TBenefitYear kJan1{1, 1};

float Accrued(const TWorld& w, const TEmpRecClass& e, int id, double asOf,
              const TBenefitYear& by = kJan1) {
  TAccrualTrace trace;
  const float traced = AccruedHours(e, w.Reasons, id, asOf, by, &trace);
  const float plain = AccruedHours(e, w.Reasons, id, asOf, by);
  EXPECT_EQ(traced, plain) << "the trace changed the result";
  EXPECT_LE(trace.Iterations, trace.IterationBound);
  return plain;
}

// Calendar basis, one rule of 120 hours, record of 0 as of 1 January 2000, start 15 June 1999.
struct AccrualCalendarExample : ::testing::Test {
  TWorld w;
  TEmpRecClass* e = nullptr;
  void Make(float carry, float takenIn2000) {
    w.AddPolicyReason(1, TBasis::Calendar, TValidate::MonthEnd, {{960, 120, carry}});
    w.AddPolicyReason(2, TBasis::Calendar, TValidate::MonthEnd, {{960, 120, carry}});
    e = &w.AddEmployee(D(1999, 6, 15));
    AddRecord(*e, 1, 0, D(2000, 1, 1));
    if (takenIn2000 > 0) {
      AddTaken(*e, 1, D(2000, 1, 1), 8);
      AddTaken(*e, 1, D(2000, 7, 3), takenIn2000 - 8 - 2);
      AddTaken(*e, 1, D(2000, 12, 31), 2, TEntryKind::Global);
    }
    // None of these count as taken in 2000.
    AddTaken(*e, 1, D(2000, 3, 1), 100).DelMark = "D";
    AddTaken(*e, 1, D(2000, 3, 2), 100).ReasonDeleted = true;
    AddTaken(*e, 1, D(2000, 3, 3), -1, TEntryKind::Exclusion);
    AddTaken(*e, 2, D(2000, 3, 4), 100);
    AddTaken(*e, 1, D(1999, 12, 31), 100);
    AddTaken(*e, 1, D(2001, 1, 1), 100);
  }
};

TEST_F(AccrualCalendarExample, WholeMonthsPartMonthAndWholeYear) {
  Make(0, 0);
  EXPECT_EQ(Accrued(w, *e, 1, D(2000, 7, 1)), 60.0f);
  EXPECT_EQ(Accrued(w, *e, 1, D(2000, 7, 15)), 60.0f);  // a part month at the as-of date: nothing
  EXPECT_EQ(Accrued(w, *e, 1, D(2001, 1, 1)), 120.0f);  // the whole year, nothing subtracted
}

TEST_F(AccrualCalendarExample, CarryOverCapAfterHoursTaken) {
  Make(40, 50);
  EXPECT_EQ(HoursTaken(*e, w.Reasons, 1, D(2000, 6, 1), TTakenMode::Year, kJan1), 50.0f);
  EXPECT_EQ(Accrued(w, *e, 1, D(2001, 1, 1)), 120.0f);  // boundary itself: no subtraction, no cap
  EXPECT_EQ(Accrued(w, *e, 1, D(2001, 2, 1)), 50.0f);   // 120 - 50 = 70, capped to 40, + 10
}

TEST_F(AccrualCalendarExample, CarryOverZeroResets) {
  Make(0, 50);
  EXPECT_EQ(Accrued(w, *e, 1, D(2001, 2, 1)), 10.0f);
}

TEST_F(AccrualCalendarExample, NegativeBalanceIsCarriedNegative) {
  Make(40, 150);
  EXPECT_EQ(Accrued(w, *e, 1, D(2001, 2, 1)), -20.0f);  // 120 - 150 = -30 stays, + 10
}

TEST(AccrualExamples, AnniversaryBasisSixMonthsAndAWholeYear) {
  TWorld w;
  w.AddPolicyReason(1, TBasis::Anniversary, TValidate::MonthEnd, {{960, 120, 0}});
  TEmpRecClass& e = w.AddEmployee(D(2000, 3, 15));
  AddRecord(e, 1, 0, D(2000, 3, 15));
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 9, 20)), 60.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 9, 15)), 60.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 9, 14)), 50.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 3, 15)), 120.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 4, 15)), 10.0f);  // carry-over 0 resets at the anniversary
}

TEST(AccrualExamples, NonEligibleCalendarAllotmentHoldsForOneYear) {
  TWorld w;
  w.AddPolicyReason(1, TBasis::Calendar, TValidate::MonthEnd, {{960, 120, 0}});
  TEmpRecClass& e = w.AddEmployee(D(1995, 1, 1), 0, 'T');
  AddRecord(e, 1, 40, D(2000, 3, 10));
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 3, 9)), 0.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 3, 10)), 0.0f);
  for (double d = D(2000, 3, 11); d <= D(2001, 1, 1); d += 1)
    ASSERT_EQ(Accrued(w, e, 1, d), 40.0f) << d;
  for (double d = D(2001, 1, 2); d <= D(2001, 3, 1); d += 1) ASSERT_EQ(Accrued(w, e, 1, d), 0.0f);
  e.EmpType = 'P';
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 6, 1)), 40.0f);
}

TEST(AccrualExamples, NonEligibleAnniversaryAndUserYears) {
  TWorld w;
  TReasonRecClass& a =
      w.AddPolicyReason(1, TBasis::Anniversary, TValidate::MonthEnd, {{960, 120, 0}});
  w.AddPolicyReason(2, TBasis::UserYear, TValidate::MonthEnd, {{960, 120, 0}});
  w.AddPlainReason(3);  // any other basis: the same calendar year
  TEmpRecClass& e = w.AddEmployee(D(1998, 5, 20), 0, 'T');
  AddRecord(e, 1, 30, D(2000, 6, 1));
  AddRecord(e, 2, 30, D(2000, 6, 1));
  AddRecord(e, 3, 30, D(2000, 6, 1));
  // Anniversary after the record: 20 May 2001. 'E': up to the day before; 'Y': up to it.
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 5, 19)), 30.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 5, 20)), 0.0f);
  a.Validate = TValidate::YearEnd;
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 5, 20)), 30.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 5, 21)), 0.0f);
  // User year from 1 October: up to and including 1 October 2000.
  const TBenefitYear oct{10, 1};
  EXPECT_EQ(Accrued(w, e, 2, D(2000, 10, 1), oct), 30.0f);
  EXPECT_EQ(Accrued(w, e, 2, D(2000, 10, 2), oct), 0.0f);
  // A year start on the record's date itself counts: 1 June -> only up to 1 June... of 2000.
  EXPECT_EQ(Accrued(w, e, 2, D(2000, 6, 2), TBenefitYear{6, 1}), 0.0f);
  EXPECT_EQ(Accrued(w, e, 3, D(2000, 12, 31)), 30.0f);
  EXPECT_EQ(Accrued(w, e, 3, D(2001, 1, 1)), 0.0f);
}

TEST(AccrualExamples, SetUpEdgeCases) {
  TWorld w;
  w.AddPolicyReason(1, TBasis::Calendar, TValidate::MonthEnd, {{960, 120, 0}});
  TEmpRecClass& e = w.AddEmployee(D(1999, 6, 15));
  AddRecord(e, 1, 33, D(2000, 1, 1));
  EXPECT_EQ(Accrued(w, e, 1, D(1999, 12, 31)), 0.0f);  // before the record's date
  e.Accruals[0]->AsOfDate = D(1999, 1, 1);
  EXPECT_EQ(Accrued(w, e, 1, D(1999, 6, 15)), 0.0f);  // on the start date
  EXPECT_EQ(Accrued(w, e, 1, D(1999, 6, 1)), 0.0f);   // before it
  e.StartDate = 0;
  EXPECT_EQ(Accrued(w, e, 1, D(2030, 1, 1)), 33.0f);  // no start date: the hours unchanged
}

TEST(AccrualExamples, EligibleWithoutPolicyHoldsForTheCalendarYear) {
  TWorld w;
  w.AddPlainReason(1);
  TEmpRecClass& e = w.AddEmployee(D(1999, 6, 15));
  AddRecord(e, 1, 24, D(2000, 2, 1));
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 2, 2)), 24.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 1, 1)), 24.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 1, 2)), 0.0f);
}

TEST(AccrualExamples, TierChangeInMidMonthCreditsEachDayOnce) {
  TWorld w;
  w.AddPolicyReason(1, TBasis::Calendar, TValidate::MonthEnd, {{12, 120, 0}, {960, 240, 0}});
  TEmpRecClass& e = w.AddEmployee(D(1999, 6, 15));
  AddRecord(e, 1, 0, D(2000, 1, 1));
  TAccrualTrace trace;
  const float h = AccruedHours(e, w.Reasons, 1, D(2000, 8, 1), kJan1, &trace);
  // January to May at 120: 50; June: 14 days at 120 and 16 days at 240; July at 240: 20.
  float expected = 50.0f;
  expected = static_cast<float>(expected + 14.0 / 30 * 120 / 12);
  expected = static_cast<float>(expected + 16.0 / 30 * 240 / 12);
  expected = static_cast<float>(expected + 20.0);
  EXPECT_EQ(h, expected);
  EXPECT_NEAR(h, 50 + 14.0 / 3 + 32.0 / 3 + 20, 1e-4);
  double juneDays = 0;
  for (const TAccrualStep& s : trace.Steps) {
    if (s.Kind == TAccrualStepKind::TierOldRate) {
      EXPECT_EQ(s.Rate, 120.0f);
      juneDays += s.Days;
    }
    if (s.Kind == TAccrualStepKind::TierNewRate) {
      EXPECT_EQ(s.Rate, 240.0f);
      EXPECT_EQ(s.To, D(2000, 7, 1));  // accrual continues from the 1st of the next month
      juneDays += s.Days;
    }
  }
  EXPECT_EQ(juneDays, 30);
}

TEST(AccrualExamples, TierEndOnABoundaryCapsWithTheRuleBeingLeft) {
  TWorld w;
  // Start 1 January 1999: the 12-month tier ends on 1 January 2000, a year boundary.
  w.AddPolicyReason(1, TBasis::Calendar, TValidate::MonthEnd, {{12, 120, 15}, {960, 240, 100}});
  TEmpRecClass& e = w.AddEmployee(D(1999, 1, 1));
  AddRecord(e, 1, 0, D(1999, 1, 1));
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 1, 1)), 120.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 2, 1)), 35.0f);   // capped at the old 15, then 20 at 240
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 2, 1)), 120.0f);  // 15 + 240 capped at 100, then 20
}

TEST(AccrualExamples, TerminationUpToTheFirstBoundaryThenExpired) {
  TWorld w;
  w.AddPolicyReason(1, TBasis::Calendar, TValidate::MonthEnd, {{960, 120, 0}});
  w.AddPlainReason(2);
  TEmpRecClass& e = w.AddEmployee(D(1999, 6, 15), D(2000, 6, 10));
  AddRecord(e, 1, 0, D(2000, 1, 1));
  AddRecord(e, 2, 16, D(2000, 1, 1));
  // January to May 50, and 9 of June's 30 days before the termination day: 3.
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 6, 10)), 53.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 6, 11)), 53.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 12, 1)), 53.0f);
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 1, 1)), 53.0f);  // the first boundary itself
  EXPECT_THROW(AccruedHours(e, w.Reasons, 1, D(2001, 1, 2), kJan1), EAccrualExpiredError);
  try {
    AccruedHours(e, w.Reasons, 1, D(2005, 1, 1), kJan1);
    ADD_FAILURE();
  } catch (const EAccrualExpiredError& x) {
    EXPECT_STREQ(x.what(), "");
  }
  // Reason without policy, and a non-eligible employee: cut at the termination, never expired.
  EXPECT_EQ(Accrued(w, e, 2, D(2000, 12, 31)), 16.0f);
  EXPECT_EQ(Accrued(w, e, 2, D(2001, 6, 1)), 16.0f);  // the year of the termination date
  e.EmpType = 'T';
  EXPECT_EQ(Accrued(w, e, 1, D(2005, 1, 1)), 0.0f);
  e.Accruals[0]->Hours = 30;
  EXPECT_EQ(Accrued(w, e, 1, D(2005, 1, 1)), 30.0f);
}

TEST(AccrualExamples, TerminationPartOnEachBasis) {
  TWorld w;
  w.AddPolicyReason(1, TBasis::Anniversary, TValidate::MonthEnd, {{960, 120, 0}});
  w.AddPolicyReason(2, TBasis::UserYear, TValidate::MonthEnd, {{960, 120, 0}});
  // Start 20 January 2000; terminated 10 May 2000.
  TEmpRecClass& e = w.AddEmployee(D(2000, 1, 20), D(2000, 5, 10));
  AddRecord(e, 1, 0, D(2000, 1, 20));
  // Anniversary: 20 Jan..20 Apr = 3 months (30); 20 April..10 May: 30 - 20 + 10 = 20 days of
  // April's 30.
  float expected = static_cast<float>(30.0 + 20.0 / 30 * 120 / 12);
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 6, 1)), expected);
  // User year from 1 March, record 1 March: 1 Mar..1 May = 2 months, then 9 days of May's 31.
  AddRecord(e, 2, 0, D(2000, 3, 1));
  const TBenefitYear mar{3, 1};
  expected = static_cast<float>(20.0 + 9.0 / 31 * 120 / 12);
  EXPECT_EQ(Accrued(w, e, 2, D(2000, 6, 1), mar), expected);
  EXPECT_EQ(Accrued(w, e, 2, D(2001, 3, 1), mar), expected);
  EXPECT_THROW(AccruedHours(e, w.Reasons, 2, D(2001, 3, 2), mar), EAccrualExpiredError);
}

TEST(AccrualExamples, UserYearBenefitDay31InFebruary) {
  TWorld w;
  w.AddPolicyReason(1, TBasis::UserYear, TValidate::MonthEnd, {{960, 120, 0}});
  TEmpRecClass& e = w.AddEmployee(D(1990, 1, 1));
  AddRecord(e, 1, 0, D(2001, 1, 15));
  const TBenefitYear feb31{2, 31};
  // Months run from the 31st (clamped); the year starts 28 February 2001. First part month:
  // 15 to 31 January = 16 of 31 days; then 31 January .. 28 February is one month.
  float expected = static_cast<float>(16.0 / 31 * 120 / 12);
  expected = static_cast<float>(expected + 10.0);
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 2, 28), feb31), expected);
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 3, 1), feb31), 0.0f);  // reset at 28 Feb, part month
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 3, 31), feb31), 10.0f);
}

TEST(AccrualExamples, UserYearBoundaryClampedTo28FebruaryStaysThere) {
  TWorld w;
  w.AddPolicyReason(1, TBasis::UserYear, TValidate::MonthEnd, {{960, 120, 0}});
  TEmpRecClass& e = w.AddEmployee(D(1990, 1, 1));
  AddRecord(e, 1, 0, D(2001, 3, 1));
  const TBenefitYear feb29{2, 29};
  // 29 February in 2001 is 28 February; the boundaries then stay on the 28th, also in 2004.
  TAccrualTrace trace;
  EXPECT_EQ(AccruedHours(e, w.Reasons, 1, D(2004, 3, 1), feb29, &trace), 0.0f);
  std::vector<double> boundaries;
  for (const TAccrualStep& s : trace.Steps)
    if (s.Kind == TAccrualStepKind::CarryReset) boundaries.push_back(s.From);
  EXPECT_EQ(boundaries, (std::vector<double>{D(2002, 2, 28), D(2003, 2, 28), D(2004, 2, 28)}));
  EXPECT_EQ(Accrued(w, e, 1, D(2004, 2, 28), feb29), 120.0f);  // the boundary itself
  EXPECT_EQ(Accrued(w, e, 1, D(2004, 2, 29), feb29), 0.0f);    // past the 28 Feb boundary
}

TEST(AccrualExamples, FirstPartMonthOnCalendarAndUserBases) {
  TWorld w;
  w.AddPolicyReason(1, TBasis::Calendar, TValidate::MonthEnd, {{960, 120, 0}});
  w.AddPolicyReason(2, TBasis::UserYear, TValidate::MonthEnd, {{960, 120, 0}});
  TEmpRecClass& e = w.AddEmployee(D(1990, 1, 1));
  AddRecord(e, 1, 5, D(2000, 4, 11));
  AddRecord(e, 2, 5, D(2000, 4, 11));
  // 'C': 11 to 30 April = 20 of 30 days, then May and June.
  float expected = static_cast<float>(5 + 20.0 / 30 * 120 / 12);
  expected = static_cast<float>(expected + 20.0);
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 7, 1)), expected);
  // 'U' from the 20th: 11 to 20 April = 9 days of 30, then 20 Apr..20 Jun.
  const TBenefitYear by{1, 20};
  expected = static_cast<float>(5 + 9.0 / 30 * 120 / 12);
  expected = static_cast<float>(expected + 20.0);
  EXPECT_EQ(Accrued(w, e, 2, D(2000, 6, 20), by), expected);
  // 'U' from the 5th: 11 April to 5 May = 30 - 11 + 5 = 24 days of 30.
  const TBenefitYear by5{1, 5};
  expected = static_cast<float>(5 + 24.0 / 30 * 120 / 12);
  expected = static_cast<float>(expected + 10.0);
  EXPECT_EQ(Accrued(w, e, 2, D(2000, 6, 5), by5), expected);
}

TEST(AccrualExamples, HoursTakenYearAndAsOf) {
  TWorld w;
  w.AddPolicyReason(1, TBasis::Anniversary, TValidate::MonthEnd, {{960, 120, 0}});
  w.AddPolicyReason(2, TBasis::UserYear, TValidate::MonthEnd, {{960, 120, 0}});
  w.AddPolicyReason(3, TBasis::Calendar, TValidate::MonthEnd, {{960, 120, 0}});
  TEmpRecClass& e = w.AddEmployee(D(1999, 2, 28));
  for (int id = 1; id <= 3; ++id) {
    AddTaken(e, id, D(2000, 2, 27), 1);
    AddTaken(e, id, D(2000, 2, 28), 2);
    AddTaken(e, id, D(2000, 2, 29), 4);
    AddTaken(e, id, D(2000, 6, 1), 8);
    AddTaken(e, id, D(2000, 12, 31), 16);
    AddTaken(e, id, D(2001, 1, 1), 32);
    AddTaken(e, id, D(2001, 2, 27), 64);
  }
  const TBenefitYear jun{6, 1};
  // Anniversary year 28 Feb 2000 .. 27 Feb 2001.
  EXPECT_EQ(HoursTaken(e, w.Reasons, 1, D(2000, 6, 1), TTakenMode::Year, jun), 126.0f);
  EXPECT_EQ(HoursTaken(e, w.Reasons, 1, D(2000, 6, 1), TTakenMode::AsOf, jun), 14.0f);
  EXPECT_EQ(HoursTaken(e, w.Reasons, 1, D(2000, 2, 27), TTakenMode::Year, jun), 1.0f);
  // User year 1 Jun 2000 .. 31 May 2001; the year before holds the February entries.
  EXPECT_EQ(HoursTaken(e, w.Reasons, 2, D(2000, 6, 1), TTakenMode::Year, jun), 120.0f);
  EXPECT_EQ(HoursTaken(e, w.Reasons, 2, D(2000, 5, 31), TakenModeFromText("Other"), jun), 7.0f);
  EXPECT_EQ(HoursTaken(e, w.Reasons, 2, D(2000, 2, 28), TTakenMode::AsOf, jun), 3.0f);
  // Calendar year 2000.
  EXPECT_EQ(HoursTaken(e, w.Reasons, 3, D(2000, 2, 29), TTakenMode::Year, jun), 31.0f);
  EXPECT_EQ(HoursTaken(e, w.Reasons, 3, D(2000, 2, 29), TTakenMode::AsOf, jun), 7.0f);
}

}  // namespace
}  // namespace absence

namespace absence {
namespace {

// Data the windows never write (an unknown reason, a policy without rules, another basis)
// gives a value, never an exception other than EAccrualExpiredError.
TEST(AccrualRobustness, DataOutsideTheContractStillGivesAValue) {
  TWorld w;
  TReasonRecClass& empty = w.AddPolicyReason(1, TBasis::Calendar, TValidate::MonthEnd, {});
  w.AddPolicyReason(2, static_cast<TBasis>('X'), TValidate::MonthEnd, {{960, 120, 0}});
  TEmpRecClass& e = w.AddEmployee(D(1999, 6, 15));
  AddRecord(e, 1, 7, D(2000, 1, 1));
  AddRecord(e, 2, 0, D(2000, 1, 1));
  AddRecord(e, 3, 5, D(2000, 1, 1));  // reason 3 does not exist
  AddTaken(e, 3, D(2000, 2, 1), 4);
  const TBenefitYear by{0, 99};                          // out of range: read as 1 January
  EXPECT_EQ(Accrued(w, e, 1, D(2001, 6, 1), by), 0.0f);  // no rule: rate 0, carry 0
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 6, 1), by), 7.0f);
  EXPECT_EQ(Accrued(w, e, 2, D(2000, 7, 1), by), 60.0f);  // another basis computes as calendar
  EXPECT_EQ(Accrued(w, e, 3, D(2000, 7, 1), by), 5.0f);   // like a reason without policy
  EXPECT_EQ(HoursTaken(e, w.Reasons, 3, D(2000, 7, 1), TTakenMode::Year, by), 4.0f);
  EXPECT_EQ(Accrued(w, e, 0, D(2000, 7, 1), by), 0.0f);
  EXPECT_EQ(Accrued(w, e, -1, D(2000, 7, 1), by), 0.0f);
  empty.HasPolicy = false;
  EXPECT_EQ(Accrued(w, e, 1, D(2000, 7, 1), by), 7.0f);
}

}  // namespace
}  // namespace absence
