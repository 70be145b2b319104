// absence-cli import and export: employees and absence entries as text files (the wizard's
// formats), and the absences as an iCalendar file.
#include <iostream>
#include <map>
#include <memory>

#include "app/cli/cli.h"
#include "app/cli/cli_summary.h"
#include "convert/export_run.h"
#include "convert/ical/ical_export.h"
#include "convert/import_run.h"
#include "convert/text_file.h"
#include "data/settings.h"
#include "dates/date_text.h"
#include "dates/dates.h"
#include "edit/changes.h"
#include "edit/records_copy.h"

namespace absence::cli {
namespace {

const std::map<std::string, TFileFormat> kFormats = {
    {"comma", TFileFormat::Comma}, {"tab", TFileFormat::Tab}, {"fixed", TFileFormat::Fixed}};

// The user's hours pattern from the settings file.
std::string HourFormatSetting(const TContext& ctx) {
  return HourFormatPattern(ctx.Preferences().HourFormat);
}

// Dates in the system's date pattern and hours in the user's hours pattern, as the wizard uses.
TConvertOptions OptionsFor(const TContext& ctx, const std::string& format,
                           const std::string& encoding = "windows-1252") {
  TConvertOptions o;
  o.Format = kFormats.at(format);
  o.Encoding = encoding == "utf-8" ? TTextEncoding::Utf8 : TTextEncoding::Windows1252;
  o.DatePattern = DateFormat();
  o.HourFormat = HourFormatSetting(ctx);
  return o;
}

// The run's message on one line (the wizard's boxes show it with line breaks).
std::string OneLine(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n')
      out += text[i];
    else if (i == 0 || text[i - 1] != '\n')
      out += ' ';
  }
  return out;
}

int Failed(const TContext& ctx, const EConvertError& e) {
  *ctx.Err << "absence-cli: " << OneLine(e.what()) << '\n';
  return kExitDataError;
}

void PrintSummary(std::ostream& out, const TImportSummary& s, bool dryRun) {
  out << "records\t" << s.Records << '\n'
      << "employees added\t" << s.EmployeesAdded << '\n'
      << "employees replaced\t" << s.EmployeesRemoved << '\n'
      << "entries added\t" << s.EntriesAdded << '\n'
      << "entries merged\t" << s.EntriesMerged << '\n'
      << "entries replaced\t" << s.EntriesRemoved << '\n';
  if (s.BalancesRemoved > 0) out << "balances replaced\t" << s.BalancesRemoved << '\n';
  if (s.CopiesSkipped > 0) out << "company holiday copies skipped\t" << s.CopiesSkipped << '\n';
  if (s.ExemptionsSkipped > 0)
    out << "exemptions without a company holiday skipped\t" << s.ExemptionsSkipped << '\n';
  for (const auto& d : s.DepartmentsCreated) out << "department created\t" << d << '\n';
  for (const auto& r : s.ReasonsCreated) out << "reason created\t" << r << '\n';
  if (dryRun) out << "dry run: nothing was changed\n";
}

struct TImportArgs {
  std::string File;
  std::string Format;
  std::string Mode;
  bool DryRun = false;
};

int RunImport(TContext& ctx, TConvertContent content, const TImportArgs& a) {
  const TConvertOptions options = OptionsFor(ctx, a.Format);
  const TImportMode mode = a.Mode == "replace" ? TImportMode::Replace : TImportMode::Add;
  TDataSet data = a.DryRun ? ctx.LoadData() : ctx.LoadDataForWriting("import");
  // Imported into a copy, which then replaces the data set as the desktop program's import
  // does, so the history records what the import changed.
  TDataSet imported = edit::CloneDataSet(data);
  TImportSummary s;
  try {
    if (content == TConvertContent::Employees) {
      s = ImportEmployees(imported, ReadImportLines(a.File, content), options, mode);
    } else {
      // Line by line: an absence file can hold millions of lines.
      TImportFile file(a.File, content);
      s = ImportAbsences(imported, file, options, mode);
    }
  } catch (const EConvertError& e) {
    // A faulty line leaves the data set as it was, and nothing is saved.
    return Failed(ctx, e);
  }
  if (!a.DryRun) {
    std::string words =
        content == TConvertContent::Employees ? "Import employees" : "Import absences";
    words += mode == TImportMode::Replace ? " (replace)" : "";
    words += " from ";
    words += a.File;
    words += " (absence-cli import)";
    edit::TReplaceDataSet import(std::move(imported), words, journal_kind::kImport);
    import.Apply(data);
    ctx.SaveData(data, {import.Journal()});
  }
  PrintSummary(*ctx.Out, s, a.DryRun);
  return kExitOk;
}

struct TExportArgs {
  std::string File;
  std::string Format;
  std::string Encoding = "windows-1252";
  TExportRange Range;
};

int RunExport(TContext& ctx, TConvertContent content, const TExportArgs& a) {
  const TConvertOptions options = OptionsFor(ctx, a.Format, a.Encoding);
  const TDataSet data = ctx.LoadData();
  std::size_t records = 0;
  try {
    if (content == TConvertContent::Employees) {
      const auto lines = ExportEmployees(data, options);
      WriteExportLines(a.File, lines);
      records = lines.size();
    } else {
      // Written as they are made: an absence export can have millions of lines.
      records = WriteAbsenceExport(a.File, data, options, a.Range);
    }
  } catch (const EConvertError& e) {
    return Failed(ctx, e);
  }
  *ctx.Out << "records\t" << records << '\n';
  return kExitOk;
}

// --from and --to together, the first not after the second; none means all dates.
void AddRange(CLI::App* cmd, TExportRange& range) {
  CLI::Option* from = AddDate(cmd, "--from", range.From, "first date written");
  CLI::Option* to = AddDate(cmd, "--to", range.To, "last date written");
  from->needs(to);
  to->needs(from);
  cmd->callback([&range, from] {
    range.All = from->count() == 0;
    if (!range.All && range.From > range.To) throw EUsageError("--to is before --from");
  });
}

CLI::Option* AddFormat(CLI::App* cmd, std::string& format) {
  return cmd->add_option("--format", format, "comma, tab or fixed")
      ->required()
      ->check(CLI::IsMember({"comma", "tab", "fixed"}));
}

// A parent command (import, export) whose kinds are subcommands; it runs the kind chosen.
class TKinds {
 public:
  TKinds(CLI::App& app, const std::string& name, const std::string& description) {
    auto runs = runs_;
    parent_ = AddCommand(app, name, description, [runs](TContext& ctx) {
      for (const auto& [sub, run] : *runs)
        if (sub->parsed()) return run(ctx);
      throw EUsageError("no kind given");
    });
    parent_->require_subcommand(1);
  }
  CLI::App* Add(const std::string& name, const std::string& description, TRunFn run) {
    CLI::App* sub = parent_->add_subcommand(name, description);
    (*runs_)[sub] = std::move(run);
    return sub;
  }

