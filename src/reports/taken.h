#pragma once
// The hours an employee took in a period, counted one way for every report and export that shows
// them: live entries dated in the period, exclusions left out, in date order.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "data/entry_order.h"
#include "data/records.h"

namespace absence::reports {

// The entries of `emp` dated from `start` to `end` (both included) that count as taken: live and
// not exclusions, ordered by date, reason and kind.
std::vector<const TAbsenceRecClass*> TakenEntries(const TEmpRecClass& emp, const TReasonKeys& keys,
                                                  TDate start, TDate end);

// Hours of one reason, summed for the employee, the department and the whole run; entries are
// added one at a time in date order, so every summary of the same period adds up identically.
struct TTallyRecClass {
  float EmpTotal = 0;
  float DeptTotal = 0;
  float ReportTotal = 0;
  void AddHours(float hours) {
    EmpTotal += hours;
    DeptTotal += hours;
    ReportTotal += hours;
  }
};

// One tally per reason of the list, in list order.
class TReasonTallies {
 public:
  explicit TReasonTallies(const TReasonList& reasons);
  // The index of the reason's tally; -1 for an identifier the list does not hold.
  int IndexOf(int32_t reasonID) const;
  // Adds the entry's hours to its reason's tally; false (nothing added) for an unknown reason.
  bool Add(const TAbsenceRecClass& entry);
  std::size_t size() const { return tallies_.size(); }
  TTallyRecClass& operator[](std::size_t i) { return tallies_[i]; }
  const TTallyRecClass& operator[](std::size_t i) const { return tallies_[i]; }
  void ClearEmp();
  void ClearEmpAndDept();

 private:
  std::vector<TTallyRecClass> tallies_;
  std::unordered_map<int32_t, std::size_t> index_;
};

}  // namespace absence::reports
