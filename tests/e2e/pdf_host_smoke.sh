#!/usr/bin/env bash
# The demo's real-document mode: the page host renders a PDF that this test writes itself
# with pdftoppm at 150 dpi, and renders page 2 when the editor asks for it.
# Usage: pdf_host_smoke.sh WINE PAGEHOST.exe WINTOOL.exe OUTDIR
set -u
wine=$1 host=$2 wintool=$3 out=$4
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/env.sh"
rm -rf "$out"; mkdir -p "$out"
python3 "$here/make_pdf.py" "$out/doc.pdf" 2 || { echo "FAIL: cannot write the PDF"; exit 1; }
mapfile -t pdfargs < <(pdf_host_args "$wine" "$out/doc.pdf")
[ ${#pdfargs[@]} -gt 0 ] || { echo "FAIL: no page host options for the PDF"; exit 1; }
timeout 60 "$wine" "$host" --dir "$("$wine" winepath -w "$out")" "${pdfargs[@]}" >"$out/host.log" 2>&1 &
pid=$!
fail() { echo "FAIL: $*"; cat "$out/host.log"; kill "$pid" 2>/dev/null; exit 1; }
# pixel X Y FILE: "r g b" of a 24-bit bottom-up picture, or its size with "size".
pixel() {
  python3 - "$@" <<'PY'
import struct, sys
data = open(sys.argv[-1], "rb").read()
off, w, h = struct.unpack_from("<I", data, 10)[0], *struct.unpack_from("<ii", data, 18)
if sys.argv[1] == "size":
    print(w, h)
else:
    x, y = int(sys.argv[1]), int(sys.argv[2])
    p = off + (h - 1 - y) * ((w * 3 + 3) & ~3) + 3 * x
    print(data[p + 2], data[p + 1], data[p])
PY
}
timeout 30 "$wine" "$wintool" wait "Draw Graphics" 20000 || fail "the editor window did not appear"
# A6 at 150 dpi; page 1 has its bar near the top, page 2 lower down.
[ "$(pixel size "$out/Page1.bmp")" = "621 875" ] || fail "page 1 is $(pixel size "$out/Page1.bmp"), not A6 at 150 dpi"
[ "$(pixel 300 90 "$out/Page1.bmp")" = "0 0 0" ] || fail "page 1 does not show its bar"
timeout 30 "$wine" "$wintool" goto "Draw Graphics" 2 || fail "no page box or Goto button"
timeout 60 "$wine" "$wintool" files 30000 "$("$wine" winepath -w "$out/Page2.bmp")" "$("$wine" winepath -w "$out/1.ini")" || true  # the checks below say which is missing
[ -f "$out/Page2.bmp" ] || fail "page 2 was not rendered when the editor asked for it"
timeout 30 "$wine" "$wintool" close "Draw Graphics" || fail "cannot close the editor"
timeout 30 "$wine" "$wintool" gone "Draw Graphics" 10000 || fail "the editor did not close"
wait "$pid"; rc=$?
[ $rc -eq 0 ] || fail "pagehost exited with $rc"
[ "$(pixel 300 260 "$out/Page2.bmp")" = "0 0 0" ] && [ "$(pixel 300 90 "$out/Page2.bmp")" = "255 255 255" ] ||
  fail "Page2.bmp is not the document's second page"
echo "pdf host ok"
