#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the screenshot tool, runs it in the run folder and turns its BMPs
# into small palette PNGs in docs/screenshots/ (ImageMagick's convert).
#
# Usage: tools/make_screenshots.sh [build folder]   (default: build/screenshots)
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-"$ROOT/build/screenshots"}
OUT="$ROOT/docs/screenshots"

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DCALCORA_TESTS=OFF -DCALCORA_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target calcora_screenshots -j 2

BMPS=$(mktemp -d)
trap 'rm -rf "$BMPS"' EXIT
(cd "$BUILD/run" && ./calcora_screenshots "$BMPS")

mkdir -p "$OUT"
for bmp in "$BMPS"/*.bmp; do
    png="$OUT/$(basename "${bmp%.bmp}").png"
    # A frame holds a few thousand colours at most (the pictures' soft
    # shades, antialiased text): a 256-entry palette without dithering looks
    # the same at a third of the size of a true-colour PNG.
    convert "$bmp" -dither None -colors 256 -strip -define png:compression-level=9 "PNG8:$png"
    echo "$png $(stat -c %s "$png") bytes"
done
