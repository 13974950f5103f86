# Sourced by the build scripts: a private 32-bit Wine prefix in the build tree and one Xvfb display.
ZARNEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$ZARNEL_ROOT/build/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export DISPLAY=:77
export WINEDLLOVERRIDES="mscoree=;mshtml="

zarnel_ensure_display() {
  if ! xdpyinfo >/dev/null 2>&1; then
    rm -f /tmp/.X77-lock /tmp/.X11-unix/X77
    # 24-bit depth gives exact colours; the fixed size keeps screenshots comparable.
    Xvfb :77 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    ZARNEL_XVFB_PID=$!
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "Xvfb did not start on :77" >&2
    return 1
  fi
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
zarnel_start_wine() {
  zarnel_ensure_display
  zarnel_ensure_prefix
  wineserver -p 2>/dev/null || true  # already running is fine
  wine cmd /c exit >/dev/null 2>&1
}

zarnel_stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  # Only the display this shell started goes; one someone else runs stays.
  [ -n "${ZARNEL_XVFB_PID:-}" ] && kill "$ZARNEL_XVFB_PID" 2>/dev/null || true
}
