# Sourced by test scripts that need a Wine prefix of their own, so that the build's shared prefix keeps
# whatever the demo or a developer registered there:
#
#   zarnel_private_prefix PREFIX   makes PREFIX once per build tree as a copy of the shared prefix (made
#                                  aside and moved into place, so an interrupted copy is never taken
#                                  for a prefix), switches WINEPREFIX to it and starts its wineserver,
#                                  which goes when the script exits (or by itself half a minute after
#                                  its last client should the script be killed)
#   zarnel_forget_control ROOT...  removes every registry key of the control below each ROOT (HKCR,
#                                  HKCU\Software\Classes), leftovers of an interrupted run or of a
#                                  registration the shared prefix had
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/scripts/wine-env.sh"

zarnel_private_prefix() {
  local prefix
  prefix=$(realpath -m "$1")
  if [ -z "${ZARNEL_DISPLAY:-}" ]; then
    echo "$(basename "$0"): no display; run 'source scripts/wine-env.sh && zarnel_start_wine' first" >&2
    exit 1
  fi
  zarnel_ensure_prefix
  if [ ! -d "$prefix" ]; then
    mkdir -p "$(dirname "$prefix")"
    rm -rf "$prefix.partial"
    cp -a "$WINEPREFIX" "$prefix.partial" && mv "$prefix.partial" "$prefix"
  fi
  export WINEPREFIX=$prefix
  # Nothing may hold CTest's output pipe open: the server and the services it starts get no output.
  if ! wineserver -p30 </dev/null >/dev/null 2>&1; then
    echo "$(basename "$0"): cannot start a wineserver for $prefix" >&2
    exit 1
  fi
  trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
}

zarnel_control_keys=('CLSID\{EF8810BE-428E-45A4-BCC8-3E826E335078}' 'ZarnelX2Pro.ZarnelX'
  'TypeLib\{C8D4B28F-DDE8-4D91-ADBD-5380B2D39A12}' 'Interface\{8D075B77-7AE7-40DF-82DD-E9B043D404A1}'
  'Interface\{DA9F3F74-38B6-466B-92CE-8E6DDF584B79}')

# One cmd command line running `reg ACTION ROOT\KEY ARGS` on every key of the control below each ROOT.
zarnel_reg_on_control_keys() {
  local action=$1 args=$2 commands=() root key
  shift 2
  for root in "$@"; do
    for key in "${zarnel_control_keys[@]}"; do commands+=("reg $action $root\\$key $args"); done
  done
  local IFS='&'
  printf '%s' "${commands[*]}"
}

zarnel_forget_control() {
  wine cmd /c "$(zarnel_reg_on_control_keys delete /f "$@")" </dev/null >/dev/null 2>&1 || true
}
