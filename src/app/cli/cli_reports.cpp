// absence-cli report: the reports into a PDF file, through the same report bodies and page
// engine as the report windows, measured with the real fonts. The only command that needs Qt;
// it starts a GUI application object without a display when it runs.
#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <stdexcept>

#include "app/cli/cli.h"
#include "app/cli/cli_pages.h"
#include "dates/dates.h"
#include "render/report_paint.h"
#include "render/report_pdf.h"
#include "reports/report.h"
#include "reports/selection.h"

namespace absence::cli {
namespace {

using namespace absence::reports;

struct TReportArgs {
  std::string Pdf;
  std::vector<int> Emps;
  std::vector<int> Depts;
  bool NewPage = true;
  TDate Today = 0;
  TDate From = 0, To = 0;
  bool Summary = false;
  TDate AsOf = 0;
  bool AllReasons = false;
  bool NoInfo = false, NoAccruals = false;
  bool Plain = false;
  int Year = 0, Month = 0;
  int CalendarDept = 0;
  bool EachEmployee = false;
  std::string Paper;
};

// The employees or departments named, or all that the selection dialog offers.
TSelection Selection(const TDataSet& data, const TReportArgs& a, bool departments,
                     TEmployeeDisplay employeeDisplay) {
  TSelection s;
  if (departments) {
    const TSelection all = DepartmentChoices(data.DeptList);
    if (a.Depts.empty()) s = all;
    for (int id : a.Depts) {
      const auto it =
          std::find_if(all.begin(), all.end(), [&](const auto& c) { return c.ID == id; });
      if (it == all.end())
        throw std::runtime_error("no department with DeptID " + std::to_string(id));
      s.push_back(*it);
    }
  } else {
    if (a.Emps.empty()) s = EmployeeChoices(data.EmpList, employeeDisplay);
    for (int id : a.Emps) {
      const int i = FindEmp(data.EmpList, id, std::string());
      if (i < 0 || data.EmpList[static_cast<std::size_t>(i)]->Deleted)
        throw std::runtime_error("no employee with EmpID " + std::to_string(id));
      s.push_back({data.EmpList[static_cast<std::size_t>(i)]->FullName(), id});
    }
  }
  SortSelection(s);
  return s;
}

TReportOptions Options(TReportKind kind, const TReportArgs& a, TDate today) {
  TReportOptions o;
  o.Kind = kind;
  o.NewPagePerGroup = a.NewPage;
  o.SelectFromEmployees = kind != TReportKind::Department && !a.Depts.size();
  o.StartDate = a.From;
  o.EndDate = a.To;
  o.Detail = !a.Summary;
  o.ReportDate = a.AsOf > 0 ? a.AsOf : today;
  o.IncludeAllReasons = a.AllReasons;
  o.PrintEmpInfo = !a.NoInfo;
  o.PrintAccruals = !a.NoAccruals;
  o.InformationList = !a.Plain;
  const TYMD t = DecodeDate(today);
  o.CalendarYear = a.Year > 0 ? a.Year : t.Year;
  o.CalendarMonth = a.Month > 0 ? a.Month : t.Month;
  o.OncePerDay = !a.EachEmployee;
  o.CalendarDeptID = a.CalendarDept;
  return o;
}

int RunReportCommand(TContext& ctx, TReportKind kind, const TReportArgs& a) {
  if ((kind == TReportKind::Absence || kind == TReportKind::Statement) && a.From > a.To)
    throw EUsageError("--to is before --from");
  const TDataSet data = ctx.LoadData();
  const std::unique_ptr<QGuiApplication> app = GuiApplication();
  const TDate today = a.Today > 0 ? a.Today : TodayDate();
  TReportSettings settings = SettingsFromIni(ctx, today);
  settings.Paper = ChosenPaper(a.Paper);
  const TReportOptions options = Options(kind, a, today);
  if (kind == TReportKind::MonthCalendar && options.CalendarDeptID != 0 &&
      FindDept(data.DeptList, options.CalendarDeptID, std::string()) < 0)
    throw std::runtime_error("no department with DeptID " + std::to_string(a.CalendarDept));
  const TSelection selection =
      Selection(data, a, !options.SelectFromEmployees, settings.EmployeeDisplay);
  const render::TQtTextMetrics metrics;
  const TDocument doc = RunReport(
      {data.EmpList, data.DeptList, data.ReasonList, data.GlobalList, selection, options, settings},
      metrics);
  render::WriteReportPdf(doc, QString::fromStdString(a.Pdf),
                         QString::fromStdString(ReportTitle(kind, options.InformationList)));
  *ctx.Out << "pages\t" << doc.Pages.size() << '\n';
  return kExitOk;
}

// --pdf, --today and, unless the report has its own, the employee or department selection.
void AddCommon(CLI::App* cmd, TReportArgs& a, bool employees, bool departments) {
  cmd->add_option("--pdf", a.Pdf, "the PDF file to write")->required();
  AddPaper(cmd, a.Paper);
  AddDate(cmd, "--today", a.Today, "the date printed in each page's heading (default: today)");
  CLI::Option* emp = nullptr;
  if (employees)
    emp = cmd->add_option("--emp", a.Emps, "an employee's EmpID (repeatable; default: all)")
              ->type_name("ID")
              ->check(CLI::PositiveNumber);
  if (departments) {
    CLI::Option* dept =
        cmd->add_option("--dept", a.Depts,
                        "a department's DeptID, 0 for <No Department> (repeatable; default: all)")
            ->type_name("ID")
            ->check(CLI::NonNegativeNumber);
    if (emp) dept->excludes(emp);
    cmd->add_flag("--new-page,!--no-new-page", a.NewPage,
                  "a new page for each employee or department (default: on)");
  }
}

void AddReportCommands(CLI::App& app) {
  CLI::App* report = app.add_subcommand("report", "a report into a PDF file");
  report->require_subcommand(1);
  auto add = [report](TReportKind kind, const std::string& name, const std::string& what) {
    auto a = std::make_shared<TReportArgs>();
    CLI::App* cmd = AddCommand(
        *report, name, what, [a, kind](TContext& ctx) { return RunReportCommand(ctx, kind, *a); });
    return std::make_pair(cmd, a);
  };
  {
    auto [cmd, a] = add(TReportKind::Absence, "absence", "absences taken in a period");
    AddCommon(cmd, *a, true, true);
    AddDate(cmd, "--from", a->From, "the first day of the period")->required();
    AddDate(cmd, "--to", a->To, "the last day of the period")->required();
    cmd->add_flag("--summary", a->Summary, "totals only, no entry lines");
  }
  {
    auto [cmd, a] = add(TReportKind::Balances, "balances", "reason balances as of a date");
    AddCommon(cmd, *a, true, true);
    AddDate(cmd, "--as-of", a->AsOf, "the report date (default: today)");
    cmd->add_flag("--all-reasons", a->AllReasons, "also reasons with nothing to show");
  }
  {
    auto [cmd, a] = add(TReportKind::EmpInfo, "empinfo", "employee information");
    AddCommon(cmd, *a, true, true);
    cmd->add_flag("--no-info", a->NoInfo, "leave out the employee details");
    cmd->add_flag("--no-accruals", a->NoAccruals, "leave out the benefit accrual balances");
  }
  {
    auto [cmd, a] = add(TReportKind::Department, "department", "departments and their employees");
    AddCommon(cmd, *a, false, true);
    cmd->add_flag("--plain", a->Plain, "the department list without employees");
  }
  {
    auto [cmd, a] = add(TReportKind::Statement, "statement",
                        "a statement to sign for each employee: absences and balances of a period");
    AddCommon(cmd, *a, true, true);
    AddDate(cmd, "--from", a->From, "the first day of the period")->required();
    AddDate(cmd, "--to", a->To, "the last day of the period")->required();
  }
  {
    auto [cmd, a] = add(TReportKind::MonthCalendar, "calendar", "one month's absences as a grid");
    AddCommon(cmd, *a, false, false);
    cmd->add_option("--year", a->Year, "the year (default: this year)")
        ->check(CLI::Range(1900, 2100));
    cmd->add_option("--month", a->Month, "the month, 1 to 12 (default: this month)")
        ->check(CLI::Range(1, 12));
    cmd->add_option("--dept", a->CalendarDept, "only this department's employees (default: all)")
        ->type_name("ID")
        ->check(CLI::PositiveNumber);
    cmd->add_flag("--each-employee", a->EachEmployee,
                  "global entries under each employee instead of once per day");
  }
}

const TRegistrar kReports(AddReportCommands);

}  // namespace
}  // namespace absence::cli
