#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every window and package test (or those whose CTest names match the
# regular expression given) ROUNDS times (default 20) in an already built
# test tree, beside stress-ng keeping both cores busy, and prints how often
# each passed and failed; exits non-zero when any failed. A test that fails
# one time in some decides by chance whether a change lands: this finds it.
# Usage: tools/flake_check.sh [rounds] [test regex]   (after scripts/test)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-20}
pattern=${2:-'^(window|package)\.'}
tree=build/test
[ -f "$tree/CTestTestfile.cmake" ] || { echo "no test tree in $tree: run scripts/test first" >&2; exit 2; }
command -v stress-ng >/dev/null || { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq stress-ng; }

log=$(mktemp -d)
stress-ng --cpu "$(nproc)" --cpu-method matrixprod --quiet &
load=$!
trap 'kill "$load" 2>/dev/null || true; rm -rf "$log"' EXIT

declare -A passed failed
started=$SECONDS
for round in $(seq "$rounds"); do
  # One test at a time: the window tests share the run folder.
  (cd "$tree" && ctest -R "$pattern" --output-on-failure --output-junit "$log/round.xml" >"$log/round.txt" 2>&1) || true
  while IFS=' ' read -r status name; do
    if [ "$status" = pass ]; then
      passed[$name]=$((${passed[$name]:-0} + 1))
    else
      failed[$name]=$((${failed[$name]:-0} + 1))
      { echo "== round $round: $name failed"; grep -A20 "$name" "$log/round.txt" | grep -m5 'FAIL' || true; } >&2
    fi
  done < <(python3 - "$log/round.xml" <<'PY'
import sys, xml.etree.ElementTree as tree
for case in tree.parse(sys.argv[1]).getroot().iter("testcase"):
    print("pass" if case.get("status") == "run" and not case.findall("failure") else "fail", case.get("name"))
PY
  )
  echo "round $round of $rounds done after $((SECONDS - started)) s" >&2
done

bad=0
for name in $(printf '%s\n' "${!passed[@]}" "${!failed[@]}" | sort -u); do
  printf '%-45s passed %2d, failed %2d\n' "$name" "${passed[$name]:-0}" "${failed[$name]:-0}"
  [ "${failed[$name]:-0}" = 0 ] || bad=1
done
exit $bad
