#include "org_generator.h"

#include <filesystem>
#include <random>

#include "data/entry_order.h"
#include "dates/dates.h"

namespace absence::bench {

TOrgShape ShapeOf(TOrgSize size) {
  TOrgShape shape;
  switch (size) {
    case TOrgSize::Small:
      shape.Employees = 50;
      shape.Years = 3;
      break;
    case TOrgSize::Medium:
      shape.Employees = 500;
      shape.Years = 10;
      break;
    case TOrgSize::Large:
      break;
    case TOrgSize::Huge:
      shape.Employees = 10000;
      break;
  }
  return shape;
}

const char* SizeName(TOrgSize size) {
  switch (size) {
    case TOrgSize::Small:
      return "small";
    case TOrgSize::Medium:
      return "medium";
    case TOrgSize::Large:
      return "large";
    case TOrgSize::Huge:
      return "huge";
  }
  return "";
}

std::optional<TOrgSize> SizeFromName(std::string_view name) {
  for (const TOrgSize s : kAllSizes)
    if (name == SizeName(s)) return s;
  return std::nullopt;
}

TDataSet MakeOrg(const TOrgShape& shape, uint32_t seed) {
  std::mt19937 rng(seed);
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
  const TReasonKeys keys(d.ReasonList);
  for (int k = 0; k < 40; ++k) {
    AddDept(d.DeptList, "Department " + std::to_string(k), 0, true, "D" + std::to_string(k));
  }
  SortDepts(d.DeptList);
  const double first = EncodeDate(shape.FirstYear, 1, 1);
  const double span = 365.25 * shape.Years;
  for (int i = 0; i < shape.Employees; ++i) {
    const double start = first - pick(0, 3650);
    const double term = pick(0, 9) == 0 ? first + pick(0, static_cast<int>(span)) : 0;
    // Drawn one by one, so the data set does not depend on a compiler's argument order.
    const char type = pick(0, 5) ? 'F' : 'T';
    const int dept = pick(1, 40);
    const int surname = pick(0, 999);
    AddEmp(d.EmpList, "Surname" + std::to_string(surname), "Given" + std::to_string(i),
           std::to_string(100000 + i), start, term, dept, type);
    auto& e = *d.EmpList.back();
    for (int r = 1; r <= shape.Reasons; ++r)
      if (r % 4 != 0) SetAccrual(e.Accruals, r, static_cast<float>(pick(0, 80)), start);
    const int entries = shape.EntriesPerYear * shape.Years;
    for (int k = 0; k < entries; ++k) {
      const double date = first + pick(0, static_cast<int>(span));
      if (!e.IsEmployedOn(date)) continue;
      const auto hours = static_cast<float>(pick(1, 8));
      const int reason = pick(1, shape.Reasons);
      AddEntryWithKeys(e.Entries, d.EmpList, keys, reason, date, hours, TEntryKind::Own);
    }
  }
  SortEmps(d.EmpList);
  for (int y = 0; y < shape.Years; ++y)
    for (int g = 0; g < shape.GlobalsPerYear; ++g)
      AddEntryWithKeys(d.GlobalList, d.EmpList, keys, 1 + g % 3,
                       EncodeDate(shape.FirstYear + y, 1 + g, 1 + g), 8, TEntryKind::Global);
  return d;
}

void WriteOrg(const TOrgShape& shape, uint32_t seed, const std::string& folder) {
  std::filesystem::create_directories(folder);
  TDataSet org = MakeOrg(shape, seed);
  SaveDataSet(org, folder, false);
}

}  // namespace absence::bench
