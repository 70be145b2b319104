#include "large_org.h"

#include <chrono>
#include <random>

namespace absence::bench {
namespace {
double DayNumber(int y, unsigned m, unsigned d) {
  using namespace std::chrono;
  constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};
  return static_cast<double>((sys_days{year{y} / month{m} / day{d}} - kEpoch).count());
}
}  // namespace

TDataSet MakeLargeOrg(const TLargeOrgShape& shape) {
  std::mt19937 rng(2026);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  TDataSet d;
  const TBasis bases[] = {TBasis::Calendar, TBasis::Anniversary, TBasis::UserYear};
  for (int r = 0; r < shape.Reasons; ++r) {
    const bool policy = r % 4 != 3;
    const TValidate validate = r % 2 ? TValidate::YearEnd : TValidate::MonthEnd;
    AddReason(d.ReasonList, "Reason " + std::to_string(100 + r), true, policy,
              policy ? bases[r % 3] : TBasis::None, policy ? validate : TValidate::None);
    if (policy) {
      auto& rules = d.ReasonList.back()->Rules;
      rules.clear();
      AddRule(rules, 0, 24, 80, 40);
      AddRule(rules, 24, 120, 120, 60);
      AddRule(rules, 120, 960, 160, 80);
    }
  }
  SortReasons(d.ReasonList);
  for (int k = 0; k < 40; ++k) {
    AddDept(d.DeptList, "Department " + std::to_string(k), 0, true, "D" + std::to_string(k));
  }
  SortDepts(d.DeptList);
  const double first = DayNumber(shape.FirstYear, 1, 1);
  const double span = 365.25 * shape.Years;
  for (int i = 0; i < shape.Employees; ++i) {
    const double start = first - pick(0, 3650);
    const double term = pick(0, 9) == 0 ? first + pick(0, static_cast<int>(span)) : 0;
    AddEmp(d.EmpList, "Surname" + std::to_string(pick(0, 999)), "Given" + std::to_string(i),
           std::to_string(100000 + i), start, term, pick(1, 40), pick(0, 5) ? 'F' : 'T');
    auto& e = *d.EmpList.back();
    for (int r = 1; r <= shape.Reasons; ++r)
      if (r % 4 != 0) SetAccrual(e.Accruals, r, static_cast<float>(pick(0, 80)), start);
    const int entries = shape.EntriesPerYear * shape.Years;
    for (int k = 0; k < entries; ++k) {
      const double date = first + pick(0, static_cast<int>(span));
      if (!e.IsEmployedOn(date)) continue;
      AddEntry(e.Entries, d.EmpList, d.ReasonList, pick(1, shape.Reasons), date,
               static_cast<float>(pick(1, 8)), TEntryKind::Own);
    }
  }
  SortEmps(d.EmpList);
  for (int y = 0; y < shape.Years; ++y)
    for (int g = 0; g < shape.GlobalsPerYear; ++g)
      AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1 + g % 3,
               DayNumber(shape.FirstYear + y, 1 + g, 1 + static_cast<unsigned>(g)), 8,
               TEntryKind::Global);
  return d;
}

}  // namespace absence::bench
