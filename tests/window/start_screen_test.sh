#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program in a real X window: its caption and size, the start
# screen as drawn, the language switch and Exit, all from the keyboard.
source "$(dirname "$0")/lib.sh"
start_program "$1"
[ "$(xdotool getwindowname "$WINDOW")" = "Calcora" ] || fail "caption is not Calcora"
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
[ "$WIDTH" = 1000 ] && [ "$HEIGHT" = 700 ] || fail "window is ${WIDTH}x$HEIGHT, not 1000x700"
# No window manager: the window stands at the screen's corner.
[ "$X" = 0 ] && [ "$Y" = 0 ] || fail "window at ($X, $Y)"

screenshot start
[ "$(all_white start 0 0 20 20)" = 1 ] || fail "background is not white"
[ "$(all_white start 27 264 30 20)" = 0 ] || fail "no marker beside the first line"
[ "$(has_colour start 62 264 330 26 0,0,0)" = 1 ] || fail "no black text in \"1. Natural numbers and integers\""
[ "$(has_colour start 874 30 120 26 0,0,255)" = 1 ] || fail "no blue text in \"POLSKI\""
[ "$(all_white start 724 30 30 20)" = 1 ] || fail "a marker beside the language item"

keys Right
shows right not_white right 724 30 30 20 || fail "Right did not move the marker to the language item"
[ "$(all_white right 27 264 30 20)" = 1 ] || fail "the marker stayed beside the first line"

keys Return
shows_text polish 60 262 360 28 "1. Liczby naturalne i calkowite" || fail "the first line is not Polish: $SHOWN"
[ "$(changed right polish 0 0 60 700)" = 0 ] || fail "the marker column changed with the language"

keys Left Up
shows exit not_white exit 27 444 30 20 || fail "Up from the first line did not reach Exit"
keys Return
wait_for_exit
[ "$EXIT_STATUS" = 0 ] || fail "the program ended with status $EXIT_STATUS: $(program_errors)"
echo "ok"
