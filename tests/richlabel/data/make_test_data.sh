#!/usr/bin/env bash
# Regenerates the test pictures. ImageMagick writes its looping (NETSCAPE2.0) block between the
# first frame's graphic control extension and image descriptor, which hides that frame from a
# byte-pattern frame count; three_frames.gif has the block moved in front of the first frame.
set -euo pipefail
cd "$(dirname "$0")"
convert -delay 10 -dispose none -size 20x16 xc:red -page +5+6 -size 8x6 xc:blue -page +2+3 -size 4x4 xc:lime \
  three_frames_loop_after_gce.gif
python3 - <<'PY'
d = open('three_frames_loop_after_gce.gif', 'rb').read()
gce = d.index(b'\x21\xf9\x04')
app = d.index(b'\x21\xff\x0b')
assert app == gce + 8
end = app + 3 + 11 + 5  # introducer, label, size; "NETSCAPE2.0"; sub-block and terminator
open('three_frames.gif', 'wb').write(d[:gce] + d[app:end] + d[gce:app] + d[end:])
PY

# alpha_rows.png: 48 x 48 RGBA, colour (10, 120, 230); row y has alpha 100 + 3y, column 0 alpha 0,
# so that a reflection's rows and its transparent pixels can be told apart.
python3 - <<'PY'
import struct, zlib
w = h = 48
rows = b''
for y in range(h):
    row = b'\x00'
    for x in range(w):
        row += bytes([10, 120, 230, 0 if x == 0 else 100 + 3 * y])
    rows += row
def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)
png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
png += chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b'')
open('alpha_rows.png', 'wb').write(png)
PY
