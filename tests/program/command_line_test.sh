#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program as a command: --help and --version answer and exit 0
# (1, with a message, when standard output cannot take them), an unknown
# option gives the usage on stderr and 2, and with no graphical display, or a
# display that refuses the connection, it says so in one line and exits 1,
# all without opening a window; a driver asked for by name is used. On the
# SDL 1.2 library WINDOW_TEST_SDL names (tests/window/sdl_library.sh).
# Usage: command_line_test.sh <program> <version>
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../window/sdl_library.sh"
program=$(realpath "$1")
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# Runs the program with the given arguments; sets `status`.
run() { status=0; timeout 20 "$program" "$@" >"$out" 2>"$err" </dev/null || status=$?; }

run --help
[ "$status" = 0 ] && [ ! -s "$err" ] || fail "--help: status $status, stderr $(cat "$err")"
head -n 1 "$out" | grep -qx 'Usage: calcora \[--help | --version | --practice-seed N\]' || fail "--help printed: $(cat "$out")"
grep -q 'Space *switch between English and Polish' "$out" || fail "--help lists no keys"

run --version
[ "$status" = 0 ] && [ "$(head -n 1 "$out")" = "calcora $2" ] || fail "--version: status $status, printed $(cat "$out")"
grep -qx 'License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.' "$out" ||
  fail "--version names no licence: $(cat "$out")"

for option in --help --version; do
  status=0
  "$program" "$option" >/dev/full 2>"$err" || status=$?
  [ "$status" = 1 ] && [ "$(cat "$err")" = "calcora: write error: No space left on device" ] ||
    fail "$option >/dev/full: status $status, stderr $(cat "$err")"
done

run --fullscreen
[ "$status" = 2 ] && [ ! -s "$out" ] || fail "unknown option: status $status, stdout $(cat "$out")"
[ "$(head -n 2 "$err")" = $'calcora: unknown option \'--fullscreen\'\nUsage: calcora [--help | --version | --practice-seed N]' ] ||
  fail "unknown option printed: $(cat "$err")"

# No display and no driver asked for: SDL would fall back to text art (SDL 2
# to drawing nowhere). A login always has its runtime folder, without which
# SDL 2's Wayland library complains on stderr.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$(dirname "$out")" timeout 20 "$program" \
  >"$out" 2>"$err" </dev/null || status=$?
[ "$status" = 1 ] || fail "without a display: status $status"
[ "$(cat "$err")" = "calcora: no graphical display found; run it in a desktop session" ] ||
  fail "without a display it printed: $(cat "$err")"
[ ! -s "$out" ] || fail "without a display it wrote to the terminal: $(od -c "$out" | head -n 3)"

# A display is named, but nothing answers there.
status=0
env -u SDL_VIDEODRIVER DISPLAY=:9631 timeout 20 "$program" >"$out" 2>"$err" </dev/null || status=$?
[ "$status" = 1 ] || fail "with a display that refuses: status $status"
grep -qx 'calcora: the graphical display :9631 refused or dropped the connection: .*' "$err" ||
  fail "with a display that refuses it printed: $(cat "$err")"

# A driver asked for by name is used even without a display: the program runs
# until it is told to end.
env -u DISPLAY SDL_VIDEODRIVER=dummy "$program" >"$out" 2>"$err" </dev/null &
sleep 1
check_sdl_library $!
kill -TERM $!
status=0
wait $! || status=$?
[ "$status" = 0 ] && [ ! -s "$err" ] || fail "the dummy driver: status $status, stderr $(cat "$err")"
echo "ok"
