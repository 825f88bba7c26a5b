# Sourced by the scripts: where things live and how Wine is run.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="$ROOT/build/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
BIN="$ROOT/build/win32/bin"

# Creates the project's own 32-bit prefix once, with the settings our tests need:
# no crash dialog (a crash must fail, not hang) and unmanaged windows (no 2 s stall
# on every hide when there is no window manager).
ensure_wineprefix() {
  if [ -f "$WINEPREFIX/.vk-ready" ]; then return 0; fi
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  timeout 300 wineboot -i >/dev/null 2>&1 || true
  timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  timeout 60 wineserver -w || true
  [ -f "$WINEPREFIX/system.reg" ] || { echo "could not create the Wine prefix" >&2; return 1; }
  touch "$WINEPREFIX/.vk-ready"
}

# Starts Xvfb on a free display when there is none; sets XVFB_PID.
XVFB_PID=""
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in $(seq 90 130); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      XVFB_PID=$!
      export DISPLAY=":$n"
      local i
      for i in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
      done
      kill "$XVFB_PID" 2>/dev/null
      XVFB_PID=""
    fi
  done
  echo "could not start Xvfb" >&2
  return 1
}

# A persistent wineserver makes each Wine process start in a fraction of a second.
WINESERVER_STARTED=""
start_wineserver() {
  wineserver -p >/dev/null 2>&1 && WINESERVER_STARTED=1
  # The first Wine process starts Wine's own services; they would inherit (and hold open)
  # the output pipe of whichever test ran first, so start them here with no pipe attached.
  timeout 120 wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

stop_started() {
  if [ -n "$WINESERVER_STARTED" ]; then timeout 30 wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null || true; fi
}
