#pragma once
// The date value of the whole system.

namespace absence {

// A whole-day date: days since 30 December 1899. 0 means "no date" where a field allows it.
using TDate = double;

// The last day the data files can keep, 28 December 3798: a stored day above it is read as a
// day of an earlier day scale, so a later date would come back as a day of 1899 or 1900.
inline constexpr TDate kLastStoredDate = 693594.0;

}  // namespace absence
