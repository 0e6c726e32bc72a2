#!/usr/bin/env bash
# The built program in a real X window (on Xvfb, no window manager): its
# caption, the start screen as drawn, the language switch and Exit, all
# driven from the keyboard. $1 is the program; the run folder is the
# working directory.
set -euo pipefail

program=$1
work=$(mktemp -d)
xvfb_pid=""
app_pid=""

cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log" >&2
  exit 1
}

# Starts Xvfb on the first display number nobody holds and exports DISPLAY.
start_xvfb() {
  local n i
  for n in $(seq 91 190); do
    { [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; } && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for i in $(seq 50); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$xvfb_pid" 2>/dev/null || break   # someone else took the number
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
  return 1
}

# Screenshots and pixels; coordinates are relative to the window's corner.
shot() { import -window root "$work/$1.png"; }
crop() { convert "$work/$1.png" -crop "$4x$5+$(($2 + WX))+$(($3 + WY))" +repage "$work/$6.png"; }
# 1 when every pixel of the box is white.
all_white() { crop "$1" "$2" "$3" "$4" "$5" box; convert "$work/box.png" -format '%[fx:minima==1]' info:; }
# 1 when the box holds a black pixel.
has_black() { crop "$1" "$2" "$3" "$4" "$5" box; convert "$work/box.png" -colorspace gray -format '%[fx:minima==0]' info:; }
# 1 when the box holds a pure blue pixel.
has_blue() {
  crop "$1" "$2" "$3" "$4" "$5" box
  convert "$work/box.png" -fx 'r==0 && g==0 && b==1' -format '%[fx:maxima==1]' info:
}
# How many pixels of the box differ between two screenshots.
changed() {
  crop "$1" "$3" "$4" "$5" "$6" before
  crop "$2" "$3" "$4" "$5" "$6" after
  compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true
}
press() { xdotool key "$1"; sleep 0.4; }

start_xvfb || fail "no free display for Xvfb"
export SDL_VIDEODRIVER=x11
# Xlib keeps a few strings to the end of the process; a sanitizer build
# must not count them against the program.
echo "leak:libX11.so" >"$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

"$program" >"$work/program.log" 2>&1 &
app_pid=$!
window=$(timeout 10 xdotool search --sync --name '^Calcora$' | head -n 1) || fail "no window captioned Calcora"
[ "$(xdotool getwindowname "$window")" = "Calcora" ] || fail "caption is not Calcora"
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
WX=$X WY=$Y
[ "$WIDTH" = 1000 ] && [ "$HEIGHT" = 700 ] || fail "window is ${WIDTH}x$HEIGHT, not 1000x700"
sleep 0.5

shot start
[ "$(all_white start 0 0 20 20)" = 1 ] || fail "background is not white"
[ "$(all_white start 27 264 30 20)" = 0 ] || fail "no marker beside the first line"
[ "$(has_black start 62 264 330 26)" = 1 ] || fail "no black text in \"1. Natural numbers and integers\""
[ "$(has_blue start 874 30 120 26)" = 1 ] || fail "no blue text in \"POLSKI\""
[ "$(all_white start 724 30 30 20)" = 1 ] || fail "a marker beside the language item"

press Right
shot right
[ "$(all_white right 724 30 30 20)" = 0 ] || fail "Right did not move the marker to the language item"
[ "$(all_white right 27 264 30 20)" = 1 ] || fail "the marker stayed beside the first line"

press Return
shot polish
[ "$(changed right polish 62 264 330 26)" -gt 0 ] || fail "Enter on the language item left the first line as it was"
[ "$(changed right polish 0 0 60 700)" = 0 ] || fail "the marker column changed with the language"

press Left
press Up
shot exit
[ "$(all_white exit 27 444 30 20)" = 0 ] || fail "Up from the first line did not reach Exit"
xdotool key Return

for _ in $(seq 50); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after Exit"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "start screen test passed"
