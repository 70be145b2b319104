// The month-end summary against the reports it must agree with (absence taken and reason
// balances), its CSV quoting, and the workbook read back from the .xlsx file.
#include <unistd.h>
#include <unzip.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "data/float_text.h"
#include "data/sample.h"
#include "report_test_support.h"
#include "reports/selection.h"
#include "reports/summary.h"

namespace absence::test {
namespace {

using TFigures = std::map<std::pair<std::string, std::string>, std::string>;  // (emp, reason)

std::string Hours(double v, THourFormat f) {
  return FormatNumber(v, HourFormatPattern(f));
}

// Runs `kind` over all employees by the same selection and reads "reason | figures" lines
// under each employee's name line.
struct TAgreement {
  TDataSet Data;
  TReportSettings Settings;
  TSelection Selection;
  TReportOptions Options;

  TAgreement(TDataSet data, TDate from, TDate to) : Data(std::move(data)) {
    Settings.Today = to;
    Settings.HourFormat = THourFormat::Hundredth;
    Selection = EmployeeChoices(Data.EmpList, Settings.EmployeeDisplay);
    Options.SelectFromEmployees = true;
    Options.NewPagePerGroup = false;
    Options.StartDate = from;
    Options.EndDate = to;
    Options.ReportDate = to;
    Options.Detail = false;
  }
  TReportInput Input() const {
    return {Data.EmpList, Data.DeptList, Data.ReasonList, Data.GlobalList,
            Selection,    Options,       Settings};
  }
  // Per employee and reason, the line's cells after the reason, joined by " | ".
  TFigures ReportFigures(TReportKind kind) {
    Options.Kind = kind;
    const TDocument doc = RunReport(Input(), TFixedMetrics());
    std::set<std::string> names;
    for (const auto& s : Selection) names.insert(s.Text);
    TFigures out;
    std::string current;
    for (const std::string& line : AllBodyLines(doc, 1.25)) {
      if (line == "Report Period Totals") break;
      std::string name = line;
      const std::string cont = " - Continued";
      if (name.size() > cont.size() && name.ends_with(cont)) name.resize(name.size() - cont.size());
      if (names.count(name)) {
        current = name;
        continue;
      }
      const auto bar = line.find(" | ");
      if (current.empty() || bar == std::string::npos) continue;
      const std::string reason = line.substr(0, bar);
      if (reason == "Reason" || reason == "Absence Reason") continue;
      out[{current, reason}] = line.substr(bar + 3);
    }
    return out;
  }
};

// The sample organisation at two different days and the small report organisation: summaries
// of a month must show the absence taken report's totals and the balance report's figures.
TEST(Summary, HoursAndBalancesAgreeWithTheReports) {
  struct Case {
    const char* name;
    TDataSet data;
    TDate from, to;
  } cases[] = {
      {"sample, November", MakeSampleOrganisation(EncodeDate(2026, 12, 9)), EncodeDate(2026, 11, 1),
       EncodeDate(2026, 11, 30)},
      {"sample, a quarter", MakeSampleOrganisation(EncodeDate(2025, 7, 15)), EncodeDate(2025, 1, 1),
       EncodeDate(2025, 3, 31)},
      {"report organisation", MakeReportDataSet(), EncodeDate(2024, 1, 1), EncodeDate(2024, 1, 31)},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    TAgreement a(std::move(c.data), c.from, c.to);
    const TFigures taken = a.ReportFigures(TReportKind::Absence);
    const TFigures balances = a.ReportFigures(TReportKind::Balances);
    const TSummary s = BuildSummary(a.Input());
    EXPECT_EQ(s.Employees, a.Selection.size());
    TFigures summaryTaken;
    std::size_t withBalance = 0;
    for (const auto& d : s.Depts) {
      for (const TSummaryRow& r : d.Rows) {
        EXPECT_EQ(r.Department, d.Name);
        if (r.Taken > 0)
          summaryTaken[{r.Employee, r.Reason}] = Hours(r.Taken, THourFormat::Hundredth);
        if (!r.Available) continue;
        ++withBalance;
        const auto it = balances.find({r.Employee, r.Reason});
        ASSERT_NE(it, balances.end()) << r.Employee << " " << r.Reason;
        // "Year | Available | Used | Balance"
        const std::string& cells = it->second;
        const std::string avail = Hours(*r.Available, THourFormat::Hundredth);
        const std::string bal = Hours(*r.Balance, THourFormat::Hundredth);
        EXPECT_NE(cells.find(" | " + avail + " | "), std::string::npos) << cells << " " << avail;
        EXPECT_TRUE(cells.ends_with(" | " + bal)) << cells << " " << bal;
      }
    }
    EXPECT_EQ(summaryTaken, taken);
    if (std::string(c.name).starts_with("sample")) {
      EXPECT_GT(withBalance, 10u);
    }
    // The totals sheet's figures are the report's period totals.
    a.Options.Kind = TReportKind::Absence;
    const auto lines = AllBodyLines(RunReport(a.Input(), TFixedMetrics()), 1.25);
    const auto at = std::find(lines.begin(), lines.end(), "Report Period Totals");
    ASSERT_NE(at, lines.end());
    std::vector<std::string> reportTotals(at + 1, lines.end());
    std::vector<std::string> summaryTotals;
    for (const auto& t : s.Totals)
      summaryTotals.push_back(t.Reason + " | " + Hours(t.Taken, THourFormat::Hundredth));
    EXPECT_EQ(summaryTotals, reportTotals);
  }
}

TEST(Summary, ByDepartmentGroupsTheDepartmentsEmployeesAndSkipsEmptyOnes) {
  TReportFixture f;
  f.Departments({2, 1, 0});  // Office has nobody
  f.Options.StartDate = EncodeDate(2024, 1, 1);
  f.Options.EndDate = EncodeDate(2024, 1, 31);
  const TSummary s = BuildSummary({f.Data.EmpList, f.Data.DeptList, f.Data.ReasonList,
                                   f.Data.GlobalList, f.Selection, f.Options, f.Settings});
  ASSERT_EQ(s.Depts.size(), 2u);
  EXPECT_EQ(s.Depts[0].Name, "Sales");
  EXPECT_EQ(s.Depts[1].Name, kNoDepartment);
  std::vector<std::string> rows;
  for (const auto& d : s.Depts)
    for (const auto& r : d.Rows)
      rows.push_back(r.Employee + "/" + r.Reason + "/" + ShortestFloatText(r.Taken) + "/" +
                     (r.Available ? ShortestFloatText(*r.Available) : "-"));
  // Bo took nothing and has no accrual record: no rows. Cy's Vacation has a policy but no
  // record, so only the hours taken show.
  EXPECT_EQ(rows, (std::vector<std::string>{"Able, Ann/Vacation/8/50", "Able, Ann/Sick/4/-",
                                            "Able, Ann/Holiday/8/-", "Cole, Cy/Vacation/8/-",
                                            "Cole, Cy/Holiday/8/-"}));
  ASSERT_EQ(s.Depts[0].Totals.size(), 3u);
  EXPECT_EQ(s.Depts[0].Totals[2].Reason, "Holiday");
  EXPECT_FLOAT_EQ(s.Depts[0].Totals[2].Taken, 8);
  EXPECT_FLOAT_EQ(s.Totals[2].Taken, 16);
}

TEST(Summary, CsvQuotesFieldsHoldingTheDelimiterQuotesOrLineBreaks) {
  TSummary s;
  s.Depts.push_back({1, "R&D; Labs", {}, {}});
  s.Depts[0].Rows.push_back(
      {7, "O'Hara, \"Red\" Jo", "R&D; Labs", 1, "Vacation", 7.5f, 80.f, 72.5});
  s.Depts[0].Rows.push_back({8, "Lee, Al", "R&D; Labs", 2, "Sick\tleave\r\nnote", 0.1f, {}, {}});
  struct Case {
    char delimiter;
    std::string expected;
  } cases[] = {
      {',',
       "ID,Employee,Department,Reason,Hours Taken,Available,Balance\r\n"
       "7,\"O'Hara, \"\"Red\"\" Jo\",R&D; Labs,Vacation,7.5,80,72.5\r\n"
       "8,\"Lee, Al\",R&D; Labs,\"Sick\tleave\r\nnote\",0.1,,\r\n"},
      {';',
       "ID;Employee;Department;Reason;Hours Taken;Available;Balance\r\n"
       "7;\"O'Hara, \"\"Red\"\" Jo\";\"R&D; Labs\";Vacation;7.5;80;72.5\r\n"
       "8;Lee, Al;\"R&D; Labs\";\"Sick\tleave\r\nnote\";0.1;;\r\n"},
      {'\t',
       "ID\tEmployee\tDepartment\tReason\tHours Taken\tAvailable\tBalance\r\n"
       "7\t\"O'Hara, \"\"Red\"\" Jo\"\tR&D; Labs\tVacation\t7.5\t80\t72.5\r\n"
       "8\tLee, Al\tR&D; Labs\t\"Sick\tleave\r\nnote\"\t0.1\t\t\r\n"},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    WriteSummaryCsv(out, s, c.delimiter);
    EXPECT_EQ(out.str(), c.expected) << int(c.delimiter);
  }
}

TEST(Summary, SheetNamesAreValidAndUnique) {
  EXPECT_EQ(SheetNames({"Totals", "Sales", "sales", "A/B:C?", "'Quoted'", "",
                        "A department name far longer than thirty-one characters",
                        "A department name far longer than thirty-one characters", "TOTALS"}),
            (std::vector<std::string>{"Totals", "Sales", "sales (2)", "A_B_C_", "Quoted", "Sheet",
                                      "A department name far longer th",
                                      "A department name far longe (2)", "TOTALS (2)"}));
  // Counted in characters, not bytes.
  EXPECT_EQ(SheetNames({std::string(40, 'x') + "\xc3\xa9"})[0], std::string(31, 'x'));
  EXPECT_EQ(SheetNames({std::string(30, 'x') + "\xc3\xa9\xc3\xa9"})[0],
            std::string(30, 'x') + "\xc3\xa9");
}

// ---------------------------------------------------------------------------------------------
// Reading the workbook back.

std::string ZipEntry(const std::string& zip, const std::string& name) {
  unzFile z = unzOpen(zip.c_str());
  if (!z) return "";
  std::string out;
  if (unzLocateFile(z, name.c_str(), 1) == UNZ_OK && unzOpenCurrentFile(z) == UNZ_OK) {
    char buf[8192];
    int n;
    while ((n = unzReadCurrentFile(z, buf, sizeof buf)) > 0)
      out.append(buf, static_cast<std::size_t>(n));
    unzCloseCurrentFile(z);
  }
  unzClose(z);
  return out;
}

std::string Unescape(std::string s) {
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"&lt;", "<"},
                                 {"&gt;", ">"},
                                 {"&quot;", "\""},
                                 {"&apos;", "'"},
                                 {"&amp;", "&"}}) {
    for (std::size_t p = 0; (p = s.find(from, p)) != std::string::npos; p += to.size())
      s.replace(p, from.size(), to);
  }
  return s;
}

