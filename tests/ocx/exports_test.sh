#!/usr/bin/env bash
# The .ocx as a user's machine loads it: it imports from system DLLs only (no compiler runtime to ship
# beside it) and exports exactly the five entry points of an in-process server, by undecorated names.
# Usage: exports_test.sh MODULE MINGW_TRIPLE   (the triple names the objdump that reads MODULE)
set -euo pipefail
module=$1
objdump=$2-objdump

headers=$("$objdump" -p "$module")
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The platform's own DLLs that the server uses, lower case; the API sets (api-ms-win-*, ext-ms-win-*)
# are the platform's too. A new system DLL the server comes to need goes on this list.
system_dlls=" kernel32.dll user32.dll gdi32.dll advapi32.dll ole32.dll oleaut32.dll msvcrt.dll "
imports=$(sed -n 's/^\tDLL Name: //p' <<<"$headers")
[ -n "$imports" ] || fail "$module: objdump lists no imported DLL at all"
for dll in $imports; do
  lower=${dll,,}
  case "$lower" in
    api-ms-win-* | ext-ms-win-*) ;;
    *) [[ "$system_dlls" == *" $lower "* ]] || fail "$module imports $dll, which is not a system DLL" ;;
  esac
done

# The name pointer table, one "[ n] Name" line per name, between its heading and the next blank line.
exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^\t\[ *[0-9]*\] //p' <<<"$headers" | sort)
expected=$(printf '%s\n' DllCanUnloadNow DllGetClassObject DllInstall DllRegisterServer DllUnregisterServer)
[ "$exports" = "$expected" ] ||
  fail "$module exports by name:"$'\n'"${exports:-(nothing)}"$'\n'"instead of exactly:"$'\n'"$expected"
# Nothing exported by ordinal alone either: the address table holds the five and no more.
addresses=$(sed -n '/^Number in:/,/^Table Addresses/s/^\tExport Address Table[ \t]*\([0-9a-fA-F]*\)$/\1/p' <<<"$headers")
[ "$((16#${addresses:-0}))" -eq 5 ] || fail "$module's export address table has ${addresses:-no} entries, not 5"

if [ "$failures" -ne 0 ]; then
  echo "exports test: $failures check(s) failed" >&2
  exit 1
fi
echo "exports test: imports only system DLLs ($(echo $imports)), exports exactly the five entry points"
