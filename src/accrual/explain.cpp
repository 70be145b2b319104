#include "accrual/explain.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "accrual/balances.h"
#include "data/float_text.h"
#include "data/settings.h"
#include "dates/date_text.h"

namespace absence {

namespace {

// An amount for reading: up to four decimals, trailing zeros dropped, with a sign.
std::string Amount(double v, bool sign = true) {
  if (!std::isfinite(v)) return std::isnan(v) ? "nan" : (v > 0 ? "+inf" : "-inf");
  char buf[64];
  std::snprintf(buf, sizeof buf, sign ? "%+.4f" : "%.4f", v);
  std::string s = buf;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  if (s == "-0" || s == "+0") s = "0";
  return s;
}

std::string Num(double v) {  // plain number (days, rate)
  return Amount(v, false);
}

std::string Pad(std::string s, std::size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}

std::string PadLeft(std::string s, std::size_t width) {
  if (s.size() < width) s.insert(0, width - s.size(), ' ');
  return s;
}

const char* BasisName(TBasis basis) {
  switch (basis) {
    case TBasis::Calendar:
      return "calendar year";
    case TBasis::Anniversary:
      return "anniversary year";
    case TBasis::UserYear:
      return "user-defined year";
    default:
      return "no year basis (calendar)";
  }
}

}  // namespace

std::vector<std::string> AccrualLedger(const TAccrualTrace& trace, const TReasonRecClass* reason,
                                       const std::string& datePattern) {
  auto date = [&](TDate d) {
    if (d > kMaxDate) return std::string("(beyond 9999)");
    return FormatDate(d, datePattern);
  };
  auto period = [&](TDate a, TDate b) { return date(a) + ".." + date(b); };
  auto tier = [&](int i) {
    std::string s = "tier " + std::to_string(i + 1);
    if (reason && i >= 0 && i < static_cast<int>(reason->Rules.size())) {
      const TFTRuleRecClass& r = *reason->Rules[static_cast<std::size_t>(i)];
      s += " (up to " + std::to_string(r.EndMonth) +
           " months of service: " + ShortestFloatText(r.Hours) + " h/year, carry-over " +
           ShortestFloatText(r.CarryOver) + ")";
    } else if (i < 0) {
      s = "no rule";
    }
    return s;
  };

  std::vector<std::string> lines;
  {
    std::string head = "Accrual, ";
    head += BasisName(trace.Basis);
    head += trace.Eligible ? ", eligible employee" : ", employee not eligible to accrue";
    head += trace.HasPolicy ? ", reason with policy" : ", reason without policy";
    head += "; as of " + date(trace.Requested) + " (counts what was earned before that day)";
    lines.push_back(head);
  }
  // Columns: period, change, running balance, then the step's text (last, so that long texts
  // do not break the alignment).
  const std::size_t kWhen = 24, kAmt = 11, kBal = 12;
  lines.push_back("  " + Pad("period", kWhen) + PadLeft("change", kAmt) + PadLeft("balance", kBal) +
                  "  step");
  auto row = [&](const std::string& when, const std::string& what, const std::string& amount,
                 float balance) {
    lines.push_back("  " + Pad(when, kWhen) + PadLeft(amount, kAmt) +
                    PadLeft(ShortestFloatText(balance), kBal) + "  " + what);
  };

  for (const TAccrualStep& s : trace.Steps) {
    using K = TAccrualStepKind;
    switch (s.Kind) {
      case K::Record:
        row(date(s.From), "accrual record: hours accrued as of its date", "", s.Balance);
        break;
      case K::NoRecord:
        row(date(s.From), "no live accrual record: 0 hours from the start date", "", s.Balance);
        break;
      case K::TermCut:
        row(date(s.To), "terminated: the computation stops at the termination date", "", s.Balance);
        break;
      case K::Rule:
        row("", s.Note, "", s.Balance);
        break;
      case K::Aligned:
        row(date(s.From),
            "first month boundary; next year boundary " + date(s.To) + "; " + tier(s.Tier) +
                ", ends " + date(s.TierEnd),
            "", s.Balance);
        break;
      case K::FirstPartMonth:
        row(period(s.From, s.To),
            "first part month: " + Num(s.Days) + "/" + std::to_string(s.DaysInMonth) + " month x " +
                ShortestFloatText(s.Rate) + "/12",
            Amount(s.Amount), s.Balance);
        break;
      case K::Months:
        row(period(s.From, s.To),
            std::to_string(s.Months) + (s.Months == 1 ? " month" : " months") + " x " +
                ShortestFloatText(s.Rate) + "/12",
            Amount(s.Amount), s.Balance);
        break;
      case K::Days:
        row(period(s.From, s.To),
            Num(s.Days) + "/" + std::to_string(s.DaysInMonth) + " month x " +
                ShortestFloatText(s.Rate) + "/12",
            Amount(s.Amount), s.Balance);
        break;
      case K::PartMonthSkipped:
        row(period(s.From, s.To), "part month ending at the as-of date earns nothing", "",
            s.Balance);
        break;
      case K::TierOldRate:
        row(period(s.From, s.To),
            "tier ends: " + Num(s.Days) + "/" + std::to_string(s.DaysInMonth) +
                " month at the old rate " + ShortestFloatText(s.Rate) + "/12",
            Amount(s.Amount), s.Balance);
        break;
      case K::TierChange:
        row(date(s.From), "new tier in force: " + tier(s.Tier) + ", ends " + date(s.TierEnd), "",
            s.Balance);
        break;
      case K::TierNewRate:
        row(period(s.From, s.To),
            "rest of the month: " + Num(s.Days) + "/" + std::to_string(s.DaysInMonth) +
                " month at the new rate " + ShortestFloatText(s.Rate) + "/12",
            Amount(s.Amount), s.Balance);
        break;
      case K::Taken:
        row(date(s.At), "year boundary: hours taken in the accrual year " + period(s.From, s.To),
            Amount(-s.Amount), s.Balance);
        break;
      case K::CarryReset:
        row(date(s.From), "carry-over 0: the balance is reset", Amount(s.Amount), s.Balance);
        break;
      case K::CarryCap:
        row(date(s.From), "carry-over capped at " + ShortestFloatText(s.Limit), Amount(s.Amount),
            s.Balance);
        break;
      case K::CarryKept:
        row(date(s.From), "carried over (limit " + ShortestFloatText(s.Limit) + ")", "", s.Balance);
        break;
      case K::BoundaryNoCap:
        row(date(s.From),
            "year boundary is the as-of date: the whole year counts, nothing taken or capped", "",
            s.Balance);
        break;
      case K::TermPart:
        row(period(s.From, s.To),
            "termination month: " + Num(s.Days) + "/" + std::to_string(s.DaysInMonth) +
                " month x " + ShortestFloatText(s.Rate) + "/12",
            Amount(s.Amount), s.Balance);
        break;
      case K::Expired:
        row(date(s.From),
            "terminated: no balance beyond the first year boundary after the "
            "termination date (asked: " +
                date(s.To) + ")",
            "", s.Balance);
        break;
      case K::StepBound:
        row("", "step bound reached: computation stopped", "", s.Balance);
        break;
      case K::Result:
        break;
    }
  }
  if (trace.Expired)
    lines.push_back("balance as of " + date(trace.Requested) + ": expired");
  else
    lines.push_back("accrued as of " + date(trace.Requested) + ":");
  return lines;
}

std::string AccruedResultText(const TEmpRecClass& emp, const TReasonList& reasons, int32_t reasonID,
                              TDate asOf, const TBenefitYear& by, TAccrualTrace* trace) {
  if (FindAccrual(emp.Accruals, reasonID) < 0) return "none";
  try {
    return ShortestFloatText(AccruedHours(emp, reasons, reasonID, asOf, by, trace));
  } catch (const EAccrualExpiredError&) {
    return "expired";
  }
}

std::vector<std::string> BalanceExplanation(const TEmpRecClass& emp, const TReasonList& reasons,
                                            const TReasonRecClass& reason, TDate asOf,
                                            const TBenefitYear& by,
                                            const std::string& datePattern) {
  std::vector<std::string> lines{"Employee " + std::to_string(emp.EmpID) + " (" + emp.FullName() +
                                 "), reason " + std::to_string(reason.ReasonID) + " (" +
                                 reason.Description + ")"};
  TAccrualTrace trace;
  const std::string result = AccruedResultText(emp, reasons, reason.ReasonID, asOf, by, &trace);
  if (FindAccrual(emp.Accruals, reason.ReasonID) < 0) {
    lines.push_back("no live accrual record for this reason: no accrued value");
  } else {
    const std::vector<std::string> ledger = AccrualLedger(trace, &reason, datePattern);
    lines.insert(lines.end(), ledger.begin(), ledger.end());
  }
  lines.push_back(result);
  return lines;
}

std::vector<std::string> PanelBalanceExplanation(
    const TEmpRecClass& emp, const TReasonList& reasons, const TReasonRecClass& reason, TDate d,
    const TBenefitYear& by, const std::string& datePattern, const std::string& hourPattern) {
  const auto figure = [&](double value) {
    return hourPattern.empty() ? FormatFixed2(value) : FormatNumber(value, hourPattern);
  };
  const auto date = [&](TDate day) { return FormatDate(day, datePattern); };
  const TPanelBalance b = PanelBalance(emp, reasons, reason, d, by);
  // The panel's figures: two decimals, a Used of nothing counting as 0.
  const double available = b.Available ? RoundFixed2(*b.Available) : 0.0;
  const double used = b.Used > 0 ? RoundFixed2(b.Used) : 0.0;

  std::string head = "Employee ";
  head += std::to_string(emp.EmpID);
  head += " (";
  head += emp.FullName();
  head += "), reason ";
  head += std::to_string(reason.ReasonID);
  head += " (";
  head += reason.Description;
  head += "): balances for ";
  head += date(d);
  std::vector<std::string> lines{head};

  std::string line = "Available: ";
  if (b.Available) {
    line += figure(available);
    line += ", accrued as of ";
    line += date(b.AsOf);
  } else if (b.Expired) {
    line += "none, the balance expired after the termination";
  } else {
    line += "none, there is no live accrual record for this reason";
  }
  lines.push_back(line);
  if (b.HasAccrual) {
    // The ledger without its first line, which names the employee and the reason again.
    const std::vector<std::string> ledger =
        BalanceExplanation(emp, reasons, reason, b.AsOf, by, datePattern);
    for (std::size_t i = 1; i < ledger.size(); ++i) lines.push_back("  " + ledger[i]);
  }

  const TAccrualYear year = TakenPeriod(emp, reasons, reason.ReasonID, d, TTakenMode::Year, by);
  std::vector<const TAbsenceRecClass*> taken =
      TakenEntries(emp, reasons, reason.ReasonID, d, TTakenMode::Year, by);
  std::stable_sort(taken.begin(), taken.end(),
                   [](const TAbsenceRecClass* x, const TAbsenceRecClass* y) {
                     return x->EntryDate < y->EntryDate;
                   });
  line = "Used: ";
  line += figure(used);
  line += ", ";
  line += std::to_string(taken.size());
  line += taken.size() == 1 ? " entry" : " entries";
  line += " in the accrual year ";
  line += date(year.First);
  line += "..";
  line += date(year.Last);
  lines.push_back(line);
  for (const TAbsenceRecClass* entry : taken) {
    line = "  ";
    line += date(entry->EntryDate);
    line += "  ";
    line += PadLeft(figure(entry->Hours), 10);
    if (entry->IsGlobal()) line += "  (global entry)";
    lines.push_back(line);
  }

  line = "Balance: ";
  if (b.Balance) {
    line += figure(*b.Balance);
    line += " = Available ";
    line += figure(available);
    line += " - Used ";
    line += figure(used);
  } else {
    line += "none, there are no available hours to take the used hours from";
  }
  lines.push_back(line);
  return lines;
}

}  // namespace absence
