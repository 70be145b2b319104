// The iCalendar export, read back with libical's own parser.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <map>
#include <sstream>

#include "../convert/convert_test_support.h"
#include "convert/ical/ical_export.h"
#include "data/sample.h"
#include "dates/date_text.h"
#include "dates/dates.h"

namespace absence {
namespace {

using test::kJan1;

struct TEvent {
  std::string Summary, Description, Start, End;
  bool AllDay = false;
};

std::string DateText(icaltimetype t) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", t.year, t.month, t.day);
  return buf;
}

// The events by UID, as a calendar program would read them.
std::map<std::string, TEvent> Parse(const std::string& text) {
  std::map<std::string, TEvent> out;
  icalcomponent* cal = icalparser_parse_string(text.c_str());
  EXPECT_NE(cal, nullptr);
  if (!cal) return out;
  EXPECT_EQ(icalcomponent_isa(cal), ICAL_VCALENDAR_COMPONENT);
  for (icalcomponent* ev = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); ev;
       ev = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
    TEvent e;
    e.Summary = icalcomponent_get_summary(ev);
    e.Description = icalcomponent_get_description(ev);
    e.Start = DateText(icalcomponent_get_dtstart(ev));
    e.End = DateText(icalcomponent_get_dtend(ev));
    e.AllDay = icalcomponent_get_dtstart(ev).is_date == 1;
    const auto [it, fresh] = out.emplace(icalcomponent_get_uid(ev), e);
    EXPECT_TRUE(fresh) << "UID repeated: " << it->first;
  }
  icalcomponent_free(cal);
  return out;
}

TEST(IcalExport, EventsOfOwnAndGlobalEntries) {
  TDataSet d = test::MakeOrg();
  d.EmpList[2]->LastName = "Smith; \"Jr\", the longest last name in the company";
  const TCalendar cal = CalendarText(d, {}, "#,##0.0", 1700000000);
  EXPECT_EQ(cal.Events, 7);  // two own entries each and the holiday once
  const auto events = Parse(cal.Text);
  ASSERT_EQ(events.size(), 7u);
  for (const auto& [uid, e] : events) {
    EXPECT_TRUE(e.AllDay) << uid;
    EXPECT_NE(e.Start, e.End) << uid;
  }
  const TEvent& jones = events.at("absence-2-1-20240104@absence");
  EXPECT_EQ(jones.Summary, "Jones, Bob: Vacation");
  EXPECT_EQ(jones.Description, "Vacation, 8.0 hours");
  EXPECT_EQ(jones.Start, "2024-01-04");
  EXPECT_EQ(jones.End, "2024-01-05");
  const TEvent& smith = events.at("absence-1-2-20240111@absence");
  EXPECT_EQ(smith.Summary, d.EmpList[2]->FullName() + ": Sick");  // escaped and folded, read back
  EXPECT_EQ(smith.Description, "Sick, 4.5 hours");
  const TEvent& holiday = events.at("absence-all-2-20240121@absence");
  EXPECT_EQ(holiday.Summary, "Everyone: Sick");
  EXPECT_EQ(holiday.Start, "2024-01-21");

  // Lines end in CR LF and are folded to at most 75 octets.
  std::istringstream lines(cal.Text);
  for (std::string line; std::getline(lines, line);) {
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.back(), '\r');
    EXPECT_LE(line.size(), 76u) << line;
  }
  // A later export names the same events the same way.
  const auto again = Parse(CalendarText(d, {}, "#,##0.0", 1800000000).Text);
  ASSERT_EQ(again.size(), events.size());
  for (const auto& [uid, e] : events) EXPECT_EQ(again.count(uid), 1u) << uid;
}

TEST(IcalExport, FiltersAndTrash) {
  TDataSet d = test::MakeOrg();
  auto& muller = *d.EmpList[1];
  for (auto& x : muller.Entries)
    if (x->Kind == TEntryKind::Global)
      x->AddDelMark(TTrashMark::Record, d.EmpList);  // exempt from the holiday
  d.EmpList[2]->Deleted = true;                      // Smith in the trash
  struct Case {
    TCalendarFilter filter;
    std::vector<std::string> uids;
  } cases[] = {
      {{},
       {"absence-2-1-20240104@absence", "absence-2-2-20240111@absence",
        "absence-3-1-20240104@absence", "absence-3-2-20240111@absence",
        "absence-all-2-20240121@absence"}},
      {{{}, 3, 0}, {"absence-3-1-20240104@absence", "absence-3-2-20240111@absence"}},
      {{{}, 0, 2},
       {"absence-2-1-20240104@absence", "absence-2-2-20240111@absence",
        "absence-all-2-20240121@absence"}},
      {{{false, kJan1 + 10, kJan1 + 30}, 2, 0},
       {"absence-2-2-20240111@absence", "absence-all-2-20240121@absence"}},
      {{{false, kJan1 + 30, kJan1 + 40}, 0, 0}, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> uids;
    for (const auto& [uid, e] : Parse(CalendarText(d, c.filter, "#,##0.0", 0).Text))
      uids.push_back(uid);
    EXPECT_EQ(uids, c.uids) << c.filter.EmpID << " " << c.filter.DeptID;
  }
}

TEST(IcalExport, TheDemoOrganisationReadsBackEventForEntry) {
  const TDataSet d = MakeSampleOrganisation(EncodeDate(2026, 12, 8));
  const TCalendar cal = CalendarText(d, {}, "#,##0.00", 1800000000);
  const auto events = Parse(cal.Text);
  ASSERT_EQ(events.size(), static_cast<std::size_t>(cal.Events));
  const auto key = [](TDate day) { return FormatDate(day, "yyyymmdd"); };
  const auto reasonText = [&](int32_t id) {
    for (const auto& r : d.ReasonList)
      if (r->ReasonID == id) return r->Description;
    return std::string();
  };
  std::size_t expected = 0;
  for (const auto& e : d.EmpList)
    for (const auto& x : e->Entries) {
      if (!x->IsLive() || x->Kind != TEntryKind::Own) continue;
      ++expected;
      const std::string uid = "absence-" + std::to_string(e->EmpID) + "-" +
                              std::to_string(x->ReasonID) + "-" + key(x->EntryDate) + "@absence";
      ASSERT_EQ(events.count(uid), 1u) << uid;
      const TEvent& ev = events.at(uid);
      EXPECT_EQ(ev.Summary, e->FullName() + ": " + reasonText(x->ReasonID)) << uid;
      EXPECT_EQ(ev.Start, FormatDate(x->EntryDate, "yyyy-mm-dd")) << uid;
      EXPECT_TRUE(ev.AllDay) << uid;
    }
  for (const auto& g : d.GlobalList) {
    if (!g->IsLive()) continue;
    ++expected;
    const std::string uid =
        "absence-all-" + std::to_string(g->ReasonID) + "-" + key(g->EntryDate) + "@absence";
    ASSERT_EQ(events.count(uid), 1u) << uid;
    EXPECT_EQ(events.at(uid).Summary, "Everyone: " + reasonText(g->ReasonID)) << uid;
  }
  EXPECT_GT(expected, 100u);  // three years of a 25-person organisation
  EXPECT_EQ(events.size(), expected);
}

}  // namespace
}  // namespace absence
