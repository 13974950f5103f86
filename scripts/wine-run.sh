#!/usr/bin/env bash
# Runs a Windows executable under the project's Wine prefix (CTest's cross-compiling emulator).
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
if [ -z "${ZARNEL_DISPLAY:-}" ]; then
  echo "wine-run: no display; run 'source scripts/wine-env.sh && zarnel_start_wine' first" >&2
  exit 1
fi
zarnel_ensure_prefix
exec wine "$@"
