#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Six valid pictures of 4096 by 4096 pixels at 200%: more than a start can
# afford. The program names those it leaves out and answers SIGTERM within a
# second of its window opening, as after any start.
source "$(dirname "$0")/lib.sh"
folder="$WINDOW_TEST_DIR/run"
mkdir -p "$folder/images" "$WINDOW_TEST_DIR/config/calcora"
cp "$1" "$folder/calcora"
cp ARIAL.TTF "$folder/"
convert -size 4096x4096 xc:'#3366cc' "$folder/images/math1.png"
for name in math2 math3 math4 select select2; do cp "$folder/images/math1.png" "$folder/images/$name.png"; done
printf 'size=200%%\n' >"$WINDOW_TEST_DIR/config/calcora/settings"
export XVFB_SCREEN=2200x1600x24  # room for the window at 200%
start_program "$folder/calcora"
started=$(date +%s%N)
kill -TERM "$PROGRAM_PID"
wait_for_exit
elapsed=$((($(date +%s%N) - started) / 1000000))
[ "$elapsed" -lt 1000 ] || fail "SIGTERM took $elapsed ms to answer"
[ "$EXIT_STATUS" = 0 ] || fail "the program ended with status $EXIT_STATUS: $(program_errors)"
grep -q 'math1.png.*more than the pictures together may have' "$WINDOW_TEST_DIR/stderr" ||
  fail "the pictures left out were not named: $(program_errors)"
echo "ok"
