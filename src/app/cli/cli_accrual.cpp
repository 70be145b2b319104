// absence-cli commands of the accrual engine: accrued, taken, balances, explain.
#include <iostream>
#include <stdexcept>

#include "accrual/accrual.h"
#include "accrual/balances.h"
#include "accrual/explain.h"
#include "app/cli/cli.h"
#include "data/ini_file.h"
#include "data/settings.h"

namespace absence::cli {
namespace {

// BenefitMonth and BenefitDay from the settings file (0 or out of range read as 1).
TBenefitYear LoadBenefitYear(const TContext& ctx) {
  TIniFile ini(ctx.IniPath);
  ini.Load();
  TSettings s;
  // Pass the stored resolution so that reading changes nothing (the file is not written).
  ReadIniSettings(ini, "Absence", ini.ReadInteger(kInitSection, "FontSettings", 96), s);
  return NormalizeBenefitYear(s.BenefitMonth, s.BenefitDay);
}

int PositiveId(const std::string& text, const std::string& what) {
  const int id = ParseInt(text, what);
  if (id <= 0) throw EUsageError(what + " must be greater than 0: " + text);
  return id;
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

// The accrued figure as `accrued` prints it, with the trace when asked for.
std::string AccruedText(const TDataSet& data, const TEmpRecClass& emp, int reasonID, TDate date,
                        const TBenefitYear& by, TAccrualTrace* trace, bool* ran) {
  *ran = false;
  if (FindAccrual(emp.Accruals, reasonID) < 0) return "none";
  *ran = true;
  try {
    return FloatText(AccruedHours(emp, data.ReasonList, reasonID, date, by, trace));
  } catch (const EAccrualExpiredError&) {
    return "expired";
  }
}

// EMPID REASONID DATE, the first three arguments of accrued, taken and explain.
struct TEmpReasonDate {
  int EmpID;
  int ReasonID;
  TDate Date;
};

TEmpReasonDate ParseEmpReasonDate(const TContext& ctx, std::size_t positional) {
  ctx.ExpectPositional(positional);
  return {PositiveId(ctx.Args[0], "EMPID"), PositiveId(ctx.Args[1], "REASONID"),
          ParseIsoDate(ctx.Args[2])};
}

int RunAccrued(TContext& ctx) {
  const auto [empID, reasonID, date] = ParseEmpReasonDate(ctx, 3);
  const TDataSet data = ctx.LoadData();
  const TEmpRecClass& emp = EmpById(data, empID);
  ReasonById(data, reasonID);
  bool ran = false;
  *ctx.Out << AccruedText(data, emp, reasonID, date, LoadBenefitYear(ctx), nullptr, &ran) << '\n';
  return kExitOk;
}

int RunTaken(TContext& ctx) {
  const auto [empID, reasonID, date] = ParseEmpReasonDate(ctx, 4);
  const std::string& mode = ctx.Args[3];
  if (mode != "AsOf" && mode != "Year") throw EUsageError("mode must be AsOf or Year: " + mode);
  const TDataSet data = ctx.LoadData();
  const TEmpRecClass& emp = EmpById(data, empID);
  ReasonById(data, reasonID);
  *ctx.Out << FloatText(HoursTaken(emp, data.ReasonList, reasonID, date, TakenModeFromText(mode),
                                   LoadBenefitYear(ctx)))
           << '\n';
  return kExitOk;
}

int RunBalances(TContext& ctx) {
  const std::optional<std::string> empOpt = ctx.TakeOption("--emp");
  ctx.ExpectPositional(1);
  const TDate date = ParseIsoDate(ctx.Args[0]);
  int onlyEmp = 0;
  if (empOpt) onlyEmp = PositiveId(*empOpt, "EMPID");
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

int RunExplain(TContext& ctx) {
  const auto [empID, reasonID, date] = ParseEmpReasonDate(ctx, 3);
  const TDataSet data = ctx.LoadData();
  const TEmpRecClass& emp = EmpById(data, empID);
  const TReasonRecClass& reason = ReasonById(data, reasonID);
  TAccrualTrace trace;
  bool ran = false;
  const std::string result =
      AccruedText(data, emp, reasonID, date, LoadBenefitYear(ctx), &trace, &ran);
  auto& out = *ctx.Out;
  out << "Employee " << emp.EmpID << " (" << emp.FullName() << "), reason " << reason.ReasonID
      << " (" << reason.Description << ")\n";
  if (!ran) {
    out << "no live accrual record for this reason: no accrued value\n";
  } else {
    for (const std::string& line : AccrualLedger(trace, &reason)) out << line << '\n';
  }
  out << result << '\n';
  return kExitOk;
}

const TRegistrar kAccrued("accrued", "accrued EMPID REASONID DATE", RunAccrued);
const TRegistrar kTaken("taken", "taken EMPID REASONID DATE AsOf|Year", RunTaken);
const TRegistrar kBalances("balances", "balances DATE [--emp EMPID]", RunBalances);
const TRegistrar kExplain("explain", "explain EMPID REASONID DATE", RunExplain);

}  // namespace
}  // namespace absence::cli
