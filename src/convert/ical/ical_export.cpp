#include "convert/ical/ical_export.h"

#include <libical/ical.h>

#include <memory>
#include <set>
#include <tuple>

#include "data/settings.h"
#include "dates/dates.h"

namespace absence {
namespace {

struct TComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using TComponent = std::unique_ptr<icalcomponent, TComponentFree>;

icaltimetype DateValue(TDate d) {
  const TYMD ymd = DecodeDate(d);
  icaltimetype t = icaltime_null_date();
  t.year = ymd.Year;
  t.month = ymd.Month;
  t.day = ymd.Day;
  return t;
}

std::string DateKey(TDate d) {
  const TYMD ymd = DecodeDate(d);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", ymd.Year, ymd.Month, ymd.Day);
  return buf;
}

// One all-day event; absences do not block the time of whoever looks at the calendar.
void AddEvent(TCalendar& out, icalcomponent* cal, const std::string& uid, TDate day,
              const std::string& summary, const std::string& description,
              const std::string& category, const icaltimetype& stamp) {
  icalcomponent* ev = icalcomponent_new_vevent();
  icalcomponent_add_property(ev, icalproperty_new_uid(uid.c_str()));
  icalcomponent_add_property(ev, icalproperty_new_dtstamp(stamp));
  icalcomponent_add_property(ev, icalproperty_new_dtstart(DateValue(day)));
  icalcomponent_add_property(ev, icalproperty_new_dtend(DateValue(day + 1)));
  icalcomponent_add_property(ev, icalproperty_new_summary(summary.c_str()));
  icalcomponent_add_property(ev, icalproperty_new_description(description.c_str()));
  icalcomponent_add_property(ev, icalproperty_new_categories(category.c_str()));
  icalcomponent_add_property(ev, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
  icalcomponent_add_component(cal, ev);
  ++out.Events;
}

bool Selected(const TEmpRecClass& e, const TCalendarFilter& f) {
  return !e.Deleted && (f.EmpID == 0 || e.EmpID == f.EmpID) &&
         (f.DeptID == 0 || e.DeptID == f.DeptID);
}

std::string HoursText(float hours, const std::string& hourFormat) {
  return FormatNumber(hours, hourFormat) + (hours == 1 ? " hour" : " hours");
}

}  // namespace

TCalendar CalendarText(const TDataSet& data, const TCalendarFilter& filter,
                       const std::string& hourFormat, std::time_t stamp) {
  TCalendar out;
  TComponent cal(icalcomponent_new_vcalendar());
  icalcomponent_add_property(cal.get(), icalproperty_new_prodid("-//Absence//Absence//EN"));
  icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(cal.get(), icalproperty_new_calscale("GREGORIAN"));
  icalcomponent_add_property(cal.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
  const icaltimetype now = icaltime_from_timet_with_zone(stamp, 0, icaltimezone_get_utc_timezone());

  // Global entries are written once for everyone, and only those a selected employee has.
  const bool everyone = filter.EmpID == 0 && filter.DeptID == 0;
  std::set<std::pair<int32_t, TDate>> globalsShown;
  for (const auto& e : data.EmpList) {
    if (!Selected(*e, filter)) continue;
    for (const auto& x : e->Entries) {
      if (!x->IsLive() || !filter.Range.Contains(x->EntryDate)) continue;
      if (x->Kind == TEntryKind::Global) globalsShown.emplace(x->ReasonID, x->EntryDate);
      if (x->Kind != TEntryKind::Own) continue;
      const std::string& reason = ReasonText(data.ReasonList, x->ReasonID);
      AddEvent(out, cal.get(),
               "absence-" + std::to_string(e->EmpID) + "-" + std::to_string(x->ReasonID) + "-" +
                   DateKey(x->EntryDate) + "@absence",
               x->EntryDate, e->FullName() + ": " + reason,
               reason + ", " + HoursText(x->Hours, hourFormat), reason, now);
    }
  }
  for (const auto& g : data.GlobalList) {
    if (!g->IsLive() || !filter.Range.Contains(g->EntryDate)) continue;
    if (!everyone && !globalsShown.count({g->ReasonID, g->EntryDate})) continue;
    const std::string& reason = ReasonText(data.ReasonList, g->ReasonID);
    AddEvent(
        out, cal.get(),
        "absence-all-" + std::to_string(g->ReasonID) + "-" + DateKey(g->EntryDate) + "@absence",
        g->EntryDate, "Everyone: " + reason,
        reason + " for all employees, " + HoursText(g->Hours, hourFormat), reason, now);
  }
  char* text = icalcomponent_as_ical_string_r(cal.get());
  out.Text = text ? text : "";
  icalmemory_free_buffer(text);
  return out;
}

}  // namespace absence
