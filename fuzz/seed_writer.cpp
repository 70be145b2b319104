// Writes the seed corpus of every fuzz target (or of the one named) into FOLDER/<target>/.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fuzz/fuzz_targets.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [TARGET]\n", argv[0]);
    return 2;
  }
  namespace fs = std::filesystem;
  int written = 0;
  for (const auto& target : absence::fuzz::FuzzTargets()) {
    if (argc > 2 && std::string(argv[2]) != target.Name) continue;
    const fs::path folder = fs::path(argv[1]) / target.Name;
    fs::create_directories(folder);
    int n = 0;
    for (const auto& seed : target.Seeds()) {
      std::ofstream out(folder / ("seed-" + std::to_string(++n)), std::ios::binary);
      out.write(reinterpret_cast<const char*>(seed.data()),
                static_cast<std::streamsize>(seed.size()));
      if (!out) {
        std::fprintf(stderr, "cannot write %s\n", (folder / std::to_string(n)).c_str());
        return 1;
      }
    }
    written += n;
  }
  if (written == 0) {
    std::fprintf(stderr, "no fuzz target named %s\n", argc > 2 ? argv[2] : "");
    return 2;
  }
  return 0;
}
