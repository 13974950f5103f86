#!/usr/bin/env bash
# Component streams cross between the 32-bit and the 64-bit control byte for byte: both save the same
# bytes for the same property writes, and each saves again exactly what the other saved. Both
# persist_tool builds run in the 64-bit prefix (its WoW64 side runs the 32-bit one), each loading its
# own build's .ocx by path.
# Usage: cross_arch_persistence.sh TOOL32 TOOL64 WORK_DIR
# Exit code 77 (a skip for CTest) when there is no 32-bit tool: the 32-bit tree was not built.
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 TOOL32 TOOL64 WORK_DIR" >&2; exit 2; }
tool32=$1 tool64=$2 work=$3
if [ ! -f "$tool32" ]; then
  echo "SKIP: no 32-bit persist_tool at '$tool32': build the win32 tree (scripts/build.sh win32) and" \
       "configure this tree with -DZARNEL_WIN32_BUILD=<its folder>"
  exit 77
fi
source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/wine-env.sh"
zarnel_select_wine win64
if [ -z "${ZARNEL_DISPLAY:-}" ]; then
  echo "cross_arch_persistence: no display; run 'source scripts/wine-env.sh && zarnel_start_wine win64' first" >&2
  exit 1
fi
rm -rf "$work"
mkdir -p "$work"

failures=0
# run_tool 32|64 COMMAND FILES...: that build's tool, with the files as Windows paths.
run_tool() {
  local bits=$1 command=$2 rc=0 args=() file tool
  shift 2
  [ "$bits" = 32 ] && tool=$tool32 || tool=$tool64
  for file in "$@"; do args+=("Z:${file//\//\\}"); done
  wine "$tool" "$command" "${args[@]}" </dev/null || rc=$?
  if [ "$rc" -ne 0 ]; then
    echo "FAIL: the $bits-bit persist_tool $command $* exited with $rc" >&2
    failures=$((failures + 1))
  fi
}
same_bytes() {
  if ! cmp "$2" "$3"; then
    echo "FAIL: $1" >&2
    failures=$((failures + 1))
  fi
}

run_tool 32 save "$work/saved32.bin"
run_tool 64 save "$work/saved64.bin"
same_bytes "the 32-bit and the 64-bit control save different bytes" "$work/saved32.bin" "$work/saved64.bin"
run_tool 64 resave "$work/saved32.bin" "$work/resaved64.bin"
same_bytes "the 64-bit control saves a 32-bit stream differently" "$work/saved32.bin" "$work/resaved64.bin"
run_tool 32 resave "$work/saved64.bin" "$work/resaved32.bin"
same_bytes "the 32-bit control saves a 64-bit stream differently" "$work/saved64.bin" "$work/resaved32.bin"

if [ "$failures" -ne 0 ]; then
  echo "cross-architecture persistence: $failures check(s) failed" >&2
  exit 1
fi
echo "cross-architecture persistence: $(stat -c %s "$work/saved64.bin") bytes, identical in every direction"
