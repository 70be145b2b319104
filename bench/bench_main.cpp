// absence-bench: the performance targets, measured on generated data.
#include <sys/resource.h>

#include <cstdio>

#include "bench.h"

int main() {
  absence::bench::TReport report;
  absence::bench::BenchData(report);
  absence::bench::BenchAccrual(report);
  absence::bench::BenchConvert(report);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory %.0f MB (target 300 MB)\n", static_cast<double>(usage.ru_maxrss) / 1024);
  return 0;
}
