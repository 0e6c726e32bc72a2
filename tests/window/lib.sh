# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the real-window tests: an Xvfb display of its own, the built
# program started in the run folder, keys typed with xdotool, screenshots
# read back with ImageMagick, and text read back with tesseract.
# Usage: source this file, then `start_program "$1"`; everything is cleaned
# up on exit.

set -euo pipefail

WINDOW_TEST_DIR=$(mktemp -d)
XVFB_PID=""
PROGRAM_PID=""
WINDOW=""

cleanup() {
  if [ -n "$PROGRAM_PID" ]; then kill "$PROGRAM_PID" 2>/dev/null || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
  # Lets Xvfb remove its lock file, and the shell that started the program
  # write its status before the folder goes.
  wait 2>/dev/null || true
  rm -rf "$WINDOW_TEST_DIR"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts Xvfb; it picks a free display itself and writes its number to fd 3,
# so servers started at the same time never race for one. Its screen is
# 1280 by 1024 unless XVFB_SCREEN says otherwise.
start_display() {
  local number="$WINDOW_TEST_DIR/display"
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$number" 2>"$WINDOW_TEST_DIR/xvfb.log" &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
  [ -s "$number" ] || fail "Xvfb did not start: $(cat "$WINDOW_TEST_DIR/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$number")"
  unset SDL_VIDEODRIVER SDL_AUDIODRIVER
  # As on a new machine: no remembered settings, a locale that names no
  # language (so the program starts in English), and nothing kept afterwards.
  export XDG_CONFIG_HOME="$WINDOW_TEST_DIR/config" XDG_DATA_HOME="$WINDOW_TEST_DIR/data" LANG=C.UTF-8
  unset LC_ALL LC_MESSAGES LANGUAGE
  # Under the sanitizers: libX11 (and SDL 2, under the replacement library)
  # keeps a few strings to the end of the process.
  # libspeechd's message of a failed connection too (see tests/lsan.supp).
  { printf 'leak:libX11.so\nleak:libSDL2-2.0.so\nleak:sdl12-compat\n'
    grep '^leak:' "$(dirname "${BASH_SOURCE[0]}")/../lsan.supp"; } >"$WINDOW_TEST_DIR/lsan.supp"
  export LSAN_OPTIONS="suppressions=$WINDOW_TEST_DIR/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
}

source "$(dirname "${BASH_SOURCE[0]}")/sdl_library.sh"

# The program's stderr so far.
program_errors() {
  cat "$WINDOW_TEST_DIR/stderr"
}

# Starts the program ($1, with any further arguments) in the current folder
# and waits for its window.
# There is no window manager: the window is focused by hand.
# Its exit status is written by the shell that started it: a command
# substitution such as $(wait_for_exit) cannot wait for it.
start_program() {
  start_display
  launch_program "$@"
}

# Starts the program ($1, with any further arguments) as start_program does,
# on the display already there (a second start in one test).
launch_program() {
  rm -f "$WINDOW_TEST_DIR/status" "$WINDOW_TEST_DIR/pid"
  local program
  program=$(realpath "$1")
  (
    "$program" "${@:2}" 2>"$WINDOW_TEST_DIR/stderr" &
    echo $! >"$WINDOW_TEST_DIR/pid"
    status=0
    wait $! || status=$?
    echo "$status" >"$WINDOW_TEST_DIR/status"
  ) &
  for _ in $(seq 100); do [ -s "$WINDOW_TEST_DIR/pid" ] && break; sleep 0.02; done
  PROGRAM_PID=$(cat "$WINDOW_TEST_DIR/pid")
  WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Calcora$' | head -n 1) || fail "no window captioned Calcora"
  check_sdl_library "$PROGRAM_PID"
  xdotool windowfocus --sync "$WINDOW"
  for _ in $(seq 30); do [ "$(xdotool getwindowfocus 2>/dev/null)" = "$WINDOW" ] && break; sleep 0.1; done
  sleep 0.3
}

# One key; a server busy with a fresh window may refuse it, so it is tried
# again a few times while the program runs.
type_key() {
  for _ in 1 2 3; do
    xdotool key --window "$WINDOW" "$1" 2>/dev/null && return 0
    kill -0 "$PROGRAM_PID" 2>/dev/null || return 0
    # A key that ends the program closes the window at once, while the
    # process (a sanitizer build checks for leaks) may take seconds to end.
    xdotool getwindowname "$WINDOW" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  fail "could not type $1"
}

# Types keys one by one (xdotool key names), leaving each its own frame. A
# key that ends the program leaves no window for its key-up: that is fine.
keys() {
  for k in "$@"; do
    type_key "$k"
    sleep 0.05
  done
  sleep 0.3
}

# Saves the whole screen as $WINDOW_TEST_DIR/$1.png.
screenshot() {
  import -window root "$WINDOW_TEST_DIR/$1.png"
}

# The colour of pixel (x, y) of screenshot $1, as "r,g,b".
pixel() {
  convert "$WINDOW_TEST_DIR/$1.png" -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' info:
}

# The text in the rectangle w x h at (x, y) of screenshot $1.
read_text() {
  local crop="$WINDOW_TEST_DIR/crop.png"
  convert "$WINDOW_TEST_DIR/$1.png" -crop "$4x$5+$2+$3" +repage -colorspace gray -resize 400% "$crop"
  tesseract "$crop" - --psm 7 2>/dev/null
}

# Asks the window to close as a window manager's close button does, with the
# send_close_request beside the program ($1), and sets CLOSE_MS to the time
# until the window went (up to 5 s). The window goes when the frame loop has
# answered; the process may take longer to end under the sanitizers, which
# check for leaks at exit.
request_close() {
  local started
  started=$(date +%s%N)
  "$(dirname "$(realpath "$1")")/send_close_request" "$WINDOW" || fail "could not send the close request"
  for _ in $(seq 500); do xdotool getwindowname "$WINDOW" >/dev/null 2>&1 || break; sleep 0.01; done
  CLOSE_MS=$((($(date +%s%N) - started) / 1000000))
}

# Waits up to 10 seconds for the program to end and sets EXIT_STATUS to its
# exit status ("still running" when it did not end), as the shell that
# started it recorded it.
wait_for_exit() {
  EXIT_STATUS="still running"
  for _ in $(seq 500); do
    if [ -s "$WINDOW_TEST_DIR/status" ]; then
      EXIT_STATUS=$(cat "$WINDOW_TEST_DIR/status")
      return 0
    fi
    sleep 0.02
  done
}

# Crops the box w x h at (x, y) of screenshot $1 into $WINDOW_TEST_DIR/box.png.
crop_box() {
  convert "$WINDOW_TEST_DIR/$1.png" -crop "$4x$5+$2+$3" +repage "$WINDOW_TEST_DIR/box.png"
}

# 1 when every pixel of the box w x h at (x, y) of screenshot $1 is white.
all_white() {
  crop_box "$@"
  convert "$WINDOW_TEST_DIR/box.png" -format '%[fx:minima==1]' info:
}

# 1 when the box holds a pixel of the exact colour $6 (as "r,g,b").
has_colour() {
  crop_box "$1" "$2" "$3" "$4" "$5"
  local r g b
  IFS=, read -r r g b <<<"$6"
  convert "$WINDOW_TEST_DIR/box.png" -fx "abs(r*255-$r)<0.5 && abs(g*255-$g)<0.5 && abs(b*255-$b)<0.5" \
    -format '%[fx:maxima==1]' info:
}

# How many pixels of the box w x h at (x, y) differ between screenshots $1 and $2.
changed() {
  convert "$WINDOW_TEST_DIR/$1.png" -crop "$5x$6+$3+$4" +repage "$WINDOW_TEST_DIR/before.png"
  convert "$WINDOW_TEST_DIR/$2.png" -crop "$5x$6+$3+$4" +repage "$WINDOW_TEST_DIR/after.png"
  compare -metric AE "$WINDOW_TEST_DIR/before.png" "$WINDOW_TEST_DIR/after.png" null: 2>&1 || true
}
