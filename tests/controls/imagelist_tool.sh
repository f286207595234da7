#!/usr/bin/env bash
# The imagelist tool from outside: a folder encodes to a stream, decodes back
# to files that encode to the very same bytes, and bad folders are refused.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/in"
# Three 10 x 6 images: red, green, blue, each with a transparent corner.
convert -size 10x6 xc:red xc:lime xc:blue +append -type TrueColor BMP3:"$work/in/image.bmp"
convert -size 30x6 xc:black -fill white -draw 'point 0,0' -draw 'point 29,5' -type Bilevel BMP3:"$work/in/mask.bmp"
printf 'width 10\nheight 6\ncount 3\n' >"$work/in/list.txt"

"$tool" encode "$work/in" "$work/a.stream"
# Marker -4 and count 3.
[ "$(head -c 8 "$work/a.stream" | od -An -tx1 | tr -d ' \n')" = "fcffffff03000000" ]

"$tool" decode "$work/a.stream" "$work/out"
grep -qx 'width 10' "$work/out/list.txt"
grep -qx 'count 3' "$work/out/list.txt"
"$tool" encode "$work/out" "$work/b.stream"
cmp "$work/a.stream" "$work/b.stream"

# The decoded strips hold the colours and the mask where they were.
[ "$(convert "$work/out/image.bmp" -format '%[pixel:p{15,3}]' info:)" = "srgb(0,255,0)" ]
[ "$(convert "$work/out/mask.bmp" -format '%[fx:p{29,5}.r]' info:)" = "1" ]
[ "$(convert "$work/out/mask.bmp" -format '%[fx:p{28,5}.r]' info:)" = "0" ]

# Explicit size: 5 x 6 cuts the strip finer, and the count keeps the first
# three: red, red, green.
"$tool" decode "$work/a.stream" "$work/half" 5 6
grep -qx 'count 3' "$work/half/list.txt"
[ "$(convert "$work/half/image.bmp" -format '%[w] %[pixel:p{12,0}]' info:)" = "15 srgb(0,255,0)" ]

# A count the strip cannot hold, and a damaged stream, fail.
printf 'width 10\nheight 6\ncount 4\n' >"$work/in/list.txt"
! "$tool" encode "$work/in" "$work/c.stream" 2>/dev/null
head -c 40 "$work/a.stream" >"$work/cut.stream"
! "$tool" decode "$work/cut.stream" "$work/cut" 2>/dev/null

# Five pairs of one-row bitmaps cut into entries of 4096 x 4096: more pixels than a list may
# hold. The decoder says so and writes no file at all, rather than empty strips and success.
# (A 1-bit BMP 4096 x 1: 62 bytes of headers and palette, then a row of 512 bytes.)
le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
{
  printf "BM$(le32 574)$(le32 0)$(le32 62)$(le32 40)$(le32 4096)$(le32 1)\\x01\\x00\\x01\\x00"
  printf "$(le32 0)$(le32 512)$(le32 0)$(le32 0)$(le32 2)$(le32 0)$(le32 0)$(le32 0xFFFFFF)"
  head -c 512 /dev/zero
} >"$work/row.bmp"
{ printf "$(le32 -1)$(le32 5)"; for _ in 1 2 3 4 5 6 7 8 9 10; do cat "$work/row.bmp"; done; } >"$work/tall.stream"
if "$tool" decode "$work/tall.stream" "$work/tall" 4096 4096 2>"$work/tall.err"; then
  echo "an image list above the pixel limit was decoded"; exit 1
fi
grep -q '67108864' "$work/tall.err"
[ ! -e "$work/tall/image.bmp" ]
[ ! -e "$work/tall/list.txt" ]
echo ok
