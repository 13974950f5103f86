#!/usr/bin/env bash
# regsvr32 /n /i:user as a user without administrator rights runs it, in a Wine prefix of the test's
# own, every value read back with `reg query`: the keys below HKCU\Software\Classes must be those a
# machine-wide regsvr32 writes below HKCR, value for value, while HKCR holds none of them;
# /u /n /i:user removes them all, and succeeds with nothing registered; any other command line fails
# and writes nothing.
# Usage: per_user_regsvr32_test.sh OCX PRIVATE_PREFIX
set -euo pipefail
trap 'echo "per-user regsvr32 test: stopped by a failing command at line $LINENO" >&2' ERR
ocx=$(realpath "$1")
source "$(dirname "${BASH_SOURCE[0]}")/private_prefix.sh"
zarnel_private_prefix "$2"
win_ocx="Z:${ocx//\//\\}"
user_root='HKCU\Software\Classes'

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Every value below the control's keys under the given roots (HKCR, HKCU\...), one line each, sorted:
# ROOT|KEY|NAME|TYPE|DATA, with ROOT "machine" or "user" and KEY below the root, so that the two roots
# give comparable lines. One Wine process for all the queries.
values_below() {
  # reg query fails for every key that is not there: only its output counts.
  { wine cmd /c "$(zarnel_reg_on_control_keys query /s "$@")" </dev/null 2>/dev/null || true; } | tr -d '\r' | awk -F '    ' '
    /^HKEY_CLASSES_ROOT\\/ { root = "machine"; key = substr($0, 19); next }
    /^HKEY_CURRENT_USER\\Software\\Classes\\/ { root = "user"; key = substr($0, 36); next }
    /^    / { data = $4; for (i = 5; i <= NF; i++) data = data FS $i; print root "|" key "|" $2 "|" $3 "|" data }' | sort
}

# The lines of one root, without the root.
of_root() { sed -n "s/^$1|//p" <<<"$2"; }

regsvr32() {
  local expected=$1 rc=0
  shift
  wine regsvr32 /s "$@" "$win_ocx" </dev/null >/dev/null 2>&1 || rc=$?
  case $expected in
    ok) [ "$rc" -eq 0 ] || fail "regsvr32 $* exited with $rc" ;;
    fails) [ "$rc" -ne 0 ] || fail "regsvr32 $* succeeded" ;;
  esac
}

expect_nothing() {
  local found
  found=$(values_below HKCR "$user_root")
  [ -z "$found" ] || fail "$1: values of the control are still there:"$'\n'"$found"
}

zarnel_forget_control HKCR "$user_root"

# The reference: what the machine-wide registration writes.
regsvr32 ok
machine_wide=$(of_root machine "$(values_below HKCR)")
[ -n "$machine_wide" ] || fail "the machine-wide registration wrote nothing to compare with"
regsvr32 ok /u

regsvr32 ok /n /i:user
found=$(values_below HKCR "$user_root")
per_user=$(of_root user "$found")
if [ "$per_user" != "$machine_wide" ]; then
  fail "the per-user keys differ from the machine-wide ones (< machine-wide below HKCR, > per user below $user_root):"
  diff <(echo "$machine_wide") <(echo "$per_user") >&2 || true
fi
[ -z "$(of_root machine "$found")" ] || fail "the per-user registration wrote to HKCR:"$'\n'"$(of_root machine "$found")"
grep -qxF "CLSID\\{EF8810BE-428E-45A4-BCC8-3E826E335078}\\InprocServer32|(Default)|REG_SZ|$win_ocx" <<<"$per_user" ||
  fail "the per-user InprocServer32 does not name $win_ocx"

regsvr32 ok /n /i:user
[ "$(values_below "$user_root")" = "$found" ] || fail "registering for the user again changed the keys"

regsvr32 ok /u /n /i:user
expect_nothing "per-user removal"
regsvr32 ok /u /n /i:user

for command_line in /i:machine /i; do regsvr32 fails /n "$command_line"; done
expect_nothing "regsvr32 /n with other command lines"

if [ "$failures" -ne 0 ]; then
  echo "per-user regsvr32 test: $failures check(s) failed" >&2
  exit 1
fi
echo "per-user regsvr32 test: every check passed"
