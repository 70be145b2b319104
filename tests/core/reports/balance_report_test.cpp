// The reason balance report: which lines print, the "---" cases and the figures of the
// accrual engine's report balance rule.
#include "accrual/balances.h"
#include "report_test_support.h"

namespace absence::test {
namespace {

using TLines = std::vector<std::string>;

struct TBalanceFixture : TReportFixture {
  TBalanceFixture() {
    Options.Kind = TReportKind::Balances;
    Options.ReportDate = EncodeDate(2024, 1, 31);
    Options.NewPagePerGroup = false;
  }
};

TEST(BalanceReport, PrintsReasonsWithSomethingToShowOrAllWithDashes) {
  struct Case {
    bool includeAll;
    TLines body;
  } cases[] = {
      {false,
       {"Remaining", "Absence Reason | Year | Available | Used | Balance", "Able, Ann",
        "Vacation | Cal | 50.0 | 8.0 | 42.0", "Sick | Cal | --- | 4.0 | ---",
        "Holiday | Cal | --- | 8.0 | ---", "Baker, Bo", "Cole, Cy",
        "Vacation | Cal | --- | 8.0 | ---", "Holiday | Cal | --- | 8.0 | ---"}},
      {true,
       {"Remaining", "Absence Reason | Year | Available | Used | Balance", "Able, Ann",
        "Vacation | Cal | 50.0 | 8.0 | 42.0", "Sick | Cal | --- | 4.0 | ---",
        "Holiday | Cal | --- | 8.0 | ---", "Baker, Bo", "Vacation | Cal | --- | --- | ---",
        "Sick | Cal | --- | --- | ---", "Holiday | Cal | --- | --- | ---", "Cole, Cy",
        "Vacation | Cal | --- | 8.0 | ---", "Sick | Cal | --- | --- | ---",
        "Holiday | Cal | --- | 8.0 | ---"}},
  };
  for (const auto& c : cases) {
    TBalanceFixture f;
    f.Options.IncludeAllReasons = c.includeAll;
    f.Employees({1, 2, 3});
    const TDocument doc = f.Run();
    EXPECT_EQ(BodyLines(doc.Pages[0], 1.25), c.body) << c.includeAll;
    EXPECT_EQ(PageLines(doc.Pages[0])[3], "As of 01/31/2024");  // the date typed
  }
}

TEST(BalanceReport, NothingUsedPrintsZeroAndTheBalanceEqualsAvailable) {
  TBalanceFixture f;
  f.Options.ReportDate = EncodeDate(2024, 1, 5);  // before Ann's first vacation day
  f.Settings.HourFormat = THourFormat::Hundredth;
  f.Employees({1});
  const TLines body = BodyLines(f.Run().Pages[0], 1.25);
  ASSERT_GE(body.size(), 4u);
  EXPECT_EQ(body[3], "Vacation | Cal | 40.00 | 0.00 | 40.00");
}

TEST(BalanceReport, FiguresAreTheReportBalanceRuleFormatted) {
  TBalanceFixture f;
  f.Options.IncludeAllReasons = true;
  f.Options.ReportDate = EncodeDate(2024, 3, 31);
  auto& d = f.Data;
  // A year-end reason with an anniversary year, and an employee past termination.
  int32_t id = 4;
  id = AddReason(d.ReasonList, "Personal", true, true, TBasis::Anniversary, TValidate::YearEnd, id);
  AddRule(d.ReasonList[3]->Rules, 0, 960, 24, 0);
  SetAccrual(d.EmpList[0]->Accruals, 4, 0, EncodeDate(2020, 3, 1));
  SetAccrual(d.EmpList[1]->Accruals, 1, 0, EncodeDate(2020, 1, 1));
  f.Employees({1, 2});
  const TLines body = BodyLines(f.Run().Pages[0], 1.25);
  std::size_t line = 2;
  for (int e : {0, 1}) {
    ASSERT_LT(line, body.size());
    EXPECT_EQ(body[line++], d.EmpList[static_cast<std::size_t>(e)]->FullName());
    for (const auto& r : d.ReasonList) {
      const TReportBalance b = ReportBalance(*d.EmpList[static_cast<std::size_t>(e)], d.ReasonList,
                                             *r, f.Options.ReportDate, {});
      const auto h = [](double v) {
        return FormatNumber(v, HourFormatPattern(THourFormat::Tenth));
      };
      const std::string want = r->Description + " | " + ReportYearText(*r) + " | " +
                               (b.Available ? h(*b.Available) : "---") + " | " +
                               (b.Used > 0    ? h(b.Used)
                                : b.Available ? h(0)
                                              : "---") +
                               " | " + (b.Balance ? h(*b.Balance) : "---");
      ASSERT_LT(line, body.size());
      EXPECT_EQ(body[line++], want);
    }
  }
  EXPECT_EQ(line, body.size());
}

}  // namespace
}  // namespace absence::test
