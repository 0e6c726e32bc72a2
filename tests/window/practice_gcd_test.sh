#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Practice in a real window: with the seed 2026 the first GCD problem is
# 18 and 6. The product is named as the mistake it is, the GCD is correct,
# and practice.csv holds both answers under its header.
source "$(dirname "$0")/lib.sh"
rm -f practice.csv
start_program "$1" --practice-seed 2026
# Item 1 opens chapter 1 on "program1_n"; Down four times reaches "Number 1" of exercises 5 and 6.
keys Return Down Down Down Down p
shows_text problem 55 62 600 28 '*divisor of 18 and 6*' || fail "the problem reads: $SHOWN"
keys 1 0 8 Return
shows_text wrong 55 142 900 28 '*Not quite: 108 is the product*' || fail "the verdict on 108 reads: $SHOWN"
keys Delete 6 Return
shows_text right 55 142 400 28 'Correct*' || fail "the verdict on 6 reads: $SHOWN"
file_has_lines practice.csv 3
problem="Find the greatest common divisor of 18 and 6"
[ "$(head -n 1 practice.csv)" = "time,exercise,level,problem,answer,verdict,hints" ] || fail "practice.csv starts: $(head -n 1 practice.csv)"
[ "$(tail -n 2 practice.csv | cut -d, -f2-)" = "gcd,1,$problem,108,wrong,0
gcd,1,$problem,6,correct,0" ] || fail "practice.csv holds: $(cat practice.csv)"
tail -n 2 practice.csv | cut -d, -f1 | grep -qvE '^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}$' &&
  fail "a row's time is not a local time: $(cat practice.csv)"
keys Escape
eventually test -s "$XDG_DATA_HOME/calcora/progress" || fail "no progress was kept in $XDG_DATA_HOME/calcora"
rm -f practice.csv
echo "ok"
