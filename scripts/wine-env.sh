# Sourced by the build scripts: a private 32-bit Wine prefix in the build tree and an Xvfb display
# of this run's own, so that two runs on one machine never share a pointer or a keyboard.
ZARNEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$ZARNEL_ROOT/build/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
# The tests inherit the display zarnel_ensure_display chose.
[ -n "${ZARNEL_DISPLAY:-}" ] && export DISPLAY="$ZARNEL_DISPLAY"

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
  wineboot -i >/dev/null 2>&1
  # Wine does not look in /usr/share/wine/fonts by itself; without these every face is DejaVu Sans.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  # A virtual desktop: destroying top-level windows is instant instead of costing 2 s each.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.zarnel-ready"
}

# One persistent wineserver for a whole run, warmed up, so each test exe starts in a fraction of a second.
# Runs in one tree share its prefix, whose wineserver is tied to one display: a lock held from here to
# zarnel_stop_wine (or the shell's end) makes a second run in the same tree wait for the first.
zarnel_start_wine() {
  exec 9>"$ZARNEL_ROOT/build/.wine-lock"
  flock -w 900 9 || echo "wine-env: another run in this tree still holds the Wine lock; going on" >&2
  local previous=${ZARNEL_DISPLAY:-}
  zarnel_ensure_display
  # A server left by an earlier run keeps that run's display: start afresh on this one.
  [ "$previous" = "$ZARNEL_DISPLAY" ] || wineserver -k >/dev/null 2>&1 || true
  zarnel_ensure_prefix
  wineserver -p 2>/dev/null 9>&- || true  # already running is fine
  wine cmd /c exit >/dev/null 2>&1 9>&-
}

zarnel_stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  # Only the display this shell started goes; one someone else runs stays.
  [ -n "${ZARNEL_XVFB_PID:-}" ] && kill "$ZARNEL_XVFB_PID" 2>/dev/null || true
  exec 9>&-
}
