// The absence taken report on the small organisation: lines, totals, groups and page breaks.
#include "report_test_support.h"

namespace absence::test {
namespace {

using TLines = std::vector<std::string>;

struct TAbsenceFixture : TReportFixture {
  TAbsenceFixture() {
    Options.Kind = TReportKind::Absence;
    Options.StartDate = EncodeDate(2024, 1, 1);
    Options.EndDate = EncodeDate(2024, 1, 31);
    Options.NewPagePerGroup = false;
  }
};

TEST(AbsenceReport, DetailListsEachEmployeeWithTotalsOnlyForReasonsWithHours) {
  TAbsenceFixture f;
  f.Employees({1, 2, 3});
  const TDocument doc = f.Run();
  ASSERT_EQ(doc.Pages.size(), 1u);
  EXPECT_EQ(
      PageLines(doc.Pages[0]),
      (TLines{"Acme Works", "Date: 03/15/2024 | Page: 1", "Absence Taken",
              "From 01/01/2024 to 01/31/2024 - Detail Report", "Date | Reason | Hours", "Able, Ann",
              "01/01/2024 | Holiday | 8.0", "01/10/2024 | Vacation | 8.0",
              "01/31/2024 | Sick | 4.0", "Totals:", "Vacation | 8.0", "Sick | 4.0", "Holiday | 8.0",
              // no absences (and exempt from the holiday): the name and "Totals:" only
              "Baker, Bo", "Totals:", "Cole, Cy", "01/01/2024 | Holiday | 8.0",
              "01/15/2024 | Vacation | 8.0", "Totals:", "Vacation | 8.0",
              "Holiday | 8.0",  // no Sick line
              "Report Period Totals", "Vacation | 16.0", "Sick | 4.0", "Holiday | 16.0"}));
  // Columns: dates at the second stop, hours flush right in the fourth.
  const TTextItem* hours = FindText(doc.Pages[0], "4.0");
  ASSERT_NE(hours, nullptr);
  EXPECT_NEAR(hours->X + hours->Width, 4.5 + 0.37 * 0.98, 1e-9);
  EXPECT_NEAR(FindText(doc.Pages[0], "01/10/2024")->X, 1.0 + 0.75 * 0.02, 1e-9);
}

TEST(AbsenceReport, SummaryHasNoDateHeadingNoEntryLinesAndNoTotalsLabel) {
  TAbsenceFixture f;
  f.Employees({1, 2});
  f.Options.Detail = false;
  EXPECT_EQ(BodyLines(f.Run().Pages[0], 0.8),
            (TLines{"From 01/01/2024 to 01/31/2024 - Summary Report", "Reason | Hours", "Able, Ann",
                    "Vacation | 8.0", "Sick | 4.0", "Holiday | 8.0", "Baker, Bo",
                    "Report Period Totals", "Vacation | 8.0", "Sick | 4.0", "Holiday | 8.0"}));
}

TEST(AbsenceReport, PeriodIncludesBothEndDays) {
  struct Case {
    TDate from, to;
    TLines annLines;
  } cases[] = {
      {EncodeDate(2024, 1, 10), EncodeDate(2024, 1, 10), {"01/10/2024 | Vacation | 8.0"}},
      {EncodeDate(2024, 1, 11), EncodeDate(2024, 1, 31), {"01/31/2024 | Sick | 4.0"}},
      {EncodeDate(2023, 12, 31),
       EncodeDate(2024, 1, 1),
       {"12/31/2023 | Vacation | 8.0", "01/01/2024 | Holiday | 8.0"}},
  };
  for (const auto& c : cases) {
    TAbsenceFixture f;
    f.Employees({1});
    f.Options.StartDate = c.from;
    f.Options.EndDate = c.to;
    const TLines body = BodyLines(f.Run().Pages[0], 1.25);
    const TLines entries(body.begin() + 2, body.begin() + 2 + static_cast<long>(c.annLines.size()));
    EXPECT_EQ(entries, c.annLines);
    EXPECT_EQ(body[2 + c.annLines.size()], "Totals:");
  }
}

TEST(AbsenceReport, NewPagePerEmployeeNamesEachPageAndEndsWithAReportTotalsPage) {
  TAbsenceFixture f;
  f.Options.NewPagePerGroup = true;
  f.Employees({1, 3});
  const TDocument doc = f.Run();
  ASSERT_EQ(doc.Pages.size(), 3u);
  const char* subjects[] = {"Ann Able", "Cy Cole", "Report Totals"};
  for (std::size_t p = 0; p < 3; ++p) {
    const TLines lines = PageLines(doc.Pages[p]);
    EXPECT_EQ(lines[1], "Date: 03/15/2024 | Page: " + std::to_string(p + 1));
    EXPECT_EQ(lines[4], subjects[p]);
    EXPECT_NEAR(FindText(doc.Pages[p], subjects[p])->Y, 1.1, 1e-9);
  }
  // The name is the page's subject only; the body starts at 1.5.
  EXPECT_EQ(BodyLines(doc.Pages[1], 1.5),
            (TLines{"Date | Reason | Hours", "01/01/2024 | Holiday | 8.0",
                    "01/15/2024 | Vacation | 8.0", "Totals:", "Vacation | 8.0", "Holiday | 8.0"}));
  EXPECT_EQ(BodyLines(doc.Pages[2], 1.5),
            (TLines{"Date | Reason | Hours", "Vacation | 16.0", "Sick | 4.0", "Holiday | 16.0"}));
}

TEST(AbsenceReport, ByDepartmentTotalsEachDepartmentAndSkipsEmptyOnes) {
  TAbsenceFixture f;
  f.Departments({2, 1, 0});  // Office has no employees
  const TDocument doc = f.Run();
  ASSERT_EQ(doc.Pages.size(), 1u);
  EXPECT_EQ(BodyLines(doc.Pages[0], 1.25), (TLines{"Date | Reason | Hours",
                                                   "Sales",
                                                   "Able, Ann",
                                                   "01/01/2024 | Holiday | 8.0",
                                                   "01/10/2024 | Vacation | 8.0",
                                                   "01/31/2024 | Sick | 4.0",
                                                   "Totals:",
                                                   "Vacation | 8.0",
                                                   "Sick | 4.0",
                                                   "Holiday | 8.0",
                                                   "Baker, Bo",
                                                   "Totals:",
                                                   "Sales Totals",
                                                   "Vacation | 8.0",
                                                   "Sick | 4.0",
                                                   "Holiday | 8.0",
                                                   "<No Department>",
                                                   "Cole, Cy",
                                                   "01/01/2024 | Holiday | 8.0",
                                                   "01/15/2024 | Vacation | 8.0",
                                                   "Totals:",
                                                   "Vacation | 8.0",
                                                   "Holiday | 8.0",
                                                   "<No Department> Totals",
                                                   "Vacation | 8.0",
                                                   "Holiday | 8.0",
                                                   "Report Period Totals",
                                                   "Vacation | 16.0",
                                                   "Sick | 4.0",
                                                   "Holiday | 16.0"}));
  const TTextItem* sales = FindText(doc.Pages[0], "Sales");
  EXPECT_TRUE(sales->Font.Bold && sales->Font.Underline && sales->Font.Size == 12);
}

TEST(AbsenceReport, NewPagePerDepartmentStartsWithTheFirstDepartmentPrinted) {
  TAbsenceFixture f;
  f.Options.NewPagePerGroup = true;
  f.Departments({2, 1, 0});  // Office is skipped: it must not name or take a page
  const TDocument doc = f.Run();
  ASSERT_EQ(doc.Pages.size(), 3u);
  EXPECT_EQ(PageLines(doc.Pages[0])[4], "Sales");
  EXPECT_EQ(PageLines(doc.Pages[1])[4], "<No Department>");
  EXPECT_EQ(PageLines(doc.Pages[2])[4], "Report Totals");
}

TEST(AbsenceReport, LongListsContinueWithHeadingsOnEveryPage) {
  TAbsenceFixture f;
  auto& d = f.Data;
  for (int day = 1; day <= 60; ++day)
    AddEntry(d.EmpList[2]->Entries, d.EmpList, d.ReasonList, 2, EncodeDate(2023, 1, 1) + day, 1,
             TEntryKind::Own);
  f.Options.StartDate = EncodeDate(2023, 1, 1);
  f.Options.EndDate = EncodeDate(2024, 1, 31);
  f.Departments({0});
  const TDocument doc = f.Run();
  ASSERT_GE(doc.Pages.size(), 2u);
  for (std::size_t p = 0; p < doc.Pages.size(); ++p) {
    const TLines lines = PageLines(doc.Pages[p]);
    EXPECT_EQ(lines[0], "Acme Works");
    EXPECT_EQ(lines[1], "Date: 03/15/2024 | Page: " + std::to_string(p + 1));
    EXPECT_EQ(lines[2], "Absence Taken");
    EXPECT_EQ(lines[4], "Date | Reason | Hours");
    for (const auto& t : doc.Pages[p].Texts) EXPECT_LE(t.Y, 10.5) << t.Text;
  }
  const TLines second = BodyLines(doc.Pages[1], 1.25);
  EXPECT_EQ(second[1], "<No Department> - Continued");
  EXPECT_EQ(second[2], "Cole, Cy - Continued");
  // All 60 days and the totals are there once.
  const TLines all = AllBodyLines(doc, 1.25);
  EXPECT_EQ(std::count_if(all.begin(), all.end(),
                          [](const auto& l) { return l.find("| Sick | 1.0") != l.npos; }),
            60);
  EXPECT_EQ(all.back(), "Holiday | 8.0");
  EXPECT_NE(std::find(all.begin(), all.end(), "Sick | 60.0"), all.end());
}

TEST(Reports, NothingToPrintStillGivesTheHeadedFirstPage) {
  for (TReportKind kind : {TReportKind::Absence, TReportKind::Balances, TReportKind::EmpInfo,
                           TReportKind::Department}) {
    TReportFixture f;
    f.Options.Kind = kind;
    f.Options.InformationList = false;
    f.Settings.Organization.clear();  // an empty name leaves its line blank
    const TDocument doc = f.Run();
    ASSERT_EQ(doc.Pages.size(), 1u) << ReportKey(kind);
    const TLines lines = PageLines(doc.Pages[0]);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Date: 03/15/2024 | Page: 1") << ReportKey(kind);
    EXPECT_EQ(lines[1], ReportTitle(kind, false));
  }
}

// The organisation's name shares its line with "Date:" and "Page:": a long one is shortened from
// its end so that it overprints neither, a short one is printed whole.
TEST(Reports, LongOrganisationNameIsShortenedClearOfDateAndPage) {
  const std::string longName(76, 'W');
  struct Case {
    std::string name;
    bool whole;
  } cases[] = {
      {"Acme Works", true},
      {longName, false},
      {"Northern Regional Health and Social Care Cooperative of the Greater Lakes", false}};
  for (const Case& c : cases) {
    TReportFixture f;
    f.Employees({1, 3});
    f.Options.Kind = TReportKind::Absence;
    f.Options.NewPagePerGroup = true;
    f.Settings.Organization = c.name;
    const TDocument doc = f.Run();
    ASSERT_GE(doc.Pages.size(), 2u);
    for (const TPage& page : doc.Pages) {
      const TTextItem *name = nullptr, *date = nullptr, *number = nullptr;
      for (const TTextItem& t : page.Texts) {
        if (t.Text.rfind("Date:", 0) == 0 && !date) date = &t;
        if (t.Text.rfind("Page:", 0) == 0 && !number) number = &t;
        if (!t.Text.empty() && c.name.rfind(t.Text, 0) == 0 && t.Font.Size > 14) name = &t;
      }
      ASSERT_TRUE(name && date && number) << c.name;
      EXPECT_EQ(name->Text == c.name, c.whole) << name->Text;
      EXPECT_GE(name->X, date->X + date->Width) << name->Text;
      EXPECT_LE(name->X + name->Width, number->X) << name->Text;
      // Still centred on the page.
      EXPECT_NEAR(name->X + name->Width / 2, doc.PageWidth / 2, 0.01);
    }
  }
}

}  // namespace
}  // namespace absence::test
