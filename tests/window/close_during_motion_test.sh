#!/usr/bin/env bash
# A close request sent while the mouse keeps moving over the window ends the
# program promptly and cleanly.
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")
closer="$(dirname "$program")/send_close_request"
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
started=$(date +%s%N)
"$closer" "$WINDOW" || fail "could not send the close request"
# The window goes when the loop has answered; the process may take longer
# to end under the sanitizers, which check for leaks at exit.
for _ in $(seq 500); do xdotool getwindowname "$WINDOW" >/dev/null 2>&1 || break; sleep 0.01; done
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
wait_for_exit
status=$EXIT_STATUS
kill "${movers[@]}" 2>/dev/null || true
echo "window closed ${elapsed_ms} ms after the close request"
[ "$status" = 0 ] || fail "the program ended with status $status"
[ "$elapsed_ms" -lt 3000 ] || fail "the close request took ${elapsed_ms} ms"
echo "ok"
