#pragma once
// Timing of one operation over several runs, with the peak memory the process reached meanwhile.
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace absence::bench {

// A target: seconds (or megabytes for memory); 0 when the operation has none at this size.
struct TMeasurement {
  std::string Key;   // stable name for the machine-readable form
  std::string Name;  // as printed in the table
  double TargetSeconds = 0;
  std::vector<double> Seconds;     // one per run, in run order
  std::vector<double> CpuSeconds;  // the process's processor time of each run
  double PeakMB = 0;               // resident-memory peak during the runs (data set included)

  double Median() const;
  double CpuMedian() const;
  double Min() const;
  double Max() const;
};

// Peak resident memory of this process in MB since the last ResetPeakMemory (or since start).
double PeakMemoryMB();
// Returns freed memory to the system and starts a new peak from what is resident now; false
// when the system does not allow it (the peak then counts from the start of the process).
bool ResetPeakMemory();

// Hands a result of measured work to a function defined elsewhere, so the work is not optimised
// away.
void KeepResult(double value);

// Wall-clock time, and the processor time of this process beside it: on a machine that other
// work shares, the processor time shows what the wall-clock time lost to waiting.
class TStopwatch {
 public:
  void Start();
  void Stop();
  double Seconds() const { return seconds_; }
  double CpuSeconds() const { return cpuSeconds_; }

 private:
  std::chrono::steady_clock::time_point t0_;
  double cpu0_ = 0;
  double seconds_ = 0;
  double cpuSeconds_ = 0;
};

// Runs `work` `runs` times; it starts and stops the stopwatch around what is measured, so that
// preparing a run (a fresh copy, removing an earlier output) is left out.
TMeasurement Measure(const std::string& key, const std::string& name, double targetSeconds,
                     int runs, const std::function<void(TStopwatch&)>& work);

// Runs `work` `runs` times and times each call whole.
TMeasurement MeasureWhole(const std::string& key, const std::string& name, double targetSeconds,
                          int runs, const std::function<void()>& work);

}  // namespace absence::bench
