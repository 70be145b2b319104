#pragma once
// The small organisation the report tests (and the report command's tests) run on.
#include "data/dataset.h"
#include "dates/dates.h"

namespace absence::test {

// Reasons: 1 Vacation (calendar year, month end; 120 hours a year, 40 carried), 2 Sick and
// 3 Holiday without a policy. Departments: 1 Sales (manager Ann Able), 2 Office (no manager).
// Employees: 1 Able, Ann (Sales, Vacation accrual), 2 Baker, Bo (Sales, part time, terminated
// 30 June 2024, no entries, exempt from the holiday), 3 Cole, Cy (no department).
// January 2024: a global Holiday on the 1st; Ann: Vacation 10th (8), Sick 31st (4), Vacation
// 1 February (8) and 31 December 2023 (8); Cy: Vacation 15th (8).
inline TDataSet MakeReportDataSet() {
  TDataSet d;
  int32_t id = 1;
  id = AddReason(d.ReasonList, "Vacation", true, true, TBasis::Calendar, TValidate::MonthEnd, id);
  AddRule(d.ReasonList[0]->Rules, 0, 960, 120, 40);
  id = 2;
  id = AddReason(d.ReasonList, "Sick", true, false, TBasis::None, TValidate::None, id);
  id = 3;
  id = AddReason(d.ReasonList, "Holiday", true, false, TBasis::None, TValidate::None, id);
  id = 1;
  id = AddEmp(d.EmpList, "Able", "Ann", "111-22", EncodeDate(2015, 3, 1), 0, 1, 'F', id);
  id = 2;
  id = AddEmp(d.EmpList, "Baker", "Bo", "", EncodeDate(2020, 1, 1), EncodeDate(2024, 6, 30), 1, 'P',
              id);
  id = 3;
  id = AddEmp(d.EmpList, "Cole", "Cy", "333", EncodeDate(2018, 5, 1), 0, 0, 'F', id);
  id = 1;
  id = AddDept(d.DeptList, "Sales", 1, true, "S-1", id);
  id = 2;
  id = AddDept(d.DeptList, "Office", 0, false, "O-2", id);
  SetAccrual(d.EmpList[0]->Accruals, 1, 0, EncodeDate(2020, 1, 1));
  auto& ann = d.EmpList[0]->Entries;
  AddEntry(ann, d.EmpList, d.ReasonList, 1, EncodeDate(2024, 1, 10), 8, TEntryKind::Own);
  AddEntry(ann, d.EmpList, d.ReasonList, 2, EncodeDate(2024, 1, 31), 4, TEntryKind::Own);
  AddEntry(ann, d.EmpList, d.ReasonList, 1, EncodeDate(2024, 2, 1), 8, TEntryKind::Own);
  AddEntry(ann, d.EmpList, d.ReasonList, 1, EncodeDate(2023, 12, 31), 8, TEntryKind::Own);
  AddEntry(d.EmpList[2]->Entries, d.EmpList, d.ReasonList, 1, EncodeDate(2024, 1, 15), 8,
           TEntryKind::Own);
  AddEntry(d.EmpList[1]->Entries, d.EmpList, d.ReasonList, 3, EncodeDate(2024, 1, 1), -8,
           TEntryKind::Exclusion);
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, 3, EncodeDate(2024, 1, 1), 8, TEntryKind::Global);
  return d;
}

}  // namespace absence::test
