// The balance rule of the main window and of the balance report, and the explanation ledger.
#include <gtest/gtest.h>

#include "accrual/balances.h"
#include "accrual/explain.h"
#include "accrual_test_support.h"

namespace absence {
namespace {

using test::AddRecord;
using test::AddTaken;
using test::D;
using test::TWorld;

TEST(AccrualBalances, FixedTwoDecimalsRoundsHalfAwayFromZero) {
  struct Case {
    double v;
    const char* text;
  };
  const Case cases[] = {{0, "0.00"},           {0.125f, "0.13"},          {-0.125f, "-0.13"},
                        {10.125f, "10.13"},    {2.675f, "2.67"},          {0.004, "0.00"},
                        {-0.004, "0.00"},      {1234567.5, "1234567.50"}, {-20, "-20.00"},
                        {33.333332f, "33.33"}, {0.005f, "0.00"} /* 0.004999999888 */};
  for (const Case& c : cases) EXPECT_EQ(FormatFixed2(c.v), c.text) << c.v;
  EXPECT_EQ(RoundFixed2(10.125f), 10.13);
}

TEST(AccrualBalances, PanelAsOfDateByValidateAndBasis) {
  TWorld w;
  TEmpRecClass& e = w.AddEmployee(D(1998, 3, 31));
  const TBenefitYear by{2, 30};
  struct Case {
    char validate, basis, type;
    double d, expected;
  };
  const Case cases[] = {
      {'Y', 'C', 'F', D(2000, 6, 10), D(2001, 1, 1)},
      {'Y', 'C', 'F', D(2000, 12, 31), D(2001, 1, 1)},
      {'Y', 'A', 'F', D(2000, 6, 10), D(2001, 3, 31)},
      {'Y', 'A', 'F', D(2000, 3, 30), D(2000, 3, 31)},
      {'Y', 'A', 'F', D(2000, 3, 31), D(2001, 3, 31)},  // not after the date: a year on
      {'Y', 'U', 'F', D(2000, 6, 10), D(2001, 2, 28)},  // 29 Feb 2000 moved a year on
      {'Y', 'U', 'F', D(2000, 1, 10), D(2000, 2, 29)},
      {'E', 'C', 'F', D(2000, 6, 10), D(2000, 7, 1)},
      {'E', 'C', 'F', D(2000, 12, 31), D(2001, 1, 1)},
      {'E', 'A', 'F', D(2000, 6, 10), D(2000, 6, 30)},
      {'E', 'A', 'T', D(2000, 6, 10), D(2000, 6, 29)},  // one day less when not eligible
      {'E', 'A', 'F', D(2000, 6, 30), D(2000, 7, 30)},  // AddMonths(1, 30 June)
      {'E', 'A', 'F', D(2000, 2, 29), D(2000, 3, 29)},
      {'E', 'U', 'F', D(2000, 6, 10), D(2000, 6, 30)},
      {'E', 'U', 'F', D(2000, 2, 29), D(2000, 3, 29)},
      {'E', 'U', 'F', D(2000, 6, 30), D(2000, 7, 30)},
      {' ', 'C', 'F', D(2000, 6, 10), D(2000, 12, 31)},
      {' ', ' ', 'F', D(2000, 1, 1), D(2000, 12, 31)},
  };
  for (const Case& c : cases) {
    TReasonRecClass r;
    r.Validate = static_cast<TValidate>(c.validate);  // the table holds the files' letters
    r.Basis = static_cast<TBasis>(c.basis);
    e.EmpType = c.type;
    EXPECT_EQ(PanelAsOfDate(r, e, c.d, by), c.expected)
        << c.validate << c.basis << c.type << " " << c.d;
  }
}

TEST(AccrualBalances, ReportAsOfDateIsTheFirstYearStartOnOrAfterTheNextDay) {
  TWorld w;
  TEmpRecClass& e = w.AddEmployee(D(1998, 3, 31));
  const TBenefitYear by{2, 30};
  struct Case {
    char validate, basis;
    double t, expected;
  };
  const Case cases[] = {
      {'Y', 'C', D(2000, 6, 10), D(2001, 1, 1)},  {'Y', 'C', D(2000, 12, 31), D(2001, 1, 1)},
      {'Y', 'A', D(2000, 6, 10), D(2001, 3, 31)}, {'Y', 'A', D(2001, 3, 30), D(2001, 3, 31)},
      {'Y', 'U', D(2000, 6, 10), D(2001, 2, 28)}, {'Y', 'U', D(2000, 2, 28), D(2000, 2, 29)},
      {'E', 'C', D(2000, 6, 10), D(2000, 6, 11)}, {'E', 'A', D(2000, 12, 31), D(2001, 1, 1)},
      {' ', ' ', D(2000, 6, 10), D(2000, 6, 11)},
  };
  for (const Case& c : cases) {
    TReasonRecClass r;
    r.Validate = static_cast<TValidate>(c.validate);  // the table holds the files' letters
    r.Basis = static_cast<TBasis>(c.basis);
    EXPECT_EQ(ReportAsOfDate(r, e, c.t, by), c.expected) << c.validate << c.basis << " " << c.t;
  }
}

struct AccrualPanelFixture : ::testing::Test {
  TWorld w;
  TEmpRecClass* e = nullptr;
  const TBenefitYear by{1, 1};
  void SetUp() override {
    w.AddPolicyReason(1, TBasis::Calendar, TValidate::MonthEnd, {{960, 120, 40}});
    w.AddPolicyReason(2, TBasis::Anniversary, TValidate::YearEnd, {{960, 120, 40}});
    w.AddPlainReason(3);
    e = &w.AddEmployee(D(1999, 6, 15));
    AddRecord(*e, 1, 0, D(2000, 1, 1));
    AddTaken(*e, 1, D(2000, 2, 1), 2.125f);
    AddTaken(*e, 1, D(2000, 3, 14), 4);
    AddTaken(*e, 1, D(2000, 11, 1), 4);  // after the date: in the panel's year, not the report's
    AddTaken(*e, 3, D(2000, 5, 1), 8);
  }
};

TEST_F(AccrualPanelFixture, PanelRowUsedAvailableBalance) {
  const TPanelBalance b = PanelBalance(*e, w.Reasons, *w.Reasons[0], D(2000, 3, 15), by);
  EXPECT_TRUE(b.HasAccrual);
  EXPECT_EQ(b.AsOf, D(2000, 4, 1));
  EXPECT_EQ(b.Available, 30.0f);
  EXPECT_EQ(b.Used, 10.125f);
  EXPECT_EQ(b.UsedText, "10.13");
  EXPECT_EQ(b.AvailableText, "30.00");
  EXPECT_EQ(b.BalanceText, "19.87");  // from the two shown values
  EXPECT_EQ(PanelYearText(*w.Reasons[0]), "Cal");
  EXPECT_EQ(PanelYearText(*w.Reasons[1]), "Anniv");
  EXPECT_EQ(PanelYearText(*w.Reasons[2]), "Cal");
}

TEST_F(AccrualPanelFixture, PanelRowWithoutRecordOrExpired) {
  // No record for reason 3: used only.
  TPanelBalance b = PanelBalance(*e, w.Reasons, *w.Reasons[2], D(2000, 3, 15), by);
  EXPECT_FALSE(b.HasAccrual);
  EXPECT_EQ(b.UsedText, "8.00");
  EXPECT_EQ(b.AvailableText, "");
  EXPECT_EQ(b.BalanceText, "");
  // No record for reason 2 and nothing used: all blank.
  b = PanelBalance(*e, w.Reasons, *w.Reasons[1], D(2000, 3, 15), by);
  EXPECT_EQ(b.UsedText + b.AvailableText + b.BalanceText, "");
  // Terminated: the next year's panel has no available value.
  e->TermDate = D(2000, 6, 10);
  b = PanelBalance(*e, w.Reasons, *w.Reasons[0], D(2001, 3, 15), by);
  EXPECT_TRUE(b.Expired);
  EXPECT_FALSE(b.Available.has_value());
  EXPECT_EQ(b.AvailableText, "");
  EXPECT_EQ(b.BalanceText, "");
  // A deleted record hides the reason's accrual.
  e->TermDate = 0;
  e->Accruals[0]->DelMark = "D";
  b = PanelBalance(*e, w.Reasons, *w.Reasons[0], D(2000, 3, 15), by);
  EXPECT_FALSE(b.HasAccrual);
  EXPECT_EQ(b.UsedText, "10.13");
}

TEST_F(AccrualPanelFixture, ReportRowUsesHoursTakenAsOfTheReportDate) {
  const TReportBalance b = ReportBalance(*e, w.Reasons, *w.Reasons[0], D(2000, 3, 14), by);
  EXPECT_EQ(b.AsOf, D(2000, 3, 15));
  EXPECT_EQ(b.Available, 20.0f);  // January and February; the part of March earns nothing
  EXPECT_EQ(b.Used, 6.125f);
  ASSERT_TRUE(b.Balance.has_value());
  EXPECT_DOUBLE_EQ(*b.Balance, 13.875);
  EXPECT_TRUE(b.Printable());
  EXPECT_EQ(ReportYearText(*w.Reasons[2]), "Cal");
  const TReportBalance none = ReportBalance(*e, w.Reasons, *w.Reasons[1], D(2000, 3, 14), by);
  EXPECT_FALSE(none.Printable());
  EXPECT_FALSE(none.Balance.has_value());
}

TEST(AccrualExplain, LedgerShowsEveryStepAndEndsAtTheResult) {
  TWorld w;
  TReasonRecClass& r =
      w.AddPolicyReason(1, TBasis::Calendar, TValidate::MonthEnd, {{12, 120, 40}, {960, 240, 40}});
  TEmpRecClass& e = w.AddEmployee(D(1999, 6, 15));
  AddRecord(e, 1, 0, D(2000, 1, 1));
  AddTaken(e, 1, D(2000, 7, 3), 150);
  TAccrualTrace trace;
  const float h = AccruedHours(e, w.Reasons, 1, D(2001, 2, 1), TBenefitYear{}, &trace);
  // Steps: months to the tier end, old/new rate in June, months to the year boundary, the hours
  // taken, the carry kept (negative), and January.
  std::vector<TAccrualStepKind> kinds;
  for (const TAccrualStep& s : trace.Steps) kinds.push_back(s.Kind);
  using K = TAccrualStepKind;
  EXPECT_EQ(kinds, (std::vector<K>{K::Record, K::Aligned, K::Months, K::TierOldRate, K::TierChange,
                                   K::TierNewRate, K::Months, K::Taken, K::CarryKept, K::Months,
                                   K::Result}));
  // Replaying the ledger's amounts in float gives the result.
  float replay = 0;
  for (const TAccrualStep& s : trace.Steps) {
    if (s.Kind == K::Taken)
      replay = static_cast<float>(replay - s.Amount);
    else if (s.Kind == K::CarryCap || s.Kind == K::CarryReset)
      replay = s.Balance;
    else if (s.Kind != K::Record)
      replay = static_cast<float>(replay + s.Amount);
    EXPECT_EQ(replay, s.Balance);
  }
  EXPECT_EQ(replay, h);
  const std::vector<std::string> lines = AccrualLedger(trace, &r);
  ASSERT_GE(lines.size(), 10u);
  std::string all;
  for (const auto& l : lines) all += l + "\n";
  EXPECT_NE(all.find("5 months x 120/12"), std::string::npos) << all;
  EXPECT_NE(all.find("14/30 month at the old rate 120/12"), std::string::npos) << all;
  EXPECT_NE(all.find("16/30 month at the new rate 240/12"), std::string::npos) << all;
  EXPECT_NE(all.find("-150"), std::string::npos) << all;
  EXPECT_NE(all.find("carried over (limit 40)"), std::string::npos) << all;
  EXPECT_EQ(lines.back(), "accrued as of 2001-02-01:");
}

TEST(AccrualExplain, ExpiredAndRuleDecisions) {
  TWorld w;
  TReasonRecClass& r = w.AddPolicyReason(1, TBasis::Calendar, TValidate::MonthEnd, {{960, 120, 0}});
  TEmpRecClass& e = w.AddEmployee(D(1999, 6, 15), D(2000, 6, 10));
  AddRecord(e, 1, 0, D(2000, 1, 1));
  TAccrualTrace trace;
  EXPECT_THROW(AccruedHours(e, w.Reasons, 1, D(2002, 1, 1), TBenefitYear{}, &trace),
               EAccrualExpiredError);
  EXPECT_TRUE(trace.Expired);
  EXPECT_EQ(AccrualLedger(trace, &r).back(), "balance as of 2002-01-01: expired");
  e.EmpType = 'T';
  AccruedHours(e, w.Reasons, 1, D(2002, 1, 1), TBenefitYear{}, &trace);
  ASSERT_GE(trace.Steps.size(), 2u);
  EXPECT_EQ(trace.Steps[trace.Steps.size() - 2].Kind, TAccrualStepKind::Rule);
}

// The whole explanation: a line naming employee and reason, the ledger when the engine runs,
// and last the figure `accrued` states.
TEST(AccrualExplain, WholeExplanationEndsWithTheFigure) {
  TWorld w;
  const TReasonRecClass& r =
      w.AddPolicyReason(1, TBasis::Calendar, TValidate::MonthEnd, {{960, 120, 40}});
  TEmpRecClass& kept = w.AddEmployee(D(1999, 6, 15));
  AddRecord(kept, 1, 0, D(2000, 1, 1));
  TEmpRecClass& none = w.AddEmployee(D(1999, 6, 15));
  TEmpRecClass& gone = w.AddEmployee(D(1999, 6, 15), D(2000, 6, 10));
  AddRecord(gone, 1, 0, D(2000, 1, 1));
  struct Case {
    const TEmpRecClass* emp;
    double asOf;
    std::string figure, beforeFigure;
  } cases[] = {
      {&kept, D(2000, 7, 1), "60", "accrued as of 07/01/2000:"},
      {&none, D(2000, 7, 1), "none", "no live accrual record for this reason: no accrued value"},
      {&gone, D(2002, 1, 1), "expired", "balance as of 01/01/2002: expired"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> lines =
        BalanceExplanation(*c.emp, w.Reasons, r, c.asOf, TBenefitYear{}, "mm/dd/yyyy");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.front(), "Employee " + std::to_string(c.emp->EmpID) + " (" + c.emp->FullName() +
                                 "), reason 1 (Reason 1)");
    EXPECT_EQ(lines.back(), c.figure);
    EXPECT_EQ(lines[lines.size() - 2], c.beforeFigure);
    EXPECT_EQ(AccruedResultText(*c.emp, w.Reasons, 1, c.asOf, TBenefitYear{}), c.figure);
  }
}

// The panel's figures explained: each entry HoursTaken counts is listed once, in date order,
// and nothing it leaves out (another reason or year, a trashed entry, an exclusion); the three
// figures are the panel's.
TEST(AccrualExplain, PanelFiguresListTheEntriesUsed) {
  TWorld w;
  const TReasonRecClass& vacation =
      w.AddPolicyReason(1, TBasis::Calendar, TValidate::YearEnd, {{960, 120, 40}});
  TReasonRecClass& jury = w.AddPolicyReason(2, TBasis::Calendar, TValidate::YearEnd, {});
  jury.HasPolicy = false;
  TEmpRecClass& e = w.AddEmployee(D(1999, 6, 15));
  AddRecord(e, 1, 10, D(2000, 1, 1));
  AddTaken(e, 1, D(2000, 9, 4), 8);
  AddTaken(e, 1, D(2000, 3, 6), 4.5f, TEntryKind::Global);
  AddTaken(e, 1, D(1999, 12, 31), 8);              // the year before
  AddTaken(e, 2, D(2000, 5, 2), 6);                // the other reason
  AddTaken(e, 1, D(2000, 7, 3), 8).DelMark = "D";  // trashed
  AddTaken(e, 1, D(2000, 8, 1), -1, TEntryKind::Exclusion);
  AddTaken(e, 2, D(2000, 11, 30), 2);
  struct Case {
    const TReasonRecClass* reason;
    std::vector<std::string> used;  // the lines under "Used:"
  } cases[] = {
      {&vacation, {"  2000-03-06        4.50  (global entry)", "  2000-09-04        8.00"}},
      {&jury, {"  2000-05-02        6.00", "  2000-11-30        2.00"}},
  };
  for (const Case& c : cases) {
    const TPanelBalance b = PanelBalance(e, w.Reasons, *c.reason, D(2000, 12, 9), TBenefitYear{});
    const std::vector<std::string> lines =
        PanelBalanceExplanation(e, w.Reasons, *c.reason, D(2000, 12, 9), TBenefitYear{});
    const auto line = [&](const std::string& label) {
      for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind(label, 0) == 0) return i;
      return lines.size();
    };
    const std::size_t used = line("Used: "), balance = line("Balance: ");
    ASSERT_LT(used, balance) << c.reason->ReasonID;
    EXPECT_EQ(lines[used].rfind("Used: " + b.UsedText + ", 2 entries in ", 0), 0u) << lines[used];
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<long>(used) + 1,
                                       lines.begin() + static_cast<long>(balance)),
              c.used);
    if (b.Available) {
      EXPECT_EQ(lines[line("Available: ")].rfind("Available: " + b.AvailableText + ", ", 0), 0u);
      EXPECT_EQ(lines[balance], "Balance: " + b.BalanceText + " = Available " + b.AvailableText +
                                    " - Used " + b.UsedText);
    } else {
      EXPECT_EQ(lines[line("Available: ")].substr(0, 15), "Available: none");
      EXPECT_EQ(lines[balance].substr(0, 13), "Balance: none");
    }
  }
}

}  // namespace
}  // namespace absence
