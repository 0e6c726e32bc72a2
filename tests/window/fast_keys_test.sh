#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Keys sent at machine speed (a paste tool, a barcode scanner) all arrive,
# and a close request sent during a storm of keys ends the program at once.
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")
cd "$WINDOW_TEST_DIR"  # results.txt goes here; the program finds its pictures beside itself
start_program "$program"
# Chapter 1, primes from 1 to 1000000, the upper end typed with no pause at all.
keys Return Right Right 1 Right
xdotool type --delay 0 1000000
keys Down Return
eventually test -s results.txt
case "$(head -c 40 results.txt)" in "Number of prime numbers: 78498;"*) ;; *) fail "results.txt begins: $(head -c 40 results.txt)" ;; esac

# Two storms of about 5000 keys a second each: SDL's queue of 128 events is always full.
storm=()
for _ in $(seq 250); do storm+=(1 2 3 Delete); done
stormers=()
for _ in 1 2; do
  (while xdotool key --delay 0 "${storm[@]}" 2>/dev/null; do :; done) &
  stormers+=($!)
done
sleep 1
request_close
kill "${stormers[@]}" 2>/dev/null || true
wait_for_exit
echo "window closed ${CLOSE_MS} ms after the close request"
[ "$EXIT_STATUS" = 0 ] || fail "the program ended with status $EXIT_STATUS"
[ "$CLOSE_MS" -lt 3000 ] || fail "the close request took ${CLOSE_MS} ms"
echo "ok"
