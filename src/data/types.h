#pragma once
// Basic types shared by the whole core.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "dates/date_type.h"

namespace absence {

// Dates larger than this were counted from 1 January of year 1 by an earlier day scale; it is
// also the last day a data file can keep.
inline constexpr double kOldDayScaleOffset = 693594.0;
static_assert(kOldDayScaleOffset == kLastStoredDate);

// Converts a date read from a file or passed to an Add operation from the old day scale.
inline TDate ConvertOldDate(TDate d) {
  return d > kOldDayScaleOffset ? d - kOldDayScaleOffset : d;
}

// Owning, ordered record list.
template <class T>
using TRecList = std::vector<std::unique_ptr<T>>;

// A data file could not be opened, read, written or replaced.
class EDataFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Hours that would leave the range a stored hours field can hold (merging two huge entries).
class EHoursRangeError : public std::range_error {
 public:
  using std::range_error::range_error;
};

// No identifier is left for a new record: the largest one in use cannot grow.
class EIdentifierRangeError : public std::range_error {
 public:
  using std::range_error::range_error;
};

// Non-fatal findings of a reader (records skipped or repaired). Empty for a clean file.
using TWarnings = std::vector<std::string>;

}  // namespace absence
