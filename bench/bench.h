#pragma once
// The timings of one organisation size. Each group adds its measurements to the size's result;
// every operation is run several times on the same generated data set.
#include <string>
#include <vector>

#include "data/dataset.h"
#include "measure.h"
#include "org_generator.h"

namespace absence::bench {

struct TBenchOptions {
  int Runs = 5;        // runs of each operation that takes seconds
  int QuickRuns = 21;  // runs of each operation that takes milliseconds
};

struct TSizeRun {
  TOrgSize Size;
  TOrgShape Shape;
  std::string Folder;  // the generated data files, with a trailing separator
  TBenchOptions Options;
  TDataSet Data;  // loaded from Folder by BenchData; the later groups use it
  std::vector<TMeasurement> Results;

  // Seconds allowed for operation `key` at this size; 0 when there is no target at this size.
  double Target(const std::string& key) const;
  void Add(TMeasurement m) { Results.push_back(std::move(m)); }
};

// Load, the load floor, save, backup and restore. Leaves the data set loaded.
void BenchData(TSizeRun& run);
// The balances panel of one employee for all reasons.
void BenchAccrual(TSizeRun& run);
// Undo and redo of one change (bench_edit.cpp).
void BenchEdit(TSizeRun& run);
// The balance report and the absence taken report for one year, the statements and the
// month-end summary for one month, all employees.
void BenchReports(TSizeRun& run);
// Export and import (replace) of all absence entries. Changes the data set in memory only.
void BenchConvert(TSizeRun& run);
// Selecting an employee and scrolling one week in the main window (loads the data files itself).
// Does nothing when built without the windows.
void BenchWindows(TSizeRun& run);

// Peak memory allowed for a size, in MB.
double PeakTargetMB(TOrgSize size);
// The largest ratio of a time at the huge size to the same time at the large size.
inline constexpr double kGrowthTarget = 5.5;
// Load within this many times the floor.
inline constexpr double kFloorRatioTarget = 3.0;

}  // namespace absence::bench
