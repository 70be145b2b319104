// absence-cli commands on the data set as a whole: check, dump, save, backup, restore.
#include <iostream>

#include "app/cli/cli.h"
#include "data/backup.h"
#include "data/json_dump.h"

namespace absence::cli {
namespace {

std::size_t CountEntries(const TDataSet& data, char kind) {
  std::size_t n = 0;
  for (const auto& e : data.EmpList)
    for (const auto& x : e->Entries)
      if (x->Kind == kind) ++n;
  return n;
}

int RunCheck(TContext& ctx) {
  ctx.ExpectPositional(0);
  const TDataSet data = ctx.LoadData();
  std::size_t accruals = 0, rules = 0;
  for (const auto& e : data.EmpList) accruals += e->Accruals.size();
  for (const auto& r : data.ReasonList) rules += r->Rules.size();
  auto& out = *ctx.Out;
  out << "data folder\t" << ctx.DataFolder << '\n'
      << "reasons\t" << data.ReasonList.size() << '\n'
      << "rules\t" << rules << '\n'
      << "employees\t" << data.EmpList.size() << '\n'
      << "accruals\t" << accruals << '\n'
      << "entries\t" << CountEntries(data, 'T') << '\n'
      << "exclusions\t" << CountEntries(data, 'D') << '\n'
      << "global copies\t" << CountEntries(data, 'G') << '\n'
      << "globals\t" << data.GlobalList.size() << '\n'
      << "departments\t" << data.DeptList.size() << '\n';
  return kExitOk;
}

int RunDump(TContext& ctx) {
  ctx.ExpectPositional(0);
  *ctx.Out << DumpJson(ctx.LoadData());
  return kExitOk;
}

int RunSave(TContext& ctx) {
  ctx.ExpectPositional(0);
  TDataSet data = ctx.LoadData();
  SaveDataSet(data, ctx.DataFolder, false);
  return kExitOk;
}

int RunBackup(TContext& ctx) {
  ctx.ExpectPositional(1);
  BackupData(ctx.LoadData(), ctx.Args[0]);
  *ctx.Out << "Your Absence data was successfully backed up.\n";
  return kExitOk;
}

int RunRestore(TContext& ctx) {
  ctx.ExpectPositional(1);
  TDataSet data = ctx.LoadData();
  TWarnings warnings;
  RestoreData(data, ctx.Args[0], &warnings);
  for (const auto& w : warnings) *ctx.Err << "warning: " << w << '\n';
  SaveDataSet(data, ctx.DataFolder, false);
  *ctx.Out << "Your Absence data was successfully restored.\n";
  return kExitOk;
}

const TRegistrar kCheck("check",
                        "check                      load the data set, print record counts",
                        RunCheck);
const TRegistrar kDump("dump", "dump                       the whole data set as JSON", RunDump);
const TRegistrar kSave("save", "save                       load and save the data set", RunSave);
const TRegistrar kBackup("backup", "backup FILE                back up the data set into FILE",
                         RunBackup);
const TRegistrar kRestore("restore", "restore FILE               restore FILE, then save",
                          RunRestore);

}  // namespace
}  // namespace absence::cli
