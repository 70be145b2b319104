// The employee information and department reports.
#include "report_test_support.h"

namespace absence::test {
namespace {

using TLines = std::vector<std::string>;

TEST(EmpInfoReport, DetailsAndAccrualBlocksPerEmployee) {
  TReportFixture f;
  f.Options.Kind = TReportKind::EmpInfo;
  f.Options.NewPagePerGroup = false;
  f.Data.EmpList[2]->StartDate = 0;  // no start date: the label only
  f.Data.EmpList[0]->Accruals[0]->AddDelMark(TTrashMark::Record);
  SetAccrual(f.Data.EmpList[2]->Accruals, 2, 12.5f, EncodeDate(2024, 1, 1));
  f.Employees({1, 2, 3});
  const TDocument doc = f.Run();
  ASSERT_EQ(doc.Pages.size(), 1u);
  EXPECT_EQ(
      BodyLines(doc.Pages[0], 1.0),
      (TLines{"Able, Ann", "Employee ID: | 111-22", "Start Date: | 03/01/2015",
              "Benefits: | Eligible to earn benefit hours", "Department: | Sales",
              "Accrued Benefit | Hours | As Of Date",  // all records trashed
              "Baker, Bo", "Employee ID:", "Start Date: | 01/01/2020 | Term Date: | 06/30/2024",
              "Benefits: | Not eligible to earn benefit hours", "Department: | Sales",
              "Accrued Benefit | Hours | As Of Date", "Cole, Cy", "Employee ID: | 333",
              "Start Date:", "Benefits: | Eligible to earn benefit hours",
              "Department: | <No Department>", "Accrued Benefit | Hours | As Of Date",
              "Sick | 12.5 | 01/01/2024"}));
  // After Ann's accrual headings: the empty line, the line between employees, then Bo.
  const TFixedMetrics m;
  TFont big, body;
  big.Size = 14;
  const TTextItem* headings = nullptr;
  for (const auto& t : doc.Pages[0].Texts)
    if (t.Text == "Accrued Benefit" && !headings) headings = &t;
  EXPECT_NEAR(FindText(doc.Pages[0], "Baker, Bo")->Y,
              headings->Y + m.LineHeight(big) + 2 * m.LineHeight(body), 1e-9);
}

TEST(EmpInfoReport, ByDepartmentPrintsEverySelectedDepartment) {
  TReportFixture f;
  f.Options.Kind = TReportKind::EmpInfo;
  f.Options.NewPagePerGroup = false;
  f.Options.PrintEmpInfo = false;
  f.Departments({2, 0});
  EXPECT_EQ(BodyLines(f.Run().Pages[0], 1.0), (TLines{"Office", "<No Department>", "Cole, Cy",
                                                      "Accrued Benefit | Hours | As Of Date"}));
}

TEST(EmpInfoReport, LongAccrualListsContinueUnderTheirHeadings) {
  TReportFixture f;
  f.Options.Kind = TReportKind::EmpInfo;
  f.Options.NewPagePerGroup = true;
  f.Options.PrintEmpInfo = false;
  auto& d = f.Data;
  for (int32_t id = 4; id < 60; ++id) {
    int32_t rid = id;
    rid = AddReason(d.ReasonList, "Reason " + std::to_string(id), true, false, TBasis::None,
                    TValidate::None, rid);
    SetAccrual(d.EmpList[0]->Accruals, id, 1, EncodeDate(2024, 1, 1));
  }
  f.Employees({1});
  const TDocument doc = f.Run();
  ASSERT_EQ(doc.Pages.size(), 2u);
  EXPECT_EQ(PageLines(doc.Pages[1])[3], "Ann Able");
  const TLines second = BodyLines(doc.Pages[1], 1.2);
  EXPECT_EQ(second[0], "Able, Ann - Continued");
  EXPECT_EQ(second[1], "Accrued Benefit | Hours | As Of Date");
  EXPECT_EQ(second.back(), "Reason 59 | 1.0 | 01/01/2024");
}

TEST(DepartmentReport, InformationListAndPlainList) {
  struct Case {
    bool informationList;
    TEmployeeDisplay display;
    TLines lines;
  } cases[] = {
      {true,
       TEmployeeDisplay::Current,
       {"Acme Works", "Date: 03/15/2024 | Page: 1", "Department Information List",
        "Current Employees Only", "Department | Dept ID | Active | Manager |  ",
        "Office | O-2 | No | <No Manager>", "Sales | S-1 | Yes | <No Manager>",
        "Unassigned Employees", "Cole, Cy"}},
      {false,
       TEmployeeDisplay::All,
       {"Acme Works", "Date: 03/15/2024 | Page: 1", "Department List",
        "Department | Dept ID | Active | Manager |  ", "Office | O-2 | No | <No Manager>",
        "Sales | S-1 | Yes | <No Manager>"}},
  };
  for (const auto& c : cases) {
    TReportFixture f;
    f.Options.Kind = TReportKind::Department;
    f.Options.NewPagePerGroup = false;
    f.Options.InformationList = c.informationList;
    f.Settings.EmployeeDisplay = c.display;      // 1: Bo (terminated) is left out
    f.Data.EmpList[0]->Delete(f.Data.DeptList);  // Sales' manager is in the trash
    f.Departments({0, 2, 1});                    // "<No Department>" prints no row of its own
    EXPECT_EQ(PageLines(f.Run().Pages[0]), c.lines) << c.informationList;
  }
}

TEST(DepartmentReport, NewPagePerDepartment) {
  TReportFixture f;
  f.Options.Kind = TReportKind::Department;
  f.Options.NewPagePerGroup = true;
  f.Departments({1, 2, 0});
  const TDocument doc = f.Run();
  ASSERT_EQ(doc.Pages.size(), 3u);
  EXPECT_EQ(BodyLines(doc.Pages[1], 1.5), (TLines{"Department | Dept ID | Active | Manager |  ",
                                                  "Office | O-2 | No | <No Manager>"}));
  EXPECT_EQ(BodyLines(doc.Pages[2], 1.6), (TLines{"Unassigned Employees", "Cole, Cy"}));
}

}  // namespace
}  // namespace absence::test
