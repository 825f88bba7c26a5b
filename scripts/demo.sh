#!/usr/bin/env bash
# Builds, then runs the page host with the editor. On your display when there is one;
# otherwise under Xvfb, where it leaves a screenshot and the written files in a folder
# it names. Extra arguments go to the page host (see: pagehost --help).
set -euo pipefail
source "$(dirname "$0")/env.sh"
cd "$ROOT"
"$ROOT/scripts/setup.sh"
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target vellumkit pagehost wintool

out="$ROOT/build/demo"
rm -rf "$out"
mkdir -p "$out"
trap stop_started EXIT

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  ensure_wineprefix
  start_wineserver
  echo "Running the editor on $DISPLAY; pages and drawings go to $out"
  wine "$BIN/pagehost.exe" --dir "$(winepath -w "$out")" "$@"
  echo "Files written: $(ls "$out" | tr '\n' ' ')"
  exit 0
fi

ensure_display
ensure_wineprefix
start_wineserver
timeout 120 wine "$BIN/pagehost.exe" --dir "$(winepath -w "$out")" "$@" >"$out/pagehost.log" 2>&1 &
host=$!
timeout 30 wine "$BIN/wintool.exe" wait "Draw Graphics" 20000
sleep 1
import -window root "$out/editor.png"
timeout 30 wine "$BIN/wintool.exe" close "Draw Graphics" || true
wait "$host" || true
echo "No display: ran under Xvfb. Screenshot and files are in $out:"
ls -l "$out"
