#include "convert/holidays/holiday_plan.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "dates/dates.h"
#include "edit/changes.h"

namespace absence {
namespace {

void Check(const TDataSet& data, const THoliday& h) {
  if (h.ReasonID <= 0)
    throw EHolidayPlanError("\"" + h.Name +
                            "\" has no absence reason: choose one, or give the rule its own.");
  const int r = FindReason(data.ReasonList, h.ReasonID, std::string());
  if (r < 0)
    throw EHolidayPlanError("There is no absence reason " + std::to_string(h.ReasonID) + ".");
  if (data.ReasonList[static_cast<std::size_t>(r)]->Deleted)
    throw EHolidayPlanError("The absence reason " + std::to_string(h.ReasonID) +
                            " is in the trash.");
  if (!std::isfinite(h.Hours) || h.Hours <= 0 || h.Hours > 24)
    throw EHolidayPlanError("The hours of \"" + h.Name +
                            "\" must be a number above 0 and at most 24.");
  if (h.Date < EncodeDate(kFirstHolidayYear, 1, 1) || h.Date > kLastStoredDate)
    throw EHolidayPlanError("The day of \"" + h.Name + "\" cannot be kept in the data files.");
}

}  // namespace

THolidayPlan PlanHolidays(const TDataSet& data, std::vector<THoliday> holidays) {
  std::stable_sort(holidays.begin(), holidays.end(),
                   [](const THoliday& a, const THoliday& b) { return a.Date < b.Date; });
  THolidayPlan plan;
  std::set<std::pair<TDate, int32_t>> planned;
  for (auto& h : holidays) {
    Check(data, h);
    const bool there = FindEntry(data.GlobalList, h.ReasonID, TEntryKind::Global, h.Date) >= 0;
    if (there || !planned.insert({h.Date, h.ReasonID}).second)
      plan.Skip.push_back(std::move(h));
    else
      plan.Add.push_back(std::move(h));
  }
  return plan;
}

edit::TChangePtr HolidayChange(const THolidayPlan& plan, const std::string& what) {
  std::vector<edit::TGlobalDay> days;
  days.reserve(plan.Add.size());
  for (const auto& h : plan.Add) days.push_back({h.ReasonID, h.Date, h.Hours});
  return std::make_unique<edit::TAddGlobalEntries>(std::move(days), what);
}

}  // namespace absence
