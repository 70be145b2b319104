// absence-cli print: each list printout into a PDF whose text is the list's, and its arguments.
#include <filesystem>

#include "cli_runner.h"
#include "report_folder.h"

namespace absence {
namespace {

bool HavePrintCommand() {
  return test::RunCli("print --help").Status == 0;
}

TEST(CliPrint, EveryPrintoutWritesAPdfWithItsTitleAndRows) {
  if (!HavePrintCommand()) GTEST_SKIP() << "built without the print command";
  test::TReportFolder f("print");
  struct Case {
    std::string args;
    std::vector<std::string> texts;
    std::vector<std::string> absent;
  } cases[] = {
      {"employees",
       {"Employee List", "Includes All Employees", "Able, Ann", "111-22", "Cole, Cy",
        "<No Department>", "Page: 1"},
       {}},
      {"employees --show former", {"Former Employees Only", "Baker, Bo"}, {"Able, Ann"}},
      {"reasons",
       {"Absence Reasons List", "Calendar Year", "As Of Month End", "Benefit Accrual Rules",
        "Earned"},
       {}},
      {"absences --emp 1 --year 2024",
       {"Absence List", "Ann Able - 2024", "Holiday - Global", "01/31/2024", "4.00"},
       {"12/31/2023"}},
      {"absences --global --year 2024 --by-reason",
       {"Global Absence - 2024", "Holiday - Global"},
       {}},
      {"accruals --emp 1",
       {"Employees Information List", "Able, Ann", "As Of Date", "Vacation"},
       {}},
  };
  for (const auto& c : cases) {
    const std::string pdf = f.tmp.File("p.pdf");
    std::filesystem::remove(pdf);
    const auto run = test::RunCli(f.args + c.args + " --today 2024-03-15 --pdf " + pdf);
    ASSERT_EQ(run.Status, 0) << c.args;
    EXPECT_EQ(run.Out, "pages\t1\n") << c.args;
    const std::string text = f.PdfText(pdf);
    if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
    if (c.args != "accruals --emp 1") {
      EXPECT_NE(text.find("Acme Works"), std::string::npos) << c.args;
    }
    EXPECT_NE(text.find("Date: 03/15/2024"), std::string::npos) << c.args;
    for (const auto& t : c.texts) EXPECT_NE(text.find(t), std::string::npos) << c.args << ": " << t;
    for (const auto& t : c.absent)
      EXPECT_EQ(text.find(t), std::string::npos) << c.args << ": " << t;
  }
}

// The balances are listed as the employee dialog lists them (by reason, compared by byte value),
// whatever order the data file keeps them in.
TEST(CliPrint, AccrualsInTheEmployeeDialogsOrder) {
  if (!HavePrintCommand()) GTEST_SKIP() << "built without the print command";
  test::TReportFolder f("print");
  TDataSet d = test::MakeReportDataSet();
  const int32_t leave =
      AddReason(d.ReasonList, "annual leave", true, false, TBasis::None, TValidate::None);
  TAccrualList& ann = d.EmpList[0]->Accruals;  // Vacation already
  SetAccrual(ann, leave, 3, EncodeDate(2021, 1, 1));
  SetAccrual(ann, 2, 5, EncodeDate(2022, 1, 1));  // Sick
  SetAccrual(ann, 3, 7, EncodeDate(2023, 1, 1));  // Holiday
  SaveDataSet(d, f.tmp.Folder(), false);
  const std::string pdf = f.tmp.File("a.pdf");
  const auto run = test::RunCli(f.args + "accruals --emp 1 --pdf " + pdf, true);
  ASSERT_EQ(run.Status, 0) << run.Out;
  const std::string text = f.PdfText(pdf);
  if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
  std::size_t at = text.find("As Of Date");
  ASSERT_NE(at, std::string::npos) << text;
  for (const char* row : {"Holiday", "Sick", "Vacation", "annual leave"}) {
    const std::size_t next = text.find(row, at);
    ASSERT_NE(next, std::string::npos) << row << " missing or out of order:\n" << text;
    at = next;
  }
}

TEST(CliPrint, BadArguments) {
  if (!HavePrintCommand()) GTEST_SKIP() << "built without the print command";
  test::TReportFolder f("print");
  const std::string pdf = " --pdf " + f.tmp.File("x.pdf");
  struct Case {
    std::string args;
    int status;
  } cases[] = {
      {"absences --year 2024" + pdf, 2},       // whose entries?
      {"absences --emp 1 --global" + pdf, 2},  // one or the other
      {"absences --emp 99" + pdf, 1},          // no such employee
      {"accruals" + pdf, 2},                   // --emp missing
      {"accruals --emp 7" + pdf, 1},
      {"employees --show some" + pdf, 2},
      {"reasons", 2},  // --pdf missing
      {"reasons --pdf /nonexistent/dir/x.pdf", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(test::RunCli(f.args + c.args).Status, c.status) << c.args;
}

}  // namespace
}  // namespace absence
