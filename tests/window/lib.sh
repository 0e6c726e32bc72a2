# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the real-window tests: an Xvfb display of its own, the built
# program started in the run folder, keys typed with xdotool, screenshots
# read back with ImageMagick, and text read back with tesseract.
# Usage: source this file, then `start_program "$1"`; everything is cleaned
# up on exit.

set -euo pipefail
# The test helpers built beside the program (screen_hash, send_close_request).
: "${WINDOW_TEST_TOOLS:?names the folder of the built test helpers}"

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

# A failed test's screenshots are kept in WINDOW_TEST_KEEP, when it names a folder.
fail() {
  echo "FAIL: $*" >&2
  if [ -n "${WINDOW_TEST_KEEP:-}" ]; then
    mkdir -p "$WINDOW_TEST_KEEP"
    import -window root "$WINDOW_TEST_KEEP/at-failure.png" 2>/dev/null || true
    cp "$WINDOW_TEST_DIR"/*.png "$WINDOW_TEST_KEEP/" 2>/dev/null || true
  fi
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

# Starts the program ($1, with any further arguments) in the current folder,
# waits for its window and its first frame, and focuses it.
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
  eventually test -s "$WINDOW_TEST_DIR/pid" || fail "the program did not start"
  PROGRAM_PID=$(cat "$WINDOW_TEST_DIR/pid")
  find_window
  check_sdl_library "$PROGRAM_PID"
  wait_for_first_frame
}

# Waits for the program's window (WINDOW) to be shown.
find_window() {
  WINDOW=$(timeout "$PATIENCE" xdotool search --sync --onlyvisible --name '^Calcora$' | head -n 1) ||
    fail "no window captioned Calcora: $(program_errors)"
}

# There is no window manager: the window is focused by hand, at the start and
# again after every change of its size or full screen (which may take the
# focus away with the window it drew into).
focus_window() {
  xdotool windowfocus "$WINDOW" 2>/dev/null || true
  eventually is_focused || fail "the window did not take the focus"
}
is_focused() {
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$WINDOW" ] && return 0
  xdotool windowfocus "$WINDOW" 2>/dev/null || true
  return 1
}

# A fingerprint of what the whole screen shows now (tests/window/screen_hash.cpp).
screen_hash() {
  "$WINDOW_TEST_TOOLS/screen_hash"
}

# Waits until the screen no longer shows fingerprint $1, then until it holds
# still (a frame may reach the server in pieces); $2 says what was waited for.
wait_for_new_frame() {
  eventually screen_is_not "$1" || fail "no new frame after $2"
  local now next
  now=$(screen_hash)
  for _ in $(seq 50); do
    sleep 0.05
    next=$(screen_hash)
    [ "$next" = "$now" ] && return 0
    now=$next
  done
}
screen_is_not() {
  [ "$(screen_hash)" != "$1" ]
}

# Waits for the window's first frame after it opened or changed its mode:
# until then it is black, and the screens the tests open on are white.
wait_for_first_frame() {
  eventually window_drawn || fail "the window was never drawn: $(program_errors)"
  focus_window
}
window_drawn() {
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$WINDOW" 2>/dev/null)" || return 1
  screenshot first-frame
  [ "$(convert "$WINDOW_TEST_DIR/first-frame.png" -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage -format '%[fx:mean>0.5]' info:)" = 1 ]
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

# Types keys one by one (xdotool key names). A key that ends the program
# leaves no window for its key-up: that is fine. Nothing is waited for: what
# the keys bring is waited for by the checks after them (`press` waits).
keys() {
  for k in "$@"; do
    type_key "$k"
  done
}

# Types keys one by one, each waiting for the new frame it brings: for keys
# that each change the screen, so that the next goes to the screen it is meant for.
press() {
  local before
  for k in "$@"; do
    before=$(screen_hash)
    type_key "$k"
    wait_for_new_frame "$before" "the key $k"
  done
}

# Runs "$@" every tenth of a second until it succeeds, for up to PATIENCE
# seconds; returns its last status. Every check of what a key brings waits
# this way, never for a fixed time: on a machine whose cores are both busy a
# frame may come seconds late.
PATIENCE=${WINDOW_TEST_PATIENCE:-30}
eventually() {
  local deadline=$((SECONDS + PATIENCE))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Waits until a new screenshot $1 shows, in the box w x h at (x, y), a text
# matching the pattern $6 (a shell pattern); SHOWN is the text read last.
shows_text() {
  eventually text_in_box "$@"
}
text_in_box() {
  screenshot "$1"
  SHOWN=$(read_text "$1" "$2" "$3" "$4" "$5")
  # shellcheck disable=SC2053 # $6 is a pattern
  [[ "$SHOWN" == $6 ]]
}

# Waits until a new screenshot $1 makes the check "$@" (after the name) succeed,
# the check reading that screenshot.
shows() {
  eventually screenshot_and "$@"
}
screenshot_and() {
  screenshot "$1"
  "${@:2}"
}

# Checks for `shows`: a pixel's colour, a box that holds a colour, a box all white.
pixel_is() { [ "$(pixel "$1" "$2" "$3")" = "$4" ]; }
colour_in() { [ "$(has_colour "$@")" = 1 ]; }
white_box() { [ "$(all_white "$@")" = 1 ]; }
not_white() { [ "$(all_white "$@")" = 0 ]; }

# Waits until file $1 holds exactly $2.
file_holds() {
  eventually holds "$1" "$2"
}
holds() { [ "$(cat "$1" 2>/dev/null)" = "$2" ]; }

# Waits until file $1 has $2 lines.
file_has_lines() {
  eventually has_lines "$1" "$2"
}
has_lines() { [ "$(wc -l <"$1" 2>/dev/null)" = "$2" ]; }

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

# Asks the window to close as a window manager's close button does, with
# send_close_request, and sets CLOSE_MS to the time
# until the window went (up to 5 s). The window goes when the frame loop has
# answered; the process may take longer to end under the sanitizers, which
# check for leaks at exit.
request_close() {
  local started
  started=$(date +%s%N)
  "$WINDOW_TEST_TOOLS/send_close_request" "$WINDOW" || fail "could not send the close request"
  for _ in $(seq 500); do xdotool getwindowname "$WINDOW" >/dev/null 2>&1 || break; sleep 0.01; done
  CLOSE_MS=$((($(date +%s%N) - started) / 1000000))
}

# Waits for the program to end (up to PATIENCE seconds: under the sanitizers
# a busy machine may take that long to check for leaks) and sets EXIT_STATUS
# to its exit status ("still running" when it did not end), as the shell
# that started it recorded it.
wait_for_exit() {
  EXIT_STATUS="still running"
  if eventually test -s "$WINDOW_TEST_DIR/status"; then EXIT_STATUS=$(cat "$WINDOW_TEST_DIR/status"); fi
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
