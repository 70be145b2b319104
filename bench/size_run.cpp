#include "size_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "data/dataset.h"

#if defined(ABSENCE_BENCH_WINDOWS)
#include <QApplication>
#elif defined(ABSENCE_BENCH_PDF)
#include <QGuiApplication>
#endif

namespace absence::bench {
namespace {

std::vector<double> LoadAverage() {
  std::vector<double> avg(3, 0);
  if (FILE* f = std::fopen("/proc/loadavg", "r")) {
    if (std::fscanf(f, "%lf %lf %lf", &avg[0], &avg[1], &avg[2]) != 3) avg.assign(3, 0);
    std::fclose(f);
  }
  return avg;
}

// Starts `body` in a child process, which exits with the status `body` returns.
template <class Fn>
pid_t StartChild(const std::string& what, Fn body) {
  std::fflush(nullptr);  // nothing buffered may be written twice
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error(what + ": fork failed: " + std::strerror(errno));
  if (child == 0) {
    int status = 1;
    try {
      status = body();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "absence-bench: %s: %s\n", what.c_str(), e.what());
    }
    std::fflush(nullptr);
    _exit(status);
  }
  return child;
}

void WaitChild(pid_t child, const std::string& what) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(what + " failed");
}

nlohmann::json ToJson(const TMeasurement& m) {
  return {{"key", m.Key},
          {"name", m.Name},
          {"target_s", m.TargetSeconds},
          {"median_s", m.Median()},
          {"min_s", m.Min()},
          {"max_s", m.Max()},
          {"runs_s", m.Seconds},
          {"peak_mb", m.PeakMB},
          {"cpu_median_s", m.CpuMedian()},
          {"cpu_runs_s", m.CpuSeconds}};
}

int RunSize(TSizeRun& run, int writeFd) {
  const auto loadBefore = LoadAverage();
  auto progress = [&](std::size_t from) {
    for (std::size_t i = from; i < run.Results.size(); ++i)
      std::fprintf(stderr, "  %-6s %-44s %10.4f s\n", SizeName(run.Size),
                   run.Results[i].Name.c_str(), run.Results[i].Median());
  };
  nlohmann::json out;
  BenchData(run);
  progress(0);
  std::size_t entries = 0;
  for (const auto& e : run.Data.EmpList) entries += e->Entries.size();
  out["employees"] = run.Data.EmpList.size();
  out["entries"] = entries;
  out["globals"] = run.Data.GlobalList.size();
  out["emp_dat_bytes"] = std::filesystem::file_size(DataPath(run.Folder, kEmpFile));
  for (auto group : {BenchAccrual, BenchEdit, BenchReports, BenchConvert, BenchWindows}) {
    const std::size_t before = run.Results.size();
    group(run);
    progress(before);
  }
  out["size"] = SizeName(run.Size);
  out["years"] = run.Shape.Years;
  out["runs"] = run.Options.Runs;
  out["quick_runs"] = run.Options.QuickRuns;
  out["load_average_before"] = loadBefore;
  out["load_average_after"] = LoadAverage();
  out["peak_target_mb"] = PeakTargetMB(run.Size);
  double peak = 0;
  for (const auto& m : run.Results) {
    out["operations"].push_back(ToJson(m));
    peak = std::max(peak, m.PeakMB);
  }
  out["peak_mb"] = peak;
  const std::string text = out.dump();
  for (std::size_t done = 0; done < text.size();) {
    const ssize_t n = write(writeFd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return 1;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

}  // namespace

void EnsureOrg(TOrgSize size, uint32_t seed, const std::string& folder) {
  if (std::filesystem::exists(DataPath(folder, kEmpFile))) return;
  std::fprintf(stderr, "generating the %s organisation (seed %u) in %s\n", SizeName(size), seed,
               folder.c_str());
  const std::string what = std::string("generating ") + SizeName(size);
  WaitChild(StartChild(what,
                       [&] {
                         WriteOrg(ShapeOf(size), seed, folder);
                         return 0;
                       }),
            what);
}

nlohmann::json MeasureSizeInChild(TOrgSize size, const std::string& folder,
                                  const TBenchOptions& options) {
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
  const std::string what = std::string("measuring ") + SizeName(size);
  const pid_t child = StartChild(what, [&] {
    close(fds[0]);
    int argc = 1;
    char name[] = "absence-bench";
    char* argv[] = {name, nullptr};
#if defined(ABSENCE_BENCH_WINDOWS) || defined(ABSENCE_BENCH_PDF)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
#if defined(ABSENCE_BENCH_WINDOWS)
    const QApplication app(argc, argv);
#elif defined(ABSENCE_BENCH_PDF)
    const QGuiApplication app(argc, argv);
#else
    (void)argc;
    (void)argv;
#endif
    TSizeRun run{size, ShapeOf(size), folder, options, {}, {}};
    const int status = RunSize(run, fds[1]);
    close(fds[1]);
    return status;
  });
  close(fds[1]);
  // Read before waiting: the child blocks while the pipe is full.
  std::string text;
  char buf[65536];
  for (;;) {
    const ssize_t n = read(fds[0], buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    text.append(buf, static_cast<std::size_t>(n));
  }
  close(fds[0]);
  WaitChild(child, what);
  return nlohmann::json::parse(text);
}

}  // namespace absence::bench
