#!/usr/bin/env bash
# The shipped binaries load on a clean Windows: they import only system DLLs, and the
# library exports ShowFreeDrawImageForm undecorated as a __stdcall function that pops its
# nine 4-byte arguments (ret $0x24). Usage: check_artefacts.sh OBJDUMP DLL EXE...
set -u
objdump=$1; shift
dll=$1
status=0
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|COMDLG32|SHELL32|ADVAPI32|OLE32|msvcrt)\.(dll|DLL)$'
for bin in "$@"; do
  while read -r name; do
    if ! [[ "$name" =~ $allowed ]]; then echo "$(basename "$bin") imports $name"; status=1; fi
  done < <("$objdump" -p "$bin" | sed -n 's/^\s*DLL Name: //p')
done
exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s*\[ *[0-9]+\]' | awk '{print $NF}')
if [ "$exports" != "ShowFreeDrawImageForm" ]; then echo "exports: $exports"; status=1; fi
# The export's code, up to its first return.
body=$("$objdump" -d "$dll" | awk '/<_ShowFreeDrawImageForm@36>:|<ShowFreeDrawImageForm>:/{on=1} on{print} on&&/\sret/{exit}')
if ! grep -qE 'ret +\$0x24' <<<"$body"; then echo "ShowFreeDrawImageForm does not pop 36 bytes:"; tail -3 <<<"$body"; status=1; fi
[ $status -eq 0 ] && echo "artefacts ok"
exit $status
