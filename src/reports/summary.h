#pragma once
// The month-end summary for payroll: per employee and reason, the hours taken in a period (as
// the absence taken report counts them) and, for reasons with a policy, the hours available and
// the balance at the period's end (as the reason balance report computes them); written as CSV
// or as an .xlsx workbook with a sheet per department and a totals sheet.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "reports/report.h"

namespace absence::reports {

struct TSummaryRow {
  int32_t EmpID = 0;
  std::string Employee;  // FullName
  std::string Department;
  int32_t ReasonID = 0;
  std::string Reason;
  float Taken = 0;
  std::optional<float> Available;  // reasons with a policy and an accrual record
  std::optional<double> Balance;
};

struct TSummaryTotal {
  std::string Reason;
  float Taken = 0;
};

struct TSummaryDept {
  int32_t DeptID = 0;  // 0: "<No Department>"
  std::string Name;
  std::vector<TSummaryRow> Rows;
  std::vector<TSummaryTotal> Totals;  // reasons with hours taken, in reason list order
};

struct TSummary {
  TDate From = 0;
  TDate To = 0;
  std::vector<TSummaryDept> Depts;
  std::vector<TSummaryTotal> Totals;  // the whole summary
  std::size_t Employees = 0;
};

// The summary for the period Options.StartDate..Options.EndDate and the selection (employees or
// departments, by Options.SelectFromEmployees). By department: the departments in selection
// order, each with its shown employees in list order; by employee: the employees in selection
// order, grouped under their departments in the order the department choices list them. A row
// is written for each reason not trashed with hours taken, or with a policy and an available
// figure.
TSummary BuildSummary(const TReportInput& in);

// The column headings, shared by the CSV file and every sheet.
const std::vector<std::string>& SummaryHeadings();

// RFC 4180: CRLF line ends; a field holding the delimiter, a quote, CR or LF is quoted with its
// quotes doubled. Hours are numbers in their shortest form ("7.5"); an absent figure is empty.
void WriteSummaryCsv(std::ostream& out, const TSummary& summary, char delimiter);
// The CSV in place of `path` (UTF-8, replaced whole); throws EDataFileError.
void WriteSummaryCsvFile(const std::string& path, const TSummary& summary, char delimiter);

// The workbook in place of `path`: a "Totals" sheet, then one sheet per department, each with a
// bold header row kept in view, the hours as numbers in `hourPattern` ("#,##0.0") and columns
// wide enough for their texts. Throws EDataFileError.
void WriteSummaryXlsx(const std::string& path, const TSummary& summary,
                      const std::string& hourPattern);

// Sheet names as workbooks accept them: at most 31 characters, none of []:*?/\, not empty,
// unique ignoring ASCII case ("Sales", "Sales (2)").
std::vector<std::string> SheetNames(const std::vector<std::string>& wanted);

}  // namespace absence::reports
