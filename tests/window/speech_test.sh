#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# On a desktop whose session bus says a screen reader is running, the
# program starts speaking by itself: through speech-dispatcher's client
# library it says what the page's live region says, cutting off the text
# before. A stand-in service on a unix socket of its own (SPEECHD_ADDRESS)
# records the start screen, an answer and the chapter in Polish after Space.
# When the service goes away, Options says speech is not available. A
# service that takes the connection and never answers, and one that answers
# garbage, leave the window answering keys within 200 ms, and after a moment
# Options says speech is not available, stderr says why in one line.
# Usage: speech_test.sh <program>
source "$(dirname "$0")/lib.sh"
here=$(dirname "$0")
socket="$WINDOW_TEST_DIR/speech.socket"
log="$WINDOW_TEST_DIR/speech.log"
bus="$WINDOW_TEST_DIR/bus"
STANDINS=()
trap 'for pid in "${STANDINS[@]}"; do kill "$pid" 2>/dev/null || true; done; cleanup' EXIT

python3 "$here/speech_service.py" "$socket" "$log" &
STANDINS+=($!)
# A session bus that starts none of the machine's own services (such as the
# real accessibility bus) when a name is asked for.
cat >"$WINDOW_TEST_DIR/bus.conf" <<EOF
<busconfig>
  <type>session</type>
  <listen>unix:path=$bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default"><allow send_destination="*"/><allow receive_sender="*"/><allow own="*"/></policy>
</busconfig>
EOF
dbus-daemon --config-file="$WINDOW_TEST_DIR/bus.conf" --nofork 2>/dev/null &
STANDINS+=($!)
for _ in $(seq 50); do [ -S "$socket" ] && [ -S "$bus" ] && break; sleep 0.1; done
[ -S "$socket" ] && [ -S "$bus" ] || fail "the stand-in speech service or session bus did not start"
export SPEECHD_ADDRESS="unix_socket:$socket" DBUS_SESSION_BUS_ADDRESS="unix:path=$bus"
/usr/bin/python3 "$here/screen_reader_status.py" &
STANDINS+=($!)
for _ in $(seq 50); do
  kill -0 "${STANDINS[2]}" 2>/dev/null || fail "the stand-in screen reader status did not start"
  dbus-send --session --reply-timeout=500 --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Get \
    string:org.a11y.Status string:ScreenReaderEnabled 2>/dev/null | grep -q 'boolean true' && break
  sleep 0.1
done

# Waits for a line of the log matching the extended regular expression $1.
heard() {
  eventually grep -qE "$1" "$log" 2>/dev/null && return 0
  fail "never heard /$1/; the service was asked: $(cat "$log" 2>/dev/null)"
}

start_program "$1"
heard '^SPEAK 1\. Natural numbers and integers'
keys Return 1 7 Right 5 Down Return  # chapter 1: the remainder of 17 divided by 5
heard '^SPEAK (.* \| )?17 = 5 \* 3 \+ 2( \|.*)?$'
keys space
heard '^SPEAK 1\. Liczby naturalne i ca'
grep -qx 'LANGUAGE en' "$log" && grep -qx 'LANGUAGE pl' "$log" || fail "languages asked: $(grep LANGUAGE "$log")"
# Each text cuts off the one before.
awk '/^SPEAK/ && previous != "CANCEL" { bad = 1 } { previous = $0 } END { exit bad }' "$log" ||
  fail "a text was said without cutting off the one before: $(cat "$log")"

kill "${STANDINS[0]}"
wait "${STANDINS[0]}" 2>/dev/null || true
keys space Escape Down Down Down Down Return  # English again, then Options
shows_text options 60 442 420 28 "Speech: not available" || fail "the speech row reads: $SHOWN"
kill -0 "$PROGRAM_PID" || fail "the program ended when the service went away"
kill -TERM "$PROGRAM_PID"
wait_for_exit

# The marker on the start screen moves at Down (rows 30 pixels apart), within 200 ms each time.
for mode in hang garbage; do
  socket="$WINDOW_TEST_DIR/$mode.socket"
  python3 "$here/speech_service.py" "$socket" "$WINDOW_TEST_DIR/$mode.log" "$mode" &
  STANDINS+=($!)
  for _ in $(seq 50); do [ -S "$socket" ] && break; sleep 0.1; done
  export SPEECHD_ADDRESS="unix_socket:$socket"
  launch_program "$1"
  for row in 2 3 4 5; do
    ms=$(/usr/bin/python3 "$here/key_answered.py" "$WINDOW" Down 27 $((264 + 30 * (row - 1))) 30 20)
    echo "Down answered in $ms ms"
    [ "$ms" -le 200 ] || fail "with a service that does $mode, Down took $ms ms"
  done
  grep -q ASKED "$WINDOW_TEST_DIR/$mode.log" || fail "the $mode service was never asked"
  for _ in $(seq 100); do [ -s "$WINDOW_TEST_DIR/stderr" ] && break; sleep 0.1; done
  keys Return  # Options, where the marker stands now
  screenshot "options-$mode"
  row=$(read_text "options-$mode" 60 442 420 28)
  [ "$row" = "Speech: not available" ] || fail "with a service that does $mode, the speech row reads: $row"
  [ "$(grep -c . "$WINDOW_TEST_DIR/stderr")" = 1 ] && grep -q "speech is not available" "$WINDOW_TEST_DIR/stderr" ||
    fail "with a service that does $mode, stderr: $(program_errors)"
  kill -TERM "$PROGRAM_PID"
  wait_for_exit
  [ "$EXIT_STATUS" = 0 ] || fail "with a service that does $mode, the program ended with $EXIT_STATUS"
done
echo "ok"
