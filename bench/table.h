#pragma once
// The benchmark's results as a table for people and as JSON for comparing one change with the
// next.
//
// JSON: {"build_type", "seed", "sizes": [{"size", "employees", "years", "entries" (with global
// copies), "globals", "emp_dat_bytes", "runs", "quick_runs", "load_average_before"/"_after"
// (1, 5, 15 minutes), "peak_mb", "peak_target_mb", "floor_ratio", "operations": [{"key",
// "name", "target_s" (0: none at this size), "median_s", "min_s", "max_s", "runs_s",
// "peak_mb", "cpu_median_s", "cpu_runs_s" (processor time)}]}], "growth": [{"key", "large_s",
// "huge_s", "ratio", "target"}]}.
#include <cstdio>
#include <nlohmann/json.hpp>

namespace absence::bench {

// Adds "floor_ratio" to each size and "growth" (when both large and huge were measured).
void AddDerivedFigures(nlohmann::json& results);

void PrintTable(std::FILE* out, const nlohmann::json& results);

}  // namespace absence::bench
