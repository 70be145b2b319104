// Reports and list printouts laid out on A4 and US Letter, upright and across, on sheets with and
// without unprintable edges: the pages take the sheet's size and nothing is printed outside it.
#include <gtest/gtest.h>

#include <functional>

#include "report_test_support.h"
#include "reports/list_printouts.h"

namespace absence::test {
namespace {

constexpr double kEps = 1e-6;

struct TSheet {
  const char* name;
  TPaper paper;
  TOrientation orientation;
};

TPaper WithEdges(TPaper p, double edge) {
  p.EdgeLeft = p.EdgeTop = p.EdgeRight = p.EdgeBottom = edge;
  return p;
}

const TSheet kSheets[] = {
    {"A4", PaperA4(), TOrientation::Portrait},
    {"Letter", PaperLetter(), TOrientation::Portrait},
    {"A4 landscape", PaperA4(), TOrientation::Landscape},
    {"Letter landscape", PaperLetter(), TOrientation::Landscape},
    {"A4 with wide edges", WithEdges(PaperA4(), 0.6), TOrientation::Portrait},
};

// Enough records to fill several pages, the calendar's January included.
void AddWorkers(TDataSet& d) {
  for (int i = 0; i < 70; ++i) {
    const int32_t id = AddEmp(d.EmpList, "Worker with a long family name " + std::to_string(i), "W",
                              "", EncodeDate(2020, 1, 1), 0, 0, 'F');
    auto& emp = *d.EmpList[static_cast<std::size_t>(FindEmp(d.EmpList, id, ""))];
    for (int day = 15; day <= 19; ++day)
      AddEntry(emp.Entries, d.EmpList, d.ReasonList, 2, EncodeDate(2024, 1, day), 8,
               TEntryKind::Own);
  }
}

// Every text and line lies on the sheet, at least `edge` inches (and the sheet's unprintable
// edge) in from each side; texts are `lineHeight` high.
void ExpectInside(const TDocument& doc, const TPaper& sheet, double edge,
                  const std::function<double(const TFont&)>& lineHeight, const std::string& what,
                  bool severalPages = true, double pixel = 0) {
  const double left = std::max(edge, sheet.EdgeLeft), right = std::max(edge, sheet.EdgeRight);
  const double top = std::max(edge, sheet.EdgeTop), bottom = std::max(edge, sheet.EdgeBottom);
  ASSERT_NEAR(doc.PageWidth, sheet.Width, pixel + kEps) << what;
  ASSERT_NEAR(doc.PageHeight, sheet.Height, pixel + kEps) << what;
  if (severalPages) {
    ASSERT_GT(doc.Pages.size(), 1u) << what;
  }
  for (std::size_t p = 0; p < doc.Pages.size(); ++p) {
    for (const TTextItem& t : doc.Pages[p].Texts) {
      EXPECT_GE(t.X, left - kEps) << what << " page " << p + 1 << ": " << t.Text;
      EXPECT_LE(t.X + t.Width, sheet.Width - right + kEps)
          << what << " page " << p + 1 << ": " << t.Text;
      EXPECT_GE(t.Y, top - kEps) << what << " page " << p + 1 << ": " << t.Text;
      EXPECT_LE(t.Y + lineHeight(t.Font), sheet.Height - bottom + kEps)
          << what << " page " << p + 1 << ": " << t.Text;
    }
    for (const TLineItem& l : doc.Pages[p].Lines) {
      EXPECT_GE(std::min(l.X1, l.X2), left - kEps) << what << " page " << p + 1;
      EXPECT_LE(std::max(l.X1, l.X2), sheet.Width - right + kEps) << what << " page " << p + 1;
      EXPECT_LE(std::max(l.Y1, l.Y2), sheet.Height - bottom + kEps) << what << " page " << p + 1;
    }
  }
}

// The outermost things the layouts print stand a quarter of an inch in from the sheet's edges.
constexpr double kOutermost = 0.25;

TEST(Paper, EveryReportStaysOnItsSheetInsideThePrintableArea) {
  struct Report {
    TReportKind kind;
    bool employees;
  } reports[] = {{TReportKind::Absence, true},   {TReportKind::Balances, true},
                 {TReportKind::EmpInfo, true},   {TReportKind::Department, false},
                 {TReportKind::Statement, true}, {TReportKind::MonthCalendar, false}};
  for (const TSheet& s : kSheets)
    for (const Report& r : reports) {
      TReportFixture f;
      AddWorkers(f.Data);
      f.Settings.Organization = std::string(76, 'W');
      f.Settings.Paper = s.paper;
      f.Settings.Orientation = s.orientation;
      f.Options.Kind = r.kind;
      f.Options.NewPagePerGroup = false;
      f.Options.StartDate = EncodeDate(2024, 1, 1);
      f.Options.EndDate = EncodeDate(2024, 1, 31);
      f.Options.ReportDate = EncodeDate(2024, 1, 31);
      f.Options.CalendarYear = 2024;
      f.Options.CalendarMonth = 1;
      f.Options.OncePerDay = false;
      if (r.employees) {
        std::vector<int32_t> ids;
        for (const auto& e : f.Data.EmpList) ids.push_back(e->EmpID);
        f.Employees(ids);
      } else {
        f.Departments({0, 1, 2});
      }
      const TDocument doc = f.Run();
      // The calendar's grid is laid out across the sheet whatever orientation is chosen.
      const TOrientation lies =
          r.kind == TReportKind::MonthCalendar ? TOrientation::Landscape : s.orientation;
      EXPECT_EQ(doc.Orientation, lies) << s.name << " " << ReportKey(r.kind);
      ExpectInside(
          doc, Oriented(s.paper, lies), kOutermost,
          [&](const TFont& font) { return f.Metrics.LineHeight(font); },
          std::string(s.name) + " " + ReportKey(r.kind));
    }
}

TEST(Paper, EveryListPrintoutStaysOnItsSheetInsideThePrintableArea) {
  for (const TSheet& s : kSheets) {
    TDataSet d = MakeReportDataSet();
    AddWorkers(d);
    auto& ann = d.EmpList[0]->Entries;
    for (int day = 0; day < 150; ++day)
      AddEntry(ann, d.EmpList, d.ReasonList, 1, EncodeDate(2024, 2, 1) + day, 8, TEntryKind::Own);
    TFixedMetrics metrics;
    TReportSettings settings;
    settings.Organization = std::string(76, 'W');
    settings.Today = EncodeDate(2024, 3, 15);
    const TPaper sheet = Oriented(s.paper, s.orientation);
    const TPrintoutSetup setup{metrics, PaperDevice(sheet, 600), settings};
    // The list printer rounds to its device's pixels.
    const auto lineHeight = [&](const TFont& font) {
      return std::floor(metrics.LineHeight(font) * 600) / 600;
    };
    const std::pair<const char*, TDocument> docs[] = {
        {"employees", PrintEmployeeList(setup, d.EmpList, d.DeptList)},
        {"absences", PrintAbsenceList(setup, ann, d.ReasonList, 2024, true, "Able, Ann")},
        {"reasons", PrintReasonList(setup, d.ReasonList)},
    };
    // The reason list is one page.
    for (const auto& [what, doc] : docs)
      ExpectInside(doc, sheet, kOutermost, lineHeight, std::string(s.name) + " " + what,
                   std::string(what) != "reasons", 1.0 / 600);
  }
}

// A column written across the whole width between Letter's margins spans the room between the
// sheet's margins when that is narrower, and keeps its place when it is wider.
TEST(Paper, ColumnsAreScaledIntoANarrowerSheetAndKeptOnAWiderOne) {
  struct Case {
    TPaper paper;
    TOrientation orientation;
    double left, right;
  } cases[] = {
      {PaperLetter(), TOrientation::Portrait, 0.5, 8.0},
      {PaperA4(), TOrientation::Portrait, 0.5, PaperA4().Width - 0.5},
      {WithEdges(PaperA4(), 0.6), TOrientation::Portrait, 0.6, PaperA4().Width - 0.6},
      {PaperA4(), TOrientation::Landscape, 0.5, 8.0},
  };
  for (const Case& c : cases) {
    TFixedMetrics metrics;
    TPageEngine engine(metrics);
    engine.SetPage(c.paper, c.orientation, TOrientation::Portrait);
    engine.Start();
    engine.AddTabStop(0.5, 7.5, TJustify::Right, 0);
    engine.NextTab({1, 1, 0, 0});
    engine.PrintLine("end");
    const TDocument doc = engine.Finish();
    const auto& lines = doc.Pages[0].Lines;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NEAR(lines[0].X1, c.left, kEps);
    EXPECT_NEAR(lines[1].X1, c.right, kEps);
    const TTextItem* end = FindText(doc.Pages[0], "end");
    ASSERT_NE(end, nullptr);
    EXPECT_NEAR(end->X + end->Width, c.right, kEps);
  }
}

}  // namespace
}  // namespace absence::test
