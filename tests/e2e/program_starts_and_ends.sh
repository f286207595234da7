#!/usr/bin/env bash
# Folvane.exe runs under Wine and ends with exit code 0, with and without a
# settings file beside it, and writes nothing to the simulator's keys.
set -euo pipefail
exe=$1
source "$FOLVANE_SOURCE_DIR/scripts/wine-env.sh"
wine_tree_env "$FOLVANE_BINARY_DIR"
work=$(mktemp -d)
key='HKLM\Software\Microsoft\Microsoft Games\Flight Simulator\10.0'
cleanup() { rm -rf "$work"; }
trap cleanup EXIT
cp "$exe" "$work/Folvane.exe"

run() {
  local status=0
  timeout 60 "$FOLVANE_WINE" "$work/Folvane.exe" || status=$?
  echo "$status"
}

status=$(run)
[ "$status" = 0 ] || { echo "exit code $status without settings file"; exit 1; }
: >"$work/Folvane.ini"
status=$(run)
[ "$status" = 0 ] || { echo "exit code $status with settings file"; exit 1; }
if "$FOLVANE_WINE" reg query "$key" >/dev/null 2>&1; then
  echo "the simulator key was created"
  exit 1
fi
echo "ok"
