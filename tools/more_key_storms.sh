#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The key storms of the seeds every test run leaves out (it runs two), side by
# side in the sanitized test tree: for a change to the dispatcher, the
# screens or the frame loop, where three more storms of 40000 keys may find
# what two did not. About two minutes of both cores.
# Usage: tools/more_key_storms.sh   (after scripts/test)
set -euo pipefail
cd "$(dirname "$0")/../build/test/run"
tests=../tests/calcora_tests
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="suppressions=$(realpath ../../../tests/lsan.supp):print_suppressions=0"
pids=()
for seed in 0 1 2; do
  "$tests" --gtest_also_run_disabled_tests --gtest_filter="DISABLED_MoreSeeds/KeyStorm.*/$seed" &
  pids+=($!)
done
failed=0
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
exit $failed
