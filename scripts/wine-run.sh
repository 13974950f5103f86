#!/usr/bin/env bash
# Runs a Windows executable under the project's Wine prefix (CTest's cross-compiling emulator).
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
zarnel_ensure_display
zarnel_ensure_prefix
exec wine "$@"
