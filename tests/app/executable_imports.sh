#!/usr/bin/env bash
# Folvane.exe must be a 32-bit PE file that needs nothing but Windows itself:
# no MinGW runtime DLLs beside it.
set -euo pipefail
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe")
grep -q 'file format pei-i386' <<<"$dump" || { echo "not pei-i386"; exit 1; }
dlls=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$dump" | sort -u)
echo "imports:" $dlls
allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|winmm|msimg32|uxtheme|gdiplus|version|mpr|shlwapi|msvcrt|imm32|ws2_32|rpcrt4)\.dll$'
bad=$(grep -Ev "$allowed" <<<"$dlls" || true)
if [ -n "$bad" ]; then
  echo "imports DLLs that are not part of Windows: $bad"
  exit 1
fi
