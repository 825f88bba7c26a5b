# Sourced by the scripts: where things live and how Wine is run. Each Windows arch has
# its own build, its own Wine prefix and its own loader (scripts/wine/wine32, wine64).
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPREFIX WINEARCH WINESERVER
WINE32="$ROOT/scripts/wine/wine32"
WINE64="$ROOT/scripts/wine/wine64"

wine_of() { if [ "$1" = 32 ]; then echo "$WINE32"; else echo "$WINE64"; fi; }
prefix_of() { if [ "$1" = 32 ]; then echo "$ROOT/build/wineprefix"; else echo "$ROOT/build/wineprefix64"; fi; }

# Whether this machine runs the Wine of an arch, found by running its wineserver. Sets
# WINE_SKIP_REASON when it cannot.
WINE_SKIP_REASON=""
wine_runs() {  # wine_runs 32|64
  local server=/usr/lib/wine/wineserver$1 out
  WINE_SKIP_REASON=""
  if [ ! -e "$server" ]; then WINE_SKIP_REASON="no $1-bit Wine is installed"; return 1; fi
  if out=$("$server" --version 2>&1); then return 0; fi
  if grep -qi "exec format error" <<<"$out"; then
    WINE_SKIP_REASON="this kernel cannot run $1-bit programs"
  else
    WINE_SKIP_REASON="its wineserver does not start: $(head -1 <<<"$out")"
  fi
  return 1
}

# Creates the project's own prefix of an arch once, with the settings our tests need:
# no crash dialog (a crash must fail, not hang) and unmanaged windows (no 2 s stall
# on every hide when there is no window manager).
ensure_wineprefix() {  # ensure_wineprefix 32|64
  local wine prefix
  wine=$(wine_of "$1"); prefix=$(prefix_of "$1")
  if [ -f "$prefix/.vk-ready" ]; then return 0; fi
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  timeout 300 "$wine" wineboot -i >/dev/null 2>&1 || true
  timeout 60 "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  timeout 60 "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  timeout 60 "$wine" wineserver -w || true
  [ -f "$prefix/system.reg" ] || { echo "could not create the $1-bit Wine prefix" >&2; return 1; }
  touch "$prefix/.vk-ready"
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
      for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        kill -0 "$XVFB_PID" 2>/dev/null || break  # that display was taken after all
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
WINESERVERS_STARTED=()
start_wineserver() {  # start_wineserver 32|64
  local wine
  wine=$(wine_of "$1")
  "$wine" wineserver -p >/dev/null 2>&1 && WINESERVERS_STARTED+=("$1")
  # The first Wine process starts Wine's own services; they would inherit (and hold open)
  # the output pipe of whichever test ran first, so start them here with no pipe attached.
  timeout 120 "$wine" cmd /c exit >/dev/null 2>&1 </dev/null || true
}

stop_started() {
  local a
  for a in "${WINESERVERS_STARTED[@]}"; do timeout 30 "$(wine_of "$a")" wineserver -k >/dev/null 2>&1 || true; done
  WINESERVERS_STARTED=()
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null || true; XVFB_PID=""; fi
}

# The page host's options for a real document, one per line: its pages are rendered by
# poppler's pdftoppm on demand, and the page count is the document's.
pdf_host_args() {  # pdf_host_args WINE FILE.pdf
  local wine=$1 pdf=$2 pages renderer
  pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/{print $2}')
  [ -n "$pages" ] || { echo "cannot read the PDF $pdf" >&2; return 1; }
  renderer=$(command -v pdftoppm) || { echo "pdftoppm is not installed" >&2; return 1; }
  printf '%s\n' --pdf "$("$wine" winepath -w "$(realpath "$pdf")")" \
    --pdftoppm "$("$wine" winepath -w "$renderer")" --pages "$pages"
}
