#!/bin/bash
# Regenerates the artwork into a scratch folder and compares it byte for byte
# with the committed assets: no file may differ, be missing or be extra.
set -euo pipefail
tool=$1
committed=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$tool" "$scratch"
if ! diff -r -q "$committed" "$scratch"; then
    echo "assets differ from what tools/artwork draws; regenerate with: artwork assets" >&2
    exit 1
fi
echo "$(ls "$scratch" | wc -l) files identical"
