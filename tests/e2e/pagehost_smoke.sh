#!/usr/bin/env bash
# The real page host opens the editor on the X display; we take a screenshot, check
# that the window shows the page and the toolbar, and close it. Usage:
# pagehost_smoke.sh WINE PAGEHOST.exe WINTOOL.exe OUTDIR  (WINE: the loader wrapper of the build's arch)
set -u
wine=$1 host=$2 wintool=$3 out=$4
rm -rf "$out"; mkdir -p "$out"
timeout 60 "$wine" "$host" --dir "$("$wine" winepath -w "$out")" --size 1240x1754 --window 1000x720 >"$out/host.log" 2>&1 &
pid=$!
fail() { echo "FAIL: $*"; cat "$out/host.log"; kill "$pid" 2>/dev/null; exit 1; }
timeout 30 "$wine" "$wintool" wait "Draw Graphics" 20000 || fail "the editor window did not appear"
sleep 0.5
import -window root "$out/editor.png" || fail "no screenshot"
# A real window over a real page has many colours; a blank or black screen has one or two.
colours=$(identify -format '%k' "$out/editor.png")
[ "$colours" -gt 50 ] || fail "the screenshot has only $colours colours"
timeout 30 "$wine" "$wintool" close "Draw Graphics" || fail "cannot close the editor"
timeout 30 "$wine" "$wintool" gone "Draw Graphics" 10000 || fail "the editor did not close"
wait "$pid"; rc=$?
[ $rc -eq 0 ] || fail "pagehost exited with $rc"
[ -f "$out/Page1.bmp" ] || fail "no Page1.bmp"
# The host must fail cleanly when the library is missing.
timeout 30 "$wine" "$host" --dir "$("$wine" winepath -w "$out")" --dll 'C:\nowhere\vellumkit.dll' >"$out/missing.log" 2>&1
rc=$?
[ $rc -eq 2 ] || fail "a missing library gave exit status $rc"
grep -q "cannot load" "$out/missing.log" || fail "no message for a missing library"
# ... and when the library has no such export.
timeout 30 "$wine" "$host" --dir "$("$wine" winepath -w "$out")" --dll 'C:\windows\system32\version.dll' >"$out/noexport.log" 2>&1
rc=$?
[ $rc -eq 2 ] || fail "a library without the export gave exit status $rc"
grep -q "has no export" "$out/noexport.log" || fail "no message for a missing export"
echo "pagehost smoke ok ($colours colours in $out/editor.png)"
