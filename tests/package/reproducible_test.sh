#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# The package is reproducible: built again from the same source it is the
# same, byte for byte. The second build reuses the first one's compiled tree
# (the tests must not take twice the build time), but compiles two files
# again and links the program anew, then stages, strips, stamps and packs
# everything afresh.
# Usage: reproducible_test.sh <folder of the .deb> <version>
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }

deb="$1/calcora_$2_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no package $deb"
first=$(mktemp)
trap 'rm -f "$first"' EXIT
cp "$deb" "$first"
tree="$1/tree"
rm -f "$tree/run/calcora" "$tree/CMakeFiles/calcora.dir/app/main.cpp.o" \
  "$tree/CMakeFiles/calcora_platform.dir/app/CommandLine.cpp.o"
sleep 1  # any time stamp taken from the clock would now differ
bash "$(dirname "$0")/../../scripts/package" >/dev/null
cmp "$first" "$deb" || fail "two builds differ: $(cmp -l "$first" "$deb" | wc -l) bytes"
echo "ok"
