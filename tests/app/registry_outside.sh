#!/usr/bin/env bash
# The path writer's values as Wine's own 64-bit reg.exe sees them: in the
# 32-bit registry view, where the simulator looks, and not in the 64-bit one,
# whichever tree built the program.
set -euo pipefail
exe=$1
source "$FOLVANE_SOURCE_DIR/scripts/wine-env.sh"
wine_tree_env "$FOLVANE_BINARY_DIR"
wine_exec="$FOLVANE_SOURCE_DIR/scripts/wine-exec"
key='Software\Microsoft\Microsoft Games\Flight Simulator\10.0'
reg() { "$FOLVANE_WINE64_LOADER" reg "$@"; }
cleanup() {
  reg delete "HKLM\\$key" /f /reg:32 >/dev/null 2>&1 || true
  reg delete "HKCU\\$key" /f /reg:32 >/dev/null 2>&1 || true
}
trap cleanup EXIT

"$wine_exec" "$FOLVANE_BINARY_DIR" "$exe" --keep --gtest_brief=1 --gtest_filter='RealRegistry.WriterCreatesTheKeysAndWritesStrings'
machine=$(reg query "HKLM\\$key" /reg:32 2>/dev/null | tr -d '\r')
user=$(reg query "HKCU\\$key" /v AppPath /reg:32 2>/dev/null | tr -d '\r')
machine64=$(reg query "HKLM\\$key" /reg:64 2>&1 | tr -d '\r' || true)
echo "$machine"; echo "$user"; echo "64-bit view: $machine64"
grep -qE '^ +SetupPath +REG_SZ +C:\\FSX\\$' <<<"$machine"
grep -qE '^ +CDPath +REG_SZ +E:\\$' <<<"$machine"
grep -qE '^ +AppPath +REG_SZ +C:\\FSX\\$' <<<"$user"
if grep -q SetupPath <<<"$machine64"; then
  echo "SetupPath landed in the 64-bit view" >&2
  exit 1
fi
