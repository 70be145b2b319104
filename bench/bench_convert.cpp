// Export of all absence entries to a text file, and their import back (replace) from it.
#include <filesystem>

#include "bench.h"
#include "convert/export_run.h"
#include "convert/import_run.h"
#include "convert/text_file.h"

namespace absence::bench {

void BenchConvert(TSizeRun& run) {
  TConvertOptions options;
  options.Format = TFileFormat::Comma;
  const std::string file = run.Folder + "bench-absences.txt";
  run.Add(MeasureWhole("export_absences", "export all absence entries",
                       run.Target("export_absences"), run.Options.Runs,
                       [&] { WriteAbsenceExport(file, run.Data, options, {}); }));
  run.Add(MeasureWhole("import_absences", "import all absence entries (replace)",
                       run.Target("import_absences"), run.Options.Runs, [&] {
                         TImportFile lines(file, TConvertContent::Absences);
                         ImportAbsences(run.Data, lines, options, TImportMode::Replace);
                       }));
  std::filesystem::remove(file);
}

}  // namespace absence::bench
