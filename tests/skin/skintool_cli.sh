#!/usr/bin/env bash
# skintool on archives made by Info-ZIP zip and patched to "SK": the listing,
# extraction, passwords and the exit codes.   Usage: skintool_cli.sh SKINTOOL
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$FOLVANE_SOURCE_DIR/fuzz/skin/corpus_element/small" "$work/SKINDATA.SK2"
cd "$work"
skin() { # NAME ZIP-OPTIONS...
  local name=$1; shift
  zip -q -X "$@" "$name.zip" SKINDATA.SK2
  printf 'SK' | dd of="$name.zip" bs=1 count=2 conv=notrunc status=none
}
skin plain -9
skin secret -P secret
fail() { echo "FAIL: $*"; exit 1; }
expect_exit() { # CODE COMMAND...
  local code=$1; shift
  set +e; "$@" > out.txt 2> err.txt; local got=$?; set -e
  [ "$got" = "$code" ] || { cat out.txt err.txt; fail "$* exited $got, expected $code"; }
}

expect_exit 0 "$tool" list plain.zip
grep -Eq '^SKIN2_BUTTON +bitmap +9 x 3, 24 bits$' out.txt || fail "bitmap line: $(cat out.txt)"
grep -Eq '^SKIN2_FORMCOLOR +integer +15596781 \(0x00EDFCED\)$' out.txt || fail "integer line"
grep -Eq '^SKIN2_BUTTONTRANS +flag +true \(1\)$' out.txt || fail "flag line"
grep -Eq '^AUTHOR +string +"me"$' out.txt || fail "string line"
grep -q '^5 elements: 1 bitmaps, 1 integers, 1 flags, 1 strings$' out.txt || fail "summary line"

expect_exit 0 "$tool" extract plain.zip element.bin
cmp element.bin SKINDATA.SK2 || fail "extracted element file differs"

expect_exit 2 "$tool" list secret.zip
expect_exit 2 "$tool" extract secret.zip nothing.bin -p wrong
[ ! -e nothing.bin ] || fail "a failed extraction left its file"
expect_exit 0 "$tool" list secret.zip -p secret
grep -q '^SKIN2_BUTTON ' out.txt || fail "enciphered listing"

expect_exit 1 "$tool" list missing.zip
zip -q -X pk.zip SKINDATA.SK2
expect_exit 1 "$tool" extract pk.zip nothing.bin
[ ! -e nothing.bin ] || fail "a refused archive left a file"
expect_exit 3 "$tool" list

# A record of a kind the reader does not know, stating 512 MiB of data in a file of a few
# hundred bytes: refused as damaged, without allocating what it states.
mkdir odd
cp SKINDATA.SK2 odd/SKINDATA.SK2
first=$(od -An -tu4 -j20 -N4 odd/SKINDATA.SK2 | tr -d ' ')
printf '\x09' | dd of=odd/SKINDATA.SK2 bs=1 seek=$((first + 64)) conv=notrunc status=none
printf '\x00\x00\x00\x20' | dd of=odd/SKINDATA.SK2 bs=1 seek=$((first + 69)) conv=notrunc status=none
(cd odd && skin odd -9)
expect_exit 2 "$tool" list odd/odd.zip
grep -q 'past the end' err.txt || fail "oversized record: $(cat err.txt)"

# The program's own skin, as the artwork tool wrote it.
expect_exit 0 "$tool" list "$FOLVANE_SOURCE_DIR/assets/Skin.skn"
grep -Eq '^SKIN2_BUTTON +bitmap ' out.txt || fail "the program's skin has no button face"
echo ok
