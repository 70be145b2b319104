#pragma once
// The ladder of policy rules that the policy wizard builds, one rule at a time: the first rule
// starts at month 0, each next one where the previous one ends, and the last ends at 960.
#include <array>
#include <string>

#include "data/records.h"

namespace absence {

enum class TLadderStep { Next, Last, NotGreater };

struct TRuleEntry {
  int UpTo = 0;           // the "up to" number
  bool UpToYears = true;  // in years, else in months
  float Hours = 0;
  bool ForPeriod = false;  // hours for the rule's period, else per year
  float CarryOver = 0;
};

// Copies rules (the wizard works on a copy and hands it back only on Finish).
TRuleList CopyRules(const TRuleList& rules);

// The rule at `index`; appended first, starting at `startMonth` and ending at 960, when the
// list is that short.
TFTRuleRecClass& RuleAt(TRuleList& rules, std::size_t index, int32_t startMonth);

// Stores what was entered for the rule at `index`. An "up to" of 80 years or 960 months or more
// makes it the last rule (the rules after it are removed); one not beyond the rule's start is
// refused and nothing changes. Otherwise the next rule, if there is one, starts where this one
// now ends.
TLadderStep StoreRule(TRuleList& rules, std::size_t index, const TRuleEntry& entry);

// Hours per year for `hours` earned over the months from `start` to `end`.
float HoursPerYear(float hours, int32_t start, int32_t end);
// Hours over the rule's period for its rate per year.
float HoursForPeriod(const TFTRuleRecClass& rule);

// The four summary texts of a rule: "at least", "up to", "will earn", "and carry over".
std::array<std::string, 4> RuleSummary(const TFTRuleRecClass& rule);

}  // namespace absence
