#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then every test again, the windows'
# offscreen, under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
BUILD_DIR="$root/build" "$root/scripts/build.sh"
(cd "$root/build" && ctest --output-on-failure -j"$(nproc)" --timeout 600)
echo "== Core and window tests under AddressSanitizer and UndefinedBehaviorSanitizer"
BUILD_DIR="$root/build-asan" BUILD_TYPE=Debug "$root/scripts/build.sh" \
  -DABSENCE_SANITIZE=ON -DABSENCE_BUILD_BENCH=OFF
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j"$(nproc)" --timeout 900)
