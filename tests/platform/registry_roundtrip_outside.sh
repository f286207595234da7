#!/usr/bin/env bash
# Writes a value from inside a Windows program, then reads it with Wine's own
# reg.exe, which the program's code had no part in.
set -euo pipefail
exe=$1
source "$FOLVANE_SOURCE_DIR/scripts/wine-env.sh"
wine_tree_env "$FOLVANE_BINARY_DIR"
wine_exec="$FOLVANE_SOURCE_DIR/scripts/wine-exec"
key='HKCU\Software\Folvane Tests\Outside'

"$wine_exec" "$FOLVANE_BINARY_DIR" "$exe" --keep --gtest_brief=1
out=$("$FOLVANE_WINE" reg query "$key" /v Greeting 2>/dev/null | tr -d '\r')
"$FOLVANE_WINE" reg delete "$key" /f >/dev/null 2>&1 || true
echo "$out"
grep -qE 'Greeting +REG_SZ +C:\\Program Files\\Microsoft Games\\FSX\\$' <<<"$out"
