#pragma once
// A small organisation for the report tests and readable views of generated pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "data/dataset.h"
#include "dates/dates.h"
#include "reports/report.h"

namespace absence::test {

using namespace absence::reports;

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

// The report run over a data set with fixed widths; today is 15 March 2024.
struct TReportFixture {
  TDataSet Data = MakeReportDataSet();
  TSelection Selection;
  TReportOptions Options;
  TReportSettings Settings;
  TFixedMetrics Metrics;

  TReportFixture() {
    Settings.Organization = "Acme Works";
    Settings.Today = EncodeDate(2024, 3, 15);
  }
  TReportFixture& Employees(std::vector<int32_t> ids) {
    Options.SelectFromEmployees = true;
    Selection.clear();
    for (int32_t id : ids) {
      const int i = FindEmp(Data.EmpList, id, "");
      Selection.push_back(
          {i >= 0 ? Data.EmpList[static_cast<std::size_t>(i)]->FullName() : "?", id});
    }
    return *this;
  }
  TReportFixture& Departments(std::vector<int32_t> ids) {
    Options.SelectFromEmployees = false;
    Selection.clear();
    for (int32_t id : ids) {
      const int i = FindDept(Data.DeptList, id, "");
      Selection.push_back(
          {id == 0 ? kNoDepartment : Data.DeptList[static_cast<std::size_t>(i)]->DeptName, id});
    }
    return *this;
  }
  TDocument Run() const {
    const TReportInput in{Data.EmpList, Data.DeptList, Data.ReasonList, Data.GlobalList,
                          Selection,    Options,       Settings};
    return RunReport(in, Metrics);
  }
};

// The page's texts line by line (top to bottom, left to right), each line's texts joined by
// " | ".
inline std::vector<std::string> PageLines(const TPage& page) {
  std::vector<const TTextItem*> items;
  for (const auto& t : page.Texts) items.push_back(&t);
  std::stable_sort(items.begin(), items.end(), [](const auto* a, const auto* b) {
    if (std::abs(a->Y - b->Y) > 1e-6) return a->Y < b->Y;
    return a->X < b->X;
  });
  std::vector<std::string> lines;
  double y = -1;
  for (const auto* t : items) {
    if (lines.empty() || std::abs(t->Y - y) > 1e-6)
      lines.push_back(t->Text);
    else
      lines.back() += " | " + t->Text;
    y = t->Y;
  }
  return lines;
}

// The page's lines below the report's own heading block (from `bodyTop` inches down).
inline std::vector<std::string> BodyLines(const TPage& page, double bodyTop) {
  TPage body;
  for (const auto& t : page.Texts)
    if (t.Y >= bodyTop - 1e-6) body.Texts.push_back(t);
  return PageLines(body);
}

inline std::vector<std::string> AllBodyLines(const TDocument& doc, double bodyTop) {
  std::vector<std::string> all;
  for (const auto& p : doc.Pages) {
    const auto lines = BodyLines(p, bodyTop);
    all.insert(all.end(), lines.begin(), lines.end());
  }
  return all;
}

// The first text item equal to `text` on the page, or nullptr.
inline const TTextItem* FindText(const TPage& page, const std::string& text) {
  for (const auto& t : page.Texts)
    if (t.Text == text) return &t;
  return nullptr;
}

}  // namespace absence::test
