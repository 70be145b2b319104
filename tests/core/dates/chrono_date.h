#pragma once
// Day numbers of calendar dates computed with std::chrono, independent of the date library.
#include <chrono>

namespace absence::test {

// Day number (days since 30 December 1899) of a calendar date.
inline double D(int y, int m, int d) {
  using namespace std::chrono;
  constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};
  return static_cast<double>(
      (sys_days{year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)}} - kEpoch)
          .count());
}

}  // namespace absence::test
