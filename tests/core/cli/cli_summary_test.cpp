// absence-cli export summary and report statement: the summary's hours against the absence
// taken report of the same period, the workbook format, and the statements PDF.
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "cli_runner.h"
#include "report_folder.h"

namespace absence {
namespace {

bool HaveReportCommand() {
  return test::RunCli("report --help").Status == 0;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The sample organisation as it stands on 9 December 2026, hours with two decimals.
struct TSampleFolder {
  test::TTempFolder tmp;
  std::string args;
  TSampleFolder() {
    EXPECT_EQ(test::RunCli("sample " + tmp.File("data") + " --today 2026-12-09").Status, 0);
    std::ofstream(tmp.File("absence.ini"))
        << "[Initialization]\nOrganization=Sample\nHourFormat=#,##0.00\n";
    args = "--data " + tmp.File("data") + " --ini " + tmp.File("absence.ini") + " ";
  }
};

// Per employee, the sum of the hours taken column of a tab-delimited summary.
std::map<std::string, double> SummaryHours(const std::string& csv) {
  std::map<std::string, double> sums;
  std::istringstream lines(csv);
  std::string line;
  std::getline(lines, line);  // headings
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> col;
    std::istringstream cells(line);
    for (std::string c; std::getline(cells, c, '\t');) col.push_back(c);
    col.resize(7);
    sums[col[1]] += std::stod(col[4]);
  }
  return sums;
}

// Per employee, the sum of the totals lines under the name in the summary report's text.
std::map<std::string, double> ReportHours(const std::string& text,
                                          const std::map<std::string, double>& names) {
  std::map<std::string, double> sums;
  const std::regex total(R"(^(\S.*?)\s{2,}(-?[\d,]+\.\d\d)$)");
  std::istringstream lines(text);
  std::string line, current;
  while (std::getline(lines, line)) {
    const auto first = line.find_first_not_of(' ');
    if (first == std::string::npos) continue;
    std::string t = line.substr(first);
    while (!t.empty() && t.back() == ' ') t.pop_back();
    if (t == "Report Period Totals") break;
    const std::string cont = " - Continued";
    std::string name = t.ends_with(cont) ? t.substr(0, t.size() - cont.size()) : t;
    if (names.count(name)) {
      current = name;
      continue;
    }
    std::smatch m;
    if (!current.empty() && std::regex_match(t, m, total)) {
      std::string hours = m[2];
      hours.erase(std::remove(hours.begin(), hours.end(), ','), hours.end());
      sums[current] += std::stod(hours);
    }
  }
  return sums;
}

TEST(CliSummary, EveryEmployeesHoursEqualTheAbsenceTakenReportForNovember) {
  if (!HaveReportCommand()) GTEST_SKIP() << "built without the report command";
  TSampleFolder f;
  const std::string csv = f.tmp.File("summary.csv");
  const std::string pdf = f.tmp.File("absence.pdf");
  const std::string period = " --from 2026-11-01 --to 2026-11-30";
  const auto run = test::RunCli(f.args + "export summary " + csv + period + " --delimiter tab");
  ASSERT_EQ(run.Status, 0) << run.Out;
  EXPECT_NE(run.Out.find("employees\t"), std::string::npos);
  ASSERT_EQ(
      test::RunCli(f.args + "report absence --summary --no-new-page" + period + " --pdf " + pdf)
          .Status,
      0);
  test::TReportFolder reader("check");
  const std::string text = reader.PdfText(pdf);
  if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
  const auto summary = SummaryHours(ReadFile(csv));
  ASSERT_GT(summary.size(), 10u);
  std::map<std::string, double> taken;
  for (const auto& [name, hours] : summary)
    if (hours > 0) taken[name] = hours;
  const auto report = ReportHours(text, summary);
  ASSERT_EQ(report.size(), taken.size());
  for (const auto& [name, hours] : taken) EXPECT_NEAR(report.at(name), hours, 0.006) << name;
}

TEST(CliSummary, FormatsSelectionsAndBadArguments) {
  TSampleFolder f;
  const std::string period = " --from 2026-11-01 --to 2026-11-30";
  const std::string xlsx = f.tmp.File("s.xlsx");
  ASSERT_EQ(test::RunCli(f.args + "export summary " + xlsx + period + " --format xlsx").Status, 0);
  EXPECT_EQ(ReadFile(xlsx).substr(0, 2), "PK");
  // One employee: every row is his.
  const std::string one = f.tmp.File("one.csv");
  ASSERT_EQ(test::RunCli(f.args + "export summary " + one + period + " --emp 1").Status, 0);
  const std::string text = ReadFile(one);
  std::istringstream lines(text);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "ID,Employee,Department,Reason,Hours Taken,Available,Balance\r");
  int rows = 0;
  while (std::getline(lines, line)) {
    EXPECT_EQ(line.substr(0, 2), "1,") << line;
    ++rows;
  }
  EXPECT_GT(rows, 0);
  const std::string out = " " + f.tmp.File("x.csv");
  struct Case {
    std::string args;
    int status;
  } cases[] = {
      {"export summary" + out + " --from 2026-11-30 --to 2026-11-01", 2},
      {"export summary" + out + " --from 2026-11-01", 2},
      {"export summary" + out + period + " --format pdf", 2},
      {"export summary" + out + period + " --emp 1 --dept 1", 2},
      {"export summary" + out + period + " --emp 999", 1},
      {"export summary" + out + period + " --dept 999", 1},
      {"export summary /nonexistent/dir/x.csv" + period, 1},
      {"report statement --from 2026-12-01 --to 2026-11-30 --pdf " + f.tmp.File("x.pdf"), 2},
  };
  for (const auto& c : cases) EXPECT_EQ(test::RunCli(f.args + c.args).Status, c.status) << c.args;
  EXPECT_FALSE(std::filesystem::exists(f.tmp.File("x.csv")));
}

TEST(CliSummary, StatementsPdfHasAPagePerEmployee) {
  if (!HaveReportCommand()) GTEST_SKIP() << "built without the report command";
  test::TReportFolder f("report");
  const std::string pdf = f.tmp.File("st.pdf");
  const auto run =
      test::RunCli(f.args + "statement --from 2024-01-01 --to 2024-01-31 --dept 1 --pdf " + pdf);
  ASSERT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, "pages\t2\n");
  const std::string text = f.PdfText(pdf);
  if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
  for (const char* t : {"Employee Statement", "From 01/01/2024 to 01/31/2024", "Ann Able",
                        "Bo Baker", "Employee signature", "Manager signature (Ann Able)"})
    EXPECT_NE(text.find(t), std::string::npos) << t;
}

}  // namespace
}  // namespace absence
