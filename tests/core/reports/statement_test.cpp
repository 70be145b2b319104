// The employee statement: one page per employee with entries, totals, balances and signature
// lines; long statements continue with their column headings.
#include "report_test_support.h"

namespace absence::test {
namespace {

using TLines = std::vector<std::string>;

struct TStatementFixture : TReportFixture {
  TStatementFixture() {
    Options.Kind = TReportKind::Statement;
    Options.StartDate = EncodeDate(2024, 1, 1);
    Options.EndDate = EncodeDate(2024, 1, 31);
  }
};

// The rules drawn on a page (signature lines), as "x1-x2".
std::vector<std::string> Rules(const TPage& page) {
  std::vector<std::string> out;
  for (const auto& l : page.Lines) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.2f-%.2f", l.X1, l.X2);
    out.push_back(buf);
  }
  return out;
}

TEST(Statement, OnePagePerEmployeeWithEntriesTotalsBalancesAndSignatures) {
  TStatementFixture f;
  f.Employees({1});
  const TDocument doc = f.Run();
  ASSERT_EQ(doc.Pages.size(), 1u);
  EXPECT_EQ(PageLines(doc.Pages[0]),
            (TLines{"Acme Works",
                    "Date: 03/15/2024 | Page: 1",
                    "Employee Statement",
                    "From 01/01/2024 to 01/31/2024",
                    "Ann Able",
                    "Employee: Able, Ann (ID 1) | Department: Sales",
                    "Date | Reason | Hours",
                    "01/01/2024 | Holiday | 8.0",
                    "01/10/2024 | Vacation | 8.0",
                    "01/31/2024 | Sick | 4.0",
                    "Totals:",
                    "Vacation | 8.0",
                    "Sick | 4.0",
                    "Holiday | 8.0",
                    "Balances as of 01/31/2024",
                    "Absence Reason | Year | Available | Used | Balance",
                    "Vacation | Cal | 50.0 | 8.0 | 42.0",
                    "Sick | Cal | --- | 4.0 | ---",
                    "Holiday | Cal | --- | 8.0 | ---",
                    "I confirm that the absences and balances in this statement are correct.",
                    "Employee signature | Date",
                    "Manager signature (Ann Able) | Date"}));
  // A rule above each signature label and each date, beside each other.
  EXPECT_EQ(Rules(doc.Pages[0]),
            (std::vector<std::string>{"0.75-4.00", "4.50-6.25", "0.75-4.00", "4.50-6.25"}));
}

TEST(Statement, ByDepartmentEachEmployeeStartsAPageAndSaysWhenNothingWasTaken) {
  TStatementFixture f;
  f.Departments({1, 0});
  f.Options.NewPagePerGroup = false;  // a statement is always a page of its own
  const TDocument doc = f.Run();
  ASSERT_EQ(doc.Pages.size(), 3u);
  // Bo: nothing taken, no balance to show.
  EXPECT_EQ(BodyLines(doc.Pages[1], 1.1),
            (TLines{"Bo Baker", "Employee: Baker, Bo (ID 2) | Department: Sales",
                    "Date | Reason | Hours", "No absences in this period.",
                    "I confirm that the absences and balances in this statement are correct.",
                    "Employee signature | Date", "Manager signature (Ann Able) | Date"}));
  // Cy has no department, so no manager to name.
  EXPECT_EQ(
      BodyLines(doc.Pages[2], 1.1),
      (TLines{"Cy Cole", "Employee: Cole, Cy (ID 3) | Department: <No Department>",
              "Date | Reason | Hours", "01/01/2024 | Holiday | 8.0", "01/15/2024 | Vacation | 8.0",
              "Totals:", "Vacation | 8.0", "Holiday | 8.0", "Balances as of 01/31/2024",
              "Absence Reason | Year | Available | Used | Balance",
              "Vacation | Cal | --- | 8.0 | ---", "Holiday | Cal | --- | 8.0 | ---",
              "I confirm that the absences and balances in this statement are correct.",
              "Employee signature | Date", "Manager signature | Date"}));
}

TEST(Statement, ALongStatementContinuesWithItsHeadingsAndKeepsTheSignaturesTogether) {
  TStatementFixture f;
  f.Options.StartDate = EncodeDate(2023, 1, 1);
  f.Options.EndDate = EncodeDate(2023, 12, 31);
  for (int d = 0; d < 70; ++d)
    AddEntry(f.Data.EmpList[2]->Entries, f.Data.EmpList, f.Data.ReasonList, 2,
             EncodeDate(2023, 1, 2) + d * 5, 2, TEntryKind::Own);
  f.Employees({3});
  const TDocument doc = f.Run();
  ASSERT_EQ(doc.Pages.size(), 2u);
  for (const auto& page : doc.Pages) {
    const TLines lines = BodyLines(page, 1.1);
    EXPECT_EQ(lines[0], "Cy Cole");
    EXPECT_EQ(lines[1 + (&page == &doc.Pages[0] ? 1 : 0)], "Date | Reason | Hours");
  }
  const TLines last = AllBodyLines(doc, 1.5);
  EXPECT_NE(std::find(last.begin(), last.end(), "Sick | 140.0"), last.end());
  EXPECT_EQ(last.back(), "Manager signature | Date");
  EXPECT_EQ(Rules(doc.Pages[0]).size(), 0u);
  EXPECT_EQ(Rules(doc.Pages[1]).size(), 4u);
}

}  // namespace
}  // namespace absence::test
