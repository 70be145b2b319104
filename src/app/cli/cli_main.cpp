// absence-cli: the data set, balances, reports, import and export for scripts.
#include <iostream>
#include <map>
#include <vector>

#include "app/cli/cli.h"
#include "data/generations.h"
#include "data/journal.h"
#include "data/paths.h"
#include "data/settings_file.h"

namespace absence::cli {
namespace {

std::vector<TFamilyFn>& Families() {
  static std::vector<TFamilyFn> families;
  return families;
}

std::map<const CLI::App*, TRunFn>& Runners() {
  static std::map<const CLI::App*, TRunFn> runners;
  return runners;
}

// One line on stderr and exit 1 for data errors; usage errors go back to main.
// The runner of the deepest command chosen ("report absence" runs the one of "absence").
const TRunFn* ChosenRunner(const CLI::App& app) {
  for (const CLI::App* sub : app.get_subcommands()) {
    if (const TRunFn* deeper = ChosenRunner(*sub)) return deeper;
    const auto it = Runners().find(sub);
    if (it != Runners().end()) return &it->second;
  }
  return nullptr;
}

int RunChosen(const CLI::App& app, TContext& ctx) {
  const TRunFn* run = ChosenRunner(app);
  if (!run) throw EUsageError("no command given");
  try {
    return (*run)(ctx);
  } catch (const EUsageError&) {
    throw;
  } catch (const std::exception& e) {
    *ctx.Err << "absence-cli: " << e.what() << '\n';
    return kExitDataError;
  }
}

}  // namespace

TRegistrar::TRegistrar(TFamilyFn family) {
  Families().push_back(family);
}

CLI::App* AddCommand(CLI::App& app, const std::string& name, const std::string& description,
                     TRunFn run) {
  CLI::App* sub = app.add_subcommand(name, description);
  Runners()[sub] = std::move(run);
  return sub;
}

TDataSet TContext::LoadData() const {
  TDataSet data;
  TWarnings warnings;
  LoadDataSetReadOnly(data, DataFolder, &warnings);
  ReportWarnings(warnings);
  return data;
}

const TSettings& TContext::Preferences() const {
  if (!preferences_) {
    TSettingsFile file(IniPath);
    file.Load();
    preferences_ = file.ReadPreferences();
  }
  return *preferences_;
}

void TContext::SaveData(TDataSet& data, const std::vector<TJournalRecord>& events) const {
  if (Repaired) {
    *Err << "warning: the data files as they were read are kept in "
         << KeepDataFilesAside(DataFolder, std::time(nullptr)) << '\n';
    Repaired = false;
  }
  const TLockEnvironment platform = TLockEnvironment::Real();
  TSaveJournal journal;
  for (TJournalRecord r : events) {
    if (r.Time == 0) r.Time = JournalNow();
    r.User = platform.UserName();
    r.Host = platform.HostName();
    journal.Lines += JournalLine(r);
  }
  SaveDataSet(data, DataFolder, false, TFileOps::Real(), Preferences().Generations, &journal);
  ReportWarnings(journal.Problems);
}

TDataSet TContext::LoadDataForWriting(const std::string& command) {
  if (!Lock) Lock = std::make_shared<TFolderLock>(DataFolder, "absence-cli " + command);
  const TLockResult r = Lock->Acquire();
  if (r.Outcome == TLockOutcome::NotWritable)
    throw EDataFileError("the data cannot be changed: " + r.Message);
  if (r.Outcome != TLockOutcome::Taken) throw EDataFileError(r.Message);
  if (!r.Message.empty()) *Err << "note: " << r.Message << '\n';
  TDataSet data;
  TWarnings warnings;
  LoadDataSet(data, DataFolder, &warnings);
  ReportWarnings(warnings);
  Repaired = !warnings.empty();
  return data;
}

void TContext::ReportWarnings(const TWarnings& warnings) const {
  for (const auto& w : warnings) *Err << "warning: " << w << '\n';
}

}  // namespace absence::cli

int main(int argc, char** argv) {
  using namespace absence;
  using namespace absence::cli;
  CLI::App app("absence-cli: the Absence data set, balances, reports, import and export",
               "absence-cli");
  std::string data, ini;
  app.add_option("--data", data, "data folder (default: the program's data folder)");
  app.add_option("--ini", ini, "settings file (default: the user's ABSENCE.INI)");
  app.require_subcommand(1);
  for (const TFamilyFn family : Families()) family(app);
  try {
    app.parse(argc, argv);
    TContext ctx;
    ctx.Out = &std::cout;
    ctx.Err = &std::cerr;
    ctx.DataFolder =
        data.empty() ? DefaultDataFolder(ProgramFolder()) : WithTrailingSeparator(data);
    ctx.IniPath = ini.empty() ? DefaultIniPath() : ini;
    return RunChosen(app, ctx);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();  // the chosen command's help when one was given
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    std::cerr << "absence-cli: " << e.what() << "\nRun with --help for more information.\n";
    return kExitUsage;
  } catch (const EUsageError& e) {
    std::cerr << "absence-cli: " << e.what() << "\nRun with --help for more information.\n";
    return kExitUsage;
  }
}