struct TSheet {
  std::string Name;
  std::string Xml;
  std::vector<std::vector<std::string>> Rows;  // cell texts; numbers as written
  std::vector<std::vector<bool>> Numeric;
};

std::vector<TSheet> ReadWorkbook(const std::string& path) {
  std::vector<std::string> strings;
  const std::string shared = ZipEntry(path, "xl/sharedStrings.xml");
  const std::regex si("<si><t[^>]*>([^<]*)</t></si>");
  for (auto it = std::sregex_iterator(shared.begin(), shared.end(), si);
       it != std::sregex_iterator(); ++it)
    strings.push_back(Unescape((*it)[1]));
  std::vector<TSheet> sheets;
  const std::string wb = ZipEntry(path, "xl/workbook.xml");
  const std::regex sheet("<sheet name=\"([^\"]*)\"");
  int n = 0;
  for (auto it = std::sregex_iterator(wb.begin(), wb.end(), sheet); it != std::sregex_iterator();
       ++it) {
    TSheet s{Unescape((*it)[1]),
             ZipEntry(path, "xl/worksheets/sheet" + std::to_string(++n) + ".xml"),
             {},
             {}};
    const std::regex row("<row [^>]*>(.*?)</row>");
    const std::regex cell("<c r=\"([A-Z]+)\\d+\"([^>]*)><v>([^<]*)</v></c>");
    for (auto r = std::sregex_iterator(s.Xml.begin(), s.Xml.end(), row);
         r != std::sregex_iterator(); ++r) {
      const std::string cells = (*r)[1];
      std::vector<std::string> texts(7);
      std::vector<bool> numeric(7);
      for (auto c = std::sregex_iterator(cells.begin(), cells.end(), cell);
           c != std::sregex_iterator(); ++c) {
        const std::size_t col = static_cast<std::size_t>((*c)[1].str()[0] - 'A');
        const bool isString = (*c)[2].str().find("t=\"s\"") != std::string::npos;
        texts[col] = isString ? strings.at(std::stoul((*c)[3])) : (*c)[3].str();
        numeric[col] = !isString;
      }
      s.Rows.push_back(texts);
      s.Numeric.push_back(numeric);
    }
    sheets.push_back(std::move(s));
  }
  return sheets;
}

