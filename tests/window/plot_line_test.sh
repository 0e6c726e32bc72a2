#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens the first plot screen of chapter 4 in a real window, types a slope of
# 1 and checks that the line y = x is drawn red through (5, 5); types 0.5 on
# the numpad instead and finds y = x / 2 through (4, 2); then leaves through
# Exit and expects a clean end.
source "$(dirname "$0")/lib.sh"
start_program "$1"
# Down three times to chapter 4, Enter; Enter on the first plot; a = 1.
keys Down Down Down Return Return 1
# The pixel of the plane point (5, 5): 660 + 5 * 30, 350 - 5 * 30.
shows line pixel_is line 810 200 255,0,0 || fail "pixel (810, 200) is $(pixel line 810 200), not red"
# The numpad types like the main keys, its decimal point included.
keys Delete KP_0 KP_Decimal KP_5
shows half pixel_is half 780 290 255,0,0 || fail "numpad 0.5: pixel (780, 290) is $(pixel half 780 290), not red"
[ "$(pixel half 810 200)" != "255,0,0" ] || fail "numpad 0.5: the line y = x is still drawn"
# Escape twice to the start screen (its highlight still on chapter 4), down to Exit.
keys Escape Escape Down Down Down Return
wait_for_exit
[ "$EXIT_STATUS" = 0 ] || fail "the program ended with status $EXIT_STATUS: $(program_errors)"
echo "ok"
