// RunReport: the page set-up, the shared page heading and the dispatch to the report's body.
#include "reports/report_run.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "dates/date_text.h"
#include "dates/dates.h"
#include "reports/report_bodies.h"
#include "reports/selection.h"

namespace absence::reports {

TReportRun::TReportRun(TPageEngine& engine, const TReportInput& input)
    : Engine(engine), In(input), Options(input.Options) {}

std::string TReportRun::Hours(double hours) const {
  return FormatNumber(hours, HourFormatPattern(In.Settings.HourFormat));
}

std::string TReportRun::Date(TDate date) const {
  return FormatDate(date, In.Settings.DatePattern);
}

void TReportRun::Font(double size, bool bold, bool underline) {
  Engine.SelectFont(kReportFontName, size);
  Engine.SetBold(bold);
  Engine.SetUnderline(underline);
}

void TReportRun::NewGroupPage(const std::string& subject) {
  Subject = subject;
  Engine.StartNewPage();
}

void TReportRun::TabStops(std::initializer_list<TStop> stops) {
  Engine.ClearTabStops();
  for (const TStop& s : stops) Engine.AddTabStop(s.Pos, s.Width, s.Justify, 2);
}

void TReportRun::SubjectAndBody(double withSubject, double without) {
  if (Options.NewPagePerGroup) {
    Engine.PrintCentred(Subject);
    Engine.SetSectionTop(withSubject);
  } else {
    Engine.SetSectionTop(without);
  }
  Engine.SetSectionBottom(10.5);
  Font(11);
}

void TReportRun::HeadingBlock(const std::string& line) {
  Engine.SetSectionTop(0.8);
  Font(14, true);
  Engine.PrintCentred(line);
  Engine.SetSectionTop(1.1);
  SubjectAndBody(1.5, 1.25);
}

bool TReportRun::Shows(const TEmpRecClass& emp) const {
  return ShownByDisplay(emp, In.Settings.EmployeeDisplay);
}

const TEmpRecClass* TReportRun::Emp(int32_t empID) const {
  if (empID <= 0) return nullptr;
  if (empByID_.empty())
    for (const auto& e : In.Emps) empByID_.emplace(e->EmpID, e.get());
  const auto it = empByID_.find(empID);
  return it == empByID_.end() ? nullptr : it->second;
}

const TDeptRecClass* TReportRun::Dept(int32_t deptID) const {
  if (deptID <= 0) return nullptr;
  const int i = FindDept(In.Depts, deptID, std::string());
  return i < 0 ? nullptr : In.Depts[static_cast<std::size_t>(i)].get();
}

const TReasonRecClass* TReportRun::Reason(int32_t reasonID) const {
  if (reasonID <= 0) return nullptr;
  const int i = FindReason(In.Reasons, reasonID, std::string());
  return i < 0 ? nullptr : In.Reasons[static_cast<std::size_t>(i)].get();
}

std::vector<const TEmpRecClass*> TReportRun::DeptEmployees(int32_t deptID) const {
  std::vector<const TEmpRecClass*> emps;
  for (const auto& e : In.Emps)
    if (e->DeptID == deptID && Shows(*e)) emps.push_back(e.get());
  return emps;
}

std::string FirstLast(const TEmpRecClass& emp) {
  return emp.FirstName + " " + emp.LastName;
}

const char* ReportKey(TReportKind kind) {
  switch (kind) {
    case TReportKind::Absence:
      return "Absence";
    case TReportKind::Balances:
      return "Balances";
    case TReportKind::Department:
      return "Department";
    case TReportKind::EmpInfo:
      return "EmpInfo";
    case TReportKind::MonthCalendar:
      return "MonthCalendar";
    case TReportKind::Statement:
      return "Statement";
  }
  return "";
}

std::optional<TReportKind> ReportKindFromKey(const std::string& key) {
  for (TReportKind k : {TReportKind::Absence, TReportKind::Balances, TReportKind::Department,
                        TReportKind::EmpInfo, TReportKind::MonthCalendar, TReportKind::Statement})
    if (key == ReportKey(k)) return k;
  return std::nullopt;
}

std::string ReportTitle(TReportKind kind, bool informationList) {
  switch (kind) {
    case TReportKind::Absence:
      return "Absence Taken";
    case TReportKind::Balances:
      return "Absence Reason Balances";
    case TReportKind::Department:
      return informationList ? "Department Information List" : "Department List";
    case TReportKind::EmpInfo:
      return "Employee Information List";
    case TReportKind::MonthCalendar:
      return "Absence Calendar";
    case TReportKind::Statement:
      return "Employee Statement";
  }
  return "";
}

namespace {

// Organization name, "Date: " and "Page: " n, and the title: the top of every page.
void PrintPageHeading(TReportRun& r) {
  TPageEngine& e = r.Engine;
  std::string page = "Page: ";
  page += std::to_string(e.PageNumber());
  std::string date = "Date: ";
  date += r.Date(r.In.Settings.Today);
  // The name's line is as high as "Date:" and "Page:" at its sides: a long name is cut short of
  // the wider of the two on both sides, so that it stays centred and overprints neither.
  constexpr double kGap = 0.1;
  r.Font(11);
  const double side = std::max(e.TextWidth(page), e.TextWidth(date)) + kGap;
  e.SetSectionTop(0.25);
  r.Font(18, true);
  const double room = e.SectionRight() - e.SectionLeft() - 2 * side;
  e.PrintCentred(e.FitToWidth(r.In.Settings.Organization, std::max(0.0, room)));
  e.SetSectionTop(0.3);
  r.Font(11);
  e.PrintRight(page);
  e.PrintLeft(date);
  e.SetSectionTop(0.6);
  r.Font(14, true);
  e.PrintCentred(ReportTitle(r.Options.Kind, r.Options.InformationList));
}

std::unique_ptr<TReportBody> MakeBody(TReportRun& run) {
  switch (run.Options.Kind) {
    case TReportKind::Absence:
      return MakeAbsenceReport(run);
    case TReportKind::Balances:
      return MakeBalanceReport(run);
    case TReportKind::Department:
      return MakeDepartmentReport(run);
    case TReportKind::EmpInfo:
      return MakeEmpInfoReport(run);
    case TReportKind::MonthCalendar:
      return MakeCalendarReport(run);
    case TReportKind::Statement:
      return MakeStatementReport(run);
  }
  return nullptr;
}

}  // namespace

TDocument RunReport(const TReportInput& input, const TTextMetrics& metrics) {
  const TReportOptions& o = input.Options;
  if (o.Kind == TReportKind::MonthCalendar &&
      (o.CalendarMonth < 1 || o.CalendarMonth > 12 || o.CalendarYear < 1 || o.CalendarYear > 9999))
    throw std::invalid_argument("no such month: " + std::to_string(o.CalendarMonth) + "/" +
                                std::to_string(o.CalendarYear));
  TPageEngine engine(metrics);
  TReportRun run(engine, input);
  const std::unique_ptr<TReportBody> body = MakeBody(run);
  if (input.Options.Kind == TReportKind::MonthCalendar) {
    // The grid is written for a landscape page whatever orientation is chosen; it runs down to
    // three tenths of an inch above the bottom edge, so a month fits a landscape A4 sheet.
    engine.SetPage(input.Settings.Paper, TOrientation::Landscape, TOrientation::Landscape);
    engine.SetMargins(0.45, 0.55, 0.5, 0.3);
  } else {
    engine.SetPage(input.Settings.Paper, input.Settings.Orientation, TOrientation::Portrait);
  }
  run.Subject = body->FirstSubject();
  engine.SetHeader([&](TPageEngine&) {
    PrintPageHeading(run);
    body->Heading();
  });
  engine.Start();
  body->Body();
  return engine.Finish();
}

void PrintBalanceCells(TReportRun& run, const TReasonRecClass& reason, const TReportBalance& b) {
  constexpr const char* kNothing = "---";
  TPageEngine& e = run.Engine;
  e.NextTab();
  e.PrintText(ReportYearText(reason));
  e.NextTab();
  e.PrintText(b.Available ? run.Hours(*b.Available) : kNothing);
  e.NextTab();
  e.PrintText(b.Used > 0 ? run.Hours(b.Used) : (b.Available ? run.Hours(0) : kNothing));
  e.NextTab();
  e.PrintLine(b.Balance ? run.Hours(*b.Balance) : kNothing);
}

}  // namespace absence::reports