TEST(Summary, WorkbookHoldsTheSameNumbersAsTheCsvWithSheetsPerDepartment) {
  TAgreement a(MakeSampleOrganisation(EncodeDate(2026, 12, 9)), EncodeDate(2026, 11, 1),
               EncodeDate(2026, 11, 30));
  const TSummary s = BuildSummary(a.Input());
  const std::string dir =
      (std::filesystem::temp_directory_path() / ("summary_test_" + std::to_string(::getpid())))
          .string();
  std::filesystem::create_directories(dir);
  const std::string xlsx = dir + "/summary.xlsx";
  std::ofstream(xlsx) << "an older file";
  WriteSummaryXlsx(xlsx, s, "#,##0.00");
  EXPECT_FALSE(std::filesystem::exists(xlsx + ".tmp"));
  const std::vector<TSheet> sheets = ReadWorkbook(xlsx);
  ASSERT_EQ(sheets.size(), s.Depts.size() + 1);
  EXPECT_EQ(sheets[0].Name, "Totals");
  // Every department sheet against the CSV's lines of that department.
  std::ostringstream csv;
  WriteSummaryCsv(csv, s, '\t');
  std::vector<std::string> csvLines;
  std::istringstream in(csv.str());
  for (std::string l; std::getline(in, l);) csvLines.push_back(l.substr(0, l.size() - 1));
  std::size_t next = 1;
  for (std::size_t i = 0; i < s.Depts.size(); ++i) {
    const TSheet& sh = sheets[i + 1];
    EXPECT_EQ(sh.Name, s.Depts[i].Name);
    EXPECT_NE(sh.Xml.find("<pane ySplit=\"1\" topLeftCell=\"A2\""), std::string::npos);
    EXPECT_NE(sh.Xml.find("<cols>"), std::string::npos);
    ASSERT_EQ(sh.Rows.size(), s.Depts[i].Rows.size() + 1);
    EXPECT_EQ(sh.Rows[0], SummaryHeadings());
    for (std::size_t r = 1; r < sh.Rows.size(); ++r) {
      std::vector<std::string> csvCells;
      std::istringstream cells(csvLines.at(next++));
      for (std::string c; std::getline(cells, c, '\t');) csvCells.push_back(c);
      csvCells.resize(7);
      for (std::size_t c = 0; c < 7; ++c) {
        const std::string& cell = sh.Rows[r][c];
        ASSERT_EQ(cell.empty(), csvCells[c].empty()) << r << "/" << c;
        if (cell.empty()) continue;
        // ID and the three figures are numbers, the same single-precision hours as the CSV's.
        EXPECT_EQ(sh.Numeric[r][c], c == 0 || c >= 4) << cell;
        if (sh.Numeric[r][c])
          EXPECT_EQ(static_cast<float>(std::stod(cell)), std::stof(csvCells[c])) << cell;
        else
          EXPECT_EQ(cell, csvCells[c]);
      }
    }
  }
  EXPECT_EQ(next, csvLines.size());
  // The totals sheet: each department's totals, then the whole summary's.
  std::size_t rows = 1;
  for (const auto& d : s.Depts) rows += d.Totals.size();
  ASSERT_EQ(sheets[0].Rows.size(), rows + s.Totals.size());
  for (std::size_t i = 0; i < s.Totals.size(); ++i) {
    const auto& row = sheets[0].Rows[rows + i];
    EXPECT_EQ(row[0], "Total");
    EXPECT_EQ(row[1], s.Totals[i].Reason);
    EXPECT_EQ(static_cast<float>(std::stod(row[2])), s.Totals[i].Taken);
  }
  std::filesystem::remove_all(dir);
}

TEST(Summary, UnwritableFilesAreReportedAndLeaveNothingBehind) {
  TSummary s;
  const std::string missing = "/nonexistent-folder-for-summary/x";
  EXPECT_THROW(WriteSummaryXlsx(missing + ".xlsx", s, "#,##0.0"), EDataFileError);
  EXPECT_THROW(WriteSummaryCsvFile(missing + ".csv", s, ','), EDataFileError);
}

}  // namespace
}  // namespace absence::test
