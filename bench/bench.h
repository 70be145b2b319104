#pragma once
// A plain timing harness: each measurement prints its time against its target.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace absence::bench {

class TReport {
 public:
  // Runs `fn` once and prints seconds against the target.
  template <class Fn>
  double Time(const std::string& what, double targetSeconds, Fn&& fn) {
    const auto t0 = std::chrono::steady_clock::now();
    fn();
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-40s %8.3f s  (target %.3f s) %-4s  peak so far %4.0f MB\n", what.c_str(), s,
                targetSeconds, s <= targetSeconds ? "ok" : "OVER",
                static_cast<double>(usage.ru_maxrss) / 1024);
    return s;
  }
};

void BenchData(TReport& report);
void BenchAccrual(TReport& report);
void BenchConvert(TReport& report);
void BenchReports(TReport& report);

}  // namespace absence::bench
