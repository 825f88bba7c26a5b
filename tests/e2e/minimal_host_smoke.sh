#!/usr/bin/env bash
# The example host, linked with the import library, opens the editor on a page picture;
# Goto page 2 makes the editor save page 1 and ask the host, which copies the picture.
# Usage: minimal_host_smoke.sh WINE MINIMAL-HOST.exe WINTOOL.exe OUTDIR
set -u
wine=$1 host=$2 wintool=$3 out=$4
rm -rf "$out"; mkdir -p "$out"
convert -size 320x400 xc:white -fill black -draw 'rectangle 40,40 280,80' -type truecolor "BMP3:$out/Page1.bmp" ||
  { echo "FAIL: cannot make a page picture"; exit 1; }
timeout 60 "$wine" "$host" "$("$wine" winepath -w "$out/Page1.bmp")" 3 >"$out/host.log" 2>&1 &
pid=$!
fail() { echo "FAIL: $*"; cat "$out/host.log"; kill "$pid" 2>/dev/null; exit 1; }
timeout 30 "$wine" "$wintool" wait "Draw Graphics" 20000 || fail "the editor window did not appear"
timeout 30 "$wine" "$wintool" goto "Draw Graphics" 2 || fail "no page box or Goto button"
timeout 60 "$wine" "$wintool" files 20000 "$("$wine" winepath -w "$out/Page2.bmp")" "$("$wine" winepath -w "$out/1.ini")" || true  # the checks below say which is missing
[ -f "$out/1.ini" ] || fail "page 1 was not saved"
[ -f "$out/Page2.bmp" ] || fail "the host did not answer the page message"
timeout 30 "$wine" "$wintool" close "Draw Graphics" || fail "cannot close the editor"
timeout 30 "$wine" "$wintool" gone "Draw Graphics" 10000 || fail "the editor did not close"
wait "$pid"; rc=$?
[ $rc -eq 0 ] || fail "minimal-host exited with $rc"
cmp -s "$out/Page1.bmp" "$out/Page2.bmp" || fail "Page2.bmp is not the copied picture"
echo "minimal host ok"
