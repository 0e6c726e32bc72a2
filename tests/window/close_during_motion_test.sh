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
# Polled here rather than in wait_for_exit's subshell: only this shell may
# wait for the program while the mover runs too.
for _ in $(seq 500); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.02; done
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
kill "${movers[@]}" 2>/dev/null || true
kill -0 "$PROGRAM_PID" 2>/dev/null && fail "still running ${elapsed_ms} ms after the close request"
status=0
wait "$PROGRAM_PID" || status=$?
PROGRAM_PID=""
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "ended ${elapsed_ms} ms after the close request"
[ "$elapsed_ms" -lt 3000 ] || fail "the close request took ${elapsed_ms} ms"
echo "ok"