 private:
  std::shared_ptr<std::map<const CLI::App*, TRunFn>> runs_ =
      std::make_shared<std::map<const CLI::App*, TRunFn>>();
  CLI::App* parent_ = nullptr;
};

void AddImportKind(TKinds& kinds, const std::string& name, TConvertContent content) {
  auto a = std::make_shared<TImportArgs>();
  CLI::App* cmd = kinds.Add(name, "import " + name + " from a text file, then save",
                            [a, content](TContext& ctx) { return RunImport(ctx, content, *a); });
  cmd->add_option("FILE", a->File, "the text file")->required();
  AddFormat(cmd, a->Format);
  cmd->add_option("--mode", a->Mode, "replace the existing records or add to them")
      ->required()
      ->check(CLI::IsMember({"replace", "add"}));
  cmd->add_flag("--dry-run", a->DryRun,
                "read the whole file, report what would change, save nothing");
}

void AddExportKind(TKinds& kinds, const std::string& name, TConvertContent content) {
  auto a = std::make_shared<TExportArgs>();
  CLI::App* cmd = kinds.Add(name, "export " + name + " to a text file",
                            [a, content](TContext& ctx) { return RunExport(ctx, content, *a); });
  cmd->add_option("FILE", a->File, "the text file (created with its folder)")->required();
  AddFormat(cmd, a->Format);
  cmd->add_option("--encoding", a->Encoding, "windows-1252 (the default) or utf-8")
      ->check(CLI::IsMember({"windows-1252", "utf-8"}));
  if (content == TConvertContent::Absences) AddRange(cmd, a->Range);
}

struct TCalendarArgs {
  std::string File;
  TCalendarFilter Filter;
};

int RunCalendar(TContext& ctx, const TCalendarArgs& a) {
  const TDataSet data = ctx.LoadData();
  if (a.Filter.EmpID > 0 && FindEmp(data.EmpList, a.Filter.EmpID, "") < 0)
    throw std::runtime_error("no employee with EmpID " + std::to_string(a.Filter.EmpID));
  if (a.Filter.DeptID > 0 && FindDept(data.DeptList, a.Filter.DeptID, "") < 0)
    throw std::runtime_error("no department with DeptID " + std::to_string(a.Filter.DeptID));
  const TCalendar cal = CalendarText(data, a.Filter, HourFormatSetting(ctx), std::time(nullptr));
  try {
    WriteExportText(a.File, cal.Text);
  } catch (const EConvertError& e) {
    return Failed(ctx, e);
  }
  *ctx.Out << "events\t" << cal.Events << '\n';
  return kExitOk;
}

void AddCalendarKind(TKinds& kinds) {
  auto a = std::make_shared<TCalendarArgs>();
  CLI::App* cmd = kinds.Add("calendar", "the absences as an iCalendar file of all-day events",
                            [a](TContext& ctx) { return RunCalendar(ctx, *a); });
  cmd->add_option("FILE", a->File, "the .ics file (created with its folder)")->required();
  AddRange(cmd, a->Filter.Range);
  AddId(cmd, "--emp", a->Filter.EmpID, "only this employee");
  AddId(cmd, "--dept", a->Filter.DeptID, "only the employees of this department");
}

void AddConvertCommands(CLI::App& app) {
  TKinds imports(app, "import", "import employees or absence entries from a text file");
  AddImportKind(imports, "employees", TConvertContent::Employees);
  AddImportKind(imports, "absences", TConvertContent::Absences);
  TKinds exports(app, "export", "export employees or absence entries, or an iCalendar file");
  AddExportKind(exports, "employees", TConvertContent::Employees);
  AddExportKind(exports, "absences", TConvertContent::Absences);
  AddCalendarKind(exports);
  AddSummaryKind([&exports](const std::string& name, const std::string& what, TRunFn run) {
    return exports.Add(name, what, std::move(run));
  });
}

const TRegistrar kConvert(AddConvertCommands);

}  // namespace
}  // namespace absence::cli
