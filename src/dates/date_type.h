#pragma once
// The date value of the whole system.

namespace absence {

// A whole-day date: days since 30 December 1899. 0 means "no date" where a field allows it.
using TDate = double;

}  // namespace absence
