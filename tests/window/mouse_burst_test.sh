#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Bursts of mouse motion over the window lose no typed key: 300 moves before
# each of the digits 1 2 3, and the prime listing up to 123 lands in
# results.txt.
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")
folder="$WINDOW_TEST_DIR/run"
mkdir "$folder"
ln -s "$PWD/images" "$PWD/ARIAL.TTF" "$folder/"
cd "$folder"
start_program "$program"
# Chapter 1, the primes from 1 to ...
keys Return Right Right 1 Right
moves=()
for i in $(seq 300); do moves+=(mousemove --window "$WINDOW" $((50 + i * 3)) $((50 + i % 200))); done
xdotool "${moves[@]}" key --window "$WINDOW" 1 "${moves[@]}" key --window "$WINDOW" 2 \
  "${moves[@]}" key --window "$WINDOW" 3
keys Down Return
expected="Number of prime numbers: 30;     2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97, 101, 103, 107, 109, 113, "
file_holds results.txt "$expected" || fail "results.txt holds: $(cat results.txt 2>/dev/null)"
echo "ok"
