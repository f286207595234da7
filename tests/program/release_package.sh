#!/usr/bin/env bash
# The release archive of scripts/package: exactly Folvane.exe and README.txt,
# the program a PE32 (32-bit) file with its version resource, the README in
# CR LF lines, the name carrying the version, and the same bytes when it is
# made twice.   Usage: release_package.sh FOLVANE.EXE
set -euo pipefail
exe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
package="$FOLVANE_SOURCE_DIR/scripts/package"
version=$(sed -n 's/^#define FOLVANE_VERSION_TEXT "\(.*\)"$/\1/p' "$FOLVANE_SOURCE_DIR/src/app/Version.h")

first=$("$package" --exe "$exe" --out "$work/one")
second=$("$package" --exe "$exe" --out "$work/two")
[ "$(basename "$first")" = "Folvane-$version.zip" ] || { echo "archive named $(basename "$first")"; exit 1; }
cmp "$first" "$second" || { echo "two runs made different archives"; exit 1; }

names=$(unzip -Z1 "$first" | tr '\n' ' ')
[ "$names" = "Folvane.exe README.txt " ] || { echo "archive holds: $names"; exit 1; }
unzip -q "$first" -d "$work/x"

program="$work/x/Folvane.exe"
# Whole outputs first: grep -q would end early and fail the pipe.
format=$(x86_64-w64-mingw32-objdump -f "$program")
symbols=$(x86_64-w64-mingw32-objdump -t "$program")
header=$(x86_64-w64-mingw32-objdump -p "$program")
grep -q 'file format pei-i386$' <<<"$format" || { echo "not PE32"; exit 1; }
grep -q 'no symbols' <<<"$symbols" || { echo "not stripped"; exit 1; }
# No link time in the header.
grep -qE '^Time/Date[[:space:]]+(Thu Jan  1 00:00:00 1970|00000000)' <<<"$header" ||
  { echo "link time in the header:"; grep Time/Date <<<"$header"; exit 1; }
resources=$(strings -e l "$program")
for text in VS_VERSION_INFO FileVersion "$version" ProductName Folvane CompanyName Skelvor; do
  grep -qxF "$text" <<<"$resources" || { echo "version resource lacks \"$text\""; exit 1; }
done

readme="$work/x/README.txt"
lines=$(wc -l <"$readme")
crlf=$(grep -c $'\r$' "$readme" || true)
[ "$lines" -gt 20 ] && [ "$crlf" = "$lines" ] || { echo "README.txt: $crlf of $lines lines end in CR LF"; exit 1; }
grep -q 'Folvane\\Backups' "$readme" || { echo "README.txt does not say where backups go"; exit 1; }
echo ok
