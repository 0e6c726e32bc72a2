#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The pupil's choices outlast the run: on a Polish desktop the first start
# speaks Polish and writes nothing; Space and the grid lines in Options are
# saved as they change, and the next start, on the same Polish desktop, comes
# back in English, though the lab's system-wide settings misspell a line: the
# start screen shows that line in grey and stderr names it, once.
# Usage: settings_remembered_test.sh <program>
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")
settings="$WINDOW_TEST_DIR/config/calcora/settings"
polish_desktop="$WINDOW_TEST_DIR/polish_desktop"
printf '#!/bin/sh\nLANG=pl_PL.UTF-8 exec "%s"\n' "$program" >"$polish_desktop"
chmod +x "$polish_desktop"

first_line_reads() {
  shows_text "$1" 60 262 420 28 "$2"
}

start_program "$polish_desktop"
first_line_reads polish "1. Liczby naturalne i calkowite" || fail "the first start reads: $SHOWN"
[ ! -e "$settings" ] || fail "settings written though nothing was chosen: $(cat "$settings")"

keys space Down Down Down Down Return Down Return Escape  # English, then Options: grid lines on
chosen() { grep -qx 'language=English' "$settings" && grep -qx 'gridlines=on' "$settings" && grep -qx 'fullscreen=off' "$settings"; }
eventually chosen 2>/dev/null ||
  fail "the settings file holds: $(cat "$settings" 2>/dev/null)"
kill -TERM "$PROGRAM_PID"
wait_for_exit
[ "$EXIT_STATUS" = 0 ] && [ -z "$(program_errors)" ] || fail "status $EXIT_STATUS: $(program_errors)"

mkdir -p "$WINDOW_TEST_DIR/etc/calcora"
printf 'this is not a setting\ngridlines=on\n' >"$WINDOW_TEST_DIR/etc/calcora/settings"
export XDG_CONFIG_DIRS="$WINDOW_TEST_DIR/etc"
launch_program "$polish_desktop"
first_line_reads english "1. Natural numbers and integers" || fail "the next start reads: $SHOWN"
fault=$(read_text english 58 66 420 22)
[ "$fault" = "system-wide settings line 1: not a setting" ] || fail "the start screen's fault reads: $fault"
[ "$(program_errors)" = "calcora: $WINDOW_TEST_DIR/etc/calcora/settings line 1: not a setting; the line is passed over" ] ||
  fail "the program reported: $(program_errors)"
echo "ok"
