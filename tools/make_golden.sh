#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws the golden frames of tests/golden_frames_test.cpp on purpose, after
# a change that is meant to change what a screen shows: builds the tests,
# has the golden-frame test write every frame as a BMP instead of comparing,
# and stores them losslessly as PNG in tests/golden/. Look at the changed
# pictures (git diff --stat tests/golden) before committing them.
#
# Usage: tools/make_golden.sh [build folder]   (default: build/golden)
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-"$ROOT/build/golden"}
OUT="$ROOT/tests/golden"

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALCORA_BENCH=OFF -DCALCORA_TOOLS=OFF >/dev/null
cmake --build "$BUILD" --target calcora_tests -j 2

BMPS=$(mktemp -d)
trap 'rm -rf "$BMPS"' EXIT
(cd "$BUILD/run" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy CALCORA_GOLDEN_OUT="$BMPS" \
    ../tests/calcora_tests --gtest_filter='*GoldenFrame*' >/dev/null)

mkdir -p "$OUT"
for bmp in "$BMPS"/*.bmp; do
    png="$OUT/$(basename "${bmp%.bmp}").png"
    # Lossless: every pixel must come back exactly as drawn.
    convert "$bmp" -strip -define png:compression-level=9 "$png"
done
echo "$(ls "$BMPS" | wc -l) golden frames in $OUT"
