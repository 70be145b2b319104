#include "convert/ical/ical_import.h"

#include <libical/ical.h>

#include <memory>
#include <set>

#include "convert/convert_error.h"
#include "data/fileio.h"
#include "data/types.h"
#include "dates/dates.h"

namespace absence {
namespace {

// A calendar file of many years of holidays is well below this.
constexpr uint64_t kMaxCalendarFileSize = uint64_t{16} << 20;
// A yearly event over every year the data files can keep stays far below this.
constexpr int kMaxOccurrences = 5000;

struct TComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using TComponent = std::unique_ptr<icalcomponent, TComponentFree>;

struct TIteratorFree {
  void operator()(icalrecur_iterator* i) const { icalrecur_iterator_free(i); }
};

TDate DayOf(const icaltimetype& t) {
  return EncodeDate(t.year, t.month, t.day);
}

class TReader {
 public:
  TReader(int32_t reasonID, float hours, TCalendarYears years)
      : reasonID_(reasonID), hours_(hours), years_(years) {}

  void Event(icalcomponent* ev) {
    if (icalcomponent_get_status(ev) == ICAL_STATUS_CANCELLED) return;
    const icaltimetype start = icalcomponent_get_dtstart(ev);
    if (icaltime_is_null_time(start) || !icaltime_is_date(start)) {
      ++out_.TimedEvents;
      return;
    }
    const icaltimetype end = icalcomponent_get_dtend(ev);
    // DTEND of an all-day event is the day after its last day; without one it lasts a day.
    const int days = icaltime_is_null_time(end) ? 1 : static_cast<int>(DayOf(end) - DayOf(start));
    if (days > kMaxHolidayEventDays) {
      ++out_.LongEvents;
      return;
    }
    const char* summary = icalcomponent_get_summary(ev);
    const std::string name = summary && *summary ? summary : "(no title)";
    icalproperty* rrule = icalcomponent_get_first_property(ev, ICAL_RRULE_PROPERTY);
    if (!rrule) {
      Add(name, DayOf(start), days);
      return;
    }
    const icalrecurrencetype rule = icalproperty_get_rrule(rrule);
    const bool bounded = rule.count > 0 || !icaltime_is_null_time(rule.until);
    if (!bounded && years_.From == 0) {
      out_.Endless.push_back(name);
      return;
    }
    std::set<TDate> excluded;
    for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(ev, ICAL_EXDATE_PROPERTY))
      excluded.insert(DayOf(icalproperty_get_exdate(p)));
    std::unique_ptr<icalrecur_iterator, TIteratorFree> it(icalrecur_iterator_new(rule, start));
    if (!it)
      throw EConvertError(TMessageKind::Error,
                          "The event \"" + name + "\" repeats by a rule that cannot be read.");
    const int lastYear = years_.From == 0 ? kLastHolidayYear : years_.To;
    for (int n = 0; n < kMaxOccurrences; ++n) {
      const icaltimetype t = icalrecur_iterator_next(it.get());
      if (icaltime_is_null_time(t) || t.year > lastYear) break;
      if (!excluded.contains(DayOf(t))) Add(name, DayOf(t), days);
    }
  }

  TCalendarHolidays Result() { return std::move(out_); }

 private:
  void Add(const std::string& name, TDate first, int days) {
    for (TDate d = first; d < first + std::max(days, 1); ++d) {
      const int y = Year(d);
      if (y < kFirstHolidayYear || y > kLastHolidayYear) {
        ++out_.OutsideYears;
        continue;
      }
      if (years_.From != 0 && (y < years_.From || y > years_.To)) continue;
      out_.Days.push_back({name, d, reasonID_, hours_});
    }
  }

  int32_t reasonID_;
  float hours_;
  TCalendarYears years_;
  TCalendarHolidays out_;
};

}  // namespace

TCalendarHolidays CalendarHolidays(const std::string& text, int32_t reasonID, float hours,
                                   TCalendarYears years) {
  TComponent root(icalparser_parse_string(text.c_str()));
  const icalcomponent_kind kind = root ? icalcomponent_isa(root.get()) : ICAL_NO_COMPONENT;
  if (kind != ICAL_VCALENDAR_COMPONENT && kind != ICAL_VEVENT_COMPONENT)
    throw EConvertError(TMessageKind::Error, "The file is no iCalendar file.");
  TReader reader(reasonID, hours, years);
  if (kind == ICAL_VEVENT_COMPONENT) {
    reader.Event(root.get());
  } else {
    for (icalcomponent* ev = icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT);
         ev; ev = icalcomponent_get_next_component(root.get(), ICAL_VEVENT_COMPONENT))
      reader.Event(ev);
  }
  return reader.Result();
}

TCalendarHolidays ReadCalendarHolidays(const std::string& path, int32_t reasonID, float hours,
                                       TCalendarYears years) {
  std::string text;
  try {
    const TBytes bytes = ReadWholeFile(path, kMaxCalendarFileSize);
    text.assign(bytes.begin(), bytes.end());
  } catch (const EDataFileError& e) {
    throw EConvertError(TMessageKind::Error, e.what());
  }
  return CalendarHolidays(text, reasonID, hours, years);
}

}  // namespace absence
