#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Chapter 1 in a real window: list the primes from 1 to 30 and find the
# whole answer in results.txt; then Exit ends the program.
source "$(dirname "$0")/lib.sh"
rm -f results.txt
start_program "$1"
# Start screen item 1 opens chapter 1 on "program1_n"; Right twice reaches "from".
keys Return Right Right 1 Right 3 0 Down Return
expected="Number of prime numbers: 10;     2, 3, 5, 7, 11, 13, 17, 19, 23, 29, "
file_holds results.txt "$expected" || fail "results.txt holds: $(cat results.txt 2>/dev/null)"
shows_text solved 105 15 600 25 '*Number of prime numbers: 10*' || fail "the panel shows: $SHOWN"
keys Escape Up Return
wait_for_exit
[ "$EXIT_STATUS" = 0 ] || fail "Exit ended the program with status $EXIT_STATUS: $(program_errors)"
echo "ok"
