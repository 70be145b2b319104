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
