#pragma once
// One organisation size measured in a process of its own, so that each size's peak memory is its
// own and nothing of one size stays resident in the next.
#include <nlohmann/json.hpp>
#include <string>

#include "bench.h"

namespace absence::bench {

// Generates the data set into `folder` in a child process, unless its files are there already.
void EnsureOrg(TOrgSize size, uint32_t seed, const std::string& folder);

// Measures every operation on the data set in `folder` in a child process and returns its
// results (see table.h for the fields). Throws std::runtime_error when the child fails.
nlohmann::json MeasureSizeInChild(TOrgSize size, const std::string& folder,
                                  const TBenchOptions& options);

}  // namespace absence::bench
