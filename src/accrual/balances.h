#pragma once
// The balance rule: available, used and balance of one employee for one reason as of a date,
// as the main window's balances panel forms them and as the reason balance report forms them.
// One place, called by both.
#include <optional>
#include <string>

#include "accrual/accrual.h"

namespace absence {

// "#0.00": two decimals, half away from zero, at least one integer digit, no separators;
// a value that rounds to zero is "0.00".
std::string FormatFixed2(double value);
// The value of a "#0.00" text (what the panel reads back from its cells).
double RoundFixed2(double value);

// ---------------------------------------------------------------------------------------------
// Main window (balances panel).

// The end date E passed to AccruedHours for the panel's as-of date d, by Validate and Basis.
TDate PanelAsOfDate(const TReasonRecClass& reason, const TEmpRecClass& emp, TDate d,
                    const TBenefitYear& by);
// Column 1: "Cal", "Anniv" or "User" ("Cal" for a reason without a policy).
std::string PanelYearText(const TReasonRecClass& reason);

struct TPanelBalance {
  bool HasAccrual = false;         // FindAccrual found a live record
  bool Expired = false;            // the engine raised EAccrualExpiredError
  TDate AsOf = 0;                  // the date passed to AccruedHours (when HasAccrual)
  std::optional<float> Available;  // the engine's value; empty without record or when expired
  float Used = 0;                  // HoursTaken(d, "Year")
  std::string UsedText;            // "#0.00" when Used > 0, else empty
  std::string AvailableText;       // "#0.00" or empty
  std::string BalanceText;         // "#0.00" of available - used (as shown), or empty
  std::optional<double> Balance;   // the value behind BalanceText
};

// The panel's row for `reason` (a reason of `reasons`) on date d.
TPanelBalance PanelBalance(const TEmpRecClass& emp, const TReasonList& reasons,
                           const TReasonRecClass& reason, TDate d, const TBenefitYear& by);

// ---------------------------------------------------------------------------------------------
// Reason balance report, for the report date T typed in its options.

// The date passed to AccruedHours: for Validate 'Y' the first accrual year start on or after
// T + 1, otherwise T + 1.
TDate ReportAsOfDate(const TReasonRecClass& reason, const TEmpRecClass& emp, TDate reportDate,
                     const TBenefitYear& by);
// The report's "Year" column: "Anniv" for Basis 'A', "User" for 'U', otherwise "Cal".
std::string ReportYearText(const TReasonRecClass& reason);

struct TReportBalance {
  bool HasAccrual = false;
  bool Expired = false;
  TDate AsOf = 0;
  std::optional<float> Available;  // empty: print "---"
  float Used = 0;                  // HoursTaken(T, "AsOf"); printed only when above 0
  std::optional<double> Balance;   // available - used, when available is there
  // The report prints the line when this holds or "include all reasons" is set.
  bool Printable() const { return Available.has_value() || Used > 0; }
};

TReportBalance ReportBalance(const TEmpRecClass& emp, const TReasonList& reasons,
                             const TReasonRecClass& reason, TDate reportDate,
                             const TBenefitYear& by);

}  // namespace absence
