#pragma once
// absence-cli export summary: the month-end summary as CSV or .xlsx.
#include <functional>
#include <string>

#include "app/cli/cli.h"

namespace absence::cli {

// Adds the "summary" kind through `add` (the export command's way of adding a kind).
void AddSummaryKind(
    const std::function<CLI::App*(const std::string&, const std::string&, TRunFn)>& add);

}  // namespace absence::cli
