// absence-cli report: every kind into a PDF whose text is the report's, and the balance report's
// figures against the balances command where both use the same dates.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli_runner.h"
#include "report_folder.h"

namespace absence {
namespace {

bool HaveReportCommand() {
  return test::RunCli("report --help").Status == 0;
}

TEST(CliReport, EveryKindWritesAPdfWithItsTitleAndNames) {
  if (!HaveReportCommand()) GTEST_SKIP() << "built without the report command";
  test::TReportFolder f("report");
  struct Case {
    std::string args;
    std::vector<std::string> texts;
  } cases[] = {
      {"absence --from 2024-01-01 --to 2024-01-31",
       {"Absence Taken", "From 01/01/2024 to 01/31/2024 - Detail Report", "Ann Able", "Cy Cole",
        "Report Totals", "Page: 4"}},
      {"balances --as-of 2024-01-31 --emp 1 --emp 3 --no-new-page",
       {"Absence Reason Balances", "As of 01/31/2024", "Able, Ann", "Cole, Cy", "Remaining"}},
      {"empinfo --dept 1 --no-new-page",
       {"Employee Information List", "Sales", "Able, Ann", "Baker, Bo", "Term Date:"}},
      {"department --plain", {"Department List", "Office", "Sales", "Page: 2"}},
      {"department --no-new-page", {"Department Information List", "Unassigned Employees"}},
      {"calendar --year 2024 --month 1 --each-employee",
       {"Absence Calendar", "January 2024", "Wednesday", "Able, Ann - Holiday"}},
  };
  for (const auto& c : cases) {
    const std::string pdf = f.tmp.File("r.pdf");
    std::filesystem::remove(pdf);
    const auto run = test::RunCli(f.args + c.args + " --today 2024-03-15 --pdf " + pdf);
    ASSERT_EQ(run.Status, 0) << c.args;
    ASSERT_TRUE(std::filesystem::exists(pdf)) << c.args;
    const std::string text = f.PdfText(pdf);
    if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
    for (const std::string& t : {std::string("Acme Works"), std::string("Date: 03/15/2024")})
      EXPECT_NE(text.find(t), std::string::npos) << c.args << ": " << t;
    for (const auto& t : c.texts) EXPECT_NE(text.find(t), std::string::npos) << c.args << ": " << t;
  }
}

TEST(CliReport, BadSelectionsAndArguments) {
  if (!HaveReportCommand()) GTEST_SKIP() << "built without the report command";
  test::TReportFolder f("report");
  const std::string pdf = " --pdf " + f.tmp.File("x.pdf");
  struct Case {
    std::string args;
    int status;
  } cases[] = {
      {"absence --from 2024-01-01" + pdf, 2},                  // --to missing
      {"absence --from 2024-02-01 --to 2024-01-31" + pdf, 2},  // ends before it begins
      {"balances --emp 1 --dept 1" + pdf, 2},                  // one or the other
      {"balances --emp 99" + pdf, 1},                          // no such employee
      {"empinfo --dept 7" + pdf, 1},                           // no such department
      {"calendar --month 13" + pdf, 2},
      {"calendar --dept 9" + pdf, 1},
      {"balances", 2},  // --pdf missing
      {"absence --from 2024-01-01 --to 2024-01-31 --pdf /nonexistent/dir/x.pdf", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(test::RunCli(f.args + c.args).Status, c.status) << c.args;
}

TEST(CliReport, BalanceFiguresEqualTheBalancesCommandOnTheSameDates) {
  if (!HaveReportCommand()) GTEST_SKIP() << "built without the report command";
  test::TReportFolder f("report");
  // On 31 December both rules take the year's hours used up to the year end and the hours
  // available at the start of the next year.
  const std::string pdf = f.tmp.File("b.pdf");
  ASSERT_EQ(test::RunCli(f.args + "balances --as-of 2024-12-31 --emp 1 --pdf " + pdf).Status, 0);
  const std::string text = f.PdfText(pdf);
  if (text.empty()) GTEST_SKIP() << "pdftotext is not available";
  const std::string tsv = test::RunCli("--data " + f.tmp.Folder() + " --ini " +
                                       f.tmp.File("absence.ini") + " balances 2024-12-31 --emp 1")
                              .Out;
  std::istringstream lines(tsv);
  std::string line;
  int checked = 0;
  while (std::getline(lines, line)) {
    std::vector<std::string> col;
    std::istringstream cells(line);
    for (std::string c; std::getline(cells, c, '\t');) col.push_back(c);
    col.resize(6);
    if (col[1] != "1") continue;  // Vacation: the reason with an accrual record
    std::istringstream report(text);
    std::string r;
    bool found = false;
    while (std::getline(report, r)) {
      std::istringstream words(r);
      std::vector<std::string> w;
      for (std::string x; words >> x;) w.push_back(x);
      if (w.size() == 5 && w[0] == "Vacation") {
        EXPECT_EQ(w[2], col[4]) << r;  // available
        EXPECT_EQ(w[3], col[3]) << r;  // used
        EXPECT_EQ(w[4], col[5]) << r;  // balance
        found = true;
      }
    }
    EXPECT_TRUE(found) << text;
    ++checked;
  }
  EXPECT_EQ(checked, 1) << tsv;
}

}  // namespace
}  // namespace absence

namespace absence {
namespace {

// A report or printout written where the disk fills up (a file size limit stands in for a full
// device) fails with a message and exit 1, and the file written before stays whole; written
// where there is room it replaces that file.
TEST(CliReport, AFailedWriteKeepsThePreviousFile) {
  if (!HaveReportCommand()) GTEST_SKIP() << "built without the report command";
  test::TReportFolder f("");
  const std::string pdf = f.tmp.File("r.pdf");
  const std::string err = f.tmp.File("err.txt");
  for (const char* command : {"report department --plain", "print employees"}) {
    SCOPED_TRACE(command);
    std::ofstream(pdf, std::ios::binary) << "the previous printout";
    const std::string run = std::string(ABSENCE_CLI) + " " + f.args + command + " --pdf " + pdf;
    // Past 1 KiB every write fails with EFBIG instead of stopping the program.
    const int raw =
        std::system(("trap '' XFSZ; ulimit -f 2; " + run + " >/dev/null 2>" + err).c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    std::ifstream message(err);
    const std::string errors(std::istreambuf_iterator<char>(message), {});
    EXPECT_NE(errors.find("absence-cli: "), std::string::npos) << errors;
    EXPECT_NE(errors.find(std::strerror(EFBIG)), std::string::npos) << errors;
    std::ifstream kept(pdf, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "the previous printout");
    for (const auto& entry : std::filesystem::directory_iterator(f.tmp.Folder()))
      EXPECT_EQ(entry.path().filename().string().find("r.pdf."), std::string::npos)
          << "left behind: " << entry.path();
    ASSERT_EQ(test::RunCli(f.args + command + " --pdf " + pdf).Status, 0);
    std::ifstream written(pdf, std::ios::binary);
    std::string head(4, '\0');
    written.read(head.data(), 4);
    EXPECT_EQ(head, "%PDF");
  }
}

}  // namespace
}  // namespace absence

namespace absence {
namespace {

// One page of `pdftotext -bbox`: its size and its words' boxes, in points from the top left.
struct TBoxPage {
  double Width = 0, Height = 0;
  struct TWord {
    double XMin, YMin, XMax, YMax;
    std::string Text;
  };
  std::vector<TWord> Words;
};

double Attribute(const std::string& tag, const std::string& name) {
  const std::size_t at = tag.find(" " + name + "=\"");
  return at == std::string::npos ? -1 : std::atof(tag.c_str() + at + name.size() + 3);
}

// The pages of a PDF file as pdftotext lays out its words; empty when pdftotext cannot run.
std::vector<TBoxPage> PdfBoxes(const test::TReportFolder& f, const std::string& pdf) {
  const std::string html = f.tmp.File("boxes.html");
  std::filesystem::remove(html);
  if (std::system(("pdftotext -bbox " + pdf + " " + html + " 2>/dev/null").c_str()) != 0) return {};
  std::ifstream in(html);
  std::vector<TBoxPage> pages;
  for (std::string line; std::getline(in, line);) {
    const std::size_t tag = line.find_first_not_of(' ');
    if (tag == std::string::npos) continue;
    if (line.compare(tag, 6, "<page ") == 0) {
      pages.push_back({Attribute(line, "width"), Attribute(line, "height"), {}});
    } else if (line.compare(tag, 6, "<word ") == 0 && !pages.empty()) {
      const std::size_t open = line.find('>', tag), close = line.rfind("</word>");
      pages.back().Words.push_back({Attribute(line, "xMin"), Attribute(line, "yMin"),
                                    Attribute(line, "xMax"), Attribute(line, "yMax"),
                                    line.substr(open + 1, close - open - 1)});
    }
  }
  return pages;
}

// The report folder with a settings file naming a 76-character organization.
struct TLongNameFolder : test::TReportFolder {
  std::string Name = std::string(76, 'W');
  std::string Args;
  explicit TLongNameFolder(const std::string& command) : test::TReportFolder(command) {
    std::ofstream(tmp.File("long.ini")) << "[Initialization]\nOrganization=" << Name << "\n";
    Args = "--data " + tmp.Folder() + " --ini " + tmp.File("long.ini") + " " + command + " ";
  }
};

TEST(CliReport, PaperChosenGivesItsPageSizeAndEveryWordStaysInsideTheMargins) {
  if (!HaveReportCommand()) GTEST_SKIP() << "built without the report command";
  constexpr double kPoint = 1.0 / 72;  // inches
  // Nothing comes nearer the sheet's sides than the calendar's left margin, nearer the top than
  // the page heading or nearer the bottom than the calendar's grid; the tolerance is for the
  // fonts' ascent and descent.
  constexpr double kSide = 0.45 / kPoint, kTop = 0.25 / kPoint, kBottom = 0.3 / kPoint;
  constexpr double kSlack = 1.5;
  struct Paper {
    const char* name;
    double width, height;  // points, upright
  } papers[] = {{"a4", 595, 842}, {"letter", 612, 792}};
  struct Case {
    const char* command;
    std::string args;
    bool landscape;
  } cases[] = {
      {"report", "absence --from 2024-01-01 --to 2024-01-31", false},
      {"report", "balances --as-of 2024-01-31 --no-new-page", false},
      {"report", "statement --from 2024-01-01 --to 2024-01-31", false},
      {"report", "calendar --year 2024 --month 1 --each-employee", true},
      {"print", "employees", false},
      {"print", "absences --emp 1 --year 2024", false},
  };
  for (const Paper& p : papers)
    for (const Case& c : cases) {
      TLongNameFolder f(c.command);
      const std::string what = std::string(p.name) + ": " + c.command + " " + c.args;
      const std::string pdf = f.tmp.File("p.pdf");
      const auto run =
          test::RunCli(f.Args + c.args + " --today 2024-03-15 --paper " + p.name + " --pdf " + pdf);
      ASSERT_EQ(run.Status, 0) << what;
      const std::vector<TBoxPage> pages = PdfBoxes(f, pdf);
      if (pages.empty()) GTEST_SKIP() << "pdftotext is not available";
      const double w = c.landscape ? p.height : p.width, h = c.landscape ? p.width : p.height;
      for (std::size_t i = 0; i < pages.size(); ++i) {
        const TBoxPage& page = pages[i];
        EXPECT_NEAR(page.Width, w, 0.01) << what;
        EXPECT_NEAR(page.Height, h, 0.01) << what;
        ASSERT_FALSE(page.Words.empty()) << what;
        const TBoxPage::TWord* name = nullptr;
        for (const auto& word : page.Words) {
          const std::string where = what + " page " + std::to_string(i + 1) + ": " + word.Text;
          EXPECT_GE(word.XMin, kSide - kSlack) << where;
          EXPECT_LE(word.XMax, w - kSide + kSlack) << where;
          EXPECT_GE(word.YMin, kTop - kSlack) << where;
          EXPECT_LE(word.YMax, h - kBottom + kSlack) << where;
          if (word.Text.rfind("WWW", 0) == 0) name = &word;
        }
        // The organization, cut short, stays clear of "Date: ..." and "Page: ...".
        ASSERT_NE(name, nullptr) << what;
        EXPECT_LT(name->Text.size(), f.Name.size()) << what;
        for (const auto& word : page.Words) {
          if (&word == name || word.YMin > name->YMax) continue;
          EXPECT_TRUE(word.XMax <= name->XMin || word.XMin >= name->XMax)
              << what << ": \"" << word.Text << "\" under the organization's name";
        }
      }
    }
}

TEST(CliReport, PaperComesFromTheLocaleUnlessChosenAndOtherSizesAreRefused) {
  if (!HaveReportCommand()) GTEST_SKIP() << "built without the report command";
  test::TReportFolder f("report");
  const std::string pdf = f.tmp.File("l.pdf");
  const std::string args = f.args + "department --plain --today 2024-03-15 --pdf " + pdf;
  struct Case {
    std::string environment;
    std::string paper;
    double width;  // points; 0: refused
  } cases[] = {
      {"LC_PAPER=en_US.UTF-8", "", 612},
      {"LC_PAPER=en_CA", "", 612},
      {"LC_PAPER=de_DE.UTF-8", "", 595},
      {"LC_PAPER=en_GB.UTF-8", "", 595},
      {"LC_PAPER=C.UTF-8", "", 595},
      {"LC_PAPER=de_DE.UTF-8 LC_ALL=en_US.UTF-8", "", 612},
      {"LANG=en_US.UTF-8", "", 612},
      {"LC_PAPER=en_US.UTF-8", " --paper a4", 595},
      {"LC_PAPER=de_DE.UTF-8", " --paper letter", 612},
      {"", " --paper a5", 0},
      {"", " --paper A4x", 0},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(pdf);
    const auto run = test::RunShell("env -u LC_ALL -u LC_PAPER -u LANG " + c.environment + " " +
                                    ABSENCE_CLI + " " + args + c.paper + " 2>&1");
    if (c.width == 0) {
      EXPECT_EQ(run.Status, 2) << c.paper;
      EXPECT_NE(run.Out.find("a4 or letter"), std::string::npos) << run.Out;
      EXPECT_FALSE(std::filesystem::exists(pdf)) << c.paper;
      continue;
    }
    ASSERT_EQ(run.Status, 0) << c.environment << c.paper << ": " << run.Out;
    const std::vector<TBoxPage> pages = PdfBoxes(f, pdf);
    if (pages.empty()) GTEST_SKIP() << "pdftotext is not available";
    EXPECT_NEAR(pages[0].Width, c.width, 0.01) << c.environment << c.paper;
  }
  for (const char* command : {"report absence", "print employees"})
    EXPECT_NE(test::RunCli(std::string(command) + " --help").Out.find("--paper a4|letter"),
              std::string::npos)
        << command;
}

}  // namespace
}  // namespace absence
