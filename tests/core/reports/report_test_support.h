#pragma once
// A small organisation for the report tests and readable views of generated pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "data/dataset.h"
#include "report_data_set.h"
#include "reports/report.h"

namespace absence::test {

using namespace absence::reports;

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
