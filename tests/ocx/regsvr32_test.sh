#!/usr/bin/env bash
# regsvr32 as a user runs it on the built .ocx, every value read back with `reg query`: register,
# register again, unregister, unregister with nothing registered, and a copy in a folder whose name
# has spaces. It runs in a Wine prefix of its own (a copy of the build's prefix, made once and kept),
# so the build's shared prefix keeps whatever the demo or a developer registered there.
# Usage: regsvr32_test.sh OCX PRIVATE_PREFIX
# The build's word in ZARNEL_WINE_ARCH (win32 or win64; CTest sets it) chooses the prefix to copy, the
# loader, and so the regsvr32 and reg of that architecture, and the type library's platform subkey.
set -euo pipefail
trap 'echo "regsvr32 test: stopped by a failing command at line $LINENO" >&2' ERR
ocx=$(realpath "$1")
prefix=$(realpath -m "$2")
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/scripts/wine-env.sh"
if [ -z "${ZARNEL_DISPLAY:-}" ]; then
  echo "regsvr32 test: no display; run 'source scripts/wine-env.sh && zarnel_start_wine' first" >&2
  exit 1
fi

clsid='{EF8810BE-428E-45A4-BCC8-3E826E335078}'
libid='{C8D4B28F-DDE8-4D91-ADBD-5380B2D39A12}'
class_keys=("CLSID\\$clsid" 'ZarnelX2Pro.ZarnelX' "TypeLib\\$libid"
  'Interface\{8D075B77-7AE7-40DF-82DD-E9B043D404A1}' 'Interface\{DA9F3F74-38B6-466B-92CE-8E6DDF584B79}')

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

zarnel_ensure_prefix
if [ ! -d "$prefix" ]; then
  # Made aside and moved into place, so that an interrupted copy is never taken for a prefix.
  rm -rf "$prefix.partial"
  mkdir -p "$(dirname "$prefix")"
  cp -a "$WINEPREFIX" "$prefix.partial"
  mv "$prefix.partial" "$prefix"
fi
export WINEPREFIX=$prefix
# This prefix's own server, with nothing holding CTest's output pipe open (the services the first
# Wine process starts get no output either): stopped when the test ends, and gone by itself half a
# minute after its last client should the test be killed.
wineserver -p30 </dev/null >/dev/null 2>&1 || {
  echo "regsvr32 test: cannot start a wineserver for $prefix" >&2
  exit 1
}
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

# One command line for cmd running `reg ACTION HKCR\key ARGS` on each of the class's keys.
for_each_key() {
  local action=$1 args=$2 line="" key
  for key in "${class_keys[@]}"; do line+="reg $action HKCR\\$key $args & "; done
  printf '%s' "${line% & }"
}

# Leftovers of an interrupted run, or of a registration the build's prefix had when it was copied.
wine cmd /c "$(for_each_key delete /f)" </dev/null >/dev/null 2>&1 || true

