// The policy ladder: successive "up to" periods, the open end, period hours, summaries.
#include "data/rule_ladder.h"

#include <gtest/gtest.h>

namespace absence {
namespace {

struct TStep {
  int upTo;
  bool years;
  TLadderStep expected;
};

TEST(RuleLadder, SuccessivePeriodsBuildAnUnbrokenLadder) {
  TRuleList rules;
  AddRule(rules, 0, kMaxRuleMonths, 0, 0);
  const TStep steps[] = {{1, true, TLadderStep::Next},
                         {5, true, TLadderStep::Next},
                         {3, true, TLadderStep::NotGreater},  // not beyond 5 years
                         {60, false, TLadderStep::NotGreater},
                         {80, true, TLadderStep::Last}};
  std::size_t index = 0;
  for (const TStep& s : steps) {
    RuleAt(rules, index, index == 0 ? 0 : rules[index - 1]->EndMonth);
    const TLadderStep got = StoreRule(rules, index, {s.upTo, s.years, 8, false, 4});
    ASSERT_EQ(got, s.expected) << s.upTo;
    if (got == TLadderStep::Next) ++index;
  }
  ASSERT_EQ(rules.size(), 3u);
  const int32_t bounds[][2] = {{0, 12}, {12, 60}, {60, 960}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(rules[i]->StartMonth, bounds[i][0]);
    EXPECT_EQ(rules[i]->EndMonth, bounds[i][1]);
  }
}

TEST(RuleLadder, AnUpToBeyondEightyYearsEndsTheLadderAndDropsLaterRules) {
  for (const TStep& s : {TStep{100, true, TLadderStep::Last}, TStep{2000, false, TLadderStep::Last},
                         TStep{960, false, TLadderStep::Last}}) {
    TRuleList rules;
    AddRule(rules, 0, 24, 0, 0);
    AddRule(rules, 24, 120, 0, 0);
    AddRule(rules, 120, kMaxRuleMonths, 0, 0);
    EXPECT_EQ(StoreRule(rules, 0, {s.upTo, s.years, 80, false, 0}), s.expected);
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0]->EndMonth, kMaxRuleMonths);
  }
}

TEST(RuleLadder, ShorteningARuleMovesTheStartOfTheNext) {
  TRuleList rules;
  AddRule(rules, 0, 24, 0, 0);
  AddRule(rules, 24, kMaxRuleMonths, 0, 0);
  EXPECT_EQ(StoreRule(rules, 0, {18, false, 0, false, 0}), TLadderStep::Next);
  EXPECT_EQ(rules[1]->StartMonth, 18);
}

TEST(RuleLadder, HoursForThePeriodAreStoredPerYear) {
  TRuleList rules;
  AddRule(rules, 0, kMaxRuleMonths, 0, 0);
  ASSERT_EQ(StoreRule(rules, 0, {6, false, 40, true, 0}), TLadderStep::Next);
  EXPECT_FLOAT_EQ(rules[0]->Hours, 80);
  EXPECT_FLOAT_EQ(HoursForPeriod(*rules[0]), 40);
  const auto cells = RuleSummary(*rules[0]);
  EXPECT_EQ(cells[2], " 40.00 hours for the period");
}

TEST(RuleLadder, SummaryTexts) {
  struct TCase {
    TFTRuleRecClass rule;
    std::array<std::string, 4> cells;
  } cases[] = {
      {{0, 12, 40, 8}, {"  0 months", "  1 years", " 40.00 hours per year", "  8.00 hours"}},
      {{12, 18, 80, 0}, {"  1 years", " 18 months", " 40.00 hours for the period", "  0.00 hours"}},
      {{18, 960, 120.5f, 40}, {" 18 months", " 80 years", "120.50 hours per year", " 40.00 hours"}},
  };
  for (const TCase& c : cases) EXPECT_EQ(RuleSummary(c.rule), c.cells);
}

}  // namespace
}  // namespace absence
