// The month calendar: the grid's cells, the days of the month, global entries once per day or
// per employee, the department filter and cutting long lines to the cell.
#include "report_test_support.h"

namespace absence::test {
namespace {

using TLines = std::vector<std::string>;

struct TCalendarFixture : TReportFixture {
  TCalendarFixture(int year, int month) {
    Options.Kind = TReportKind::MonthCalendar;
    Options.CalendarYear = year;
    Options.CalendarMonth = month;
  }
};

// The column (0 Sunday) of the cell a day number stands in.
int ColumnOf(const TPage& page, int day) {
  const TTextItem* t = FindText(page, " " + std::to_string(day));
  if (!t) return -1;
  return static_cast<int>((t->X - 0.52) / 1.4);
}

// Per row of day cells (their top lines of width 2): how many cells the row has.
std::vector<int> DayRowCells(const TPage& page) {
  std::map<long, int> rows;
  for (const auto& l : page.Lines)
    if (l.Y1 == l.Y2 && l.PenWidth == 2) ++rows[std::lround(l.Y1 * 1e6)];
  std::vector<int> cells;
  for (const auto& [y, n] : rows) cells.push_back(n);
  return cells;
}

TEST(CalendarReport, WeeksAreFullRowsOfSevenCellsWithTheDaysInTheirColumns) {
  struct Case {
    int year, month, firstColumn, lastDay, lastColumn, weeks;
  } cases[] = {
      {2024, 1, 1, 31, 3, 5},  // Monday to Wednesday
      {2024, 9, 0, 30, 1, 5},  // starts on Sunday: no leading empty cells
      {2024, 8, 4, 31, 6, 5},  // ends on Saturday: no trailing empty cells
      {2024, 2, 4, 29, 4, 5},  // leap year
      {2023, 2, 3, 28, 2, 5},  // not a leap year
      {2015, 2, 0, 28, 6, 4},  // four whole weeks
      {2026, 5, 5, 31, 0, 6},  // six rows
  };
  for (const auto& c : cases) {
    TCalendarFixture f(c.year, c.month);
    const TDocument doc = f.Run();
    ASSERT_EQ(doc.Pages.size(), 1u);
    const TPage& page = doc.Pages[0];
    EXPECT_EQ(ColumnOf(page, 1), c.firstColumn) << c.year << "-" << c.month;
    EXPECT_EQ(ColumnOf(page, c.lastDay), c.lastColumn) << c.year << "-" << c.month;
    EXPECT_EQ(FindText(page, " " + std::to_string(c.lastDay + 1)), nullptr);
    EXPECT_EQ(DayRowCells(page), std::vector<int>(static_cast<std::size_t>(c.weeks), 7))
        << c.year << "-" << c.month;
  }
}

TEST(CalendarReport, GridHasAThickFrameAndTheDayNamesRow) {
  TCalendarFixture f(2024, 1);
  const TDocument doc = f.Run();
  EXPECT_EQ(doc.Orientation, TOrientation::Landscape);
  const TPage& page = doc.Pages[0];
  EXPECT_EQ(PageLines(page)[3], "January 2024");
  EXPECT_EQ(PageLines(page)[4],
            "Sunday | Monday | Tuesday | Wednesday | Thursday | Friday | Saturday");
  // The closing row: seven top lines of width 5 at the bottom of the grid.
  double bottom = 0;
  for (const auto& l : page.Lines) bottom = std::max(bottom, l.Y1);
  int closing = 0;
  for (const auto& l : page.Lines)
    if (l.Y1 == bottom && l.Y2 == bottom && l.PenWidth == 5) ++closing;
  EXPECT_EQ(closing, 7);
  // Left edge of the grid thick, inner sides thin.
  for (const auto& l : page.Lines) {
    if (l.X1 != l.X2) continue;
    const bool outer = std::abs(l.X1 - 0.52) < 1e-9 || std::abs(l.X1 - (0.52 + 7 * 1.4)) < 1e-9;
    EXPECT_EQ(l.PenWidth, outer ? 5 : 2) << l.X1;
  }
}

TEST(CalendarReport, GlobalEntriesOncePerDayOrUnderEachEmployeeWithACopy) {
  struct Case {
    bool oncePerDay;
    TLines firstWeek;
  } cases[] = {
      {true, {"Global Holiday"}},
      // Bo is exempt from the holiday: he has no copy.
      {false, {"Able, Ann - Holiday", "Cole, Cy - Holiday"}},
  };
  for (const auto& c : cases) {
    TCalendarFixture f(2024, 1);
    f.Options.OncePerDay = c.oncePerDay;
    const TLines lines = PageLines(f.Run().Pages[0]);
    const auto row = std::find(lines.begin(), lines.end(), " 1 |  2 |  3 |  4 |  5 |  6");
    ASSERT_NE(row, lines.end());
    const TLines entries(row + 1, row + 1 + static_cast<long>(c.firstWeek.size()));
    EXPECT_EQ(entries, c.firstWeek);
    EXPECT_EQ(*(row + 1 + static_cast<long>(c.firstWeek.size())),
              " 7 |  8 |  9 |  10 |  11 |  12 |  13");
  }
}

TEST(CalendarReport, DepartmentChosenListsOnlyItsEmployeesButEveryGlobalLine) {
  TCalendarFixture f(2024, 1);
  f.Options.CalendarDeptID = 1;
  const TDocument doc = f.Run();
  const TLines lines = PageLines(doc.Pages[0]);
  EXPECT_EQ(lines[4], "Sales");
  EXPECT_NEAR(FindText(doc.Pages[0], "Sales")->Y, 1.05, 1e-9);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Global Holiday"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Able, Ann - Vacation"), lines.end());
  EXPECT_EQ(std::find(lines.begin(), lines.end(), "Cole, Cy - Vacation"), lines.end());
}

