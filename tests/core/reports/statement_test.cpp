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
  EXPECT_EQ(PageLines(doc.Pages[0]), (TLines{}));
}

TEST(Statement, ByDepartmentEachEmployeeStartsAPageAndSaysWhenNothingWasTaken) {
  TStatementFixture f;
  f.Departments({1, 0});
  f.Options.NewPagePerGroup = false;  // a statement is always a page of its own
  const TDocument doc = f.Run();
  ASSERT_EQ(doc.Pages.size(), 3u);
  EXPECT_EQ(PageLines(doc.Pages[1]), (TLines{}));
  EXPECT_EQ(BodyLines(doc.Pages[2], 1.1), (TLines{}));
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
