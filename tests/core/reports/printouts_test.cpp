// The four list printouts on the recording pages: their rows, headings and page frames, which
// records they leave out, and where the pages break.
#include <gtest/gtest.h>

#include "report_test_support.h"
#include "reports/list_printouts.h"
#include "reports/selection.h"

namespace absence::test {
namespace {

// The printouts over the small report organisation; today is 15 March 2024.
struct TPrintouts {
  TDataSet Data = MakeReportDataSet();
  TFixedMetrics Metrics;
  TReportSettings Settings;
  TPrintouts() {
    Settings.Organization = "Acme Works";
    Settings.Today = EncodeDate(2024, 3, 15);
  }
  TPrintoutSetup Setup() const { return {Metrics, LetterDevice(600, 0.25), Settings}; }
  TEntryList& Ann() { return Data.EmpList[0]->Entries; }
};

// The lines from the column headings down (the frame ends above 1.35 inches).
std::vector<std::string> Rows(const TPage& page) {
  return BodyLines(page, 1.35);
}

// Every page carries the frame: organization, date, title, subtitle and its own page number.
void ExpectFrame(const TDocument& doc, const std::string& title, const std::string& subtitle) {
  for (std::size_t i = 0; i < doc.Pages.size(); ++i) {
    const auto lines = PageLines(doc.Pages[i]);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Acme Works") << i;
    EXPECT_EQ(lines[1], "Date: 03/15/2024 | Page: " + std::to_string(i + 1)) << i;
    EXPECT_EQ(lines[2], title) << i;
    if (!subtitle.empty()) {
      EXPECT_EQ(lines[3], subtitle) << i;
    }
  }
}

const std::string kEmpHeadings =
    "Name | Employee ID | Start Date | Term Date | Benefits | Department";

TEST(EmployeeListPrintout, RowsFollowTheEmployeeDisplay) {
  struct Row {
    TEmployeeDisplay display;
    const char* subtitle;
    std::vector<std::string> rows;
  } rows[] = {
      {TEmployeeDisplay::All,
       "Includes All Employees",
       {kEmpHeadings, "Able, Ann | 111-22 | 03/01/2015 |    Yes | Sales",
        "Baker, Bo | 01/01/2020 | 06/30/2024 |    No | Sales",
        "Cole, Cy | 333 | 05/01/2018 |    Yes | <No Department>"}},
      {TEmployeeDisplay::Current,
       "Current Employees Only",
       {kEmpHeadings, "Able, Ann | 111-22 | 03/01/2015 |    Yes | Sales",
        "Cole, Cy | 333 | 05/01/2018 |    Yes | <No Department>"}},
      {TEmployeeDisplay::Former,
       "Former Employees Only",
       {kEmpHeadings, "Baker, Bo | 01/01/2020 | 06/30/2024 |    No | Sales"}},
  };
  for (const Row& r : rows) {
    TPrintouts t;
    t.Settings.EmployeeDisplay = r.display;
    const TDocument doc = PrintEmployeeList(t.Setup(), t.Data.EmpList, t.Data.DeptList);
    ASSERT_EQ(doc.Pages.size(), 1u);
    ExpectFrame(doc, "Employee List", r.subtitle);
    EXPECT_EQ(Rows(doc.Pages[0]), r.rows) << r.subtitle;
  }
}

TEST(EmployeeListPrintout, FormerOnlyWithoutFormerEmployeesPrintsTheFrameAndHeadings) {
  TPrintouts t;
  t.Data.EmpList[1]->TermDate = 0;
  t.Data.EmpList[2]->Deleted = true;
  t.Data.EmpList[2]->TermDate = EncodeDate(2024, 1, 1);  // trashed: not listed either
  t.Settings.EmployeeDisplay = TEmployeeDisplay::Former;
  const TDocument doc = PrintEmployeeList(t.Setup(), t.Data.EmpList, t.Data.DeptList);
  ASSERT_EQ(doc.Pages.size(), 1u);
  ExpectFrame(doc, "Employee List", "Former Employees Only");
  EXPECT_EQ(Rows(doc.Pages[0]), std::vector<std::string>{kEmpHeadings});
}

// Rows that fill the last line of a page start no empty page; one more row starts a page
// with the column headings again.
TEST(EmployeeListPrintout, PageBreaksOnlyBeforeARowThatDoesNotFit) {
  auto listOf = [](int count) {
    TPrintouts t;
    t.Data.EmpList.clear();
    for (int i = 0; i < count; ++i)
      AddEmp(t.Data.EmpList, "Name" + std::to_string(1000 + i), "A", "", EncodeDate(2020, 1, 1), 0,
             0, 'F');
    return PrintEmployeeList(t.Setup(), t.Data.EmpList, t.Data.DeptList);
  };
  const std::size_t perPage = Rows(listOf(200).Pages[0]).size() - 1;
  ASSERT_GT(perPage, 30u);
  const TDocument full = listOf(static_cast<int>(perPage));
  EXPECT_EQ(full.Pages.size(), 1u);
  const TDocument over = listOf(static_cast<int>(perPage) + 1);
  ASSERT_EQ(over.Pages.size(), 2u);
  ExpectFrame(over, "Employee List", "Includes All Employees");
  const auto second = Rows(over.Pages[1]);
  ASSERT_EQ(second.size(), 2u);
  EXPECT_EQ(second[0], kEmpHeadings);
  EXPECT_EQ(second[1].substr(0, 8), "Name" + std::to_string(1000 + perPage));
  // No row below the detail area's bottom.
  for (const TPage& page : over.Pages)
    for (const TTextItem& item : page.Texts) EXPECT_LE(item.Y, 10.2);
}

TEST(ReasonListPrintout, ReasonsAndTheirAccrualRules) {
  TPrintouts t;
  AddRule(t.Data.ReasonList[0]->Rules, 961, 1200, 160, 80);
  const int32_t gone =
      AddReason(t.Data.ReasonList, "Jury", true, true, TBasis::Anniversary, TValidate::YearEnd);
  t.Data.ReasonList.back()->Delete(t.Data.EmpList, t.Data.GlobalList);
  ASSERT_GT(gone, 3);
  const TDocument doc = PrintReasonList(t.Setup(), t.Data.ReasonList);
  ASSERT_EQ(doc.Pages.size(), 1u);
  ExpectFrame(doc, "Absence Reasons List", "");
  const std::vector<std::string> expected = {
      "Absence Reason | Active | Policy | Accrual Year | Hours Available",
      "Vacation | Yes | Yes | Calendar Year | As Of Month End",
      "Sick | Yes | No | n/a | n/a",
      "Holiday | Yes | No | n/a | n/a",
      "Benefit Accrual Rules",
      "Months     | Hours      ",
      "Absence Reason | Start | End | Earned | Carry",
      "Vacation | 0 | 960 | 120 | 40",
      "961 | 1200 | 160 | 80",
  };
  EXPECT_EQ(Rows(doc.Pages[0]), expected);
  // "n/a" stands in the middle of its column (4.45 in, 0.75 wide).
  const TTextItem* na = FindText(doc.Pages[0], "n/a");
  ASSERT_NE(na, nullptr);
  EXPECT_NEAR(na->X + na->Width / 2, 4.45 + 0.375, 0.002);
}

TEST(ReasonListPrintout, NoRulesTableWithoutAPolicy) {
  TPrintouts t;
  t.Data.ReasonList[0]->HasPolicy = false;
  const TDocument doc = PrintReasonList(t.Setup(), t.Data.ReasonList);
  for (const std::string& line : Rows(doc.Pages[0]))
    EXPECT_EQ(line.find("Benefit Accrual Rules"), std::string::npos);
  EXPECT_EQ(Rows(doc.Pages[0]).size(), 4u);
}

TEST(AbsenceListPrintout, PrintsTheLiveEntriesOfTheYearInTheChosenOrder) {
  TPrintouts t;
  TDataSet& d = t.Data;
  // Left out: a trashed entry, an exclusion, an entry of a trashed reason, another year.
  AddEntry(t.Ann(), d.EmpList, d.ReasonList, 2, EncodeDate(2024, 3, 1), 4, TEntryKind::Own);
  t.Ann()[static_cast<std::size_t>(FindEntry(t.Ann(), 2, TEntryKind::Own, EncodeDate(2024, 3, 1)))]
      ->AddDelMark(TTrashMark::Record, d.EmpList);
  AddEntry(t.Ann(), d.EmpList, d.ReasonList, 1, EncodeDate(2024, 5, 1), -8, TEntryKind::Exclusion);
  AddReason(d.ReasonList, "Jury", true, false, TBasis::None, TValidate::None, 4);
  AddEntry(t.Ann(), d.EmpList, d.ReasonList, 4, EncodeDate(2024, 4, 1), 8, TEntryKind::Own);
  d.ReasonList.back()->Delete(d.EmpList, d.GlobalList);
  struct Row {
    bool byReason;
    std::vector<std::string> rows;
  } rows[] = {
      {false,
       {"Date | Absence Reason | Hours", "01/01/2024 | Holiday - Global | 8.0",
        "01/10/2024 | Vacation | 8.0", "01/31/2024 | Sick | 4.0", "02/01/2024 | Vacation | 8.0"}},
      {true,
       {"Absence Reason | Date | Hours", "Holiday - Global | 01/01/2024 | 8.0",
        "Sick | 01/31/2024 | 4.0", "Vacation | 01/10/2024 | 8.0", "Vacation | 02/01/2024 | 8.0"}},
  };
  for (const Row& r : rows) {
    const TDocument doc =
        PrintAbsenceList(t.Setup(), t.Ann(), d.ReasonList, 2024, r.byReason, "Able, Ann");
    ASSERT_EQ(doc.Pages.size(), 1u);
    ExpectFrame(doc, "Absence List", "Ann Able - 2024");
    EXPECT_EQ(Rows(doc.Pages[0]), r.rows) << r.byReason;
  }
}

TEST(AbsenceListPrintout, SubtitleNamesTheOwnerFirstNameFirst) {
  struct Row {
    const char* owner;
    const char* subtitle;
  } rows[] = {{"Global Absence", "Global Absence - 2024"},
              {"Able, Ann", "Ann Able - 2024"},
              {"Madonna", "Madonna - 2024"},
              {"de la Cruz, Ana, Jr.", "Ana, Jr. de la Cruz - 2024"}};
  for (const Row& r : rows) {
    TPrintouts t;
    const TDocument doc =
        PrintAbsenceList(t.Setup(), t.Data.GlobalList, t.Data.ReasonList, 2024, false, r.owner);
    EXPECT_EQ(PageLines(doc.Pages[0])[3], r.subtitle);
  }
  TPrintouts t;
  const TDocument global = PrintAbsenceList(t.Setup(), t.Data.GlobalList, t.Data.ReasonList, 2024,
                                            false, "Global Absence");
  EXPECT_EQ(Rows(global.Pages[0]).back(), "01/01/2024 | Holiday - Global | 8.0");
  // Another year: headings only.
  const TDocument empty = PrintAbsenceList(t.Setup(), t.Data.GlobalList, t.Data.ReasonList, 2023,
                                           false, "Global Absence");
  EXPECT_EQ(Rows(empty.Pages[0]).size(), 1u);
}

TEST(AccrualListPrintout, PrintsTheLiveBalancesUnderTheName) {
  TPrintouts t;
  TAccrualList& accruals = t.Data.EmpList[0]->Accruals;
  accruals[0]->Hours = 12.5f;
  SetAccrual(accruals, 2, 3, EncodeDate(2024, 1, 1));
  accruals.back()->AddDelMark(TTrashMark::Record);
  const TDocument doc =
      PrintEmployeeAccruals(t.Setup(), accruals, t.Data.ReasonList, "Able", "Ann");
  ASSERT_EQ(doc.Pages.size(), 1u);
  const std::vector<std::string> expected = {
      "Employees Information List", "Date: 03/15/2024 | Page: 1", "Able, Ann",
      "Accrued Benefit | Hours | As Of Date", "Vacation | 12.5 | 01/01/2020"};
  EXPECT_EQ(PageLines(doc.Pages[0]), expected);
}

// Names longer than their column are cut short with "..." in every list printout, so no row's
// text reaches into the next column or past the right margin; names that fit are printed whole.
TEST(ListPrintouts, LongNamesAreShortenedToTheirColumn) {
  TPrintouts t;
  TDataSet& d = t.Data;
  const std::string person = "Montgomery-Wolfeschlegelsteinhausen";
  const std::string dept = "Regional Customer Service and Warranty Operations";
  const std::string reason = "Statutory Parental Leave (Second Parent) Scheme";
  const std::string id = "ID-12345-678901";  // as long as an Employee ID may be
  d.EmpList[0]->LastName = person;
  d.EmpList[0]->SSN = id;
  d.DeptList[0]->DeptName = dept;         // Sales: Ann's and Bo's
  d.ReasonList[0]->Description = reason;  // Vacation
  AddEntry(t.Ann(), d.EmpList, d.ReasonList, 1, EncodeDate(2024, 3, 4), 8, TEntryKind::Own);
  const TReasonList& reasons = d.ReasonList;
  struct Row {
    const char* printout;
    TDocument doc;
    std::vector<std::string> shortened;  // the long texts of the rows, one per row printed
    std::vector<std::string> whole;      // texts that fit, printed as they are
  } rows[] = {
      {"employees",
       PrintEmployeeList(t.Setup(), d.EmpList, d.DeptList),
       {person, id, dept, dept},
       {"Cole, Cy", "<No Department>", "333"}},
      {"reasons", PrintReasonList(t.Setup(), reasons), {reason, reason}, {"Sick", "Holiday"}},
      {"absences by date",
       PrintAbsenceList(t.Setup(), t.Ann(), reasons, 2024, false, "Able, Ann"),
       {reason, reason, reason},
       {"Sick", "Holiday - Global"}},
      {"absences by reason",
       PrintAbsenceList(t.Setup(), t.Ann(), reasons, 2024, true, "Able, Ann"),
       {reason, reason, reason},
       {"Sick", "Holiday - Global"}},
      {"accruals",
       PrintEmployeeAccruals(t.Setup(), d.EmpList[0]->Accruals, reasons, "A", "B"),
       {reason},
       {}},
  };
  for (Row& r : rows) {
    ASSERT_EQ(r.doc.Pages.size(), 1u) << r.printout;
    // The rows' texts (the headings are bold), line by line from the left.
    std::vector<TTextItem> texts;
    for (const TTextItem& item : r.doc.Pages[0].Texts)
      if (!item.Font.Bold) texts.push_back(item);
    std::sort(texts.begin(), texts.end(), [](const TTextItem& a, const TTextItem& b) {
      return std::fabs(a.Y - b.Y) > 1e-9 ? a.Y < b.Y : a.X < b.X;
    });
    std::vector<std::string> cut;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const TTextItem& item = texts[i];
      EXPECT_LE(item.X + item.Width, 8.5 - 0.75 + 1e-9) << r.printout << ": " << item.Text;
      if (i + 1 < texts.size() && std::fabs(texts[i + 1].Y - item.Y) < 1e-9) {
        EXPECT_LE(item.X + item.Width, texts[i + 1].X + 1e-9)
            << r.printout << ": \"" << item.Text << "\" runs into \"" << texts[i + 1].Text << '"';
      }
      const std::size_t n = item.Text.size();
      if (n < 8 || item.Text.compare(n - 3, 3, "...") != 0) continue;
      const std::string kept = item.Text.substr(0, n - 3);
      for (const std::string& longText : {person, id, dept, reason})
        if (longText.compare(0, kept.size(), kept) == 0) cut.push_back(longText);
    }
    std::vector<std::string> expected = r.shortened;
    std::sort(expected.begin(), expected.end());
    std::sort(cut.begin(), cut.end());
    EXPECT_EQ(cut, expected) << r.printout;
    for (const std::string& w : r.whole)
      EXPECT_NE(FindText(r.doc.Pages[0], w), nullptr) << r.printout << ": " << w;
  }
}

// The reports' selections (and the selection dialog's lists) order names as the employee list
// does: case and accents aside; equal texts keep their order.
TEST(Selection, SortsNamesAsTheEmployeeListDoes) {
  struct Row {
    TSelection given;
    std::vector<int32_t> ids;  // in the order sorted
  } rows[] = {
      {{{"Zola, Al", 1}, {"\u00d6stberg, Ann", 2}, {"olsen, Bo", 3}, {"Nilsson, Cy", 4}},
       {4, 3, 2, 1}},
      {{{"Sales", 1}, {"Office", 2}, {kNoDepartment, 0}}, {0, 2, 1}},
      {{{"able, ann", 7}, {"Able, Ann", 5}, {"B\u00e4cker", 6}, {"Bahr", 8}}, {7, 5, 6, 8}},
  };
  for (Row& r : rows) {
    SortSelection(r.given);
    std::vector<int32_t> ids;
    for (const TSelectionItem& item : r.given) ids.push_back(item.ID);
    EXPECT_EQ(ids, r.ids) << r.given.front().Text;
  }
}

}  // namespace
}  // namespace absence::test
