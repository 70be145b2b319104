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
  int Records = 0;           // lines read
  int EmployeesAdded = 0;    // employees created from the file
  int EmployeesRemoved = 0;  // existing employees replaced (replace mode)
  int EntriesAdded = 0;      // new entry records
  int EntriesMerged = 0;     // lines whose hours went to an entry of the same reason and date
  int EntriesRemoved = 0;    // existing entries taken away (replace mode)
  std::vector<std::string> DepartmentsCreated;
  std::vector<std::string> ReasonsCreated;
};

// `lines` as ReadImportLines gives them. Replace mode changes the data set only when every line
// was read; add mode keeps what was added before a faulty line. Failures throw EConvertError.
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
