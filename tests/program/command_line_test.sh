#!/usr/bin/env bash
# The built program as a command: --help and --version answer and exit 0,
# an unknown option gives the usage on stderr and 2, and with no graphical
# display it says so in one line and exits 1, all without opening a window.
# Usage: command_line_test.sh <program> <version>
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
program=$(realpath "$1")
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# Runs the program with the given arguments; sets `status`.
run() { status=0; timeout 20 "$program" "$@" >"$out" 2>"$err" </dev/null || status=$?; }

run --help
[ "$status" = 0 ] && [ ! -s "$err" ] || fail "--help: status $status, stderr $(cat "$err")"
head -n 1 "$out" | grep -qx 'Usage: calcora \[--help | --version\]' || fail "--help printed: $(cat "$out")"
grep -q 'Space *switch between English and Polish' "$out" || fail "--help lists no keys"

run --version
[ "$status" = 0 ] && [ "$(cat "$out")" = "calcora $2" ] || fail "--version: status $status, printed $(cat "$out")"

run --fullscreen
[ "$status" = 2 ] && [ ! -s "$out" ] || fail "unknown option: status $status, stdout $(cat "$out")"
[ "$(head -n 2 "$err")" = $'calcora: unknown option \'--fullscreen\'\nUsage: calcora [--help | --version]' ] ||
  fail "unknown option printed: $(cat "$err")"

# No display and no driver asked for: SDL would fall back to text art.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 "$program" >"$out" 2>"$err" </dev/null || status=$?
[ "$status" = 1 ] || fail "without a display: status $status"
[ "$(cat "$err")" = "calcora: no graphical display found; run it in a desktop session" ] ||
  fail "without a display it printed: $(cat "$err")"
[ ! -s "$out" ] || fail "without a display it wrote to the terminal: $(od -c "$out" | head -n 3)"
echo "ok"
