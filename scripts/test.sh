#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds (warnings are errors) and runs every
# test; then every test again, the windows offscreen, under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
echo "== Formatting"
"$root/scripts/check_format.sh"
echo "== Build with warnings as errors, and the tests"
BUILD_DIR="$root/build" "$root/scripts/build.sh" -DABSENCE_STRICT=ON
(cd "$root/build" && ctest --output-on-failure -j"$(nproc)" --timeout 600)
echo "== Core and window tests under AddressSanitizer and UndefinedBehaviorSanitizer"
# The warnings were checked above; instrumented code makes GCC warn where nothing is wrong.
BUILD_DIR="$root/build-asan" BUILD_TYPE=Debug "$root/scripts/build.sh" \
  -DABSENCE_SANITIZE=ON -DABSENCE_STRICT=OFF -DABSENCE_BUILD_BENCH=OFF
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j"$(nproc)" --timeout 900)
