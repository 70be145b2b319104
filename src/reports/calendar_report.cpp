// The month calendar: one month as a landscape grid of boxed day cells, each listing the day's
// absences by employee and reason, and global entries once per day or per employee.
#include <algorithm>
#include <array>

#include "dates/dates.h"
#include "reports/report_bodies.h"

namespace absence::reports {
namespace {

constexpr int kThick = 5;  // the grid's outer frame
constexpr int kThin = 2;
constexpr double kCellTextWidth = 1.35;

struct TCalendarLine {
  std::string Text;
  bool Global = false;
};

// Cell sides: thick at the grid's left and right edges.
TCellBorders SideBorders(int column, int top) {
  return {column == 0 ? kThick : kThin, column == 6 ? kThick : kThin, top, 0};
}

class TCalendarReport : public TReportBody {
 public:
  using TReportBody::TReportBody;

  std::string FirstSubject() const override {
    const TReportOptions& o = R.Options;
    return R.In.Settings.MonthNames[static_cast<std::size_t>(o.CalendarMonth - 1)] + " " +
           std::to_string(o.CalendarYear);
  }

  void Heading() override {
    E.SetSectionTop(0.8);
    R.Font(14, true);
    E.PrintCentred(R.Subject);
    const TDeptRecClass* dept = R.Dept(R.Options.CalendarDeptID);
    if (R.Options.CalendarDeptID != 0) {
      E.SetSectionTop(1.05);
      E.PrintCentred(dept ? dept->DeptName : std::string());
      E.SetSectionTop(1.3);
    } else {
      E.SetSectionTop(1.1);
    }
    E.SetSectionBottom(8.2);
    R.Font(11);
    R.TabStops({{0.52, 1.4},
                {1.92, 1.4},
                {3.32, 1.4},
                {4.72, 1.4},
                {6.12, 1.4},
                {7.52, 1.4},
                {8.92, 1.4}});
    E.SetBold(true);
    E.SetCellJustification(true);
    for (int c = 0; c < 7; ++c) {
      E.NextTab({c == 0 ? kThick : kThin, c == 6 ? kThick : kThin, kThick, kThick});
      E.PrintText(R.In.Settings.DayNames[static_cast<std::size_t>(c)]);
    }
    E.PrintLine();
    E.SetCellJustification(false);
  }

  void Body() override {
    const int year = R.Options.CalendarYear, month = R.Options.CalendarMonth;
    const int days = DaysInMonth(year, month);
    const auto lines = DayLines(year, month, days);
    const TDate first = EncodeDate(year, month, 1);
    int column = WeekdayColumn(first);
    int day = 1;
    bool firstWeek = true;
    while (day <= days) {
      std::array<std::vector<TCalendarLine>, 7> week;
      R.Font(11, true);
      if (firstWeek)
        for (int c = 0; c < column; ++c) E.NextTab({c == 0 ? kThick : kThin, kThin, kThin, 0});
      firstWeek = false;
      for (; column < 7 && day <= days; ++column, ++day) {
        E.NextTab(SideBorders(column, kThin));
        R.Font(11, true);
        E.PrintText(" " + std::to_string(day));
        week[static_cast<std::size_t>(column)] = lines[static_cast<std::size_t>(day)];
      }
      if (day > days)
        for (int c = column; c < 7; ++c) E.NextTab(SideBorders(c, kThin));
      E.PrintLine();
      PrintWeekLines(week);
      column = 0;
    }
    R.Font(11);
    for (int c = 0; c < 7; ++c) E.NextTab({0, 0, kThick, 0});
    E.PrintLine();
  }

 private:
  // 0 for Sunday to 6 for Saturday (day 0 of the date scale was a Saturday).
  static int WeekdayColumn(TDate d) {
    const long n = static_cast<long>(d);
    return static_cast<int>(((n % 7) + 7 + 6) % 7);
  }

  bool ListsEmployee(const TEmpRecClass& emp) const {
    if (emp.Deleted) return false;
    return R.Options.CalendarDeptID == 0 || emp.DeptID == R.Options.CalendarDeptID;
  }

  std::string ReasonText(int32_t reasonID) const {
    const TReasonRecClass* r = R.Reason(reasonID);
    return r ? r->Description : std::string();
  }

  // The lines of each day of the month (index 1 to days): global entries first when printed
  // once per day, then each listed employee's entries in list order.
  std::vector<std::vector<TCalendarLine>> DayLines(int year, int month, int days) const {
    std::vector<std::vector<TCalendarLine>> lines(static_cast<std::size_t>(days) + 1);
    const TDate first = EncodeDate(year, month, 1), last = first + days - 1;
    const bool oncePerDay = R.Options.OncePerDay;
    auto dayOf = [&](TDate d) { return static_cast<std::size_t>(d - first) + 1; };
    if (oncePerDay)
      for (const auto& g : R.In.Globals)
        if (g->EntryDate >= first && g->EntryDate <= last && g->IsLive())
          lines[dayOf(g->EntryDate)].push_back({"Global " + ReasonText(g->ReasonID), true});
    for (const auto& emp : R.In.Emps) {
      if (!ListsEmployee(*emp)) continue;
      for (const auto& x : emp->Entries)
        if (x->EntryDate >= first && x->EntryDate <= last && x->IsLive() && x->Hours >= 0 &&
            !(oncePerDay && x->IsGlobal()))
          lines[dayOf(x->EntryDate)].push_back(
              {emp->FullName() + " - " + ReasonText(x->ReasonID), false});
    }
    return lines;
  }

  void PrintWeekLines(const std::array<std::vector<TCalendarLine>, 7>& week) {
    std::size_t rows = 0;
    for (const auto& col : week) rows = std::max(rows, col.size());
    for (std::size_t n = 0; n < rows; ++n) {
      for (int c = 0; c < 7; ++c) {
        E.NextTab(SideBorders(c, 0));
        const auto& col = week[static_cast<std::size_t>(c)];
        if (n >= col.size()) continue;
        if (col[n].Global)
          R.Font(9, true);
        else
          R.Font(8);
        E.PrintText(E.FitToWidth(col[n].Text, E.Across(kCellTextWidth)));
      }
      R.Font(n + 1 == rows ? 11 : 8);
      E.PrintLine();
      if (E.LinesLeft() < 2) E.StartNewPage();
    }
    // A week without entries takes one line; keep the next one on the page as well.
    if (rows == 0 && E.LinesLeft() < 2) E.StartNewPage();
  }
};

}  // namespace

std::unique_ptr<TReportBody> MakeCalendarReport(TReportRun& run) {
  return std::make_unique<TCalendarReport>(run);
}

}  // namespace absence::reports
