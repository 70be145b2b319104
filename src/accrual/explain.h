#pragma once
// A readable ledger of the steps behind a balance (AccruedHours with a trace).
#include <string>
#include <vector>

#include "accrual/accrual.h"

namespace absence {

// One line per step: the period, what happened, the amount added or taken, and the running
// balance after it. `reason` (may be null) names the tiers. Dates use `datePattern`
// (FormatDate). The last line states the result (or that the balance expired).
std::vector<std::string> AccrualLedger(const TAccrualTrace& trace, const TReasonRecClass* reason,
                                       const std::string& datePattern = "yyyy-mm-dd");

// The accrued figure of `emp` for reason `reasonID` as of `asOf`: the hours, "expired" when the
// engine raises EAccrualExpiredError, "none" when the employee has no live accrual record for
// the reason (the engine does not run then). With `trace`, the engine's steps.
std::string AccruedResultText(const TEmpRecClass& emp, const TReasonList& reasons, int32_t reasonID,
                              TDate asOf, const TBenefitYear& by, TAccrualTrace* trace = nullptr);

// How that figure was reached: a line naming the employee and the reason, the ledger (or why
// there is none), and last the figure exactly as AccruedResultText gives it.
std::vector<std::string> BalanceExplanation(const TEmpRecClass& emp, const TReasonList& reasons,
                                            const TReasonRecClass& reason, TDate asOf,
                                            const TBenefitYear& by,
                                            const std::string& datePattern = "yyyy-mm-dd");

// The balances panel's three figures of `emp` for `reason` on the panel's date d, explained:
// a line naming the employee, the reason and d; "Available" with the ledger behind it (in
// date order, as `BalanceExplanation` gives it for the date the panel asks the engine about);
// "Used" with each entry counted, its date and hours, in date order; "Balance" with how it
// follows from the two. The figures are the panel's (PanelBalance), in `hourPattern` (a
// FormatNumber pattern; empty gives "#0.00", as `absence-cli balances` prints them).
std::vector<std::string> PanelBalanceExplanation(const TEmpRecClass& emp,
                                                 const TReasonList& reasons,
                                                 const TReasonRecClass& reason, TDate d,
                                                 const TBenefitYear& by,
                                                 const std::string& datePattern = "yyyy-mm-dd",
                                                 const std::string& hourPattern = std::string());

}  // namespace absence
