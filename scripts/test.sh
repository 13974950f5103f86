#!/usr/bin/env bash
# Installs and builds what is missing, then runs every test: the native ones (under ASan/UBSan, with
# short fuzzing runs) and the Windows ones under Wine, for the 32-bit build in the 32-bit prefix and for
# the 64-bit build in the 64-bit prefix. Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# The win64 tree is configured with ZARNEL_WIN32_BUILD=build/win32 (build.sh), whose persist_tool its
# cross-architecture persistence test runs.
bash scripts/build.sh native win32 win64

source scripts/wine-env.sh
zarnel_start_wine win32
trap zarnel_stop_wine EXIT

status=0
ctest --test-dir build/native --output-on-failure -j 2 || status=1
# Windows tests share one display: run them one at a time. A crashed test exe waits for Wine's
# debugger; the time limit ends it as a failure.
ctest --test-dir build/win32 --output-on-failure --timeout 300 || status=1
zarnel_start_wine win64
ctest --test-dir build/win64 --output-on-failure --timeout 300 || status=1
# The release folder from both builds; the script starts Wine for itself.
zarnel_stop_wine
trap - EXIT
bash scripts/release.sh || status=1
exit $status
