#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The working in a real window: the GCD of 12 and 18, W, Enter; working.txt
# holds the title, Euclid's lines and the answer, and Escape brings the
# exercise screen back with its answer.
source "$(dirname "$0")/lib.sh"
rm -f working.txt
start_program "$1"
# Item 1 opens chapter 1 on "program1_n"; Down four times reaches "Number 1" of exercises 5 and 6.
keys Return Down Down Down Down 1 2 Down 1 8 Down Return
shows_text solved 105 15 600 25 '*is: 6*' || fail "the panel shows: $SHOWN"
keys w Return
expected="GCD of 12 and 18
Euclid's algorithm: divide with remainder until the remainder is 0
18 = 1 * 12 + 6
12 = 2 * 6 + 0
GCD = 6, the divisor in the last division
Greatest common divisor of numbers 12 i 18 is: 6"
file_holds working.txt "$expected" || fail "working.txt holds: $(cat working.txt 2>/dev/null)"
[ ! -e working.txt.tmp ] || fail "the temporary file was left behind"
shows_text saved 55 592 300 26 '*Saved to working.txt*' || fail "the message reads: $SHOWN"
keys Escape
shows_text back 105 15 600 25 '*is: 6*' || fail "back on the exercise screen, the panel shows: $SHOWN"
echo "ok"
