#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Without its font the program still runs: it says so once on stderr, draws
# everything but text, computes as usual and ends cleanly through Exit.
source "$(dirname "$0")/lib.sh"
# A run folder of its own, without the font: the program reads its pictures
# and font beside itself, so it is copied there too.
folder="$WINDOW_TEST_DIR/run"
mkdir "$folder"
cp -r images "$folder/"
cp "$1" "$folder/calcora"
cd "$folder"
start_program ./calcora
# Chapter 1: the primes from 1 to 10, which also go to results.txt.
keys Return Right Right 1 Right 1 0 Down Return
file_holds results.txt "Number of prime numbers: 4;     2, 3, 5, 7, " || fail "results.txt holds: $(cat results.txt 2>/dev/null)"
shows chapter1 pixel_is chapter1 20 20 128,128,128 || fail "chapter 1 was not drawn"
[ "$(all_white chapter1 105 15 600 25)" = 1 ] || fail "text was drawn without a font"
keys Escape Up Return
wait_for_exit
[ "$EXIT_STATUS" = 0 ] || fail "the program ended with status $EXIT_STATUS"
[ "$(grep -c 'ARIAL.TTF' "$WINDOW_TEST_DIR/stderr")" = 1 ] || fail "the missing font was not reported exactly once: $(program_errors)"
echo "ok"
