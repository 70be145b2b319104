// absence-cli diff A B: what differs between two data folders or backup files, so a restore can
// be looked at before it is made. Like diff(1): 0 when they are alike, 1 when they differ, 2 on
// trouble.
#include <iostream>
#include <memory>

#include "app/cli/cli.h"
#include "edit/diff.h"

namespace absence::cli {
namespace {

struct TDiffArgs {
  std::string Before;
  std::string After;
  bool Json = false;
};

// Reader warnings name the side they come from: both sides are often alike.
TDataSet ReadDiffSide(const TContext& ctx, const std::string& path) {
  TWarnings warnings;
  TDataSet data = edit::ReadDataSetOrBackup(path, warnings);
  for (const auto& w : warnings) *ctx.Err << "warning: " << path << ": " << w << '\n';
  return data;
}

int RunDiff(TContext& ctx, const TDiffArgs& args) {
  std::vector<edit::TRecordDiff> diffs;
  try {
    const TDataSet before = ReadDiffSide(ctx, args.Before);
    const TDataSet after = ReadDiffSide(ctx, args.After);
    diffs = edit::DiffDataSets(before, after);
  } catch (const std::exception& e) {
    // Exit 1 means "they differ" here, so a side that cannot be read is trouble, as in diff(1).
    *ctx.Err << "absence-cli: " << e.what() << '\n';
    return kExitUsage;
  }
  *ctx.Out << (args.Json ? edit::DiffJson(diffs) : edit::DiffText(diffs));
  return diffs.empty() ? kExitOk : kExitDataError;
}

void AddDiffCommand(CLI::App& app) {
  auto args = std::make_shared<TDiffArgs>();
  CLI::App* cmd =
      AddCommand(app, "diff",
                 "what differs between two data folders or backup files, A before and B after "
                 "(exit 0 alike, 1 different, 2 trouble)",
                 [args](TContext& ctx) { return RunDiff(ctx, *args); });
  cmd->add_option("A", args->Before, "a data folder or a backup file")->required();
  cmd->add_option("B", args->After, "a data folder or a backup file")->required();
  cmd->add_flag("--json", args->Json, "a JSON array, one object per differing record");
}

const TRegistrar kDiff(AddDiffCommand);

}  // namespace
}  // namespace absence::cli
