#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the program's menu icon at the sizes of the hicolor theme into
# dist/icons/<size>x<size>/calcora.png with ImageMagick's convert: a blue tile
# with graph paper, two axes, a red parabola and an orange straight line.
# The drawing is made on a 256-pixel grid and scaled before it is rasterised,
# so every size is drawn crisp rather than shrunk from a large picture.
#
# Usage: tools/draw_icon.sh [output folder]   (default: dist/icons/ beside tools/)
set -euo pipefail

OUT=${1:-"$(cd "$(dirname "$0")/.." && pwd)/dist/icons"}
SIZES=(16 24 32 48 64 128 256)

TILE='rgb(40,120,200)'
TILE_EDGE='rgb(25,80,150)'
GRID='rgba(255,255,255,0.25)'
AXES='rgb(255,255,255)'
LINE='rgb(255,170,40)'
CURVE='rgb(235,70,60)'

# The parabola y = x^2/2 - 2 through the tile as short lines on the 256 grid
# (origin at 128,136, 28 pixels per unit); ImageMagick closes a long stroked
# polyline or path by itself.
parabola() {
    awk 'BEGIN {
        for (x = -2.9; x < 2.85; x += 0.1) {
            x2 = x + 0.1
            printf "line %.1f,%.1f %.1f,%.1f ", 128 + 28 * x, 136 - 14 * x * x + 56, 128 + 28 * x2, 136 - 14 * x2 * x2 + 56
        }
    }'
}

grid() {
    local at
    for at in 44 72 100 156 184 212; do printf 'line %s,24 %s,232 line 24,%s 232,%s ' "$at" "$at" "$at" "$at"; done
}

draw() {  # size
    local size=$1 scale
    scale=$(awk -v s="$1" 'BEGIN { printf "%.5f", s / 256 }')
    # Small icons keep only the tile, the axes and the two graphs.
    local details=""
    [ "$size" -ge 48 ] && details="stroke $GRID stroke-width 4 $(grid)"
    # convert's coordinates name pixel centres, so the grid's middle (128)
    # lies half a pixel right of and below the picture's middle: the tile is
    # moved back by that half pixel. So is what it holds, except at 16 and 24
    # pixels, where the one-pixel axes would be smeared over two pixels.
    local inside="-0.5,-0.5"
    [ "$size" -lt 32 ] && inside="0,0"
    mkdir -p "$OUT/${size}x$size"
    convert -size "${size}x$size" xc:none \
        -draw "push graphic-context translate -0.5,-0.5 scale $scale,$scale
               fill $TILE stroke $TILE_EDGE stroke-width 8 roundrectangle 8,8 248,248 44,44
               pop graphic-context
               push graphic-context translate $inside scale $scale,$scale
               fill none $details
               stroke $AXES stroke-width 12 line 128,28 128,228 line 28,136 228,136
               stroke-linecap round stroke $CURVE stroke-width 16 $(parabola)
               stroke $LINE stroke-width 18 line 52,212 204,60
               pop graphic-context" \
        -strip -define png:exclude-chunks=date,time "PNG32:$OUT/${size}x$size/calcora.png"
}

for size in "${SIZES[@]}"; do draw "$size"; done
for size in "${SIZES[@]}"; do identify -format "%f %wx%h\n" "$OUT/${size}x$size/calcora.png"; done
