#include "measure.h"

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace absence::bench {

namespace {

double MedianOf(std::vector<double> s) {
  if (s.empty()) return 0;
  std::sort(s.begin(), s.end());
  const std::size_t n = s.size();
  return n % 2 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) / 2;
}

double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

}  // namespace

double TMeasurement::Median() const {
  return MedianOf(Seconds);
}

double TMeasurement::CpuMedian() const {
  return MedianOf(CpuSeconds);
}

void TStopwatch::Start() {
  t0_ = std::chrono::steady_clock::now();
  cpu0_ = ProcessCpuSeconds();
}

void TStopwatch::Stop() {
  seconds_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0_).count();
  cpuSeconds_ += ProcessCpuSeconds() - cpu0_;
}

double TMeasurement::Min() const {
  return Seconds.empty() ? 0 : *std::min_element(Seconds.begin(), Seconds.end());
}

double TMeasurement::Max() const {
  return Seconds.empty() ? 0 : *std::max_element(Seconds.begin(), Seconds.end());
}

void KeepResult(double value) {
  static volatile double kept;
  kept = kept + value;
}

double PeakMemoryMB() {
  // VmHWM, the high-water mark of the resident set, which ResetPeakMemory can restart.
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024;
  return 0;
}

bool ResetPeakMemory() {
  malloc_trim(0);
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

TMeasurement Measure(const std::string& key, const std::string& name, double targetSeconds,
                     int runs, const std::function<void(TStopwatch&)>& work) {
  TMeasurement m{key, name, targetSeconds, {}, {}, 0};
  ResetPeakMemory();
  for (int i = 0; i < runs; ++i) {
    TStopwatch watch;
    work(watch);
    m.Seconds.push_back(watch.Seconds());
    m.CpuSeconds.push_back(watch.CpuSeconds());
  }
  m.PeakMB = PeakMemoryMB();
  return m;
}

TMeasurement MeasureWhole(const std::string& key, const std::string& name, double targetSeconds,
                          int runs, const std::function<void()>& work) {
  return Measure(key, name, targetSeconds, runs, [&](TStopwatch& watch) {
    watch.Start();
    work();
    watch.Stop();
  });
}

}  // namespace absence::bench
