#!/usr/bin/env bash
# Builds the fuzz programs with clang (AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer)
# into build-fuzz/ (or $BUILD_DIR) and runs each target, or the one named, for SECONDS.
#   scripts/fuzz.sh SECONDS [TARGET]
# Each target starts from its seeds (written by the project's own writers) and the kept
# findings in fuzz/regressions/<target>/; what it learns stays in build-fuzz/corpus/<target>/.
# A finding stops the run and leaves its input in build-fuzz/findings/<target>/: fix it, then
# copy the input into fuzz/regressions/<target>/ so the normal test run replays it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET]}
only=${2:-}
build=${BUILD_DIR:-$root/build-fuzz}
targets=(depts reasons emps globals dataset backup settings import_employees import_absences
         date_text accrual)

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="$root"
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "${launcher[@]}" -DABSENCE_FUZZ=ON -DABSENCE_BUILD_GUI=OFF -DABSENCE_BUILD_BENCH=OFF \
  -DABSENCE_STRICT=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_all

status=0
for t in "${targets[@]}"; do
  [[ -n "$only" && "$t" != "$only" ]] && continue
  corpus="$build/corpus/$t"
  findings="$build/findings/$t"
  mkdir -p "$corpus" "$findings"
  "$build/fuzz/absence-fuzz-seeds" "$build/seeds" "$t"
  dirs=("$corpus" "$build/seeds/$t")
  [[ -d "$root/fuzz/regressions/$t" ]] && dirs+=("$root/fuzz/regressions/$t")
  echo "== $t: $seconds s"
  # A hang is an input that takes 10 s; an unbounded allocation one that needs more than 1 GB.
  if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
    -malloc_limit_mb=1024 -artifact_prefix="$findings/" -print_final_stats=1 "${dirs[@]}" \
    2>"$build/fuzz-$t.log"; then
    echo "   FINDING: see $build/fuzz-$t.log and $findings/"
    status=1
  fi
  grep -E "^stat::(number_of_executed_units|peak_rss_mb)|cov: " "$build/fuzz-$t.log" | tail -3
done
exit $status
