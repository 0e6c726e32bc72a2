#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The size in Options on a real display of 1600 by 1200: a remembered 200%
# does not fit, so the window opens at 150%, 1500 by 1050, with its text
# drawn where 100% draws it, half as large again; Enter on Size skips 200%
# and goes back to 100% (1024 by 768, the size of every display switch),
# then to 150% again, each remembered. Full screen then fills the screen, and
# switched off gives the 150% window back. The window stays whole on the
# screen throughout: with no window manager, at the screen's corner.
# Usage: size_test.sh <program>
source "$(dirname "$0")/lib.sh"
export XVFB_SCREEN=1600x1200x24
settings="$WINDOW_TEST_DIR/config/calcora/settings"
mkdir -p "$(dirname "$settings")"
echo 'size=200%' >"$settings"

geometry() {
  xdotool getwindowgeometry "$WINDOW" | sed -n 's/^ *Geometry: //p; s/^ *Position: \([0-9]*,[0-9]*\).*/\1 /p' | tr -d '\n'
}
has_geometry() { [ "$(geometry)" = "$1" ]; }
holds_setting() { grep -qx "$1" "$settings"; }
# After a change of mode: waits for the window to take the place and size $1
# ("x,y WxH") and for its new frame there, told by the text $6 in the box
# $2 $3 $4 $5 (a window resized keeps what it showed until it is drawn
# again), then focuses it again, so that the next keys reach the window as
# it now is.
expect_mode() {
  eventually has_geometry "$1" || fail "the window is $(geometry), not $1"
  shows_text mode "$2" "$3" "$4" "$5" "$6" || fail "at $1 the window reads \"$SHOWN\", not \"$6\""
  focus_window
}

start_program "$1"
expect_mode "0,0 1500x1050" 90 393 630 42 "1. Natural numbers and integers"

keys Down Down Down Down Return Down Down Return  # Options, Size: 150% -> 100% (200% does not fit)
expect_mode "0,0 1024x768" 60 380 420 28 "Size: 100%"
eventually holds_setting 'size=100%' || fail "after one Enter the settings hold: $(cat "$settings")"
keys Return
expect_mode "0,0 1500x1050" 90 570 630 42 "Size: 150%"
eventually holds_setting 'size=150%' || fail "after two the settings hold: $(cat "$settings")"
press Up Up
keys Return  # Full screen: on
expect_mode "0,0 1600x1200" 90 555 660 48 "Fullscreen: on"
eventually holds_setting 'fullscreen=on' || fail "after full screen the settings hold: $(cat "$settings")"
keys Return
expect_mode "0,0 1500x1050" 90 480 630 42 "Fullscreen: off"

kill -TERM "$PROGRAM_PID"
wait_for_exit
[ "$EXIT_STATUS" = 0 ] && [ -z "$(program_errors)" ] || fail "status $EXIT_STATUS: $(program_errors)"
echo "ok"
