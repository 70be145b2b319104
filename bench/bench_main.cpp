// absence-bench: the performance targets, measured on generated organisations of four sizes.
// Prints a table of the median and spread of each operation beside its target (or JSON with
// --json), and the growth from the large to the huge organisation.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "size_run.h"
#include "table.h"

namespace fs = std::filesystem;
using namespace absence::bench;

int main(int argc, char** argv) {
  CLI::App app{"absence-bench: timings of the core and the windows against their targets"};
  std::vector<std::string> sizeNames = {"small", "medium", "large", "huge"};
  TBenchOptions options;
  uint32_t seed = kDefaultSeed;
  std::string jsonFile, dataRoot, writeOrg;
  app.add_option("--sizes", sizeNames, "sizes to measure: small, medium, large, huge")
      ->delimiter(',')
      ->check(CLI::IsMember({"small", "medium", "large", "huge"}));
  app.add_option("--runs", options.Runs, "runs of each operation (at least 5 for the table)")
      ->check(CLI::PositiveNumber);
  app.add_option("--quick-runs", options.QuickRuns,
                 "runs of each operation that takes milliseconds")
      ->check(CLI::PositiveNumber);
  app.add_option("--seed", seed, "seed of the generated organisations");
  app.add_option("--json", jsonFile,
                 "also write the results as JSON to this file ('-': print "
                 "only the JSON)");
  app.add_option("--data", dataRoot,
                 "keep the generated organisations in this folder and reuse them on later runs "
                 "(default: a temporary folder, removed afterwards)");
  app.add_option("--write-org", writeOrg,
                 "only write the generated organisation of the first size into this folder");
  CLI11_PARSE(app, argc, argv);

  try {
    if (!writeOrg.empty()) {
      WriteOrg(ShapeOf(*SizeFromName(sizeNames.front())), seed, writeOrg);
      return 0;
    }
    const bool keep = !dataRoot.empty();
    const fs::path root =
        keep ? fs::path(dataRoot)
             : fs::temp_directory_path() / ("absence-bench-" + std::to_string(getpid()));
    nlohmann::json results;
    results["build_type"] = ABSENCE_BENCH_BUILD_TYPE;
    results["seed"] = seed;
    results["sizes"] = nlohmann::json::array();
    for (const TOrgSize size : kAllSizes) {
      if (std::find(sizeNames.begin(), sizeNames.end(), SizeName(size)) == sizeNames.end())
        continue;
      const std::string folder =
          (root / (std::string(SizeName(size)) + "-" + std::to_string(seed))).string() + "/";
      EnsureOrg(size, seed, folder);
      results["sizes"].push_back(MeasureSizeInChild(size, folder, options));
    }
    if (!keep) fs::remove_all(root);
    AddDerivedFigures(results);
    if (jsonFile == "-") {
      std::cout << results.dump(2) << '\n';
      return 0;
    }
    if (!jsonFile.empty()) std::ofstream(jsonFile) << results.dump(2) << '\n';
    PrintTable(stdout, results);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "absence-bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
