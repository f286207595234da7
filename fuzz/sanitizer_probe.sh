#!/usr/bin/env bash
# The probe overflows an int: the fuzz build must report it and fail, not go on.
# Usage: sanitizer_probe.sh PROBE
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '\x01\x02\x03\x04' >"$work/input"
"$1" "$work/input" >"$work/out.txt" 2>&1
status=$?
grep -q 'runtime error: signed integer overflow' "$work/out.txt" || { cat "$work/out.txt"; echo "no report"; exit 1; }
[ "$status" -ne 0 ] || { cat "$work/out.txt"; echo "the report was not fatal"; exit 1; }
echo ok
