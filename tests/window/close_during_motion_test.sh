#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# A close request sent while the mouse keeps moving over the window ends the
# program promptly and cleanly.
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")
start_program "$program"
# A steady stream of motion from three movers until the display goes away.
moves=()
for i in $(seq 100); do moves+=(mousemove --window "$WINDOW" $((50 + i * 8)) $((50 + i * 5))); done
movers=()
for _ in 1 2 3; do
  (while xdotool "${moves[@]}" 2>/dev/null; do :; done) &
  movers+=($!)
done
sleep 2
request_close
wait_for_exit
status=$EXIT_STATUS
kill "${movers[@]}" 2>/dev/null || true
echo "window closed ${CLOSE_MS} ms after the close request"
[ "$status" = 0 ] || fail "the program ended with status $status"
[ "$CLOSE_MS" -lt 3000 ] || fail "the close request took ${CLOSE_MS} ms"
echo "ok"
