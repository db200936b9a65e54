#!/usr/bin/env bash
# Draws the shipped report logo data/lgo.bmp (460 x 160 pixels, printed at 1/300 inch per pixel:
# 1.53 x 0.53 inch): a snowflake on a cold-box tile beside the word QUELBOX. Needs ImageMagick and
# fonts-liberation; the committed lgo.bmp is its output, so the build does not need either.
set -euo pipefail
out=${1:-$(dirname "$0")/lgo.bmp}
font=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf

# Six arms from the tile's centre, each with a pair of short branches.
flake=$(python3 - <<'PY'
import math
cx, cy, arm = 80, 80, 54
parts = []
for k in range(6):
    a = math.radians(60 * k + 90)
    ex, ey = cx + arm * math.cos(a), cy - arm * math.sin(a)
    parts.append(f"line {cx},{cy} {ex:.1f},{ey:.1f}")
    for at, length in ((0.55, 18), (0.8, 12)):
        bx, by = cx + arm * at * math.cos(a), cy - arm * at * math.sin(a)
        for turn in (-45, 45):
            b = a + math.radians(turn)
            parts.append(f"line {bx:.1f},{by:.1f} {bx + length * math.cos(b):.1f},"
                         f"{by - length * math.sin(b):.1f}")
print(" ".join(parts))
PY
)

convert -size 460x160 xc:white \
    -fill '#1f5f8b' -stroke none -draw "roundrectangle 6,6 154,154 20,20" \
    -stroke white -strokewidth 7 -draw "stroke-linecap round $flake" \
    -fill white -stroke none -draw "circle 80,80 80,89" \
    -fill '#1b3550' -font "$font" -pointsize 56 -annotate +174+92 'QUELBOX' \
    -fill '#1f5f8b' -draw "rectangle 176,108 452,112" \
    -fill '#5a6f82' -pointsize 19 -kerning 6 -annotate +176+140 'REFRIGERATION' \
    -type Palette -colors 64 -compress None BMP3:"$out"
