#pragma once
// absence-cli: each command family adds its subcommands from its own file through a TRegistrar;
// main parses the command line with CLI11 and runs the chosen command.
#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/dataset.h"
#include "data/folder_lock.h"
#include "data/journal.h"
#include "data/settings.h"

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

  // Loads the data set from DataFolder for reading only: nothing in the folder is written, so
  // this works on a read-only folder and beside a program that holds the folder. Missing files
  // and an interrupted save are reported; warnings go to Err.
  TDataSet LoadData() const;
  // Saves `data` into DataFolder without reading it back, keeping a generation as the settings
  // say. When the load repaired the data files, they are first kept aside as they were (the
  // folder is named on Err); should that fail, nothing is saved (EDataFileError).
  // `events` are added to the change history with this user and computer once the files are in
  // place; a history that cannot be written is reported on Err, not failed.
  void SaveData(TDataSet& data, const std::vector<TJournalRecord>& events = {}) const;
  TDataSet LoadDataReadOnly() const { return LoadData(); }
  // For commands that change the data set: takes the folder's lock for `command` (held until the
  // program ends), then loads as the desktop program does (creating missing files, finishing an
  // interrupted save). Throws, naming the holder, when another program holds the folder.
  TDataSet LoadDataForWriting(const std::string& command);
  void ReportWarnings(const TWarnings& warnings) const;
  // The user's preferences from the settings file at IniPath, read on first use; the file is
  // never written.
  const TSettings& Preferences() const;

  mutable bool Repaired = false;  // the last load for writing skipped or repaired records
  std::shared_ptr<TFolderLock> Lock;

 private:
  mutable std::optional<TSettings> preferences_;
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
