// absence-bench: the performance targets, measured on generated data.
//   absence-bench                 runs every timing
//   absence-bench --write-org DIR writes the generated large organisation into DIR (for
//                                 comparing outputs of absence-cli before and after a change)
#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "bench.h"
#include "large_org.h"

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::printf("usage: absence-bench [--write-org DIR]\n");
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "--write-org") == 0) {
    std::filesystem::create_directories(argv[2]);
    absence::TDataSet org = absence::bench::MakeLargeOrg();
    absence::SaveDataSet(org, argv[2], false);
    return 0;
  }
  if (argc != 1) {
    std::fprintf(stderr, "usage: absence-bench [--write-org DIR]\n");
    return 2;
  }
  absence::bench::TReport report;
  absence::bench::BenchData(report);
  absence::bench::BenchAccrual(report);
  absence::bench::BenchConvert(report);
  absence::bench::BenchReports(report);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory %.0f MB (target 300 MB)\n", static_cast<double>(usage.ru_maxrss) / 1024);
  return 0;
}
