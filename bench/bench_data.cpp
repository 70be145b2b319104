// Timings of the data set cycle on the large organisation.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "bench.h"
#include "data/backup.h"
#include "large_org.h"

namespace absence::bench {

void BenchData(TReport& report) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "absence-bench-data";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string dir = folder.string() + "/";
  // Generated in a child process, so the peak memory reported is the program's own.
  const pid_t child = fork();
  if (child == 0) {
    TDataSet org = MakeLargeOrg();
    SaveDataSet(org, dir, false);
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  std::printf("data set: emp.dat %.1f MB\n",
              static_cast<double>(fs::file_size(folder / "emp.dat")) / 1e6);
  TDataSet d;
  report.Time("load (4 files)", 1.0, [&] { LoadDataSet(d, dir); });
  std::size_t entries = 0;
  for (const auto& e : d.EmpList) entries += e->Entries.size();
  std::printf("employees %zu, entries incl. global copies %zu, globals %zu\n", d.EmpList.size(),
              entries, d.GlobalList.size());
  report.Time("save (write + replace + reload)", 2.0, [&] { SaveDataSet(d, dir, true); });
  report.Time("save on exit (no reload)", 2.0, [&] { SaveDataSet(d, dir, false); });
  report.Time("backup", 2.0, [&] { BackupData(d, dir + "b.abk"); });
  report.Time("restore", 2.0, [&] { RestoreData(d, dir + "b.abk"); });
  fs::remove_all(folder);
}

}  // namespace absence::bench
