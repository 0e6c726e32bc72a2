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
  [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WINDOW_TEST_DIR"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts Xvfb on the first free display number from 90 on.
start_display() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  fail "Xvfb did not start"
}

# Starts the program ($1) in the current folder and waits for its window.
# There is no window manager: the window is focused by hand.
start_program() {
  start_display
  "$1" 2>"$WINDOW_TEST_DIR/stderr" &
  PROGRAM_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --name '^Calcora$' | head -n 1) || fail "no window captioned Calcora"
  xdotool windowfocus --sync "$WINDOW"
  sleep 0.3
}

# Types keys one by one (xdotool key names), leaving each its own frame.
keys() {
  for k in "$@"; do
    xdotool key --window "$WINDOW" "$k"
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

# Waits up to 10 seconds for the program to end; prints its exit status.
wait_for_exit() {
  for _ in $(seq 100); do
    if ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
      local status=0
      wait "$PROGRAM_PID" || status=$?
      PROGRAM_PID=""
      echo "$status"
      return 0
    fi
    sleep 0.1
  done
  echo "still running"
}
