#pragma once
// absence-cli: each command family adds its subcommands from its own file through a TRegistrar;
// main parses the command line with CLI11 and runs the chosen command.
#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>

#include "data/dataset.h"

namespace absence::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitDataError = 1;
inline constexpr int kExitUsage = 2;

// Bad arguments found after parsing (a malformed date, say): exit 2.
class EUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What every command gets: the data folder and settings file chosen, and the output streams.
struct TContext {
  std::string DataFolder;  // with trailing separator
  std::string IniPath;
  std::ostream* Out = nullptr;
  std::ostream* Err = nullptr;

  // Loads the data set from DataFolder (creating missing files, finishing an interrupted save);
  // warnings go to Err.
  TDataSet LoadData() const;
  // Saves `data` into DataFolder without reading it back, keeping a generation as the settings
  // say. When the load repaired the data files, they are first kept aside as they were (the
  // folder is named on Err); should that fail, nothing is saved (EDataFileError).
  void SaveData(TDataSet& data) const;
  // Loads without writing anything: missing files and an interrupted save are only reported.
  TDataSet LoadDataReadOnly() const;
  void ReportWarnings(const TWarnings& warnings) const;

  mutable bool Repaired = false;  // the last load skipped or repaired records
};

using TRunFn = std::function<int(TContext&)>;

// Adds subcommand `name` to `app` (the program or a command); `run` runs when the command line
// chose it, the deepest chosen command's runner winning. The returned
// subcommand takes the command's positionals and options; bind them to storage that lives as
// long as `run` (a shared_ptr captured by it).
CLI::App* AddCommand(CLI::App& app, const std::string& name, const std::string& description,
                     TRunFn run);

// A command family: adds its subcommands to the program's parser.
using TFamilyFn = void (*)(CLI::App& app);

// A file-scope TRegistrar in a family's source file is all it takes to add its commands.
struct TRegistrar {
  explicit TRegistrar(TFamilyFn family);
};

// A positional or option ("--name") holding a date "YYYY-MM-DD"; a malformed date is a usage
// error.
CLI::Option* AddDate(CLI::App* cmd, const std::string& name, double& date,
                     const std::string& description);
// A positional or option holding a record identifier (a whole number from 1).
CLI::Option* AddId(CLI::App* cmd, const std::string& name, int& id, const std::string& description);

// Parses "YYYY-MM-DD" into a day number; throws EUsageError.
double ParseIsoDate(const std::string& text);
// Formats a day number as "YYYY-MM-DD".
std::string FormatIsoDate(double date);

}  // namespace absence::cli
