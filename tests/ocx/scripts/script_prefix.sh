#!/usr/bin/env bash
# The Wine prefix of the script tests, with the control registered, as the ctest fixture around them:
#
#   script_prefix.sh up PREFIX OCX    makes PREFIX if it is not ready, starts its wineserver and
#                                     registers OCX there with regsvr32
#   script_prefix.sh down PREFIX      stops PREFIX's wineserver
#
# Never the shared prefix (build/wineprefix, or build/wineprefix64 for the win64 build: ZARNEL_WINE_ARCH,
# which CTest sets, selects it and the regsvr32 and cscript of that architecture), which the demo and
# developers use. PREFIX is made once per build tree as a copy of the shared prefix (about 1-3 s; a
# fresh wineboot takes about 10 s), or booted afresh when there is no shared one yet, and marked ready;
# the control is registered on every run, so the prefix always names the .ocx just built.
set -euo pipefail
usage() {
  echo "usage: $0 up PREFIX OCX | down PREFIX" >&2
  exit 2
}
[ $# -ge 2 ] || usage
command=$1 prefix=$2

source "$(dirname "$0")/../../../scripts/wine-env.sh"
shared_prefix=$WINEPREFIX
export WINEPREFIX=$prefix

# Made aside and moved into place, so that an interrupted copy never looks ready.
make_prefix() {
  [ -f "$prefix/.zarnel-ready" ] && return 0
  rm -rf "$prefix" "$prefix.partial"
  if [ -f "$shared_prefix/.zarnel-ready" ]; then
    cp -a "$shared_prefix" "$prefix.partial"
    mv "$prefix.partial" "$prefix"
  else
    zarnel_ensure_prefix
  fi
}

case $command in
  up)
    [ $# -eq 3 ] || usage
    ocx=$3
    mkdir -p "$(dirname "$prefix")"
    exec 9>"$prefix.lock"
    flock 9
    make_prefix
    # Kept for the scripts that follow, and gone a minute after the last of them even if the fixture's
    # end never runs. The server and the services it starts keep whatever output they were given
    # open: give them none, or ctest waits for them.
    wineserver -p60 >/dev/null 2>&1
    status=0
    wine regsvr32 /s "Z:$ocx" >/dev/null 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
      echo "regsvr32 /s Z:$ocx exited with $status" >&2
      exit 1
    fi
    ;;
  down)
    [ $# -eq 2 ] || usage
    wineserver -k >/dev/null 2>&1 || true
    ;;
  *) usage ;;
esac