# Sets values to every value below the class's keys, one line each (KEY|NAME|TYPE|DATA), and missing
# to how many of the keys `reg query` reported as not there (Wine's reg says so on standard output).
read_values() {
  local output
  output=$(wine cmd /c "$(for_each_key query /s)" </dev/null 2>/dev/null | tr -d '\r' || true)
  values=$(awk -F '    ' '
    /^HKEY_/ { key = $0; next }
    /^    / { data = $4; for (i = 5; i <= NF; i++) data = data FS $i; print key "|" $2 "|" $3 "|" data }' <<<"$output")
  missing=$(grep -c 'Unable to find the specified registry key' <<<"$output" || true)
}

# What a registration of the module at long path $1 leaves, with $2 as InprocServer32's value.
expected_values() {
  local long=$1 server=$2 help
  help=${long%\\*}\\
  local class="HKEY_CLASSES_ROOT\\CLSID\\$clsid" lib="HKEY_CLASSES_ROOT\\TypeLib\\$libid\\2.0"
  local control='HKEY_CLASSES_ROOT\Interface\{8D075B77-7AE7-40DF-82DD-E9B043D404A1}'
  local events='HKEY_CLASSES_ROOT\Interface\{DA9F3F74-38B6-466B-92CE-8E6DDF584B79}'
  # Dual interfaces go through the automation marshaller, dispinterfaces through the dispatch one.
  local dual='{00020424-0000-0000-C000-000000000046}' dispatch='{00020420-0000-0000-C000-000000000046}'
  # FLAGS 8: LIBFLAG_FHASDISKIMAGE, as widl marks the library.
  cat <<EOF
$class|(Default)|REG_SZ|ZarnelX Control
$class\\Control|(Default)|REG_SZ|
$class\\InprocServer32|(Default)|REG_SZ|$server
$class\\InprocServer32|ThreadingModel|REG_SZ|Apartment
$class\\MiscStatus|(Default)|REG_SZ|0
$class\\MiscStatus\\1|(Default)|REG_SZ|131473
$class\\ProgID|(Default)|REG_SZ|ZarnelX2Pro.ZarnelX
$class\\ToolboxBitmap32|(Default)|REG_SZ|$long,1
$class\\TypeLib|(Default)|REG_SZ|$libid
$class\\Verb|(Default)|REG_SZ|
$class\\Verb\\0|(Default)|REG_SZ|Properties,0,2
$class\\Version|(Default)|REG_SZ|2.0
HKEY_CLASSES_ROOT\\ZarnelX2Pro.ZarnelX|(Default)|REG_SZ|ZarnelX Control
HKEY_CLASSES_ROOT\\ZarnelX2Pro.ZarnelX\\Clsid|(Default)|REG_SZ|$clsid
$lib|(Default)|REG_SZ|ZarnelX 2 PRO Library
$lib\\409\\$ZARNEL_WINE_ARCH|(Default)|REG_SZ|$long
$lib\\FLAGS|(Default)|REG_SZ|8
$lib\\HELPDIR|(Default)|REG_SZ|$help
$control|(Default)|REG_SZ|IZarnelX
$control\\ProxyStubClsid|(Default)|REG_SZ|$dual
$control\\ProxyStubClsid32|(Default)|REG_SZ|$dual
$control\\TypeLib|(Default)|REG_SZ|$libid
$control\\TypeLib|Version|REG_SZ|2.0
$events|(Default)|REG_SZ|IZarnelXEvents
$events\\ProxyStubClsid|(Default)|REG_SZ|$dispatch
$events\\ProxyStubClsid32|(Default)|REG_SZ|$dispatch
$events\\TypeLib|(Default)|REG_SZ|$libid
$events\\TypeLib|Version|REG_SZ|2.0
EOF
}

expect_values() {
  local what=$1 expected=$2
  if ! diff <(sort <<<"$expected") <(sort <<<"$values") >/dev/null; then
    fail "$what: the registry differs from what was expected (< expected, > found):"
    diff <(sort <<<"$expected") <(sort <<<"$values") >&2 || true
  fi
}

expect_nothing_registered() {
  read_values
  [ -z "$values" ] || fail "$1: values of the class are still there:"$'\n'"$values"
  [ "$missing" -eq "${#class_keys[@]}" ] ||
    fail "$1: reg query found $((${#class_keys[@]} - missing)) of the class's ${#class_keys[@]} keys still there"
}

run_regsvr32() {
  local what=$1 rc=0
  shift
  wine regsvr32 "$@" </dev/null >/dev/null 2>&1 || rc=$?
  [ "$rc" -eq 0 ] || fail "$what: regsvr32 $* exited with $rc"
}

win_ocx="Z:${ocx//\//\\}"
run_regsvr32 "register" /s "$win_ocx"
read_values
first=$values
expect_values "register" "$(expected_values "$win_ocx" "$win_ocx")"

run_regsvr32 "register again" /s "$win_ocx"
read_values
expect_values "register again (the same values as the first time)" "$first"

run_regsvr32 "unregister" /u /s "$win_ocx"
expect_nothing_registered "unregister"
run_regsvr32 "unregister with nothing registered" /u /s "$win_ocx"

# A copy in a folder with spaces: InprocServer32 names it by its 8.3 form, everything else by its long path.
folder="$prefix/drive_c/zarnel reg test"
mkdir -p "$folder"
cp "$ocx" "$folder/ZarnelX2Pro.ocx"
spaced='C:\zarnel reg test\ZarnelX2Pro.ocx'
run_regsvr32 "register from a folder with spaces" /s "$spaced"
read_values
server=$(grep -F '\InprocServer32|(Default)|' <<<"$values" | cut -d '|' -f 4 || true)
case "$server" in
  "" | *" "*) fail "folder with spaces: InprocServer32 is '$server', not a path without spaces" ;;
  *)
    named=$(wine winepath -u "$server" </dev/null 2>/dev/null | tr -d '\r')
    [ "$(realpath -m "$named")" = "$(realpath "$folder/ZarnelX2Pro.ocx")" ] ||
      fail "folder with spaces: InprocServer32 '$server' names '$named', not the copy"
    expect_values "folder with spaces" "$(expected_values "$spaced" "$server")"
    ;;
esac
run_regsvr32 "unregister from a folder with spaces" /u /s "$spaced"
rm -rf "$folder"

if [ "$failures" -ne 0 ]; then
  echo "regsvr32 test: $failures check(s) failed" >&2
  exit 1
fi
echo "regsvr32 test: every check passed"
