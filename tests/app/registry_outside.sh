#!/usr/bin/env bash
# The path writer's values as Wine's own reg.exe sees them: the tool of the
# program's own bitness in the program's view, and the 64-bit tool in the
# native view (under Wow6432Node when the program is 32-bit).
set -euo pipefail
exe=$1
source "$FOLVANE_SOURCE_DIR/scripts/wine-env.sh"
wine_tree_env "$FOLVANE_BINARY_DIR"
wine_exec="$FOLVANE_SOURCE_DIR/scripts/wine-exec"
key='Software\Microsoft\Microsoft Games\Flight Simulator\10.0'
native_key="HKLM\\$key"
if [ "$(wine_tree_arch "$FOLVANE_BINARY_DIR")" = win32 ]; then
  native_key='HKLM\Software\Wow6432Node\Microsoft\Microsoft Games\Flight Simulator\10.0'
fi
reg() { "$FOLVANE_WINE" reg "$@"; }
cleanup() {
  reg delete "HKLM\\$key" /f >/dev/null 2>&1 || true
  reg delete "HKCU\\$key" /f >/dev/null 2>&1 || true
}
trap cleanup EXIT

"$wine_exec" "$FOLVANE_BINARY_DIR" "$exe" --keep --gtest_brief=1 --gtest_filter='RealRegistry.WriterCreatesTheKeysAndWritesStrings'
machine=$(reg query "HKLM\\$key" 2>/dev/null | tr -d '\r')
user=$(reg query "HKCU\\$key" /v AppPath 2>/dev/null | tr -d '\r')
native=$("$FOLVANE_WINE64_LOADER" reg query "$native_key" /v SetupPath 2>/dev/null | tr -d '\r')
echo "$machine"; echo "$user"; echo "$native"
grep -qE '^ +SetupPath +REG_SZ +C:\\FSX\\$' <<<"$machine"
grep -qE '^ +CDPath +REG_SZ +E:\\$' <<<"$machine"
grep -qE '^ +AppPath +REG_SZ +C:\\FSX\\$' <<<"$user"
grep -qE '^ +SetupPath +REG_SZ +C:\\FSX\\$' <<<"$native"
