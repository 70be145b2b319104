#!/usr/bin/env bash
# Makes the user guide's pictures again from the demo organisation: the windows through the
# screenshot test (offscreen), and a report page through absence-cli and pdftoppm.
# Usage: scripts/screenshots.sh [BUILD_DIR]   (default: build, made by scripts/build.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
out=$root/docs/images
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ABSENCE_SCREENSHOT_DIR=$work/windows QT_QPA_PLATFORM=offscreen \
  "$build/tests/ui/absence_ui_tests" sample_screens >"$work/test.log" 2>&1 ||
  { cat "$work/test.log"; exit 1; }

mkdir -p "$out"
# The windows the guide shows, under the names it uses.
while read -r shot name; do
  cp "$work/windows/$shot.png" "$out/$name.png"
done <<'LIST'
main-style0-large main-window
main-style0-minimum main-window-small
entry-list entry-dialog
entry-single entry-dialog-new-global
policy-wizard-2 policy-wizard-tier
policy-wizard-5 policy-wizard-summary
employee-record employee-record
reasons reasons
absence-list absence-list
import-5 import-summary
report-preview report-preview
LIST

# Page one of the balance report of the demo organisation, as printed.
cli=$build/src/absence-cli
"$cli" sample "$work/demo" --today 2026-12-08 >/dev/null
printf '[Initialization]\r\nOrganization=Demo Organisation\r\n' >"$work/absence.ini"
"$cli" --data "$work/demo" --ini "$work/absence.ini" report balances --as-of 2026-12-08 \
  --today 2026-12-08 --pdf "$work/balances.pdf" >/dev/null
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$work/balances.pdf" "$out/report-page"
echo "pictures written to $out"
