#pragma once
// A readable ledger of the steps behind a balance (AccruedHours with a trace).
#include <string>
#include <vector>

#include "accrual/accrual.h"

namespace absence {

// Shortest round-trip text of a single-precision value ("33.333332", "120", "-2.5").
std::string ShortestFloatText(float v);

// One line per step: the period, what happened, the amount added or taken, and the running
// balance after it. `reason` (may be null) names the tiers. Dates use `datePattern`
// (FormatDate). The last line states the result (or that the balance expired).
std::vector<std::string> AccrualLedger(const TAccrualTrace& trace, const TReasonRecClass* reason,
                                       const std::string& datePattern = "yyyy-mm-dd");

}  // namespace absence
