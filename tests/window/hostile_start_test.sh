#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The program starts beside the remains of a killed save, under a file-size
# limit, with a standard error whose reader goes away after one line: it
# removes the remains and says so, and a save that cannot be written is a
# failed save, shown in red, never the end of the program.
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")
cd "$WINDOW_TEST_DIR"
gone=$(sh -c 'echo $$')  # a process that has ended
echo "half a listing" >".calcora-$gone-abc123.new"
echo "old" >results.txt
cat >limited <<SCRIPT
#!/usr/bin/env bash
ulimit -f 64
exec 2> >(head -n 1 >"$WINDOW_TEST_DIR/first-line")
exec "$program"
SCRIPT
chmod +x limited
start_program ./limited
grep -q "removed .calcora-$gone-abc123.new" first-line || fail "stderr began: $(cat first-line)"
[ ! -e ".calcora-$gone-abc123.new" ] || fail "the remains of the killed save are still there"
# Chapter 1: the primes from 1 to 1000000 (617 kB) do not fit under the limit;
# the full panel leaves the red message the strip at its foot.
keys Return Right Right 1 Right 1 0 0 0 0 0 0 Down Return
shows failed colour_in failed 100 155 300 30 255,0,0 || fail "the failed save is not shown"
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the failed save ended the program: $(cat status)"
[ "$(cat results.txt)" = old ] || fail "results.txt holds $(head -c 40 results.txt)"
[ -z "$(find . -name '.calcora-*')" ] || fail "a save left $(find . -name '.calcora-*')"
keys Escape Up Return
wait_for_exit
[ "$EXIT_STATUS" = 0 ] || fail "the program ended with status $EXIT_STATUS"
echo "ok"
