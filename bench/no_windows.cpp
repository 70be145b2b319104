// Built without the windows: the main window's timings are left out of the table.
#include "bench.h"

namespace absence::bench {

void BenchWindows(TSizeRun&) {}

}  // namespace absence::bench
