// The libFuzzer program of one target; ABSENCE_FUZZ_TARGET names it.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const absence::fuzz::TFuzzTarget* const target = [] {
    const auto* t = absence::fuzz::FindFuzzTarget(ABSENCE_FUZZ_TARGET);
    if (!t) {
      std::fprintf(stderr, "no fuzz target named %s\n", ABSENCE_FUZZ_TARGET);
      std::abort();
    }
    return t;
  }();
  target->Run({data, size});
  return 0;
}
