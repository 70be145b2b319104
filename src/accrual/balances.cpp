#include "accrual/balances.h"

#include <optional>

#include <cmath>
#include <cstdio>

namespace absence {

double RoundFixed2(double value) {
  if (!std::isfinite(value)) return value;
  // A float times 100 is exact in double, so ties are seen as ties and go away from zero.
  const double r = std::round(value * 100.0) / 100.0;
  return r == 0 ? 0.0 : r;
}

std::string FormatFixed2(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  const double cents = std::round(value * 100.0);
  if (cents == 0) return "0.00";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", cents / 100.0);
  return buf;
}

// ---------------------------------------------------------------------------------------------

TDate PanelAsOfDate(const TReasonRecClass& reason, const TEmpRecClass& emp, TDate d,
                    const TBenefitYear& byIn) {
  const TBenefitYear by = NormalizeBenefitYear(byIn.Month, byIn.Day);
  d = NormalizeDate(d);
  const TYMD p = DecodeDate(d);
  const TYMD hire = DecodeDate(emp.StartDate);
  if (reason.Validate == TValidate::YearEnd) {
    if (reason.Basis == TBasis::Calendar) return NearestValidDate(p.Year + 1, 1, 1);
    TDate e = reason.Basis == TBasis::Anniversary ? NearestValidDate(p.Year, hire.Month, hire.Day)
                                                  : NearestValidDate(p.Year, by.Month, by.Day);
    if (!(e > d)) e = AddYears(1, e);
    return e;
  }
  if (reason.Validate == TValidate::MonthEnd) {
    if (reason.Basis == TBasis::Calendar) return AddMonths(1, NearestValidDate(p.Year, p.Month, 1));
    if (reason.Basis == TBasis::Anniversary) {
      TDate e = NearestValidDate(p.Year, p.Month, hire.Day);
      if (!(e > d)) e = AddMonths(1, e);
      if (emp.EmpType != 'F') e -= 1;
      return e;
    }
    TDate e = NearestValidDate(p.Year, p.Month, by.Day);
    if (!(e > d)) e = AddMonths(1, e);
    return e;
  }
  return NearestValidDate(p.Year, 12, 31);
}

std::string PanelYearText(const TReasonRecClass& reason) {
  if (!reason.HasPolicy) return "Cal";
  if (reason.Basis == TBasis::Calendar) return "Cal";
  if (reason.Basis == TBasis::Anniversary) return "Anniv";
  return "User";
}

namespace {

// AccruedHours, or nothing (with `expired` set) when the balance has expired.
std::optional<float> AvailableHours(const TEmpRecClass& emp, const TReasonList& reasons, int32_t id,
                                    TDate asOf, const TBenefitYear& by, bool& expired) {
  try {
    return AccruedHours(emp, reasons, id, asOf, by);
  } catch (const EAccrualExpiredError&) {
    expired = true;
    return std::nullopt;
  }
}

}  // namespace

TPanelBalance PanelBalance(const TEmpRecClass& emp, const TReasonList& reasons,
                           const TReasonRecClass& reason, TDate d, const TBenefitYear& by) {
  TPanelBalance b;
  const int32_t id = reason.ReasonID;
  b.HasAccrual = FindAccrual(emp.Accruals, id) >= 0;
  if (b.HasAccrual) {
    b.AsOf = PanelAsOfDate(reason, emp, d, by);
    b.Available = AvailableHours(emp, reasons, id, b.AsOf, by, b.Expired);
    if (b.Available) b.AvailableText = FormatFixed2(*b.Available);
  }
  b.Used = HoursTaken(emp, reasons, id, d, TTakenMode::Year, by);
  if (b.Used > 0) b.UsedText = FormatFixed2(b.Used);
  if (b.Available) {
    const double used = b.Used > 0 ? RoundFixed2(b.Used) : 0.0;
    b.Balance = RoundFixed2(RoundFixed2(*b.Available) - used);
    b.BalanceText = FormatFixed2(*b.Balance);
  }
  return b;
}

// ---------------------------------------------------------------------------------------------

TDate ReportAsOfDate(const TReasonRecClass& reason, const TEmpRecClass& emp, TDate reportDate,
                     const TBenefitYear& byIn) {
  const TBenefitYear by = NormalizeBenefitYear(byIn.Month, byIn.Day);
  const TDate next = NormalizeDate(NormalizeDate(reportDate) + 1);
  if (reason.Validate != TValidate::YearEnd) return next;
  const int y = Year(next);
  TDate e;
  if (reason.Basis == TBasis::Calendar) {
    e = NearestValidDate(y, 1, 1);
  } else if (reason.Basis == TBasis::Anniversary) {
    const TYMD hire = DecodeDate(emp.StartDate);
    e = NearestValidDate(y, hire.Month, hire.Day);
  } else {
    e = NearestValidDate(y, by.Month, by.Day);
  }
  if (e < next) e = AddYears(1, e);
  return e;
}

std::string ReportYearText(const TReasonRecClass& reason) {
  if (reason.Basis == TBasis::Anniversary) return "Anniv";
  if (reason.Basis == TBasis::UserYear) return "User";
  return "Cal";
}

TReportBalance ReportBalance(const TEmpRecClass& emp, const TReasonList& reasons,
                             const TReasonRecClass& reason, TDate reportDate,
                             const TBenefitYear& by) {
  TReportBalance b;
  const int32_t id = reason.ReasonID;
  b.HasAccrual = FindAccrual(emp.Accruals, id) >= 0;
  if (b.HasAccrual) {
    b.AsOf = ReportAsOfDate(reason, emp, reportDate, by);
    b.Available = AvailableHours(emp, reasons, id, b.AsOf, by, b.Expired);
  }
  b.Used = HoursTaken(emp, reasons, id, reportDate, TTakenMode::AsOf, by);
  if (b.Available)
    b.Balance =
        static_cast<double>(*b.Available) - (b.Used > 0 ? static_cast<double>(b.Used) : 0.0);
  return b;
}

}  // namespace absence
