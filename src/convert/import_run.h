#pragma once
// Importing employees and absence entries from text lines into the data set.
#include <string>
#include <vector>

#include "convert/convert_error.h"
#include "convert/convert_options.h"
#include "convert/text_file.h"
#include "data/dataset.h"

namespace absence {

enum class TImportMode { Replace, Add };

// What an import changed (or, run on a copy, would change).
struct TImportSummary {
  int Records = 0;           // lines read (blank lines are skipped, not counted)
  int EmployeesAdded = 0;    // employees created from the file
  int EmployeesRemoved = 0;  // existing employees replaced (replace mode)
  int EntriesAdded = 0;      // new entry records
  int EntriesMerged = 0;     // lines whose hours went to an entry of the same reason and date
  int EntriesRemoved = 0;    // existing own entries and exemptions taken away (replace mode)
  int BalancesRemoved = 0;   // existing opening balances taken away (employees, replace mode)
  // Lines that repeat an employee's copy of a company-wide entry (same reason, day and hours, as
  // an export writes the copies): the copy stays the global entry's, never an own entry.
  int CopiesSkipped = 0;
  // Negative-hours lines (exemptions) for a day without a company-wide entry of the reason: there
  // is nothing to exempt the employee from.
  int ExemptionsSkipped = 0;
  std::vector<std::string> DepartmentsCreated;
  std::vector<std::string> ReasonsCreated;
};

// What a replace import takes away from the data set as it is: the employees and their opening
// balances (employee import), the own entries and exemptions (both imports). Copies of company-wide
// entries are not counted: every employee keeps those of the days they are employed on.
struct TReplaceLoss {
  int Employees = 0;
  int Entries = 0;
  int Balances = 0;
};
TReplaceLoss ReplaceLoss(const TDataSet& data, TConvertContent content);

// `lines` as ReadImportLines gives them. An import is all or nothing: a faulty line (its number
// in the message) leaves the data set as it was, in both modes. Failures throw EConvertError.
TImportSummary ImportEmployees(TDataSet& data, const std::vector<std::string>& lines,
                               const TConvertOptions& options, TImportMode mode,
                               const TProgressFn& progress = {});
TImportSummary ImportAbsences(TDataSet& data, const std::vector<std::string>& lines,
                              const TConvertOptions& options, TImportMode mode,
                              const TProgressFn& progress = {});
// The same, reading the file line by line: a large file is never held whole. A read error
// stops the run as a faulty line does.
TImportSummary ImportAbsences(TDataSet& data, TImportFile& file, const TConvertOptions& options,
                              TImportMode mode, const TProgressFn& progress = {});

}  // namespace absence
