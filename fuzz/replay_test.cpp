// Replays every fuzz target's seeds and the inputs kept from earlier findings
// (fuzz/regressions/<target>/) through the same entry functions the fuzzer calls, so a fixed
// finding stays fixed in every build, with any compiler.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz/fuzz_targets.h"

namespace absence::fuzz {
namespace {

std::vector<uint8_t> ReadInput(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FuzzReplay : public testing::TestWithParam<TFuzzTarget> {};

TEST_P(FuzzReplay, SeedsAndKeptFindingsRunClean) {
  const TFuzzTarget& target = GetParam();
  int n = 0;
  for (const auto& seed : target.Seeds()) {
    SetFuzzInputName(std::string(target.Name) + " seed " + std::to_string(++n));
    target.Run(seed);
  }
  EXPECT_GT(n, 0) << "every target has seeds";

  const std::filesystem::path folder =
      std::filesystem::path(ABSENCE_FUZZ_REGRESSIONS) / target.Name;
  if (!std::filesystem::exists(folder)) return;
  std::vector<std::filesystem::path> inputs;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  for (const auto& input : inputs) {
    SetFuzzInputName(input.string());
    target.Run(ReadInput(input));
  }
  SetFuzzInputName("");
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay,
                         testing::ValuesIn(FuzzTargets().begin(), FuzzTargets().end()),
                         [](const testing::TestParamInfo<TFuzzTarget>& target) {
                           return std::string(target.param.Name);
                         });

}  // namespace
}  // namespace absence::fuzz
