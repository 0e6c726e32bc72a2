#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's picture of a teacher's report: a made-up class of six pupils
# (the same every time), the report over their class files, and headless
# Chromium's screenshot of the page.
# Usage: tools/report_screenshot.sh <program> <picture.png>
set -euo pipefail
program=$(realpath "$1")
picture=$(realpath -m "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/7b" "$work/report"
printf 'title Week 3\nseed 2026\nreduce 1 5\ngcd 2 5\n' >"$work/7b/assignment.txt"

RANDOM=2026
pupils=("Anna Nowak" "Jan Kowalski" "Zofia Wisniewska" "Piotr Zielinski" "Maja Lewandowska" "Kacper Wojcik")
skills=(90 75 55 35 85 60)
exercises=(gcd lcm reduce operations mixed)
mistakes=(product_not_gcd product_not_lcm "" added_across "")
for p in "${!pupils[@]}"; do
  file="$work/7b/pupil$p.csv"
  echo "pupil,time,exercise,level,problem,answer,verdict,hints" >"$file"
  for e in "${!exercises[@]}"; do
    for n in $(seq 1 $((8 + RANDOM % 10))); do
      day=$((1 + (n + p) % 5))
      verdict=correct
      if ((RANDOM % 100 >= skills[p])); then
        verdict=wrong
        if [ -n "${mistakes[e]}" ] && ((RANDOM % 2)); then verdict="wrong:${mistakes[e]}"; fi
      fi
      echo "${pupils[p]},2026-12-0$day 08:$((10 + n)):00,${exercises[e]},$((1 + n / 7)),problem $n,$n,$verdict,0" >>"$file"
    done
  done
  echo "${pupils[p]},2026-12-05 09:00:00,assignment,,Week 3,$((p * 2))/10,progress,0" >>"$file"
done
(cd "$work/report" && HOME=$work XDG_CONFIG_HOME=$work XDG_CONFIG_DIRS=$work LC_ALL=C.UTF-8 LANG=en_GB.UTF-8 \
  "$program" --class-report "$work/7b" >/dev/null)
chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1280,760 \
  --screenshot="$picture" "file://$work/report/class-report.html" 2>/dev/null
echo "$picture"
