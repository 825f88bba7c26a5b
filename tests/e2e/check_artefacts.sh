#!/usr/bin/env bash
# The shipped binaries load on a clean Windows: they import only system DLLs, and the
# library exports ShowFreeDrawImageForm undecorated. The 32-bit library is PE32 and its
# export is __stdcall, popping its nine 4-byte arguments (ret $0x24); the 64-bit one is
# PE32+ (one calling convention there). The host developer's kit is checked last.
# Usage: check_artefacts.sh OBJDUMP 32|64 VERSION ZIP LLD_HOST OPTASET DLL EXE...
set -u
objdump=$1 arch=$2 version=$3 zip=$4 lldhost=$5 optaset=$6; shift 6
dll=$1
status=0
if [ "$arch" = 32 ]; then format='pei-i386' magic='PE32'; else format='pei-x86-64' magic='PE32\+'; fi
# Import names differ in case between the two toolchains' import libraries.
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|advapi32|ole32|msvcrt)\.dll$'
for bin in "$@"; do
  header=$("$objdump" -p "$bin")
  grep -q "file format $format" <<<"$header" || { echo "$(basename "$bin") is not $format"; status=1; }
  grep -qE "^Magic\s+[0-9a-f]+\s+\($magic\)" <<<"$header" || { echo "$(basename "$bin") has the wrong optional header"; status=1; }
  while read -r name; do
    if ! [[ "${name,,}" =~ $allowed ]]; then echo "$(basename "$bin") imports $name"; status=1; fi
  done < <(sed -n 's/^\s*DLL Name: //p' <<<"$header")
done
exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s*\[ *[0-9]+\]' | awk '{print $NF}')
if [ "$exports" != "ShowFreeDrawImageForm" ]; then echo "exports: $exports"; status=1; fi
if [ "$arch" = 32 ]; then
  # The export's code, up to its first return.
  body=$("$objdump" -d "$dll" | awk '/<_ShowFreeDrawImageForm@36>:|<ShowFreeDrawImageForm>:/{on=1} on{print} on&&/\sret/{exit}')
  if ! grep -qE 'ret +\$0x24' <<<"$body"; then echo "ShowFreeDrawImageForm does not pop 36 bytes:"; tail -3 <<<"$body"; status=1; fi
fi
python3 "$(dirname "$0")/check_kit.py" "$version" "$arch" "$zip" "$lldhost" "$dll" "$optaset" || status=1
[ $status -eq 0 ] && echo "artefacts ok ($arch-bit)"
exit $status
