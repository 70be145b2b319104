// Timings of the text import and export on the large organisation.
#include <cstdio>

#include "bench.h"
#include "convert/export_run.h"
#include "convert/import_run.h"
#include "large_org.h"

namespace absence::bench {

void BenchConvert(TReport& report) {
  TDataSet org = MakeLargeOrg();
  TConvertOptions options;
  options.Format = TFileFormat::Comma;
  std::vector<std::string> emps, absences;
  report.Time("export employees", 1.0, [&] { emps = ExportEmployees(org, options); });
  report.Time("export absence entries", 3.0, [&] { absences = ExportAbsences(org, options, {}); });
  std::printf("lines: %zu employees, %zu absence entries\n", emps.size(), absences.size());
  report.Time("import employees (replace)", 1.0,
              [&] { ImportEmployees(org, emps, options, TImportMode::Replace); });
  report.Time("import absence entries (replace)", 5.0,
              [&] { ImportAbsences(org, absences, options, TImportMode::Replace); });
  report.Time("import absence entries (add, all merge)", 5.0,
              [&] { ImportAbsences(org, absences, options, TImportMode::Add); });
}

}  // namespace absence::bench
