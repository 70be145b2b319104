// absence-cli sample: writes the demo organisation into a new or empty folder.
#include <ctime>
#include <iostream>
#include <memory>

#include "app/cli/cli.h"
#include "data/sample.h"
#include "dates/dates.h"

namespace absence::cli {
namespace {

TDate LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

struct TSampleArgs {
  std::string Folder;
  double Today = 0;  // 0: the local date
};

int RunSample(TContext& ctx, const TSampleArgs& args) {
  const TDate today = args.Today != 0 ? args.Today : LocalToday();
  WriteSampleOrganisation(args.Folder, today);
  *ctx.Out << "A demo organisation as of " << FormatIsoDate(today) << " was written to "
           << args.Folder << ".\nStart the program on it with: absence --data " << args.Folder
           << '\n';
  return kExitOk;
}

void AddSampleCommand(CLI::App& app) {
  auto args = std::make_shared<TSampleArgs>();
  CLI::App* cmd = AddCommand(
      app, "sample",
      "write a demo organisation (departments, employees, reasons, three years of absences) "
      "into DIR, which must not hold data files yet",
      [args](TContext& ctx) { return RunSample(ctx, *args); });
  cmd->add_option("DIR", args->Folder, "the folder to write (created when missing)")->required();
  AddDate(cmd, "--today", args->Today, "the day the absences lead up to (default: today)");
}

const TRegistrar kSample(AddSampleCommand);

}  // namespace
}  // namespace absence::cli
