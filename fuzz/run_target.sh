#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one fuzz target for a number of seconds, starting from its seeds and
# growing the corpus folder given; an input that crashes it, leaks or takes
# too long is kept in the findings folder and fails the run. Prints the
# number of executions. The target runs in a scratch folder of its own,
# since the prime listing and the Goldbach check write results.txt.
# Usage: fuzz/run_target.sh BINARY SEEDS SECONDS CORPUS FINDINGS
set -euo pipefail
binary=$(realpath "$1")
seeds=$(realpath "$2")
seconds=$3
mkdir -p "$4" "$5"
corpus=$(realpath "$4")
findings=$(realpath "$5")
name=$(basename "$binary")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

status=0
UBSAN_OPTIONS=print_stacktrace=1 "$binary" "$corpus" "$seeds" \
  -max_total_time="$seconds" -timeout=25 -max_len=256 -print_final_stats=1 \
  -artifact_prefix="$findings/$name-" >log 2>&1 || status=$?

runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 executions in \2 s/p' log)
if [ "$status" -ne 0 ]; then
  tail -n 60 log
  echo "$name: FINDING (exit $status) after ${runs:-an unknown number of executions}; input kept in $findings"
  exit 1
fi
echo "$name: ${runs:-? executions}, corpus $(ls "$corpus" | wc -l) inputs, no finding"
