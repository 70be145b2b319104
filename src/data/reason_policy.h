#pragma once
// What happens to the employees' balances when a reason gains or loses its accrual policy, and
// new reasons with a policy.
#include <cstdint>
#include <string>

#include "data/records.h"

namespace absence {

// The rule a new policy starts with: from the first month to the last, no hours.
void SetDefaultRule(TReasonRecClass& reason);

// Policy off: the rules are emptied and each employee's live balance for the reason is marked
// with the reason's identifier. Policy on: the default rule replaces the rules and every
// employee without a live balance gets 0 hours as of the start date (a marked one is revived).
// Nothing happens when the flag does not change.
void ChangePolicy(TReasonRecClass& reason, bool hasPolicy, TEmpList& emps);

// Adds a reason; one with a policy gets the default rule and a 0-hour balance for every
// employee as of the start date. Returns the new identifier.
int32_t AddReasonWithPolicy(TReasonList& reasons, TEmpList& emps, const std::string& description,
                            bool active, bool hasPolicy, TBasis basis, TValidate validate);

}  // namespace absence
