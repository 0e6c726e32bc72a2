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
status=$(wait_for_exit)
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
kill "${movers[@]}" 2>/dev/null || true
[ "$status" = 0 ] || fail "the program ended with status $status (${elapsed_ms} ms after the close request)"
echo "ended ${elapsed_ms} ms after the close request"
[ "$elapsed_ms" -lt 3000 ] || fail "the close request took ${elapsed_ms} ms"
echo "ok"
