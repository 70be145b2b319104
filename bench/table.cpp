#include "table.h"

#include <string>

#include "bench.h"

namespace absence::bench {
namespace {

using nlohmann::json;

const json* Operation(const json& size, const std::string& key) {
  for (const auto& op : size["operations"])
    if (op["key"] == key) return &op;
  return nullptr;
}

const json* Size(const json& results, const std::string& name) {
  for (const auto& s : results["sizes"])
    if (s["size"] == name) return &s;
  return nullptr;
}

// Seconds in the unit that suits them.
std::string Duration(double s) {
  char buf[32];
  if (s >= 1)
    std::snprintf(buf, sizeof buf, "%.2f s", s);
  else if (s >= 0.001)
    std::snprintf(buf, sizeof buf, "%.1f ms", s * 1e3);
  else
    std::snprintf(buf, sizeof buf, "%.0f us", s * 1e6);
  return buf;
}

std::string Verdict(double value, double target) {
  if (target <= 0) return "";
  return value <= target ? "ok" : "OVER";
}

void PrintSize(std::FILE* out, const json& s) {
  const auto& before = s["load_average_before"];
  const auto& after = s["load_average_after"];
  std::fprintf(out,
               "\n%s: %d employees, %d years, %zu entries with global copies, %zu global "
               "entries, emp.dat %.1f MB\n",
               s["size"].get<std::string>().c_str(), s["employees"].get<int>(),
               s["years"].get<int>(), s["entries"].get<std::size_t>(),
               s["globals"].get<std::size_t>(), s["emp_dat_bytes"].get<double>() / 1e6);
  std::fprintf(out,
               "median of %d runs (%d for the quick operations; cpu: processor time); load average "
               "%.2f before, %.2f after\n",
               s["runs"].get<int>(), s["quick_runs"].get<int>(), before[0].get<double>(),
               after[0].get<double>());
  std::fprintf(out, "  %-46s %10s  %-21s %10s %-4s %8s %10s\n", "operation", "median",
               "spread (min - max)", "target", "", "peak MB", "cpu");
  for (const auto& op : s["operations"]) {
    const double median = op["median_s"], target = op["target_s"];
    const std::string spread =
        Duration(op["min_s"].get<double>()) + " - " + Duration(op["max_s"].get<double>());
    std::fprintf(out, "  %-46s %10s  %-21s %10s %-4s %8.0f %10s\n",
                 op["name"].get<std::string>().c_str(), Duration(median).c_str(), spread.c_str(),
                 target > 0 ? Duration(target).c_str() : "-", Verdict(median, target).c_str(),
                 op["peak_mb"].get<double>(), Duration(op.value("cpu_median_s", 0.0)).c_str());
  }
  if (s.contains("floor_ratio"))
    std::fprintf(out, "  %-46s %10.2f  %-21s %10.1f %-4s\n", "load / floor",
                 s["floor_ratio"].get<double>(), "", kFloorRatioTarget,
                 Verdict(s["floor_ratio"], kFloorRatioTarget).c_str());
  std::fprintf(out, "  %-46s %8.0f MB  %-21s %7.0f MB %-4s\n", "peak memory",
               s["peak_mb"].get<double>(), "", s["peak_target_mb"].get<double>(),
               Verdict(s["peak_mb"], s["peak_target_mb"]).c_str());
}

}  // namespace

void AddDerivedFigures(json& results) {
  for (auto& s : results["sizes"]) {
    const json* load = Operation(s, "load");
    const json* floor = Operation(s, "load_floor");
    if (load && floor && (*floor)["median_s"].get<double>() > 0)
      s["floor_ratio"] = (*load)["median_s"].get<double>() / (*floor)["median_s"].get<double>();
  }
  const json* large = Size(results, "large");
  const json* huge = Size(results, "huge");
  if (!large || !huge) return;
  json growth = json::array();
  for (const auto& op : (*large)["operations"]) {
    const json* h = Operation(*huge, op["key"]);
    if (!h || op["median_s"].get<double>() <= 0) continue;
    const double ratio = (*h)["median_s"].get<double>() / op["median_s"].get<double>();
    growth.push_back({{"key", op["key"]},
                      {"name", op["name"]},
                      {"large_s", op["median_s"]},
                      {"huge_s", (*h)["median_s"]},
                      {"ratio", ratio},
                      {"target", kGrowthTarget}});
  }
  results["growth"] = growth;
}

void PrintTable(std::FILE* out, const json& results) {
  std::fprintf(out, "absence-bench: %s build, seed %u\n",
               results["build_type"].get<std::string>().c_str(), results["seed"].get<unsigned>());
  for (const auto& s : results["sizes"]) PrintSize(out, s);
  if (!results.contains("growth")) return;
  std::fprintf(out, "\ngrowth from large to huge (5x the employees; target: time ratio <= %.1f)\n",
               kGrowthTarget);
  std::fprintf(out, "  %-46s %10s %10s %7s\n", "operation", "large", "huge", "ratio");
  for (const auto& g : results["growth"]) {
    const double ratio = g["ratio"];
    std::fprintf(out, "  %-46s %10s %10s %7.2f %s\n", g["name"].get<std::string>().c_str(),
                 Duration(g["large_s"]).c_str(), Duration(g["huge_s"]).c_str(), ratio,
                 Verdict(ratio, kGrowthTarget).c_str());
  }
}

}  // namespace absence::bench
