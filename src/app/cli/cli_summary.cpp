// absence-cli export summary: per employee and reason, the hours taken in a period and the
// balances at its end, as a CSV file or an .xlsx workbook.
#include "app/cli/cli_summary.h"

#include <algorithm>
#include <map>
#include <memory>

#include "data/settings.h"
#include "reports/selection.h"
#include "reports/summary.h"

namespace absence::cli {
namespace {

using namespace absence::reports;

struct TSummaryArgs {
  std::string File;
  double From = 0, To = 0;
  std::string Format = "csv";
  std::string Delimiter = "comma";
  int Emp = 0;
  int Dept = -1;
};

const std::map<std::string, char> kDelimiters = {{"comma", ','}, {"semicolon", ';'}, {"tab", '\t'}};

// The preferences the summary follows: which employees are shown, the user-defined year, and
// the hours format of the workbook's cells.
TReportSettings SummarySettings(const TContext& ctx) {
  const TSettings& s = ctx.Preferences();
  TReportSettings r;
  r.HourFormat = s.HourFormat;
  r.EmployeeDisplay = s.EmployeeDisplay;
  r.BenefitYear = NormalizeBenefitYear(s.BenefitMonth, s.BenefitDay);
  return r;
}

int RunSummary(TContext& ctx, const TSummaryArgs& a) {
  if (a.From > a.To) throw EUsageError("--to is before --from");
  const TDataSet data = ctx.LoadData();
  const TReportSettings settings = SummarySettings(ctx);
  TReportOptions options;
  options.StartDate = a.From;
  options.EndDate = a.To;
  options.SelectFromEmployees = a.Dept < 0;
  TSelection selection;
  if (a.Emp > 0) {
    const int i = FindEmp(data.EmpList, a.Emp, std::string());
    if (i < 0 || data.EmpList[static_cast<std::size_t>(i)]->Deleted)
      throw std::runtime_error("no employee with EmpID " + std::to_string(a.Emp));
    selection.push_back({data.EmpList[static_cast<std::size_t>(i)]->FullName(), a.Emp});
  } else if (a.Dept >= 0) {
    const TSelection all = DepartmentChoices(data.DeptList);
    const auto it =
        std::find_if(all.begin(), all.end(), [&](const auto& c) { return c.ID == a.Dept; });
    if (it == all.end())
      throw std::runtime_error("no department with DeptID " + std::to_string(a.Dept));
    selection.push_back(*it);
  } else {
    selection = EmployeeChoices(data.EmpList, settings.EmployeeDisplay);
  }
  const TSummary summary = BuildSummary({data.EmpList, data.DeptList, data.ReasonList,
                                         data.GlobalList, selection, options, settings});
  if (a.Format == "xlsx")
    WriteSummaryXlsx(a.File, summary, HourFormatPattern(settings.HourFormat));
  else
    WriteSummaryCsvFile(a.File, summary, kDelimiters.at(a.Delimiter));
  std::size_t rows = 0;
  for (const auto& d : summary.Depts) rows += d.Rows.size();
  *ctx.Out << "employees\t" << summary.Employees << '\n' << "rows\t" << rows << '\n';
  return kExitOk;
}

}  // namespace

void AddSummaryKind(
    const std::function<CLI::App*(const std::string&, const std::string&, TRunFn)>& add) {
  auto a = std::make_shared<TSummaryArgs>();
  CLI::App* cmd =
      add("summary", "hours taken per employee and reason in a period, and the balances at its end",
          [a](TContext& ctx) { return RunSummary(ctx, *a); });
  cmd->add_option("FILE", a->File, "the summary file (replaced when it exists)")->required();
  AddDate(cmd, "--from", a->From, "the first day of the period")->required();
  AddDate(cmd, "--to", a->To, "the last day of the period")->required();
  cmd->add_option("--format", a->Format, "csv (default) or xlsx")
      ->check(CLI::IsMember({"csv", "xlsx"}));
  cmd->add_option("--delimiter", a->Delimiter,
                  "CSV field delimiter: comma (default), semicolon or tab")
      ->check(CLI::IsMember({"comma", "semicolon", "tab"}));
  CLI::Option* emp = AddId(cmd, "--emp", a->Emp, "only this employee");
  cmd->add_option("--dept", a->Dept, "only this department's employees, 0 for <No Department>")
      ->type_name("ID")
      ->check(CLI::NonNegativeNumber)
      ->excludes(emp);
}

}  // namespace absence::cli
