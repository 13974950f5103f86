#!/usr/bin/env bash
# Runs the demo under Wine into a fresh folder and checks its screenshots with an independent decoder.
set -euo pipefail
demo_exe=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$out"
mkdir -p "$out"
"$here/../../scripts/wine-run.sh" "$demo_exe" "Z:${out//\//\\}"
python3 "$here/check_screenshots.py" "$out"
