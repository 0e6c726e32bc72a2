#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the processor time the program uses while it sits idle on the
# start screen: it runs on a private Xvfb display, settles for 2 seconds, and
# its user and system time are read from /proc over the next 10 seconds.
# Usage: tools/measure_idle.sh [--motion] [path/to/calcora]   (default: build-rel/run/calcora)
# Prints the share of one core; exits 1 when it is 5% or more. With --motion
# the mouse moves over the window all the while (xdotool), and the share is
# only printed.
set -euo pipefail

motion=false
if [ "${1:-}" = --motion ]; then
  motion=true
  shift
fi
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build-rel/run/calcora}")
[ -x "$program" ] || { echo "no program at $program (build the Release tree first)" >&2; exit 2; }
seconds=10
goal_percent=5

xvfb_pid=""
app_pid=""
mover_pid=""
cleanup() {
  [ -n "$mover_pid" ] && kill "$mover_pid" 2>/dev/null || true
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT

source "$(dirname "$0")/xvfb.sh"

# User plus system time of the process so far, in clock ticks (fields 14 and
# 15 of /proc/PID/stat, counted after the parenthesised command name).
ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }

start_xvfb || { echo "no free display for Xvfb" >&2; exit 2; }
export SDL_VIDEODRIVER=x11
cd "$(dirname "$program")"
"$program" >/dev/null 2>&1 &
app_pid=$!
sleep 2
kill -0 "$app_pid" 2>/dev/null || { echo "the program ended early" >&2; exit 2; }
what="idle on the start screen"
if $motion; then
  # Back and forth across the window, one xdotool run after another.
  window=$(xdotool search --onlyvisible --name '^Calcora$' | head -n 1)
  moves=()
  for i in $(seq 200); do moves+=(mousemove --window "$window" $((20 + i * 4)) $((20 + i * 3))); done
  (while xdotool "${moves[@]}" 2>/dev/null; do :; done) &
  mover_pid=$!
  what="under a steady mouse-motion stream"
  goal_percent=101
fi

before=$(ticks "$app_pid")
sleep "$seconds"
after=$(ticks "$app_pid")
hz=$(getconf CLK_TCK)

awk -v used=$((after - before)) -v hz="$hz" -v s="$seconds" -v goal="$goal_percent" -v what="$what" 'BEGIN {
  percent = 100 * used / (hz * s)
  printf "%s: %.2f%% of one core (%d ticks in %d s", what, percent, used, s
  if (goal <= 100) printf "; goal under %d%%", goal
  printf ")\n"
  exit percent >= goal
}'
