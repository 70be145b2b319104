// absence-cli import and export of employees and absence entries as text files.
#include <iostream>

#include "accrual/dates.h"
#include "app/cli/cli.h"
#include "convert/export_run.h"
#include "convert/import_run.h"
#include "convert/text_file.h"
#include "data/ini_file.h"
#include "data/settings.h"

namespace absence::cli {
namespace {

TConvertContent ContentFromText(const std::string& text) {
  if (text == "employees") return TConvertContent::Employees;
  if (text == "absences") return TConvertContent::Absences;
  throw EUsageError("expected employees or absences: " + text);
}

TFileFormat FormatFromText(const std::optional<std::string>& text) {
  if (!text) throw EUsageError("--format is required (comma, tab or fixed)");
  if (*text == "comma") return TFileFormat::Comma;
  if (*text == "tab") return TFileFormat::Tab;
  if (*text == "fixed") return TFileFormat::Fixed;
  throw EUsageError("--format must be comma, tab or fixed: " + *text);
}

TImportMode ModeFromText(const std::optional<std::string>& text) {
  if (!text) throw EUsageError("--mode is required (replace or add)");
  if (*text == "replace") return TImportMode::Replace;
  if (*text == "add") return TImportMode::Add;
  throw EUsageError("--mode must be replace or add: " + *text);
}

// Dates in the system's date pattern and hours in the user's hours pattern, as the wizard uses.
TConvertOptions OptionsFor(const TContext& ctx, TFileFormat format) {
  TIniFile ini(ctx.IniPath);
  ini.Load();
  TConvertOptions o;
  o.Format = format;
  o.DatePattern = DateFormat();
  o.HourFormat = NormalizeHourFormat(ini.ReadString(kInitSection, "HourFormat", kHourFormatTenth));
  return o;
}

// The run's message on one line (the boxes' texts hold line breaks).
std::string OneLine(std::string text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') {
      out += text[i];
    } else if (i == 0 || text[i - 1] != '\n') {
      out += ' ';
    }
  }
  return out;
}

bool TakeFlag(TContext& ctx, const std::string& name) {
  for (auto it = ctx.Args.begin(); it != ctx.Args.end(); ++it) {
    if (*it != name) continue;
    ctx.Args.erase(it);
    return true;
  }
  return false;
}

void PrintSummary(std::ostream& out, const TImportSummary& s, bool dryRun) {
  out << "records\t" << s.Records << '\n'
      << "employees added\t" << s.EmployeesAdded << '\n'
      << "employees replaced\t" << s.EmployeesRemoved << '\n'
      << "entries added\t" << s.EntriesAdded << '\n'
      << "entries merged\t" << s.EntriesMerged << '\n'
      << "entries replaced\t" << s.EntriesRemoved << '\n';
  for (const auto& d : s.DepartmentsCreated) out << "department created\t" << d << '\n';
  for (const auto& r : s.ReasonsCreated) out << "reason created\t" << r << '\n';
  if (dryRun) out << "dry run: nothing was changed\n";
}

int RunImport(TContext& ctx) {
  const TFileFormat format = FormatFromText(ctx.TakeOption("--format"));
  const TImportMode mode = ModeFromText(ctx.TakeOption("--mode"));
  const bool dryRun = TakeFlag(ctx, "--dry-run");
  ctx.ExpectPositional(2);
  const TConvertContent content = ContentFromText(ctx.Args[0]);
  const TConvertOptions options = OptionsFor(ctx, format);
  TDataSet data = ctx.LoadData();
  TImportSummary s;
  try {
    const auto lines = ReadImportLines(ctx.Args[1], content);
    s = content == TConvertContent::Employees ? ImportEmployees(data, lines, options, mode)
                                              : ImportAbsences(data, lines, options, mode);
  } catch (const EConvertError& e) {
    // Nothing is saved, so even an add-mode import that stopped half-way changes no file.
    *ctx.Err << "absence-cli: " << OneLine(e.what()) << '\n';
    return kExitDataError;
  }
  if (!dryRun) SaveDataSet(data, ctx.DataFolder, false);
  PrintSummary(*ctx.Out, s, dryRun);
  return kExitOk;
}

int RunExport(TContext& ctx) {
  const TFileFormat format = FormatFromText(ctx.TakeOption("--format"));
  const std::optional<std::string> from = ctx.TakeOption("--from");
  const std::optional<std::string> to = ctx.TakeOption("--to");
  ctx.ExpectPositional(2);
  const TConvertContent content = ContentFromText(ctx.Args[0]);
  TExportRange range;
  if (from || to) {
    if (!from || !to) throw EUsageError("--from and --to go together");
    if (content != TConvertContent::Absences) throw EUsageError("--from and --to need absences");
    range = {false, ParseIsoDate(*from), ParseIsoDate(*to)};
    if (range.From > range.To) throw EUsageError("--to is before --from");
  }
  const TConvertOptions options = OptionsFor(ctx, format);
  const TDataSet data = ctx.LoadData();
  const auto lines = content == TConvertContent::Employees ? ExportEmployees(data, options)
                                                           : ExportAbsences(data, options, range);
  try {
    WriteExportLines(ctx.Args[1], lines);
  } catch (const EConvertError& e) {
    *ctx.Err << "absence-cli: " << OneLine(e.what()) << '\n';
    return kExitDataError;
  }
  *ctx.Out << "records\t" << lines.size() << '\n';
  return kExitOk;
}

const TRegistrar kImport(
    "import",
    "import employees|absences FILE --format comma|tab|fixed --mode replace|add [--dry-run]",
    RunImport);
const TRegistrar kExport(
    "export", "export employees|absences FILE --format comma|tab|fixed [--from D --to D]",
    RunExport);

}  // namespace
}  // namespace absence::cli
