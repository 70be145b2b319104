#pragma once
// Basic types shared by the whole core.
#include <cstdint>
#include <initializer_list>
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
// Only the first kMaxListed are kept, then one line "and N more": a huge damaged file must not
// cost a string per record.
class TWarnings {
 public:
  static constexpr std::size_t kMaxListed = 100;
  using value_type = std::string;
  using const_iterator = std::vector<std::string>::const_iterator;
  using iterator = const_iterator;
  using size_type = std::size_t;

  TWarnings() = default;
  TWarnings(std::initializer_list<std::string> items) {
    for (const auto& w : items) push_back(w);
  }

  void push_back(std::string warning) {
    if (listed_.size() < kMaxListed)
      listed_.push_back(std::move(warning));
    else
      ++more_;
  }
  // Whether one more warning would only be counted: callers can skip building its text.
  bool Full() const { return listed_.size() >= kMaxListed; }
  void AddCounted() { ++more_; }
  // Adds another list's warnings, those only counted there included.
  void Append(const TWarnings& other) {
    for (const auto& w : other.listed_) push_back(w);
    more_ += other.more_;
  }
  // Warnings that were counted but not kept.
  std::size_t More() const { return more_; }

  bool empty() const { return listed_.empty(); }
  std::size_t size() const { return Lines().size(); }
  const_iterator begin() const { return Lines().begin(); }
  const_iterator end() const { return Lines().end(); }
  const std::string& front() const { return Lines().front(); }
  const std::string& back() const { return Lines().back(); }
  const std::string& operator[](std::size_t i) const { return Lines()[i]; }
  void clear() {
    listed_.clear();
    more_ = 0;
    lines_.clear();
    linesFor_ = 0;
  }
  bool operator==(const TWarnings& other) const {
    return listed_ == other.listed_ && more_ == other.more_;
  }

 private:
  // The kept warnings and, when some were only counted, the "and N more" line.
  const std::vector<std::string>& Lines() const {
    if (more_ == 0) return listed_;
    if (linesFor_ != more_) {
      lines_ = listed_;
      lines_.push_back("and " + std::to_string(more_) + " more");
      linesFor_ = more_;
    }
    return lines_;
  }

  std::vector<std::string> listed_;
  std::size_t more_ = 0;
  mutable std::vector<std::string> lines_;
  mutable std::size_t linesFor_ = 0;
};

}  // namespace absence
