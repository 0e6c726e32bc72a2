#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The packaged program unpacked into a root of its own (no system install)
# and started by its full path from an unrelated working folder under Xvfb:
# the start screen is complete (picture, marker, text), and results.txt lands
# in the working folder.
# Usage: installed_start_test.sh <folder of the .deb> <version>
source "$(dirname "$0")/../window/lib.sh"

root="$WINDOW_TEST_DIR/root"
dpkg-deb -x "$1/calcora_$2_$(dpkg --print-architecture).deb" "$root"
# The package's fonts-liberation2 dependency, as it would be installed beside it.
font=fonts/truetype/liberation2/LiberationSans-Regular.ttf
mkdir -p "$(dirname "$root/usr/share/$font")"
cp "/usr/share/$font" "$root/usr/share/$font"
mkdir "$WINDOW_TEST_DIR/work"
cd "$WINDOW_TEST_DIR/work"
start_program "$root/usr/bin/calcora"

screenshot start
[ "$(all_white start 500 200 40 40)" = 0 ] || fail "no start screen picture"
[ "$(all_white start 27 264 30 20)" = 0 ] || fail "no marker beside the first line"
[ "$(read_text start 60 262 360 28)" = "1. Natural numbers and integers" ] || fail "the first line reads: $(read_text start 60 262 360 28)"
[ -z "$(program_errors)" ] || fail "the program reported: $(program_errors)"

# Chapter 1: the primes from 1 to 10 also go to results.txt, here.
keys Return Right Right 1 Right 1 0 Down Return
for _ in $(seq 20); do [ -f results.txt ] && break; sleep 0.1; done
[ "$(cat results.txt)" = "Number of prime numbers: 4;     2, 3, 5, 7, " ] || fail "results.txt holds: $(cat results.txt 2>/dev/null)"
[ ! -e "$root/usr/bin/results.txt" ] && [ ! -e "$root/usr/share/calcora/results.txt" ] || fail "results.txt beside the program"
keys Escape Up Return
wait_for_exit
[ "$EXIT_STATUS" = 0 ] || fail "the program ended with status $EXIT_STATUS: $(program_errors)"
echo "ok"
