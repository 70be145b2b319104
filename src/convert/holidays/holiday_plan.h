#pragma once
// What adding a list of holidays to the data set does: the days it adds as global entries and
// those it skips because the day already has a live global entry of that reason (or the list
// names the day and reason twice). The change built from the plan adds all its days as one
// undoable step.
#include <string>
#include <vector>

#include "convert/holidays/holiday_rules.h"
#include "data/dataset.h"
#include "edit/change.h"

namespace absence {

// A holiday cannot be added: its reason is missing or in the trash, its hours are no valid
// hours, its day cannot be kept in the data files.
class EHolidayPlanError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct THolidayPlan {
  std::vector<THoliday> Add;   // by date
  std::vector<THoliday> Skip;  // by date
};

// Throws EHolidayPlanError for the first holiday that cannot be added.
THolidayPlan PlanHolidays(const TDataSet& data, std::vector<THoliday> holidays);

// One change adding the plan's days as global entries; `what` names them in the undo list
// ("holidays of 2030").
edit::TChangePtr HolidayChange(const THolidayPlan& plan, const std::string& what);

}  // namespace absence
