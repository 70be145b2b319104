#pragma once
// absence-cli: commands register themselves here; each lives in its own file.
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "data/dataset.h"

namespace absence::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitDataError = 1;
inline constexpr int kExitUsage = 2;

// Bad arguments: main prints the message and the usage, exit 2.
class EUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TContext {
  std::string DataFolder;  // with trailing separator
  std::string IniPath;
  std::vector<std::string> Args;  // the command's own arguments
  std::ostream* Out = nullptr;
  std::ostream* Err = nullptr;

  // Loads the data set from DataFolder; warnings go to Err.
  TDataSet LoadData() const;
  // "--name value" taken out of Args, if present.
  std::optional<std::string> TakeOption(const std::string& name);
  // Fails with a usage error unless exactly `n` positional arguments remain.
  void ExpectPositional(std::size_t n) const;
};

using TCommandFn = std::function<int(TContext&)>;

struct TCommand {
  std::string Name;
  std::string Usage;  // "accrued EMPID REASONID DATE"
  TCommandFn Run;
};

std::vector<TCommand>& Commands();

struct TRegistrar {
  TRegistrar(std::string name, std::string usage, TCommandFn fn);
};

// Parses "YYYY-MM-DD" into a day number; throws EUsageError.
double ParseIsoDate(const std::string& text);
// Formats a day number as "YYYY-MM-DD".
std::string FormatIsoDate(double date);
// Parses a whole number; throws EUsageError naming `what`.
int ParseInt(const std::string& text, const std::string& what);
// Shortest round-trip text of a single-precision value.
std::string FloatText(float v);

}  // namespace absence::cli
