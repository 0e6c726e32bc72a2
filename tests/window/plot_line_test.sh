#!/usr/bin/env bash
# Opens the first plot screen of chapter 4 in a real window under Xvfb, types
# a slope of 1 and checks that the line y = x is drawn red through (5, 5);
# then leaves through Exit and expects a clean end.
# Usage: plot_line_test.sh PROGRAM   (run from the folder holding images/ and ARIAL.TTF)
set -euo pipefail

program=$(realpath "$1")
work=$(mktemp -d)
xvfb_pid=""
app_pid=""

cleanup() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid"; fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid"
        wait "$xvfb_pid" 2>/dev/null || true  # lets it remove its lock file
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Xvfb picks a free display itself and writes its number to fd 3: no race
# with other servers starting at the same time.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
unset SDL_VIDEODRIVER SDL_AUDIODRIVER
# Under the sanitizers: libX11 keeps a few strings to the end of the process.
printf 'leak:libX11.so\n' >"$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

"$program" >"$work/program.log" 2>&1 &
app_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Calcora$' | head -n1) || fail "no Calcora window"
timeout 10 xdotool windowfocus --sync "$window" || fail "could not focus the window"

# Start screen: Down three times to chapter 4, Enter; Enter on the first
# plot screen; a = 1 for straight line 1.
xdotool key --delay 50 Down Down Down Return Return 1

# The pixel of the plane point (5, 5): 660 + 5·30, 350 − 5·30.
colour=""
for _ in $(seq 50); do
    import -window "$window" "$work/shot.png" 2>/dev/null || true
    colour=$(convert "$work/shot.png" -format '%[pixel:p{810,200}]' info: 2>/dev/null || true)
    case "$colour" in red | "srgb(255,0,0)" | "rgb(255,0,0)") break ;; esac
    sleep 0.2
done
case "$colour" in
    red | "srgb(255,0,0)" | "rgb(255,0,0)") ;;
    *) fail "pixel (810, 200) is '$colour', not red" ;;
esac

# Escape twice to the start screen (its highlight still on chapter 4), down
# to Exit, Enter.
xdotool key --delay 50 Escape Escape Down Down Down Return
status=0
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after Exit"
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$work/program.log")"
echo "PASS: red line through (810, 200)"
