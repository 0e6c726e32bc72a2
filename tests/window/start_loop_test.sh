#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The program starts every time: 50 starts in a row, each as the only client
# of an Xvfb that resets whenever its last client leaves (as a kiosk started
# by xinit does), all open the window and end normally. The first window's
# class is the name of the menu entry, and it carries the icon.
# Usage: start_loop_test.sh <program>
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")
desktop_file=$(realpath "$(dirname "$0")/../../dist/io.github.calcora.Calcora.desktop")
STARTS=${WINDOW_TEST_STARTS:-50}

start_display
cd "$WINDOW_TEST_DIR"

# Whether the process $1 has reached its frame loop, which sleeps a
# millisecond each frame, told without connecting to the display (another
# client would keep the server from resetting). 1 when it ended first.
# Where the kernel hides what a process waits in, it is given a second.
sleep 5 &
sleep 0.2
wchan_shown=$(cat "/proc/$!/wchan" 2>/dev/null || true)
kill $!
wait_for_frame_loop() {
  if [[ "$wchan_shown" != *nanosleep* ]]; then
    sleep 1
    kill -0 "$1" 2>/dev/null
    return
  fi
  for _ in $(seq 1000); do
    kill -0 "$1" 2>/dev/null || return 1
    [[ "$(cat "/proc/$1/wchan" 2>/dev/null)" == *nanosleep* ]] && return 0
    sleep 0.01
  done
}

for start in $(seq "$STARTS"); do
  "$program" 2>"$WINDOW_TEST_DIR/stderr" &
  PROGRAM_PID=$!
  status=0
  if wait_for_frame_loop "$PROGRAM_PID"; then
    window=$(timeout 10 xdotool search --sync --name '^Calcora$' | head -n 1) || true
    [ -n "$window" ] || fail "start $start: no window: $(program_errors)"
    if [ "$start" = 1 ]; then
      check_sdl_library "$PROGRAM_PID"
      class=$(xprop -id "$window" WM_CLASS)
      [ "$class" = 'WM_CLASS(STRING) = "io.github.calcora.Calcora", "io.github.calcora.Calcora"' ] ||
        fail "the window's class: $class"
      grep -qx "StartupWMClass=io.github.calcora.Calcora" "$desktop_file" || fail "the menu entry names another class"
      icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
      [ "$icons" = "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) " ] || fail "the window's icons: $icons"
    fi
    kill -TERM "$PROGRAM_PID"
  fi
  wait "$PROGRAM_PID" || status=$?
  PROGRAM_PID=""
  [ "$status" = 0 ] || fail "start $start: status $status: $(program_errors)"
  [ -z "$(program_errors)" ] || fail "start $start: the program reported: $(program_errors)"
done
echo "ok: $STARTS starts"
