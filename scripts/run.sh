#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
if [ -x "$root/build/src/ui/absence" ]; then
  exec "$root/build/src/ui/absence" "$@"
fi
exec "$root/build/src/absence-cli" check "$@"
