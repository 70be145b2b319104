// absence-cli: the data set, balances, reports, import and export for scripts.
#include <charconv>
#include <chrono>
#include <cmath>
#include <iostream>

#include "app/cli/cli.h"
#include "data/paths.h"

namespace absence::cli {

std::vector<TCommand>& Commands() {
  static std::vector<TCommand> commands;
  return commands;
}

TRegistrar::TRegistrar(std::string name, std::string usage, TCommandFn fn) {
  Commands().push_back({std::move(name), std::move(usage), std::move(fn)});
}

TDataSet TContext::LoadData() const {
  TDataSet data;
  TWarnings warnings;
  LoadDataSet(data, DataFolder, &warnings);
  for (const auto& w : warnings) *Err << "warning: " << w << '\n';
  return data;
}

std::optional<std::string> TContext::TakeOption(const std::string& name) {
  for (std::size_t i = 0; i < Args.size(); ++i) {
    if (Args[i] == name) {
      if (i + 1 >= Args.size()) throw EUsageError(name + " needs a value");
      std::string v = Args[i + 1];
      Args.erase(Args.begin() + static_cast<long>(i), Args.begin() + static_cast<long>(i) + 2);
      return v;
    }
  }
  return std::nullopt;
}

void TContext::ExpectPositional(std::size_t n) const {
  for (const auto& a : Args)
    if (a.size() > 2 && a.rfind("--", 0) == 0) throw EUsageError("unknown option " + a);
  if (Args.size() != n)
    throw EUsageError("expected " + std::to_string(n) + " argument(s), got " +
                      std::to_string(Args.size()));
}

int ParseInt(const std::string& text, const std::string& what) {
  int v = 0;
  const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || p != text.data() + text.size())
    throw EUsageError(what + " must be a whole number: " + text);
  return v;
}

double ParseIsoDate(const std::string& text) {
  using namespace std::chrono;
  int y = 0, m = 0, d = 0;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-')
    throw EUsageError("dates are YYYY-MM-DD: " + text);
  try {
    y = ParseInt(text.substr(0, 4), "year");
    m = ParseInt(text.substr(5, 2), "month");
    d = ParseInt(text.substr(8, 2), "day");
  } catch (const EUsageError&) {
    throw EUsageError("dates are YYYY-MM-DD: " + text);
  }
  const year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
  if (y < 1 || !ymd.ok()) throw EUsageError("no such date: " + text);
  constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};
  return static_cast<double>((sys_days{ymd} - kEpoch).count());
}

std::string FormatIsoDate(double date) {
  using namespace std::chrono;
  constexpr sys_days kEpoch = sys_days{year{1899} / December / 30};
  const year_month_day ymd{kEpoch + days{static_cast<long>(std::floor(date))}};
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buf;
}

std::string FloatText(float v) {
  char buf[64];
  const auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return ec == std::errc() ? std::string(buf, p) : std::string("nan");
}

namespace {

void PrintUsage(std::ostream& os) {
  os << "usage: absence-cli [--data DIR] [--ini FILE] COMMAND ...\n\ncommands:\n";
  for (const auto& c : Commands()) os << "  " << c.Usage << '\n';
}

}  // namespace
}  // namespace absence::cli

int main(int argc, char** argv) {
  using namespace absence;
  using namespace absence::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  TContext ctx;
  ctx.Out = &std::cout;
  ctx.Err = &std::cerr;
  std::optional<std::string> data, ini;
  std::size_t i = 0;
  try {
    for (; i < args.size(); ++i) {
      if (args[i] == "--data" || args[i] == "--ini") {
        if (i + 1 >= args.size()) throw EUsageError(args[i] + " needs a value");
        (args[i] == "--data" ? data : ini) = args[i + 1];
        ++i;
      } else if (args[i] == "--help" || args[i] == "-h") {
        PrintUsage(std::cout);
        return kExitOk;
      } else {
        break;
      }
    }
    if (i >= args.size()) throw EUsageError("no command given");
    const std::string name = args[i];
    ctx.Args.assign(args.begin() + static_cast<long>(i) + 1, args.end());
    for (const auto& c : Commands()) {
      if (c.Name != name) continue;
      ctx.DataFolder = data ? WithTrailingSeparator(*data) : DefaultDataFolder(ProgramFolder());
      ctx.IniPath = ini ? *ini : DefaultIniPath();
      try {
        return c.Run(ctx);
      } catch (const EUsageError&) {
        throw;
      } catch (const std::exception& e) {
        std::cerr << "absence-cli: " << e.what() << '\n';
        return kExitDataError;
      }
    }
    throw EUsageError("unknown command: " + name);
  } catch (const EUsageError& e) {
    std::cerr << "absence-cli: " << e.what() << "\n\n";
    PrintUsage(std::cerr);
    return kExitUsage;
  }
}
