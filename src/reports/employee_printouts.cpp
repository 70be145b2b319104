// The employee list and one employee's accrual list.
#include "data/accrual_order.h"
#include "reports/list_frame.h"
#include "reports/selection.h"

namespace absence::reports {
namespace {

const char* EmployeeSubtitle(TEmployeeDisplay display) {
  switch (display) {
    case TEmployeeDisplay::Current:
      return "Current Employees Only";
    case TEmployeeDisplay::Former:
      return "Former Employees Only";
    case TEmployeeDisplay::All:
      break;
  }
  return "Includes All Employees";
}

std::string DepartmentName(const TDeptList& depts, int32_t deptID) {
  const int i = deptID < 1 ? -1 : FindDept(depts, deptID, "");
  return i < 0 ? kNoDepartment : depts[static_cast<std::size_t>(i)]->DeptName;
}

}  // namespace

TDocument PrintEmployeeList(const TPrintoutSetup& setup, const TEmpList& emps,
                            const TDeptList& depts) {
  const TReportSettings& s = setup.Settings;
  TPrintObject p(setup.Metrics, setup.Device);
  StartList(p);
  ListFrame(p, s, "Employee List", EmployeeSubtitle(s.EmployeeDisplay), 13);
  p.SetDetailArea(1.6, 10.2);
  const double columns[][2] = {{0.5, 1.95}, {2.5, 1.0}, {3.55, 0.75},
                               {4.4, 0.8},  {5.2, 0.6}, {5.85, 1.5}};
  for (int c = 0; c < 6; ++c) p.SetColumn(c + 1, columns[c][0], columns[c][1]);
  const auto headings = [&p] {
    const char* texts[] = {"Name",      "Employee ID", "Start Date",
                           "Term Date", "Benefits",    "Department"};
    for (int c = 0; c < 6; ++c) p.WriteInColumn(c + 1, texts[c], kCurrentLine);
  };
  ColumnHeadings(p, headings);
  for (const auto& e : emps) {
    if (!ShownByDisplay(*e, s.EmployeeDisplay)) continue;
    EnsureRowFits(p, headings);
    p.WriteFittedInColumn(1, e->FullName(), kCurrentLine);
    if (!e->SSN.empty()) p.WriteFittedInColumn(2, e->SSN, kCurrentLine);
    if (e->StartDate > 0) p.WriteInColumn(3, ListDate(s, e->StartDate), kCurrentLine);
    if (e->TermDate > 0) p.WriteInColumn(4, ListDate(s, e->TermDate), kCurrentLine);
    const bool benefits = e->EmpType != 'T' && e->EmpType != 'P';
    p.WriteInColumn(5, benefits ? "   Yes" : "   No", kCurrentLine);
    p.WriteFittedInColumn(6, DepartmentName(depts, e->DeptID), kCurrentLine);
    p.NextLine();
  }
  return p.EndPrintJob();
}

// The accrual table has no page-end check: one employee's reasons fit on a page.
TDocument PrintEmployeeAccruals(const TPrintoutSetup& setup, const TAccrualList& accruals,
                                const TReasonList& reasons, const std::string& lastName,
                                const std::string& firstName) {
  const TReportSettings& s = setup.Settings;
  TPrintObject p(setup.Metrics, setup.Device);
  StartList(p);
  p.SetHeaderLine(1, "Employees Information List", 0.5, TLineAlign::Centre, kReportFontName, 18,
                  fsBold);
  p.SetHeaderLine(2, "Date: " + ListDate(s, s.Today), 0.7, TLineAlign::Left, kReportFontName,
                  kListFontSize, 0);
  p.SetPageNumberLine("Page: %d", 0.7, TLineAlign::Right, kReportFontName, kListFontSize, 0);
  p.SetDetailArea(1.0, 10.2);
  p.SetColumn(1, 1.0, 1.95);
  p.SetColumn(2, 3.0, 0.5);
  p.SetColumn(3, 3.75, 0.95);
  p.GoToDetailTop();
  p.SetFont(kReportFontName, 12, fsBold);
  p.WriteAt(lastName + ", " + firstName, 0.75, kNextLine);
  p.NextLine();
  p.HalfLine();
  p.SetFont(kReportFontName, kListFontSize, fsBold | fsUnderline);
  p.WriteInColumn(1, "Accrued Benefit", kCurrentLine);
  p.WriteRightInColumn(2, "Hours", kCurrentLine);
  p.WriteInColumn(3, "As Of Date", kCurrentLine);
  p.NextLine();
  p.HalfLine();
  p.SetFont(kReportFontName, kListFontSize, 0);
  // In the dialog's order, whatever order the list is kept in.
  for (const std::size_t i : AccrualOrder(accruals, reasons)) {
    const TAccrualRecClass* a = accruals[i].get();
    if (!a->IsLive()) continue;
    const int r = FindReason(reasons, a->ReasonID, "");
    if (r >= 0)
      p.WriteFittedInColumn(1, reasons[static_cast<std::size_t>(r)]->Description, kCurrentLine);
    p.WriteRightInColumn(2, ListHours(s, a->Hours), kCurrentLine);
    p.WriteInColumn(3, ListDate(s, a->AsOfDate), kCurrentLine);
    p.NextLine();
  }
  return p.EndPrintJob();
}

}  // namespace absence::reports
