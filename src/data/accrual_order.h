#pragma once
// The one order in which an employee's accrual balances are listed: the employee dialog keeps
// the list sorted by it, and every printout of the balances follows it.
#include <cstddef>
#include <vector>

#include "data/records.h"

namespace absence {

// By the reason's Description compared by byte value (empty when the reason is not found),
// equal texts by ReasonID, then by position. Positions into `list`; SortAccruals puts the list
// into this order.
std::vector<std::size_t> AccrualOrder(const TAccrualList& list, const TReasonList& reasons);

}  // namespace absence
