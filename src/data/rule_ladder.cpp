#include "data/rule_ladder.h"

#include <cstdio>

namespace absence {
namespace {

std::string Printf(const char* format, double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

std::string Printf(const char* format, int value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

}  // namespace

TRuleList CopyRules(const TRuleList& rules) {
  TRuleList copy;
  for (const auto& r : rules) copy.push_back(std::make_unique<TFTRuleRecClass>(*r));
  return copy;
}

TFTRuleRecClass& RuleAt(TRuleList& rules, std::size_t index, int32_t startMonth) {
  while (rules.size() <= index) AddRule(rules, startMonth, kMaxRuleMonths, 0, 0);
  return *rules[index];
}

float HoursPerYear(float hours, int32_t start, int32_t end) {
  return end > start ? hours * 12.0f / static_cast<float>(end - start) : hours;
}

float HoursForPeriod(const TFTRuleRecClass& rule) {
  return static_cast<float>(rule.EndMonth - rule.StartMonth) * rule.Hours / 12.0f;
}

TLadderStep StoreRule(TRuleList& rules, std::size_t index, const TRuleEntry& entry) {
  TFTRuleRecClass& rule = *rules.at(index);
  const bool last =
      entry.UpToYears ? entry.UpTo >= kMaxRuleMonths / 12 : entry.UpTo >= kMaxRuleMonths;
  const int32_t end = last ? kMaxRuleMonths : (entry.UpToYears ? entry.UpTo * 12 : entry.UpTo);
  if (!last && end <= rule.StartMonth) return TLadderStep::NotGreater;
  rule.EndMonth = end;
  rule.Hours = entry.ForPeriod ? HoursPerYear(entry.Hours, rule.StartMonth, end) : entry.Hours;
  rule.CarryOver = entry.CarryOver;
  if (last) {
    rules.resize(index + 1);
    return TLadderStep::Last;
  }
  if (index + 1 < rules.size()) rules[index + 1]->StartMonth = end;
  return TLadderStep::Next;
}

std::array<std::string, 4> RuleSummary(const TFTRuleRecClass& r) {
  std::array<std::string, 4> cells;
  cells[0] = r.StartMonth % 12 != 0 || r.StartMonth == 0 ? Printf("%3d months", r.StartMonth)
                                                         : Printf("%3d years", r.StartMonth / 12);
  cells[1] = r.EndMonth % 12 == 0 ? Printf("%3d years", r.EndMonth / 12)
                                  : Printf("%3d months", r.EndMonth);
  cells[2] = r.EndMonth - r.StartMonth >= 12
                 ? Printf("%6.2f hours per year", static_cast<double>(r.Hours))
                 : Printf("%6.2f hours for the period", static_cast<double>(HoursForPeriod(r)));
  cells[3] = Printf("%6.2f hours", static_cast<double>(r.CarryOver));
  return cells;
}

}  // namespace absence
