#!/usr/bin/env bash
# Builds, then runs the page host with the editor: the 32-bit build where this machine
# runs 32-bit Wine, else the 64-bit one (it says which). On your display when there is
# one; otherwise under Xvfb, where it leaves a screenshot and the written files in a
# folder it names. With --pdf FILE.pdf the pages are the document's, rendered at 150 dpi
# when the editor asks for them. Other arguments go to the page host (see: pagehost --help).
set -euo pipefail
source "$(dirname "$0")/env.sh"
pdf=""
args=()
while [ $# -gt 0 ]; do
  if [ "$1" = --pdf ] && [ $# -ge 2 ]; then pdf=$2; shift 2; else args+=("$1"); shift; fi
done
[ -z "$pdf" ] || [ -f "$pdf" ] || { echo "No such PDF: $pdf" >&2; exit 1; }
pdf=${pdf:+$(realpath "$pdf")}
cd "$ROOT"
"$ROOT/scripts/setup.sh"

if wine_runs 32; then
  arch=32
elif wine_runs 64; then
  echo "The 32-bit build cannot run here, so the demo shows the 64-bit build."
  arch=64
else
  echo "No Wine runs on this machine: $WINE_SKIP_REASON" >&2
  exit 1
fi
preset=win$arch
wine=$(wine_of $arch)
bin="$ROOT/build/$preset/bin"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target vellumkit pagehost wintool

out="$ROOT/build/demo"
rm -rf "$out"
mkdir -p "$out"
trap stop_started EXIT
collect_host_args() {  # hostargs: the document's pages, then the caller's own options
  hostargs=()
  if [ -n "$pdf" ]; then
    mapfile -t hostargs < <(pdf_host_args "$wine" "$pdf")
    [ ${#hostargs[@]} -gt 0 ] || exit 1
  fi
  hostargs+=("${args[@]}")
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  ensure_wineprefix $arch
  start_wineserver $arch
  collect_host_args
  echo "Running the $arch-bit editor on $DISPLAY; pages and drawings go to $out"
  "$wine" "$bin/pagehost.exe" --dir "$("$wine" winepath -w "$out")" "${hostargs[@]}"
  echo "Files written: $(ls "$out" | tr '\n' ' ')"
  exit 0
fi

ensure_display
ensure_wineprefix $arch
start_wineserver $arch
collect_host_args
timeout 120 "$wine" "$bin/pagehost.exe" --dir "$("$wine" winepath -w "$out")" "${hostargs[@]}" >"$out/pagehost.log" 2>&1 &
host=$!
timeout 30 "$wine" "$bin/wintool.exe" wait "Draw Graphics" 20000
sleep 1
import -window root "$out/editor.png"
timeout 30 "$wine" "$bin/wintool.exe" close "Draw Graphics" || true
wait "$host" || true
echo "No display: ran the $arch-bit build under Xvfb. Screenshot and files are in $out:"
ls -l "$out"
