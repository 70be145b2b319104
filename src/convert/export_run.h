#pragma once
// Exporting employees and absence entries as text lines.
#include <string>
#include <vector>

#include "convert/convert_options.h"
#include "data/dataset.h"
#include "data/fileio.h"

namespace absence {

// Which entries an absence export writes: all, or those dated From to To, both included.
struct TExportRange {
  bool All = true;
  TDate From = 0;
  TDate To = 0;
  bool Contains(TDate d) const { return All || (d >= From && d <= To); }
};

// One line per employee not in the trash, in list order (in the options' encoding, without line
// ends).
std::vector<std::string> ExportEmployees(const TDataSet& data, const TConvertOptions& options,
                                         const TProgressFn& progress = {});

// One line per entry that is not in the trash and whose reason is not, of every kind (own
// entries, copies of global entries, exclusions with their -1 hours), employee by employee.
std::vector<std::string> ExportAbsences(const TDataSet& data, const TConvertOptions& options,
                                        const TExportRange& range,
                                        const TProgressFn& progress = {});

// ExportAbsences' lines written straight into the file at `path`, as WriteExportLines writes
// them, without holding them all (an export can have millions of lines); returns how many.
std::size_t WriteAbsenceExport(const std::string& path, const TDataSet& data,
                               const TConvertOptions& options, const TExportRange& range,
                               const TProgressFn& progress = {},
                               const TFileOps& ops = TFileOps::Real());

}  // namespace absence
