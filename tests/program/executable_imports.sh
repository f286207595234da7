#!/usr/bin/env bash
# A Folvane.exe must be a PE file of the expected machine that needs nothing
# but Windows itself: no MinGW runtime DLLs beside it. Reads the file only,
# so it runs on every host.   Usage: executable_imports.sh EXE pei-i386|pei-x86-64
set -euo pipefail
exe=$1
format=$2
dump=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -q "file format $format\$" <<<"$dump" || { echo "not $format"; exit 1; }
dlls=$(awk '/DLL Name:/ {print tolower($3)}' <<<"$dump" | sort -u)
echo "imports:" $dlls
allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|winmm|msimg32|uxtheme|gdiplus|version|mpr|shlwapi|msvcrt|imm32|ws2_32|rpcrt4)\.dll$'
bad=$(grep -Ev "$allowed" <<<"$dlls" || true)
if [ -n "$bad" ]; then
  echo "imports DLLs that are not part of Windows: $bad"
  exit 1
fi
