// absence-cli print: the four list printouts into a PDF file, through the same printout code
// as the windows' Print buttons, measured with the real fonts.
#include <iostream>
#include <memory>
#include <stdexcept>

#include "app/cli/cli.h"
#include "app/cli/cli_pages.h"
#include "dates/dates.h"
#include "render/report_paint.h"
#include "render/report_pdf.h"
#include "reports/list_printouts.h"

namespace absence::cli {
namespace {

using namespace absence::reports;

// The list printer's resolution for a PDF page.
constexpr int kPdfDotsPerInch = 600;

struct TPrintArgs {
  std::string Pdf;
  TDate Today = 0;
  std::string Show;  // employees: all, current or former (default: the setting)
  int Emp = 0;
  bool Global = false;
  int Year = 0;
  bool ByReason = false;
  std::string Paper;
};

enum class TPrintout { Employees, Reasons, Absences, Accruals };

TEmpRecClass& Employee(TDataSet& data, int empID) {
  const int i = FindEmp(data.EmpList, empID, std::string());
  if (i < 0 || data.EmpList[static_cast<std::size_t>(i)]->Deleted)
    throw std::runtime_error("no employee with EmpID " + std::to_string(empID));
  return *data.EmpList[static_cast<std::size_t>(i)];
}

TEmployeeDisplay DisplayFromText(const std::string& show, TEmployeeDisplay setting) {
  if (show == "all") return TEmployeeDisplay::All;
  if (show == "current") return TEmployeeDisplay::Current;
  if (show == "former") return TEmployeeDisplay::Former;
  return setting;
}

TDocument Lay(TPrintout kind, TDataSet& data, const TPrintoutSetup& setup, const TPrintArgs& a) {
  switch (kind) {
    case TPrintout::Employees:
      return PrintEmployeeList(setup, data.EmpList, data.DeptList);
    case TPrintout::Reasons:
      return PrintReasonList(setup, data.ReasonList);
    case TPrintout::Absences: {
      const int year = a.Year > 0 ? a.Year : DecodeDate(setup.Settings.Today).Year;
      if (!a.Global && a.Emp == 0) throw EUsageError("--emp or --global is required");
      if (a.Global)
        return PrintAbsenceList(setup, data.GlobalList, data.ReasonList, year, a.ByReason,
                                "Global Absence");
      TEmpRecClass& emp = Employee(data, a.Emp);
      return PrintAbsenceList(setup, emp.Entries, data.ReasonList, year, a.ByReason,
                              emp.FullName());
    }
    case TPrintout::Accruals: {
      const TEmpRecClass& emp = Employee(data, a.Emp);
      return PrintEmployeeAccruals(setup, emp.Accruals, data.ReasonList, emp.LastName,
                                   emp.FirstName);
    }
  }
  throw std::logic_error("unknown printout");
}

const char* Title(TPrintout kind) {
  switch (kind) {
    case TPrintout::Employees:
      return "Employee List";
    case TPrintout::Reasons:
      return "Absence Reasons List";
    case TPrintout::Absences:
      return "Absence List";
    case TPrintout::Accruals:
      break;
  }
  return "Employees Information List";
}

int RunPrintCommand(TContext& ctx, TPrintout kind, const TPrintArgs& a) {
  TDataSet data = ctx.LoadData();
  const std::unique_ptr<QGuiApplication> app = GuiApplication();
  TReportSettings settings = SettingsFromIni(ctx, a.Today > 0 ? a.Today : TodayDate());
  settings.EmployeeDisplay = DisplayFromText(a.Show, settings.EmployeeDisplay);
  const render::TQtTextMetrics metrics;
  // A PDF page has no unprintable edge.
  const TPrintDevice device =
      PaperDevice(Oriented(ChosenPaper(a.Paper), settings.Orientation), kPdfDotsPerInch);
  const TDocument doc = Lay(kind, data, {metrics, device, settings}, a);
  render::WriteReportPdf(doc, QString::fromStdString(a.Pdf), QString::fromLatin1(Title(kind)));
  *ctx.Out << "pages\t" << doc.Pages.size() << '\n';
  return kExitOk;
}

void AddPrintCommands(CLI::App& app) {
  CLI::App* print = app.add_subcommand("print", "a list printout into a PDF file");
  print->require_subcommand(1);
  auto add = [print](TPrintout kind, const std::string& name, const std::string& what) {
    auto a = std::make_shared<TPrintArgs>();
    CLI::App* cmd = AddCommand(*print, name, what,
                               [a, kind](TContext& ctx) { return RunPrintCommand(ctx, kind, *a); });
    cmd->add_option("--pdf", a->Pdf, "the PDF file to write")->required();
    AddPaper(cmd, a->Paper);
    AddDate(cmd, "--today", a->Today, "the date printed in each page's heading (default: today)");
    return std::make_pair(cmd, a);
  };
  {
    auto [cmd, a] = add(TPrintout::Employees, "employees", "the employee list");
    cmd->add_option("--show", a->Show, "which employees (default: the employee display setting)")
        ->check(CLI::IsMember({"all", "current", "former"}));
  }
  add(TPrintout::Reasons, "reasons", "the absence reasons and their accrual rules");
  {
    auto [cmd, a] = add(TPrintout::Absences, "absences", "one year's absence entries");
    CLI::Option* emp = AddId(cmd, "--emp", a->Emp, "the employee whose entries are listed");
    CLI::Option* global = cmd->add_flag("--global", a->Global, "the global entries instead");
    emp->excludes(global);
    cmd->add_option("--year", a->Year, "the year (default: this year)")
        ->check(CLI::Range(1900, 2100));
    cmd->add_flag("--by-reason", a->ByReason, "ordered by reason instead of by date");
  }
  {
    auto [cmd, a] = add(TPrintout::Accruals, "accruals", "one employee's accrual balances");
    AddId(cmd, "--emp", a->Emp, "the employee")->required();
  }
}

const TRegistrar kPrint(AddPrintCommands);

}  // namespace
}  // namespace absence::cli
