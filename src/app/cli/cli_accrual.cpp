// absence-cli commands of the accrual engine: accrued, taken, balances, explain.
#include <iostream>
#include <memory>
#include <stdexcept>

#include "accrual/accrual.h"
#include "accrual/balances.h"
#include "accrual/explain.h"
#include "app/cli/cli.h"
#include "data/float_text.h"
#include "data/settings.h"

namespace absence::cli {
namespace {

// BenefitMonth and BenefitDay from the settings file (0 or out of range read as 1).
TBenefitYear LoadBenefitYear(const TContext& ctx) {
  const TSettings& s = ctx.Preferences();
  return NormalizeBenefitYear(s.BenefitMonth, s.BenefitDay);
}

const TEmpRecClass& EmpById(const TDataSet& data, int id) {
  const int i = FindEmp(data.EmpList, id, std::string());
  if (i < 0) throw std::runtime_error("no employee with EmpID " + std::to_string(id));
  return *data.EmpList[static_cast<std::size_t>(i)];
}

const TReasonRecClass& ReasonById(const TDataSet& data, int id) {
  const int i = FindReason(data.ReasonList, id, std::string());
  if (i < 0) throw std::runtime_error("no reason with ReasonID " + std::to_string(id));
  return *data.ReasonList[static_cast<std::size_t>(i)];
}

// EMPID REASONID DATE, the first three arguments of accrued, taken and explain.
struct TEmpReasonDate {
  int EmpID = 0;
  int ReasonID = 0;
  TDate Date = 0;
  std::string Mode;      // taken only
  bool Balance = false;  // explain only: the three figures of `balances DATE`
};

void AddEmpReasonDate(CLI::App* cmd, TEmpReasonDate& args) {
  AddId(cmd, "EMPID", args.EmpID, "the employee's EmpID")->required();
  AddId(cmd, "REASONID", args.ReasonID, "the reason's ReasonID")->required();
  AddDate(cmd, "DATE", args.Date, "the date")->required();
}

int RunAccrued(TContext& ctx, const TEmpReasonDate& a) {
  const TDataSet data = ctx.LoadData();
  const TEmpRecClass& emp = EmpById(data, a.EmpID);
  ReasonById(data, a.ReasonID);
  *ctx.Out << AccruedResultText(emp, data.ReasonList, a.ReasonID, a.Date, LoadBenefitYear(ctx))
           << '\n';
  return kExitOk;
}

int RunTaken(TContext& ctx, const TEmpReasonDate& a) {
  const TDataSet data = ctx.LoadData();
  const TEmpRecClass& emp = EmpById(data, a.EmpID);
  ReasonById(data, a.ReasonID);
  *ctx.Out << ShortestFloatText(HoursTaken(emp, data.ReasonList, a.ReasonID, a.Date,
                                           TakenModeFromText(a.Mode), LoadBenefitYear(ctx)))
           << '\n';
  return kExitOk;
}

int RunBalances(TContext& ctx, TDate date, int onlyEmp) {
  const TDataSet data = ctx.LoadData();
  if (onlyEmp > 0) EmpById(data, onlyEmp);
  const TBenefitYear by = LoadBenefitYear(ctx);
  auto& out = *ctx.Out;
  for (const auto& e : data.EmpList) {
    if (e->Deleted || (onlyEmp > 0 && e->EmpID != onlyEmp)) continue;
    for (const auto& r : data.ReasonList) {
      if (!r->Active || r->Deleted) continue;
      const TPanelBalance b = PanelBalance(*e, data.ReasonList, *r, date, by);
      out << e->EmpID << '\t' << r->ReasonID << '\t' << PanelYearText(*r) << '\t' << b.UsedText
          << '\t' << b.AvailableText << '\t' << b.BalanceText << '\n';
    }
  }
  return kExitOk;
}

int RunExplain(TContext& ctx, const TEmpReasonDate& a) {
  const TDataSet data = ctx.LoadData();
  const TEmpRecClass& emp = EmpById(data, a.EmpID);
  const TReasonRecClass& reason = ReasonById(data, a.ReasonID);
  const TBenefitYear by = LoadBenefitYear(ctx);
  for (const std::string& line :
       a.Balance ? PanelBalanceExplanation(emp, data.ReasonList, reason, a.Date, by)
                 : BalanceExplanation(emp, data.ReasonList, reason, a.Date, by))
    *ctx.Out << line << '\n';
  return kExitOk;
}

// accrued, taken and explain: EMPID REASONID DATE, and for taken the mode.
void AddEmpReasonCommand(CLI::App& app, const std::string& name, const std::string& description,
                         int (*run)(TContext&, const TEmpReasonDate&)) {
  auto args = std::make_shared<TEmpReasonDate>();
  CLI::App* cmd =
      AddCommand(app, name, description, [args, run](TContext& ctx) { return run(ctx, *args); });
  AddEmpReasonDate(cmd, *args);
  if (name == "taken")
    cmd->add_option("MODE", args->Mode, "AsOf: before DATE; Year: the accrual year of DATE")
        ->required()
        ->check(CLI::IsMember({"AsOf", "Year"}));
  if (name == "explain")
    cmd->add_flag("--balance", args->Balance,
                  "explain the used, available and balance figures that `balances DATE` prints");
}

void AddBalancesCommand(CLI::App& app) {
  struct TArgs {
    TDate Date = 0;
    int EmpID = 0;
  };
  auto args = std::make_shared<TArgs>();
  CLI::App* cmd = AddCommand(
      app, "balances", "the balances panel for DATE as TSV, one line per employee and reason",
      [args](TContext& ctx) { return RunBalances(ctx, args->Date, args->EmpID); });
  AddDate(cmd, "DATE", args->Date, "the date")->required();
  AddId(cmd, "--emp", args->EmpID, "only this employee");
}

void AddAccrualCommands(CLI::App& app) {
  AddEmpReasonCommand(app, "accrued", "AccruedHours as of DATE: hours, expired or none",
                      RunAccrued);
  AddEmpReasonCommand(app, "taken", "HoursTaken as of DATE or in its accrual year", RunTaken);
  AddBalancesCommand(app);
  AddEmpReasonCommand(app, "explain", "the accrual ledger behind accrued", RunExplain);
}

const TRegistrar kAccrual(AddAccrualCommands);

}  // namespace
}  // namespace absence::cli
