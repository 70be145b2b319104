// Holiday rules against published calendars, the rules text and its faults, and the plan and
// change that put a year's holidays into the data set.
#include <gtest/gtest.h>

#include <algorithm>

#include "convert/holidays/holiday_plan.h"
#include "convert/holidays/holiday_rules.h"
#include "data/data_test_support.h"
#include "data/json_dump.h"
#include "dates/dates.h"

namespace absence {
namespace {

struct TYmd {
  int Y, M, D;
};

TDate Day(TYmd d) {
  return EncodeDate(d.Y, d.M, d.D);
}

std::string Text(TDate d) {
  const TYMD ymd = DecodeDate(d);
  return std::to_string(ymd.Year) + "-" + std::to_string(ymd.Month) + "-" + std::to_string(ymd.Day);
}

const char* const kIssueRules =
    "New Year's Day: 01/01 observed\n"
    "Memorial Day: last Monday of May\n"
    "Thanksgiving: 4th Thursday of November\n"
    "Good Friday: Easter -2\n";

std::vector<std::string> DatesOf(const std::vector<THoliday>& holidays) {
  std::vector<std::string> out;
  for (const auto& h : holidays) out.push_back(Text(h.Date));
  return out;
}

std::string Set(const char* name) {
  for (const auto& s : StarterRuleSets())
    if (s.Name == name) return s.Text;
  ADD_FAILURE() << "no starter set " << name;
  return {};
}

// Easter Sunday as the published tables give it, 1990 to 2100, earliest and latest included.
TEST(HolidayRules, EasterMatchesThePublishedDates) {
  const TYmd known[] = {{1990, 4, 15}, {1991, 3, 31}, {1993, 4, 11}, {1994, 4, 3},  {1995, 4, 16},
                        {1998, 4, 12}, {2000, 4, 23}, {2003, 4, 20}, {2008, 3, 23}, {2011, 4, 24},
                        {2015, 4, 5},  {2016, 3, 27}, {2019, 4, 21}, {2024, 3, 31}, {2025, 4, 20},
                        {2027, 3, 28}, {2030, 4, 21}, {2035, 3, 25}, {2038, 4, 25}, {2049, 4, 18},
                        {2057, 4, 22}, {2076, 4, 19}, {2095, 4, 24}, {2100, 3, 28}};
  for (const TYmd& k : known) {
    SCOPED_TRACE(k.Y);
    EXPECT_EQ(Text(EasterSunday(k.Y)), Text(Day(k)));
  }
}

// One rule at a time, in a year where a published calendar says where it falls: weekday rules,
// Easter offsets, and the observed shift across the year's ends in both directions.
TEST(HolidayRules, EachFormGivesThePublishedDay) {
  struct TCase {
    const char* Rule;
    int Year;
    std::vector<TYmd> Expected;  // the days of that year
  };
  const TCase cases[] = {
      {"Thanksgiving: 4th Thursday of November", 1990, {{1990, 11, 22}}},
      {"Thanksgiving: 4th Thursday of November", 2023, {{2023, 11, 23}}},
      {"Thanksgiving: 4th Thursday of November", 2030, {{2030, 11, 28}}},
      {"Thanksgiving: 4th Thursday of November", 2100, {{2100, 11, 25}}},
      {"Memorial Day: last Monday of May", 1990, {{1990, 5, 28}}},
      {"Memorial Day: last Monday of May", 2021, {{2021, 5, 31}}},
      {"Memorial Day: last Monday of May", 2030, {{2030, 5, 27}}},
      {"Memorial Day: last Monday of May", 2100, {{2100, 5, 31}}},
      {"Labor Day: 1st Monday of September", 2024, {{2024, 9, 2}}},
      {"MLK: third mon of jan", 2024, {{2024, 1, 15}}},
      {"Good Friday: Easter -2", 2030, {{2030, 4, 19}}},
      {"Whit Monday: Easter+50", 2024, {{2024, 5, 20}}},
      {"Easter: Easter", 2038, {{2038, 4, 25}}},
      // New Year's Day on a Saturday is observed on the last day of the year before.
      {"New Year's Day: 01/01 observed", 2021, {{2021, 1, 1}, {2021, 12, 31}}},
      {"New Year's Day: 01/01 observed", 2022, {}},
      {"New Year's Day: 01/01 observed", 2011, {}},
      {"New Year's Day: 01/01 observed", 2010, {{2010, 1, 1}, {2010, 12, 31}}},
      {"New Year's Day: 01/01 observed", 2023, {{2023, 1, 2}}},
      {"New Year's Day: 01/01", 2022, {{2022, 1, 1}}},
      {"Christmas Day: 12/25 observed", 2021, {{2021, 12, 24}}},
      {"Christmas Day: 12/25 observed", 2022, {{2022, 12, 26}}},
      {"Year's end: 12/31 observed", 2028, {}},
      {"Year's end: 12/31 observed", 2029, {{2029, 12, 31}, {2029, 1, 1}}},
      {"Independence Day: 07/04 observed", 2026, {{2026, 7, 3}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Rule) + " in " + std::to_string(c.Year));
    std::vector<std::string> expected;
    for (const TYmd& d : c.Expected) expected.push_back(Text(Day(d)));
    auto got = DatesOf(HolidaysOfYear(ParseHolidayRules(c.Rule), c.Year, 1, 8));
    std::sort(got.begin(), got.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(got, expected);
  }
}

// The starter sets against the published lists of those years.
TEST(HolidayRules, StarterSetsGiveThePublishedYears) {
  struct TCase {
    const char* Set;
    int Year;
    std::vector<TYmd> Expected;
  };
  const TCase cases[] = {
      {"United States (federal)",
       2021,
       {{2021, 1, 1},
        {2021, 1, 18},
        {2021, 2, 15},
        {2021, 5, 31},
        {2021, 6, 18},
        {2021, 7, 5},
        {2021, 9, 6},
        {2021, 10, 11},
        {2021, 11, 11},
        {2021, 11, 25},
        {2021, 12, 24},
        {2021, 12, 31}}},
      {"United States (federal)",
       2022,
       {{2022, 1, 17},
        {2022, 2, 21},
        {2022, 5, 30},
        {2022, 6, 20},
        {2022, 7, 4},
        {2022, 9, 5},
        {2022, 10, 10},
        {2022, 11, 11},
        {2022, 11, 24},
        {2022, 12, 26}}},
      {"United Kingdom (England and Wales)",
       2021,
       {{2021, 1, 1},
        {2021, 4, 2},
        {2021, 4, 5},
        {2021, 5, 3},
        {2021, 5, 31},
        {2021, 8, 30},
        {2021, 12, 27},
        {2021, 12, 28}}},
      // Christmas on a Sunday: Boxing Day keeps the Monday, Christmas moves to the Tuesday.
      {"United Kingdom (England and Wales)",
       2016,
       {{2016, 1, 1},
        {2016, 3, 25},
        {2016, 3, 28},
        {2016, 5, 2},
        {2016, 5, 30},
        {2016, 8, 29},
        {2016, 12, 26},
        {2016, 12, 27}}},
      {"Germany (nationwide)",
       2024,
       {{2024, 1, 1},
        {2024, 3, 29},
        {2024, 4, 1},
        {2024, 5, 1},
        {2024, 5, 9},
        {2024, 5, 20},
        {2024, 10, 3},
        {2024, 12, 25},
        {2024, 12, 26}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Set) + " in " + std::to_string(c.Year));
    std::vector<std::string> expected;
    for (const TYmd& d : c.Expected) expected.push_back(Text(Day(d)));
    EXPECT_EQ(DatesOf(HolidaysOfYear(ParseHolidayRules(Set(c.Set)), c.Year, 1, 8)), expected);
  }
}

TEST(HolidayRules, ReasonAndHoursComeFromTheRuleOrTheCommand) {
  const auto rules = ParseHolidayRules(
      "# company days\n"
      "\n"
      "Founders' Day: 03/14, hours 4\n"
      "Summer Day: 2nd Friday of July, reason 7, hours 7.5\n"
      "Winter Day: 12/23 , reason 9\n");
  const auto days = HolidaysOfYear(rules, 2030, 2, 8);
  ASSERT_EQ(days.size(), 3u);
  EXPECT_EQ(days[0].Name, "Founders' Day");
  EXPECT_EQ(days[0].ReasonID, 2);
  EXPECT_EQ(days[0].Hours, 4.f);
  EXPECT_EQ(days[1].ReasonID, 7);
  EXPECT_EQ(days[1].Hours, 7.5f);
  EXPECT_EQ(days[2].ReasonID, 9);
  EXPECT_EQ(days[2].Hours, 8.f);
  EXPECT_EQ(rules[2].Line, 5);
}

// Every faulty line is named with its number; good lines around them do not hide them.
TEST(HolidayRules, FaultsAreReportedByLine) {
  struct TCase {
    const char* Line;
    const char* Message;
  };
  const TCase cases[] = {
      {"Memorial Day last Monday of May",
       "a rule is written NAME: WHEN, like \"Memorial Day: last Monday of May\""},
      {": 01/01", "the rule has no name before the colon"},
      {"Day:", "the rule has no day after the colon"},
      {"Day: 13/01", "\"13/01\" has no month 1 to 12"},
      {"Day: 04/31", "\"04/31\" is not a day of that month"},
      {"Day: 02/29", "02/29 is not a day of every year"},
      {"Day: 1-1", "\"1-1\" is no day: write it as month/day, like 12/25"},
      {"Day: 5th Monday of May", "\"5th\" is not 1st, 2nd, 3rd, 4th or last"},
      {"Day: last Moonday of May", "\"moonday\" is no day of the week"},
      {"Day: last Monday of Mai", "\"mai\" is no month"},
      {"Day: last Monday in May",
       "unknown day: write it like \"4th Thursday of November\" or \"last Monday of May\""},
      {"Day: Easter 2", "after Easter comes a number of days, like Easter -2 or Easter +1"},
      {"Day: Easter +400", "the days from Easter must be from -200 to 200"},
      {"Day: 01/01, hours 30", "the hours must be a number above 0 and at most 24"},
      {"Day: 01/01, reason x", "the reason is a reason's ID, a whole number from 1"},
      {"Day: 01/01, weekly",
       "\"weekly\" is not understood: after a comma come \"reason ID\" or \"hours H\""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Line);
    try {
      ParseHolidayRules(std::string("# first\nGood: 01/01\n") + c.Line + "\nAlso: 02/02\n");
      ADD_FAILURE() << "accepted";
    } catch (const EHolidayRulesError& e) {
      ASSERT_EQ(e.Errors().size(), 1u);
      EXPECT_EQ(e.Errors().front(), std::string("Line 3: ") + c.Message + ".");
    }
  }
  try {
    ParseHolidayRules("A: 01/01\nB\nC: 01/02\nD: 99/99\n");
    ADD_FAILURE() << "accepted";
  } catch (const EHolidayRulesError& e) {
    ASSERT_EQ(e.Errors().size(), 2u);
    EXPECT_TRUE(e.Errors()[0].starts_with("Line 2: "));
    EXPECT_TRUE(e.Errors()[1].starts_with("Line 4: "));
  }
}

int CopiesOf(const TDataSet& d, int32_t empID, int32_t reasonID) {
  const auto& e = *d.EmpList[static_cast<std::size_t>(FindEmp(d.EmpList, empID, ""))];
  return static_cast<int>(std::count_if(e.Entries.begin(), e.Entries.end(), [&](const auto& x) {
    return x->IsLive() && x->Kind == TEntryKind::Global && x->ReasonID == reasonID;
  }));
}

// A year's holidays reach the employees as hand-made global entries do (only while employed,
// not past an exclusion), days already there are skipped, a second run adds nothing, and the
// change takes itself back whole.
TEST(HolidayPlan, AddsAYearOnceAndRevertsWhole) {
  TDataSet data = test::MakeSampleDataSet();
  const int32_t sick = 2;
  AddEntry(data.GlobalList, data.EmpList, data.ReasonList, sick, Day({2024, 12, 25}), 8,
           TEntryKind::Global);
  auto& smith = *data.EmpList[static_cast<std::size_t>(FindEmp(data.EmpList, 1, ""))];
  AddEntry(smith.Entries, data.EmpList, data.ReasonList, sick, Day({2024, 7, 4}), 0,
           TEntryKind::Exclusion);
  const std::string before = DumpJson(data);
  const int copiesBefore[] = {CopiesOf(data, 1, sick), CopiesOf(data, 2, sick),
                              CopiesOf(data, 3, sick)};

  const auto holidays =
      HolidaysOfYear(ParseHolidayRules(Set("United States (federal)")), 2024, sick, 8);
  THolidayPlan plan = PlanHolidays(data, holidays);
  EXPECT_EQ(plan.Add.size(), 10u);
  ASSERT_EQ(plan.Skip.size(), 1u);
  EXPECT_EQ(plan.Skip.front().Name, "Christmas Day");

  auto change = HolidayChange(plan, "holidays of 2024");
  change->Apply(data);
  EXPECT_EQ(CopiesOf(data, 1, sick) - copiesBefore[0], 9);  // not on the excluded day
  EXPECT_EQ(CopiesOf(data, 2, sick) - copiesBefore[1], 10);
  // Employee 3 left on 04/10/2024: New Year's Day, MLK and Washington's Birthday only.
  EXPECT_EQ(CopiesOf(data, 3, sick) - copiesBefore[2], 3);
  const std::string after = DumpJson(data);

  const THolidayPlan again = PlanHolidays(data, holidays);
  EXPECT_TRUE(again.Add.empty());
  EXPECT_EQ(again.Skip.size(), 11u);
  // Even the first plan applied a second time changes nothing: a day already there stays.
  auto twice = HolidayChange(plan, "");
  twice->Apply(data);
  EXPECT_EQ(DumpJson(data), after);
  twice->Revert(data);

  change->Revert(data);
  EXPECT_EQ(DumpJson(data), before);
}

TEST(HolidayPlan, RefusesWhatCannotBeAdded) {
  TDataSet data = test::MakeSampleDataSet();
  data.ReasonList[static_cast<std::size_t>(FindReason(data.ReasonList, 2, ""))]->Deleted = true;
  struct TCase {
    THoliday Holiday;
    const char* Message;
  };
  const TCase cases[] = {
      {{"Founders' Day", Day({2030, 3, 14}), 0, 8},
       "\"Founders' Day\" has no absence reason: choose one, or give the rule its own."},
      {{"A", Day({2030, 3, 14}), 5, 8}, "There is no absence reason 5."},
      {{"A", Day({2030, 3, 14}), 2, 8}, "The absence reason 2 is in the trash."},
      {{"A", Day({2030, 3, 14}), 1, 0},
       "The hours of \"A\" must be a number above 0 and at most 24."},
      {{"A", kLastStoredDate + 1, 1, 8}, "The day of \"A\" cannot be kept in the data files."},
  };
  const std::string before = DumpJson(data);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Message);
    try {
      PlanHolidays(data, {c.Holiday});
      ADD_FAILURE() << "planned";
    } catch (const EHolidayPlanError& e) {
      EXPECT_STREQ(e.what(), c.Message);
    }
  }
  EXPECT_THROW(HolidaysOfYear({}, kLastHolidayYear + 1, 1, 8), std::out_of_range);
  EXPECT_EQ(DumpJson(data), before);
}

TEST(HolidayRules, TheRulesFileIsReadBackAsWritten) {
  test::TTempFolder folder;
  EXPECT_FALSE(ReadHolidayRulesText(folder.Folder()).has_value());
  const std::string text = HolidayRulesHelp() + kIssueRules;
  WriteHolidayRulesText(folder.Folder(), text);
  EXPECT_EQ(ReadHolidayRulesText(folder.Folder()), text);
  EXPECT_EQ(DatesOf(HolidaysOfYear(ParseHolidayRules(text), 2030, 1, 8)),
            (std::vector<std::string>{"2030-1-1", "2030-4-19", "2030-5-27", "2030-11-28"}));
}

}  // namespace
}  // namespace absence
