#!/usr/bin/env bash
# Writes a value from inside a Windows program, then reads it with Wine's own
# reg.exe, which the program's code had no part in.
set -euo pipefail
exe=$1
wine_exec="$FOLVANE_SOURCE_DIR/scripts/wine-exec"
key='HKCU\Software\Folvane Tests\Outside'

"$wine_exec" "$exe" --keep --gtest_brief=1
out=$(wine reg query "$key" /v Greeting 2>/dev/null | tr -d '\r')
wine reg delete "$key" /f >/dev/null 2>&1 || true
echo "$out"
grep -qE 'Greeting +REG_SZ +C:\\Program Files\\Microsoft Games\\FSX\\$' <<<"$out"