TEST(CalendarReport, LongLinesAreCutToTheCellAndStayInTheirColumn) {
  TCalendarFixture f(2024, 1);
  f.Data.EmpList[2]->LastName = "Cholmondeley-Featherstonehaugh";
  const TDocument doc = f.Run();
  const TTextItem* cut = nullptr;
  for (const auto& t : doc.Pages[0].Texts)
    if (t.Text.rfind("Cholmondeley", 0) == 0) cut = &t;
  ASSERT_NE(cut, nullptr);
  const std::string full = "Cholmondeley-Featherstonehaugh, Cy - Vacation";
  EXPECT_LT(cut->Text.size(), full.size());
  EXPECT_EQ(full.rfind(cut->Text, 0), 0u);
  EXPECT_LE(cut->Width, 1.35 + 1e-9);
  EXPECT_EQ(cut->Font.Size, 8);
  const TFixedMetrics m;
  TFont f8;
  f8.Size = 8;
  EXPECT_GT(m.TextWidth(f8, full.substr(0, cut->Text.size() + 1)), 1.35);
}

TEST(CalendarReport, AWeekWithManyEntriesContinuesOnANewPage) {
  TCalendarFixture f(2024, 1);
  auto& d = f.Data;
  for (int i = 0; i < 60; ++i) {
    int32_t id = 10 + i;
    id = AddEmp(d.EmpList, "Worker" + std::to_string(i), "W", "", EncodeDate(2020, 1, 1), 0, 0, 'F',
                id);
    AddEntry(d.EmpList.back()->Entries, d.EmpList, d.ReasonList, 2, EncodeDate(2024, 1, 17), 8,
             TEntryKind::Own);
  }
  const TDocument doc = f.Run();
  ASSERT_EQ(doc.Pages.size(), 2u);
  int sick = 0;
  for (const auto& p : doc.Pages) {
    EXPECT_EQ(PageLines(p)[4],
              "Sunday | Monday | Tuesday | Wednesday | Thursday | Friday | Saturday");
    for (const auto& t : p.Texts) {
      EXPECT_LE(t.Y, 8.2) << t.Text;
      if (t.Text.find("- Sick") != std::string::npos) ++sick;
    }
  }
  EXPECT_EQ(sick, 61);  // Ann's own sick day and the sixty workers'
  EXPECT_EQ(PageLines(doc.Pages[1])[1], "Date: 03/15/2024 | Page: 2");
}

}  // namespace
}  // namespace absence::test
