#!/usr/bin/env bash
# Builds the control and shows it working: the demo runs under Wine (on a private Xvfb display) and
# writes PNG screenshots of the control into build/demo/ (build/demo-win64/ for the 64-bit build).
# Usage: demo.sh [win32|win64]   (the 32-bit build by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
arch=${1:-win32}
case "$arch" in
  win32) out="$root/build/demo" ;;
  win64) out="$root/build/demo-win64" ;;
  *) echo "usage: $0 [win32|win64]" >&2; exit 2 ;;
esac
bash scripts/build.sh "$arch" >/dev/null

source scripts/wine-env.sh
zarnel_start_wine "$arch"
trap zarnel_stop_wine EXIT
mkdir -p "$out"
wine "build/$arch/demo/zarnel_demo.exe" "Z:${out//\//\\}"
echo "screenshots: $out"

# The real server: registered in the demo's prefix and driven by a script through its ProgID (the
# prefix's regsvr32 and cscript of the build's architecture).
ocx="build/$arch/server/ZarnelX2Pro.ocx"
wine regsvr32 /s "$ocx"
echo "registered $ocx"
wine cscript //nologo demo/scripts/drive_control.vbs
