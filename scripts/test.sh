#!/usr/bin/env bash
# Installs and builds what is missing, then runs every test: the native ones (under ASan/UBSan, with
# short fuzzing runs) and the Windows ones under Wine. Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/build.sh native win32

source scripts/wine-env.sh
zarnel_start_wine
trap zarnel_stop_wine EXIT

status=0
ctest --test-dir build/native --output-on-failure -j 2 || status=1
# Windows tests share one display: run them one at a time. A crashed test exe waits for Wine's
# debugger; the time limit ends it as a failure.
ctest --test-dir build/win32 --output-on-failure --timeout 300 || status=1
exit $status
