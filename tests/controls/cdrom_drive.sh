#!/usr/bin/env bash
# Runs a Windows test with a CD-ROM drive E: labelled FSX in its tree's Wine
# prefix, and takes the drive away again afterwards (also on failure), so
# that tests that list drives see the prefix as it was.
# Usage: cdrom_drive.sh WINE_EXEC TREE TEST_EXE [ARGS...] (the tree's emulator
# and the program)
set -euo pipefail
source "$(dirname "$1")/wine-env.sh"
wine_tree_env "$2"
# Drive settings live in the 64-bit registry view.
reg64=("$FOLVANE_WINE64_LOADER" reg)
link="$WINEPREFIX/dosdevices/e:"
key='HKLM\Software\Wine\Drives'
media=$(mktemp -d)
old_link=$(readlink "$link" 2>/dev/null || true)
old_type=$("${reg64[@]}" query "$key" /v e: 2>/dev/null | awk '$1 == "e:" { print $3 }' || true)

restore() {
  rm -f "$link"
  [ -n "$old_link" ] && ln -s "$old_link" "$link"
  if [ -n "$old_type" ]; then
    "${reg64[@]}" add "$key" /v e: /d "$old_type" /f >/dev/null 2>&1 || true
  else
    "${reg64[@]}" delete "$key" /v e: /f >/dev/null 2>&1 || true
  fi
  # Drive settings are read when the server starts.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  rm -rf "$media"
}
trap restore EXIT

printf 'FSX' > "$media/.windows-label"
rm -f "$link"
ln -s "$media" "$link"
"${reg64[@]}" add "$key" /v e: /d cdrom /f >/dev/null
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
"$@"
