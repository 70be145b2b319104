// The data set cycle: load, the load floor, save, backup, restore.
#include <filesystem>

#include "bench.h"
#include "data/backup.h"
#include "load_floor.h"

namespace absence::bench {

void BenchData(TSizeRun& run) {
  const int runs = run.Options.Runs;
  TDataSet& d = run.Data;
  run.Add(Measure("load", "load (4 files)", run.Target("load"), runs, [&](TStopwatch& watch) {
    d.Free();
    TDataSet fresh;
    watch.Start();
    LoadDataSet(fresh, run.Folder);
    watch.Stop();
    std::swap(d, fresh);
  }));
  run.Add(MeasureWhole("load_floor", "load floor (read + decode only)", 0, runs,
                       [&] { DecodeDataFiles(run.Folder); }));
  run.Add(MeasureWhole("save", "save (write + replace + reload)", run.Target("save"), runs,
                       [&] { SaveDataSet(d, run.Folder, true); }));
  const std::string backup = run.Folder + "bench.abk";
  run.Add(
      MeasureWhole("backup", "backup", run.Target("backup"), runs, [&] { BackupData(d, backup); }));
  run.Add(MeasureWhole("restore", "restore", run.Target("restore"), runs,
                       [&] { RestoreData(d, backup); }));
  std::filesystem::remove(backup);
}

}  // namespace absence::bench
