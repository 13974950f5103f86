#!/usr/bin/env bash
# Runs one VBScript or JScript file under Wine's cscript, in the script tests' prefix where
# script_prefix.sh registered the control:
#
#   run_script_test.sh PREFIX SCRIPT
#
# cscript ends a script at an error it does not handle silently and with exit code 0, so a script
# passes only when it exits with 0 after printing its last line, "SCRIPT END ...".
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 PREFIX SCRIPT" >&2; exit 2; }
prefix=$1 script=$2

source "$(dirname "$0")/../../../scripts/wine-env.sh"
export WINEPREFIX=$prefix
if [ ! -f "$prefix/.zarnel-ready" ]; then
  echo "$prefix is not ready: script_prefix.sh up makes it" >&2
  exit 1
fi

# Into a file, not a pipe: a wineserver this run may start keeps its output open after cscript ends.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
wine cscript //nologo "Z:$script" >"$output" 2>&1 || status=$?
cat "$output"
if ! grep -q '^SCRIPT END' "$output"; then
  echo "the script stopped before its end, at an error it did not handle, in the last section shown" >&2
  exit 1
fi
if [ "$status" -ne 0 ]; then
  echo "the script exited with $status" >&2
  exit 1
fi
