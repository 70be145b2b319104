// absence-cli commands on the data set as a whole: check, dump, save, backup, restore, backups.
// Backup and restore carry the change history along beside the backup file.
#include <iostream>
#include <memory>

#include "app/cli/cli.h"
#include "data/backup.h"
#include "data/generations.h"
#include "data/journal.h"
#include "data/json_dump.h"
#include "edit/changes.h"

namespace absence::cli {
namespace {

std::size_t CountEntries(const TDataSet& data, TEntryKind kind) {
  std::size_t n = 0;
  for (const auto& e : data.EmpList)
    for (const auto& x : e->Entries)
      if (x->Kind == kind) ++n;
  return n;
}

// Read-only: a folder that is missing files is reported, never filled.
int RunCheck(TContext& ctx) {
  const TDataSet data = ctx.LoadDataReadOnly();
  std::size_t accruals = 0, rules = 0;
  for (const auto& e : data.EmpList) accruals += e->Accruals.size();
  for (const auto& r : data.ReasonList) rules += r->Rules.size();
  auto& out = *ctx.Out;
  out << "data folder\t" << ctx.DataFolder << '\n'
      << "reasons\t" << data.ReasonList.size() << '\n'
      << "rules\t" << rules << '\n'
      << "employees\t" << data.EmpList.size() << '\n'
      << "accruals\t" << accruals << '\n'
      << "entries\t" << CountEntries(data, TEntryKind::Own) << '\n'
      << "exclusions\t" << CountEntries(data, TEntryKind::Exclusion) << '\n'
      << "global copies\t" << CountEntries(data, TEntryKind::Global) << '\n'
      << "globals\t" << data.GlobalList.size() << '\n'
      << "departments\t" << data.DeptList.size() << '\n';
  return kExitOk;
}

int RunDump(TContext& ctx) {
  *ctx.Out << DumpJson(ctx.LoadData());
  return kExitOk;
}

int RunSave(TContext& ctx) {
  TDataSet data = ctx.LoadDataForWriting("save");
  TJournalRecord saved;
  saved.Kind = journal_kind::kSave;
  saved.Text = "Save (absence-cli save)";
  ctx.SaveData(data, {saved});
  return kExitOk;
}

int RunBackup(TContext& ctx, const std::string& file) {
  BackupData(ctx.LoadData(), file);
  BackupJournal(ctx.DataFolder, file);
  *ctx.Out << "Your Absence data was successfully backed up.\n";
  return kExitOk;
}

int RunRestore(TContext& ctx, const std::string& file) {
  TDataSet data = ctx.LoadDataForWriting("restore");
  TWarnings warnings;
  TDataSet restored;
  RestoreData(restored, file, &warnings);
  ctx.ReportWarnings(warnings);
  // Made as the desktop program makes it, so the history records what the restore replaced.
  std::string words = "Restore from ";
  words += file;
  words += " (absence-cli restore)";
  edit::TReplaceDataSet restore(std::move(restored), words, journal_kind::kRestore);
  restore.Apply(data);
  ctx.SaveData(data, {restore.Journal()});
  RestoreJournal(file, ctx.DataFolder);
  *ctx.Out << "Your Absence data was successfully restored.\n";
  return kExitOk;
}

// Newest first: the path, a tab, the time it was kept.
int RunBackups(TContext& ctx) {
  for (const TGeneration& g : ListGenerations(ctx.DataFolder))
    *ctx.Out << g.Path << '\t' << g.Time << '\n';
  return kExitOk;
}

// backup FILE and restore FILE: one positional file name each.
void AddFileCommand(CLI::App& app, const std::string& name, const std::string& description,
                    int (*run)(TContext&, const std::string&)) {
  auto file = std::make_shared<std::string>();
  AddCommand(app, name, description, [file, run](TContext& ctx) { return run(ctx, *file); })
      ->add_option("FILE", *file, "the backup file")
      ->required();
}

void AddDataCommands(CLI::App& app) {
  AddCommand(app, "check", "load the data set, print record counts", RunCheck);
  AddCommand(app, "dump", "the whole data set as JSON, trash included", RunDump);
  AddCommand(app, "save", "load the data set and save it back", RunSave);
  AddFileCommand(app, "backup", "back up the data set into FILE", RunBackup);
  AddFileCommand(app, "restore", "restore the data set from FILE, then save it", RunRestore);
  AddCommand(app, "backups", "the automatic backups kept at each save, newest first", RunBackups);
}

const TRegistrar kData(AddDataCommands);

}  // namespace
}  // namespace absence::cli
