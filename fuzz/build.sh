#!/usr/bin/env bash
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds the fuzz targets with clang in the tree given
# (default build/fuzz), for long runs (scripts/fuzz); scripts/test builds
# the same targets in its own clang tree.
# Usage: fuzz/build.sh [tree]
set -euo pipefail
cd "$(dirname "$0")/.."
tree=${1:-build/fuzz}
cmake -S . -B "$tree" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCALCORA_FUZZ=ON -DCALCORA_TESTS=OFF -DCALCORA_BENCH=OFF >/dev/null
cmake --build "$tree" -j "$(nproc)" --target fuzz_fields fuzz_keys
