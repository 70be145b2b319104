#include "data_test_support.h"

namespace absence::test {

TDataSet MakeSampleDataSet() {
  TDataSet d;
  AddReason(d.ReasonList, "Vacation", true, true, TBasis::Calendar, TValidate::MonthEnd);
  d.ReasonList.back()->Rules.back()->Hours = 80;
  AddRule(d.ReasonList.back()->Rules, 12, 960, 120, 40);
  d.ReasonList.back()->Rules.front()->EndMonth = 12;
  AddReason(d.ReasonList, "Sick", true, false, TBasis::None, TValidate::None);
  SortReasons(d.ReasonList);

  AddDept(d.DeptList, "Sales", 1, true, "S1");
  AddDept(d.DeptList, "Accounts", 0, true, "A1");
  SortDepts(d.DeptList);

  const char* names[][2] = {{"Smith", "Anna"}, {"Jones", "Bob"}, {"Brown", "Cy"}};
  for (int i = 0; i < 3; ++i) {
    AddEmp(d.EmpList, names[i][0], names[i][1], "SSN" + std::to_string(i), k2024Jan1 - 400,
           i == 2 ? k2024Jan1 + 100 : 0, 1 + i % 2, 'F');
    auto& e = *d.EmpList.back();
    SetAccrual(e.Accruals, 1, 10.5f, k2024Jan1);
    for (int k = 0; k < 4; ++k)
      AddEntry(e.Entries, d.EmpList, d.ReasonList, 1 + k % 2, k2024Jan1 + 10 * k + i, 8,
               TEntryKind::Own);
  }
  SortEmps(d.EmpList);
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 2, k2024Jan1 + 30, 8, TEntryKind::Global);
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 1, k2024Jul1, 4, TEntryKind::Global);
  return d;
}

TDataSet MakeRandomDataSet(uint32_t seed, int employees) {
  std::mt19937 rng(seed);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  TDataSet d;
  for (int r = 0; r < 5; ++r) {
    const bool policy = r % 2 == 0;
    AddReason(d.ReasonList, "Reason " + std::string(1, static_cast<char>('E' - r)), true, policy,
              policy ? TBasis::Calendar : TBasis::None,
              policy ? TValidate::YearEnd : TValidate::None);
  }
  SortReasons(d.ReasonList);
  for (int k = 0; k < 3; ++k) {
    AddDept(d.DeptList, "Dept " + std::to_string(pick(0, 99)), pick(0, employees), true, "C");
  }
  SortDepts(d.DeptList);
  for (int i = 0; i < employees; ++i) {
    const double start = k2024Jan1 - pick(0, 2000);
    AddEmp(d.EmpList, "Last" + std::to_string(pick(0, 50)), "First" + std::to_string(i), "X", start,
           pick(0, 4) == 0 ? start + pick(100, 3000) : 0, pick(0, 3), 'F');
    auto& e = *d.EmpList.back();
    for (int r = 1; r <= pick(0, 13); ++r)
      SetAccrual(e.Accruals, r, static_cast<float>(pick(0, 400)) / 4, start);
    for (int k = pick(0, 40); k > 0; --k)
      AddEntry(e.Entries, d.EmpList, d.ReasonList, pick(1, 5), start + pick(0, 1500),
               static_cast<float>(pick(1, 32)) / 4, TEntryKind::Own);
  }
  SortEmps(d.EmpList);
  for (int k = 0; k < 6; ++k)
    AddEntry(d.GlobalList, d.EmpList, d.ReasonList, pick(1, 5), k2024Jan1 - pick(0, 1500), 8,
             TEntryKind::Global);
  return d;
}

}  // namespace absence::test
