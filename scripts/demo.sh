#!/usr/bin/env bash
# Builds the control and shows it working: the demo runs under Wine (on a private Xvfb display) and
# writes PNG screenshots of the control into build/demo/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/build.sh win32 >/dev/null

source scripts/wine-env.sh
zarnel_start_wine
trap zarnel_stop_wine EXIT
out="$root/build/demo"
mkdir -p "$out"
wine build/win32/demo/zarnel_demo.exe "Z:${out//\//\\}"
echo "screenshots: $out"

# The real server: registered in the demo's prefix and driven by a script through its ProgID.
ocx=build/win32/server/ZarnelX2Pro.ocx
wine regsvr32 /s "$ocx"
echo "registered $ocx"
wine cscript //nologo demo/scripts/drive_control.vbs
