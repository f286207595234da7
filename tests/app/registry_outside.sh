#!/usr/bin/env bash
# The path writer's values as Wine's own reg.exe sees them: the 32-bit tool in
# the program's own view, the 64-bit one under Wow6432Node.
set -euo pipefail
exe=$1
wine_exec="$FOLVANE_SOURCE_DIR/scripts/wine-exec"
key='Software\Microsoft\Microsoft Games\Flight Simulator\10.0'
cleanup() {
  wine reg delete "HKLM\\$key" /f >/dev/null 2>&1 || true
  wine reg delete "HKCU\\$key" /f >/dev/null 2>&1 || true
}
trap cleanup EXIT

"$wine_exec" "$exe" --keep --gtest_brief=1 --gtest_filter='RealRegistry.WriterCreatesTheKeysAndWritesStrings'
machine=$(wine reg query "HKLM\\$key" 2>/dev/null | tr -d '\r')
user=$(wine reg query "HKCU\\$key" /v AppPath 2>/dev/null | tr -d '\r')
native=$(/usr/lib/wine/wine64 reg query "HKLM\\Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0" /v SetupPath 2>/dev/null | tr -d '\r')
echo "$machine"; echo "$user"; echo "$native"
grep -qE '^ +SetupPath +REG_SZ +C:\\FSX\\$' <<<"$machine"
grep -qE '^ +CDPath +REG_SZ +E:\\$' <<<"$machine"
grep -qE '^ +AppPath +REG_SZ +C:\\FSX\\$' <<<"$user"
grep -qE '^ +SetupPath +REG_SZ +C:\\FSX\\$' <<<"$native"
