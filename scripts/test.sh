#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds (warnings are errors) and runs every
# test; then every test again, the windows offscreen, under AddressSanitizer and
# UndefinedBehaviorSanitizer. Prints how long each step took.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
# Many tests wait on files, timers and child programs; twice as many at once keeps the cores busy.
test_jobs=$((2 * jobs))
timings=()
started=$SECONDS

step() {
  local title=$1
  shift
  echo "== $title"
  local begun=$SECONDS
  "$@"
  local took=$((SECONDS - begun))
  timings+=("$(printf '%4d:%02d  %s' $((took / 60)) $((took % 60)) "$title")")
  echo "-- $title: $((took / 60)) min $((took % 60)) s"
}

step "Install what is missing" "$root/scripts/setup.sh"
step "Formatting" "$root/scripts/check_format.sh"
step "Build with warnings as errors, and the tests" \
  env BUILD_DIR="$root/build" "$root/scripts/build.sh" -DABSENCE_STRICT=ON
step "Tests" bash -c "cd '$root/build' && ctest --output-on-failure -j$test_jobs --timeout 600"
# The warnings were checked above; instrumented code makes GCC warn where nothing is wrong.
step "Build under AddressSanitizer and UndefinedBehaviorSanitizer" \
  env BUILD_DIR="$root/build-asan" BUILD_TYPE=Debug "$root/scripts/build.sh" \
  -DABSENCE_SANITIZE=ON -DABSENCE_STRICT=OFF -DABSENCE_BUILD_BENCH=OFF
step "Tests under the sanitizers" \
  env ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  bash -c "cd '$root/build-asan' && ctest --output-on-failure -j$test_jobs --timeout 900"

echo "== Time taken (min:s)"
printf '%s\n' "${timings[@]}"
total=$((SECONDS - started))
printf '%4d:%02d  all\n' $((total / 60)) $((total % 60))
