#!/usr/bin/env bash
# Prepares a working folder for the desktop program: the shipped reference tables, the sample job
# and a logo for the printed report. Files already there are kept (they may hold the user's
# changes). Usage: prepare-workspace.sh BUILD_DIR WORKSPACE_DIR
set -euo pipefail
build_dir=$1
workspace=$2
mkdir -p "$workspace"
for table in INSUL.DAT PRODUCT.DAT UNITS.DAT COILS.DAT; do
    [ -f "$workspace/$table" ] || cp "$build_dir/data/$table" "$workspace/$table"
done
[ -f "$workspace/sample.kvj" ] || cp "$build_dir/sample/sample.kvj" "$workspace/sample.kvj"
if [ ! -f "$workspace/lgo.bmp" ]; then
    # A 96 x 48 24-bit logo: a blue band with a white snowflake-like cross.
    python3 - "$workspace/lgo.bmp" <<'PY'
import struct, sys
w, h = 96, 48
row = (w * 3 + 3) & ~3
pixels = bytearray()
for y in range(h):
    line = bytearray()
    for x in range(w):
        cx, cy = x - 24, y - 24
        star = abs(cx) < 2 or abs(cy) < 2 or abs(abs(cx) - abs(cy)) < 2
        inside = cx * cx + cy * cy < 18 * 18
        line += bytes((255, 255, 255)) if star and inside else bytes((160, 90, 20))
    pixels += line + bytes(row - len(line))
header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open(sys.argv[1], 'wb').write(header + info + pixels)
PY
fi
