# Sourced by the build scripts: private Wine prefixes in the build tree, a 32-bit one (build/wineprefix)
# for the win32 build and a 64-bit one (build/wineprefix64) for the win64 build, and an Xvfb display
# of this run's own, so that two runs on one machine never share a pointer or a keyboard.
ZARNEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
# The tests inherit the display zarnel_ensure_display chose.
[ -n "${ZARNEL_DISPLAY:-}" ] && export DISPLAY="$ZARNEL_DISPLAY"

# Selects the prefix, and the loader, that Wine commands use from here on: win32 or win64 (CTest gives
# the tests of a build tree its word in ZARNEL_WINE_ARCH, cmake/WineTests.cmake). Debian's `wine` is always the 32-bit loader, which in a 64-bit prefix runs
# the 32-bit cmd, regsvr32 and cscript; the 64-bit loader runs the 64-bit ones (and 32-bit programs too).
# Scripts that source this file say `wine`: the function below calls the selected prefix's loader.
zarnel_select_wine() {
  case "${1:-}" in
    win32) export WINEPREFIX="$ZARNEL_ROOT/build/wineprefix" ZARNEL_WINE=/usr/bin/wine ;;
    win64) export WINEPREFIX="$ZARNEL_ROOT/build/wineprefix64" ZARNEL_WINE=/usr/lib/wine/wine64 ;;
    *)
      echo "wine-env: unknown architecture '${1:-}' (win32 or win64)" >&2
      return 2
      ;;
  esac
  export WINEARCH=$1 ZARNEL_WINE_ARCH=$1
}
wine() { "$ZARNEL_WINE" "$@"; }
# A shell or a test inherits the architecture its caller selected; 32-bit unless one was.
zarnel_select_wine "${ZARNEL_WINE_ARCH:-win32}"

# Starts Xvfb on the first display number without a lock file, unless this run has one already.
zarnel_ensure_display() {
  if [ -n "${ZARNEL_DISPLAY:-}" ] && xdpyinfo -display "$ZARNEL_DISPLAY" >/dev/null 2>&1; then return 0; fi
  local n pid
  for n in $(seq 77 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    # 24-bit depth gives exact colours; the fixed size keeps screenshots comparable.
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 9>&- &
    pid=$!
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break  # another run took this number first
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        sleep 0.3
        kill -0 "$pid" 2>/dev/null || break
        ZARNEL_XVFB_PID=$pid
        export ZARNEL_DISPLAY=":$n" DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
  done
  echo "no free X display for Xvfb (tried :77 to :140)" >&2
  return 1
}

zarnel_ensure_prefix() {
  [ -f "$WINEPREFIX/.zarnel-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  wine wineboot -i >/dev/null 2>&1
  # Wine does not look in /usr/share/wine/fonts by itself; without these every face is DejaVu Sans.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  # A virtual desktop: destroying top-level windows is instant instead of costing 2 s each.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.zarnel-ready"
}

# Stops the wineservers of this tree's prefixes (each prefix has its own).
zarnel_stop_servers() {
  local prefix
  for prefix in "$ZARNEL_ROOT/build/wineprefix" "$ZARNEL_ROOT/build/wineprefix64"; do
    if [ -d "$prefix" ]; then WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true; fi
  done
}

# One persistent wineserver for a whole run, warmed up, so each test exe starts in a fraction of a second:
#   zarnel_start_wine [win32|win64]   (the architecture selected before when none is given)
# Runs in one tree share its prefixes, whose wineservers are tied to one display: a lock held from here
# to zarnel_stop_wine (or the shell's end) makes a second run in the same tree wait for the first. The
# same shell may start the other architecture's server afterwards: the display and the lock stay, and
# the first server goes, so that only one prefix's virtual desktop is ever on the screen.
zarnel_start_wine() {
  [ $# -eq 0 ] || zarnel_select_wine "$1" || return
  if [ -z "${ZARNEL_WINE_LOCKED:-}" ]; then
    exec 9>"$ZARNEL_ROOT/build/.wine-lock"
    flock -w 900 9 || echo "wine-env: another run in this tree still holds the Wine lock; going on" >&2
    ZARNEL_WINE_LOCKED=1
  fi
  local previous=${ZARNEL_DISPLAY:-}
  zarnel_ensure_display
  # A server left by an earlier run keeps that run's display, and the other prefix's server its
  # desktop: start afresh on this display with this prefix alone.
  if [ "$previous" != "$ZARNEL_DISPLAY" ] || [ "${ZARNEL_WINE_SERVED:-}" != "$WINEPREFIX" ]; then
    zarnel_stop_servers
  fi
  zarnel_ensure_prefix
  wineserver -p 2>/dev/null 9>&- || true  # already running is fine
  wine cmd /c exit >/dev/null 2>&1 9>&-
  ZARNEL_WINE_SERVED=$WINEPREFIX
}

zarnel_stop_wine() {
  zarnel_stop_servers
  # Only the display this shell started goes; one someone else runs stays.
  [ -n "${ZARNEL_XVFB_PID:-}" ] && kill "$ZARNEL_XVFB_PID" 2>/dev/null || true
  ZARNEL_WINE_SERVED=
  ZARNEL_WINE_LOCKED=
  exec 9>&-
}
